#include <gtest/gtest.h>

#include "core/modules/DigitalForm.h"

using namespace rm;

// Channels 0 and 1 are inputs whatever an older record held, 6 and 7 always
// outputs; only the low byte of the mask counts.
TEST(DigitalCombined, MaskKeepsTheFixedChannels)
{
    RowEintrag r;
    r.Param1 = 0xFF;
    DigitalCombinedForm f;
    f.load(r);
    EXPECT_EQ(f.rbMask, (std::array<bool, 8>{false, false, true, true, true, true, true, true}));
    f.rbMask[3] = false;
    f.store(r);
    EXPECT_EQ(r.Param1, 0xF4);
    r.Param1 = static_cast<int16_t>(0xFF10);
    f.load(r);
    EXPECT_EQ(f.rbMask, (std::array<bool, 8>{false, false, false, false, true, false, true, true}));
}
