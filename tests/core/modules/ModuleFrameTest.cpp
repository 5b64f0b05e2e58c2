#include <gtest/gtest.h>

#include "core/dbgen/SourceFixture.h"
#include "core/modules/ModuleFrame.h"
#include "core/modules/ModuleOk.h"
#include "core/project/ProjectCheck.h"

using namespace rm;
using rm::test::SourceFixture;

TEST(NumberField, ParsesWholeNumbersAndRefusesTheRest)
{
    struct Case {
        const char* text;
        NumberProblem problem;
        long value = 0;  // checked where the problem is None
    };
    using enum NumberProblem;
    std::vector<Case> cases = {{" 12 ", None, 12}, {"+7", None, 7},     {"-99", None, -99},
                               {"- 5", None, -5},  // a sign typed before a shown " 5"
                               {"   ", Empty},     {"100", OutOfRange}, {"-100", OutOfRange}};
    for (const char* bad : {"-", "12a", "1.5", "1 2", "--1", "１２"}) cases.push_back({bad, NotANumber});
    for (const Case& c : cases) {
        const ParsedNumber n = parseNumber(c.text, -99, 99);
        EXPECT_EQ(n.problem, c.problem) << c.text;
        EXPECT_EQ(c.problem == None ? n.value : c.value, c.value) << c.text;
    }
    // Too long for any integer: out of range on its own side, never wrapped.
    const ParsedNumber huge = parseNumber("99999999999999999999999", 0, 99);
    EXPECT_EQ(huge.problem, OutOfRange);
    EXPECT_GT(huge.value, 99);
    EXPECT_LT(parseNumber("-99999999999999999999999", 0, 99).value, 0);
}

// The comment is edited in lines and stored with CR LF, as the catalog gives
// it; the start boxes are read as whole numbers.
TEST(Frame, CommentLineEndsAndStartBoxes)
{
    RowEintrag r;
    r.Kommentar = "conveyor\r\nline 2\r\n";
    FrameForm f;
    f.load(r, "QMV2.R220", "3", AddressBoxes::Both);
    EXPECT_EQ(f.txtKommentar, "conveyor\nline 2\n");
    f.txtKommentar = "belt\nstop\n";
    f.storeTexts(r);
    EXPECT_EQ(r.Kommentar, "belt\r\nstop\r\n");
    // A comment with lone line feeds goes back unchanged while not edited.
    r.Kommentar = "a\nb";
    f.load(r, "", "", AddressBoxes::Inputs);
    f.storeTexts(r);
    EXPECT_EQ(r.Kommentar, "a\nb");

    // A start that is no number names its box; only the boxes shown are read.
    f.load(RowEintrag{}, "QMV2.R220", "3", AddressBoxes::Both);
    f.txtAnfangsAdresse = {"12", "1x"};
    std::string message;
    int bad = -1;
    EXPECT_FALSE(f.entered(Texts(), &message, &bad));
    EXPECT_EQ(bad, 1);
    EXPECT_EQ(message.rfind("\"Output Start\" is not a whole number.", 0), 0u) << message;
    EXPECT_FALSE(f.entered(Texts(), nullptr));
    f.load(RowEintrag{}, "QMV2.R220", "3", AddressBoxes::Inputs);
    f.txtAnfangsAdresse = {"12", "1x"};
    const auto e = f.entered(Texts(), &message);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->in, 12);
    EXPECT_FALSE(e->hasOut);
}

// The shared OK sequence on a module of two rows (9 axis X, 10 axis Y), each
// row with its own record, addresses and dialog.
class PlacedModules : public SourceFixture {
protected:
    PlacedModules()
    {
        placeCpu("QMV2.R300");
        place("QMV2.K084", 9);
    }
    ModuleOkResult ok(int row, long in, long out)
    {
        table.prepareDialog(row);
        return runModuleOk(table, {in, out, true, true});
    }
};

TEST_F(PlacedModules, OkOnOneRowKeepsTheOthersAndTheirAddresses)
{
    const auto before = table.RowArray();
    const RowEintrag x = table.record(9), y = table.record(10);
    for (int row : {10, 9}) {
        const RowEintrag& r = row == 9 ? x : y;
        EXPECT_EQ(ok(row, r.InBase, r.OutBase), ModuleOkResult::Written) << row;
        EXPECT_EQ(table.RowArray(), before) << row;
        EXPECT_EQ((std::array<std::string, 3>{table.cell(9, 1), table.cell(9, 3), table.cell(10, 1)}),
                  (std::array<std::string, 3>{"QMV2.K084", std::to_string(x.InBase), "QMV2.K084-1"}));
    }
    // Declining the move asked for changes nothing.
    asker.expect("next free address", answer::No);
    EXPECT_EQ(ok(10, x.InBase, x.OutBase), ModuleOkResult::MoveDeclined);
    EXPECT_EQ(table.RowArray(), before);
    EXPECT_EQ(table.cell(10, 1), "QMV2.K084-1");
    // The other rows stay taken during the search.
    asker.expect("Next free address:" + std::to_string(x.InBase + 4), answer::Yes).expect("holds", answer::Yes);
    EXPECT_EQ(ok(10, x.InBase, x.OutBase), ModuleOkResult::Written);
    EXPECT_EQ(table.record(9), x);
    EXPECT_EQ(table.record(10).InBase, x.InBase + 4);
}

// A dialog setting that changes the byte count (as the step of 4 does) is in
// force during the address search: the grown module moves to free room
// instead of covering its neighbour. Two like modules stand in slots 1 and 2;
// OK on slot 1 grows it.
class GrowingModule : public SourceFixture {
protected:
    void placeTwice(const std::string& order)
    {
        placeCpu("QMV2.R300");
        place(order, slotRow("1"));
        place(order, slotRow("2"));
        table.prepareDialog(slotRow("1"));
    }
    void expectNoOverlap()
    {
        const CheckReport report = checkProject(table, app.ModulKatalog);
        EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    }
};

TEST_F(GrowingModule, AnyGrownCountIsSearchedForBeforeWriting)
{
    placeTwice("QMV2.E312");  // 8 output bytes each
    const int16_t neighbourEnd = static_cast<int16_t>(table.record(slotRow("2")).OutBase + 8);
    asker.expect("Next free address:" + std::to_string(neighbourEnd), answer::Yes);
    EXPECT_EQ(runModuleOk(table, {0, 256, false, true}, [](RowEintrag& r) { r.OutCnt = 12; }), ModuleOkResult::Written);
    EXPECT_EQ(table.record(slotRow("1")).OutBase, neighbourEnd);
    expectNoOverlap();

    // Declining the move keeps the project as it was.
    table.prepareDialog(slotRow("2"));
    const auto before = table.RowArray();
    asker.expect("Next free address:", answer::No);
    EXPECT_EQ(runModuleOk(table, {0, app.CurrentModule.OutBase, false, true}, [](RowEintrag& r) { r.OutCnt = 16; }),
              ModuleOkResult::MoveDeclined);
    EXPECT_EQ(table.RowArray(), before);
}

TEST_F(GrowingModule, AGrownInputCountIsSearchedForToo)
{
    placeTwice("QMV2.E301");  // 16 input bytes each, from 256
    const int16_t neighbourEnd = static_cast<int16_t>(table.record(slotRow("2")).InBase + 16);
    asker.expect("Next free address:" + std::to_string(neighbourEnd), answer::Yes);
    EXPECT_EQ(runModuleOk(table, {256, 0, true, false}, [](RowEintrag& r) { r.InCnt = 32; }), ModuleOkResult::Written);
    EXPECT_EQ(table.record(slotRow("1")).InBase, neighbourEnd);
    expectNoOverlap();
}

// A range that starts below 32000 but whose last byte reaches it is refused
// as a start of 32000 is, naming the range asked for in the chosen language;
// the count is the one the module will have once its settings are stored.
TEST_F(GrowingModule, ARangeReachingTheLimitIsRefusedLikeAStartOf32000)
{
    placeTwice("QMV2.E312");  // 8 output bytes each
    const auto before = table.RowArray();
    asker.expect(
        "maximale Address: 32000\nRange asked for: 31993..32000\nEvery byte of a module's range must lie "
        "below 32000: for 8 bytes, start at 31992 at the most.",
        answer::Ok);
    EXPECT_EQ(runModuleOk(table, {0, 31993, false, true}), ModuleOkResult::LimitRefused);
    asker.expect("maximale Address: 32000\nRange asked for: 31990..32001", answer::Ok);
    EXPECT_EQ(runModuleOk(table, {0, 31990, false, true}, [](RowEintrag& r) { r.OutCnt = 12; }),
              ModuleOkResult::LimitRefused);
    app.texts = Texts(kGermanBase);
    asker.expect("maximale Address: 32000\nAngefragter Bereich: 32000..32007\nJedes Byte", answer::Ok);
    EXPECT_EQ(runModuleOk(table, {0, 32000, false, true}), ModuleOkResult::LimitRefused);
    app.texts = Texts(kFrenchBase);
    asker.expect("maximale Address: 32000\nPlage demandée : 31999..32006", answer::Ok);
    EXPECT_EQ(runModuleOk(table, {0, 31999, false, true}), ModuleOkResult::LimitRefused);
    EXPECT_EQ(table.RowArray(), before);

    EXPECT_EQ(runModuleOk(table, {0, 31992, false, true}), ModuleOkResult::Written);
    EXPECT_EQ(table.record(slotRow("1")).OutBase, 31992);

    // A start below the limit whose search finds no room there is refused
    // too, and the project stays as it was (the texts are still French).
    table.prepareDialog(slotRow("2"));
    const auto full = table.RowArray();
    asker.expect("maximale Address: 32000\nAucune plage libre pour ce module ne se trouve sous 32000", answer::Ok);
    EXPECT_EQ(runModuleOk(table, {0, 31990, false, true}), ModuleOkResult::LimitRefused);
    EXPECT_EQ(table.RowArray(), full);
}

// The next-free-address question names every module whose range overlaps the
// range asked for, down to the table's last row, and no module that only
// touches it; with nobody in the way it names the rule that moved the start.
using MoveDetails = SourceFixture;

TEST_F(MoveDetails, NameTheHoldersOrTheRule)
{
    placeCpu("QMV2.R310");
    const int last = table.lastRow();
    ASSERT_EQ(table.cell(last, 0), "8");
    place("QMV2.D110", slotRow("1"));
    place("QMV2.D110", last);
    table.record(slotRow("1")).InBase = 10;  // 10..11
    table.record(last).InBase = 20;          // 20..21
    table.setCurrentRow(slotRow("2"));
    RowEintrag m = app.ModulKatalog.LookupCatalog("QMV2.D110");
    ASSERT_EQ(m.InCnt, 2);
    auto details = [&](int wanted, int now) { return addressMoveDetails(app.texts, table, m, true, wanted, now); };

    EXPECT_EQ(details(9, 12), "Inputs 9..10 were asked for.\nSlot 1 (QMV2.D110) holds 10..11.\nOffered: 12..13.");
    EXPECT_EQ(details(21, 22), "Inputs 21..22 were asked for.\nSlot 8 (QMV2.D110) holds 20..21.\nOffered: 22..23.");
    // Ranges that only touch 10..11 hold nothing; below 256 that rule moved it.
    for (int wanted : {8, 12}) {
        SCOPED_TRACE(wanted);
        const std::string d = details(wanted, 256);
        EXPECT_EQ(d.find("holds"), std::string::npos) << d;
        EXPECT_NE(d.find("\nThis module starts at address 256 or above.\n"), std::string::npos) << d;
    }
    EXPECT_EQ(details(255, 256),
              "Inputs 255..256 were asked for.\nThis module starts at address 256 or above.\n"
              "Offered: 256..257.");
    EXPECT_EQ(details(256, 258), "Inputs 256..257 were asked for.\nOffered: 258..259.");
    // A module of even starts: an odd start is the rule's doing, an even one
    // at 256 or above is nobody's.
    m.ModFlags = static_cast<int16_t>(m.ModFlags | flags::Even);
    EXPECT_EQ(details(301, 302),
              "Inputs 301..302 were asked for.\nThis module starts at an even address.\n"
              "Offered: 302..303.");
    EXPECT_EQ(details(300, 302), "Inputs 300..301 were asked for.\nOffered: 302..303.");
    app.texts = Texts(kGermanBase);
    EXPECT_EQ(details(9, 12),
              "Eingänge 9..10 waren angefragt.\nSteckplatz 1 (QMV2.D110) belegt 10..11.\n"
              "Angeboten: 12..13.");
}
