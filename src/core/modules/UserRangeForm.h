// The custom range of one analog channel as its small dialog edits it: the
// three values, their texts as shown, the key filter of the text boxes and
// the checks of OK.
#pragma once

#include <cstdint>
#include <string>

#include "core/base/TextTable.h"

namespace rm {

struct UserRangeForm {
    enum Field { Min = 0, Max = 1, Reset = 2 };

    int16_t minVal = 0;
    int16_t maxVal = 0;
    int16_t ResetVal = 0;
    bool resetShown = false;  // only output channels have a reset value

    std::string txt_minValue = "0";
    std::string txt_maxValue = "0";
    std::string txt_ResetVal = "0";

    void set_minVal(int16_t v) { minVal = v; }
    void set_maxVal(int16_t v) { maxVal = v; }
    void set_ResetVal(int16_t v)
    {
        ResetVal = v;
        resetShown = true;
    }

    // Each time the dialog comes up: the texts show the values.
    void activate();
    // A value as its box shows it: a blank before zero and positive values
    // (" 4095"), a minus sign before negative ones ("-1023").
    static std::string shown(int16_t v);
    // The key filter of the three boxes: control keys, digits and characters
    // above 127 pass, a sign only with the caret at position 0 or 1.
    static bool acceptsKey(char32_t key, int caretPosition);

    // OK: every text a whole number from -32768 to 32767 and the minimum not
    // above the maximum, then the values are taken. Otherwise false with the
    // message (naming the field, in the language of `texts`) and the field
    // to correct; the values stay as they were.
    bool ok(const Texts& texts, std::string* message, Field* badField = nullptr);
};

}  // namespace rm
