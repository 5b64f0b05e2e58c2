// The address overview and the I/O list, as data and as CSV.
#include <gtest/gtest.h>

#include "core/project/IoList.h"
#include "core/project/ProjectCheck.h"
#include "core/project/ProjectFixture.h"

namespace rm::test {
namespace {

class AddressLists : public ProjectFixture {
protected:
    // DI, 2 bytes; AI, 16 bytes; DIO, 1 + 1 byte.
    AddressLists() { put({{"QMV2.R300", "#1"}, {"QMV2.D110", "#5"}, {"QMV2.E301", "#6"}, {"QMV2.D310", "#7"}}); }
};

TEST_F(AddressLists, OverviewMarksWhatTheCheckReports)
{
    table.record(5).InBase = static_cast<int16_t>(table.record(6).InBase + 4);  // inside the analog module's range
    table.record(7).OutBase = 32000;
    const CheckReport rep = checkProject(table, app.ModulKatalog);
    const AddressOverview ov = addressOverview(table, app.ModulKatalog);
    EXPECT_EQ(ov.problems, rep.problems.size());
    ASSERT_GE(ov.inputs.size(), 3u);
    int overlapping = 0;
    for (std::size_t i = 0; i < ov.inputs.size(); ++i) {
        const OverviewRange& r = ov.inputs[i];
        if (i) {
            EXPECT_LE(ov.inputs[i - 1].first, r.first);
        }
        if (r.kind == OverviewRange::Free) {
            EXPECT_EQ(r.last + 1, ov.inputs[i + 1].first);
        }
        overlapping += r.overlaps;
    }
    EXPECT_EQ(ov.inputs.front().kind, OverviewRange::Free);
    EXPECT_EQ(ov.inputs.front().first, 0);
    EXPECT_EQ(overlapping, 2);
    const auto& out = ov.outputs;
    ASSERT_FALSE(out.empty());
    EXPECT_TRUE(out.back().tooHigh);
    EXPECT_EQ(out.back().slot, table.cell(7, 0));
    EXPECT_EQ(out.back().order, "QMV2.D310");
    EXPECT_EQ(out.back().station, 0);
}

TEST_F(AddressLists, IoListAddressesDigitalByBitOthersByByte)
{
    auto rows = ioList(table);
    ASSERT_EQ(rows.size(), 4u);
    auto expectAddress = [&](const IoListRow& r, const std::string& en) { EXPECT_EQ(r.address, en) << r.order; };
    const int di = table.record(5).InBase, ai = table.record(6).InBase;
    expectAddress(rows[0], "I " + std::to_string(di) + ".0..I " + std::to_string(di + 1) + ".7");
    expectAddress(rows[1], "IB " + std::to_string(ai) + "..IB " + std::to_string(ai + 15));
    EXPECT_FALSE(rows[2].output);
    EXPECT_TRUE(rows[3].output);
    const int q = table.record(7).OutBase;
    expectAddress(rows[3], "Q " + std::to_string(q) + ".0..Q " + std::to_string(q) + ".7");
    auto de = ioList(table, Mnemonics::German);
    EXPECT_EQ(de[1].address, "EB " + std::to_string(ai) + "..EB " + std::to_string(ai + 15));
    EXPECT_EQ(de[3].address, "A " + std::to_string(q) + ".0..A " + std::to_string(q) + ".7");
}

TEST_F(AddressLists, CsvQuotesWhatWouldBreakAField)
{
    std::vector<IoListRow> rows(1);
    rows[0].slot = "4";
    rows[0].order = "QMV2.E301";
    rows[0].designation = "AI 8x; \"fast\", 12 bit";
    rows[0].first = 256;
    rows[0].last = 271;
    rows[0].address = "IB 256..IB 271";
    const std::string header = "station,slot,order_number,designation,direction,first_byte,last_byte,bytes,address\r\n";
    EXPECT_EQ(ioListCsv(rows),
              header + "0,4,QMV2.E301,\"AI 8x; \"\"fast\"\", 12 bit\",input,256,271,16,IB 256..IB 271\r\n");
    const std::string semi = ioListCsv(rows, {';', true});
    EXPECT_EQ(semi.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(semi.find(";\"AI 8x; \"\"fast\"\", 12 bit\";input;"), std::string::npos) << semi;
}

}  // namespace
}  // namespace rm::test
