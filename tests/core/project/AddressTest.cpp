// Address assignment: the lowest free range at or above the requested start.
#include <gtest/gtest.h>

#include "core/project/ProjectFixture.h"

namespace rm::test {
namespace {

class Addresses : public ProjectFixture {
protected:
    Addresses() { EXPECT_TRUE(place("QMV2.R300", 1)); }

    // Puts a record with an input and/or output range into a row, as a file would.
    void occupy(int row, int inBase, int inCnt, int outBase = 0, int outCnt = 0)
    {
        RowEintrag r;
        r.BestellNr = "X.R" + std::to_string(row);
        r.IsHead = kTrue;
        r.ModFlags = static_cast<int16_t>((inCnt ? flags::Inputs : 0) | (outCnt ? flags::Outputs : 0));
        r.InBase = static_cast<int16_t>(inBase);
        r.InCnt = inCnt;
        r.OutBase = static_cast<int16_t>(outBase);
        r.OutCnt = static_cast<int16_t>(outCnt);
        table.setCurrentRow(row);
        app.CurrentModule = r;
        table.SetEinlesenDateiFlag(true);
        table.WriteRowEintrag(2);
        table.SetEinlesenDateiFlag(false);
    }
    // Asks for addresses for a module in `row`.
    AddressResult request(int row, int flagsValue, int inCnt, int16_t& in, int outCnt, int16_t& out, int kennung = 0)
    {
        RowEintrag m;
        m.BestellNr = "X.NEW";
        m.ModFlags = static_cast<int16_t>(flagsValue);
        m.InCnt = inCnt;
        m.OutCnt = static_cast<int16_t>(outCnt);
        m.Kennung = static_cast<uint8_t>(kennung);
        app.CurrentModule = m;
        table.setCurrentRow(row);
        return table.AdresseErmitteln(in, out, true);
    }
};

TEST_F(Addresses, OverlapsMoveTheStart)
{
    occupy(5, 0, 8);
    int16_t in = 0, out = 0;
    EXPECT_EQ(request(6, flags::Inputs, 4, in, 0, out), AddressResult::Moved);
    EXPECT_EQ(in, 8);
    EXPECT_EQ(out, 0);
    EXPECT_EQ(table.record(6).InBase, 8);  // the row's record takes the module
    EXPECT_EQ(app.CurrentModule.InBase, 8);

    // Ranges that only touch do not conflict.
    in = 12;
    EXPECT_EQ(request(7, flags::Inputs, 4, in, 0, out), AddressResult::Kept);
}

TEST_F(Addresses, EvenModulesStayEven)
{
    occupy(5, 0, 7);
    int16_t in = 0, out = 0;
    request(6, flags::Inputs | flags::Even, 4, in, 0, out);
    EXPECT_EQ(in, 8);
    in = 21;
    request(7, flags::Inputs | flags::Even, 2, in, 0, out);
    EXPECT_EQ(in, 22);
}

TEST_F(Addresses, SearchRestartsAfterEveryMove)
{
    // Ranges listed out of order: 10..11 first, then 0..9.
    occupy(5, 10, 2);
    occupy(6, 0, 10);
    int16_t in = 0, out = 0;
    request(7, flags::Inputs, 4, in, 0, out);
    EXPECT_EQ(in, 12);
}

TEST_F(Addresses, InputsAndOutputsAreIndependent)
{
    occupy(5, 0, 2, 0, 2);
    occupy(6, 0, 0, 2, 2);
    int16_t in = 0, out = 0;
    EXPECT_EQ(request(7, flags::Inputs | flags::Outputs, 2, in, 2, out), AddressResult::Moved);
    EXPECT_EQ(in, 2);
    EXPECT_EQ(out, 4);
    // A module with only inputs gets output address 0.
    in = 20;
    out = 77;
    request(8, flags::Inputs, 2, in, 0, out);
    EXPECT_EQ(out, 0);
}

TEST_F(Addresses, MinimumOf256)
{
    int16_t in = 0, out = 0;
    request(5, flags::Inputs, 4, in, 0, out, 0x84);
    EXPECT_EQ(in, 256);
    in = 300;
    EXPECT_EQ(request(6, flags::Inputs | flags::Even | flags::Min256, 4, in, 0, out), AddressResult::Kept);
    EXPECT_EQ(in, 300);
    in = 10;
    request(7, flags::Inputs | flags::Even | flags::Min256, 4, in, 0, out);
    EXPECT_EQ(in, 260);  // 256 is taken by the first module
    // Without the even flag, 0x0200 alone does not raise the start.
    in = 10;
    request(8, flags::Inputs | flags::Min256, 2, in, 0, out);
    EXPECT_EQ(in, 10);
}

TEST_F(Addresses, ModulesWithoutAddressesChangeNothing)
{
    int16_t in = 5, out = 6;
    EXPECT_EQ(request(5, 0, 0, in, 0, out), AddressResult::NoAddresses);
    EXPECT_EQ(in, 5);
    EXPECT_EQ(out, 6);
    EXPECT_TRUE(table.record(5).isEmpty());
}

TEST_F(Addresses, TheModuleInTheRowItselfNeverConflicts)
{
    occupy(5, 0, 8);
    int16_t in = 0, out = 0;
    EXPECT_EQ(request(5, flags::Inputs, 8, in, 0, out), AddressResult::Kept);
    EXPECT_EQ(in, 0);
}

TEST_F(Addresses, RecordsOfEveryRowCountEvenWhenHidden)
{
    RowEintrag hidden;
    hidden.ModFlags = flags::Inputs;
    hidden.InCnt = 4;
    table.record(90) = hidden;
    int16_t in = 0, out = 0;
    request(5, flags::Inputs, 2, in, 0, out);
    EXPECT_EQ(in, 4);
}

TEST_F(Addresses, RangesNeverWrapPastTheAddressSpace)
{
    occupy(5, 32000, 760);  // ends at 32759
    int16_t in = 32000, out = 0;
    EXPECT_EQ(request(6, flags::Inputs, 16, in, 0, out), AddressResult::OutOfRange);
    in = 32000;
    EXPECT_EQ(request(6, flags::Inputs, 8, in, 0, out), AddressResult::Moved);
    EXPECT_EQ(in, 32760);

    // Placing a module whose range cannot fit is refused with the limit message,
    // and the row keeps what it had.
    RowEintrag big = app.ModulKatalog.LookupCatalog("QMV2.D110");
    big.InBase = 32767;
    big.InCnt = 2;
    big.IsHead = kTrue;
    app.CurrentModule = big;
    table.setCurrentRow(7);
    asker.expect("maximale Address: 32000", answer::Ok);
    EXPECT_FALSE(table.WriteRowEintrag(2));
    EXPECT_TRUE(table.rowEmpty(7));
    EXPECT_TRUE(table.record(7).isEmpty());
}

TEST_F(Addresses, CheckMaxAddress)
{
    EXPECT_TRUE(CheckMaxAddress(app, 31999));
    asker.expect("maximale Address: 32000", answer::Ok);
    EXPECT_FALSE(CheckMaxAddress(app, 32000));
    EXPECT_EQ(asker.shown.back().style, style::Ok + style::Critical);
    EXPECT_EQ(asker.shown.back().title, "");
}

TEST_F(Addresses, PlacedModulesGetTheLowestFreeRanges)
{
    ASSERT_TRUE(place("QMV2.D110", 5));
    ASSERT_TRUE(place("QMV2.D110", 6));
    ASSERT_TRUE(place("QMV2.D310", 7));
    EXPECT_EQ(table.record(5).InBase, 0);
    EXPECT_EQ(table.record(6).InBase, 2);
    EXPECT_EQ(table.record(7).InBase, 4);
    EXPECT_EQ(table.record(7).OutBase, 0);
    ASSERT_TRUE(place("QMV2.E301", 8));  // analog: from 256, even
    EXPECT_EQ(table.record(8).InBase, 256);
    ASSERT_TRUE(place("QMV2.H256", 9));  // 256 or above, after the analog module
    EXPECT_EQ(table.record(9).InBase, 272);
    // Freeing a range makes it available to the next module.
    table.ClearModuleRows(false, 5);
    ASSERT_TRUE(place("QMV2.D110", 10));
    EXPECT_EQ(table.record(10).InBase, 0);
}

TEST_F(Addresses, SelectNextRowSkipsTakenRows)
{
    ASSERT_TRUE(place("QMV2.D110", 6));
    ASSERT_TRUE(place("QMV2.D110", 7));
    table.setCurrentRow(5);
    table.SelectNextRow();
    EXPECT_EQ(table.currentRow(), 5);
    table.setCurrentRow(6);
    table.SelectNextRow();
    EXPECT_EQ(table.currentRow(), 8);
    table.setCurrentRow(table.lastRow());
    table.SelectNextRow();
    EXPECT_EQ(table.currentRow(), table.lastRow());
}

}  // namespace
}  // namespace rm::test
