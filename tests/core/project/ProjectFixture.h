// A project with the test catalog and a scripted answerer, and shortcuts
// for what a user does with the catalog tree.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/project/ProjectTable.h"
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
    // The labels of column 0, rows 1 to the last.
    std::vector<std::string> labels() const
    {
        std::vector<std::string> out;
        for (int r = 1; r <= table.lastRow(); ++r) out.push_back(table.cell(r, 0));
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
    int rowOf(const std::string& slot) const { return slot[0] == '#' ? std::stoi(slot.substr(1)) : slotRow(slot); }
    // Places step by step; a refused step leaves every row as it was.
    void put(const std::vector<Put>& steps)
    {
        for (const Put& s : steps) {
            SCOPED_TRACE(s.order + " at slot " + s.slot);
            const std::string first = s.asks.substr(0, s.asks.find('|'));
            if (!s.asks.empty()) asker.expect(first, s.reply);
            const auto before = table.RowArray();
            const int rows = table.rowCount();
            ASSERT_EQ(place(s.order, rowOf(s.slot)), s.ok);
            if (s.asks.size() > first.size()) {
                EXPECT_NE(asker.shown.back().prompt.find(s.asks.substr(first.size() + 1)), std::string::npos);
            }
            if (s.ok) continue;
            EXPECT_EQ(table.RowArray(), before);
            EXPECT_EQ(table.rowCount(), rows);
        }
    }
    // Expected labels of rows 1 on: "A B1 1-8 +" stands for "", "A", "B1", "1" to "8", "+".
    static std::vector<std::string> labelsOf(const std::string& shorthand)
    {
        std::vector<std::string> out{""};
        std::istringstream in(shorthand);
        for (std::string w; in >> w;) {
            const auto dash = w.find('-');
            if (dash == std::string::npos || dash == 0) {
                out.push_back(w);
                continue;
            }
            for (int i = std::stoi(w.substr(0, dash)); i <= std::stoi(w.substr(dash + 1)); ++i)
                out.push_back(std::to_string(i));
        }
        return out;
    }

    ScriptedAsker asker;
    AppState app{asker};
    ProjectTable table{app};
};

}  // namespace rm::test
