#include "core/catalog/CatalogTree.h"

#include <algorithm>
#include <cctype>

namespace rm {
namespace {

constexpr int kBuffer = 80;
constexpr int kMaxEntries = 32767;  // counts are 16-bit

std::string lower(std::string s)
{
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

class Builder {
public:
    Builder(const IniFile& ini, const ModuleCatalog& kat) : ini_(ini), kat_(kat) {}

    void addChildren(CatalogNode& node)
    {
        // The chain of open sections guards against a catalog that loops.
        std::string key = lower(node.text);
        if (std::find(open_.begin(), open_.end(), key) != open_.end()) return;
        open_.push_back(key);
        int m = std::min(ini_.getInt(node.text, "Entries", 0), kMaxEntries);
        for (int i = 1; i <= m; ++i) {
            std::string e = ini_.getString(node.text, "Entry" + std::to_string(i), "leer", kBuffer);
            if (ini_.getInt(e, "Entries", 0) != 0) {
                CatalogNode group;
                group.text = e;
                group.image = "closed";
                addChildren(group);
                node.children.push_back(std::move(group));
                continue;
            }
            CatalogNode leaf;
            leaf.isGroup = false;
            leaf.image = node.text == "CPU QMV" ? "CPU" : "MODUL";
            int idx = kat_.indexOf(e);
            if (idx) {
                leaf.text = kat_.at(idx).Bezeichnung;
                leaf.index = idx;
            } else {
                // Neither a group nor a known module: show the name, insert nothing.
                leaf.text = e;
            }
            node.children.push_back(std::move(leaf));
        }
        open_.pop_back();
    }

private:
    const IniFile& ini_;
    const ModuleCatalog& kat_;
    std::vector<std::string> open_;
};

}  // namespace

CatalogNode CreateTreeV(const IniFile& ini, const ModuleCatalog& katalog)
{
    CatalogNode root;
    root.text = ini.getString("Katalog", "Title", "leer", kBuffer);
    root.image = "closed";
    Builder builder(ini, katalog);
    int n = std::min(ini.getInt("Katalog", "Entries", 0), kMaxEntries);
    for (int i = 1; i <= n; ++i) {
        CatalogNode group;
        group.text = ini.getString("Katalog", "Entry" + std::to_string(i), "leer", kBuffer);
        group.image = "closed";
        int m = ini.getInt(group.text, "Entries", 0);
        if (m >= 1) {
            if (int idx = katalog.indexOf(group.text)) group.tag = katalog.at(idx).Kommentar;
            builder.addChildren(group);
        }
        root.children.push_back(std::move(group));
    }
    return root;
}

}  // namespace rm
