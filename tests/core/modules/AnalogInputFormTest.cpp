#include <gtest/gtest.h>

#include "core/modules/AnalogInputForm.h"

using namespace rm;

namespace {

RowEintrag module(const std::string& order, int word, int modFlags = 0xFF, int32_t inCnt = 16,
                  std::vector<KanalWert> channels = {})
{
    RowEintrag r;
    r.BestellNr = order;
    r.setIdentWord(word);
    r.ModFlags = static_cast<int16_t>(0x5000 | modFlags);
    r.InCnt = inCnt;
    r.KanalWerte = std::move(channels);
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

constexpr int kKeep = -2;  // control left as loaded

}  // namespace

// The value format and the step-of-4 choice go into the word; the step also sets the byte count.
TEST(AnalogInput, FormatAndStepOf4Words)
{
    struct Case {
        const char* order;
        int word, inCnt, loadedFormat, loadedStep, format, step, stored, storedInCnt;
    };
    const Case cases[] = {
        {"QMV2.E110", 0x20, 16, kKeep, kKeep, 2, kKeep, 0xC020, 8},
        {"QMV3.E130", 0x40, 16, kKeep, kKeep, 2, kKeep, 0x8040, 16},
        {"QMV2.E120", 0x21, 16, kKeep, kKeep, 6, kKeep, 0x0721, 16},
        {"QMV2.E120", 0x0521, 16, kKeep, kKeep, 1, kKeep, 0x0521, 16},  // no code for it: word kept
        {"QMV2.E110", 0x28, 16, kKeep, 1, 0, 0, 0x0020, 8},
        {"QMV2.E110", 0x0520, 8, 4, kKeep, kKeep, 1, 0x0528, 16},
        {"QMV2.E110", 0xC020, 8, 2, 0, kKeep, kKeep, 0xC020, 8},        // sign bits: 0x8000 is button 1 here,
        {"QMV2.E120", 0x8021, 16, 2, kKeep, kKeep, kKeep, 0x8021, 16},  // ... button 2 for the other kinds
        {"QMV3.E304", 0x41, 16, kKeep, kKeep, kKeep, 1, 0x0049, 32},
        {"QMV2.E120", 0x21, 16, kKeep, kKeep, kKeep, 1, 0x0029, 32},
        {"QMV3.E130", 0x40, 16, kKeep, kKeep, kKeep, 1, 0x0048, 32},
        {"X.E999", 0x30, 16, -1, kKeep, 2, 1, 0x0030, 16},  // another kind: no format, no step of 4
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.order) + " word " + std::to_string(c.word));
        const RowEintrag r = edited(module(c.order, c.word, 0xFF, c.inCnt), [&](AnalogInputForm& f) {
            EXPECT_EQ(c.loadedFormat == kKeep ? kKeep : f.rbFormat, c.loadedFormat);
            EXPECT_EQ(c.loadedStep == kKeep ? kKeep : int(f.stepOf4), c.loadedStep);
            if (c.format != kKeep) f.rbFormat = c.format;
            if (c.step != kKeep) f.stepOf4 = c.step != 0;
        });
        EXPECT_EQ(static_cast<uint16_t>(r.identWord()), c.stored);
        EXPECT_EQ(r.InCnt, c.storedInCnt);
    }
    // The ranges module keeps its byte count and has no such choice.
    AnalogInputForm f;
    f.load(module("QMV3.E301", 0x42, 0, 16));
    EXPECT_FALSE(f.stepOf4Shown());
    EXPECT_EQ(f.inCntFor(true, 16), 16);
}

// Another kind has no format and no step of 4: its record is kept.
TEST(AnalogInput, FormatPerChannel)
{
    RowEintrag r = edited(module("QMV3.E304", 0x0141), [](AnalogInputForm& f) {
        EXPECT_EQ(f.page(), AnalogPage::ChannelFormat);  // a format code, yet per channel
        f.Combo1.fill(3);
    });
    EXPECT_EQ(static_cast<uint16_t>(r.Param4), 0xFFFF);
    EXPECT_EQ(r.identWord(), 0x0141);
    r.Param4 = static_cast<int16_t>(0x4000 | 0x0024);
    AnalogInputForm f;
    f.load(r);
    EXPECT_EQ(f.Combo1, (std::array<int, 8>{0, 1, 2, 0, 0, 0, 0, 1}));
}

TEST(AnalogInput, RangesAndModulePropertiesStored)
{
    RowEintrag r = module("QMV3.E302", 0x42, 0, 16, std::vector<KanalWert>(6, {1, 0, 20000, 0}));
    r.Param3 = 0x0105;
    r = edited(r, [](AnalogInputForm& f) {
        EXPECT_EQ(f.Check3, (std::array<bool, 3>{true, false, true}));
        f.Check3 = {false, true, false};
        f.Combo2 = {0, 0, 1, 2, -1, 0, 1};
        f.chk_4to20mA = {true, false, true, false, false, false, false};
        f.UserMin[3] = -7;
        f.UserMax[3] = 77;
    });
    EXPECT_EQ(r.Param3, 0x0102);
    // 4..20 mA cleared on channel 1; nothing selected on channel 4; channel 6 added.
    EXPECT_EQ(r.KanalWerte, (std::vector<KanalWert>{{1, -1023, 4095, 0},
                                                    {0, 0, 4095, 0},
                                                    {1, 0, 20000, 0},
                                                    {1, -7, 77, 0},
                                                    {1, 0, 20000, 0},
                                                    {0, 0, 4095, 0},
                                                    {0, 0, 20000, 0}}));
    EXPECT_EQ(std::make_pair(r.identWord(), r.InCnt), std::make_pair(int16_t{0x42}, int32_t{16}));

    // 4..20 mA is bit 0 of the channel flags: reopened, the channel shows it and keeps its record.
    const RowEintrag mA = module("QMV3.E302", 0x42, 0, 16, std::vector<KanalWert>(7, {1, -1023, 4095, 0}));
    EXPECT_EQ(edited(mA, [](AnalogInputForm& f) { EXPECT_TRUE(f.chk_4to20mA[0] && f.Combo2[0] == 0); }), mA);
    // An unknown type code keeps the ranges whatever is chosen.
    const RowEintrag unknown = module("QMV3.E399", 0x42, 0, 16, std::vector<KanalWert>(7, {0, 3, 9, 1}));
    EXPECT_EQ(edited(unknown, [](AnalogInputForm& f) { f.Combo2[1] = 1; }).KanalWerte, unknown.KanalWerte);
}
