// The digital modules. Input and output modules have no parameters beyond
// the frame; a combined module keeps the direction of its eight channels in
// Param1 (bit set: the channel is an output), the "mask" byte of its block.
#pragma once

#include <array>
#include <string>

#include "core/base/TextTable.h"
#include "core/record/RowEintrag.h"

namespace rm {

struct DigitalCombinedForm {
    static constexpr int kChannels = 8;
    // Channels 0 and 1 are always inputs, 6 and 7 always outputs.
    static constexpr int kFixedOutputs = 0xC0;
    static constexpr bool userSettable(int channel) { return channel >= 2 && channel <= 5; }

    // rbMask(i) checked: channel i is an output.
    std::array<bool, kChannels> rbMask{false, false, false, false, false, false, true, true};

    // Channels 2 to 5 from the low byte of Param1; the others keep their fixed state.
    void load(const RowEintrag& record);
    // Param1 = 0xC0 plus the bit of every checked box 0 to 5.
    void store(RowEintrag& record) const;
    // "Bit 3, it's an Output".
    static std::string caption(const Texts& texts, int channel);
};

}  // namespace rm
