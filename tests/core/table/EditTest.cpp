// Cut, copy, paste, delete and drag and drop between rows and projects.
#include <gtest/gtest.h>

#include <tuple>

#include "core/project/ProjectFixture.h"

namespace rm::test {
namespace {

class Editing : public ProjectFixture {
public:
    Editing() { EXPECT_TRUE(place("QMV2.R300", 1)); }
    void select(int row) { table.setCurrentRow(row); }
    void copyAndPaste(int from, int to)
    {
        select(from);
        table.FktCopy();
        select(to);
        table.FktPaste();
    }
};

// A pasted module takes the lowest free range of its new place, here and in
// another project, and brings its parameters along.
TEST_F(Editing, PasteSearchesFreeAddresses)
{
    put({{"QMV2.D110", "1"}, {"QMV2.D110", "2"}});
    table.record(6).Param1 = 0x55;
    select(6);
    app.ClipboardFull = false;
    table.FktCut();
    EXPECT_TRUE(app.ClipboardFull);  // Paste is offered
    put({{"QMV2.D210", "3"}});
    select(8);
    table.FktPaste();
    EXPECT_EQ(table.record(8).Param1, 0x55);
    EXPECT_EQ(table.record(8).InBase, 2);

    ProjectTable other = table;  // another project with inputs 0..3 taken
    copyAndPaste(5, 9);
    other.setCurrentRow(6);
    other.FktPaste();
    EXPECT_EQ(other.cell(6, 1), "QMV2.D110");
    EXPECT_EQ(other.record(6).InBase, 4);
    EXPECT_EQ(app.ClipboardModule.InBase, 0);  // as it was copied
}

// A paste that is not allowed or declined leaves the target as it was. A
// head does not go where its sub-rows do not fit (position 3 of the group);
// a lone sub-row does not go anywhere.
TEST_F(Editing, RefusedPastes)
{
    put({{"QMV2.D110", "1"}, {"QMV2.D210", "2"}, {"QMV2.T300", "5"}});
    const std::tuple<int, int, const char*, int, const char*> rows[] = {
        {5, 2, "can't be inserted", answer::Ok, ""},  // slot "A"
        {5, 6, "overwrite the actual module", answer::No, "QMV2.D210"},
        {9, 11, "can't be inserted", answer::Ok, "QMV2.T300-2"},
        {10, 12, "can't be inserted", answer::Ok, ""},
    };
    for (const auto& [from, to, asks, reply, kept] : rows) {
        asker.expect(asks, reply);
        copyAndPaste(from, to);
        EXPECT_EQ(table.cell(to, 1), kept) << from << " -> " << to;
    }
}

// Cutting the CPU and a module of several rows.
TEST_F(Editing, CutOfTheCpuAndOfSeveralRows)
{
    put({{"QMV2.D110", "1"}});
    select(1);
    // Yes copies instead, Cancel does nothing.
    for (auto [reply, clipboard] : {std::pair{answer::Yes, true}, {answer::Cancel, false}}) {
        app.ClipboardFull = false;
        asker.expect("Cut the CPU Row", reply);
        table.FktCut();
        EXPECT_EQ(table.lastRow(), 13);
        EXPECT_EQ(app.ClipboardFull, clipboard);
    }
    asker.expect("Cut the CPU Row", answer::No);
    table.FktCut();
    EXPECT_EQ(table.lastRow(), 1);
    EXPECT_TRUE(usedRecords(table).empty());
    // The CPU can go back into row 1.
    table.FktPaste();
    EXPECT_EQ(table.lastRow(), 13);

    // A module of several rows cannot be cut, but a copy pastes it whole.
    put({{"QMV2.T300", "1"}});
    for (int r : {5, 6}) {
        select(r);
        asker.expect("not allowed on this type of module", answer::Ok);
        table.FktCut();
        EXPECT_EQ(table.cell(5, 1), "QMV2.T300");
    }
    copyAndPaste(5, 9);
    EXPECT_EQ(table.cell(11, 1), "QMV2.T300-2");
    EXPECT_EQ(table.currentRow(), 9);
}

// Delete asks while the confirmation is on (it is from the start); a
// station takes its rows along.
TEST_F(Editing, Delete)
{
    put({{"QMV2.D110", "1"}, {"QMV2.X100", "+"}, {"QMV2.D110", "9"}});
    select(5);
    asker.expect("delete the selected Row", answer::No);
    table.FktDelete();
    EXPECT_EQ(table.cell(5, 1), "QMV2.D110");
    EXPECT_EQ(app.ClipboardModule.BestellNr, "QMV2.D110");  // kept for a paste, asked or not
    app.ConfirmDelete = false;
    table.SetProjektDataHasChangedFlag(false);
    table.FktDelete();
    EXPECT_TRUE(table.rowEmpty(5));
    EXPECT_TRUE(table.changed());

    app.ConfirmDelete = true;
    select(13);
    asker.expect("Deleting CPU or Extension", answer::Yes);
    table.FktDelete();
    EXPECT_EQ(labels(), "A B1 B2 1 2 3 4 5 6 7 8 +");
    EXPECT_EQ(usedRecords(table), std::vector<int>{1});
    select(1);
    asker.expect("Deleting CPU or Extension", answer::No);
    table.FktDelete();
    EXPECT_EQ(table.lastRow(), 13);
    asker.expect("Deleting CPU or Extension", answer::Yes);
    table.FktDelete();
    EXPECT_EQ(table.rowCount(), 2);
}

// What the selected row allows: the edit commands, dragging, and dropping
// from the catalog (a refused drop shows nothing).
TEST_F(Editing, CommandStatesAndDragRules)
{
    put({{"QMV2.T300", "1"}, {"QMV2.X100", "+"}});
    EXPECT_TRUE(table.canDrag(1));
    for (int r : {5, 6, 13, 8}) EXPECT_FALSE(table.canDrag(r)) << r;
    // Row 1 after a copy: everything.
    const std::tuple<int, bool, bool, bool, bool> rows[] = {{8, false, false, false, false},
                                                            {5, false, false, true, false},
                                                            {13, false, false, true, false},
                                                            {1, true, true, true, true}};
    for (const auto& [row, cut, copy, del, paste] : rows) {
        select(row);
        if (row == 1) table.FktCopy();
        const auto s = table.UpdateEditCommands();
        EXPECT_EQ((std::tuple{s.cut, s.copy, s.del, s.paste}), (std::tuple{cut, copy, del, paste})) << row;
    }
    EXPECT_FALSE(table.dropFromCatalog(indexOf(app.ModulKatalog, "QMV2.D110"), 2));
    EXPECT_TRUE(asker.shown.empty());
    ASSERT_TRUE(table.dropFromCatalog(indexOf(app.ModulKatalog, "QMV2.D110"), 8));
    EXPECT_EQ(table.cell(8, 1), "QMV2.D110");
}

// Moving keeps the addresses and replaces every row of a module it lands on;
// with Ctrl held it is a copy, searching addresses of its own; a row dropped on
// itself stays.
TEST_F(Editing, MovingAndCopyingByDragging)
{
    put({{"QMV2.T300", "1"}, {"QMV2.D110", "5"}, {"QMV2.D110", "6"}});  // rows 5..7, 9 and 10 (inputs from 10)
    auto drag = [&](int from, int to, bool ctrl) {
        app.CurrentModule = table.record(from);
        return table.dropFromTable(table, from, to, ctrl);
    };
    asker.expect("overwrite the actual module", answer::Yes);
    ASSERT_TRUE(drag(9, 6, false));
    EXPECT_EQ(table.record(6).InBase, 8);  // though 0..7 are free now
    ASSERT_TRUE(drag(10, 11, false));
    EXPECT_TRUE(table.rowEmpty(10));
    EXPECT_EQ(table.record(11).InBase, 10);
    ASSERT_TRUE(drag(11, 12, true));
    EXPECT_EQ(table.record(11).InBase, 10);
    EXPECT_EQ(table.record(12).InBase, 12);
    EXPECT_FALSE(drag(12, 12, false));
    EXPECT_EQ(usedRecords(table), (std::vector<int>{1, 6, 11, 12}));
}

TEST_F(Editing, MovingToAnotherProject)
{
    put({{"QMV2.D110", "1"}});
    ProjectTable other = table;
    app.CurrentModule = table.record(5);
    ASSERT_TRUE(other.dropFromTable(table, 5, 6, false));
    EXPECT_TRUE(table.rowEmpty(5));
    EXPECT_EQ(other.record(6).InBase, 2);

    // A CPU moved away takes its modules along, unless the answer is to copy.
    put({{"QMV2.D110", "2"}});
    ProjectTable third(app), fourth(app);
    for (auto [to, reply] : {std::pair{&third, answer::Yes}, {&fourth, answer::No}}) {
        app.CurrentModule = table.record(1);
        asker.expect("Cut the CPU Row", reply);
        ASSERT_TRUE(to->dropFromTable(table, 1, 1, false));
        EXPECT_EQ(to->lastRow(), 13);
        EXPECT_EQ(table.lastRow(), reply == answer::Yes ? 13 : 1);
    }
    EXPECT_TRUE(usedRecords(table).empty());
}

}  // namespace
}  // namespace rm::test
