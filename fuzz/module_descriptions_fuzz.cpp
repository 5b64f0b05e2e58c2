// The catalog file and the module description file together, as start-up
// reads them: the input is the catalog file, a NUL byte, then the module
// description file (without a NUL byte, all of it is the description file
// and the catalog file is empty). Then the catalog tree over both.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/IniFile.h"
#include "core/base/TextTable.h"
#include "core/catalog/CatalogTree.h"
#include "core/catalog/ModuleCatalog.h"
#include "core/table/ProjectJson.h"

namespace {

// Checks that the tree stays within its bounds and points at records that
// exist, showing their designations; returns the number of nodes below n.
int checkNode(const rm::CatalogNode& n, const rm::ModuleCatalog& cat, int depth)
{
    if (depth > rm::kMaxCatalogDepth + 1) __builtin_trap();
    if (!n.isGroup && n.index != 0) {
        if (!cat.validIndex(n.index) || cat.at(n.index).Bezeichnung != n.text) __builtin_trap();
    }
    int nodes = 0;
    for (const auto& c : n.children) nodes += 1 + checkNode(c, cat, depth + 1);
    return nodes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    const std::size_t split = in.find('\0');
    const std::string iniBytes(split == std::string_view::npos ? std::string_view{} : in.substr(0, split));
    const std::string_view nura = split == std::string_view::npos ? in : in.substr(split + 1);

    std::string error;
    const rm::ModuleCatalog cat = rm::parseModuleDescriptions(nura, &error);
    if (cat.count() > rm::kMaxModuleRecords) __builtin_trap();
    std::size_t listed = 0;
    for (int i = 1; i <= cat.count(); ++i) {
        const rm::RowEintrag& r = cat.at(i);
        // Lookups by order number find the first record that has it.
        const int first = cat.indexOf(r.BestellNr);
        if (first < 1 || first > i || cat.at(first).BestellNr != r.BestellNr) __builtin_trap();
        listed += r.SubList.size() + r.KanalWerte.size();
    }
    if (listed > rm::kMaxSubEntryPlaces + 7 * static_cast<std::size_t>(cat.count())) __builtin_trap();

    const rm::IniFile ini(iniBytes);
    // Reading what was written gives the same values.
    if (rm::IniFile(ini.bytes()).getString("Katalog", "Title", "leer", 80) !=
        ini.getString("Katalog", "Title", "leer", 80))
        __builtin_trap();
    // A few bytes can ask for a billion nodes, which the reader cuts short at
    // its bound; building 100,000 nodes for each such input would make every
    // run cost as much as the bound. The bound asked for here grows with the
    // catalog file instead: one node per byte is far above what a real
    // catalog spends (about 30 bytes an entry), shared groups included.
    const int maxNodes = static_cast<int>(std::min<std::size_t>(rm::kMaxCatalogNodes, 64 + iniBytes.size()));
    rm::CatalogTreeReport report;
    const rm::CatalogNode root = rm::CreateTreeV(ini, cat, &report, maxNodes);
    const int nodes = checkNode(root, cat, 0);
    if (nodes > maxNodes) __builtin_trap();
    (void)rm::catalogWarnings(rm::Texts(rm::kGermanBase), report, "NURA_G.txt");
    // The JSON views write every node and every field of every record, at
    // about 50 microseconds a record here, more than all else a run does:
    // the tree's view is written for small trees, the records' view for the
    // first few records and the last one, so that a run stays short.
    if (nodes < 500) (void)rm::catalogToJson(root, cat).dump();
    rm::ModuleCatalog sample;
    for (int i = 1; i <= cat.count(); i = i < 4 ? i + 1 : std::max(i + 1, cat.count()))
        if (cat.at(i).SubList.size() < 1000) sample.add(cat.at(i));
    (void)rm::modulesToJson(sample).dump();
    return 0;
}
