#include "core/project/ProjectDiff.h"

#include <map>
#include <optional>
#include <set>
#include <variant>

#include "core/project/ProjectCheck.h"
#include "core/settings/CpuSettings.h"
#include "core/settings/ModuleSettings.h"

namespace rm {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

const char* const kArrow = " \u2192 ";

std::string quoted(const std::string& s)
{
    return "\"" + s + "\"";
}

// A text in quotes on one line: line breaks and tabs written as \n, \r, \t.
std::string quotedOnOneLine(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out + "\"";
}

// A field of a record by name, as text and as data.
struct FieldValue {
    std::string name, text;
    json value;
};

struct Describer {
    std::vector<FieldValue>& out;
    void operator()(FieldKind, const char* name, const std::string& v) { out.push_back({name, quoted(v), v}); }
    template <class T>
    void operator()(FieldKind, const char* name, const T& v)
    {
        out.push_back({name, std::to_string(v), v});
    }
    template <class T, std::size_t N>
    void fixed(FieldKind k, const char* name, const std::array<T, N>& a)
    {
        for (std::size_t i = 0; i < N; ++i)
            (*this)(k, (std::string(name) + "(" + std::to_string(i) + ")").c_str(), a[i]);
    }
    void subList(const char* name, const std::vector<std::string>& v)
    {
        std::string s = "[";
        for (std::size_t i = 0; i < v.size(); ++i) s += (i ? ", " : "") + quoted(v[i]);
        out.push_back({name, s + "]", v});
    }
    void channels(const char* name, const std::vector<KanalWert>& v)
    {
        std::string s = "[";
        json data = json::array();
        for (std::size_t i = 0; i < v.size(); ++i) {
            const KanalWert& k = v[i];
            s += (i ? ", " : "") + std::string("(") + std::to_string(k.ChFlags) + " " + std::to_string(k.MinVaCh) +
                 " " + std::to_string(k.MaxVaCh) + " " + std::to_string(k.ResVaCh) + ")";
            data.push_back(
                {{"ChFlags", k.ChFlags}, {"MinVaCh", k.MinVaCh}, {"MaxVaCh", k.MaxVaCh}, {"ResVaCh", k.ResVaCh}});
        }
        out.push_back({name, s + "]", std::move(data)});
    }
};

std::vector<FieldValue> fieldValues(const RowEintrag& record)
{
    std::vector<FieldValue> out;
    Describer d{out};
    visitRowFields(record, d);
    visitCpuFields(record.Cpu, d);
    return out;
}

// A module: its head row and the rows that belong to it.
struct Entry {
    int row;
    std::string key;  // the slot it stands in, stable across projects
    std::string order;
    std::vector<RowEintrag> records;
};

std::vector<Entry> entries(const ProjectTable& t)
{
    std::vector<Entry> out;
    std::map<std::string, int> seen;
    for (int r = 1; r <= t.lastRow(); ++r) {
        const std::string label = r == 1 ? "CPU" : t.cell(r, 0);
        const int n = ++seen[label];
        if (t.rowEmpty(r)) continue;
        const RowEintrag& rec = t.record(r);
        if (!rec.IsHead && rec.SonNbr > 0) continue;  // part of the module above
        Entry e{r, label + "#" + std::to_string(n), rec.BestellNr, {rec}};
        for (int i = 1; i <= std::max<int>(rec.SonNbr, 0) && r + i <= t.lastRow(); ++i) {
            if (t.record(r + i).IsHead) break;
            e.records.push_back(t.record(r + i));
        }
        out.push_back(std::move(e));
    }
    return out;
}

// Where a row stands, with its row where the place is not the row itself:
// "slot 3 (row 7)", "CPU (row 1)", "row 12"; in English as describeRow says it.
std::string whereText(const Texts& texts, const ProjectTable& table, int row)
{
    const std::string place = placeText(texts, table, row);
    if (slotText(table, row).empty()) return place;
    return place + " (" + ownText(texts, OwnText::TableRow, {std::to_string(row)}) + ")";
}

// A raw field that differs, with its place in fieldValues() order.
struct RawChange {
    FieldChange change;
    std::size_t index;
};

std::vector<RawChange> rawChanges(const Entry& a, const Entry& b)
{
    std::vector<RawChange> out;
    const std::size_t rows = std::max(a.records.size(), b.records.size());
    for (std::size_t i = 0; i < rows; ++i) {
        auto fa = fieldValues(i < a.records.size() ? a.records[i] : RowEintrag{});
        auto fb = fieldValues(i < b.records.size() ? b.records[i] : RowEintrag{});
        for (std::size_t k = 0; k < fa.size(); ++k) {
            if (fa[k].text == fb[k].text) continue;
            FieldChange c;
            c.field = (i ? "row +" + std::to_string(i) + " " : std::string()) + fa[k].name;
            c.before = fa[k].text;
            c.after = fb[k].text;
            c.key = fa[k].name;
            c.moduleRow = static_cast<int>(i);
            c.beforeValue = fa[k].value;
            c.afterValue = fb[k].value;
            out.push_back({std::move(c), k});
        }
    }
    return out;
}

std::vector<FieldChange> plain(std::vector<RawChange> raw)
{
    std::vector<FieldChange> out;
    for (RawChange& r : raw) out.push_back(std::move(r.change));
    return out;
}

std::string settingText(const Texts& texts, const SettingInfo* info, const json& v)
{
    if (v.is_null()) return ownText(texts, OwnText::SettingNone);
    if (v.is_boolean()) return ownText(texts, v.get<bool>() ? OwnText::SettingOn : OwnText::SettingOff);
    if (v.is_string())
        return info && (info->type == "text" || info->type == "list of text") ? quotedOnOneLine(v.get<std::string>())
                                                                              : v.get<std::string>();
    return v.dump();
}

// The fields of a record, to be changed one at a time.
using FieldRef =
    std::variant<uint8_t*, int16_t*, int32_t*, std::string*, std::vector<std::string>*, std::vector<KanalWert>*>;

struct Pointers {
    std::vector<FieldRef>& out;
    template <class T>
    void operator()(FieldKind, const char*, T& v)
    {
        out.emplace_back(&v);
    }
    template <class T, std::size_t N>
    void fixed(FieldKind, const char*, std::array<T, N>& a)
    {
        for (T& e : a) out.emplace_back(&e);
    }
    void subList(const char*, std::vector<std::string>& v) { out.emplace_back(&v); }
    void channels(const char*, std::vector<KanalWert>& v) { out.emplace_back(&v); }
};

std::vector<FieldRef> pointers(RowEintrag& record)
{
    std::vector<FieldRef> out;
    Pointers p{out};
    visitRowFields(record, p);
    visitCpuFields(record.Cpu, p);
    return out;
}

// Calls change(flip) for each smallest step from `from` towards `to`: each
// differing bit of a number, each differing bit of a channel value, or the
// whole value of a text or list.
template <class T, class F>
void eachBit(T& from, const T& to, F&& check)
{
    using U = std::make_unsigned_t<T>;
    const U diff = static_cast<U>(static_cast<U>(from) ^ static_cast<U>(to));
    for (unsigned bit = 0; bit < sizeof(T) * 8; ++bit)
        if (diff & (U{1} << bit)) check([&from, bit] { from = static_cast<T>(static_cast<U>(from) ^ (U{1} << bit)); });
}

// Whether the named settings account for a raw field that differs: every
// smallest step of it, made alone in the old record, changes a setting that
// is listed as changed. A field some step of which no setting shows is
// listed by its name. The settings are those of the module's dialog, read
// from its head row, whichever of its rows holds the field.
bool coveredBySettings(ProjectTable& scratch, int headRow, int row, const RowEintrag& target, std::size_t index,
                       const json& before, const std::set<std::string>& changedKeys)
{
    RowEintrag& record = scratch.record(row);
    const RowEintrag saved = record;
    RowEintrag to = target;
    FieldRef mine = pointers(record).at(index);
    const FieldRef theirs = pointers(to).at(index);
    bool covered = true;
    auto check = [&](auto&& step) {
        if (!covered) return;
        step();
        const json now = settingsOf(scratch, headRow);
        bool seen = false;
        for (const std::string& key : changedKeys) {
            const json& was = before.contains(key) ? before.at(key) : json();
            const json& is = now.contains(key) ? now.at(key) : json();
            seen = seen || was != is;
        }
        covered = seen;
        record = saved;
    };
    std::visit(
        [&](auto* field) {
            using T = std::remove_pointer_t<decltype(field)>;
            const T& goal = *std::get<T*>(theirs);
            if constexpr (std::is_integral_v<T>) {
                eachBit(*field, goal, check);
            } else if constexpr (std::is_same_v<T, std::vector<KanalWert>>) {
                if (field->size() != goal.size()) {
                    check([&] { *field = goal; });
                    return;
                }
                for (std::size_t c = 0; c < goal.size(); ++c) {
                    eachBit((*field)[c].ChFlags, goal[c].ChFlags, check);
                    eachBit((*field)[c].MinVaCh, goal[c].MinVaCh, check);
                    eachBit((*field)[c].MaxVaCh, goal[c].MaxVaCh, check);
                    eachBit((*field)[c].ResVaCh, goal[c].ResVaCh, check);
                }
            } else {
                check([&] { *field = goal; });
            }
        },
        mine);
    record = saved;
    return covered;
}

// The settings of the module's dialog that differ, by label, then the raw
// fields no setting covers.
std::vector<FieldChange> wordedChanges(const Texts& texts, const ProjectTable& a, const Entry& ea,
                                       const ProjectTable& b, const Entry& eb, std::vector<RawChange> raw)
{
    const SettingsFamily* family = settingsFamilyOf(ea.records.front());
    if (!family || raw.empty()) return plain(std::move(raw));
    const json sa = settingsOf(a, ea.row), sb = settingsOf(b, eb.row);
    std::vector<FieldChange> out;
    std::set<std::string> changedKeys;
    auto add = [&](const SettingInfo* info, const std::string& key, const std::string& label, int channel,
                   const json& before, const json& after) {
        FieldChange c;
        const std::string entry = channel ? cpuEntryLabel(*info, channel, texts) : std::string();
        c.field = !entry.empty() ? entry
                  : channel      ? ownText(texts, OwnText::SettingChannel, {std::to_string(channel), label})
                                 : label;
        c.before = settingText(texts, info, before);
        c.after = settingText(texts, info, after);
        c.key = key;
        c.setting = true;
        c.channel = channel;
        c.beforeValue = before;
        c.afterValue = after;
        out.push_back(std::move(c));
    };
    auto value = [](const json& s, const std::string& key) { return s.contains(key) ? s.at(key) : json(); };
    for (const SettingInfo& info : family->keys) {
        const json va = value(sa, info.key), vb = value(sb, info.key);
        if (va == vb) continue;
        changedKeys.insert(info.key);
        const std::string shown = settingLabel(info, texts);
        const std::string label = shown.empty() ? info.key : shown;
        if (va.is_array() && vb.is_array()) {
            for (std::size_t i = 0; i < std::max(va.size(), vb.size()); ++i) {
                const json ca = i < va.size() ? va[i] : json(), cb = i < vb.size() ? vb[i] : json();
                if (ca != cb) add(&info, info.key, label, static_cast<int>(i) + 1, ca, cb);
            }
        } else {
            add(&info, info.key, label, 0, va, vb);
        }
    }
    ProjectTable scratch = a;
    for (RawChange& r : raw) {
        const int row = ea.row + r.change.moduleRow;
        const bool inBoth = static_cast<std::size_t>(r.change.moduleRow) < ea.records.size() &&
                            static_cast<std::size_t>(r.change.moduleRow) < eb.records.size();
        if (!changedKeys.empty() && inBoth &&
            coveredBySettings(scratch, ea.row, row, eb.records[static_cast<std::size_t>(r.change.moduleRow)], r.index,
                              sa, changedKeys))
            continue;
        out.push_back(std::move(r.change));
    }
    return out;
}

// The caption of the project information dialog that shows a field, without
// its colon; nothing for a field the dialog does not show.
std::optional<std::string> infoLabel(const std::string& field, int languageBase)
{
    static const std::pair<const char*, int> shown[] = {
        {"ProjektName", 160}, {"Familie", 161}, {"Autor", 162}, {"Beschreibung", 163}, {"Notizen", 164}};
    for (const auto& [name, offset] : shown) {
        if (field != name) continue;
        std::string s = Texts(languageBase).text(offset);
        while (!s.empty() && (s.back() == ':' || s.back() == ' ')) s.pop_back();
        return s;
    }
    return std::nullopt;
}

std::string changesText(const std::vector<FieldChange>& changes)
{
    std::string s;
    for (const FieldChange& c : changes) s += (s.empty() ? "" : ", ") + c.field + " " + c.before + " -> " + c.after;
    return s;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> describeFields(const RowEintrag& record)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (FieldValue& f : fieldValues(record)) out.emplace_back(std::move(f.name), std::move(f.text));
    return out;
}

std::vector<ProjectDifference> projectDifferences(const ProjectTable& a, const ProjectTable& b)
{
    return projectDifferences(a, b, DiffWording{.raw = true});
}

std::vector<ProjectDifference> projectDifferences(const ProjectTable& a, const ProjectTable& b,
                                                  const DiffWording& wording)
{
    std::vector<ProjectDifference> out;
    // Project information, apart from where the file lies.
    std::vector<FieldValue> ia, ib;
    auto collect = [](const ProjectInfo& p, auto& into) {
        visitInfoFields(p, [&](FieldKind, const char* name, const auto& v) {
            std::string n = name;
            if (n == "ProjektPfad" || n == "ProjektTitel" || n == "Gespeichert") return;
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>)
                into.push_back({n, quoted(v), v});
            else
                into.push_back({n, std::to_string(v), v});
        });
    };
    collect(a.info(), ia);
    collect(b.info(), ib);
    for (std::size_t i = 0; i < ia.size(); ++i)
        if (ia[i].text != ib[i].text) {
            ProjectDifference d;
            d.kind = ProjectDifference::Information;
            FieldChange c;
            c.field = c.key = ia[i].name;
            c.before = ia[i].text;
            c.after = ib[i].text;
            c.beforeValue = ia[i].value;
            c.afterValue = ib[i].value;
            if (!wording.raw)
                if (auto label = infoLabel(c.key, wording.languageBase)) c.field = *label;
            d.changes.push_back(std::move(c));
            out.push_back(std::move(d));
        }

    const Texts texts(wording.languageBase);
    std::vector<Entry> ea = entries(a), eb = entries(b);
    std::vector<bool> usedA(ea.size()), usedB(eb.size());
    auto pair = [&](ProjectDifference::Kind kind, std::size_t i, std::size_t j) {
        ProjectDifference d;
        d.kind = kind;
        d.order = kind == ProjectDifference::Added ? eb[j].order : ea[i].order;
        if (kind != ProjectDifference::Added) {
            d.rowA = ea[i].row;
            d.whereA = whereText(texts, a, d.rowA);
            d.placeA = placeText(texts, a, d.rowA);
        }
        if (kind != ProjectDifference::Removed) {
            d.rowB = eb[j].row;
            d.whereB = whereText(texts, b, d.rowB);
            d.placeB = placeText(texts, b, d.rowB);
        }
        if (kind == ProjectDifference::Changed || kind == ProjectDifference::Moved) {
            auto raw = rawChanges(ea[i], eb[j]);
            d.changes = wording.raw ? plain(std::move(raw)) : wordedChanges(texts, a, ea[i], b, eb[j], std::move(raw));
        }
        return d;
    };
    // Same slot, same module: changed in place, or not at all.
    for (std::size_t i = 0; i < ea.size(); ++i) {
        for (std::size_t j = 0; j < eb.size(); ++j) {
            if (usedB[j] || ea[i].key != eb[j].key || ea[i].order != eb[j].order) continue;
            usedA[i] = usedB[j] = true;
            ProjectDifference d = pair(ProjectDifference::Changed, i, j);
            if (!d.changes.empty()) out.push_back(std::move(d));
            break;
        }
    }
    // The same module in another slot: moved.
    for (std::size_t i = 0; i < ea.size(); ++i) {
        if (usedA[i]) continue;
        for (std::size_t j = 0; j < eb.size(); ++j) {
            if (usedB[j] || ea[i].order != eb[j].order) continue;
            usedA[i] = usedB[j] = true;
            out.push_back(pair(ProjectDifference::Moved, i, j));
            break;
        }
    }
    for (std::size_t i = 0; i < ea.size(); ++i)
        if (!usedA[i]) out.push_back(pair(ProjectDifference::Removed, i, 0));
    for (std::size_t j = 0; j < eb.size(); ++j)
        if (!usedB[j]) out.push_back(pair(ProjectDifference::Added, 0, j));
    // In words, each change reads on one line.
    if (!wording.raw)
        for (ProjectDifference& d : out)
            for (FieldChange& c : d.changes)
                if (!c.setting && c.beforeValue.is_string() && c.afterValue.is_string()) {
                    c.before = quotedOnOneLine(c.beforeValue.get<std::string>());
                    c.after = quotedOnOneLine(c.afterValue.get<std::string>());
                }
    return out;
}

std::vector<std::string> diffProjects(const ProjectTable& a, const ProjectTable& b)
{
    std::vector<std::string> out;
    for (const ProjectDifference& d : projectDifferences(a, b)) {
        switch (d.kind) {
            case ProjectDifference::Information: {
                const FieldChange& c = d.changes.front();
                out.push_back("project information: " + c.field + " " + c.before + " -> " + c.after);
                break;
            }
            case ProjectDifference::Changed:
                out.push_back(d.whereB + ": " + d.order + " changed: " + changesText(d.changes));
                break;
            case ProjectDifference::Moved:
                out.push_back(d.order + " moved from " + d.whereA + " to " + d.whereB +
                              (d.changes.empty() ? "" : "; changed: " + changesText(d.changes)));
                break;
            case ProjectDifference::Removed:
                out.push_back(d.whereA + ": " + d.order + " removed");
                break;
            case ProjectDifference::Added:
                out.push_back(d.whereB + ": " + d.order + " placed");
                break;
        }
    }
    return out;
}

namespace {

// Each line of the comparison with its data: one entry per changed setting
// or field, one per move, removal and placing.
std::vector<std::pair<std::string, ordered_json>> lineEntries(const std::vector<ProjectDifference>& differences)
{
    std::vector<std::pair<std::string, ordered_json>> out;
    auto place = [](int row, const std::string& where) { return ordered_json{{"row", row}, {"place", where}}; };
    auto change = [](ordered_json& e, const FieldChange& c) {
        if (c.setting) {
            e["setting"] = c.key;
            if (c.channel) e["channel"] = c.channel;
        } else {
            e["field"] = c.key;
            if (c.moduleRow) e["moduleRow"] = c.moduleRow;
        }
        e["label"] = c.field;
        e["before"] = c.beforeValue;
        e["after"] = c.afterValue;
    };
    for (const ProjectDifference& d : differences) {
        auto module = [&](const char* kind) {
            ordered_json e{{"kind", kind}, {"order", d.order}};
            if (d.rowA) e["a"] = place(d.rowA, d.placeA);
            if (d.rowB) e["b"] = place(d.rowB, d.placeB);
            return e;
        };
        switch (d.kind) {
            case ProjectDifference::Information:
                for (const FieldChange& c : d.changes) {
                    ordered_json e{{"kind", "information"}};
                    change(e, c);
                    out.emplace_back("project information: " + c.field + " " + c.before + kArrow + c.after,
                                     std::move(e));
                }
                continue;
            case ProjectDifference::Moved:
                out.emplace_back(d.order + " moved from " + d.placeA + " to " + d.placeB, module("moved"));
                break;
            case ProjectDifference::Removed:
                out.emplace_back(d.placeA + " " + d.order + " removed", module("removed"));
                continue;
            case ProjectDifference::Added:
                out.emplace_back(d.placeB + " " + d.order + " placed", module("placed"));
                continue;
            case ProjectDifference::Changed:
                break;
        }
        for (const FieldChange& c : d.changes) {
            ordered_json e = module(c.setting ? "setting" : "field");
            change(e, c);
            out.emplace_back(d.placeB + " " + d.order + ": " + c.field + " " + c.before + kArrow + c.after,
                             std::move(e));
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> diffLines(const std::vector<ProjectDifference>& differences)
{
    std::vector<std::string> out;
    for (auto& [text, data] : lineEntries(differences)) out.push_back(std::move(text));
    return out;
}

ordered_json diffJson(const std::vector<ProjectDifference>& differences)
{
    ordered_json list = ordered_json::array();
    for (auto& [text, data] : lineEntries(differences)) {
        data["text"] = text;
        list.push_back(std::move(data));
    }
    return ordered_json{{"same", list.empty()}, {"differences", std::move(list)}};
}

}  // namespace rm
