// A project built as a user builds it, for the source generator tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/project/ProjectFixture.h"
#include "core/record/CpuDefaults.h"

namespace rm::test {

class SourceFixture : public ProjectFixture {
protected:
    // Double click on a catalog CPU with row 1 current; `slots` > 0 places a
    // variant of it with that many numbered slots and no connector.
    void placeCpu(const std::string& order, int slots = 0)
    {
        int index = indexOf(app.ModulKatalog, order);
        if (slots > 0) {
            RowEintrag variant = app.ModulKatalog.at(index);
            variant.SlotCnt = static_cast<int16_t>(slots);
            variant.HasConnector = kFalse;
            app.ModulKatalog.add(variant);
            index = app.ModulKatalog.count();
        }
        table.setCurrentRow(1);
        ASSERT_TRUE(table.DblClickInTree(index)) << order;
    }
    // Double click on a catalog module with `row` current; fails the test when refused.
    void place(const std::string& order, int row)
    {
        table.setCurrentRow(row);
        ASSERT_TRUE(table.DblClickInTree(indexOf(app.ModulKatalog, order))) << order << " in row " << row;
    }
    // Writes a record into a row as a module dialog's OK does (addresses kept).
    void writeRow(int row, const RowEintrag& rec)
    {
        table.setCurrentRow(row);
        ASSERT_EQ(table.currentRow(), row);
        app.CurrentModule = rec;
        const ReadingRows reading(table);
        ASSERT_TRUE(table.WriteRowEintrag(RecordFrom::CurrentModule));
    }
    static RowEintrag module(const std::string& order, int kenn)
    {
        RowEintrag r;
        r.BestellNr = order;
        r.setIdentWord(kenn);
        r.ModFlags = 0x4000;
        r.InCnt = 2;
        r.ParLen = 4;
        r.IsModule = r.IsHead = r.IsPlaced = r.HasDialog = kTrue;
        return r;
    }
    // A family-3 CPU with three slots (rows 5, 6, 7): slot 1 a gateway,
    // slot 2 emptied again, slot 3 an input module at 16 with a negative parameter.
    void buildBasicExample()
    {
        placeCpu("QMV3.R400", 3);
        ASSERT_EQ(table.record(1).CpuRowsEnd, 4);
        ASSERT_EQ(table.lastRow(), 7);
        place("QMV3.G510", 5);
        table.record(5).Param1 = 0xFF;
        place("QMV3.D110", 6);
        table.ClearModuleRows(false, 6);
        RowEintrag e304 = module("QMV3.E304", 0x8041);
        e304.InCnt = 8;
        e304.InBase = 16;
        e304.PANr = 1;
        e304.Param4 = -2;
        writeRow(7, e304);
        ProjectInfo& info = table.info();
        info.ProjektPfad = R"(C:\Projects\hall2.qv4)";
        info.ProjektName = "Hall2";
        info.Familie = "Press";
        info.Autor = "Service";
    }
    // The settings of the placed CPU behind the reference file with a CPU block.
    void setCpuBlockExample()
    {
        CpuConfig& placed = table.record(1).Cpu;  // the placed CPU carries its defaults
        placed.WebOn = placed.CompPrioAvail = placed.MemorySelected = placed.ComAvail = placed.MpiMode = kTrue;
        placed.CompPrio[0] = "OB1";
        placed.MemorySizeValue = 4;
        placed.SlotBAvail = placed.SlotBFast[1] = kTrue;
        placed.PeripheryAvail = placed.PeripheryOff = kTrue;
    }
    // The same rows in the extended layout: a 0x35 gateway, an empty slot,
    // and an analog output module with four channels.
    void buildExtendedExample()
    {
        placeCpu("QMV3.R400", 3);
        place("QMV3.G510", 5);
        RowEintrag& g = table.record(5);
        g.setIdentWord(0x35);
        g.InCnt = 1;
        g.OutCnt = 0;
        g.ParLen = 0;
        RowEintrag ao = module("QMV3.E312", 0x63);
        ao.ModFlags = 0x3000;
        ao.InCnt = 0;
        ao.OutCnt = 8;
        ao.OutBase = 32;
        ao.ParLen = 24;
        ao.KanalWerte = {{1, 0, 1000, 0}, {1, -500, 500, 0}, {1, 0, 4095, 100}, {1, 0, 0, 0}};
        writeRow(7, ao);
        table.info().ProjektName = "Hall2";
    }
};

}  // namespace rm::test
