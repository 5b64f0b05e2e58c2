#include "core/modules/AnalogOutputForm.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rm {
namespace {

RowEintrag outputModule(const std::string& order, int word, int modFlags, std::vector<KanalWert> channels = {})
{
    RowEintrag r;
    r.BestellNr = order;
    r.setIdentWord(word);
    r.ModFlags = static_cast<int16_t>(0x3000 | modFlags);
    r.KanalWerte = std::move(channels);
    return r;
}

std::vector<KanalWert> channels(int n, KanalWert v)
{
    return std::vector<KanalWert>(static_cast<std::size_t>(n), v);
}

int word(const RowEintrag& r)
{
    return static_cast<uint16_t>(r.identWord());
}

// Kind 0x60 offers three formats. Kind 0x10 has no bipolar one, even with a
// module flag for it: the word cannot hold it. A format the module flags do
// not offer is neither shown nor written, and with nothing chosen the word stays.
TEST(AnalogOutputFormat, FormatBitsOfTheWord)
{
    struct Case {
        int word, modFlags;
        std::array<bool, 3> enabled;
        int shown, chosen, stored;
    };
    const Case cases[] = {
        {0x0060, 0x07, {true, true, true}, 0, 1, 0x8060},    {0x0060, 0x07, {true, true, true}, 0, 2, 0xC060},
        {0x0010, 0x07, {true, false, true}, 0, 2, 0x8010},   {0x8010, 0x07, {true, false, true}, 2, 0, 0x0010},
        {0xC060, 0x04, {true, false, false}, -1, 1, 0xC060}, {0xC060, 0x04, {true, false, false}, -1, 0, 0x0060},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("word " + std::to_string(c.word) + " format " + std::to_string(c.chosen));
        RowEintrag r = outputModule("QMV3.E220", c.word, c.modFlags);
        AnalogOutputForm f;
        f.load(r);
        EXPECT_EQ(f.formatEnabled, c.enabled);
        EXPECT_EQ(f.format, c.shown);
        f.format = c.chosen;
        f.store(r);
        EXPECT_EQ(word(r), c.stored);
        f.load(r);  // the stored word shows the chosen format again
        if (c.chosen >= 0 && c.enabled[static_cast<std::size_t>(c.chosen)]) {
            EXPECT_EQ(f.format, c.chosen);
        }
    }
}

// Per channel: the chosen item, the 4..20 mA check and whether its box shows.
using Shown = std::tuple<int, bool, bool>;

template <class Form>
std::vector<Shown> shown(const Form& f, int n)
{
    std::vector<Shown> out;
    for (int i = 0; i < n; ++i)
        out.emplace_back(f.channels[i].item, f.channels[i].range4to20, f.channels[i].boxVisible);
    return out;
}

TEST(AnalogOutputChannels, FourToTwentyMilliampereModule)
{
    RowEintrag r = outputModule("QMV3.E312", 0x0063, 0, channels(4, {1, 0, 20000, 4000}));
    AnalogOutputForm f;
    f.load(r);
    ASSERT_EQ(f.channelCount, 4);
    EXPECT_EQ(shown(f, 4), std::vector<Shown>(4, {range::Second, true, true}));
    f.channels[1].range4to20 = false;   // 0...20'000 without 4..20 mA
    f.selectRange(2, range::Standard);  // 0...4095: the user values are not its 4..20 mA form
    EXPECT_FALSE(f.channels[2].range4to20);
    f.channels[2].range4to20 = true;  // ... checked by the user
    f.selectRange(3, range::Custom);
    f.setUserRange(3, -5, 500, 7);
    EXPECT_TRUE(f.channels[3].customVisible() && !f.channels[3].boxVisible);
    f.store(r);
    // ChFlags is not the dialog's.
    EXPECT_EQ(r.KanalWerte,
              (std::vector<KanalWert>{{1, 0, 20000, 4000}, {1, 0, 20000, 0}, {1, -1023, 4095, 0}, {1, -5, 500, 7}}));
    // Reopened: each channel shows what was chosen.
    f.load(r);
    EXPECT_EQ(shown(f, 4), (std::vector<Shown>{{range::Second, true, true},
                                               {range::Second, false, true},
                                               {range::Standard, true, true},
                                               {range::Custom, false, false}}));
}

// Scaled modules: a range of the list replaces the values, missing channel entries are added.
TEST(AnalogOutputChannels, ScaledModulesByTypeCode)
{
    std::vector<KanalWert> values = channels(6, {0, 0, 4095, 9});
    values[1] = {0, -10000, 10000, 0};
    values[2] = {0, 7, 8, 9};
    RowEintrag r = outputModule("QMV3.E313", 0x0062, 0, values);
    AnalogOutputForm f;
    f.load(r);
    EXPECT_EQ(f.channelCount, 6);
    EXPECT_EQ(shown(f, 3),
              (std::vector<Shown>{
                  {range::Standard, false, false}, {range::Second, false, false}, {range::Custom, false, false}}));
    f.channels[2].range4to20 = true;  // hidden on these modules: no effect
    f.selectRange(3, range::Second);
    f.store(r);
    EXPECT_EQ(std::vector<KanalWert>(r.KanalWerte.begin(), r.KanalWerte.begin() + 4),
              (std::vector<KanalWert>{{0, 0, 4095, 0}, {0, -10000, 10000, 0}, {0, 7, 8, 9}, {0, -10000, 10000, 0}}));

    r = outputModule("QMV3.E311", 0x0062, 0, channels(2, {0, 0, 10000, 0}));
    f.load(r);
    EXPECT_EQ(f.channels[5].item, range::Custom);  // (0, 0): no range of the list
    f.selectRange(5, range::Standard);
    f.store(r);
    ASSERT_EQ(r.KanalWerte.size(), 6u);
    EXPECT_EQ(r.KanalWerte[1], (KanalWert{0, 0, 10000, 0}));
    EXPECT_EQ(r.KanalWerte[4], (KanalWert{}));
    EXPECT_EQ(r.KanalWerte[5], (KanalWert{0, 0, 4095, 0}));

    // An unknown type code chooses nothing and keeps the values whatever is chosen.
    r = outputModule("QMV3.E399", 0x0062, 0, channels(6, {0, -300, 300, 55}));
    f.load(r);
    f.selectRange(0, range::Second);
    f.store(r);
    EXPECT_EQ(r.KanalWerte[0], (KanalWert{0, -300, 300, 0}));
}

TEST(AnalogCombinedForm, SimaticFormatBits)
{
    RowEintrag r = outputModule("QMV2.E410", 0x0030, 0);
    AnalogCombinedForm f;
    f.load(r);
    EXPECT_FALSE(f.showsChannels || f.simatic);
    f.simatic = true;
    for (int bits : {1, 2, 4}) {
        SCOPED_TRACE(bits);
        f.inputFormat = bits & 1;
        f.outputUnipolar = {(bits & 2) != 0, (bits & 4) != 0};
        f.store(r);
        EXPECT_EQ(word(r), 0x8030 | (bits & 1 ? 0x4000 : 0) | (bits & 2 ? 0x2000 : 0) | (bits & 4 ? 0x1000 : 0));
        AnalogCombinedForm g;
        g.load(r);
        EXPECT_TRUE(g.simatic && g.inputFormat == f.inputFormat && g.outputUnipolar == f.outputUnipolar);
    }
    // NURA: the SIMATIC choices are left out.
    f.simatic = false;
    f.store(r);
    EXPECT_EQ(word(r), 0x0030);
}

}  // namespace
}  // namespace rm
