#include "core/project/ProjectDiff.h"

#include <map>
#include <optional>

#include "core/project/ProjectCheck.h"

namespace rm {
namespace {

std::string quoted(const std::string& s)
{
    return "\"" + s + "\"";
}

struct Describer {
    std::vector<std::pair<std::string, std::string>>& out;
    void operator()(FieldKind, const char* name, const std::string& v) { out.emplace_back(name, quoted(v)); }
    template <class T>
    void operator()(FieldKind, const char* name, const T& v)
    {
        out.emplace_back(name, std::to_string(v));
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
        out.emplace_back(name, s + "]");
    }
    void channels(const char* name, const std::vector<KanalWert>& v)
    {
        std::string s = "[";
        for (std::size_t i = 0; i < v.size(); ++i) {
            const KanalWert& k = v[i];
            s += (i ? ", " : "") + std::string("(") + std::to_string(k.ChFlags) + " " + std::to_string(k.MinVaCh) +
                 " " + std::to_string(k.MaxVaCh) + " " + std::to_string(k.ResVaCh) + ")";
        }
        out.emplace_back(name, s + "]");
    }
};

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

std::vector<FieldChange> fieldChanges(const Entry& a, const Entry& b);

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
    Describer d{out};
    visitRowFields(record, d);
    visitCpuFields(record.Cpu, d);
    return out;
}

namespace {

std::vector<FieldChange> fieldChanges(const Entry& a, const Entry& b)
{
    std::vector<FieldChange> out;
    const std::size_t rows = std::max(a.records.size(), b.records.size());
    for (std::size_t i = 0; i < rows; ++i) {
        auto fa = describeFields(i < a.records.size() ? a.records[i] : RowEintrag{});
        auto fb = describeFields(i < b.records.size() ? b.records[i] : RowEintrag{});
        for (std::size_t k = 0; k < fa.size(); ++k) {
            if (fa[k].second == fb[k].second) continue;
            out.push_back(
                {(i ? "row +" + std::to_string(i) + " " : std::string()) + fa[k].first, fa[k].second, fb[k].second});
        }
    }
    return out;
}

}  // namespace

std::vector<ProjectDifference> projectDifferences(const ProjectTable& a, const ProjectTable& b)
{
    std::vector<ProjectDifference> out;
    // Project information, apart from where the file lies.
    std::vector<std::pair<std::string, std::string>> ia, ib;
    auto collect = [](const ProjectInfo& p, auto& into) {
        visitInfoFields(p, [&](FieldKind, const char* name, const auto& v) {
            std::string n = name;
            if (n == "ProjektPfad" || n == "ProjektTitel" || n == "Gespeichert") return;
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>)
                into.emplace_back(n, quoted(v));
            else
                into.emplace_back(n, std::to_string(v));
        });
    };
    collect(a.info(), ia);
    collect(b.info(), ib);
    for (std::size_t i = 0; i < ia.size(); ++i)
        if (ia[i].second != ib[i].second) {
            ProjectDifference d;
            d.kind = ProjectDifference::Information;
            d.changes.push_back({ia[i].first, ia[i].second, ib[i].second});
            out.push_back(std::move(d));
        }

    std::vector<Entry> ea = entries(a), eb = entries(b);
    std::vector<bool> usedA(ea.size()), usedB(eb.size());
    auto pair = [&](ProjectDifference::Kind kind, std::size_t i, std::size_t j) {
        ProjectDifference d;
        d.kind = kind;
        d.order = kind == ProjectDifference::Added ? eb[j].order : ea[i].order;
        if (kind != ProjectDifference::Added) {
            d.rowA = ea[i].row;
            d.whereA = describeRow(a, d.rowA);
        }
        if (kind != ProjectDifference::Removed) {
            d.rowB = eb[j].row;
            d.whereB = describeRow(b, d.rowB);
        }
        if (kind == ProjectDifference::Changed || kind == ProjectDifference::Moved)
            d.changes = fieldChanges(ea[i], eb[j]);
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

}  // namespace rm
