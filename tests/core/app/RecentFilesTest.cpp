#include "core/app/RecentFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/TestSupport.h"

namespace rm {
namespace {

namespace fs = std::filesystem;

const auto kAll = [](const std::string&) { return true; };

TEST(RecentFiles, ReadTakesTheCountFromTheLastCharacter)
{
    const fs::path file = fs::temp_directory_path() / "rm-nura.ini";
    std::ofstream(file, std::ios::binary)
        << "Entries=12\r\nEntry1=C:\\a.qv4\r\nEntry2=C:\\b.qv4\r\nEntry3=C:\\c.qv4\r\n";
    RecentFiles r;
    ASSERT_TRUE(r.read(file, kAll));
    EXPECT_EQ(r.entries(), (std::vector<std::string>{"C:\\a.qv4", "C:\\b.qv4"}));
    // Files that are gone are dropped, and the list written next time has them no more.
    ASSERT_TRUE(r.read(file, [](const std::string& p) { return p != "C:\\a.qv4"; }));
    EXPECT_EQ(r.entries(), std::vector<std::string>{"C:\\b.qv4"});
    ASSERT_EQ(r.write(file), WriteResult::written());
    EXPECT_EQ(test::readText(file.string()), "Entries=1\r\nEntry1=C:\\b.qv4\r\n");
    fs::remove(file);
    EXPECT_FALSE(r.read(file, kAll));
    EXPECT_TRUE(r.entries().empty());
}

TEST(RecentFiles, AddMovesAndLimits)
{
    RecentFiles r;
    for (int i = 1; i <= 4; ++i) r.add("p" + std::to_string(i));
    EXPECT_EQ(r.entries(), (std::vector<std::string>{"p4", "p3", "p2", "p1"}));
    r.add("p4");
    EXPECT_EQ(r.entries().front(), "p4");
    r.add("p1");  // the fourth entry moves to the top
    EXPECT_EQ(r.entries(), (std::vector<std::string>{"p1", "p4", "p3", "p2"}));
    for (int i = 5; i <= 12; ++i) r.add("p" + std::to_string(i));
    EXPECT_EQ(r.entries(), (std::vector<std::string>{"p12", "p11", "p10", "p9", "p8", "p7", "p6", "p5", "p1"}));
    r.add("P12");  // exact comparison
    EXPECT_EQ(r.entries()[1], "p12");
}

// What the list cannot hold is not added, and a list that cannot be read is
// not replaced by what this run knows.
TEST(RecentFiles, NothingIsLostOrSplit)
{
    test::TempFolder dir;
    const fs::path file = dir.path / "nura.ini";
    RecentFiles r;
    EXPECT_TRUE(r.add("/p/\xc3\xa9t\xc3\xa9.qv4"));
    for (const char* bad : {"/p/a\nEntry2=/etc/passwd.qv4", "/p/a\r.qv4",
                            "/p/\xc5\x81\xc3\xb3"
                            "d\xc5\xba.qv4",
                            "/p/\xff.qv4", ""})
        EXPECT_FALSE(r.add(bad)) << bad;
    ASSERT_EQ(r.write(file), WriteResult::written());
    ASSERT_TRUE(r.read(file, kAll));
    EXPECT_EQ(r.entries(), std::vector<std::string>{"/p/\xc3\xa9t\xc3\xa9.qv4"});

    const std::string huge = "Entries=1\r\nEntry1=/p/kept.qv4\r\n" + std::string(2u << 20, ' ');
    test::writeText(file, huge);
    EXPECT_FALSE(r.read(file, kAll));
    r.add("/p/new.qv4");
    EXPECT_FALSE(r.write(file).ok());
    EXPECT_EQ(test::readText(file.string()), huge);
    fs::remove(file);
    EXPECT_FALSE(r.read(file, kAll));  // no list yet: the next one is written
    r.add("/p/new.qv4");
    EXPECT_EQ(r.write(file), WriteResult::written());
}

TEST(RecentFiles, ShortenPath)
{
    EXPECT_EQ(
        ShortenPath("C:\\a\\b.qv4") + " " + ShortenPath("C:\\x\\y\\z.qv4") + " " + ShortenPath("/home/u/p/hall2.qv4"),
        "C:\\a\\b.qv4 ..\\y\\z.qv4 ../p/hall2.qv4");
}

}  // namespace
}  // namespace rm
