#include "core/project/ProjectJson.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/base/CodePage.h"
#include "support/TestSupport.h"

namespace rm {
namespace {

using nlohmann::json;
using ojson = nlohmann::ordered_json;

// Through the JSON text, as a user's file would come back.
ProjectData viaJsonText(const ProjectData& data)
{
    return projectFromJson(json::parse(projectToJson(data).dump(2)));
}

json projectWithRows(const std::vector<json>& rows)
{
    return {{"format", "rackmason-project"}, {"version", 1}, {"rows", rows}};
}

// A project that uses every kind of field, with values at the edges of their
// types and Booleans that are neither True nor False.
ProjectData richProject()
{
    ProjectData d;
    d.info.ProjektPfad = "/home/müller/anlage.qv4";
    d.info.ProjektTitel = "anlage.qv4";
    d.info.Gespeichert = kTrue;
    d.info.Autor = "Müller €";
    d.info.Notizen = "line 1\r\nline 2\ttab \"quoted\" \\";
    d.info.InfoBestaetigt = 1;
    d.info.FormatVersion = kFormatVersion;

    RowEintrag& cpu = d.rows[1];
    cpu.BestellNr = "QMV2.R300";
    cpu.setIdentWord(-1);
    cpu.ModFlags = static_cast<int16_t>(0x8800);
    cpu.InCnt = INT32_MIN;
    cpu.IsCPU = kTrue;
    cpu.IsPlaced = 5;
    cpu.HasDialog = kTrue;
    cpu.Cpu.SlotB2Avail = kTrue;
    cpu.Cpu.SlotBFast = {kTrue, 0, 1, -2};
    cpu.Cpu.BaudRate = INT32_MAX;
    cpu.Cpu.CompPrio = {"a", "", "ö", "€", "", "z"};
    cpu.Cpu.WebPassword = {"", "pw", "", "", "ß"};
    cpu.Cpu.DateFormat = "DD.MM.YYYY";
    cpu.Cpu.PeripheryOff = 1;

    RowEintrag& mod = d.rows[7];
    mod.BestellNr = "QMV2.K084";
    mod.Kennung = 255;
    mod.OutCnt = INT16_MIN;
    mod.Param4 = INT16_MAX;
    mod.SubList = {"QMV2.K084", "NULL", ""};
    mod.KanalWerte = {{1, -10000, 10000, 0}, {-1, 0, 20000, 4000}};
    // The five bytes windows-1252 leaves undefined, as a file may hold them.
    mod.Kommentar = cp1252ToUtf8("\x81\x8D\x8F\x90\x9D");

    d.rows[100].Bezeichnung = " ";
    return d;
}

TEST(ProjectJson, ProjectFileSurvivesTheWayThroughJsonByteForByte)
{
    const std::string file = encodeProject(richProject());
    ASSERT_NE(file.find("\x81\x8D\x8F\x90\x9D"), std::string::npos);
    ASSERT_NE(file.find("M\xFCller \x80"), std::string::npos);
    ProjectReadResult read = decodeProject(file);
    ASSERT_EQ(read.status, ProjectReadStatus::Ok) << read.detail;

    ProjectData back = viaJsonText(read.data);
    EXPECT_EQ(back, read.data);
    EXPECT_EQ(encodeProject(back), file);

    const ProjectData empty;
    EXPECT_EQ(encodeProject(viaJsonText(empty)), encodeProject(empty));
}

TEST(ProjectJson, ExportListsOnlyUsedRowsWithEveryField)
{
    auto j = projectToJson(richProject());
    EXPECT_EQ(j["format"], "rackmason-project");
    EXPECT_EQ(j["version"], 1);
    EXPECT_EQ(j["ProjectInfo"].size(), 12u);
    EXPECT_EQ(j["ProjectInfo"]["Gespeichert"], true);
    EXPECT_EQ(j["ProjectInfo"]["InfoBestaetigt"], 1);

    const auto& rows = j["rows"];
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]["row"], 1);
    EXPECT_EQ(rows[1]["row"], 7);
    EXPECT_EQ(rows[2]["row"], 100);
    // "row", fields 1 to 36, "CpuConfig" - also for a row that is nearly empty.
    EXPECT_EQ(rows[2].size(), 38u);
    EXPECT_EQ(rows[2]["IsPlaced"], false);
    EXPECT_EQ(rows[2]["SubList"], ojson::array());

    const auto& cpu = rows[0];
    EXPECT_EQ(cpu.begin().key(), "row");
    EXPECT_EQ(cpu["Kennung"], 255);
    EXPECT_EQ(cpu["FormatCode"], 255);
    EXPECT_EQ(cpu["IsCPU"], -1);  // an Integer field, even where it means yes/no
    EXPECT_EQ(cpu["HasDialog"], true);
    EXPECT_EQ(cpu["IsPlaced"], 5);
    EXPECT_EQ(cpu["CpuConfig"]["SlotBFast"], ojson({true, false, 1, -2}));
    EXPECT_EQ(cpu["CpuConfig"]["CompPrio"].size(), 6u);
    EXPECT_EQ(cpu["CpuConfig"]["WebPassword"].size(), 5u);
    EXPECT_EQ(rows[1]["KanalWerte"][1],
              ojson({{"ChFlags", -1}, {"MinVaCh", 0}, {"MaxVaCh", 20000}, {"ResVaCh", 4000}}));
}

TEST(ProjectJson, ImportFillsWhatIsLeftOut)
{
    auto d = projectFromJson(projectWithRows({{{"row", 9},
                                               {"BestellNr", "X.1"},
                                               {"IsHead", true},
                                               {"IsModule", 3},
                                               {"InCnt", 70000.0},
                                               {"KanalWerte", {{{"MaxVaCh", 5}}}},
                                               {"CpuConfig", {{"WebOn", false}, {"TimeOut", -3}}}},
                                              {{"row", 2}}}));
    RowEintrag expected;
    expected.BestellNr = "X.1";
    expected.IsHead = kTrue;
    expected.IsModule = 3;
    expected.InCnt = 70000;
    expected.KanalWerte = {{0, 0, 5, 0}};
    expected.Cpu.TimeOut = -3;
    EXPECT_EQ(d.rows[9], expected);
    EXPECT_EQ(d.info, ProjectInfo{});
    for (int r = 1; r <= kRecordsPerFile; ++r) EXPECT_EQ(d.rows[static_cast<std::size_t>(r)].isEmpty(), r != 9) << r;
}

TEST(ProjectJson, InvalidInputIsRefusedNamingRowAndField)
{
    auto row = [](json fields) {
        fields["row"] = 4;
        return projectWithRows({fields});
    };
    const std::vector<std::pair<json, std::string>> cases = {
        {json::array(), "must be a JSON object"},
        {{{"format", "other"}, {"version", 1}}, "\"format\""},
        {{{"format", "rackmason-project"}}, "\"version\" is missing"},
        {{{"format", "rackmason-project"}, {"version", 2}}, "unsupported \"version\" 2"},
        {{{"format", "rackmason-project"}, {"version", 1}, {"extra", 0}}, "unknown member \"extra\""},
        {{{"format", "rackmason-project"}, {"version", 1}, {"rows", json::array({1})}},
         "rows[0]: expected an object, got 1"},
        {{{"format", "rackmason-project"}, {"version", 1}, {"rows", {{"row", 1}}}}, "\"rows\" must be an array"},
        {{{"format", "rackmason-project"}, {"version", 1}, {"ProjectInfo", {{"Autor", 1}}}},
         "ProjectInfo, field \"Autor\": expected a string"},
        {projectWithRows({{{"BestellNr", "A"}}}), "rows[0]: \"row\" is missing"},
        {projectWithRows({{{"row", 0}}}), "rows[0], \"row\": 0 is out of range 1..100"},
        {projectWithRows({{{"row", 101}}}), "out of range 1..100"},
        {projectWithRows({{{"row", true}}}), "expected a number, got true"},
        {projectWithRows({{{"row", 3}}, {{"row", 3}}}), "rows[1]: row 3 is listed twice"},
        {row({{"Kenung", 1}}), "row 4: unknown field \"Kenung\""},
        {row({{"CpuConfig", {{"BaudRate", 1}, {"Baud", 2}}}}), "row 4, CpuConfig: unknown field \"Baud\""},
        {row({{"CpuConfig", 1}}), "row 4, CpuConfig: expected an object"},
        {row({{"Kennung", 256}}), "row 4, field \"Kennung\": 256 is out of range 0..255"},
        {row({{"FormatCode", -1}}), "-1 is out of range 0..255"},
        {row({{"Modus", 32768}}), "field \"Modus\": 32768 is out of range -32768..32767"},
        {row({{"InCnt", 2147483648LL}}), "field \"InCnt\": 2147483648 is out of range"},
        {row({{"InCnt", 18446744073709551615ULL}}), "field \"InCnt\": 18446744073709551615 is out of range"},
        {row({{"Param1", 1.5}}), "field \"Param1\": expected a whole number"},
        {row({{"Param1", true}}), "field \"Param1\": expected a number, got true"},
        {row({{"IsHead", "yes"}}), "field \"IsHead\": expected true, false or a number, got a string"},
        {row({{"IsHead", -40000}}), "field \"IsHead\": -40000 is out of range"},
        {row({{"BestellNr", 7}}), "field \"BestellNr\": expected a string, got 7"},
        {row({{"Kommentar", "\xE4\xB8\xAD"}}), "field \"Kommentar\": has characters that windows-1252 cannot hold"},
        {row({{"Kommentar", std::string(0x10000, 'x')}}), "longer than 65535 bytes"},
        {row({{"SubList", "A"}}), "field \"SubList\": expected an array"},
        {row({{"SubList", {"A", 1}}}), "field \"SubList\"[1]: expected a string"},
        {row({{"KanalWerte", {{{"MinVaCh", 1}, {"Min", 2}}}}}), "field \"KanalWerte\"[0]: unknown field \"Min\""},
        {row({{"KanalWerte", {{{"ResVaCh", 40000}}}}}), "field \"KanalWerte\"[0].ResVaCh: 40000 is out of range"},
        {row({{"CpuConfig", {{"SlotBFast", {true, true, true}}}}}),
         "CpuConfig, field \"SlotBFast\": expected 4 elements, got 3"},
        {row({{"CpuConfig", {{"WebPassword", {"", "", "", "", "", ""}}}}}), "expected 5 elements, got 6"},
        {row({{"CpuConfig", {{"CompPrio", {"", "", "", "", "", 0}}}}}), "field \"CompPrio\"[5]: expected a string"},
    };
    for (const auto& [input, message] : cases) {
        try {
            projectFromJson(input);
            ADD_FAILURE() << "accepted: " << input.dump();
        } catch (const JsonError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos)
                << "input: " << input.dump().substr(0, 200) << "\nmessage: " << e.what() << "\nexpected: " << message;
        }
    }
}

TEST(ProjectJson, SetRecordFieldChangesOneFieldOrNothing)
{
    RowEintrag r;
    setRecordField(r, "PANr", 12);
    setRecordField(r, "IsModule", true);
    setRecordField(r, "MemoryMax", 64);
    setRecordField(r, "SlotBFast", {false, true, 3, 0});
    setRecordField(r, "SubList", {"A", "B"});
    EXPECT_EQ(r.PANr, 12);
    EXPECT_EQ(r.IsModule, kTrue);
    EXPECT_EQ(r.Cpu.MemoryMax, 64);
    EXPECT_EQ(r.Cpu.SlotBFast, (std::array<int16_t, 4>{0, kTrue, 3, 0}));
    EXPECT_EQ(r.SubList, (std::vector<std::string>{"A", "B"}));

    const RowEintrag before = r;
    EXPECT_THROW(setRecordField(r, "Unknown", 1), JsonError);
    EXPECT_THROW(setRecordField(r, "CpuConfig", json::object()), JsonError);
    EXPECT_THROW(setRecordField(r, "row", 3), JsonError);
    // A bad element late in an array leaves the earlier ones untouched.
    EXPECT_THROW(setRecordField(r, "SlotBFast", {1, 1, 1, "x"}), JsonError);
    EXPECT_THROW(setRecordField(r, "SubList", {"C", 5}), JsonError);
    EXPECT_THROW(setRecordField(r, "KanalWerte", {{{"ChFlags", 1}}, 2}), JsonError);
    EXPECT_EQ(r, before);
    try {
        setRecordField(r, "Kennung", 300);
        ADD_FAILURE();
    } catch (const JsonError& e) {
        EXPECT_STREQ(e.what(), "field \"Kennung\": 300 is out of range 0..255");
    }
}

TEST(ProjectJson, ModulesInFileOrderWithTheirIndex)
{
    const ModuleCatalog cat = test::testCatalog();
    auto j = modulesToJson(cat);
    ASSERT_EQ(j.size(), static_cast<std::size_t>(cat.count()));
    const int k084 = test::indexOf(cat, "QMV2.K084");
    const auto& m = j[static_cast<std::size_t>(k084 - 1)];
    EXPECT_EQ(m.begin().key(), "index");
    EXPECT_EQ(m["index"], k084);
    EXPECT_EQ(m["BestellNr"], "QMV2.K084");
    EXPECT_EQ(m["SubList"], ojson({"QMV2.K084", "QMV2.K084Y", ""}));
    // Every record reads back as it was written.
    for (int i = 1; i <= cat.count(); ++i) {
        auto fields = json::parse(j[static_cast<std::size_t>(i - 1)].dump());
        fields.erase("index");
        fields["row"] = 1;
        EXPECT_EQ(projectFromJson(projectWithRows({fields})).rows[1], cat.at(i)) << cat.at(i).BestellNr;
    }
}

TEST(ProjectJson, CatalogTreeWithGroupsModulesAndUnknownEntries)
{
    const ModuleCatalog cat = test::testCatalog();
    const IniFile ini(
        "[Katalog]\nTitle=Hardware\nEntries=2\nEntry1=CPU QMV\nEntry2=QMV2.R300\n"
        "[CPU QMV]\nEntries=1\nEntry1=QMV2.R310\n"
        "[QMV2.R300]\nEntries=2\nEntry1=Sub\nEntry2=NOPE.X\n"
        "[Sub]\nEntries=1\nEntry1=QMV2.D110\n");
    auto j = catalogToJson(CreateTreeV(ini, cat), cat);

    const ojson expected = {
        {"text", "Hardware"},
        {"image", "closed"},
        {"children",
         {{{"text", "CPU QMV"},
           {"image", "closed"},
           {"tag", nullptr},
           {"children",
            {{{"text", "CPU 310 family 2 without connector"},
              {"image", "CPU"},
              {"index", cat.indexOf("QMV2.R310")},
              {"BestellNr", "QMV2.R310"}}}}},
          {{"text", "QMV2.R300"},
           {"image", "closed"},
           {"tag", "A family-2 CPU.\r\n"},
           {"children",
            {{{"text", "Sub"},
              {"image", "closed"},
              {"tag", nullptr},
              {"children",
               {{{"text", "DI 16x DC 24V"},
                 {"image", "MODUL"},
                 {"index", cat.indexOf("QMV2.D110")},
                 {"BestellNr", "QMV2.D110"}}}}},
             {{"text", "NOPE.X"}, {"image", "MODUL"}, {"index", nullptr}, {"BestellNr", nullptr}}}}}}}};
    EXPECT_EQ(j, expected) << j.dump(2);
}

}  // namespace
}  // namespace rm
