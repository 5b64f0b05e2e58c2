#include "core/project/BomWriter.h"

#include "core/dbgen/SourceGenerator.h"
#include "core/project/BillOfMaterial.h"
#include "core/settings/ModuleSettings.h"
#include "core/table/ProjectJson.h"

namespace rm {
namespace {

using nlohmann::ordered_json;

// Fields the build gives the information itself, from the file it writes.
bool writtenByBuild(const std::string& field)
{
    return field == "ProjektPfad" || field == "ProjektTitel" || field == "Gespeichert" || field == "FormatVersion";
}

ordered_json infoOf(const ProjectInfo& info)
{
    ordered_json out = ordered_json::object();
    visitInfoFields(info, [&](FieldKind k, const char* name, const auto& value) {
        if (writtenByBuild(name)) return;
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
            if (!value.empty()) out[name] = value;
        } else if (value != 0) {
            if (k == FieldKind::Boolean && value == kTrue)
                out[name] = true;
            else
                out[name] = value;
        }
    });
    return out;
}

// A sub-row goes with the module above it.
bool placedRow(const RowEintrag& r)
{
    return isSet(r.IsCPU) || isSet(r.IsExtension) || isSet(r.IsHead) || r.SonNbr <= 0;
}

// The raw fields of `want` that `have` does not hold, as `set` takes them.
ordered_json rawDifferences(const RowEintrag& have, const RowEintrag& want)
{
    ordered_json out = ordered_json::object();
    const ordered_json h = recordToJson(have), w = recordToJson(want);
    for (auto it = w.begin(); it != w.end(); ++it) {
        if (it.key() == "CpuConfig") {
            const ordered_json& hc = h.at("CpuConfig");
            for (auto c = it->begin(); c != it->end(); ++c)
                if (hc.at(c.key()) != *c) out[c.key()] = *c;
        } else if (h.at(it.key()) != *it) {
            out[it.key()] = *it;
        }
    }
    return out;
}

// The first field in which two records differ.
std::string firstDifference(const RowEintrag& have, const RowEintrag& want)
{
    const ordered_json d = rawDifferences(have, want);
    return d.empty() ? std::string() : d.begin().key();
}

std::string rowName(const ProjectTable& t, int row)
{
    return "row " + std::to_string(row) + " (" + t.record(row).BestellNr + ")";
}

// Every block number choice of the generate command, so that no option
// reveals a difference.
bool sameSources(const ProjectTable& a, const ProjectTable& b)
{
    // The source is made of the records and these texts alone.
    const ProjectInfo &x = a.info(), &y = b.info();
    if (a.RowArray() == b.RowArray() && x.Autor == y.Autor && x.Familie == y.Familie && x.ProjektName == y.ProjektName)
        return true;
    for (int io = 0; io <= 2; ++io)
        for (int cpu = 0; cpu <= 3; ++cpu)
            if (generateSource(a, io, cpu) != generateSource(b, io, cpu)) return false;
    return true;
}

class Quiet : public Asker {
public:
    int ShowMessage(const std::string&, const std::string&, int) override { return answer::Ok; }
};

// JSON on one line, with a space after each ":" and ",".
std::string oneLine(const ordered_json& j)
{
    std::string out;
    if (j.is_object()) {
        out = "{";
        for (auto it = j.begin(); it != j.end(); ++it)
            out += (it == j.begin() ? "" : ", ") + ordered_json(it.key()).dump() + ": " + oneLine(*it);
        return out + "}";
    }
    if (j.is_array()) {
        out = "[";
        for (auto it = j.begin(); it != j.end(); ++it) out += (it == j.begin() ? "" : ", ") + oneLine(*it);
        return out + "]";
    }
    return j.dump();
}

}  // namespace

BomWritten writeBillOfMaterial(AppState& app, const ProjectTable& project)
{
    BomWritten out;
    auto refuse = [&](const std::string& why) {
        out.ok = false;
        out.message = why;
        return out;
    };
    out.bill = ordered_json::object();
    const ordered_json info = infoOf(project.info());
    if (!info.empty()) out.bill["ProjectInfo"] = info;
    ordered_json placements = ordered_json::array();

    BillBuilder builder(app);
    ProjectTable& sim = builder.table();
    std::string message;
    // Runs a placement on the project as built so far; true when it is taken.
    auto attempt = [&](const ordered_json& p) {
        const auto before = sim.snapshot();
        const nlohmann::json j = nlohmann::json::parse(p.dump());
        if (builder.place(j, "placement " + std::to_string(placements.size()), message) == BuildResult::Ok) return true;
        sim.restore(before);
        return false;
    };
    for (int r = 1; r <= project.lastRow(); ++r) {
        if (project.rowEmpty(r) || !placedRow(project.record(r))) continue;
        const RowEintrag& want = project.record(r);
        ordered_json p = ordered_json::object();
        p["row"] = r;
        p["module"] = want.BestellNr;
        const auto before = sim.snapshot();
        if (!attempt(p)) return refuse(rowName(project, r) + ": placing it on a new project is refused: " + message);
        if (r > sim.lastRow() || sim.rowEmpty(r))
            return refuse(rowName(project, r) + ": placing it on a new project gives no module in this row");

        // Each row of the module: the head, then its further rows as "parts".
        const int further = sim.record(r).isCpuOrExtension() ? 0 : ProjectTable::rowsOf(sim.record(r)) - 1;
        for (int t = -1; t < further; ++t) {
            const int at = r + 1 + t;
            if (at > project.lastRow() || (t >= 0 && placedRow(project.record(at)))) break;
            auto target = [&](ordered_json& q) -> ordered_json& {
                if (t < 0) return q;
                while (q["parts"].size() <= static_cast<std::size_t>(t)) q["parts"].push_back(ordered_json::object());
                return q["parts"][static_cast<std::size_t>(t)];
            };
            // Runs the placement with one more step for this row; keeps it when taken.
            auto extend = [&](const char* key, const ordered_json& value) {
                ordered_json q = p;
                ordered_json& step = target(q);
                if (value.is_object())
                    step[key] = value;
                else
                    step[key] = value.get<int>();
                const auto current = sim.snapshot();
                sim.restore(before);
                if (attempt(q)) {
                    p = q;
                    return true;
                }
                sim.restore(current);
                return false;
            };
            const RowEintrag& wantAt = project.record(at);

            // Start addresses, where the search would give others.
            const RowEintrag& placed = sim.record(at);
            // When refused, the raw fields below carry them.
            if (placed.InBase != wantAt.InBase) extend("InBase", wantAt.InBase);
            if (sim.record(at).OutBase != wantAt.OutBase) extend("OutBase", wantAt.OutBase);

            // The dialog's settings, where they differ from what placing gives.
            const nlohmann::json wanted = settingsOf(project, at), given = settingsOf(sim, at);
            ordered_json settings = ordered_json::object();
            for (const SettingInfo* k : settingKeysOf(wantAt))
                if (wanted.contains(k->key) && (!given.contains(k->key) || given[k->key] != wanted[k->key]))
                    settings[k->key] = wanted[k->key];
            if (!settings.empty()) extend("settings", settings);  // when refused, the raw fields carry them

            // What neither the addresses nor the settings give: raw fields.
            const ordered_json raw = rawDifferences(sim.record(at), wantAt);
            if (!raw.empty() && !extend("set", raw))
                return refuse(rowName(project, at) + ": its fields cannot be set: " + message);
        }
        if (p.contains("parts")) {
            // Parts after the last one that gives anything are left out.
            ordered_json& parts = p["parts"];
            while (!parts.empty() && parts.back().empty()) parts.erase(parts.size() - 1);
            if (parts.empty()) p.erase("parts");
        }
        placements.push_back(std::move(p));
    }
    out.bill["placements"] = std::move(placements);

    // The bill read back as `build` reads it, and the project opened as a
    // user opens the written file.
    nlohmann::json again;
    try {
        again = parseJsonText(billText(out.bill));
    } catch (const JsonError& e) {
        return refuse(std::string("the bill of material cannot be read back: ") + e.what());
    }
    const BuildResult built = buildProject(app, again, "bom.qv4");
    if (built.status != BuildResult::Ok) return refuse("the bill of material is not built again: " + built.message);
    Quiet quiet;
    AppState openedApp(quiet, app.texts.base());
    ProjectTable opened(openedApp);
    opened.ProjektLaden(built.project.info, built.project.rows);
    if (sameSources(project, opened)) return out;
    for (int r = 1; r <= ProjectTable::kMaxRow; ++r)
        if (project.record(r) != opened.record(r)) {
            const std::string field = firstDifference(opened.record(r), project.record(r));
            return refuse(rowName(project, r) + ": the bill of material does not reproduce it" +
                          (field.empty() ? std::string() : " (field " + field + ")"));
        }
    return refuse("the bill of material does not reproduce the project's source");
}

std::string billText(const ordered_json& bill)
{
    std::string out = "{";
    const char* comma = "";
    if (bill.contains("ProjectInfo")) {
        out += "\n  \"ProjectInfo\": {";
        const char* c = "";
        for (auto it = bill["ProjectInfo"].begin(); it != bill["ProjectInfo"].end(); ++it) {
            out += std::string(c) + "\n    " + ordered_json(it.key()).dump() + ": " + it->dump();
            c = ",";
        }
        out += "\n  }";
        comma = ",";
    }
    out += std::string(comma) + "\n  \"placements\": [";
    const char* c = "";
    for (const auto& p : bill.value("placements", ordered_json::array())) {
        out += std::string(c) + "\n    " + oneLine(p);
        c = ",";
    }
    out += "\n  ]\n}\n";
    return out;
}

}  // namespace rm
