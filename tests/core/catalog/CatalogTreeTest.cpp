#include "core/catalog/CatalogTree.h"

#include <gtest/gtest.h>

#include <functional>

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
    // An entry named like a module is the module; any other a group, even when
    // it has no section, contains itself or differs only in case.
    auto root = CreateTreeV(
        ini("[Katalog]\nTitle=Hardware\nEntries=4\nEntry1=CPU QMV\nEntry2=Digital\nEntry3=Cpu Qmv\nEntry4=Empty\n"
            "[CPU QMV]\nEntries=1\nEntry1=QMV2.R300\n"
            "[Digital]\nEntries=4\nEntry1=Inputs\nEntry2=QMV2.D210\nEntry3=NOPE.X\nEntry4=QMV2.D210\n"
            "[Inputs]\nEntries=2\nEntry1=QMV2.D110\nEntry2=Digital\n"
            "[cpu qmv]\nEntries=1\nEntry1=QMV2.R300\n"),
        cat);
    EXPECT_EQ((std::vector<std::string>{root.text, root.image, root.expandedImage()}),
              (std::vector<std::string>{"Hardware", "closed", "open"}));
    ASSERT_EQ(root.children.size(), 4u);
    const auto &cpus = root.children[0], &digital = root.children[1], &inputs = digital.children.at(0);
    ASSERT_EQ(cpus.children.size() + digital.children.size() + inputs.children.size(), 7u);
    EXPECT_EQ((std::vector<std::string>{cpus.children[0].image, cpus.children[0].text, inputs.children[0].text,
                                        inputs.children[0].image, digital.children[1].image,
                                        root.children[2].children.at(0).image, digital.children[2].text,
                                        inputs.children[1].text}),
              (std::vector<std::string>{"CPU", "CPU 300 family 2 with B2 and connector", "DI 16x DC 24V", "MODUL",
                                        "MODUL", "MODUL", "NOPE.X", "Digital"}));
    EXPECT_EQ(cpus.children[0].index, cat.indexOf("QMV2.R300"));
    EXPECT_EQ(digital.children[1].index, digital.children[3].index);
    EXPECT_EQ(digital.children[2].index, 0);  // shows its name and inserts nothing
    EXPECT_TRUE(root.children[3].isGroup && root.children[3].children.empty());
    EXPECT_TRUE(inputs.isGroup);
    EXPECT_TRUE(inputs.children[1].children.empty());  // the group that contains itself stops
    // A top-level group named like a module shows the module's description.
    root = CreateTreeV(ini("[Katalog]\nEntries=1\nEntry1=QMV2.R300\n[QMV2.R300]\nEntries=1\nEntry1=QMV2.D110\n"), cat);
    ASSERT_TRUE(root.children[0].tag.has_value());
    EXPECT_EQ(*root.children[0].tag, "A family-2 CPU.\r\n");
    EXPECT_TRUE(CreateTreeV(ini("[Katalog]\nTitle=T\nEntries=0\n"), cat).children.empty());
}

TEST(CatalogTree, FanOutAndDepthAreBounded)
{
    auto cat = test::testCatalog();
    struct Case {
        std::string ini;
        std::string refused;
        int maxNodes = kMaxCatalogNodes;
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
        // A smaller bound asked for holds the same way; a tree that fits it
        // exactly is not refused.
        {"[Katalog]\nEntries=1\nEntry1=Fan\n[Fan]\nEntries=32767\n[leer]\nEntries=32767\n",
         "the catalog tree grows past 100 entries in group \"leer\"", 100},
        {"[Katalog]\nEntries=1\nEntry1=G\n[G]\nEntries=3\n", "", 4},
        {"[Katalog]\nEntries=1\nEntry1=G\n[G]\nEntries=3\n", "the catalog tree grows past 3 entries in group \"G\"", 3},
    };
    for (const auto& c : cases) {
        CatalogTreeReport report;
        const CatalogNode root = CreateTreeV(ini(c.ini), cat, &report, c.maxNodes);
        EXPECT_EQ(report.refused, c.refused) << c.maxNodes;
        std::function<int(const CatalogNode&)> count = [&](const CatalogNode& n) {
            int k = 0;
            for (const auto& child : n.children) k += 1 + count(child);
            return k;
        };
        EXPECT_LE(count(root), c.maxNodes);
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
    // An empty group's count of 0, however written, is no bad count.
    CreateTreeV(ini("[Katalog]\nEntries=3\nEntry1=A\nEntry2=B\nEntry3=C\n[A]\nEntries=0\n[B]\nEntries=+0\n"
                    "[C]\nEntries=-0\n"),
                cat, &report);
    EXPECT_EQ(report.entriesOutOfRange, std::vector<std::string>{});
}

TEST(CatalogTree, TitlesOfTheRunningLanguage)
{
    auto cat = test::testCatalog();
    // The title keys, if any, go in after each section's head line.
    auto catalog = [](const std::string& root, const std::string& digital, const std::string& inputs) {
        return "[Katalog]\nTitle=Hardware\n" + root + "Entries=2\nEntry1=Digital\nEntry2=QMV2.R300\n[Digital]\n" +
               digital + "Entries=2\nEntry1=Inputs\nEntry2=QMV2.D210\n[Inputs]\n" + inputs +
               "Entries=1\nEntry1=QMV2.D110\n";
    };
    const std::string plain = catalog("", "", "");
    auto shown = [](const CatalogNode& root) {
        std::vector<std::string> out{shownText(root)};
        const std::function<void(const CatalogNode&)> walk = [&](const CatalogNode& n) {
            for (const CatalogNode& c : n.children) {
                out.push_back(shownText(c));
                walk(c);
            }
        };
        walk(root);
        return out;
    };
    const std::vector<std::string> asToday{"Hardware",      "Digital",       "Inputs",
                                           "DI 16x DC 24V", "DO 16x DC 24V", "QMV2.R300"};

    // A catalog without title keys shows what it always showed, in every language.
    const IniFile old = ini(plain);
    for (int language : {0, 1, 2, 3}) {
        auto root = CreateTreeV(old, cat);
        applyCatalogTitles(root, old, language);
        EXPECT_EQ(shown(root), asToday) << language;
    }

    // The keys of the running language are taken (the file is windows-1252);
    // a group without one, an empty one and a module keep their names, and
    // the section names stay what the entries refer to.
    const IniFile titled = ini(catalog("Title_DEUTSCH=Hardwarekatalog\nTitle_OPTION=Catalogue\n",
                                       "Title_DEUTSCH=Digitalmodule\nTitle_OPTION=\n",
                                       "Title_OPTION=Entr\xe9"
                                       "es\nTitle_ENGLISH=Digital inputs\n") +
                               "[QMV2.D110]\nTitle_DEUTSCH=Nicht gezeigt\n");
    const std::vector<std::vector<std::string>> expected{
        asToday,
        {"Hardware", "Digital", "Digital inputs", "DI 16x DC 24V", "DO 16x DC 24V", "QMV2.R300"},
        {"Hardwarekatalog", "Digitalmodule", "Inputs", "DI 16x DC 24V", "DO 16x DC 24V", "QMV2.R300"},
        {"Catalogue", "Digital", "Entrées", "DI 16x DC 24V", "DO 16x DC 24V", "QMV2.R300"},
    };
    for (int language : {0, 1, 2, 3}) {
        auto root = CreateTreeV(titled, cat);
        applyCatalogTitles(root, titled, language);
        EXPECT_EQ(shown(root), expected[static_cast<std::size_t>(language)]) << language;
        EXPECT_EQ(root.children.at(0).children.at(0).text, "Inputs");
    }
}

}  // namespace
}  // namespace rm
