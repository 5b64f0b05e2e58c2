#include "core/catalog/CatalogTree.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace rm {
namespace {

IniFile ini(const std::string& text)
{
    return IniFile(text);
}

TEST(CatalogTree, GroupsAndModules)
{
    auto cat = test::testCatalog();
    auto root = CreateTreeV(ini("[Katalog]\nTitle=Hardware\nEntries=2\nEntry1=CPU QMV\nEntry2=Digital\n"
                                "[CPU QMV]\nEntries=2\nEntry1=QMV2.R300\nEntry2=QMV1.R200\n"
                                "[Digital]\nEntries=2\nEntry1=Inputs\nEntry2=QMV2.D210\n"
                                "[Inputs]\nEntries=1\nEntry1=QMV2.D110\n"),
                            cat);
    EXPECT_EQ((std::vector<std::string>{root.text, root.image, root.expandedImage()}),
              (std::vector<std::string>{"Hardware", "closed", "open"}));
    ASSERT_EQ(root.children.size(), 2u);
    const auto& cpus = root.children[0];
    const auto& digital = root.children[1];
    ASSERT_EQ(cpus.children.size() + digital.children.size(), 4u);
    EXPECT_EQ(
        (std::vector<std::string>{cpus.children[0].image, cpus.children[0].text, digital.children[0].children[0].text,
                                  digital.children[0].children[0].image, digital.children[1].image}),
        (std::vector<std::string>{"CPU", "CPU 300 family 2 with B2 and connector", "DI 16x DC 24V", "MODUL", "MODUL"}));
    EXPECT_EQ(cpus.children[0].index, cat.indexOf("QMV2.R300"));
    EXPECT_TRUE(digital.children[0].isGroup);
}

TEST(CatalogTree, CpuImageOnlyUnderTheExactGroupName)
{
    auto cat = test::testCatalog();
    auto root = CreateTreeV(ini("[Katalog]\nEntries=1\nEntry1=Cpu Qmv\n[cpu qmv]\nEntries=1\nEntry1=QMV2.R300\n"), cat);
    EXPECT_EQ(root.text, "leer");
    ASSERT_EQ(root.children.size(), 1u);
    EXPECT_EQ(root.children[0].children.at(0).image, "MODUL");
}

TEST(CatalogTree, EmptyAndUnknownEntries)
{
    auto cat = test::testCatalog();
    EXPECT_TRUE(CreateTreeV(ini("[Katalog]\nTitle=T\nEntries=0\n"), cat).children.empty());
    auto root = CreateTreeV(ini("[Katalog]\nEntries=2\nEntry1=Empty\nEntry2=G\n"
                                "[G]\nEntries=3\nEntry1=QMV2.D110\nEntry2=NOPE.X\nEntry3=QMV2.D110\n"),
                            cat);
    EXPECT_TRUE(root.children[0].children.empty());
    EXPECT_FALSE(root.children[0].tag.has_value());
    const auto& g = root.children[1].children;
    ASSERT_EQ(g.size(), 3u);
    // An entry that is neither a group nor a module shows its name and inserts nothing.
    EXPECT_EQ(g[1].text, "NOPE.X");
    EXPECT_EQ(g[1].index, 0);
    EXPECT_EQ(g[0].index, g[2].index);
}

TEST(CatalogTree, TopLevelGroupNamedLikeAModuleShowsItsDescription)
{
    auto cat = test::testCatalog();
    auto root =
        CreateTreeV(ini("[Katalog]\nEntries=1\nEntry1=QMV2.R300\n[QMV2.R300]\nEntries=1\nEntry1=QMV2.D110\n"), cat);
    ASSERT_TRUE(root.children[0].tag.has_value());
    EXPECT_EQ(*root.children[0].tag, "A family-2 CPU.\r\n");
}

TEST(CatalogTree, AGroupThatContainsItselfStops)
{
    auto cat = test::testCatalog();
    auto root = CreateTreeV(ini("[Katalog]\nEntries=1\nEntry1=A\n[A]\nEntries=2\nEntry1=B\nEntry2=QMV2.D110\n"
                                "[B]\nEntries=1\nEntry1=A\n"),
                            cat);
    const auto& b = root.children[0].children.at(0);
    EXPECT_EQ(b.text, "B");
    ASSERT_EQ(b.children.size(), 1u);
    EXPECT_TRUE(b.children[0].children.empty());
}

TEST(CatalogTree, FanOutAndDepthAreBounded)
{
    auto cat = test::testCatalog();
    struct Case {
        std::string ini;
        std::string refused;
    };
    std::string deep = "[Katalog]\nEntries=1\nEntry1=G0\n";
    for (int i = 0; i < 40; ++i)
        deep += "[G" + std::to_string(i) + "]\nEntries=1\nEntry1=G" + std::to_string(i + 1) + "\n";
    const Case cases[] = {
        // Each missing entry falls back to "leer", a group of 32767 entries
        // of its own: a billion nodes from a few bytes.
        {"[Katalog]\nEntries=1\nEntry1=Fan\n[Fan]\nEntries=32767\n[leer]\nEntries=32767\n",
         "the catalog tree grows past 100000 entries in group \"leer\""},
        {deep, "the catalog tree nests deeper than 32 levels in group \"G32\""},
    };
    for (const auto& c : cases) {
        CatalogTreeReport report;
        CreateTreeV(ini(c.ini), cat, &report);
        EXPECT_EQ(report.refused, c.refused);
    }
}

TEST(CatalogTree, UnknownEntriesAndBadCountsAreReportedOnce)
{
    auto cat = test::testCatalog();
    CatalogTreeReport report;
    // Group S is listed twice; its unknown entry and its bad count are named once.
    auto root = CreateTreeV(ini("[Katalog]\nEntries=3\nEntry1=S\nEntry2=S\nEntry3=Neg\n"
                                "[S]\nEntries=99999\nEntry1=QMV2.D110\nEntry2=NOPE.X\n"
                                "[Neg]\nEntries=-4\n[T]\nEntries=abc\n"
                                "[Q]\nEntries=1\nEntry1=T\n"),
                            cat, &report);
    EXPECT_EQ(report.refused, "");
    // As before: a huge count is cut to 32767, the missing entries read "leer".
    EXPECT_EQ(root.children[0].children.size(), 32767u);
    EXPECT_EQ(report.unknownEntries, (std::vector<std::string>{"NOPE.X", "leer"}));
    EXPECT_EQ(report.entriesOutOfRange, (std::vector<std::string>{"[S] Entries=99999", "[Neg] Entries=-4"}));
    const std::string en = catalogWarnings(Texts(kEnglishBase), report, "NURA_E.txt");
    EXPECT_NE(en.find("no module of NURA_E.txt and insert nothing: 2 (NOPE.X, leer)"), std::string::npos) << en;
    EXPECT_NE(en.find("outside 0..32767 in Katalog.ini: [S] Entries=99999, [Neg] Entries=-4"), std::string::npos);
    EXPECT_NE(catalogWarnings(Texts(kGermanBase), report, "NURA_G.txt").find("NURA_G.txt"), std::string::npos);

    CreateTreeV(ini("[Katalog]\nEntries=1\nEntry1=Q\n[Q]\nEntries=1\nEntry1=T\n[T]\nEntries=abc\n"), cat, &report);
    EXPECT_EQ(report.entriesOutOfRange, (std::vector<std::string>{"[T] Entries=abc"}));
    EXPECT_EQ(report.unknownEntries, (std::vector<std::string>{"T"}));
    CreateTreeV(ini("[Katalog]\nEntries=1\nEntry1=G\n[G]\nEntries=1\nEntry1=QMV2.D110\n"), cat, &report);
    EXPECT_EQ(catalogWarnings(Texts(kEnglishBase), report, "NURA_E.txt"), "");
}

}  // namespace
}  // namespace rm
