// Finding modules in the catalog by part of their order number, designation
// or description, without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/CatalogTree.h"
#include "core/catalog/ModuleCatalog.h"

namespace rm {

// Lower case of UTF-8 text for matching: ASCII and the Latin-1 letters
// (the characters the catalog files can hold); everything else as it is.
std::string foldCase(std::string_view text);

class CatalogSearch {
public:
    explicit CatalogSearch(const ModuleCatalog& catalog);
    bool matches(int index, std::string_view foldedText) const;
    // Indexes of the matching modules, in catalog order; none for an empty text.
    std::vector<int> find(std::string_view text) const;

private:
    std::vector<std::string> keys_;  // per index: order number, designation, description, folded
};

// The tree with only the modules that match (and the groups that hold
// them); empty children when nothing matches.
CatalogNode filterTree(const CatalogNode& root, const CatalogSearch& search, std::string_view text);

}  // namespace rm
