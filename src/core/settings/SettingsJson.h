// The dialogs' settings in the project JSON: exported beside each row's
// fields and checked against them on import, and the listing of every
// family's keys for scripts.
#pragma once

#include <nlohmann/json.hpp>

#include "core/app/AppState.h"
#include "core/table/ProjectJson.h"

namespace rm {

inline constexpr const char* kSettingsJsonFormat = "rackmason-settings";
inline constexpr int kSettingsJsonVersion = 1;

// projectToJson, and every row whose module has a dialog carries "settings",
// after its fields: the dialog's choices as it shows them when the project is
// opened in a table of `app` (in its language), keys in the family's order.
nlohmann::ordered_json exportProject(AppState& app, const ProjectData& data);
// importProject, reading a row's "settings" too: the project is opened in a
// table of `app`, and the settings of each row must agree with its fields
// (settingsAgree). A row with settings but no dialog, or whose settings
// disagree, is refused naming the row and the key.
ProjectData importProject(AppState& app, const nlohmann::json& json);

// Every family of dialog settings with its keys, for scripts:
//   { "format": "rackmason-settings", "version": 1, "families": [
//       { "name": "analog input", "keys": [ { "key", "type", "values" (choices),
//         "min", "max" (integers), "label", "meaning" }, ... ] }, ... ] }
nlohmann::ordered_json settingsFamiliesToJson();

}  // namespace rm
