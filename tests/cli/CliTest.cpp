// rackmason-cli as a user runs it: exit codes, outputs and files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

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
        dir =
            fs::temp_directory_path() / ("rm-cli-" + std::to_string(::getpid()) + "-" +
                                         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir / "res");
        write(dir / "res" / "katalog.INI",
              "[Katalog]\r\nTitle=Test\r\nEntries=1\r\nEntry1=CPU QMV\r\n[CPU QMV]\r\nEntries=2\r\n"
              "Entry1=QMV2.R300\r\nEntry2=QMV2.NONE\r\n[LANGUAGE]\r\nSELECTED=ENGLISH\r\n");
        write(dir / "res" / "NURA_E.txt", testCatalogText());
        write(dir / "res" / "NURA_G.txt", testCatalogText());
        write(dir / "bom.json", kBill);
    }
    ~Cli() override { fs::remove_all(dir); }

    static void write(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

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

    fs::path dir;
    std::string out, err;
};

TEST_F(Cli, Arguments)
{
    EXPECT_EQ(run("--help"), 0);
    for (const char* bad : {"", "frobnicate", "generate", "generate x.qv4 --io-db 7", "texts --language xx",
                            "generate p.qv4 --io-db 511 --cpu-db 511", "iolist p.qv4 --separator tab"})
        EXPECT_EQ(run(bad), 2) << bad;
    ASSERT_EQ(run("catalog --find r300"), 0) << err;
    EXPECT_NE(out.find("CPU 300 family 2"), std::string::npos);
    EXPECT_EQ(run("catalog --find nothing-like-it"), 1);
}

// Missing or unusable resource files end with exit 3 naming the file; entries
// naming no module are a warning only.
TEST_F(Cli, CatalogFiles)
{
    ASSERT_EQ(run("catalog --json"), 0) << err;
    EXPECT_EQ(err,
              "rackmason-cli: warning: Catalog entries that name no module of NURA_E.txt and insert nothing: 1 "
              "(QMV2.NONE)\n");
    ASSERT_EQ(run("modules --json --language de"), 0) << err;
    EXPECT_EQ(nlohmann::json::parse(out)[0]["BestellNr"], "QMV2.R300");
    EXPECT_EQ(run("modules --json --language fr"), 3);
    EXPECT_TRUE(said("NURA_O.txt"));

    write(dir / "res" / "NURA_E.txt", "\r\n\r\n");
    EXPECT_EQ(run("modules"), 3);
    EXPECT_TRUE(said("NURA_E.txt: System file missing:NURA_x.TXT or KATALOG.INI (holds no module record)")) << err;
    fs::remove(dir / "res" / "katalog.INI");
    EXPECT_EQ(run("catalog --json"), 3);
    EXPECT_TRUE(said("System file missing"));
}

TEST_F(Cli, NothingButRegularFilesIsRead)
{
    ASSERT_EQ(buildProject(), 0) << err;
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    const std::string fifo = path("fifo"), folder = path("res");
    const std::pair<std::string, std::string> cases[] = {
        {"generate " + fifo, fifo},
        {"diff " + path("p.qv4") + " " + fifo, fifo},
        {"import " + fifo + " -o " + path("x.qv4"), fifo},
        {"build " + fifo + " -o " + path("x.qv4"), fifo},
        {"import " + folder + " -o " + path("x.qv4"), folder},
    };
    for (const auto& [args, named] : cases) {
        EXPECT_EQ(run(args), 3) << args;
        EXPECT_TRUE(said(named + ": ")) << err;
    }
    for (const char* file : {"NURA_E.txt", "katalog.INI"}) {
        const fs::path data = dir / "res" / file;
        fs::remove(data);
        ASSERT_EQ(::mkfifo(data.c_str(), 0600), 0);
        EXPECT_EQ(run("catalog"), 3) << file;
        EXPECT_TRUE(said(data.string() + ": System file missing")) << err;
        EXPECT_TRUE(said("not a regular file")) << err;
        fs::remove(data);
        write(data, file[0] == 'N' ? testCatalogText() : "[Katalog]\r\n[LANGUAGE]\r\nSELECTED=ENGLISH\r\n");
    }
}

// A refused or unreadable input writes nothing.
TEST_F(Cli, BuildExportImport)
{
    ASSERT_EQ(buildProject(), 0) << err;
    ASSERT_EQ(run("export " + path("p.qv4") + " -o " + path("p.json")), 0) << err;
    ASSERT_EQ(run("import " + path("p.json") + " -o " + path("q.qv4")), 0) << err;
    EXPECT_EQ(readText(path("p.qv4")), readText(path("q.qv4")));

    write(dir / "bad.json", "{\"format\": \"rackmason-project\", \"version\": 9}");
    EXPECT_EQ(run("import " + path("bad.json") + " -o " + path("r.qv4")), 3);
    write(dir / "broken.json", "{");
    EXPECT_EQ(run("import " + path("broken.json") + " -o " + path("r.qv4")), 3);
    EXPECT_TRUE(said("broken.json"));
    write(dir / "bom.json",
          R"({"placements": [{"row": 1, "module": "QMV2.R300"}, {"row": 2, "module": "QMV2.D110"}]})");
    EXPECT_EQ(buildProject("r.qv4"), 1);
    EXPECT_TRUE(said("placement 1"));
    write(dir / "bom.json", R"({"placements": [{"row": 1}]})");
    EXPECT_EQ(buildProject("r.qv4"), 3);
    EXPECT_FALSE(fs::exists(dir / "r.qv4"));
}

TEST_F(Cli, Generate)
{
    ASSERT_EQ(buildProject(), 0) << err;
    ASSERT_EQ(run("generate " + path("p.qv4")), 0) << err;
    EXPECT_EQ(readText(path("p.awl")).substr(0, 17), "DATA_BLOCK DB 1\r\n");

    // An existing source file is kept unless --force.
    write(dir / "p.awl", "old");
    EXPECT_EQ(run("generate " + path("p.qv4")), 1);
    EXPECT_EQ(readText(path("p.awl")), "old");
    ASSERT_EQ(run("generate " + path("p.qv4") + " --force --io-db 511 --cpu-db 1023 -o " + path("p.awl")), 0);
    const std::string both = readText(path("p.awl"));
    EXPECT_NE(both.find("DATA_BLOCK DB 511\r\n"), std::string::npos);
    EXPECT_NE(both.find("DATA_BLOCK DB 1023\r\n"), std::string::npos);

    write(dir / "junk.qv4", "junk");
    EXPECT_EQ(run("generate " + path("junk.qv4")), 3);
    EXPECT_TRUE(said("Data could not be load"));
    EXPECT_EQ(run("generate " + path("p.qv4") + " --force -o " + path("nowhere/x.awl")), 3);
}

TEST_F(Cli, OutputOverTheInputIsRefused)
{
    ASSERT_EQ(buildProject("p.awl"), 0) << err;
    ASSERT_EQ(run("export " + path("p.awl") + " -o " + path("p.json")), 0) << err;
    fs::create_symlink(path("p.awl"), dir / "alias.qv4");
    const std::string project = readText(path("p.awl")), json = readText(path("p.json"));
    for (const std::string& args :
         {"generate " + path("p.awl") + " --force", "generate " + path("alias.qv4") + " --force -o " + path("p.awl"),
          "export " + path("p.awl") + " -o " + path("alias.qv4"), "import " + path("p.json") + " -o " + path("p.json"),
          "build " + path("bom.json") + " -o " + dir.string() + "/./bom.json",
          "iolist " + path("p.awl") + " --force -o " + path("alias.qv4")}) {
        EXPECT_EQ(run(args), 1) << args;
        EXPECT_TRUE(said("is the input file")) << err;
    }
    EXPECT_EQ(readText(path("p.awl")), project);
    EXPECT_EQ(readText(path("p.json")), json);
}

TEST_F(Cli, CheckAndDiff)
{
    ASSERT_EQ(buildProject(), 0) << err;
    ASSERT_EQ(run("check " + path("p.qv4")), 0) << err;
    EXPECT_NE(out.find("No problems found."), std::string::npos);
    // The analog module moved over the digital one.
    std::string overlap = kBill;
    overlap.replace(overlap.rfind("}]"), 1, R"(, "set": {"InBase": 0, "ModFlags": 16384}})");
    write(dir / "bom.json", overlap);
    ASSERT_EQ(buildProject("q.qv4"), 0) << err;
    EXPECT_EQ(run("check " + path("q.qv4")), 1);
    EXPECT_NE(out.find("overlap"), std::string::npos);

    EXPECT_EQ(run("diff " + path("p.qv4") + " " + path("p.qv4")), 0);
    EXPECT_EQ(run("diff " + path("p.qv4") + " " + path("q.qv4")), 1);
    EXPECT_NE(out.find("QMV2.E301 changed: ModFlags"), std::string::npos) << out;
}

// A file gets a byte-order mark, is not replaced without --force, and is not
// written at all when the project cannot be read.
TEST_F(Cli, IoList)
{
    ASSERT_EQ(buildProject(), 0) << err;
    ASSERT_EQ(run("iolist " + path("p.qv4") + " --mnemonics de --separator ';'"), 0) << err;
    EXPECT_NE(out.find("0;2;QMV2.E301;AI 8x 12 bit;input;256;271;16;EB 256..EB 271\r\n"), std::string::npos) << out;

    ASSERT_EQ(run("iolist " + path("p.qv4") + " -o " + path("io.csv")), 0) << err;
    const std::string csv = readText(path("io.csv"));
    EXPECT_EQ(csv.substr(0, 10), "\xEF\xBB\xBFstation");
    write(dir / "io.csv", "old");
    EXPECT_EQ(run("iolist " + path("p.qv4") + " -o " + path("io.csv")), 1);
    EXPECT_EQ(readText(path("io.csv")), "old");
    EXPECT_EQ(run("iolist " + path("p.qv4") + " -o " + path("io.csv") + " --force"), 0);
    EXPECT_EQ(readText(path("io.csv")), csv);
    EXPECT_EQ(run("iolist " + path("missing.qv4") + " -o " + path("new.csv")), 3);
    EXPECT_FALSE(fs::exists(dir / "new.csv"));
}

}  // namespace
}  // namespace rm::test
