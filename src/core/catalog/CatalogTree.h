// The catalog tree as data: groups from the catalog file, modules from ModulKatalog.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/IniFile.h"
#include "core/catalog/ModuleCatalog.h"

namespace rm {

struct CatalogNode {
    std::string text;
    std::string image;  // "closed", "CPU" or "MODUL"; groups show "open" when expanded
    bool isGroup = true;
    std::optional<std::string> tag;  // group: description of the record named like it
    int index = 0;                   // module: 1-based index into ModulKatalog; 0 = inserts nothing
    std::vector<CatalogNode> children;

    std::string expandedImage() const { return isGroup ? "open" : image; }
};

// Builds the tree from a parsed catalog file. Groups nest to any depth; a
// group that lists itself (directly or further down) is not followed again.
CatalogNode CreateTreeV(const IniFile& catalogFile, const ModuleCatalog& katalog);

}  // namespace rm
