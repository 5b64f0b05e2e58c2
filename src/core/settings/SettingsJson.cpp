#include "core/settings/SettingsJson.h"

#include <string>
#include <utility>
#include <vector>

#include "core/settings/ModuleSettings.h"
#include "core/table/ProjectTable.h"

namespace rm {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

[[noreturn]] void fail(const std::string& where, const std::string& what)
{
    throw JsonError(where + ": " + what);
}

}  // namespace

// ---------------------------------------------------------------- settings by name

namespace {

// The project as the program opens it: the dialogs read their records there.
ProjectTable openedTable(AppState& app, const ProjectData& data)
{
    ProjectTable table(app);
    table.ProjektLaden(data.info, data.rows);
    return table;
}

// A row's settings in the family's key order, for a reader.
ordered_json orderedSettings(const RowEintrag& record, const json& settings)
{
    ordered_json out = ordered_json::object();
    if (const SettingsFamily* family = settingsFamilyOf(record))
        for (const SettingInfo& k : family->keys)
            if (auto it = settings.find(k.key); it != settings.end()) out[k.key] = *it;
    for (const auto& [key, value] : settings.items())
        if (!out.contains(key)) out[key] = value;
    return out;
}

}  // namespace

ordered_json exportProject(AppState& app, const ProjectData& data)
{
    ordered_json out = projectToJson(data);
    const ProjectTable table = openedTable(app, data);
    for (ordered_json& row : out["rows"]) {
        const int r = row["row"].get<int>();
        const json settings = settingsOf(table, r);
        if (!settings.empty()) row["settings"] = orderedSettings(table.record(r), settings);
    }
    return out;
}

ProjectData importProject(AppState& app, const json& j)
{
    // The settings come off the rows before the fields are read; which rows
    // they stand on is known once the fields have been read and checked.
    json fields = j;
    std::vector<std::pair<std::size_t, json>> given;
    if (fields.is_object()) {
        if (auto rows = fields.find("rows"); rows != fields.end() && rows->is_array()) {
            for (std::size_t i = 0; i < rows->size(); ++i) {
                json& row = (*rows)[i];
                if (!row.is_object()) continue;
                auto s = row.find("settings");
                if (s == row.end()) continue;
                given.emplace_back(i, std::move(*s));
                row.erase("settings");
            }
        }
    }
    ProjectData data = importProject(fields);
    if (given.empty()) return data;
    const ProjectTable table = openedTable(app, data);
    for (const auto& [i, settings] : given) {
        const int r = fields["rows"][i]["row"].get<int>();
        const std::string where = "row " + std::to_string(r) + ", settings";
        if (settingsOf(table, r).empty()) fail(where, "this row has no parameter dialog and takes no settings");
        if (const SettingsApplied agree = settingsAgree(table, r, settings); !agree.ok) fail(where, agree.message);
    }
    return data;
}

ordered_json settingsFamiliesToJson()
{
    ordered_json families = ordered_json::array();
    for (const SettingsFamily& f : settingsFamilies()) {
        ordered_json keys = ordered_json::array();
        for (const SettingInfo& k : f.keys) {
            ordered_json key = ordered_json::object();
            key["key"] = k.key;
            key["type"] = k.type;
            if (k.type.ends_with("choice")) key["values"] = k.values;
            if (k.type.ends_with("integer")) {
                key["min"] = k.min;
                key["max"] = k.max;
            }
            key["label"] = k.label;
            key["meaning"] = k.meaning;
            keys.push_back(std::move(key));
        }
        families.push_back({{"name", f.name}, {"keys", std::move(keys)}});
    }
    ordered_json out = ordered_json::object();
    out["format"] = kSettingsJsonFormat;
    out["version"] = kSettingsJsonVersion;
    out["families"] = std::move(families);
    return out;
}

}  // namespace rm
