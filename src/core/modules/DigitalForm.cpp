#include "core/modules/DigitalForm.h"
#include "core/base/TextIds.h"

namespace rm {

void DigitalCombinedForm::load(const RowEintrag& r)
{
    const auto mask = static_cast<uint16_t>(r.Param1) & 0xFF;
    for (int i = 2; i <= 5; ++i) rbMask[static_cast<std::size_t>(i)] = (mask & (1 << i)) != 0;
}

void DigitalCombinedForm::store(RowEintrag& r) const
{
    int mask = kFixedOutputs;
    for (int i = 0; i <= 5; ++i)
        if (rbMask[static_cast<std::size_t>(i)]) mask |= 1 << i;
    r.Param1 = static_cast<int16_t>(mask);
}

std::string DigitalCombinedForm::caption(const Texts& texts, int channel)
{
    return "Bit " + std::to_string(channel) + ", " +
           texts.byEnglishId(channel < 2 ? txt::ItIsAnInput : txt::ItIsAnOutput);
}

}  // namespace rm
