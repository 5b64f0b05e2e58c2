// Finding modules in the catalog and the tree filtered to them.
#include <gtest/gtest.h>

#include "core/catalog/CatalogSearch.h"
#include "core/catalog/CatalogTree.h"
#include "support/TestSupport.h"

namespace rm::test {
namespace {

TEST(CatalogSearch, MatchesAnyFieldWithoutRegardToCase)
{
    ModuleCatalog cat = testCatalog();
    RowEintrag umlaut;
    umlaut.BestellNr = "QMV2.Z001";
    umlaut.Bezeichnung = "Zähler";
    umlaut.Kommentar = "Überwachung";
    cat.add(umlaut);
    CatalogSearch search(cat);
    auto orders = [&](const std::string& text) {
        std::vector<std::string> out;
        for (int i : search.find(text)) out.push_back(cat.at(i).BestellNr);
        return out;
    };
    const std::pair<const char*, std::vector<std::string>> cases[] = {{"qmv2.d1", {"QMV2.D110"}},
                                                                      {"di 16X dc", {"QMV2.D110"}},
                                                                      {"ZÄHL", {"QMV2.Z001"}},
                                                                      {"überwach", {"QMV2.Z001"}},
                                                                      {"", {}},
                                                                      {"nothing like it", {}}};
    for (const auto& [text, found] : cases) EXPECT_EQ(orders(text), found) << text;
}

TEST(CatalogSearch, FilteredTreeKeepsOnlyGroupsWithHits)
{
    ModuleCatalog cat = testCatalog();
    const CatalogNode root =
        CreateTreeV(IniFile("[Katalog]\nEntries=2\nEntry1=Digital\nEntry2=Analog\n[Digital]\nEntries=2\n"
                            "Entry1=QMV2.D110\nEntry2=QMV2.D210\n[Analog]\nEntries=1\nEntry1=QMV2.E301\n"),
                    cat);
    CatalogSearch search(cat);
    CatalogNode f = filterTree(root, search, "d110");
    ASSERT_EQ(f.children.size(), 1u);
    ASSERT_EQ(f.children[0].children.size(), 1u);
    EXPECT_EQ(f.children[0].text, "Digital");
    EXPECT_EQ(f.children[0].children[0].index, indexOf(cat, "QMV2.D110"));
    EXPECT_TRUE(filterTree(root, search, "zzz").children.empty());
}

}  // namespace
}  // namespace rm::test
