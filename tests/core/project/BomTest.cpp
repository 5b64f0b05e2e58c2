// Bills of material written from projects and read from spreadsheets: the
// round trip project -> bill -> build gives the same source.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>

#include "core/app/Language.h"
#include "core/dbgen/SourceFixture.h"
#include "core/dbgen/SourceGenerator.h"
#include "core/modules/ModuleOk.h"
#include "core/project/BillOfMaterial.h"
#include "core/project/BomCsv.h"
#include "core/project/BomWriter.h"
#include "core/project/ProjectFixture.h"
#include "core/settings/ModuleSettings.h"
#include "core/settings/SettingsJson.h"
#include "core/table/ProjectDocument.h"
#include "core/table/ProjectJson.h"

namespace rm::test {
namespace {

using nlohmann::json;

const std::filesystem::path kResources = RM_RESOURCES;

// A project saved and opened again, as the bom command reads it.
struct Opened {
    explicit Opened(const ModuleCatalog& catalog) { app.ModulKatalog = catalog; }
    void load(ProjectData data)
    {
        data.info.FormatVersion = kFormatVersion;  // as saving writes it
        auto read = decodeProject(encodeProject(data));
        ASSERT_EQ(read.status, ProjectReadStatus::Ok) << read.detail;
        table.ProjektLaden(read.data.info, read.data.rows);
    }
    YesAsker asker;
    AppState app{asker};
    ProjectTable table{app};
};

// Writes the bill of a project, builds it again from its text and compares
// the sources (each I/O block number and each CPU block once); returns the
// bill's text.
std::string expectRoundTrip(const ModuleCatalog& catalog, const ProjectTable& project, const std::string& what)
{
    Opened original(catalog);
    original.load(projectDataOf(project));
    const BomWritten bom = writeBillOfMaterial(original.app, original.table);
    EXPECT_TRUE(bom.ok) << what << ": " << bom.message;
    if (!bom.ok) return {};
    const std::string text = billText(bom.bill);
    const BuildResult built = buildProject(original.app, parseJsonText(text), "/tmp/again.qv4");
    EXPECT_EQ(built.status, BuildResult::Ok) << what << ": " << built.message << "\n" << text;
    // The project JSON with its settings reads back to the same file.
    const ProjectData data = projectDataOf(original.table);
    try {
        const json exported = json::parse(exportProject(original.app, data).dump());
        EXPECT_EQ(encodeProject(importProject(original.app, exported)), encodeProject(data)) << what;
    } catch (const JsonError& e) {
        ADD_FAILURE() << what << ": " << e.what();
    }
    Opened again(catalog);
    again.load(built.project);
    for (const auto& [io, cpu] : {std::pair{0, 0}, {1, 2}, {2, 3}, {0, 1}})
        EXPECT_EQ(generateSource(again.table, io, cpu), generateSource(original.table, io, cpu))
            << what << ", io " << io << ", cpu " << cpu << "\n"
            << text;
    return text;
}

// ------------------------------------------------------------ examples and golden projects

// Every shipped CPU with settings that placing it does not give, and a
// module behind it: the bill carries the CPU's settings and builds the same
// source.
TEST(BomRoundTrip, CpuSettings)
{
    const ModuleCatalog catalog = shippedCatalog();
    const json wanted = {{"designation", "Main CPU"},
                         {"comment", "hall 2\nnorth"},
                         {"memorySelected", true},
                         {"compilerPriority", {"OB1", "", "OB35", "", "", ""}},
                         {"mpiMode", true},
                         {"webServer", true},
                         {"indexDb", 12},
                         {"webPassword", {"a", "", "", "d"}},
                         {"connection", "modem"},
                         {"modemType", "N618"},
                         {"timeOut", 45},
                         {"timings", true},
                         {"adt", 3},
                         {"maxBaudRateB1", 38400},
                         {"maxBaudRateB2", 38400},
                         {"peripheryAccessDisabled", true}};
    int cpus = 0;
    for (int i = 1; i <= catalog.count(); ++i) {
        if (!isSet(catalog.at(i).IsCPU)) continue;
        const std::string order = catalog.at(i).BestellNr;
        Opened p(catalog);
        p.table.setCurrentRow(1);
        ASSERT_TRUE(p.table.DblClickInTree(i)) << order;
        json s = json::object();
        for (const SettingInfo* k : settingKeysOf(p.table.record(1)))
            if (wanted.contains(k->key)) s[k->key] = wanted[k->key];
        const SettingsApplied applied = applySettings(p.table, 1, s);
        ASSERT_TRUE(applied.ok) << order << ": " << applied.message;
        for (int r = 2; r <= p.table.lastRow(); ++r) {
            if (!p.table.rowEmpty(r)) continue;
            p.table.setCurrentRow(r);
            if (p.table.DblClickInTree(catalog.indexOf("QMV2.D110"))) break;
        }
        const std::string text = expectRoundTrip(catalog, p.table, order);
        EXPECT_NE(text.find("\"settings\": {\"designation\": \"Main CPU\""), std::string::npos) << text;
        EXPECT_EQ(text.find("\"set\""), std::string::npos) << text;
        ++cpus;
    }
    EXPECT_GT(cpus, 3);
}

TEST(BomRoundTrip, Examples)
{
    const ModuleCatalog catalog = shippedCatalog();
    for (const char* name : {"packing-machine", "press-line"}) {
        Opened example(catalog);
        const auto path = kResources.parent_path() / "examples" / (std::string(name) + ".qv4");
        auto res = openProject(example.table, path);
        ASSERT_EQ(res.status, ProjectReadStatus::Ok) << path;
        const std::string text = expectRoundTrip(catalog, example.table, name);
        // The example's own bill places the same modules in the same rows.
        const json own = parseJsonText(readText((path.parent_path() / (std::string(name) + ".bom.json")).string()));
        const json written = parseJsonText(text);
        auto placed = [](const json& bill) {
            std::vector<std::pair<json, json>> out;
            for (const json& p : bill["placements"]) out.emplace_back(p["row"], p["module"]);
            return out;
        };
        EXPECT_EQ(placed(written), placed(own)) << text;
        EXPECT_EQ(written["ProjectInfo"], own["ProjectInfo"]);
    }
}

// The projects behind the reference sources, with a catalog that knows
// every module they hold: records written by hand, a CPU variant, a
// gateway with an odd identifier, CPU settings no default gives. Each
// project gives its reference source before its bill is built.
class BomGolden : public SourceFixture {
protected:
    BomGolden()
    {
        const ModuleCatalog shipped = shippedCatalog();
        for (const char* order : {"QMV3.E304", "QMV3.E312"}) app.ModulKatalog.add(shipped.at(shipped.indexOf(order)));
    }
};

TEST_F(BomGolden, BasicExtendedAndCpuBlockProjects)
{
    buildBasicExample();
    EXPECT_EQ(generateSource(table, 0, 0), readText(dataPath("io_format01.awl")));
    expectRoundTrip(app.ModulKatalog, table, "basic");

    setCpuBlockExample();  // the CPU block's reference file is checked in CpuBlock
    expectRoundTrip(app.ModulKatalog, table, "with CPU block");
}

TEST_F(BomGolden, ExtendedLayout)
{
    buildExtendedExample();
    EXPECT_EQ(generateSource(table, 2, 0), readText(dataPath("io_format02.awl")));
    const std::string text = expectRoundTrip(app.ModulKatalog, table, "extended");
    // Only what placing does not give is written as raw fields.
    const json bill = parseJsonText(text);
    ASSERT_EQ(bill["placements"].size(), 3u) << text;
    EXPECT_EQ(bill["placements"][1]["set"], json::parse(R"({"Kennung": 53, "InCnt": 1, "OutCnt": 0, "ParLen": 0})"))
        << text;
}

// ------------------------------------------------------------ generated projects

// Random placements of catalog modules, random start addresses and random
// dialog settings; now and then a raw field no dialog gives, as an old file has.
class Generator {
public:
    Generator(const ModuleCatalog& catalog, unsigned seed) : catalog_(catalog), random_(seed) {}

    void fill(ProjectTable& t)
    {
        std::vector<int> cpus, modules;
        for (int i = 1; i <= catalog_.count(); ++i) (isSet(catalog_.at(i).IsCPU) ? cpus : modules).push_back(i);
        t.setCurrentRow(1);
        t.DblClickInTree(pick(cpus));
        const int steps = between(2, 20);
        for (int s = 0; s < steps; ++s) {
            const int row = between(2, t.lastRow());
            t.setCurrentRow(row);
            if (!t.DblClickInTree(pick(modules)) || t.rowEmpty(row)) continue;
            if (chance(50)) enterAddresses(t, row);
            if (chance(70)) randomSettings(t, row);
            if (chance(10)) t.record(row).Param2 = static_cast<int16_t>(between(-32768, 32767));
        }
        if (chance(50)) randomSettings(t, 1);
        t.info().ProjektName = chance(50) ? "Line " + std::to_string(between(1, 9)) : "";
        t.info().Autor = chance(30) ? "Service" : "";
    }

private:
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    int pick(const std::vector<int>& v) { return v[static_cast<std::size_t>(between(0, int(v.size()) - 1))]; }

    void enterAddresses(ProjectTable& t, int row)
    {
        const RowEintrag& r = t.record(row);
        if (r.isCpuOrExtension() || ProjectTable::rowsOf(r) != 1) return;
        t.prepareDialog(row);
        runModuleOk(t, {between(0, 600), between(0, 600), r.hasFlag(flags::Inputs), r.hasFlag(flags::Outputs)});
    }
    json value(const SettingInfo& k, const std::string& type)
    {
        if (type == "choice") return k.values.at(static_cast<std::size_t>(between(0, int(k.values.size()) - 1)));
        if (type == "boolean") return chance(50);
        if (type == "integer") return std::uniform_int_distribution<long long>(k.min, k.max)(random_);
        return chance(50) ? "Axis " + std::to_string(between(1, 99)) : std::string("pump");
    }
    void randomSettings(ProjectTable& t, int row)
    {
        const json now = settingsOf(t, row);
        json s = json::object();
        for (const SettingInfo* k : settingKeysOf(t.record(row))) {
            if (!now.contains(k->key) || !chance(50)) continue;
            if (k->type.starts_with("list of ")) {
                json list = now[k->key];
                for (auto& e : list) e = chance(50) ? value(*k, k->type.substr(8)) : e;
                s[k->key] = list;
            } else {
                s[k->key] = value(*k, k->type);
            }
        }
        applySettings(t, row, s);  // a refused choice leaves the module as it was
    }

    const ModuleCatalog& catalog_;
    std::mt19937 random_;
};

TEST(BomRoundTrip, GeneratedProjects)
{
    const ModuleCatalog catalog = shippedCatalog();
    Generator gen(catalog, 20);
    int withRaw = 0, withAddresses = 0;
    std::map<std::string, int> withSettings;  // placements with settings, by family
    for (int n = 0; n < 200; ++n) {
        Opened p(catalog);
        gen.fill(p.table);
        const std::string text = expectRoundTrip(catalog, p.table, "project " + std::to_string(n));
        if (text.empty()) break;
        const json bill = parseJsonText(text);
        for (const json& placement : bill["placements"]) {
            if (!placement.contains("settings")) continue;
            const SettingsFamily* family =
                settingsFamilyOf(catalog.at(catalog.indexOf(placement["module"].get<std::string>())));
            ++withSettings[family ? family->name : "none"];
        }
        withRaw += text.find("\"set\"") != std::string::npos;
        withAddresses += text.find("\"InBase\"") != std::string::npos || text.find("\"OutBase\"") != std::string::npos;
        if (HasFailure()) break;
    }
    // The generator reaches every part of a placement, and settings of every
    // family, most of them beyond the digital modules' texts.
    int beyondDigital = 0;
    for (const char* family :
         {"digital input", "digital output", "digital combined", "analog input", "analog output", "analog combined",
          "temperature", "counter", "encoder SSI", "two-axis encoder", "positioning", "cpu"}) {
        // The two-axis encoder is the rarest draw: one placement of it is enough.
        EXPECT_GE(withSettings[family], 1) << family;
        beyondDigital += std::string_view(family).starts_with("digital") ? 0 : withSettings[family];
    }
    EXPECT_GT(beyondDigital, 80);
    EXPECT_GT(withRaw, 10);
    EXPECT_GT(withAddresses, 40);
}

}  // namespace
}  // namespace rm::test

namespace rm::test {
namespace {

// ------------------------------------------------------------ CSV bills

class CsvBills : public ProjectFixture {
protected:
    BuildResult build(const std::string& csv) { return buildProjectFromCsv(app, csv, "/tmp/out/hall2.qv4"); }
    std::string refusal(const std::string& csv)
    {
        const BuildResult res = build(csv);
        EXPECT_NE(res.status, BuildResult::Ok) << csv;
        return res.message;
    }
};

TEST_F(CsvBills, ReadsAsTheJsonFormWithEverySettingInACell)
{
    // Semicolons, a byte-order mark, quoted cells, CR LF, an info-only line and a blank line.
    const BuildResult res = build(
        "\xEF\xBB\xBFrow;module;InBase;OutBase;ProjectInfo.ProjektName;ProjectInfo.Beschreibung\r\n"
        ";;;;Hall2;\"two\r\nlines; \"\"quoted\"\"\"\r\n"
        "1;QMV2.R300;;;;\r\n;;;;;\r\n5;QMV2.D110;;;;\r\n6;QMV2.D310;0;40;Hall2;\r\n");
    ASSERT_EQ(res.status, BuildResult::Ok) << res.message;
    EXPECT_EQ(res.project.rows[6].InBase, 2);  // 0 was taken: the moved address is accepted
    EXPECT_EQ(res.project.rows[6].OutBase, 40);
    EXPECT_EQ(res.project.info.ProjektName, "Hall2");
    EXPECT_EQ(res.project.info.Beschreibung, "two\r\nlines; \"quoted\"");
    // A Boolean of the project information in any of the spellings taken.
    for (const auto& [text, confirmed] :
         {std::pair{"true", true}, std::pair{"TRUE", true}, std::pair{"True", true}, std::pair{"false", false},
          std::pair{"FALSE", false}, std::pair{"False", false}}) {
        const BuildResult b = build(std::string("row,module,ProjectInfo.InfoBestaetigt\n1,QMV2.R300,") + text + "\n");
        ASSERT_EQ(b.status, BuildResult::Ok) << text << ": " << b.message;
        EXPECT_EQ(b.project.info.InfoBestaetigt != 0, confirmed) << text;
    }
    const CsvBill bill = billFromCsv("module,row\nQMV2.R300,1\n\nQMV2.D110,5");
    EXPECT_EQ(bill.lines, (std::vector<int>{2, 4}));
    EXPECT_EQ(bill.bill["placements"][1], json::parse(R"({"row": 5, "module": "QMV2.D110"})"));

    // Every setting of a module goes through a CSV cell as its own type, whole
    // numbers and Booleans too, per channel with '|' between the channels.
    put({{"QMV2.R300", "#1"}, {"QMV2.E301", "1"}});
    const int row = slotRow("1");
    const json settings = settingsOf(table, row);
    const auto cell = [](const json& v) { return v.is_string() ? v.get<std::string>() : v.dump(); };
    std::string header = "row,module", line = std::to_string(row) + ",QMV2.E301";
    std::set<std::string> kinds;
    for (const auto& item : settings.items()) {
        std::string text;
        if (item.value().is_array()) {
            for (std::size_t i = 0; i < item.value().size(); ++i) text += (i ? "|" : "") + cell(item.value()[i]);
            kinds.insert(std::string("list of ") + item.value()[0].type_name());
        } else {
            text = cell(item.value());
            kinds.insert(item.value().type_name());
        }
        header += ",settings." + item.key();
        line += ",\"" + text + "\"";
    }
    EXPECT_TRUE(kinds.count("boolean") && kinds.count("list of number")) << testing::PrintToString(kinds);
    const BuildResult built = build(header + "\n1,QMV2.R300" + std::string(settings.size(), ',') + "\n" + line + "\n");
    ASSERT_EQ(built.status, BuildResult::Ok) << built.message;
    EXPECT_EQ(built.project.rows[static_cast<std::size_t>(row)], table.record(row));
}

TEST_F(CsvBills, RefusalsNameTheLine)
{
    auto says = [&](const std::string& csv, const std::string& words) {
        const std::string m = refusal(csv);
        EXPECT_NE(m.find(words), std::string::npos) << csv << "\n" << m;
    };
    says("row,module\n1,QMV2.R300\n40,QMV2.D110\n", "line 3 (QMV2.D110 in row 40): the project has no row 40");
    says("row,module\n1,QMV2.R300\n5,QMV9.NONE\n", "line 3 (QMV9.NONE in row 5): the catalog has no module");
    says("row,module,colour\n", "line 1: unknown column \"colour\"");
    says("row,row,module\n", "line 1: the column \"row\" is given twice");
    says("module,InBase\n", "line 1: the header has no column \"row\"");
    says("row,module\nfive,QMV2.R300\n", "line 2: row must be a whole number");
    says("row,module,InBase\n1,QMV2.R300,  \n", "line 2: InBase must be a whole number, not \"  \"");
    says("row,module\n1,\"QMV2.R300\n", "line 2: a quoted cell is not closed");
    says("row,module\n1,\"QMV2\"R300\n", "line 2: text follows the closing quote");
    says("row,module\n1,QMV2\"R300\n", "line 2: a quote inside a cell");
    says("row,module\n1,QMV2.R300,extra\n", "line 2: more cells than the header");
    says("row,module,InBase\n,,4\n", "line 2: a placement needs both a row and a module");
    says("row,module\n1,QMV2.R300\n5,\xE4\n", "line 3: the text is not UTF-8");
    // Overlong forms, surrogates and values past Unicode are not UTF-8 either.
    says("row,module\n1,QMV2.R300\n5,\xC0\xA4\n", "line 3: the text is not UTF-8");
    says("row,module\n1,QMV2.R300\n\n5,\xED\xA0\x80\n", "line 4: the text is not UTF-8");
    says("row,module\n1,QMV2.R300\n5,\xF4\x90\x80\x80\n", "line 3: the text is not UTF-8");
    says("row,module,ProjectInfo.Autor\n1,QMV2.R300,\"a\tb\"\n", "line 2: the cell of column \"ProjectInfo.Autor\"");
    says("row,module,ProjectInfo.Autor\n1,QMV2.R300,A\n5,QMV2.D110,B\n",
         "line 3: ProjectInfo.Autor differs from what line 2 gives");
    says("row,module,ProjectInfo.InfoBestaetigt\n1,QMV2.R300,maybe\n", "must be true, false or a number");
    says("row,module,settings.nope\n1,QMV2.R300,x\n5,QMV2.D110,y\n", "line 2 (QMV2.R300 in row 1): settings:");
}

}  // namespace
}  // namespace rm::test
