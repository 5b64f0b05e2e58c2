#include "core/modules/EncoderForm.h"

#include <gtest/gtest.h>

#include "core/catalog/ModuleCatalog.h"
#include "core/modules/ModuleOk.h"
#include "core/project/ProjectFixture.h"

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

// ---------------------------------------------------------------- SSI encoder interface

TEST(SsiEncoderForm, SettingsAndBitCount)
{
    SsiEncoderForm f;
    f.load(withParams(0, 1, 0));  // as placed from the catalog: 200 kHz, Gray code
    EXPECT_EQ((std::array<int, 3>{f.mode, f.format, f.frequency}), (std::array<int, 3>{0, 1, 1}));
    EXPECT_EQ(f.dataBits, "0");

    f.mode = 1;
    f.format = 0;
    f.frequency = 3;
    f.dataBits = "25";
    RowEintrag r = withParams(0, 0x7FF0, 0);
    f.store(r);
    EXPECT_EQ(params(r), (std::array<int, 3>{0, 0x0F, 25}));

    SsiEncoderForm g;
    g.load(r);
    EXPECT_EQ((std::array<int, 3>{g.mode, g.format, g.frequency}), (std::array<int, 3>{1, 0, 3}));
    EXPECT_EQ(g.dataBits, "25");
    g.mode = 0;
    g.format = 1;
    g.frequency = 0;
    g.store(r);
    EXPECT_EQ(r.Param3, 0);
}

TEST(SsiEncoderForm, BitCountIsCheckedBeforeAnythingIsStored)
{
    const Texts english(kEnglishBase);
    SsiEncoderForm f;
    const std::vector<const char*> bad{"", "  ", "abc", "1x", "0", "32", "-4", "99999999999999999999"};
    for (const bool valid : {false, true})
        for (const char* text : valid ? std::vector<const char*>{"1", "31", " 13 "} : bad) {
            SCOPED_TRACE(text);
            f.dataBits = text;
            std::string message;
            EXPECT_EQ(f.check(english, &message), valid);
            EXPECT_EQ(
                message.find("Databit number") != std::string::npos && message.find("1 to 31") != std::string::npos,
                !valid)
                << message;
            EXPECT_EQ(message.empty(), valid);
        }
    RowEintrag r;
    f.store(r);
    EXPECT_EQ(r.Param4, 13);

    // The message speaks the user's language and names the field as the dialog does.
    f.dataBits = "";
    std::string message;
    EXPECT_FALSE(f.check(Texts(kGermanBase), &message));
    EXPECT_NE(message.find(Texts(kGermanBase).byEnglishId(1148)), std::string::npos) << message;
}

// ---------------------------------------------------------------- two-axis module

TEST(TwoAxisEncoderForm, AxesAreWrittenIntoTheirOwnRecords)
{
    RowEintrag x = withParams(0, 0, 0), y = withParams(1, 13, 5);
    TwoAxisEncoderForm f;
    f.load(x, y, true);
    EXPECT_EQ(f.x.type, 0);
    EXPECT_EQ(std::make_pair(f.x.detailsVisible(), f.y.detailsVisible()), std::make_pair(false, true));
    EXPECT_EQ((std::array<int, 3>{f.y.type, f.y.format, f.y.frequency}), (std::array<int, 3>{1, 1, 1}));
    EXPECT_EQ(f.y.dataBits, "13");

    f.x = {1, 2, 1, "24"};  // SSI, 1 MHz, Gray code, 24 bits
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
    TwoAxisEncoderForm g;
    g.load(withParams(1, 8, 3), withParams(1, 8, 1), true);
    EXPECT_EQ(std::make_pair(g.x.frequency, g.y.frequency), std::make_pair(2, 1));
}

TEST(TwoAxisEncoderForm, OnlyAnSsiAxisNeedsAValidBitCount)
{
    struct Case {
        int xType;
        const char* xBits;
        int yType;
        const char* yBits;
        int bad;  // -1: accepted
        const char* named;
    };
    const Case cases[] = {
        {0, "0", 0, "0", -1, ""},     // as placed from the catalog: incremental, bit count 0
        {0, "0", 0, "junk", -1, ""},  // typed, then the axis stayed incremental
        {0, "0", 1, "junk", 1, "Databit number (Axe Y)"},
        {0, "0", 1, "junk", 1, "8 to 26"},
        {0, "0", 1, "27", 1, "8 to 26"},
        {1, "7", 1, "26", 0, "Axe X"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.xBits) + "/" + c.yBits + " " + c.named);
        RowEintrag x = withParams(0, 0, 0), y = withParams(0, 0, 0);
        TwoAxisEncoderForm f;
        f.load(x, y, true);
        f.x.type = c.xType;
        f.x.dataBits = c.xBits;
        f.y.type = c.yType;
        f.y.dataBits = c.yBits;
        std::string message;
        int bad = -1;
        EXPECT_EQ(f.check(Texts(), &message, &bad), c.bad < 0);
        EXPECT_EQ(bad, c.bad);
        EXPECT_NE(message.find(c.named), std::string::npos) << message;
        if (c.bad >= 0) continue;
        f.store(x, y);
        EXPECT_EQ(y.Param3, 0);  // kept, not garbage
    }
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

// ---------------------------------------------------------------- in a project

class TwoAxisEncoderInProject : public test::ProjectFixture {
protected:
    TwoAxisEncoderInProject()
    {
        // The two-axis module as shipped: axis Y in a second slot without addresses.
        const ModuleCatalog extra = parseModuleDescriptions(
            "[QMV3.K240]\r\n0084\r\nE000\r\n0000\r\n8\r\n4\r\n0\r\n0002\r\n0003\r\n"
            "QMV3.K240}QMV3.K241\r\nEncoder interface 2 axes\r\n"
            "[QMV3.K241]\r\n0084\r\n0000\r\n0000\r\n0\r\n0\r\n0\r\n0001\r\n0003\r\nEncoder interface, axis Y\r\n");
        for (int i = 1; i <= extra.count(); ++i) addToCatalog(extra.at(i));
        EXPECT_TRUE(place("QMV3.R400", 1));
        row = slotRow("1");
        EXPECT_TRUE(place("QMV3.K240", row));
    }

    // What the dialog does: open, set both axes, OK, close.
    ModuleOkResult edit(void (*set)(TwoAxisEncoderForm&))
    {
        EXPECT_EQ(table.prepareDialog(row), DialogKind::TwoAxisEncoder);
        TwoAxisEncoderForm form;
        form.load(app.CurrentModule, app.NextModule, isAxisYRow(table, row));
        set(form);
        std::string message;
        EXPECT_TRUE(form.check(app.texts, &message)) << message;
        EnteredAddresses entered;
        entered.in = app.CurrentModule.InBase;
        entered.out = app.CurrentModule.OutBase;
        const ModuleOkResult result =
            runModuleOk(table, entered, [&](RowEintrag& cur) { form.store(cur, app.NextModule); });
        table.finishDialog(row, DialogKind::TwoAxisEncoder);
        return result;
    }

    int row = 0;
};

TEST_F(TwoAxisEncoderInProject, BothRowsShowTheModuleAfterOk)
{
    ASSERT_TRUE(isAxisYRow(table, row));
    ASSERT_EQ(edit([](TwoAxisEncoderForm& f) {
                  f.x = {1, 2, 1, "24"};
                  f.y = {1, 1, 0, "13"};
              }),
              ModuleOkResult::Written);
    const RowEintrag& y = table.record(row + 1);
    EXPECT_EQ(params(y), (std::array<int, 3>{1, 13, 1}));
    EXPECT_EQ(y.SonNbr, 1);
    EXPECT_EQ(y.IsHead, kFalse);
}

TEST_F(TwoAxisEncoderInProject, ForeignRowAfterTheModuleIsNotItsAxisY)
{
    // A damaged project: the module's second row holds something else.
    table.record(row + 1).BestellNr = "QMV3.D110";
    EXPECT_FALSE(isAxisYRow(table, row));
    EXPECT_FALSE(isAxisYRow(table, table.lastRow()));
    EXPECT_FALSE(isAxisYRow(table, 0));
}

}  // namespace
}  // namespace rm
