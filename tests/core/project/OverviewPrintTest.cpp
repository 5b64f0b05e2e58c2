// The address overview's printed pages: every designation printed whole,
// in the room its row has, and rows that never run past the page.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/project/OverviewPrint.h"

namespace rm {
namespace {

constexpr double kDesignationColumn = 124, kNoteColumn = 166;

OverviewRange module(int first, std::string designation, bool overlaps = false)
{
    OverviewRange r;
    r.first = first;
    r.last = first;
    r.row = 5;
    r.slot = "5";
    r.order = "QMV2.G120";
    r.designation = std::move(designation);
    r.overlaps = overlaps;
    return r;
}

// The designation column's texts of a page, top to bottom, without its headings.
std::vector<const PrintOp*> designationTexts(const PrintPage& page)
{
    std::vector<const PrintOp*> out;
    for (const PrintOp& op : page)
        if (op.kind == PrintOp::Text && op.x == kDesignationColumn && op.text != "Designation") out.push_back(&op);
    return out;
}

std::string joined(const std::vector<const PrintOp*>& ops)
{
    std::string out;
    for (const PrintOp* op : ops) out += (out.empty() ? "" : " ") + op->text;
    return out;
}

TEST(OverviewPrint, DesignationsArePrintedWholeInTheRoomOfTheirRow)
{
    const Texts texts;
    const std::string longest = "Encoder interface 2 axes, incr./SSI, 2 slots";
    const std::string compact = "Compact block DI 32x/DO 32x/AI 8x";
    AddressOverview ov;
    ov.inputs = {module(0, compact), module(1, longest), module(2, longest, true), module(3, "DI 16x DC 24 V")};
    const auto pages = overviewPrintPages(ov, texts, "");
    ASSERT_EQ(pages.size(), 1u);
    const auto ops = designationTexts(pages[0]);
    for (const PrintOp& op : pages[0]) EXPECT_EQ(op.text.find("..."), std::string::npos) << op.text;
    // Each row's range and byte count on the row's line; the overlapping one marked.
    for (int first = 0; first < 4; ++first) {
        const std::string range = std::to_string(first) + ".." + std::to_string(first);
        const auto at =
            std::find_if(pages[0].begin(), pages[0].end(), [&](const PrintOp& op) { return op.text == range; });
        ASSERT_NE(at, pages[0].end()) << range;
        EXPECT_EQ(at->bold, first == 2) << range;
        EXPECT_TRUE(std::any_of(pages[0].begin(), pages[0].end(), [&](const PrintOp& op) {
            return op.text == "1" && op.y == at->y && op.x > at->x;
        })) << range;
    }

    // Without a note, a designation takes the note's room too; the
    // catalog's longest goes on on a second line.
    ASSERT_GE(ops.size(), 5u);
    EXPECT_EQ(ops[0]->text, compact);
    EXPECT_EQ(ops[1]->text + " " + ops[2]->text, longest);
    EXPECT_GT(kDesignationColumn + 2.0 * static_cast<double>(ops[1]->text.size()), kNoteColumn);
    EXPECT_LE(kDesignationColumn + 2.0 * static_cast<double>(ops[1]->text.size()), 195);
    EXPECT_EQ(ops[2]->y, ops[1]->y + 4.5);

    // Beside a note it keeps to its column and goes on on the next line; the
    // row after it starts below.
    const auto overlapRow = ops.begin() + 3;
    ASSERT_NE(overlapRow, ops.end());
    const double first = (*overlapRow)->y;
    std::vector<const PrintOp*> overlap;
    for (auto it = overlapRow; it != ops.end() && (*it)->text != "DI 16x DC 24 V"; ++it) overlap.push_back(*it);
    ASSERT_GE(overlap.size(), 2u);
    EXPECT_EQ(joined(overlap), longest);
    for (const PrintOp* op : overlap)
        EXPECT_LE(kDesignationColumn + 2.0 * static_cast<double>(op->text.size()), kNoteColumn) << op->text;
    EXPECT_EQ(ops.back()->text, "DI 16x DC 24 V");
    EXPECT_GT(ops.back()->y, overlap.back()->y);
    const bool noteBeside = std::any_of(pages[0].begin(), pages[0].end(), [&](const PrintOp& op) {
        return op.x == kNoteColumn && op.y == first && op.text == "OVERLAP";
    });
    EXPECT_TRUE(noteBeside);

    // A word longer than the whole room is broken, not cut.
    ov.inputs = {module(0, std::string(60, 'X'))};
    const auto brokenPages = overviewPrintPages(ov, texts, "");
    const auto broken = designationTexts(brokenPages[0]);
    ASSERT_EQ(broken.size(), 2u);
    EXPECT_EQ(broken[0]->text + broken[1]->text, std::string(60, 'X'));
}

TEST(OverviewPrint, AWrappedRowGoesToTheNextPageWhole)
{
    const Texts texts;
    AddressOverview ov;
    for (int i = 0; i < 80; ++i) ov.inputs.push_back(module(i, "Encoder interface 2 axes, incr./SSI, 2 slots", true));
    const double bottom = 120;
    const auto pages = overviewPrintPages(ov, texts, "", bottom);
    ASSERT_GT(pages.size(), 1u);
    for (const PrintPage& page : pages) {
        const auto ops = designationTexts(page);
        ASSERT_FALSE(ops.empty());
        // Every page starts with a row's first line and ends with a row's last one.
        EXPECT_EQ(ops.front()->text.substr(0, 7), "Encoder");
        EXPECT_TRUE(ops.back()->text.ends_with("slots")) << ops.back()->text;
        for (const PrintOp* op : ops) EXPECT_LE(op->y + 4.5, bottom);
    }
}

}  // namespace
}  // namespace rm
