#include "core/table/ProjectJson.h"

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
    d.info.Gespeichert = kTrue;
    d.info.Autor = "Müller €";
    d.info.Notizen = "line 1\r\nline 2\ttab \"quoted\" \\";
    d.info.FormatVersion = kFormatVersion;

    RowEintrag& cpu = d.rows[1];
    cpu.BestellNr = "QMV2.R300";
    cpu.setIdentWord(-1);
    cpu.ModFlags = static_cast<int16_t>(0x8800);
    cpu.InCnt = INT32_MIN;
    cpu.IsCPU = kTrue;
    cpu.IsPlaced = 5;
    cpu.Cpu.SlotBFast = {kTrue, 0, 1, -2};
    cpu.Cpu.CompPrio = {"a", "", "ö", "€", "", "z"};

    RowEintrag& mod = d.rows[7];
    mod.Kennung = 255;
    mod.OutCnt = INT16_MIN;
    mod.SubList = {"QMV2.K084", "NULL", ""};
    mod.KanalWerte = {{1, -10000, 10000, 0}, {-1, 0, 20000, 4000}};
    // The five bytes windows-1252 leaves undefined, as a file may hold them.
    mod.Kommentar = cp1252ToUtf8("\x81\x8D\x8F\x90\x9D");

    d.rows[100].Bezeichnung = " ";
    return d;
}

// Through the JSON text and back, as a user's file would come back.
TEST(ProjectJson, ProjectFileSurvivesTheWayThroughJsonByteForByte)
{
    const std::string file = encodeProject(richProject());
    ASSERT_NE(file.find("\x81\x8D\x8F\x90\x9D"), std::string::npos);
    ProjectReadResult read = decodeProject(file);
    ASSERT_EQ(read.status, ProjectReadStatus::Ok) << read.detail;
    const json exported = projectToJson(read.data);
    EXPECT_EQ(exported["rows"].size(), 3u);  // only the rows in use
    EXPECT_EQ(exported["rows"][0]["IsCPU"], -1);
    EXPECT_EQ(encodeProject(projectFromJson(json::parse(exported.dump(2)))), file);

    const ProjectData empty;
    EXPECT_EQ(encodeProject(projectFromJson(projectToJson(empty))), encodeProject(empty));
}

TEST(ProjectJson, ImportFillsWhatIsLeftOut)
{
    auto d = projectFromJson(projectWithRows(
        {{{"row", 9}, {"BestellNr", "X.1"}, {"IsHead", true}, {"KanalWerte", {{{"MaxVaCh", 5}}}}}, {{"row", 2}}}));
    RowEintrag expected;
    expected.BestellNr = "X.1";
    expected.IsHead = kTrue;
    expected.KanalWerte = {{0, 0, 5, 0}};
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
        {{{"format", "rackmason-project"}}, "\"version\" is missing"},
        {projectWithRows({{{"BestellNr", "A"}}}), "rows[0]: \"row\" is missing"},
        {row({{"Param1", 1.5}}), "field \"Param1\": expected a whole number"},
        {{{"format", "rackmason-project"}, {"version", 2}}, "unsupported \"version\" 2"},
        {{{"format", "rackmason-project"}, {"version", 1}, {"extra", 0}}, "unknown member \"extra\""},
        {{{"format", "rackmason-project"}, {"version", 1}, {"rows", {{"row", 1}}}}, "\"rows\" must be an array"},
        {{{"format", "rackmason-project"}, {"version", 1}, {"ProjectInfo", {{"Autor", 1}}}},
         "ProjectInfo, field \"Autor\": expected a string"},
        {{{"format", "rackmason-project"}, {"version", 1}, {"ProjectInfo", {{"Autor", nullptr}}}},
         "ProjectInfo, field \"Autor\": expected a string, got null"},
        {projectWithRows({{{"row", 101}}}), "rows[0], \"row\": 101 is out of range 1..100"},
        {projectWithRows({{{"row", 3}}, {{"row", 3}}}), "rows[1]: row 3 is listed twice"},
        {row({{"Kenung", 1}}), "row 4: unknown field \"Kenung\""},
        {row({{"CpuConfig", {{"BaudRate", 1}, {"Baud", 2}}}}), "row 4, CpuConfig: unknown field \"Baud\""},
        {row({{"Kennung", 256}}), "row 4, field \"Kennung\": 256 is out of range 0..255"},
        {row({{"InCnt", 18446744073709551615ULL}}), "field \"InCnt\": 18446744073709551615 is out of range"},
        {row({{"IsHead", "yes"}}), "field \"IsHead\": expected true, false or a number, got a string"},
        {row({{"Kommentar", "\xE4\xB8\xAD"}}), "field \"Kommentar\": has characters that windows-1252 cannot hold"},
        {row({{"Kommentar", std::string(0x10000, 'x')}}), "longer than 65535 bytes"},
        {row({{"KanalWerte", {{{"ResVaCh", 40000}}}}}), "field \"KanalWerte\"[0].ResVaCh: 40000 is out of range"},
        {row({{"CpuConfig", {{"WebPassword", {"", "", "", "", "", ""}}}}}), "expected 5 elements, got 6"},
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

// One-line texts refuse control characters wherever they are; the comment,
// description and notes keep their line breaks. importProject also refuses
// what would not open as a project file.
TEST(ProjectJson, TextsThatReachTheSourceStayOneLine)
{
    const json info = {{"FormatVersion", kFormatVersion}, {"Notizen", "a\r\nb"}, {"Beschreibung", "x\ny"}};
    json ok = {{"format", "rackmason-project"}, {"version", 1}, {"ProjectInfo", info}};
    ok["rows"] = {{{"row", 5}, {"Kommentar", "one\r\ntwo\tthree"}, {"BestellNr", "QMV2.D110"}}};
    EXPECT_EQ(importProject(ok).rows[5].Kommentar, "one\r\ntwo\tthree");
    for (const auto& [field, value] :
         std::vector<std::pair<std::string, json>>{{"BestellNr", "QMV2\r\nEND_DATA_BLOCK"},
                                                   {"Bezeichnung", "DI\t16"},
                                                   {"SubList", {"QMV2.K084", "x\u0085y"}},
                                                   {"CpuConfig", {{"DateFormat", "dd\x7Fmm"}}},
                                                   {"CpuConfig", {{"WebPassword", {"", "", "\n", "", ""}}}},
                                                   {"CpuConfig", {{"TimeFormat", "HH'MM"}}},
                                                   {"CpuConfig", {{"CompPrio", {"", "", "OB$1", "", "", ""}}}}}) {
        json bad = ok;
        bad["rows"][0][field] = value;
        EXPECT_THROW(projectFromJson(bad), JsonError) << field;
    }
    for (const char* field : {"ProjektName", "Familie", "Autor", "ProjektPfad"}) {
        json bad = ok;
        bad["ProjectInfo"][field] = std::string("A\0B", 3);
        EXPECT_THROW(projectFromJson(bad), JsonError) << field;
    }
    EXPECT_EQ(textRefusal("Autor", "Line\x0b"), textRefusal("Familie", "\x1b[2J"));

    json noVersion = ok;
    noVersion["ProjectInfo"].erase("FormatVersion");
    EXPECT_NO_THROW(projectFromJson(noVersion));
    EXPECT_THROW(importProject(noVersion), JsonError);
    noVersion["ProjectInfo"]["FormatVersion"] = kFormatVersion + 1;
    EXPECT_THROW(importProject(noVersion), JsonError);
}

TEST(ProjectJson, ParsingRefusesDuplicateKeysAndDeepNesting)
{
    EXPECT_EQ(parseJsonText(R"({"a": {"k": 1}, "b": {"k": 2}, "c": [{"k": 1}, {"k": 2}]})")["c"][1]["k"], 2);
    auto refusal = [](const std::string& text) {
        try {
            parseJsonText(text);
        } catch (const JsonError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refusal(R"({"rows": [{"row": 1, "row": 2}]})"), "key \"row\" appears twice in the same object");
    EXPECT_EQ(refusal(R"({"x": 1, "x": 1})"), "key \"x\" appears twice in the same object");
    EXPECT_EQ(refusal(R"({"ProjectInfo": {"Autor": "a", "Autor": "b"}})"),
              "key \"Autor\" appears twice in \"ProjectInfo\"");
    EXPECT_EQ(refusal(std::string(kMaxJsonDepth, '[') + std::string(kMaxJsonDepth, ']')), "accepted");
    EXPECT_EQ(refusal(std::string(kMaxJsonDepth + 1, '[') + std::string(kMaxJsonDepth + 1, ']')),
              "nested deeper than 64 levels");
    EXPECT_EQ(refusal("[1e999]").rfind("not valid JSON: number overflow", 0), 0u) << refusal("[1e999]");
    EXPECT_EQ(refusal("{").find("[json.exception"), std::string::npos);
}

// A bad element late in an array leaves the earlier ones untouched.
TEST(ProjectJson, SetRecordFieldChangesOneFieldOrNothing)
{
    RowEintrag r;
    setRecordField(r, "SlotBFast", {false, true, 3.0, 0});  // a whole number with a point is that number
    EXPECT_EQ(r.Cpu.SlotBFast, (std::array<int16_t, 4>{0, kTrue, 3, 0}));
    const RowEintrag before = r;
    EXPECT_THROW(setRecordField(r, "CpuConfig", json::object()), JsonError);
    EXPECT_THROW(setRecordField(r, "row", 3), JsonError);
    EXPECT_THROW(setRecordField(r, "SlotBFast", {1, 1, 1, "x"}), JsonError);
    EXPECT_THROW(setRecordField(r, "SubList", {"C", 5}), JsonError);
    EXPECT_THROW(setRecordField(r, "KanalWerte", {{{"ChFlags", 1}}, 2}), JsonError);
    EXPECT_THROW(setRecordField(r, "Kennung", 300), JsonError);
    EXPECT_EQ(r, before);
}

// Booleans as the format promises: True and False (-1 and 0) are written as
// true and false and read back as -1 and 0; any other stored value stays the
// number it is. Null is no value of any field.
TEST(ProjectJson, BooleansAndNullFields)
{
    ProjectData d;
    d.info.FormatVersion = kFormatVersion;
    d.rows[1].BestellNr = "QMV2.R300";
    d.rows[1].IsHead = kTrue;
    d.rows[1].HasDialog = kFalse;
    d.rows[1].IsPlaced = 1;
    d.rows[1].Cpu.SlotBFast = {kTrue, kFalse, 1, -2};
    const json out = projectToJson(d);
    const json& row = out["rows"][0];
    EXPECT_TRUE(row["IsHead"].is_boolean() && row["IsHead"].get<bool>());
    EXPECT_TRUE(row["HasDialog"].is_boolean() && !row["HasDialog"].get<bool>());
    EXPECT_EQ(row["IsPlaced"], json(1));
    EXPECT_TRUE(row["IsPlaced"].is_number());
    EXPECT_EQ(row["CpuConfig"]["SlotBFast"].dump(), "[true,false,1,-2]");
    EXPECT_EQ(projectFromJson(out).rows[1], d.rows[1]);

    auto read = [](json fields) {
        fields["row"] = 2;
        return projectFromJson(projectWithRows({fields})).rows[2];
    };
    for (const char* field : {"IsHead", "InCnt", "Kennung", "Kommentar", "SubList"})
        EXPECT_THROW(read({{field, nullptr}}), JsonError) << field;
}

// The module list in file order with each module's index, every record
// reading back as it was written; the catalog tree with groups, modules and
// entries that name no module.
TEST(ProjectJson, ModulesAndCatalogTree)
{
    const ModuleCatalog cat = test::testCatalog();
    auto j = modulesToJson(cat);
    ASSERT_EQ(j.size(), static_cast<std::size_t>(cat.count()));
    for (int i = 1; i <= cat.count(); ++i) {
        auto fields = json::parse(j[static_cast<std::size_t>(i - 1)].dump());
        EXPECT_EQ(fields["index"], i);
        fields.erase("index");
        fields["row"] = 1;
        EXPECT_EQ(projectFromJson(projectWithRows({fields})).rows[1], cat.at(i)) << cat.at(i).BestellNr;
    }

    const IniFile ini(
        "[Katalog]\nTitle=Hardware\nEntries=1\nEntry1=QMV2.R300\n"
        "[QMV2.R300]\nEntries=2\nEntry1=Sub\nEntry2=NOPE.X\n"
        "[Sub]\nEntries=1\nEntry1=QMV2.D110\n");
    const ojson module = {
        {"text", "DI 16x DC 24V"}, {"image", "MODUL"}, {"index", cat.indexOf("QMV2.D110")}, {"BestellNr", "QMV2.D110"}};
    const ojson unknown = {{"text", "NOPE.X"}, {"image", "MODUL"}, {"index", nullptr}, {"BestellNr", nullptr}};
    const ojson sub = {{"text", "Sub"}, {"image", "closed"}, {"tag", nullptr}, {"children", {module}}};
    const ojson cpu = {
        {"text", "QMV2.R300"}, {"image", "closed"}, {"tag", "A family-2 CPU.\r\n"}, {"children", {sub, unknown}}};
    EXPECT_EQ(catalogToJson(CreateTreeV(ini, cat), cat),
              (ojson{{"text", "Hardware"}, {"image", "closed"}, {"children", {cpu}}}));
}

}  // namespace
}  // namespace rm
