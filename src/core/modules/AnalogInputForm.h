// The analog input modules: value format of the whole module, format per
// channel, or measuring range per channel with module properties, and the
// addressing by steps of 4 bytes. Which of these a module offers follows
// from its identification byte.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/TextTable.h"
#include "core/record/RowEintrag.h"

namespace rm {

// The kind of an analog input module: Kennung without its step-of-4 bit.
enum class AnalogKind {
    Format20,      // 0x20: one value format, seven choices
    Format21,      // 0x21: one value format, four choices
    Format40,      // 0x40: one value format, six choices
    PerChannel41,  // 0x41: a format per channel, 8 channels
    Ranges42,      // 0x42: a measuring range per channel, 7 channels, module properties
    Other,         // nothing but the frame is stored
};
AnalogKind analogKindOf(const RowEintrag& record);

// The "Measurment type" page a kind shows.
enum class AnalogPage { ValueFormat, ChannelFormat, Ranges };

inline constexpr int kStepOf4Bit = 0x08;

struct AnalogInputForm {
    static constexpr int kFormats = 7;
    static constexpr int kFormatChannels = 8;
    static constexpr int kRangeChannels = 7;
    static constexpr int kCustomItem = 2;

    AnalogKind kind = AnalogKind::Other;
    std::string typeCode;  // of the order number: "E301", "E302", "E303" ...

    // Value format page: rbFormat(0..6), -1 none.
    std::array<bool, kFormats> rbFormatEnabled{};
    int rbFormat = 0;
    // Format per channel: list index of Combo1(i).
    std::array<int, kFormatChannels> Combo1{};
    // Ranges: list index of Combo2(i) (-1 none), the custom values and the 4..20 mA boxes.
    std::array<int, kRangeChannels> Combo2{};
    std::array<int16_t, kRangeChannels> UserMin{};
    std::array<int16_t, kRangeChannels> UserMax{};
    std::array<bool, kRangeChannels> chk_4to20mA{};
    bool fourTo20Shown = false;  // only the current-input module "E302"
    // Module properties: automatic start, under/overflow avoidance, filter.
    std::array<bool, 3> Check3{};
    // Addressing channels by steps of 4 bytes: Check2(3).
    bool stepOf4 = false;

    AnalogPage page() const;
    bool stepOf4Shown() const;
    bool customShown(int channel) const { return Combo2[static_cast<std::size_t>(channel)] == kCustomItem; }
    // The 4..20 mA box matters only with the "0...4095" range.
    bool fourTo20Enabled(int channel) const { return Combo2[static_cast<std::size_t>(channel)] == 0; }

    void load(const RowEintrag& record);
    void store(RowEintrag& record) const;

    // The input byte count OK stores for the step-of-4 choice; the record's
    // own count for kinds without that choice.
    int32_t inCntFor(bool step, int32_t current) const;

    // Captions and list items.
    static const char* formatCaption(int index);  // "NURA", "SIMATIC® bipolar" ...
    static std::vector<std::string> channelFormatItems();
    std::vector<std::string> rangeItems(const Texts& texts) const;
};

}  // namespace rm
