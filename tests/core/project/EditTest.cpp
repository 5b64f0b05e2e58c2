// Cut, copy, paste, delete and drag and drop between rows and projects.
#include <gtest/gtest.h>

#include <tuple>

#include "core/project/ProjectFixture.h"

namespace rm::test {
namespace {

class Editing : public ProjectFixture {
protected:
    Editing() { EXPECT_TRUE(place("QMV2.R300", 1)); }
    void select(int row) { table.setCurrentRow(row); }
};

TEST_F(Editing, CutAndPasteInTheSameProject)
{
    ASSERT_TRUE(place("QMV2.D110", 5));
    ASSERT_TRUE(place("QMV2.D110", 6));
    table.record(6).Param1 = 0x55;
    select(6);
    table.FktCut();
    EXPECT_TRUE(table.rowEmpty(6));
    EXPECT_TRUE(app.ClipboardFull);
    ASSERT_TRUE(place("QMV2.D210", 7));
    select(8);
    table.FktPaste();
    EXPECT_EQ(table.cell(8, 1), "QMV2.D110");
    EXPECT_EQ(table.record(8).Param1, 0x55);  // parameters travel along
    EXPECT_EQ(table.record(8).InBase, 2);     // the lowest free range here
}

TEST_F(Editing, CopyIntoAnotherProjectSearchesItsAddresses)
{
    ASSERT_TRUE(place("QMV2.D110", 5));
    select(5);
    table.FktCopy();
    EXPECT_EQ(table.cell(5, 1), "QMV2.D110");

    ProjectTable other(app);
    other.setCurrentRow(1);
    ASSERT_TRUE(other.DblClickInTree(indexOf(app.ModulKatalog, "QMV2.R300")));
    other.setCurrentRow(5);
    ASSERT_TRUE(other.DblClickInTree(indexOf(app.ModulKatalog, "QMV2.D110")));
    other.setCurrentRow(6);
    other.FktPaste();
    EXPECT_EQ(other.cell(6, 1), "QMV2.D110");
    EXPECT_EQ(other.record(6).InBase, 2);
    // The clipboard keeps the record as it was copied.
    EXPECT_EQ(app.ClipboardModule.InBase, 0);
}

TEST_F(Editing, PasteWhereNotAllowedOrDeclined)
{
    ASSERT_TRUE(place("QMV2.D110", 5));
    select(5);
    table.FktCopy();
    select(2);  // slot "A"
    asker.expect("can't be inserted", answer::Ok);
    table.FktPaste();
    EXPECT_TRUE(table.rowEmpty(2));
    ASSERT_TRUE(place("QMV2.D210", 6));
    select(6);
    asker.expect("overwrite the actual module", answer::No);
    table.FktPaste();
    EXPECT_EQ(table.cell(6, 1), "QMV2.D210");
}

TEST_F(Editing, CutOfTheCpu)
{
    ASSERT_TRUE(place("QMV2.D110", 5));
    select(1);
    asker.expect("Cut the CPU Row", answer::Yes);  // Yes: copy instead
    table.FktCut();
    EXPECT_EQ(table.lastRow(), 13);
    EXPECT_EQ(app.ClipboardModule.BestellNr, "QMV2.R300");
    EXPECT_TRUE(app.ClipboardFull);

    app.ClipboardFull = false;
    asker.expect("Cut the CPU Row", answer::Cancel);
    table.FktCut();
    EXPECT_EQ(table.lastRow(), 13);
    EXPECT_FALSE(app.ClipboardFull);

    asker.expect("Cut the CPU Row", answer::No);
    table.FktCut();
    EXPECT_EQ(table.lastRow(), 1);
    EXPECT_TRUE(table.rowEmpty(1));
    EXPECT_TRUE(usedRecords(table).empty());
    EXPECT_TRUE(app.ClipboardFull);
    // The CPU can go back into row 1.
    table.FktPaste();
    EXPECT_EQ(table.lastRow(), 13);
}

TEST_F(Editing, SeveralRowModulesCannotBeCutButCopyPastesWhole)
{
    ASSERT_TRUE(place("QMV2.T300", 5));
    for (int r : {5, 6}) {
        select(r);
        asker.expect("not allowed on this type of module", answer::Ok);
        table.FktCut();
        EXPECT_EQ(table.cell(5, 1), "QMV2.T300");
    }
    EXPECT_EQ(asker.shown.back().title, "Cut function");

    select(5);
    table.FktCopy();
    select(9);
    table.FktPaste();
    EXPECT_EQ(table.cell(9, 1), "QMV2.T300");
    EXPECT_EQ(table.cell(10, 1), "QMV2.T300-1");
    EXPECT_EQ(table.cell(11, 1), "QMV2.T300-2");
    EXPECT_EQ(table.currentRow(), 9);
    // Deleting the pasted module clears its own rows and nothing else.
    ASSERT_TRUE(place("QMV2.D110", 12));
    select(10);
    asker.expect("delete the selected Row", answer::Yes);
    table.FktDelete();
    for (int r : {9, 10, 11}) EXPECT_TRUE(table.rowEmpty(r));
    EXPECT_EQ(table.cell(12, 1), "QMV2.D110");
}

// A head does not go where its sub-rows do not fit (position 3 of the
// group); a lone sub-row does not go anywhere.
TEST_F(Editing, SeveralRowModulesPasteOnlyWhole)
{
    ASSERT_TRUE(place("QMV2.T300", 5));
    for (const auto& [from, to, kept] : {std::tuple{5, 7, "QMV2.T300-2"}, std::tuple{6, 9, ""}}) {
        select(from);
        table.FktCopy();
        select(to);
        asker.expect("can't be inserted", answer::Ok);
        table.FktPaste();
        EXPECT_EQ(table.cell(to, 1), kept) << from << " -> " << to;
    }
}

TEST_F(Editing, DeleteAsksWhileConfirmationIsOn)
{
    ASSERT_TRUE(place("QMV2.D110", 5));
    select(5);
    ASSERT_TRUE(app.ConfirmDelete);  // on from the start
    asker.expect("delete the selected Row", answer::No);
    table.FktDelete();
    EXPECT_EQ(table.cell(5, 1), "QMV2.D110");
    EXPECT_EQ(app.ClipboardModule.BestellNr, "QMV2.D110");
    app.ConfirmDelete = false;
    table.FktDelete();
    EXPECT_TRUE(table.rowEmpty(5));
}

TEST_F(Editing, DeleteOfStations)
{
    ASSERT_TRUE(place("QMV2.X100", 13));
    ASSERT_TRUE(place("QMV2.D110", slotRow("9")));
    select(13);
    asker.expect("Deleting CPU or Extension", answer::Yes);
    table.FktDelete();
    EXPECT_EQ(table.lastRow(), 13);
    EXPECT_EQ(table.cell(13, 0), "+");
    EXPECT_TRUE(table.rowEmpty(13));
    EXPECT_EQ(usedRecords(table), std::vector<int>{1});

    select(1);
    asker.expect("Deleting CPU or Extension", answer::No);
    table.FktDelete();
    EXPECT_EQ(table.lastRow(), 13);
    asker.expect("Deleting CPU or Extension", answer::Yes);
    table.FktDelete();
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_TRUE(table.rowEmpty(1));
    EXPECT_EQ(asker.shown.back().style, style::YesNo + style::Question);
}

// What the selected row allows: the edit commands and dragging.
TEST_F(Editing, CommandStatesAndDragRules)
{
    ASSERT_TRUE(place("QMV2.T300", 5));
    ASSERT_TRUE(place("QMV2.X100", 13));
    EXPECT_TRUE(table.canDrag(1));
    for (int r : {5, 6, 13, 8}) EXPECT_FALSE(table.canDrag(r)) << r;
    select(8);
    auto s = table.UpdateEditCommands();
    EXPECT_FALSE(s.cut || s.copy || s.del || s.paste);
    select(5);
    s = table.UpdateEditCommands();
    EXPECT_TRUE(s.del);
    EXPECT_FALSE(s.cut || s.copy);
    select(13);
    s = table.UpdateEditCommands();
    EXPECT_TRUE(s.del);
    EXPECT_FALSE(s.cut);
    select(1);
    table.FktCopy();
    s = table.UpdateEditCommands();
    EXPECT_TRUE(s.cut && s.copy && s.del && s.paste);
}

TEST_F(Editing, MovingAModuleKeepsItsAddresses)
{
    ASSERT_TRUE(place("QMV2.D110", 5));
    ASSERT_TRUE(place("QMV2.D110", 6));
    ASSERT_TRUE(table.canDrag(6));
    app.CurrentModule = table.record(6);
    ASSERT_TRUE(table.dropFromTable(table, 6, 9, false));
    EXPECT_TRUE(table.rowEmpty(6));
    EXPECT_EQ(table.record(9).InBase, 2);
    // With Ctrl held it is a copy, with addresses of its own.
    app.CurrentModule = table.record(9);
    ASSERT_TRUE(table.dropFromTable(table, 9, 10, true));
    EXPECT_EQ(table.record(9).InBase, 2);
    EXPECT_EQ(table.record(10).InBase, 4);
    // Dropping a row on itself does nothing.
    EXPECT_FALSE(table.dropFromTable(table, 10, 10, false));
}

TEST_F(Editing, MovingOntoAModuleReplacesAllOfItsRows)
{
    ASSERT_TRUE(place("QMV2.T300", 5));
    ASSERT_TRUE(place("QMV2.D110", 9));
    app.CurrentModule = table.record(9);
    asker.expect("overwrite the actual module", answer::Yes);
    ASSERT_TRUE(table.dropFromTable(table, 9, 6, false));
    EXPECT_EQ(table.cell(6, 1), "QMV2.D110");
    EXPECT_TRUE(table.rowEmpty(5));
    EXPECT_TRUE(table.rowEmpty(7));
    EXPECT_EQ(usedRecords(table), (std::vector<int>{1, 6}));
}

TEST_F(Editing, MovingToAnotherProject)
{
    ASSERT_TRUE(place("QMV2.D110", 5));
    ProjectTable other(app);
    other.setCurrentRow(1);
    ASSERT_TRUE(other.DblClickInTree(indexOf(app.ModulKatalog, "QMV2.R300")));
    other.setCurrentRow(5);
    ASSERT_TRUE(other.DblClickInTree(indexOf(app.ModulKatalog, "QMV2.D110")));

    app.CurrentModule = table.record(5);
    ASSERT_TRUE(other.dropFromTable(table, 5, 6, false));
    EXPECT_TRUE(table.rowEmpty(5));
    EXPECT_EQ(other.record(6).InBase, 2);

    // A CPU moved away takes its modules along, unless the answer is to copy.
    ASSERT_TRUE(place("QMV2.D110", 6));
    ProjectTable third(app);
    app.CurrentModule = table.record(1);
    asker.expect("Cut the CPU Row", answer::Yes);
    ASSERT_TRUE(third.dropFromTable(table, 1, 1, false));
    EXPECT_EQ(table.lastRow(), 13);
    EXPECT_EQ(third.lastRow(), 13);

    ProjectTable fourth(app);
    app.CurrentModule = table.record(1);
    asker.expect("Cut the CPU Row", answer::No);
    ASSERT_TRUE(fourth.dropFromTable(table, 1, 1, false));
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_TRUE(usedRecords(table).empty());
    EXPECT_EQ(fourth.getCPUBestell(), "QMV2.R300");
}

TEST_F(Editing, CatalogDrop)
{
    EXPECT_FALSE(table.dropFromCatalog(indexOf(app.ModulKatalog, "QMV2.D110"), 2));
    EXPECT_TRUE(asker.shown.empty());  // a refused drop shows nothing
    ASSERT_TRUE(table.dropFromCatalog(indexOf(app.ModulKatalog, "QMV2.D110"), 7));
    EXPECT_EQ(table.cell(7, 1), "QMV2.D110");
    EXPECT_EQ(table.currentRow(), 8);
}

}  // namespace
}  // namespace rm::test
