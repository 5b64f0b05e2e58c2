#include "core/modules/EncoderForm.h"

#include <gtest/gtest.h>

#include "core/dbgen/SourceFixture.h"
#include "core/modules/ModuleOk.h"

namespace rm {
namespace {

RowEintrag withParams(int16_t modus, int16_t p3, int16_t p4)
{
    RowEintrag r;
    r.Modus = modus;
    r.Param3 = p3;
    r.Param4 = p4;
    return r;
}

std::array<int, 3> params(const RowEintrag& r)
{
    return {r.Modus, r.Param3, r.Param4};
}

TEST(SsiEncoderForm, SettingsAndBitCount)
{
    SsiEncoderForm f;
    f.load(withParams(0, 1, 0));  // as placed from the catalog: 200 kHz, Gray code
    EXPECT_EQ((std::array<int, 3>{f.mode, f.format, f.frequency}), (std::array<int, 3>{0, 1, 1}));
    // A stored count outside 1..31 (0 as placed) starts from the nearest
    // allowed one: OK is accepted as the dialog opens.
    std::string message;
    for (const auto& [stored, shown] :
         {std::pair{0, "1"}, std::pair{-7, "1"}, std::pair{40, "31"}, std::pair{12, "12"}}) {
        f.load(withParams(0, 1, static_cast<int16_t>(stored)));
        EXPECT_EQ(f.dataBits, shown) << stored;
        EXPECT_TRUE(f.check(Texts(kEnglishBase), &message)) << message;
    }
    // The bit count is checked before anything is stored.
    for (const char* bad : {"", "abc", "1x", "0", "32", "-4", "99999999999999999999"}) {
        f.dataBits = bad;
        EXPECT_FALSE(f.check(Texts(kEnglishBase), &message)) << bad;
        EXPECT_EQ(message.find("\"Databit number\" is"), 0u) << message;
        EXPECT_NE(message.find("1 to 31"), std::string::npos) << message;
    }
    f = {1, 0, 3, " 31 "};
    EXPECT_TRUE(f.check(Texts(kEnglishBase), &message));
    RowEintrag r = withParams(0, 0x7FF0, 0);
    f.store(r);
    EXPECT_EQ(params(r), (std::array<int, 3>{0, 0x0F, 31}));
    f.load(r);
    EXPECT_EQ((std::array<int, 3>{f.mode, f.format, f.frequency}), (std::array<int, 3>{1, 0, 3}));
}

TEST(TwoAxisEncoderForm, AxesAreWrittenIntoTheirOwnRecords)
{
    RowEintrag x = withParams(0, 0, 0), y = withParams(1, 13, 5);
    TwoAxisEncoderForm f;
    f.load(x, y, true);
    EXPECT_EQ((std::array<int, 3>{f.y.type, f.y.format, f.y.frequency}), (std::array<int, 3>{1, 1, 1}));
    EXPECT_EQ(f.y.dataBits, "13");

    f.x = {1, 2, 1, "24", {}};  // SSI, 1 MHz, Gray code, 24 bits
    // Axis Y back to incremental: its hidden settings are kept and written.
    f.y.type = 0;
    f.y.frequency = 2;
    f.y.dataBits = "20";
    std::string message;
    ASSERT_TRUE(f.check(Texts(), &message)) << message;
    f.store(x, y);
    EXPECT_EQ(params(x), (std::array<int, 3>{1, 24, 6}));
    EXPECT_EQ(params(y), (std::array<int, 3>{0, 20, 6}));
    // Frequency from the stored bits: bit 1 before bit 0.
    f.load(withParams(1, 8, 3), y, true);
    EXPECT_EQ(f.x.frequency, 2);
}

TEST(TwoAxisEncoderForm, OnlyAnSsiAxisNeedsAValidBitCount)
{
    RowEintrag x = withParams(0, 0, 0), y = withParams(0, 0, 0);
    TwoAxisEncoderForm f;
    f.load(x, y, true);
    std::string message;
    int bad = -1;
    // The hidden count 0 as placed shows as the nearest allowed one, 8: an
    // axis switched to SSI is accepted as it is; one left incremental keeps its 0.
    EXPECT_EQ(f.y.dataBits, "8");
    f.store(x, y);
    EXPECT_EQ(params(y), (std::array<int, 3>{0, 0, 0}));
    f.x.type = 1;
    EXPECT_TRUE(f.check(Texts(), &message, &bad)) << message;
    f.store(x, y);
    EXPECT_EQ(params(x), (std::array<int, 3>{1, 8, 0}));
    f.x.type = 0;
    f.y.dataBits = "junk";  // typed, then the axis stayed incremental: neither checked nor stored
    EXPECT_TRUE(f.check(Texts(), &message, &bad));
    f.store(x, y);
    EXPECT_EQ(y.Param3, 0);
    f.y = {1, 0, 0, "27", {}};
    EXPECT_FALSE(f.check(Texts(), &message, &bad));
    EXPECT_EQ(bad, 1);
    EXPECT_NE(message.find("\"Databit number (Axe Y)\" is out of range.\nEnter a whole number from 8 to 26."),
              std::string::npos)
        << message;
    f.x = {1, 0, 0, "7", {}};
    f.y.dataBits = "26";
    EXPECT_FALSE(f.check(Texts(), &message, &bad));
    EXPECT_EQ(bad, 0);
}

TEST(TwoAxisEncoderForm, WithoutItsAxisYRowOnlyAxisXIsWritten)
{
    RowEintrag x = withParams(0, 0, 0), other = withParams(7, 7, 7);
    TwoAxisEncoderForm f;
    f.load(x, other, false);
    f.y.type = 1;
    f.y.dataBits = "";  // not shown, not checked
    std::string message;
    EXPECT_TRUE(f.check(Texts(), &message));
    f.store(x, other);
    EXPECT_EQ(params(other), (std::array<int, 3>{7, 7, 7}));
}

class TwoAxisEncoderInProject : public test::SourceFixture {
protected:
    TwoAxisEncoderInProject()
    {
        // The two-axis module as shipped: axis Y in a second slot without addresses.
        for (const char* order : {"QMV3.K240", "QMV3.K241"})
            app.ModulKatalog.add(test::shippedCatalog().at(test::shippedCatalog().indexOf(order)));
        placeCpu("QMV3.R400");
        row = slotRow("1");
        place("QMV3.K240", row);
    }

    int row = 0;
};

// What the dialog does: open, set both axes, OK, close.
TEST_F(TwoAxisEncoderInProject, BothRowsShowTheModuleAfterOk)
{
    ASSERT_EQ(table.prepareDialog(row), DialogKind::TwoAxisEncoder);
    ASSERT_TRUE(isAxisYRow(table, row));
    TwoAxisEncoderForm form;
    form.load(app.CurrentModule, app.NextModule, true);
    form.x = {1, 2, 1, "24", {}};
    form.y = {1, 1, 0, "13", {}};
    const EnteredAddresses entered{app.CurrentModule.InBase, app.CurrentModule.OutBase, true, true};
    EXPECT_EQ(runModuleOk(table, entered, [&](RowEintrag& cur) { form.store(cur, app.NextModule); }),
              ModuleOkResult::Written);
    table.finishDialog(row, DialogKind::TwoAxisEncoder);
    const RowEintrag& y = table.record(row + 1);
    EXPECT_EQ(params(y), (std::array<int, 3>{1, 13, 1}));
    EXPECT_EQ(std::make_pair(y.SonNbr, y.IsHead), std::make_pair(int16_t{1}, kFalse));

    // A damaged project: the module's second row holds something else.
    table.record(row + 1).BestellNr = "QMV3.D110";
    EXPECT_FALSE(isAxisYRow(table, row));
    EXPECT_FALSE(isAxisYRow(table, table.lastRow()));
    EXPECT_FALSE(isAxisYRow(table, 0));
}

}  // namespace
}  // namespace rm
