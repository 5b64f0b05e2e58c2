// The catalog tree as data: groups from the catalog file, modules from ModulKatalog.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/IniFile.h"
#include "core/base/TextTable.h"
#include "core/catalog/ModuleCatalog.h"

namespace rm {

struct CatalogNode {
    std::string text;   // group: the name of its section; module: its designation
    std::string title;  // group: what the tree shows instead of text, when not empty
    std::string image;  // "closed", "CPU" or "MODUL"; groups show "open" when expanded
    bool isGroup = true;
    std::optional<std::string> tag;  // group: description of the record named like it
    int index = 0;                   // module: 1-based index into ModulKatalog; 0 = inserts nothing
    std::vector<CatalogNode> children;

    std::string expandedImage() const { return isGroup ? "open" : image; }
};

// A catalog file can list one group many times, so a few hundred bytes could
// ask for a billion nodes: the tree is bounded far above any real catalog.
inline constexpr int kMaxCatalogNodes = 100000;
inline constexpr int kMaxCatalogDepth = 32;

// What building the tree found wrong with the catalog file.
struct CatalogTreeReport {
    // Not empty: the tree ran over a bound and was cut short there; the
    // catalog cannot be used. Says which bound, in which group.
    std::string refused;
    // Entries that name neither a group nor a module of ModulKatalog, each once.
    std::vector<std::string> unknownEntries;
    // "[section] Entries=value" for each count outside 0..32767 or not a number.
    std::vector<std::string> entriesOutOfRange;
};

// Builds the tree from a parsed catalog file. Groups nest up to the depth
// above; a group that lists itself (directly or further down) is not followed
// again. The tree holds at most maxNodes nodes (the fuzz target asks for a
// bound that grows with its input, so that a short input stays quick).
CatalogNode CreateTreeV(const IniFile& catalogFile, const ModuleCatalog& katalog, CatalogTreeReport* report = nullptr,
                        int maxNodes = kMaxCatalogNodes);

// Gives the root and the groups the titles the catalog file has for a
// language (1 English, 2 German, 3 the optional one): "Title_ENGLISH",
// "Title_DEUTSCH" or "Title_OPTION" in [Katalog] for the root and in a
// group's own section for the group. A node without one keeps no title and
// shows its name, so a catalog without these keys reads as it always did.
void applyCatalogTitles(CatalogNode& root, const IniFile& catalogFile, int languageIndex);

// What the tree shows for a node.
inline const std::string& shownText(const CatalogNode& node)
{
    return node.title.empty() ? node.text : node.title;
}

// The warnings of a report for the user, in the language of texts; empty
// when there are none. moduleFile names the description file.
std::string catalogWarnings(const Texts& texts, const CatalogTreeReport& report, const std::string& moduleFile);

}  // namespace rm
