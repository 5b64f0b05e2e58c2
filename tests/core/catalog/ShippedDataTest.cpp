// The catalog the program ships: three languages that agree, entries that
// all resolve, and every rule and dialog reachable.
#include <gtest/gtest.h>

#include <set>

#include "core/app/Language.h"
#include "core/catalog/CatalogTree.h"
#include "core/project/ProjectTable.h"
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

TEST(ShippedData, EveryDialogIsReachedFromTheTree)
{
    const ModuleCatalog cat = load("NURA_E.txt");
    const CatalogNode root = CreateTreeV(IniFile::load(resourcePath(kResources, kCatalogFileName)), cat);
    std::vector<const CatalogNode*> leaves;
    collectLeaves(root, leaves);
    std::set<DialogKind> reached;
    for (const auto* leaf : leaves) reached.insert(dialogFor(cat.at(leaf->index)));
    for (DialogKind d :
         {DialogKind::DigitalInput, DialogKind::DigitalOutput, DialogKind::DigitalCombined, DialogKind::AnalogInput,
          DialogKind::AnalogOutput, DialogKind::AnalogCombined, DialogKind::Temperature, DialogKind::Counter,
          DialogKind::Encoder, DialogKind::TwoAxisEncoder, DialogKind::Positioning, DialogKind::Cpu})
        EXPECT_TRUE(reached.count(d)) << "dialog " << static_cast<int>(d) << " is not reached";
}

// Racks are added while the CPU accepts them, the ones that take the most
// rows per slot first; the slot maximum must be what stops them, never the table.
TEST(ShippedData, EveryCpuCarriesItsRacksWithinTheTable)
{
    test::ScriptedAsker asker;
    AppState app(asker);
    app.ModulKatalog = load("NURA_E.txt");
    std::vector<int> racks;
    for (int i = 1; i <= app.ModulKatalog.count(); ++i)
        if (app.ModulKatalog.at(i).IsExtension) racks.push_back(i);
    std::sort(racks.begin(), racks.end(), [&](int a, int b) {
        const RowEintrag &x = app.ModulKatalog.at(a), &y = app.ModulKatalog.at(b);
        return std::pair(-x.HasConnector, x.SlotCnt) < std::pair(-y.HasConnector, y.SlotCnt);
    });
    int cpus = 0;
    for (int i = 1; i <= app.ModulKatalog.count(); ++i) {
        if (!app.ModulKatalog.at(i).IsCPU) continue;
        ++cpus;
        const RowEintrag& cpu = app.ModulKatalog.at(i);
        SCOPED_TRACE(cpu.BestellNr);
        ProjectTable t(app);
        ASSERT_TRUE(t.DblClickInTree(i));
        int slots = cpu.SlotCnt;
        bool placed = true;
        while (placed && t.RowIs(t.lastRow()) == kind::Connector && t.rowEmpty(t.lastRow())) {
            placed = false;
            for (int rack : racks) {
                t.setCurrentRow(t.lastRow());
                if (!t.IsAllowedInRow(app.ModulKatalog.at(rack), t.lastRow())) continue;
                ASSERT_TRUE(t.DblClickInTree(rack));
                slots += app.ModulKatalog.at(rack).SlotCnt;
                placed = true;
                break;
            }
        }
        EXPECT_LE(t.lastRow(), ProjectTable::kMaxRow);
        EXPECT_LE(slots, cpu.MaxSlotNbr);
        if (t.RowIs(t.lastRow()) == kind::Connector && t.rowEmpty(t.lastRow())) {
            // Stopped by the slot maximum: no rack of any size fits any more.
            for (int rack : racks) EXPECT_GT(slots + app.ModulKatalog.at(rack).SlotCnt, cpu.MaxSlotNbr);
        }
    }
    EXPECT_GE(cpus, 5);
}

}  // namespace
}  // namespace rm
