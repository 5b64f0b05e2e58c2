// Undo and redo of whole-project states.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "core/project/ProjectFixture.h"
#include "core/table/ProjectHistory.h"

namespace rm::test {
namespace {

class History : public ProjectFixture {
protected:
    History() { history.reset(table); }
    // One user action as the desktop program wraps it.
    bool act(const std::string& name, const std::function<void()>& f)
    {
        history.begin(table, name);
        f();
        return history.end(table);
    }
    ProjectHistory history;
};

// The saved state is a position in the history; the file a project was
// saved as is never undone.
TEST_F(History, UndoAndRedoWalkTheActionsAndTheSavedState)
{
    ASSERT_TRUE(act("Insert CPU", [&] { place("QMV2.R300", 1); }));
    const auto withCpu = table.snapshot();
    ASSERT_TRUE(act("Insert module", [&] { place("QMV2.D110", 5); }));
    table.info().ProjektPfad = "/tmp/hall.qv4";
    history.markSaved(table);
    ASSERT_TRUE(act("Project information", [&] { table.info().Autor = "Service"; }));
    EXPECT_FALSE(history.atSaved());
    EXPECT_EQ(history.undoName(), "Project information");

    ASSERT_TRUE(history.undo(table));
    EXPECT_TRUE(history.atSaved());
    EXPECT_FALSE(table.changed());
    EXPECT_EQ(table.info().Autor, "");
    EXPECT_EQ(history.redoName(), "Project information");
    ASSERT_TRUE(history.undo(table));
    EXPECT_TRUE(table.changed());
    EXPECT_EQ(table.snapshot().grid, withCpu.grid);
    EXPECT_EQ(table.snapshot().rows, withCpu.rows);
    EXPECT_EQ(table.info().ProjektPfad, "/tmp/hall.qv4");
    ASSERT_TRUE(history.undo(table));
    EXPECT_FALSE(history.canUndo());

    ASSERT_TRUE(history.redo(table));
    ASSERT_TRUE(history.redo(table));
    EXPECT_EQ(table.cell(5, 1), "QMV2.D110");
    EXPECT_TRUE(history.atSaved());
    // A new action after undo drops what could have been redone.
    ASSERT_TRUE(act("Project information", [&] { table.info().Autor = "Other"; }));
    EXPECT_FALSE(history.canRedo());
}

TEST_F(History, ActionsThatChangeNothingLeaveNoStep)
{
    ASSERT_TRUE(act("Insert CPU", [&] { place("QMV2.R300", 1); }));
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(act("Insert module", [&] { place("QMV2.D110", 2); }));  // refused: row 2 takes no module
    ASSERT_TRUE(place("QMV2.D110", 5));
    history.reset(table);
    asker.expect("delete", answer::No);
    EXPECT_FALSE(act("Delete", [&] {
        table.setCurrentRow(5);
        table.FktDelete();
    }));
    EXPECT_FALSE(history.canUndo());
    history.markSaved(table);
    table.info().Autor = "changed without an action";
    EXPECT_FALSE(history.isSaved(table));
    // Saving takes in what the file now holds.
    history.markSaved(table);
    EXPECT_TRUE(history.isSaved(table));
    ProjectHistory fresh;
    fresh.markSaved(table);
    EXPECT_TRUE(fresh.isSaved(table));
}

TEST_F(History, KeepsTheLatestStepsAndForgetsASavedStateItDropped)
{
    history.markSaved(table);
    for (int i = 0; i < 105; ++i) ASSERT_TRUE(act("Project information", [&] { table.info().Notizen += "x"; }));
    int undone = 0;
    while (history.undo(table)) ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(table.info().Notizen, std::string(5, 'x'));
    EXPECT_FALSE(history.atSaved());
    EXPECT_TRUE(table.changed());
}

// A saved state that the limit keeps is found again by undo; the user's row
// stays where the table undo gives back still reaches.
TEST_F(History, TheSavedStateAndTheRowSurviveTheLimit)
{
    ProjectHistory two(2);
    two.reset(table);
    for (const char* notes : {"a", "b", "c"}) {
        two.begin(table, "Notes");
        table.info().Notizen = notes;
        ASSERT_TRUE(two.end(table));
        if (table.info().Notizen == "a") two.markSaved(table);
    }
    ASSERT_TRUE(two.undo(table));
    ASSERT_TRUE(two.undo(table));
    EXPECT_EQ(table.info().Notizen, "a");
    EXPECT_TRUE(two.isSaved(table));

    history.reset(table);
    ASSERT_TRUE(act("Insert CPU", [&] { place("QMV2.R300", 1); }));
    ASSERT_TRUE(act("Insert module", [&] { place("QMV2.D110", 5); }));
    const int last = table.lastRow();
    table.setCurrentRow(1);
    ASSERT_TRUE(history.undo(table));
    EXPECT_EQ(table.currentRow(), 1);
    table.setCurrentRow(last);
    ASSERT_TRUE(history.redo(table));
    ASSERT_TRUE(history.undo(table));
    EXPECT_EQ(table.currentRow(), last);
    ASSERT_TRUE(history.undo(table));  // the table without a CPU: its only row
    EXPECT_EQ(table.currentRow(), table.lastRow());
}

// The seams of the history: actions inside actions, changes made outside an
// action, what undo never takes back, and starting over.
TEST_F(History, NestedActionsOutsideChangesAndWhatUndoKeeps)
{
    EXPECT_FALSE(history.end(table));  // no action begun
    history.begin(table, "Paste");
    history.begin(table, "Insert module");
    table.info().Autor = "one";
    EXPECT_FALSE(history.end(table));  // the inner action is part of the outer one
    EXPECT_TRUE(history.inAction());
    table.info().Familie = "two";
    ASSERT_TRUE(history.end(table));
    EXPECT_EQ(history.undoName(), "Paste");

    // A change made outside an action stays when a later action is undone.
    table.info().Notizen = "outside";
    ASSERT_TRUE(act("Project information", [&] { table.info().Autor = "three"; }));
    // Where the file lies and its saved flag are no change of the project.
    EXPECT_FALSE(act("Save As", [&] {
        table.info().ProjektPfad = "/tmp/b.qv4";
        table.info().ProjektTitel = "b.qv4";
        table.info().Gespeichert = 1;
    }));
    table.setCurrentRow(1);
    ASSERT_TRUE(history.undo(table));
    EXPECT_EQ(table.info().Notizen, "outside");
    EXPECT_EQ(table.info().Autor, "one");
    EXPECT_EQ(history.undoName(), "Paste");
    EXPECT_EQ(table.info().ProjektPfad, "/tmp/b.qv4");
    EXPECT_EQ(table.info().ProjektTitel, "b.qv4");
    EXPECT_EQ(table.info().Gespeichert, 1);
    EXPECT_EQ(table.currentRow(), 1);
    ASSERT_TRUE(history.undo(table));
    EXPECT_EQ(table.info().Autor, "");
    EXPECT_EQ(table.info().Familie, "");

    // Starting over forgets redo as well as undo, and a pending action.
    history.begin(table, "Dialog");
    history.reset(table);
    EXPECT_FALSE(history.inAction());
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.canUndo());
    ASSERT_TRUE(act("Project information", [&] { table.info().Autor = "four"; }));
    ASSERT_TRUE(history.undo(table));

    // A history never reset starts from the table of its first action, and
    // keeps at least one step.
    ProjectHistory fresh(0);
    fresh.begin(table, "Project information");
    table.info().Autor = "five";
    ASSERT_TRUE(fresh.end(table));
    fresh.begin(table, "Project information");
    table.info().Autor = "six";
    ASSERT_TRUE(fresh.end(table));
    ASSERT_TRUE(fresh.undo(table));
    EXPECT_EQ(table.info().Autor, "five");
    EXPECT_FALSE(fresh.canUndo());
}

// Random sequences of actions, undo, redo, save and open against a model of
// the history: undo and redo give back exactly the states the model holds,
// and the project counts as saved exactly when it stands at the state that
// was saved. A project whose content differs from the file never counts as
// saved (the window would close without asking).
TEST_F(History, EverySequenceKeepsTheModifiedStateTrueToTheContent)
{
    constexpr std::size_t limit = 4;
    std::mt19937 random(20261207);
    for (int run = 0; run < 60; ++run) {
        ProjectHistory h(limit);
        table.info().Notizen = "";
        h.reset(table);
        std::vector<std::string> states{""};  // the model
        std::size_t pos = 0;
        std::optional<std::size_t> saved = 0;
        std::string onDisk;
        for (int step = 0; step < 30; ++step) {
            switch (random() % 5) {
                case 0:
                case 1: {
                    const std::string next(1, static_cast<char>('a' + random() % 3));
                    h.begin(table, "Notes");
                    table.info().Notizen = next;
                    const bool added = h.end(table);
                    ASSERT_EQ(added, next != states[pos]);
                    if (!added) break;
                    states.resize(pos + 1);
                    if (saved && *saved > pos) saved.reset();
                    states.push_back(next);
                    ++pos;
                    if (states.size() > limit + 1) {
                        states.erase(states.begin());
                        --pos;
                        saved = saved && *saved > 0 ? std::optional<std::size_t>(*saved - 1) : std::nullopt;
                    }
                    break;
                }
                case 2:
                    ASSERT_EQ(h.undo(table), pos > 0);
                    if (pos > 0) --pos;
                    break;
                case 3:
                    ASSERT_EQ(h.redo(table), pos + 1 < states.size());
                    if (pos + 1 < states.size()) ++pos;
                    break;
                case 4:
                    h.markSaved(table);
                    saved = pos;
                    onDisk = table.info().Notizen;
                    break;
            }
            ASSERT_EQ(table.info().Notizen, states[pos]) << "run " << run << " step " << step;
            ASSERT_EQ(h.atSaved(), saved == pos) << "run " << run << " step " << step;
            ASSERT_EQ(h.isSaved(table), saved == pos);
            if (table.info().Notizen != onDisk) {
                ASSERT_FALSE(h.isSaved(table)) << "run " << run << " step " << step;
            }
            ASSERT_EQ(h.canUndo(), pos > 0);
        }
    }
}

}  // namespace
}  // namespace rm::test
