// The module description reader over arbitrary bytes, then the catalog tree
// over a fixed catalog file that names some of the modules, nests groups and
// loops back on itself.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/app/IniFile.h"
#include "core/catalog/CatalogTree.h"
#include "core/catalog/ModuleCatalog.h"
#include "core/project/ProjectJson.h"

namespace {

const rm::IniFile& catalogFile()
{
    static const rm::IniFile ini(
        "[Katalog]\r\nTitle=Fuzz\r\nEntries=4\r\nEntry1=CPU QMV\r\nEntry2=QMV2.R300\r\nEntry3=Loop\r\nEntry4=Empty\r\n"
        "[CPU QMV]\r\nEntries=3\r\nEntry1=QMV2.R300\r\nEntry2=QMV1.R200\r\nEntry3=X\r\n"
        "[QMV2.R300]\r\nEntries=4\r\nEntry1=QMV2.D110\r\nEntry2=Loop\r\nEntry3=NULL\r\nEntry4=QMV2.K084\r\n"
        "[Loop]\r\nEntries=3\r\nEntry1=QMV2.R300\r\nEntry2=QMV2.E301\r\nEntry3=A\r\n"
        "[Empty]\r\nEntries=0\r\n");
    return ini;
}

// Checks that the tree points at records that exist, showing their designations.
void checkNode(const rm::CatalogNode& n, const rm::ModuleCatalog& cat)
{
    if (!n.isGroup && n.index != 0) {
        if (!cat.validIndex(n.index) || cat.at(n.index).Bezeichnung != n.text) __builtin_trap();
    }
    for (const auto& c : n.children) checkNode(c, cat);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    const rm::ModuleCatalog cat = rm::parseModuleDescriptions(in);

    std::size_t listed = 0;
    for (int i = 1; i <= cat.count(); ++i) {
        const rm::RowEintrag& r = cat.at(i);
        // Lookups by order number find the first record that has it.
        const int first = cat.indexOf(r.BestellNr);
        if (first < 1 || first > i || cat.at(first).BestellNr != r.BestellNr) __builtin_trap();
        listed += r.SubList.size() + r.KanalWerte.size();
    }

    const rm::CatalogNode root = rm::CreateTreeV(catalogFile(), cat);
    checkNode(root, cat);
    (void)rm::catalogToJson(root, cat).dump();
    // Sub-entry counts let a few bytes ask for thousands of places per record;
    // the JSON view of such a catalog is skipped to keep each run short.
    if (listed < 100000) (void)rm::modulesToJson(cat).dump();
    return 0;
}
