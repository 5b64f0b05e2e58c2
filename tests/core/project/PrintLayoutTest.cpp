// The printed listing as a list of drawing operations: what is printed where,
// and how a long module table goes on over several pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/project/PrintLayout.h"
#include "core/project/ProjectFixture.h"

namespace rm::test {
namespace {

using Strings = std::vector<std::string>;

class PrintLayout : public ProjectFixture {
protected:
    std::vector<PrintPage> pages(double bottom = print::kPageBottom)
    {
        return Prepare_print_pages(table, app.texts, "06-12-2026    14:05", bottom);
    }
    PrintPage page() { return Prepare_print_form(table, app.texts, "06-12-2026    14:05"); }

    // The texts printed at height y, left to right.
    static Strings line(const PrintPage& p, double y)
    {
        std::vector<const PrintOp*> ops;
        for (const PrintOp& op : p)
            if (op.kind == PrintOp::Text && op.y == y) ops.push_back(&op);
        std::sort(ops.begin(), ops.end(), [](auto* a, auto* b) { return a->x < b->x; });
        Strings out;
        for (const PrintOp* op : ops) out.push_back(op->text);
        return out;
    }
    static bool printed(const PrintPage& p, const std::string& s)
    {
        return std::any_of(p.begin(), p.end(), [&](const PrintOp& op) { return op.text == s; });
    }
};

TEST_F(PrintLayout, ModuleLines)
{
    RowEintrag eight = app.ModulKatalog.LookupCatalog("QMV2.D110");
    eight.BestellNr = "QMV2.D180";
    eight.InCnt = 8;
    addToCatalog(eight);
    // 8 input bytes at 0; inputs and outputs; outputs only; three slots,
    // identification 0; analog from 256; a module in the extension.
    put({{"QMV2.R300", "#1"},
         {"QMV2.D180", "1"},
         {"QMV2.D310", "3"},
         {"QMV2.D210", "4"},
         {"QMV2.T300", "5"},
         {"QMV2.E301", "8"},
         {"QMV2.X100", "+"},
         {"QMV2.D110", "16"}});
    const PrintPage p = page();
    // Slot 2 is empty, 5 to 7 are taken by the three-slot module; the
    // extension's slots count like the CPU's.
    EXPECT_EQ(line(p, 40), (Strings{"Extension :", "QMV2.X100"}));
    EXPECT_EQ(line(p, 48), (Strings{"Free Slots :", "8"}));
    EXPECT_EQ(line(p, 66), (Strings{"QMV2.D180", "0", "7", "I", "1"}));
    EXPECT_EQ(line(p, 72), (Strings{"QMV2.D310", "8", "8", "I", "3"}));
    EXPECT_EQ(line(p, 76), (Strings{"0", "0", "O", "3"}));
    EXPECT_EQ(line(p, 82), (Strings{"QMV2.D210", "1", "2", "O", "4"}));
    EXPECT_EQ(line(p, 88), (Strings{"QMV2.E301", "256", "271", "I", "8"}));
    EXPECT_EQ(line(p, 94), (Strings{"QMV2.D110", "17", "18", "I", "16"}));
    EXPECT_FALSE(printed(p, "QMV2.T300"));
}

TEST_F(PrintLayout, LongTableGoesOnOnNewPages)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    for (int slot = 1; slot <= 8; ++slot) ASSERT_TRUE(place("QMV2.D310", slotRow(std::to_string(slot))));

    // Room for three modules on the first page (60, 70 and 80, the last rule
    // at 89) and seven on the next.
    const auto ps = pages(90);
    ASSERT_EQ(ps.size(), 2u);
    EXPECT_EQ(line(ps[0], 80)[0], "QMV2.D310");
    // A continuation page repeats the date and the table heading, nothing of the header block.
    const PrintPage& next = ps[1];
    EXPECT_EQ(line(next, 10), (Strings{"Module", "Addr. Start", "Addr. End", "Type", "Slot"}));
    EXPECT_FALSE(printed(next, "Free Slots :"));
    EXPECT_EQ(line(next, 18)[0], "QMV2.D310");
    // Every module once, in slot order, its two lines on the same page.
    Strings slots;
    for (const PrintPage& p : ps) {
        std::map<std::string, int> linesOfSlot;
        for (const PrintOp& op : p) {
            EXPECT_LE(std::max(op.y, op.y2), 90);
            if (op.kind == PrintOp::Text && op.x == 170 && op.text != "Slot") {
                if (++linesOfSlot[op.text] == 1) slots.push_back(op.text);
            }
        }
        for (const auto& [slot, n] : linesOfSlot) EXPECT_EQ(n, 2) << "slot " << slot;
    }
    EXPECT_EQ(slots, (Strings{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(page().size(), pages().front().size());

    // Room for the heading under the header block but not for the first
    // module: the heading goes with it to the next page.
    const auto moved = pages(66);
    ASSERT_EQ(moved.size(), 3u);
    EXPECT_FALSE(printed(moved[0], "Module"));
    EXPECT_EQ(line(moved[1], 18)[4], "1");
}

}  // namespace
}  // namespace rm::test
