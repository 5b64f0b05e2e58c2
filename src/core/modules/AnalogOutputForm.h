// The analog output and analog combined modules: a module-wide value format
// kept in the identification word, or a range and reset value per output
// channel kept in KanalWerte. Which of the two a module has follows from its
// identification byte; the order number's type code names the ranges.
#pragma once

#include <array>
#include <string>

#include "core/record/RowEintrag.h"

namespace rm {

// Items of a channel's range list.
namespace range {
inline constexpr int None = -1;
inline constexpr int Standard = 0;  // "0...4095"
inline constexpr int Second = 1;    // the module's own range (see secondRangeText)
inline constexpr int Custom = 2;    // text 1315, values from the user range dialog
}  // namespace range

struct OutputChannel {
    int item = range::None;   // Combo1(i)
    bool range4to20 = false;  // chk_4to20mA(i)
    bool boxVisible = false;  // chk_4to20mA(i) shown
    int16_t userMin = 0;      // UserMin(i), UserMax(i), UserReset(i): the custom range
    int16_t userMax = 0;
    int16_t userReset = 0;
    bool customVisible() const { return item == range::Custom; }  // CustomData(i)
};

// The channel's values, or zeros where the record holds no entry for it.
KanalWert channelValues(const RowEintrag& r, int channel);

struct AnalogOutputForm {
    static constexpr int kMaxChannels = 6;

    int kind = 0;      // Kennung
    std::string type;  // type code of the order number

    // Value format (kinds other than 0x62 and 0x63): rbFormat(0) "NURA",
    // (1) "SIMATIC® bipolar", (2) "SIMATIC® unipolar".
    std::array<bool, 3> formatEnabled{};
    int format = -1;  // -1: none chosen, the word is kept

    // Channel ranges (kinds 0x62 and 0x63).
    int channelCount = 0;
    std::string secondRangeText;  // caption of item 1 of every range list
    std::array<OutputChannel, kMaxChannels> channels{};

    bool showsChannels() const { return kind == 0x62 || kind == 0x63; }
    // Combo1_Click: the custom button and the 4..20 mA box follow the item.
    void selectRange(int channel, int item);
    // The values the user range dialog handed back.
    void setUserRange(int channel, int16_t min, int16_t max, int16_t reset);

    void load(const RowEintrag& r);
    void store(RowEintrag& r) const;
};

struct AnalogCombinedForm {
    static constexpr int kChannels = 4;

    // Identification word 0x0065: ranges of output channels 0..3; every other
    // word: the value format of inputs and outputs.
    bool showsChannels = false;

    bool simatic = false;                  // rbFormatTyp(1) "SIMATIC®-Format", rbFormatTyp(0) "NURA-Format"
    int inputFormat = 0;                   // rbFormat(0) SIMATIC bipolar, (1) SIMATIC unipolar
    std::array<bool, 2> outputUnipolar{};  // cboxFormat(0..1)
    // The SIMATIC choices mean nothing in the NURA format.
    bool simaticOptionsEnabled() const { return simatic; }

    std::array<OutputChannel, kChannels> channels{};
    static const char* secondRangeText();

    void selectRange(int channel, int item);
    void setUserRange(int channel, int16_t min, int16_t max, int16_t reset);

    void load(const RowEintrag& r);
    void store(RowEintrag& r) const;
};

}  // namespace rm
