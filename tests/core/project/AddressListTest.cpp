// The address overview and the I/O list, as data and as CSV, and the end of the table.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/project/Channels.h"
#include "core/project/IoList.h"
#include "core/project/ProjectCheck.h"
#include "core/project/ProjectDiff.h"
#include "core/project/ProjectFixture.h"
#include "core/project/StationLayout.h"

namespace rm::test {
namespace {

class AddressLists : public ProjectFixture {
protected:
    // DI, 2 bytes at 0; AI, 16 bytes at 256; DIO, 1 + 1 byte at 2 and 0.
    AddressLists() { put({{"QMV2.R300", "#1"}, {"QMV2.D110", "#5"}, {"QMV2.E301", "#6"}, {"QMV2.D310", "#7"}}); }
};

TEST_F(AddressLists, OverviewMarksWhatTheCheckReports)
{
    table.record(5).InBase = 260;  // inside the analog module's range
    table.record(7).OutBase = 32000;
    const AddressOverview ov = addressOverview(table, app.ModulKatalog);
    EXPECT_EQ(ov.problems, checkProject(table, app.ModulKatalog).problems.size());
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
    EXPECT_EQ(ov.inputs.front().first, 0);
    EXPECT_EQ(overlapping, 2);
    ASSERT_FALSE(ov.outputs.empty());
    EXPECT_TRUE(ov.outputs.back().tooHigh);
    EXPECT_EQ(ov.outputs.back().order, "QMV2.D310");
}

// Each finding belongs to its modules' rows and reads in the chosen language
// with the slots the table shows; the command line keeps its own wording.
TEST_F(AddressLists, ProblemsBelongToTheirRowsAndNameTheSlots)
{
    table.record(5).InBase = 260;
    table.record(7).OutBase = 32000;
    table.record(7).BestellNr = "QMV9.Z999";
    const std::vector<Problem> problems = findProblems(table, app.ModulKatalog);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[1], (Problem{Problem::Overlap, 5, 6, false, 260, 261, 256, 271}));
    EXPECT_EQ(checkProject(table, app.ModulKatalog).problems,
              (std::vector<std::string>{"slot 3 (row 7): order number QMV9.Z999 is not in the catalog",
                                        "inputs of slot 1 (row 5) (260..261) and slot 2 (row 6) (256..271) overlap",
                                        "slot 3 (row 7): outputs 32000..32000 reach 32000 or more"}));
    EXPECT_EQ(problemRows(table, problems), (std::vector<int>{5, 6, 7}));

    EXPECT_EQ(problemText(app.texts, table, problems[1]), "slot 1 (260..261) and slot 2 (256..271): inputs overlap");
    app.setLanguage(kGermanBase);
    EXPECT_EQ(problemText(app.texts, table, problems[2]),
              "Steckplatz 3: Ausgänge 32000..32000 reichen bis 32000 oder darüber");
    app.setLanguage(kFrenchBase);
    EXPECT_EQ(problemText(app.texts, table, problems[0]),
              "emplacement 3 : la référence QMV9.Z999 n'est pas dans le catalogue");
    EXPECT_EQ(placeText(app.texts, table, 1), "CPU");
    EXPECT_EQ(placeText(app.texts, table, 2), "A");

    // A module of several rows is marked on all of them.
    put({{"QMV2.T300", "5"}});
    const int head = slotRow("5");
    EXPECT_EQ(problemRows(table, {Problem{Problem::TooHigh, head}}), (std::vector<int>{head, head + 1, head + 2}));
}

TEST_F(AddressLists, IoListAddressesDigitalByBitOthersByByte)
{
    auto rows = ioList(table);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].address, "I 0.0..I 1.7");
    EXPECT_EQ(rows[1].address, "IB 256..IB 271");
    EXPECT_EQ(rows[3].address, "Q 0.0..Q 0.7");
    EXPECT_TRUE(rows[3].output);

    // A count no module has (from a received file) stays what it is.
    table.record(6).InCnt = 2147483647;
    rows = ioList(table);
    EXPECT_EQ(rows[1].last, 256 + int64_t{2147483646});
    EXPECT_NE(ioListCsv(rows).find(",input,256,2147483902,2147483647,IB 256..IB 2147483902\r\n"), std::string::npos);
}

TEST_F(AddressLists, CsvQuotesWhatWouldBreakAField)
{
    const std::vector<IoListRow> rows{{.slot = "4",
                                       .order = "QMV2.E301",
                                       .designation = "AI 8x; \"fast\", 12 bit",
                                       .first = 256,
                                       .last = 271,
                                       .address = "IB 256..IB 271"}};
    const std::string header = "station,slot,order_number,designation,direction,first_byte,last_byte,bytes,address\r\n";
    EXPECT_EQ(ioListCsv(rows),
              header + "0,4,QMV2.E301,\"AI 8x; \"\"fast\"\", 12 bit\",input,256,271,16,IB 256..IB 271\r\n");
    const std::string semi = ioListCsv(rows, {';', true});
    EXPECT_EQ(semi.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(semi.find(";\"AI 8x; \"\"fast\"\", 12 bit\";input;"), std::string::npos) << semi;

    // What a spreadsheet would run as a formula is kept a text; numbers,
    // addresses and the other fields stay as they are.
    const std::pair<std::string, std::string> fields[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1+2", "'+1+2"},
        {"-2+3", "'-2+3"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\t=1", "'\t=1"},
        {"\r=1", "\"'\r=1\""},
        {"-", "-"},
        {"+", "+"},
        {"--1", "'--1"},
        {"-32768", "-32768"},
        {"256", "256"},
        {"I 4.0..I 5.7", "I 4.0..I 5.7"},
        {"a=b", "a=b"},
        {"a,b", "\"a,b\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"line\n", "\"line\n\""},
        {"", ""},
    };
    for (const auto& [field, written] : fields) EXPECT_EQ(csvField(field, ','), written) << field;
}

// A CPU whose slots end at the table's last row is placed, and a module in
// that row is listed; one slot more does not fit the table.
class TableEnd : public ProjectFixture {};

TEST_F(TableEnd, TheLastRowIsPlacedAndListed)
{
    addToCatalog(cpu("QMV3.R101", 3, ProjectTable::kMaxRow, 4, ProjectTable::kMaxRow, false));
    asker.expect("QMV3.R101", answer::Ok);
    EXPECT_FALSE(place("QMV3.R101", 1));
    addToCatalog(cpu("QMV3.R100", 3, ProjectTable::kMaxRow - 1, 4, ProjectTable::kMaxRow, false));
    RowEintrag inputs = app.ModulKatalog.LookupCatalog("QMV2.D110");
    inputs.BestellNr = "QMV3.D110";
    inputs.Family = 3;
    addToCatalog(inputs);
    put({{"QMV3.R100", "#1"}, {"QMV3.D110", std::to_string(ProjectTable::kMaxRow - 1)}});
    ASSERT_EQ(table.lastRow(), ProjectTable::kMaxRow);
    const std::vector<IoListRow> rows = ioList(table);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].row, ProjectTable::kMaxRow);
    const std::vector<Channel> bits = channels(table);
    ASSERT_EQ(bits.size(), 16u);
    EXPECT_EQ(bits.back().row, ProjectTable::kMaxRow);
    const StationLayout picture = layoutStations(table);
    const SlotBox* box = picture.boxOfRow(ProjectTable::kMaxRow);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->empty);
    ProjectTable changed = table;
    changed.record(ProjectTable::kMaxRow).Bezeichnung = "Last";
    EXPECT_EQ(diffProjects(table, changed).size(), 1u);
}

}  // namespace
}  // namespace rm::test
