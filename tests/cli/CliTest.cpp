// rackmason-cli as a user runs it: exit codes, outputs and files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include <nlohmann/json.hpp>

#include "core/settings/ModuleSettings.h"
#include "core/table/ProjectFile.h"
#include "support/TestSupport.h"

namespace rm::test {
namespace {

namespace fs = std::filesystem;

const char* const kBill = R"({"ProjectInfo": {"ProjektName": "Hall2"},
    "placements": [{"row": 1, "module": "QMV2.R300"}, {"row": 5, "module": "QMV2.D110"},
                   {"row": 6, "module": "QMV2.E301"}]})";

class Cli : public ::testing::Test {
protected:
    Cli()
    {
        fs::create_directories(dir / "res");
        write(dir / "res" / "katalog.INI",
              "[Katalog]\r\nTitle=Test\r\nEntries=1\r\nEntry1=CPU QMV\r\n[CPU QMV]\r\nEntries=2\r\n"
              "Entry1=QMV2.R300\r\nEntry2=QMV2.NONE\r\n[LANGUAGE]\r\nSELECTED=ENGLISH\r\n");
        write(dir / "res" / "NURA_E.txt", testCatalogText());
        write(dir / "res" / "NURA_G.txt", testCatalogText());
        write(dir / "bom.json", kBill);
    }
    static void write(const fs::path& p, const std::string& s) { writeText(p, s); }

    // Runs the tool with the test resources; returns its exit code.
    int run(const std::string& args)
    {
        const std::string cmd = std::string(RM_CLI) + " --resources " + (dir / "res").string() + " " + args + " >" +
                                (dir / "out.txt").string() + " 2>" + (dir / "err.txt").string();
        int status = std::system(cmd.c_str());
        out = readText((dir / "out.txt").string());
        err = readText((dir / "err.txt").string());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    int buildProject(const std::string& name = "p.qv4")
    {
        return run("build " + path("bom.json") + " -o " + path(name));
    }
    bool said(const std::string& text) const { return err.find(text) != std::string::npos; }
    // Runs the steps in order: each its arguments ("@" stands for the test
    // folder), the exit code it must end with and words its error output holds.
    struct Step {
        std::string args;
        int exit;
        std::string says = {};
    };
    void runAll(const std::vector<Step>& steps)
    {
        for (const Step& s : steps) {
            std::string args = s.args;
            for (auto at = args.find('@'); at != std::string::npos; at = args.find('@', at))
                args.replace(at, 1, dir.string() + "/");
            EXPECT_EQ(run(args), s.exit) << args << "\n" << err;
            EXPECT_TRUE(said(s.says)) << args << "\n" << err;
        }
    }

    const TempFolder temp;
    const fs::path& dir = temp.path;
    std::string out, err;
};

// Refusals and failures write nothing. JSON that would give a project file
// nothing opens, or that the tool would have to bend, is refused naming the
// file and the key; a good project at the output stays as it was.
TEST_F(Cli, ExitCodesAndRefusedJson)
{
    ASSERT_EQ(buildProject("good.qv4"), 0) << err;
    const std::string good = readText(path("good.qv4"));
    const std::string head = R"({"format": "rackmason-project", "version": 1)";
    write(dir / "bare.json", head + "}");
    write(dir / "v0.json", head + R"(, "ProjectInfo": {"FormatVersion": 0}})");
    write(
        dir / "inject.json",
        head + R"(, "ProjectInfo": {"FormatVersion": 3, "Autor": "S\r\nEND_DATA_BLOCK\r\nORGANIZATION_BLOCK OB 1"}})");
    write(dir / "huge.json", "[" + std::string(17u << 20, ' ') + "]");
    write(dir / "bomcr.json", R"({"ProjectInfo": {"ProjektName": "A\nB"}, "placements": []})");
    write(dir / "refused.json", R"({"placements": [{"row": 2, "module": "QMV2.D110"}]})");
    runAll({{"import @bare.json -o @good.qv4", 3, "bare.json: ProjectInfo, field \"FormatVersion\" is missing"},
            {"import @v0.json -o @good.qv4", 3, "v0.json: ProjectInfo, field \"FormatVersion\": 0 cannot be opened"},
            {"import @inject.json -o @good.qv4", 3, "field \"Autor\": holds a control character"},
            {"import @huge.json -o @good.qv4", 3, "huge.json: is too large"},
            {"build @huge.json -o @good.qv4", 3, "huge.json: is too large"},
            {"build @bomcr.json -o @good.qv4", 3, "field \"ProjektName\": holds a control character"},
            {"build @refused.json -o @good.qv4", 1, "refused.json: placement 0 (QMV2.D110 in row 2)"}});
    EXPECT_EQ(err.find("[json.exception"), std::string::npos) << err;
    EXPECT_EQ(readText(path("good.qv4")), good);

    write(dir / "junk.qv4", "junk");
    write(dir / "broken.json", "{");
    write(dir / "bad.json", R"({"format": "rackmason-project", "version": 9})");
    write(dir / "refused.json",
          R"({"placements": [{"row": 1, "module": "QMV2.R300"}, {"row": 2, "module": "QMV2.D110"}]})");
    write(dir / "invalid.json", R"({"placements": [{"row": 1}]})");
    for (const char* usage :
         {"", "frobnicate", "generate", "generate x.qv4 --io-db 7", "generate x.qv4 --cpu-db 0", "texts --language xx",
          "generate @p.qv4 --io-db 511 --cpu-db 511", "iolist @p.qv4 --separator tab", "picture @p.qv4 --language xx"})
        runAll({{usage, 2}});
    ASSERT_EQ(run("--version"), 0);
    EXPECT_EQ(out, std::string("rackmason-cli ") + RACKMASON_VERSION + "\n");
    runAll({{"catalog --find r300", 0},
            {"catalog --find nothing-like-it", 1, "no module matches"},
            {"build @bom.json -o @p.qv4", 0},
            {"check @p.qv4", 0},
            {"generate @junk.qv4", 3,
             "junk.qv4: The file is not a project file of RackMason (a project file is at least "},
            {"generate @junk.qv4", 3,
             "bytes long and starts with the project information). Data could not be load. "
             "(file ends early at byte 2)"},
            {"generate @p.qv4 --force -o @nowhere/x.awl", 3},
            {"import @broken.json -o @r.qv4", 3, "broken.json"},
            {"import @bad.json -o @r.qv4", 3},
            {"build @refused.json -o @r.qv4", 1, "placement 1"},
            {"build @invalid.json -o @r.qv4", 3},
            {"iolist @missing.qv4 -o @r.csv", 3, "missing.qv4"},
            {"picture @junk.qv4 -o @r.svg", 3}});
    for (const char* file : {"r.qv4", "r.svg", "r.csv"}) EXPECT_FALSE(fs::exists(dir / file)) << file;

    // Nothing but regular files is read.
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    runAll({{"generate @fifo", 3, "fifo: "},
            {"diff @p.qv4 @fifo", 3, "fifo: "},
            {"import @fifo -o @x.qv4", 3, "fifo: "},
            {"build @fifo -o @x.qv4", 3, "fifo: "},
            {"import @res -o @x.qv4", 3, "res: "}});
    for (const char* file : {"NURA_E.txt", "katalog.INI"}) {
        const fs::path data = dir / "res" / file;
        fs::rename(data, dir / "saved");
        ASSERT_EQ(::mkfifo(data.c_str(), 0600), 0);
        runAll({{"catalog", 3, data.string() + ": System file missing"}});
        EXPECT_TRUE(said("not a regular file")) << err;
        fs::remove(data);
        fs::rename(dir / "saved", data);
    }

    // Missing or unusable resource files end with exit 3 naming the file;
    // entries naming no module are a warning only.
    ASSERT_EQ(run("catalog --json"), 0) << err;
    EXPECT_EQ(err,
              "rackmason-cli: warning: Catalog entries that name no module of NURA_E.txt and insert nothing: 1 "
              "(QMV2.NONE)\n");
    write(dir / "res" / "NURA_E.txt", "\r\n\r\n");
    runAll({{"modules --language de", 0},
            {"modules --language fr", 3, "NURA_O.txt"},
            {"modules", 3, "NURA_E.txt: System file missing:NURA_x.TXT or KATALOG.INI (holds no module record)"}});
    fs::remove(dir / "res" / "katalog.INI");
    runAll({{"catalog --json", 3, "System file missing"}});
}

// Generated files are created without replacing what is there, unless --force.
TEST_F(Cli, GenerateAndIoList)
{
    ASSERT_EQ(buildProject(), 0) << err;
    runAll({{"generate @p.qv4", 0}, {"iolist @p.qv4 -o @io.csv", 0}, {"symbols @p.qv4 -o @s.seq", 0}});
    EXPECT_EQ(readText(path("p.awl")).substr(0, 17), "DATA_BLOCK DB 1\r\n");
    const std::string csv = readText(path("io.csv"));
    EXPECT_EQ(csv.substr(0, 10), "\xEF\xBB\xBFstation");
    EXPECT_NE(readText(path("s.seq")).find("IW 256\t"), std::string::npos);  // the format by the extension

    // The picture: one group per station, the module's order number and slot
    // label as text, the legend in the chosen language.
    ASSERT_EQ(run("picture " + path("p.qv4") + " --language de"), 0) << err;
    const std::string svg = out;
    EXPECT_EQ(svg.substr(0, 5), "<?xml");
    for (const char* part : {"<g id=\"station-0\" class=\"station\">", ">QMV2.E301</text>",
                             "font-weight=\"bold\">2</text>", "EB 256..EB 271", ">Analogeingabe</text>"})
        EXPECT_NE(svg.find(part), std::string::npos) << part;
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");

    const char* const outputs[] = {"p.awl", "io.csv", "p.svg", "s.seq"};
    for (const char* file : outputs) write(dir / file, "old");
    runAll({{"generate @p.qv4", 1, "use --force"},
            {"iolist @p.qv4 -o @io.csv", 1, "use --force"},
            {"picture @p.qv4 -o @p.svg --language de", 1, "use --force"},
            {"symbols @p.qv4 -o @s.seq", 1, "use --force"},
            {"picture @p.qv4 -o @p.qv4 --force", 1, "is the input file"},
            {"symbols @p.qv4 --format xls", 2}});
    for (const char* file : outputs) EXPECT_EQ(readText(path(file)), "old") << file;
    runAll({{"generate @p.qv4 --force --io-db 511 --cpu-db 1023", 0},
            {"iolist @p.qv4 -o @io.csv --force", 0},
            {"picture @p.qv4 -o @p.svg --language de --force", 0},
            {"symbols @p.qv4 -o @s.seq --force --format sdf", 0}});
    EXPECT_EQ(readText(path("io.csv")), csv);
    EXPECT_EQ(readText(path("p.svg")), svg);
    EXPECT_EQ(readText(path("s.seq")).substr(0, 1), "\"");
    EXPECT_NE(readText(path("p.awl")).find("DATA_BLOCK DB 511\r\n"), std::string::npos);
    EXPECT_NE(readText(path("p.awl")).find("DATA_BLOCK DB 1023\r\n"), std::string::npos);
    // Each block number reaches the source as typed, the I/O block first.
    runAll({{"generate @p.qv4 --force --io-db 1023 --cpu-db 1", 0}});
    const std::string awl = readText(path("p.awl"));
    EXPECT_EQ(awl.rfind("DATA_BLOCK DB 1023\r\n", 0), 0u);
    EXPECT_NE(awl.find("DATA_BLOCK DB 1\r\n"), std::string::npos);
    // The default source name stays in the project's folder.
    fs::create_directory(dir / "d");
    fs::copy_file(dir / "p.qv4", dir / "d" / "b");
    fs::copy_file(dir / "p.qv4", dir / "d" / "projectfile");
    runAll({{"generate @d/b", 0, ""}, {"generate @d/projectfile", 0, ""}});
    EXPECT_EQ(out, path("d/projectfile.awl") + "\n");
    EXPECT_TRUE(fs::exists(dir / "d" / "b.awl"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "d"), fs::directory_iterator{}), 4);

    // Bytes after the records: opened as before, with a warning counting them.
    write(dir / "tail.qv4", readText(path("p.qv4")) + std::string(4096, 'x'));
    runAll({{"generate @tail.qv4 -o @tail.awl", 0,
             "rackmason-cli: warning: " + path("tail.qv4") + ": The file holds 4096 bytes after the project's records"},
            {"generate @p.qv4 -o @plain.awl", 0, ""}});
    EXPECT_EQ(readText(path("tail.awl")), readText(path("plain.awl")));

    // The German mnemonics, in the I/O list and the symbol table.
    ASSERT_EQ(run("iolist " + path("p.qv4") + " --mnemonics de --separator ';'"), 0) << err;
    EXPECT_NE(out.find("0;2;QMV2.E301;AI 8x 12 bit;input;256;271;16;EB 256..EB 271\r\n"), std::string::npos) << out;
    ASSERT_EQ(run("symbols " + path("p.qv4") + " --mnemonics de --format asc"), 0) << err;
    EXPECT_NE(out.find("EW 256      INT"), std::string::npos) << out;

    // A project received from someone else whose texts or numbers the source
    // cannot carry: generate refuses it, naming row and field, and writes nothing.
    auto read = readProjectFile(path("p.qv4"));
    ASSERT_EQ(read.status, ProjectReadStatus::Ok) << read.detail;
    ProjectData injected = read.data, huge = read.data;
    injected.info.Autor = "Service\r\nEND_DATA_BLOCK\r\nORGANIZATION_BLOCK OB 1";
    huge.rows[6].InCnt = 2147483647;
    ASSERT_EQ(writeProjectFile(path("injected.qv4"), injected), WriteResult::written());
    ASSERT_EQ(writeProjectFile(path("huge.qv4"), huge), WriteResult::written());
    runAll({{"generate @injected.qv4", 3,
             "injected.qv4: The source was not generated: project information, field "
             "Autor holds a control character (Service\\x0D\\x0AEND_DATA_BLOCK"},
            {"generate @huge.qv4 -o @huge.awl", 3, "row 6, field InCnt holds 2147483647, which its type INT"}});
    for (const char* file : {"injected.awl", "huge.awl"}) EXPECT_FALSE(fs::exists(dir / file)) << file;
}

TEST_F(Cli, OutputOverTheInputOrAnOpenProjectIsRefused)
{
    ASSERT_EQ(buildProject("p.awl"), 0) << err;
    ASSERT_EQ(run("export " + path("p.awl") + " -o " + path("p.json")), 0) << err;
    fs::create_symlink(path("p.awl"), dir / "alias.qv4");
    const std::string project = readText(path("p.awl")), json = readText(path("p.json"));
    runAll({{"generate @p.awl --force", 1, "is the input file"},
            {"generate @alias.qv4 --force -o @p.awl", 1, "is the input file"},
            {"export @p.awl -o @alias.qv4", 1, "is the input file"},
            {"import @p.json -o @p.json", 1, "is the input file"},
            {"build @bom.json -o @./bom.json", 1, "is the input file"},
            {"iolist @p.awl --force -o @alias.qv4", 1, "is the input file"},
            {"symbols @p.awl --force -o @alias.qv4", 1, "is the input file"}});
    EXPECT_EQ(readText(path("p.awl")), project);
    EXPECT_EQ(readText(path("p.json")), json);

    // A project open in the desktop program (its lock names a running process)
    // is replaced only with --force; a stale lock is no obstacle.
    ASSERT_EQ(buildProject(), 0) << err;
    const std::string open = readText(path("p.qv4"));
    write(dir / ".p.qv4.lock", "user=anna\nhost=elsewhere\npid=4242\ntime=2026-12-07 10:00:00\n");
    runAll({{"import @p.json -o @p.qv4", 1, "is open in RackMason (user anna, host elsewhere, process 4242"},
            {"build @bom.json -o @p.qv4", 1, "use --force"}});
    EXPECT_EQ(readText(path("p.qv4")), open);
    runAll({{"import @p.json -o @p.qv4 --force", 0}, {"build @bom.json -o @p.qv4 --force", 0}});
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    write(dir / ".p.qv4.lock", std::string("user=anna\nhost=") + host + "\npid=1073741808\ntime=t\n");
    runAll({{"import @p.json -o @p.qv4", 0}});
}

TEST_F(Cli, RoundTripsCheckAndDiff)
{
    ASSERT_EQ(buildProject(), 0) << err;
    runAll({{"export @p.qv4 -o @p.json", 0}, {"import @p.json -o @q.qv4", 0}});
    EXPECT_EQ(readText(path("p.qv4")), readText(path("q.qv4")));
    // The analog module moved over the digital one.
    std::string overlap = kBill;
    overlap.replace(overlap.rfind("}]"), 1, R"(, "set": {"InBase": 0, "ModFlags": 16384}})");
    write(dir / "bom.json", overlap);
    runAll({{"build @bom.json -o @r.qv4", 0},
            {"check @r.qv4", 1},
            {"diff @p.qv4 @q.qv4", 0},
            {"diff --raw @p.qv4 @r.qv4", 1}});
    EXPECT_NE(out.find("QMV2.E301 changed: ModFlags"), std::string::npos) << out;
    // In words: one line per change; as JSON: the same entries as data.
    runAll({{"diff @p.qv4 @r.qv4", 1}});
    EXPECT_NE(out.find("slot 2 QMV2.E301: InBase 256 \u2192 0\n"), std::string::npos) << out;
    runAll({{"diff --json @p.qv4 @r.qv4", 1}});
    const auto j = nlohmann::json::parse(out);
    EXPECT_FALSE(j["same"].get<bool>());
    bool found = false;
    for (const auto& e : j["differences"])
        found = found || (e["kind"] == "field" && e["field"] == "InBase" && e["before"] == 256 && e["after"] == 0 &&
                          e["b"]["place"] == "slot 2");
    EXPECT_TRUE(found) << out;
    runAll({{"diff --json @p.qv4 @q.qv4", 0}});
    EXPECT_TRUE(nlohmann::json::parse(out)["same"].get<bool>()) << out;

    // bom writes a bill that build turns back into the same source; a CSV bill builds too.
    runAll({{"bom @p.qv4 -o @again.bom.json", 0},
            {"bom @p.qv4 -o @again.bom.json", 1, "already exists"},
            {"bom @p.qv4 -o @again.bom.json --force", 0},
            {"build @again.bom.json -o @again.qv4", 0},
            {"generate @p.qv4 -o @p.awl", 0},
            {"generate @again.qv4 -o @again.awl", 0}});
    EXPECT_EQ(readText(path("p.awl")), readText(path("again.awl")));
    ASSERT_EQ(run("bom " + path("p.qv4")), 0) << err;
    EXPECT_NE(out.find(R"({"row": 5, "module": "QMV2.D110"})"), std::string::npos) << out;

    write(dir / "bom.csv",
          "row;module;ProjectInfo.ProjektName\r\n1;QMV2.R300;Hall2\r\n5;QMV2.D110;\r\n6;QMV2.E301;\r\n");
    runAll({{"build @bom.csv -o @csv.qv4", 0}, {"generate @csv.qv4 -o @csv.awl", 0}});
    EXPECT_EQ(readText(path("csv.awl")), readText(path("p.awl")));
    write(dir / "bad.csv", "row,module\n1,QMV2.R300\n40,QMV2.D110\n");
    runAll({{"build @bad.csv -o @bad.qv4", 1, "bad.csv: line 3 (QMV2.D110 in row 40)"},
            {"build @missing.csv -o @bad.qv4", 3}});
    EXPECT_FALSE(fs::exists(dir / "bad.qv4"));
}

using nlohmann::json;

json& rowOf(json& project, int row)
{
    for (json& r : project["rows"])
        if (r["row"] == row) return r;
    ADD_FAILURE() << "no row " << row;
    return project;
}

// Export names each dialog's choices beside the raw fields, and import of an
// export gives the same file; the settings are checked against the fields,
// and what disagrees is refused naming the row and the key.
TEST_F(Cli, SettingsAreExportedCheckedOnImportAndListed)
{
    std::string bill = kBill;
    bill.replace(bill.rfind("}]"), 2, R"(}, {"row": 7, "module": "QMV2.N040"}])");
    write(dir / "bom.json", bill);
    ASSERT_EQ(buildProject(), 0) << err;
    ASSERT_EQ(run("export " + path("p.qv4")), 0) << err;
    json exported = json::parse(out);
    const json& analog = rowOf(exported, 6)["settings"];
    EXPECT_EQ(nlohmann::ordered_json::parse(out)["rows"][2]["settings"].begin().key(), "designation")
        << "the family's order";
    EXPECT_EQ(analog["designation"], rowOf(exported, 6)["Bezeichnung"]);
    ASSERT_EQ(analog["channelRange"].size(), 7u) << analog;
    EXPECT_EQ(rowOf(exported, 5)["settings"], json::parse(R"({"designation": "DI 16x DC 24V", "comment": ""})"));
    EXPECT_FALSE(rowOf(exported, 7).contains("settings"));  // its module has no dialog

    auto refused = [&](const std::string& name, int row, const std::string& key, const json& value) {
        json changed = exported;
        rowOf(changed, row)["settings"][key] = value;
        write(dir / name, changed.dump());
        return Step{"import @" + name + " -o @q.qv4", 3, name + ": row " + std::to_string(row) + ", settings: "};
    };
    Step text = refused("text.json", 5, "designation", "x"), noDialog = refused("nodialog.json", 7, "designation", "x");
    text.says += "key \"designation\": the settings say \"x\"";
    noDialog.says += "this row has no parameter dialog";
    json empty = exported;
    rowOf(empty, 7)["settings"] = json::object();  // even none at all
    write(dir / "empty.json", empty.dump());
    runAll({text, noDialog, {"import @empty.json -o @q.qv4", 3, "row 7, settings: this row has no"}});
    EXPECT_FALSE(fs::exists(dir / "q.qv4"));

    // Settings as exported, or only some of them, or none: the fields decide.
    rowOf(exported, 6)["settings"] = {{"filter", analog["filter"]}};
    rowOf(exported, 5).erase("settings");
    write(dir / "some.json", exported.dump());
    runAll({{"import @some.json -o @q.qv4", 0}});
    EXPECT_EQ(readText(path("q.qv4")), readText(path("p.qv4")));
    for (const std::string name : {"packing-machine", "press-line"}) {
        const std::string example = (fs::path(RM_RESOURCES).parent_path() / "examples" / (name + ".qv4")).string();
        runAll({{"export " + example + " -o @" + name + ".json", 0},
                {"import @" + name + ".json -o @" + name + ".qv4", 0}});
        EXPECT_NE(readText(path(name + ".json")).find("\"settings\""), std::string::npos) << name;
        EXPECT_EQ(readText(path(name + ".qv4")), readText(example)) << name;
    }

    // The listing names every family and key, for a terminal and for scripts.
    ASSERT_EQ(run("settings --json"), 0) << err;
    const json listing = json::parse(out);
    EXPECT_EQ(listing["format"], "rackmason-settings");
    const auto& families = settingsFamilies();
    ASSERT_EQ(listing["families"].size(), families.size()) << out;
    for (std::size_t f = 0; f < families.size(); ++f) {
        const json& family = listing["families"][f];
        EXPECT_EQ(family["name"], families[f].name);
        ASSERT_EQ(family["keys"].size(), families[f].keys.size()) << families[f].name;
        for (std::size_t k = 0; k < families[f].keys.size(); ++k) {
            const SettingInfo& info = families[f].keys[k];
            const json& key = family["keys"][k];
            EXPECT_EQ(key["key"], info.key);
            EXPECT_EQ(key["type"], info.type);
            EXPECT_FALSE(key["meaning"].get<std::string>().empty()) << info.key;
            if (info.type.ends_with("choice")) {
                EXPECT_EQ(key["values"], json(info.values)) << info.key;
            }
            if (info.type.ends_with("integer")) {
                EXPECT_EQ(key["max"], info.max) << info.key;
            }
        }
    }
    ASSERT_EQ(run("settings"), 0) << err;
    out.insert(0, "\n");
    for (const SettingsFamily& f : families) EXPECT_NE(out.find("\n" + f.name + "\n"), std::string::npos) << f.name;
    EXPECT_NE(out.find("  channelRange (list of choice): 0...4095 | 0...10'000 |"), std::string::npos) << out;
    EXPECT_NE(out.find("  channelCustomMin (list of integer): -32768..32767\n"), std::string::npos) << out;
}

}  // namespace
}  // namespace rm::test
