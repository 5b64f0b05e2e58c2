#include "core/catalog/CatalogSearch.h"

namespace rm {

std::string foldCase(std::string_view text)
{
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00C0..U+00DE except U+00D7 (the multiplication sign)
            auto d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return out;
}

CatalogSearch::CatalogSearch(const ModuleCatalog& catalog)
{
    keys_.resize(static_cast<std::size_t>(catalog.count()) + 1);
    for (int i = 1; i <= catalog.count(); ++i) {
        const RowEintrag& r = catalog.at(i);
        // The fields are kept apart so that a text cannot match across two of them.
        keys_[static_cast<std::size_t>(i)] = foldCase(r.BestellNr + '\n' + r.Bezeichnung + '\n' + r.Kommentar);
    }
}

bool CatalogSearch::matches(int index, std::string_view folded) const
{
    if (folded.empty() || index < 1 || static_cast<std::size_t>(index) >= keys_.size()) return false;
    return keys_[static_cast<std::size_t>(index)].find(folded) != std::string::npos;
}

std::vector<int> CatalogSearch::find(std::string_view text) const
{
    std::vector<int> out;
    const std::string folded = foldCase(text);
    for (std::size_t i = 1; i < keys_.size(); ++i)
        if (matches(static_cast<int>(i), folded)) out.push_back(static_cast<int>(i));
    return out;
}

namespace {

bool keep(CatalogNode& node, const CatalogSearch& search, const std::string& folded)
{
    if (!node.isGroup) return search.matches(node.index, folded);
    std::vector<CatalogNode> kept;
    for (CatalogNode& c : node.children)
        if (keep(c, search, folded)) kept.push_back(std::move(c));
    node.children = std::move(kept);
    return !node.children.empty();
}

}  // namespace

CatalogNode filterTree(const CatalogNode& root, const CatalogSearch& search, std::string_view text)
{
    CatalogNode out = root;
    const std::string folded = foldCase(text);
    if (folded.empty()) {
        out.children.clear();
        return out;
    }
    keep(out, search, folded);
    return out;
}

}  // namespace rm
