// Placing CPUs, racks and modules: the table layout they build and the
// rules that refuse a place.
#include <gtest/gtest.h>

#include "core/project/ProjectFixture.h"

namespace rm::test {
namespace {

using Labels = std::vector<std::string>;

class Placement : public ProjectFixture {};

TEST_F(Placement, CpuBuildsItsRows)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    EXPECT_EQ(labels(), (Labels{"", "A", "B1", "B2", "1", "2", "3", "4", "5", "6", "7", "8", "+"}));
    const RowEintrag& cpu = table.record(1);
    EXPECT_EQ(cpu.CpuRowsEnd, 4);
    EXPECT_EQ(cpu.Cpu.IndexDB, 900);  // defaults given on insertion
    EXPECT_EQ(cpu.Cpu.PortNumber, 1);
    EXPECT_EQ(table.cell(1, 1), "QMV2.R300");
    for (int c = 3; c < 7; ++c) EXPECT_EQ(table.cell(1, c), "");
    EXPECT_TRUE(table.labelsRightAligned());
    EXPECT_TRUE(table.changed());
    // The selection moved on to the first free row.
    EXPECT_EQ(table.currentRow(), 2);

    EXPECT_EQ(table.RowIs(1), kind::CpuRow);
    EXPECT_EQ(table.RowIs(2), kind::SlotA);
    EXPECT_EQ(table.RowIs(4), kind::SlotB);
    EXPECT_EQ(table.RowIs(5), kind::Slot);
    EXPECT_EQ(table.RowIs(13), kind::Connector);
}

TEST_F(Placement, CpuVariants)
{
    ASSERT_TRUE(place("QMV2.R310", 1));
    EXPECT_EQ(labels(), (Labels{"", "A", "B1", "1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(table.record(1).CpuRowsEnd, 3);

    asker.expect("exchange the CPU", answer::Yes);
    ASSERT_TRUE(place("QMV3.R400", 1));
    Labels expected{"", "M1", "M2", "MB"};
    for (int i = 1; i <= 16; ++i) expected.push_back(std::to_string(i));
    expected.push_back("+");
    EXPECT_EQ(labels(), expected);
    EXPECT_EQ(table.RowIs(2), kind::SlotM);
    EXPECT_EQ(table.RowIs(4), kind::SlotMB);

    asker.expect("exchange the CPU", answer::Yes);
    ASSERT_TRUE(place("QMV1.R200", 1));
    EXPECT_EQ(table.record(1).Cpu.PortNumber, 2);
}

TEST_F(Placement, CpuOnlyInRowOneAndNeverTwice)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    // The refusal says which rule refused.
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV2.R310", 5));
    EXPECT_NE(asker.shown.back().prompt.find("Slot 1 does not take QMV2.R310."), std::string::npos);

    asker.expect("Same module", answer::Ok);
    EXPECT_FALSE(place("QMV2.R300", 1));

    ASSERT_TRUE(place("QMV2.D110", 5));
    asker.expect("exchange the CPU", answer::No);
    EXPECT_FALSE(place("QMV2.R310", 1));
    EXPECT_EQ(table.cell(5, 1), "QMV2.D110");
}

TEST_F(Placement, ExchangingTheCpuLeavesNoHiddenRecords)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    ASSERT_TRUE(place("QMV2.D110", 5));
    ASSERT_TRUE(place("QMV2.X100", 13));
    asker.expect("exchange the CPU", answer::Yes);
    ASSERT_TRUE(place("QMV2.R310", 1));
    EXPECT_EQ(usedRecords(table), std::vector<int>{1});
    // The input range of the removed module is free again.
    ASSERT_TRUE(place("QMV2.D110", slotRow("1")));
    EXPECT_EQ(table.record(slotRow("1")).InBase, 0);
}

TEST_F(Placement, ModuleCells)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    ASSERT_TRUE(place("QMV2.D110", 5));
    EXPECT_EQ((std::vector<std::string>{table.cell(5, 1), table.cell(5, 2), table.cell(5, 3), table.cell(5, 4),
                                        table.cell(5, 5), table.cell(5, 6)}),
              (std::vector<std::string>{"QMV2.D110", "DI 16x DC 24V", "0", "-", "2", "-"}));
    ASSERT_TRUE(place("QMV2.D210", 6));
    EXPECT_EQ(table.cell(6, 3), "-");
    EXPECT_EQ(table.cell(6, 4), "0");
    EXPECT_EQ(table.cell(6, 6), "2");
    const RowEintrag& r = table.record(5);
    EXPECT_EQ(r.IsPlaced, kTrue);
    EXPECT_EQ(r.HasDialog, kTrue);
    EXPECT_EQ(r.IsHead, kTrue);
}

TEST_F(Placement, SeveralRowModules)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    ASSERT_TRUE(place("QMV2.T300", 5));
    EXPECT_EQ(table.cell(5, 1), "QMV2.T300");
    EXPECT_EQ(table.cell(6, 1), "QMV2.T300-1");
    EXPECT_EQ(table.cell(7, 1), "QMV2.T300-2");
    EXPECT_EQ(table.record(5).SonNbr, 2);
    EXPECT_EQ(table.record(6).SonNbr, 1);
    EXPECT_EQ(table.record(6).Bezeichnung, " ");
    EXPECT_EQ(table.record(6).HasDialog, kFalse);
    EXPECT_EQ(table.GetLineParent(7), 5);
    EXPECT_EQ(table.GetLineParent(5), 5);
    EXPECT_EQ(table.currentRow(), 8);

    // The second row of the encoder is its Y axis definition.
    ASSERT_TRUE(place("QMV2.K084", 9));
    EXPECT_EQ(table.cell(10, 1), "QMV2.K084-1");
    EXPECT_EQ(table.record(10).Bezeichnung, "Two-axis encoder axis Y");
    EXPECT_EQ(table.record(10).HasDialog, kTrue);
    // Each row gets its own addresses; 0x84 keeps them at 256 or above.
    EXPECT_EQ(table.record(9).InBase, 256);
    EXPECT_EQ(table.record(10).InBase, 260);

    // Clearing any row of a module clears all of its rows.
    table.ClearModuleRows(false, 6);
    for (int r = 5; r <= 7; ++r) {
        EXPECT_TRUE(table.rowEmpty(r));
        EXPECT_TRUE(table.record(r).isEmpty());
    }
    EXPECT_EQ(table.cell(9, 1), "QMV2.K084");
}

TEST_F(Placement, SlotGroups)
{
    ASSERT_TRUE(place("QMV2.R300", 1));  // 8 slots in groups of 4
    asker.expect("needs 3 numbered slots in one group of the station; from slot 3", answer::Ok);
    EXPECT_FALSE(place("QMV2.T300", slotRow("3")));
    ASSERT_TRUE(place("QMV2.T300", slotRow("2")));
    ASSERT_TRUE(place("QMV2.T300", slotRow("6")));
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV2.K084", slotRow("8")));
}

TEST_F(Placement, ThirdSlotGroupAcceptsModules)
{
    ASSERT_TRUE(place("QMV3.R400", 1));  // 16 slots in groups of 4
    RowEintrag three = app.ModulKatalog.LookupCatalog("QMV2.T300");
    three.BestellNr = "QMV3.T300";
    three.Family = 3;
    three.SubList = {"QMV3.T300", "NULL", "NULL", ""};
    addToCatalog(three);
    ASSERT_TRUE(place("QMV3.T300", slotRow("9")));
    ASSERT_TRUE(place("QMV3.T300", slotRow("14")));
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV3.T300", slotRow("11")));
}

TEST_F(Placement, AllRowsOfAModuleMustBeSlotsOfTheStation)
{
    addToCatalog(cpu("QMV2.R320", 2, 8, 6, 24, true));  // groups of 6 over 8 slots
    ASSERT_TRUE(place("QMV2.R320", 1));
    // Slot 8 is position 2 of the second group, but rows after it are "+" and nothing.
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV2.T300", slotRow("8")));
    EXPECT_EQ(table.cell(slotRow("+"), 1), "");
    ASSERT_TRUE(place("QMV2.T300", slotRow("1")));
}

TEST_F(Placement, FamilyRules)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    asker.expect("QMV3.D110 belongs to another module family than the station QMV2.R300", answer::Ok);
    EXPECT_FALSE(place("QMV3.D110", 5));
    // A rack of a larger family may follow; then its slots take its family.
    ASSERT_TRUE(place("QMV3.X200", 13));
    ASSERT_TRUE(place("QMV3.D110", slotRow("9")));
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV2.D110", slotRow("10")));
}

TEST_F(Placement, ExtensionRacks)
{
    ASSERT_TRUE(place("QMV2.R300", 1));  // 8 slots, at most 24
    ASSERT_TRUE(place("QMV2.X100", 13));
    EXPECT_EQ(table.record(13).CpuRowsEnd, 1);
    EXPECT_EQ(table.cell(13, 0), "+");
    EXPECT_EQ(table.cell(14, 0), "9");
    EXPECT_EQ(table.cell(21, 0), "16");
    EXPECT_EQ(table.cell(22, 0), "+");
    ASSERT_TRUE(place("QMV2.X100", 22));
    // 24 slots are the CPU's maximum: no further rack, however small.
    asker.expect("more than its maximum of 24 numbered slots", answer::Ok);
    EXPECT_FALSE(place("QMV2.X110", table.lastRow()));
    EXPECT_EQ(table.cell(table.lastRow(), 0), "+");
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
    ASSERT_TRUE(place("QMV2.R904", 1));
    ASSERT_TRUE(place("QMV2.X100", slotRow("+")));
    ASSERT_TRUE(place("QMV2.D110", slotRow("5")));
    const auto before = table.RowArray();
    const int rows = table.rowCount();

    for (const char* slot : {"1", "A", "B1", "5"}) {
        asker.expect("can't be inserted", answer::Ok).expect("can't be inserted", answer::Ok);
        EXPECT_FALSE(place("QMV2.X900", slotRow(slot))) << slot;
        EXPECT_FALSE(place("QMV2.R310", slotRow(slot))) << slot;
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

TEST_F(Placement, ReplacingARackRebuildsItsRows)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    ASSERT_TRUE(place("QMV2.X100", 13));
    ASSERT_TRUE(place("QMV2.D110", slotRow("10")));
    asker.expect("exchange the CPU", answer::Yes);
    ASSERT_TRUE(place("QMV2.X110", 13));
    EXPECT_EQ(labels(),
              (Labels{"", "A", "B1", "B2", "1", "2", "3", "4", "5", "6", "7", "8", "+", "9", "10", "11", "12"}));
    EXPECT_EQ(usedRecords(table), (std::vector<int>{1, 13}));
    // The new rack's own slot group: 4 slots, so a 3-row module fits at slot 10.
    EXPECT_TRUE(place("QMV2.T300", slotRow("10")));
}

TEST_F(Placement, MaxSlotCountIgnoresTheRackBeingReplaced)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    ASSERT_TRUE(place("QMV2.X100", 13));
    ASSERT_TRUE(place("QMV2.X100", 22));  // 24 slots: the maximum
    asker.expect("exchange the CPU", answer::Yes);
    EXPECT_TRUE(place("QMV2.X110", 22));
}

TEST_F(Placement, StationsMustFitTheTable)
{
    addToCatalog(cpu("QMV2.R999", 2, 120, 8, 200, true));
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV2.R999", 1));
    EXPECT_EQ(table.rowCount(), 2);

    addToCatalog(cpu("QMV2.R990", 2, 90, 8, 200, true));  // CPU, A, B1, 90 slots, "+" at 94
    ASSERT_TRUE(place("QMV2.R990", 1));
    EXPECT_EQ(table.lastRow(), 94);
    asker.expect("The rows of QMV2.X100 would not fit below row 100.", answer::Ok);
    EXPECT_FALSE(place("QMV2.X100", 94));  // would need rows up to 103
    ASSERT_TRUE(place("QMV2.X110", 94));   // 4 slots: rows 95..98
    EXPECT_EQ(table.lastRow(), 98);
}

TEST_F(Placement, ExtraSlots)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    EXPECT_TRUE(place("QMV2.A100", 2));
    EXPECT_TRUE(place("QMV2.B100", 3));
    EXPECT_TRUE(place("QMV2.B100", 4));
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV2.A100", 5));
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV2.D110", 2));
    EXPECT_TRUE(place("QMV2.N040", 6));  // no addresses, but allowed in a slot

    asker.expect("exchange the CPU", answer::Yes);
    ASSERT_TRUE(place("QMV3.R400", 1));
    for (int r : {2, 3, 4}) {
        table.setCurrentRow(r);
        EXPECT_FALSE(table.IsAllowedInRow(app.ModulKatalog.LookupCatalog("QMV2.A100"), r));
        EXPECT_FALSE(table.IsAllowedInRow(app.ModulKatalog.LookupCatalog("QMV3.D110"), r));
    }
}

TEST_F(Placement, RestrictedCpuAcceptsOnlyMarkedExtraSlotModules)
{
    ASSERT_TRUE(place("QMV1.R200", 1));
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV2.A100", 2));
    EXPECT_TRUE(place("QMV2.A101", 2));
}

TEST_F(Placement, UnknownSubEntryIsRefused)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV2.M200", 5));
    EXPECT_TRUE(table.rowEmpty(5));
}

TEST_F(Placement, OverwritingAsks)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    ASSERT_TRUE(place("QMV2.D110", 6));
    // The same module again: nothing happens and nothing is asked.
    EXPECT_FALSE(place("QMV2.D110", 6));
    asker.expect("overwrite the actual module", answer::No);
    EXPECT_FALSE(place("QMV2.D210", 6));
    EXPECT_EQ(table.cell(6, 1), "QMV2.D110");
    // A module of several rows asks when any of its rows is taken.
    asker.expect("overwrite the actual module", answer::Yes);
    ASSERT_TRUE(place("QMV2.T300", 5));
    EXPECT_EQ(table.cell(6, 1), "QMV2.T300-1");
    EXPECT_EQ(usedRecords(table), (std::vector<int>{1, 5, 6, 7}));
}

TEST_F(Placement, RowsWithoutACpuAcceptNothingButACpu)
{
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.getCPUBestell(), "");
    asker.expect("can't be inserted", answer::Ok);
    EXPECT_FALSE(place("QMV2.D110", 1));
    EXPECT_EQ(table.FindStation(1), 1);
}

TEST_F(Placement, DialogChoice)
{
    auto rec = [](const std::string& order, int flags, int ident = 0) {
        RowEintrag r;
        r.BestellNr = order;
        r.ModFlags = static_cast<int16_t>(flags);
        r.setIdentWord(ident);
        return r;
    };
    EXPECT_EQ(dialogFor(rec("Q.E321", 0x6000)), DialogKind::Positioning);
    EXPECT_EQ(dialogFor(rec("Q.K222", 0x6000)), DialogKind::Positioning);
    EXPECT_EQ(dialogFor(rec("Q.K202", 0x6000)), DialogKind::Counter);
    EXPECT_EQ(dialogFor(rec("Q.K205", 0x6000)), DialogKind::Encoder);
    EXPECT_EQ(dialogFor(rec("Q.E325", 0x6000)), DialogKind::Temperature);
    EXPECT_EQ(dialogFor(rec("Q.X", 0x6000, 0x84)), DialogKind::TwoAxisEncoder);
    EXPECT_EQ(dialogFor(rec("Q.X", 0x6000, 0x184)), DialogKind::DigitalCombined);
    EXPECT_EQ(dialogFor(rec("Q.K202", 0x7000)), DialogKind::AnalogCombined);
    EXPECT_EQ(dialogFor(rec("Q.X", 0x5000)), DialogKind::AnalogInput);
    EXPECT_EQ(dialogFor(rec("Q.X", 0x4000)), DialogKind::DigitalInput);
    EXPECT_EQ(dialogFor(rec("Q.X", 0x3000)), DialogKind::AnalogOutput);
    EXPECT_EQ(dialogFor(rec("Q.X", 0x2000)), DialogKind::DigitalOutput);
    EXPECT_EQ(dialogFor(rec("Q.X", 0x0800)), DialogKind::Cpu);
    EXPECT_EQ(dialogFor(rec("Q.X", 0x0400)), DialogKind::None);
}

TEST_F(Placement, TwoAxisEncoderDialogCarriesItsSecondRow)
{
    ASSERT_TRUE(place("QMV2.R300", 1));
    ASSERT_TRUE(place("QMV2.K084", 5));
    ASSERT_EQ(table.prepareDialog(5), DialogKind::TwoAxisEncoder);
    EXPECT_EQ(app.CurrentSlotText, "1");
    EXPECT_EQ(app.CurrentStationText, "QMV2.R300");
    EXPECT_EQ(app.NextModule, table.record(6));
    app.CurrentModule.Param1 = 7;
    app.NextModule.Param1 = 9;
    table.finishDialog(5, DialogKind::TwoAxisEncoder);
    EXPECT_EQ(table.record(5).Param1, 7);
    EXPECT_EQ(table.record(6).Param1, 9);
}

}  // namespace
}  // namespace rm::test
