// The encoder interface modules: the single SSI encoder interface and the
// two-axis module (axis X in its first row, axis Y in the row after it).
// The two keep the same kind of setting in different places: the SSI
// interface has its bit count in Param4 and bit 2 of Param3 set for binary
// code; the two-axis module has the bit count in Param3 and bit 2 of Param4
// set for Gray code.
#pragma once

#include <string>

#include "core/base/TextTable.h"
#include "core/table/ProjectTable.h"

namespace rm {

struct SsiEncoderForm {
    static constexpr int kMinBits = 1;
    static constexpr int kMaxBits = 31;

    int mode = 0;          // rbMode: 0 "Normal", 1 "Ring Check"
    int format = 1;        // rbFormat: 0 "Binary", 1 "Graycode"
    int frequency = 0;     // rbFrequenz: 0 100 kHz, 1 200 kHz, 2 300 kHz, 3 500 kHz
    std::string dataBits;  // txtAnzahlDatenBit

    // A stored bit count outside the range (0 as placed from the catalog)
    // starts from the nearest allowed one, so that OK is accepted as the
    // dialog opens.
    void load(const RowEintrag& r);
    // The data bit count must be a whole number in its range; false with the
    // message naming the field otherwise.
    bool check(const Texts& texts, std::string* message) const;
    // Rebuilds Param3 and Param4; only after check() passed.
    void store(RowEintrag& r) const;
};

struct EncoderAxis {
    static constexpr int kMinBits = 8;
    static constexpr int kMaxBits = 26;

    int type = 0;            // rbModeX/Y: 0 "Incremental Encoder", 1 "SSI Encoder"
    int frequency = 0;       // rbFrequenzX/Y: 0 250 kHz, 1 500 kHz, 2 1 MHz
    int format = 0;          // rbFormatX/Y: 0 "Binary", 1 "Graycode"
    std::string dataBits;    // txtAnzahlDatenBitX/Y
    std::string loadedBits;  // the text load() gave dataBits

    // Frequency, format and bit count belong to the SSI encoder.
    bool detailsVisible() const { return type == 1; }

    // A bit count outside the range starts from the nearest allowed one.
    void load(const RowEintrag& r);
    bool check(const Texts& texts, const std::string& axisName, std::string* message) const;
    // Modus, Param3 and Param4. An incremental axis keeps its hidden
    // settings; a hidden bit count that is not a valid one, or that was not
    // changed since load(), leaves Param3 as it was.
    void store(RowEintrag& r) const;
};

struct TwoAxisEncoderForm {
    EncoderAxis x;
    EncoderAxis y;
    // False when the row after the module is not its axis Y row (a damaged
    // project): axis Y is then neither shown nor written.
    bool hasAxisY = true;

    void load(const RowEintrag& axisX, const RowEintrag& axisY, bool withAxisY);
    bool check(const Texts& texts, std::string* message, int* badAxis = nullptr) const;
    void store(RowEintrag& axisX, RowEintrag& axisY) const;
};

// Whether the row after headRow is the axis Y row of the two-axis module in headRow.
bool isAxisYRow(const ProjectTable& table, int headRow);

}  // namespace rm
