// Placing CPUs, racks and modules: the table layout they build and the
// rules that refuse a place.
#include <gtest/gtest.h>

#include <array>

#include "core/project/ProjectFixture.h"

namespace rm::test {
namespace {

class Placement : public ProjectFixture {};

// Each CPU builds the rows of its own slots; an exchanged CPU rebuilds them.
TEST_F(Placement, CpusBuildTheirRows)
{
    put({{"QMV2.R300", "#1"}});
    EXPECT_EQ(labels(), "A B1 B2 1 2 3 4 5 6 7 8 +");
    EXPECT_EQ(table.record(1).Cpu.PortNumber, 1);
    for (auto [row, k] : {std::pair{1, kind::CpuRow}, {2, kind::SlotA}, {4, kind::SlotB}, {13, kind::Connector}})
        EXPECT_EQ(table.RowIs(row), k) << row;
    EXPECT_TRUE(table.labelsRightAligned());
    EXPECT_TRUE(table.changed());
    EXPECT_EQ(table.currentRow(), 2);  // the first free row

    put({{"QMV2.R310", "#1", true, "exchange the CPU", answer::Yes}});
    EXPECT_EQ(labels(), "A B1 1 2 3 4 5 6 7 8");
    put({{"QMV3.R400", "#1", true, "exchange the CPU", answer::Yes}});
    EXPECT_EQ(labels(), "M1 M2 MB 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 +");
    EXPECT_EQ(table.RowIs(4), kind::SlotMB);
    put({{"QMV1.R200", "#1", true, "exchange the CPU", answer::Yes}});
    EXPECT_EQ(table.record(1).Cpu.PortNumber, 2);
}

// Sequences of places where each refused one names its rule and changes nothing.
struct Script {
    const char* name;
    std::vector<RowEintrag> extra;  // added to the catalog first
    std::vector<ProjectFixture::Put> steps;
    int lastRow = 0;  // checked when given
};

class PlacementScript : public ProjectFixture, public ::testing::WithParamInterface<Script> {};

TEST_P(PlacementScript, Runs)
{
    for (const RowEintrag& r : GetParam().extra) addToCatalog(r);
    put(GetParam().steps);
    if (GetParam().lastRow) {
        EXPECT_EQ(table.lastRow(), GetParam().lastRow);
    }
}

const Script kScripts[] = {
    {"RowOneTakesOneCpuAndNothingElse",
     {},
     {{"QMV2.D110", "#1", false, "can't be inserted"},
      {"QMV2.R300", "#1"},
      {"QMV2.R310", "1", false, "can't be inserted|Slot 1 does not take QMV2.R310."},
      {"QMV2.R300", "#1", false, "Same module"},
      {"QMV2.D110", "1"},
      {"QMV2.R310", "#1", false, "exchange the CPU", answer::No}}},
    {"SlotGroups",  // 8 slots in groups of 4
     {},
     {{"QMV2.R300", "#1"},
      {"QMV2.T300", "3", false, "needs 3 numbered slots in one group of the station; from slot 3"},
      {"QMV2.T300", "2"},
      {"QMV2.T300", "6"},
      {"QMV2.K084", "8", false, "can't be inserted"}}},
    // Slot 8 is position 2 of the second group of 6, but the rows after it
    // are "+" and nothing, or the rack's row and its first slot.
    {"AllRowsOfAModuleMustBeSlotsOfTheStation",
     {ProjectFixture::cpu("QMV2.R320", 2, 8, 6, 24, true)},
     {{"QMV2.R320", "#1"},
      {"QMV2.T300", "8", false, "can't be inserted"},
      {"QMV2.X100", "+"},
      {"QMV2.T300", "8", false, "can't be inserted"},
      {"QMV2.T300", "1"}}},
    // A CPU whose slots form no groups (a group size of 0) takes a module of
    // several rows from any slot whose rows are all slots.
    {"NoSlotGroups",
     {ProjectFixture::cpu("QMV2.R330", 2, 8, 0, 24, true)},
     {{"QMV2.R330", "#1"}, {"QMV2.T300", "7", false, "can't be inserted"}, {"QMV2.T300", "6"}}},
    // Without a "+" row the last row of the table is a slot like any other:
    // a refusal names it, and a module on it is not replaced unasked.
    {"TheLastRowIsASlotToo",
     {},
     {{"QMV2.R310", "#1"},
      {"QMV2.T300", "8", false, "needs 3 numbered slots in one group of the station; from slot 8"},
      {"QMV2.D110", "8"},
      {"QMV2.D210", "8", false, "overwrite the actual module", answer::No}}},
    // A rack of a larger family may follow; then its slots take its family.
    {"FamilyRules",
     {},
     {{"QMV2.R300", "#1"},
      {"QMV3.D110", "1", false, "QMV3.D110 belongs to another module family than the station QMV2.R300"},
      {"QMV3.X200", "+"},
      {"QMV3.D110", "9"},
      {"QMV2.D110", "10", false, "can't be inserted"}}},
    // 24 slots are the CPU's maximum: no further rack, however small, but
    // the rack being replaced does not count.
    {"MaxSlotCount",
     {},
     {{"QMV2.R300", "#1"},
      {"QMV2.X100", "+"},
      {"QMV2.X100", "#22"},
      {"QMV2.X110", "#31", false, "more than its maximum of 24 numbered slots"},
      {"QMV2.X110", "#22", true, "exchange the CPU", answer::Yes}}},
    {"StationsMustFitTheTable",
     {ProjectFixture::cpu("QMV2.R999", 2, 120, 8, 200, true), ProjectFixture::cpu("QMV2.R990", 2, 90, 8, 200, true)},
     {{"QMV2.R999", "#1", false, "can't be inserted"},
      {"QMV2.R990", "#1"},  // CPU, A, B1, 90 slots, "+" at 94
      {"QMV2.X100", "#94", false, "The rows of QMV2.X100 would not fit below row 100."},
      {"QMV2.X110", "#94"}},  // 4 slots: rows 95..98
     98},
    // The table's last row is row 100: a station may end on it, not past it.
    {"AStationMayEndOnTheLastRow",
     {ProjectFixture::cpu("QMV2.R996", 2, 96, 8, 200, true), ProjectFixture::cpu("QMV2.R997", 2, 97, 8, 200, true)},
     {{"QMV2.R997", "#1", false, "can't be inserted"}, {"QMV2.R996", "#1"}},
     100},
    // An unknown sub-entry is refused; the same module again on slot 3:
    // nothing happens and nothing is asked.
    {"ExtraSlotsUnknownSubEntriesAndOverwriting",
     {},
     {{"QMV2.R300", "#1"},
      {"QMV2.A100", "A"},
      {"QMV2.B100", "B1"},
      {"QMV2.B100", "B2"},
      {"QMV2.A100", "1", false, "can't be inserted"},
      {"QMV2.D110", "A", false, "can't be inserted"},
      {"QMV2.N040", "2"},  // no addresses, but allowed in a slot
      {"QMV2.M200", "1", false, "can't be inserted"},
      {"QMV2.D110", "3"},
      {"QMV2.D110", "3", false},
      {"QMV2.D210", "3", false, "overwrite the actual module", answer::No}}},
    {"RestrictedCpuAcceptsOnlyMarkedExtraSlotModules",
     {},
     {{"QMV1.R200", "#1"}, {"QMV2.A100", "#2", false, "can't be inserted"}, {"QMV2.A101", "#2"}}},
};

INSTANTIATE_TEST_SUITE_P(Placement, PlacementScript, ::testing::ValuesIn(kScripts),
                         [](const auto& p) { return std::string(p.param.name); });

// The table's first and last rows take drops and drags as every other row
// does: a CPU dropped on row 1 of an empty project, a module dropped on and
// dragged from the last row, and a move that clears only the rows it lands on.
TEST_F(Placement, TheTablesEndsTakeDropsAndDrags)
{
    ASSERT_TRUE(table.dropFromCatalog(indexOf(app.ModulKatalog, "QMV2.R310"), 1));
    const int last = table.lastRow();
    ASSERT_EQ(table.cell(last, 0), "8");
    ASSERT_TRUE(table.dropFromCatalog(indexOf(app.ModulKatalog, "QMV2.D110"), last));
    EXPECT_EQ(table.cell(last, 1), "QMV2.D110");
    EXPECT_TRUE(table.canDrag(last));
    put({{"QMV2.D210", "2"}});
    app.CurrentModule = table.record(last);
    ASSERT_TRUE(table.dropFromTable(table, last, slotRow("1"), false));
    EXPECT_EQ(table.cell(slotRow("1"), 1), "QMV2.D110");
    EXPECT_EQ(table.cell(slotRow("2"), 1), "QMV2.D210");
    EXPECT_TRUE(table.rowEmpty(last));
    EXPECT_TRUE(asker.shown.empty());
}

TEST_F(Placement, ModuleRowsAndTheirCells)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.D110", "1"}, {"QMV2.T300", "2"}, {"QMV2.D110", "5"}});
    using Cells = std::vector<std::string>;
    auto cells = [&](int r) { return Cells{table.cell(r, 1), table.cell(r, 3), table.cell(r, 4), table.cell(r, 5)}; };
    EXPECT_EQ(cells(5), (Cells{"QMV2.D110", "0", "-", "2"}));
    EXPECT_EQ(cells(7), (Cells{"QMV2.T300-1", "-", "-", "-"}));
    EXPECT_EQ(table.cell(8, 1), "QMV2.T300-2");
    EXPECT_EQ(table.record(8).HasDialog, kFalse);  // listed as NULL: no dialog of its own
    // A dialog opened on a sub-row names its slot and station.
    table.prepareDialog(7);
    EXPECT_EQ((std::array<std::string, 2>{app.CurrentSlotText, app.CurrentStationText}),
              (std::array<std::string, 2>{table.cell(7, 0), "QMV2.R300"}));
    EXPECT_NE(table.cell(7, 0), table.cell(7, 1));

    // Clearing any row of a module clears all of its rows and nothing else.
    table.ClearModuleRows(false, 7);
    for (int r = 6; r <= 8; ++r) {
        EXPECT_TRUE(table.rowEmpty(r));
        EXPECT_TRUE(table.record(r).isEmpty());
    }
    EXPECT_EQ(usedRecords(table), (std::vector<int>{1, 5, 9}));
    // A sub-row listed by an entry of its own has a dialog.
    put({{"QMV2.K084", "6"}});
    EXPECT_EQ((std::array<int, 2>{table.record(10).HasDialog, table.record(11).HasDialog}),
              (std::array<int, 2>{kTrue, kTrue}));
}

// A rack only on a "+" row and a CPU only in row 1, whatever the other flags
// say and however it arrives: written elsewhere it would rebuild the station
// from that row on and take every row behind it along.
TEST_F(Placement, StationsOnlyInTheirOwnRows)
{
    addToCatalog(cpu("QMV2.R904", 2, 4, 4, 24, true));
    RowEintrag bare = cpu("QMV2.X900", 2, 0, 0, 0, false);
    bare.ModFlags = static_cast<int16_t>(0x8400);  // a rack with a sub-entry line, no slots of its own
    bare.IsCPU = kFalse;
    bare.IsExtension = kTrue;
    addToCatalog(bare);
    put({{"QMV2.R904", "#1"}, {"QMV2.X100", "+"}, {"QMV2.D110", "5"}});
    const auto before = table.RowArray();
    const int rows = table.rowCount();

    for (const char* slot : {"1", "A", "B1", "5"}) {
        put({{"QMV2.X900", slot, false, "can't be inserted"}, {"QMV2.R310", slot, false, "can't be inserted"}});
        EXPECT_FALSE(table.dropFromCatalog(indexOf(app.ModulKatalog, "QMV2.X900"), slotRow(slot))) << slot;
    }
    table.setCurrentRow(slotRow("+"));
    table.FktCopy();
    table.setCurrentRow(slotRow("2"));
    asker.expect("can't be inserted", answer::Ok);
    table.FktPaste();
    EXPECT_EQ(table.RowArray(), before);
    EXPECT_EQ(table.rowCount(), rows);
}

// A replaced rack rebuilds its rows; a module of several rows asks when any
// of its rows is taken and replaces what it overwrites.
TEST_F(Placement, ReplacingLeavesOnlyWhatWasPlaced)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.X100", "+"}});
    EXPECT_EQ(labels(), "A B1 B2 1 2 3 4 5 6 7 8 + 9 10 11 12 13 14 15 16 +");
    put({{"QMV2.X110", "#13", true, "exchange the CPU", answer::Yes}});
    EXPECT_EQ(labels(), "A B1 B2 1 2 3 4 5 6 7 8 + 9 10 11 12");
    EXPECT_EQ(usedRecords(table), (std::vector<int>{1, 13}));
    // The new rack's own slot group: 4 slots, so a 3-row module fits at slot 10.
    put({{"QMV2.T300", "10"},
         {"QMV2.D110", "2"},
         {"QMV2.T300", "1", true, "overwrite the actual module", answer::Yes}});
    EXPECT_EQ(table.cell(6, 1), "QMV2.T300-1");
    EXPECT_EQ(usedRecords(table), (std::vector<int>{1, 5, 6, 7, 13, 15, 16, 17}));
    // A file that put a module on the CPU's row: the CPU placed over it shows
    // none of the module's addresses.
    auto rows = table.RowArray();
    rows[1] = table.record(5);
    table.ProjektLaden(table.info(), rows);
    ASSERT_EQ(table.cell(1, 3), std::to_string(rows[1].InBase));
    put({{"QMV2.R300", "#1", true, "exchange the CPU", answer::Yes}});
    EXPECT_EQ(table.cell(1, 1), "QMV2.R300");
    for (int col = 3; col < ProjectTable::kColumns; ++col) EXPECT_EQ(table.cell(1, col), "") << col;
}

// An exchanged CPU or rack keeps every module and rack the new layout allows,
// in its slot with its addresses; the question names what goes, and what goes
// leaves no hidden records behind.
TEST_F(Placement, ExchangeKeepsWhatFits)
{
    put({{"QMV2.R300", "#1"},
         {"QMV2.A100", "A"},
         {"QMV2.B100", "B2"},
         {"QMV2.D110", "1"},
         {"QMV2.T300", "2"},
         {"QMV2.D110", "8"},
         {"QMV2.X100", "+"},
         {"QMV2.D110", "9"}});
    const RowEintrag eight = table.record(slotRow("8"));
    // A rack exchange keeps the modules of the slots the new rack has.
    put({{"QMV2.X110", "#13", true, "exchange the CPU ?\n\nKept: 1 module, 0 racks.", answer::Yes}});
    EXPECT_EQ(table.cell(slotRow("9"), 1), "QMV2.D110");
    put({{"QMV2.R310", "#1", true,
          "exchange the CPU ?\n\nKept: 4 modules, 0 racks; removed: QMV2.B100 (B2: the new layout has no slot B2), "
          "QMV2.X110 (+: no \"+\" row follows), QMV2.D110 (9: the new layout has no slot 9).",
          answer::Yes}});
    EXPECT_EQ(labels(), "A B1 1 2 3 4 5 6 7 8");
    EXPECT_EQ(table.cell(slotRow("A"), 1), "QMV2.A100");
    EXPECT_EQ(table.cell(slotRow("4"), 1), "QMV2.T300-2");
    EXPECT_EQ(table.record(slotRow("8")), eight);
    EXPECT_EQ(usedRecords(table), (std::vector<int>{1, 2, 4, 5, 6, 7, 11}));
    // Back to a CPU with a "+" row: nothing lost so far is lost again.
    put({{"QMV2.R300", "#1", true, "Kept: 4 modules, 0 racks.", answer::Yes}});
    EXPECT_EQ(labels(), "A B1 B2 1 2 3 4 5 6 7 8 +");
    // A rack follows the new CPU on its "+" row, and its modules with it.
    addToCatalog(ProjectFixture::cpu("QMV2.R320", 2, 8, 6, 24, true));
    put({{"QMV2.X100", "+"}, {"QMV2.D110", "9"}, {"QMV2.R320", "#1", true, "Kept: 5 modules, 1 rack.", answer::Yes}});
    EXPECT_EQ(table.cell(slotRow("9"), 1), "QMV2.D110");
    // One of a kind takes the singular; French counts none as one.
    const ProjectTable::ExchangeOutcome none{0, 1, {}}, one{1, 0, {}};
    app.setLanguage(kGermanBase);
    EXPECT_EQ(table.exchangeSummary(one), "Behalten: 1 Baugruppe, 0 Racks.");
    app.setLanguage(kFrenchBase);
    EXPECT_EQ(table.exchangeSummary(none), "Conservés : 0 module, 1 rack.");
}

// Rows of another CPU's extra slots, and a third slot group.
TEST_F(Placement, ExtraSlotsOfAnotherCpuAndAThirdSlotGroup)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.A100", "A"}, {"QMV3.R400", "#1", true, "exchange the CPU", answer::Yes}});
    for (int r : {2, 3, 4}) {
        table.setCurrentRow(r);
        EXPECT_FALSE(table.IsAllowedInRow(app.ModulKatalog.LookupCatalog("QMV2.A100"), r));
        EXPECT_FALSE(table.IsAllowedInRow(app.ModulKatalog.LookupCatalog("QMV3.D110"), r));
    }
    // Its third slot group takes modules as the first two do.
    RowEintrag three = app.ModulKatalog.LookupCatalog("QMV2.T300");
    three.BestellNr = "QMV3.T300";
    three.Family = 3;
    three.SubList = {"QMV3.T300", "NULL", "NULL", ""};
    addToCatalog(three);
    put({{"QMV3.T300", "9"},  // 16 slots in groups of 4
         {"QMV3.T300", "14"},
         {"QMV3.T300", "11", false, "can't be inserted"}});
}

}  // namespace
}  // namespace rm::test
