#include <gtest/gtest.h>

#include "core/modules/DigitalForm.h"

using namespace rm;

TEST(DigitalCombined, MaskKeepsChannelsSixAndSevenAsOutputs)
{
    DigitalCombinedForm f;
    RowEintrag r;
    f.store(r);
    EXPECT_EQ(r.Param1, 0xC0);
    f.rbMask[2] = f.rbMask[5] = true;
    f.store(r);
    EXPECT_EQ(r.Param1, 0xE4);
}

TEST(DigitalCombined, LoadSetsOnlyTheChannelsTheUserChooses)
{
    RowEintrag r;
    r.Param1 = 0xFF;
    DigitalCombinedForm f;
    f.load(r);
    const std::array<bool, 8> all{false, false, true, true, true, true, true, true};
    EXPECT_EQ(f.rbMask, all);
    // Channels 0 and 1 are inputs whatever an older record held.
    f.store(r);
    EXPECT_EQ(r.Param1, 0xFC);

    r.Param1 = static_cast<int16_t>(0xFF10);  // only the low byte counts
    f.load(r);
    const std::array<bool, 8> four{false, false, false, false, true, false, true, true};
    EXPECT_EQ(f.rbMask, four);
}
