// The catalog the program ships: three languages that agree, entries that
// all resolve.
#include <gtest/gtest.h>

#include <functional>

#include "core/app/Language.h"
#include "core/catalog/CatalogTree.h"
#include "core/table/ProjectTable.h"
#include "support/TestSupport.h"

namespace rm {
namespace {

const std::filesystem::path kResources = RM_RESOURCES;

ModuleCatalog load(const std::string& file)
{
    auto res = LoadModuleDescriptions(resourcePath(kResources, file));
    EXPECT_TRUE(res.catalog.has_value()) << file << ": " << res.error;
    return res.catalog ? *res.catalog : ModuleCatalog{};
}

// Everything but the texts a translation changes.
RowEintrag withoutTexts(RowEintrag r)
{
    r.Bezeichnung.clear();
    r.Kommentar.clear();
    return r;
}

TEST(ShippedData, LanguagesAgree)
{
    const ModuleCatalog en = load("NURA_E.txt"), de = load("NURA_G.txt"), fr = load("NURA_O.txt");
    ASSERT_GT(en.count(), 40);
    ASSERT_EQ(de.count(), en.count());
    ASSERT_EQ(fr.count(), en.count());
    for (int i = 1; i <= en.count(); ++i) {
        SCOPED_TRACE(en.at(i).BestellNr);
        EXPECT_EQ(withoutTexts(de.at(i)), withoutTexts(en.at(i)));
        EXPECT_EQ(withoutTexts(fr.at(i)), withoutTexts(en.at(i)));
        EXPECT_FALSE(en.at(i).Bezeichnung.empty());
    }
    auto lang = LoadLanguage(kResources);
    EXPECT_TRUE(lang.catalogFound);
    EXPECT_EQ(lang.LanguageBase, kEnglishBase);
}

void collectLeaves(const CatalogNode& n, std::vector<const CatalogNode*>& out)
{
    if (!n.isGroup) out.push_back(&n);
    for (const auto& c : n.children) collectLeaves(c, out);
}

TEST(ShippedData, EveryEntryResolves)
{
    const IniFile ini = IniFile::load(resourcePath(kResources, kCatalogFileName));
    for (const char* file : {"NURA_E.txt", "NURA_G.txt", "NURA_O.txt"}) {
        const ModuleCatalog cat = load(file);
        const CatalogNode root = CreateTreeV(ini, cat);
        std::vector<const CatalogNode*> leaves;
        collectLeaves(root, leaves);
        ASSERT_GT(leaves.size(), 40u);
        for (const auto* leaf : leaves) EXPECT_NE(leaf->index, 0) << file << ": " << leaf->text;
        for (int i = 1; i <= cat.count(); ++i) {
            const RowEintrag& r = cat.at(i);
            if (r.isCpuOrExtension() || r.SubCount <= 1) continue;
            for (int k = 0; k < r.SubCount; ++k)
                EXPECT_NE(cat.indexOf(r.SubList.at(static_cast<std::size_t>(k))), 0) << r.BestellNr << " entry " << k;
        }
    }
}

// The German and French trees name their groups in their language; only the
// product names stay as they are.
TEST(ShippedData, GroupTitlesInEveryLanguage)
{
    const IniFile ini = IniFile::load(resourcePath(kResources, kCatalogFileName));
    const ModuleCatalog cat = load("NURA_E.txt");
    for (int language : {2, 3}) {
        CatalogNode root = CreateTreeV(ini, cat);
        applyCatalogTitles(root, ini, language);
        std::vector<std::string> untitled;
        const std::function<void(const CatalogNode&)> walk = [&](const CatalogNode& n) {
            if (n.isGroup && n.title.empty()) untitled.push_back(n.text);
            for (const auto& c : n.children) walk(c);
        };
        walk(root);
        EXPECT_EQ(untitled, (std::vector<std::string>{"CPU QMV", "QMV2", "QMV3"})) << language;
    }
}

// Which dialog a module opens decides which parameter bytes it gets.
TEST(ShippedData, EachModuleOpensItsOwnDialog)
{
    using enum DialogKind;
    const ModuleCatalog cat = load("NURA_E.txt");
    const std::pair<const char*, DialogKind> cases[] = {
        {"QMV2.G110", DigitalInput},   {"QMV2.G210", DigitalOutput}, {"QMV2.G310", DigitalCombined},
        {"QMV2.E110", AnalogInput},    {"QMV2.E210", AnalogOutput},  {"QMV2.E410", AnalogCombined},
        {"QMV2.E325", Temperature},    {"QMV2.K202", Counter},       {"QMV2.K205", Encoder},
        {"QMV3.K240", TwoAxisEncoder}, {"QMV3.K201", Positioning},   {"QMV3.K211", Positioning},
        {"QMV3.K221", Positioning},    {"QMV3.K222", Positioning},   {"QMV3.E321", Positioning},
        {"QMV3.E322", Positioning},    {"QMV2.R230", Cpu},           {"QMV2.X204", None},
        {"QMV2.P010", None},
    };
    for (const auto& [order, dialog] : cases) EXPECT_EQ(dialogFor(cat.LookupCatalog(order)), dialog) << order;
}

}  // namespace
}  // namespace rm
