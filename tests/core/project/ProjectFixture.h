// A project with the test catalog and a scripted answerer, and shortcuts
// for what a user does with the catalog tree.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/table/ProjectTable.h"
#include "support/TestSupport.h"

namespace rm::test {

class ProjectFixture : public ::testing::Test {
public:
    ProjectFixture() { app.ModulKatalog = testCatalog(); }

    // Double click on a catalog entry with `row` current.
    bool place(const std::string& order, int row)
    {
        table.setCurrentRow(row);
        EXPECT_EQ(table.currentRow(), row) << "row " << row << " does not exist";
        return table.DblClickInTree(indexOf(app.ModulKatalog, order));
    }
    // The labels of column 0 from row 2 to the last, separated by spaces.
    std::string labels() const
    {
        std::string out;
        for (int r = 2; r <= table.lastRow(); ++r) out += (r > 2 ? " " : "") + table.cell(r, 0);
        return out;
    }
    // Row of the slot with this label.
    int slotRow(const std::string& label) const
    {
        for (int r = 1; r <= table.lastRow(); ++r)
            if (table.cell(r, 0) == label) return r;
        ADD_FAILURE() << "no slot " << label;
        return 1;
    }
    // Records that are not empty, by row.
    std::vector<int> usedRecords(const ProjectTable& t) const
    {
        std::vector<int> out;
        for (int r = 1; r <= ProjectTable::kMaxRow; ++r)
            if (!t.record(r).isEmpty()) out.push_back(r);
        return out;
    }
    // A CPU or module made for one test, added to the catalog.
    static RowEintrag cpu(const std::string& order, int family, int slots, int groupSize, int maxSlots, bool connector)
    {
        RowEintrag r;
        r.BestellNr = order;
        r.ModFlags = 0x0800;
        r.IsCPU = r.IsHead = r.IsPlaced = r.HasDialog = kTrue;
        r.Family = static_cast<int16_t>(family);
        r.SlotCnt = static_cast<int16_t>(slots);
        r.SlotLimit = static_cast<int16_t>(groupSize);
        r.MaxSlotNbr = static_cast<int16_t>(maxSlots);
        r.HasConnector = connector ? kTrue : kFalse;
        r.SubCount = 1;
        return r;
    }
    void addToCatalog(const RowEintrag& r) { app.ModulKatalog.add(r); }

    // One placing by the user: a catalog entry dropped on a slot ("#n" is
    // row n), whether it goes in, and the question it raises ("a|b": one
    // question holding both parts) with the answer given.
    struct Put {
        std::string order, slot;
        bool ok = true;
        std::string asks = {};
        int reply = answer::Ok;
    };
    // Places step by step; a refused step leaves every row as it was.
    void put(const std::vector<Put>& steps)
    {
        for (const Put& s : steps) {
            SCOPED_TRACE(s.order + " at slot " + s.slot);
            const std::string first = s.asks.substr(0, s.asks.find('|'));
            if (!s.asks.empty()) asker.expect(first, s.reply);
            const auto before = table.RowArray();
            const int rows = table.rowCount();
            ASSERT_EQ(place(s.order, s.slot[0] == '#' ? std::stoi(s.slot.substr(1)) : slotRow(s.slot)), s.ok);
            if (s.asks.size() > first.size()) {
                EXPECT_NE(asker.shown.back().prompt.find(s.asks.substr(first.size() + 1)), std::string::npos);
            }
            if (s.ok) continue;
            EXPECT_EQ(table.RowArray(), before);
            EXPECT_EQ(table.rowCount(), rows);
        }
    }
    ScriptedAsker asker;
    AppState app{asker};
    ProjectTable table{app};
};

// The lines of a CR LF text; a missing final line end shows as a last
// element "<no line end>".
inline std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> out;
    for (std::size_t pos = 0, end = 0; pos < text.size(); pos = end + 2) {
        end = text.find("\r\n", pos);
        out.push_back(text.substr(pos, end - pos));
        if (end == std::string::npos) {
            out.push_back("<no line end>");
            break;
        }
    }
    return out;
}

}  // namespace rm::test
