// A project with the test catalog and a scripted answerer, and shortcuts
// for what a user does with the catalog tree.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/project/ProjectTable.h"
#include "support/TestSupport.h"

namespace rm::test {

class ProjectFixture : public ::testing::Test {
protected:
    ProjectFixture() { app.ModulKatalog = testCatalog(); }

    // Double click on a catalog entry with `row` current.
    bool place(const std::string& order, int row)
    {
        table.setCurrentRow(row);
        EXPECT_EQ(table.currentRow(), row) << "row " << row << " does not exist";
        return table.DblClickInTree(indexOf(app.ModulKatalog, order));
    }
    // The labels of column 0, rows 1 to the last.
    std::vector<std::string> labels(const ProjectTable& t) const
    {
        std::vector<std::string> out;
        for (int r = 1; r <= t.lastRow(); ++r) out.push_back(t.cell(r, 0));
        return out;
    }
    std::vector<std::string> labels() const { return labels(table); }
    // Row of the slot with this label.
    int slotRow(const std::string& label, const ProjectTable& t) const
    {
        for (int r = 1; r <= t.lastRow(); ++r)
            if (t.cell(r, 0) == label) return r;
        ADD_FAILURE() << "no slot " << label;
        return 1;
    }
    int slotRow(const std::string& label) const { return slotRow(label, table); }
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

    ScriptedAsker asker;
    AppState app{asker};
    ProjectTable table{app};
};

}  // namespace rm::test
