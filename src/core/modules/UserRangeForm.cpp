#include "core/modules/UserRangeForm.h"
#include "core/base/TextIds.h"

#include "core/modules/ModuleFrame.h"

namespace rm {

void UserRangeForm::activate()
{
    txt_minValue = shown(minVal);
    txt_maxValue = shown(maxVal);
    txt_ResetVal = shown(ResetVal);
}

std::string UserRangeForm::shown(int16_t v)
{
    return v >= 0 ? " " + std::to_string(v) : std::to_string(v);
}

bool UserRangeForm::acceptsKey(char32_t key, int caretPosition)
{
    if (key < 32 || key > 127) return true;
    if (key == '+' || key == '-') return caretPosition == 0 || caretPosition == 1;
    return key >= '0' && key <= '9';
}

bool UserRangeForm::ok(const Texts& texts, std::string* message, Field* badField)
{
    constexpr long long kLow = -32768, kHigh = 32767;
    const std::string names[] = {fieldName(texts.byEnglishId(txt::MinValue)),
                                 fieldName(texts.byEnglishId(txt::MaxValue)),
                                 fieldName(texts.byEnglishId(txt::ResetValue))};
    const std::string* textsOf[] = {&txt_minValue, &txt_maxValue, &txt_ResetVal};
    long long values[3] = {};
    // The reset text is converted even while hidden; it then holds a shown value.
    for (int f = 0; f < 3; ++f) {
        const auto v = checkNumberField(texts, *textsOf[f], names[f], kLow, kHigh, message);
        if (!v) {
            if (badField) *badField = static_cast<Field>(f);
            return false;
        }
        values[f] = *v;
    }
    if (values[Min] > values[Max]) {
        if (message) *message = orderMessage(texts, names[Min], names[Max]);
        if (badField) *badField = Min;
        return false;
    }
    minVal = static_cast<int16_t>(values[Min]);
    maxVal = static_cast<int16_t>(values[Max]);
    ResetVal = static_cast<int16_t>(values[Reset]);
    return true;
}

}  // namespace rm
