#include <gtest/gtest.h>

#include <tuple>

#include "core/modules/AnalogInputForm.h"

using namespace rm;

namespace {

RowEintrag module(const std::string& order, int word, int modFlags = 0xFF, int32_t inCnt = 16)
{
    RowEintrag r;
    r.BestellNr = order;
    r.setIdentWord(word);
    r.ModFlags = static_cast<int16_t>(0x5000 | modFlags);
    r.InCnt = inCnt;
    return r;
}

// Loads the record, lets `edit` change the form as the user would, stores.
template <class F>
RowEintrag edited(RowEintrag r, F edit)
{
    AnalogInputForm f;
    f.load(r);
    edit(f);
    f.store(r);
    return r;
}

}  // namespace

TEST(AnalogInput, ValueFormatWords)
{
    auto unipolar = [](AnalogInputForm& f) { f.rbFormat = 2; };
    EXPECT_EQ(edited(module("QMV2.E110", 0x20), unipolar).identWord(), static_cast<int16_t>(0xC020));
    EXPECT_EQ(edited(module("QMV3.E130", 0x40), unipolar).identWord(), static_cast<int16_t>(0x8040));
    EXPECT_EQ(edited(module("QMV2.E120", 0x21), [](AnalogInputForm& f) { f.rbFormat = 6; }).identWord(), 0x0721);
    // A format the kind has no code for leaves the word as it was.
    EXPECT_EQ(edited(module("QMV2.E120", 0x0521), [](AnalogInputForm& f) { f.rbFormat = 1; }).identWord(), 0x0521);
}

TEST(AnalogInput, StepOf4SetsBitAndByteCount)
{
    const RowEintrag nura = edited(module("QMV2.E110", 0x28, 0xFF, 16), [](AnalogInputForm& f) {
        EXPECT_TRUE(f.stepOf4);
        f.rbFormat = 0;
        f.stepOf4 = false;
    });
    EXPECT_EQ(nura.identWord(), 0x0020);
    EXPECT_EQ(nura.InCnt, 8);
    const RowEintrag stepped = edited(module("QMV2.E110", 0x0520, 0xFF, 8), [](AnalogInputForm& f) {
        EXPECT_EQ(f.rbFormat, 4);
        f.stepOf4 = true;
    });
    EXPECT_EQ(stepped.identWord(), 0x0528);
    EXPECT_EQ(stepped.InCnt, 16);
    const RowEintrag perChannel = edited(module("QMV3.E304", 0x41), [](AnalogInputForm& f) { f.stepOf4 = true; });
    EXPECT_EQ(perChannel.identWord(), 0x0049);
    EXPECT_EQ(perChannel.InCnt, 32);
    // The ranges module keeps its byte count and has no such choice.
    AnalogInputForm f;
    f.load(module("QMV3.E301", 0x42, 0, 16));
    EXPECT_FALSE(f.stepOf4Shown());
    EXPECT_EQ(f.inCntFor(true, 16), 16);
}

TEST(AnalogInput, LoadSelectsOnlyOfferedFormats)
{
    // NI1000 (0x0720) is not offered by bit 0x80: NURA stays selected.
    const std::tuple<const char*, int, int, int> cases[] = {{"QMV2.E110", 0x0720, 0x77, 0},
                                                            {"QMV2.E110", 0xC020, 0x77, 2},
                                                            {"QMV2.E110", 0x8020, 0x77, 1},
                                                            {"QMV2.E120", 0x8021, 0x45, 2},
                                                            {"QMV3.E130", 0x0340, 0x75, 5}};
    AnalogInputForm f;  // one form, as the dialog is opened again and again
    for (const auto& [order, word, flags, shown] : cases) {
        f.load(module(order, word, flags));
        EXPECT_EQ(f.rbFormat, shown) << order << " " << word;
        EXPECT_EQ(f.rbFormatEnabled[6], (flags & 0x80) != 0);
        EXPECT_EQ(f.page(), AnalogPage::ValueFormat);
    }
}

TEST(AnalogInput, FormatPerChannel)
{
    RowEintrag r = module("QMV3.E304", 0x41);
    r = edited(r, [](AnalogInputForm& f) {
        EXPECT_EQ(f.page(), AnalogPage::ChannelFormat);
        f.Combo1.fill(3);
    });
    EXPECT_EQ(static_cast<uint16_t>(r.Param4), 0xFFFF);
    EXPECT_EQ(r.identWord(), 0x41);
    r.Param4 = static_cast<int16_t>(0x4000 | 0x0024);
    AnalogInputForm f;
    f.load(r);
    const std::array<int, 8> expected{0, 1, 2, 0, 0, 0, 0, 1};
    EXPECT_EQ(f.Combo1, expected);
}

TEST(AnalogInput, PageFollowsTheKindThatIsStored)
{
    // A per-channel module with a format code shows what OK stores: its channels.
    AnalogInputForm f;
    f.load(module("QMV3.E304", 0x0141));
    EXPECT_EQ(f.page(), AnalogPage::ChannelFormat);
    f.load(module("QMV3.E301", 0x004A));
    EXPECT_EQ(f.page(), AnalogPage::Ranges);
    f.load(module("X.E999", 0x0030));
    EXPECT_EQ(f.page(), AnalogPage::ValueFormat);
    EXPECT_EQ(f.rbFormat, -1);
    EXPECT_FALSE(f.stepOf4Shown());
    const RowEintrag other = module("X.E999", 0x0030);
    EXPECT_EQ(edited(other, [](AnalogInputForm& g) { g.stepOf4 = true; }), other);
}

namespace {
RowEintrag ranges(const std::string& order, std::vector<KanalWert> channels)
{
    RowEintrag r = module(order, 0x42, 0);
    r.KanalWerte = std::move(channels);
    return r;
}
}  // namespace

TEST(AnalogInput, RangeSelectionOnLoad)
{
    AnalogInputForm f;
    f.load(ranges("QMV3.E301", {{0, 0, 4095, 0}, {0, 0, 10000, 0}, {0, -5, 5, 0}}));
    EXPECT_EQ(f.Combo2[0], 0);
    EXPECT_EQ(f.Combo2[1], 1);
    EXPECT_EQ(f.Combo2[2], AnalogInputForm::kCustomItem);
    EXPECT_EQ(f.UserMin[2], -5);
    EXPECT_EQ(f.Combo2[6], AnalogInputForm::kCustomItem);  // a missing channel reads as 0...0
    EXPECT_FALSE(f.fourTo20Shown);

    f.load(ranges("QMV3.E302", {{1, -1023, 4095, 0}, {0, 0, 4095, 0}, {1, 0, 4095, 0}, {1, 0, 20000, 0}}));
    EXPECT_TRUE(f.fourTo20Shown);
    EXPECT_EQ(f.Combo2[0], 0);
    EXPECT_TRUE(f.chk_4to20mA[0]);
    EXPECT_EQ(f.Combo2[1], 0);
    EXPECT_FALSE(f.chk_4to20mA[1]);
    EXPECT_EQ(f.Combo2[2], AnalogInputForm::kCustomItem);
    EXPECT_EQ(f.Combo2[3], 1);

    f.load(ranges("QMV3.E303", {{0, -10000, 10000, 0}}));
    EXPECT_EQ(f.Combo2[0], 1);
}

TEST(AnalogInput, RangesStored)
{
    const RowEintrag r =
        edited(ranges("QMV3.E302", std::vector<KanalWert>(7, {1, 0, 20000, 0})), [](AnalogInputForm& f) {
            f.Combo2 = {0, 0, 1, 2, -1, 0, 0};
            f.chk_4to20mA = {true, false, true, false, false, false, false};
            f.UserMin[3] = -7;
            f.UserMax[3] = 77;
        });
    EXPECT_EQ(r.KanalWerte[0], (KanalWert{1, -1023, 4095, 0}));
    EXPECT_EQ(r.KanalWerte[1], (KanalWert{0, 0, 4095, 0}));  // 4..20 mA cleared
    EXPECT_EQ(r.KanalWerte[2], (KanalWert{1, 0, 20000, 0}));
    EXPECT_EQ(r.KanalWerte[3], (KanalWert{1, -7, 77, 0}));
    EXPECT_EQ(r.KanalWerte[4], (KanalWert{1, 0, 20000, 0}));  // nothing selected
    // Reopened, every channel shows what was chosen.
    AnalogInputForm again;
    again.load(r);
    EXPECT_EQ(again.Combo2[0], 0);
    EXPECT_TRUE(again.chk_4to20mA[0]);
    EXPECT_EQ(again.Combo2[1], 0);
    EXPECT_FALSE(again.chk_4to20mA[1]);
}

TEST(AnalogInput, UnknownTypeCodeKeepsTheRanges)
{
    const RowEintrag before = ranges("QMV3.E399", std::vector<KanalWert>(7, {0, 3, 9, 1}));
    AnalogInputForm f;
    f.load(before);
    EXPECT_EQ(f.Combo2[0], -1);
    EXPECT_EQ(f.rangeItems(Texts())[1], "0...10'000");
    RowEintrag r = before;
    f.Combo2[1] = 1;
    f.store(r);
    EXPECT_EQ(r.KanalWerte, before.KanalWerte);
}

TEST(AnalogInput, ModulePropertiesAndShortChannelLists)
{
    RowEintrag r = ranges("QMV3.E301", {{0, 0, 4095, 0}});
    r.Param3 = 0x0105;
    r = edited(r, [](AnalogInputForm& f) {
        EXPECT_TRUE(f.Check3[0]);
        EXPECT_FALSE(f.Check3[1]);
        EXPECT_TRUE(f.Check3[2]);
        f.Check3 = {false, true, false};
        f.Combo2[6] = 1;
    });
    EXPECT_EQ(r.Param3, 0x0102);
    ASSERT_EQ(r.KanalWerte.size(), 7u);
    EXPECT_EQ(r.KanalWerte[6], (KanalWert{0, 0, 10000, 0}));
    EXPECT_EQ(r.identWord(), 0x42);
    EXPECT_EQ(r.InCnt, 16);
}
