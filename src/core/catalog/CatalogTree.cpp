#include "core/catalog/CatalogTree.h"
#include "core/base/OwnTexts.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <unordered_map>

namespace rm {
namespace {

constexpr int kBuffer = 80;
constexpr int kMaxEntries = 32767;  // counts are 16-bit

std::string lower(std::string s)
{
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// True when the value starts like a number, as the integer reader takes it.
bool looksNumeric(const std::string& v)
{
    std::size_t i = v.empty() || (v[0] != '-' && v[0] != '+') ? 0 : 1;
    return i < v.size() && std::isdigit(static_cast<unsigned char>(v[i]));
}

class Builder {
public:
    Builder(const IniFile& ini, const ModuleCatalog& kat, CatalogTreeReport& report, int maxNodes)
        : ini_(ini), kat_(kat), report_(report), maxNodes_(maxNodes)
    {
    }

    bool stopped() const { return !report_.refused.empty(); }

    // The entry count of a section: values outside 0..32767 are taken as
    // the reader always took them, and said once per section. Every entry
    // asks this of its name, so each section is read once.
    int entries(const std::string& section)
    {
        std::string key = lower(section);
        if (auto known = counts_.find(key); known != counts_.end()) return known->second;
        int m = ini_.getInt(section, "Entries", 0);
        if (m <= 0 || m > kMaxEntries) {
            const std::string raw = ini_.getString(section, "Entries", "", kBuffer);
            const bool bad = m != 0 || (!raw.empty() && !looksNumeric(raw));
            if (bad && warned_.insert(key).second)
                report_.entriesOutOfRange.push_back("[" + section + "] Entries=" + raw);
            m = std::min(m, kMaxEntries);
        }
        counts_.emplace(std::move(key), m);
        return m;
    }

    // Counts one more node under group; false once the tree is too large.
    bool take(const std::string& group)
    {
        if (stopped()) return false;
        if (++nodes_ > maxNodes_) {
            report_.refused =
                "the catalog tree grows past " + std::to_string(maxNodes_) + " entries in group \"" + group + "\"";
            return false;
        }
        return true;
    }

    void addChildren(CatalogNode& node, int depth)
    {
        // The chain of open sections guards against a catalog that loops.
        std::string key = lower(node.text);
        if (std::find(open_.begin(), open_.end(), key) != open_.end()) return;
        if (depth > kMaxCatalogDepth) {
            report_.refused = "the catalog tree nests deeper than " + std::to_string(kMaxCatalogDepth) +
                              " levels in group \"" + node.text + "\"";
            return;
        }
        open_.push_back(key);
        const int m = entries(node.text);
        for (int i = 1; i <= m && take(node.text); ++i) {
            std::string e = ini_.getString(node.text, "Entry" + std::to_string(i), "leer", kBuffer);
            if (entries(e) != 0) {
                CatalogNode group;
                group.text = e;
                group.image = "closed";
                addChildren(group, depth + 1);
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
                if (unknown_.insert(e).second) report_.unknownEntries.push_back(e);
            }
            node.children.push_back(std::move(leaf));
        }
        open_.pop_back();
    }

private:
    const IniFile& ini_;
    const ModuleCatalog& kat_;
    CatalogTreeReport& report_;
    std::vector<std::string> open_;
    std::set<std::string> warned_;
    std::set<std::string> unknown_;
    std::unordered_map<std::string, int> counts_;
    int maxNodes_;
    int nodes_ = 0;
};

}  // namespace

CatalogNode CreateTreeV(const IniFile& ini, const ModuleCatalog& katalog, CatalogTreeReport* report, int maxNodes)
{
    CatalogTreeReport local;
    CatalogTreeReport& rep = report ? *report : local;
    rep = {};
    CatalogNode root;
    root.text = ini.getString("Katalog", "Title", "leer", kBuffer);
    root.image = "closed";
    Builder builder(ini, katalog, rep, maxNodes);
    int n = builder.entries("Katalog");
    for (int i = 1; i <= n && builder.take("Katalog"); ++i) {
        CatalogNode group;
        group.text = ini.getString("Katalog", "Entry" + std::to_string(i), "leer", kBuffer);
        group.image = "closed";
        int m = builder.entries(group.text);
        if (m >= 1) {
            if (int idx = katalog.indexOf(group.text)) group.tag = katalog.at(idx).Kommentar;
            builder.addChildren(group, 1);
        }
        root.children.push_back(std::move(group));
    }
    return root;
}

namespace {

void applyTitles(CatalogNode& node, const IniFile& ini, const std::string& key)
{
    for (CatalogNode& child : node.children) {
        if (!child.isGroup) continue;
        child.title = ini.getString(child.text, key, "", kBuffer);
        applyTitles(child, ini, key);
    }
}

}  // namespace

void applyCatalogTitles(CatalogNode& root, const IniFile& ini, int languageIndex)
{
    static const char* const keywords[] = {"ENGLISH", "DEUTSCH", "OPTION"};
    if (languageIndex < 1 || languageIndex > 3) return;
    const std::string key = std::string("Title_") + keywords[languageIndex - 1];
    root.title = ini.getString("Katalog", key, "", kBuffer);
    applyTitles(root, ini, key);
}

namespace {

// The first few items, and "..." when there are more.
std::string firstFew(const std::vector<std::string>& items)
{
    constexpr std::size_t kShown = 5;
    std::string out;
    for (std::size_t i = 0; i < items.size() && i < kShown; ++i) out += (i ? ", " : "") + items[i];
    if (items.size() > kShown) out += ", ...";
    return out;
}

}  // namespace

std::string catalogWarnings(const Texts& texts, const CatalogTreeReport& report, const std::string& moduleFile)
{
    std::string out;
    if (!report.unknownEntries.empty()) {
        out += ownText(texts, OwnText::CatalogUnknownEntries,
                       {std::to_string(report.unknownEntries.size()), moduleFile, firstFew(report.unknownEntries)});
    }
    if (!report.entriesOutOfRange.empty()) {
        if (!out.empty()) out += "\n";
        out += ownText(texts, OwnText::CatalogCountsOutOfRange, {firstFew(report.entriesOutOfRange)});
    }
    return out;
}

}  // namespace rm
