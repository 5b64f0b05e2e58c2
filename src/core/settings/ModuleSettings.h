// The choices of every parameter dialog by name: a JSON object of stable
// English keys with the values as the user reads them. Reading goes through
// the family's form model as opening the dialog does; writing goes through
// the same form model, its checks and the shared OK sequence, as changing
// the controls and pressing OK does. A setting never means anything the
// dialog would not produce.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/base/OwnTexts.h"
#include "core/record/RowEintrag.h"
#include "core/table/ProjectTable.h"

namespace rm {

// One key of a dialog family's settings.
struct SettingInfo {
    std::string key;  // stable English lowerCamelCase key, unit in the key where a number has one: "filterTimeMs"
    // "choice", "integer", "boolean", "text", or "list of choice" / "list of integer" /
    // "list of boolean" (one entry per channel, channel 1 first)
    std::string type;
    std::vector<std::string> values;  // the allowed words of a choice, as the user reads them (English)
    long long min = 0, max = 0;       // range of an integer
    // Short words for messages and comparisons: "range"; a list entry reads
    // "channel 2 range". The words in English; the desktop's comparison
    // shows them in its language through labelText and labelArg.
    std::string label;
    std::string meaning;  // one sentence for the listing, the README and the manual page
    OwnText labelText = OwnText::Count;
    std::string labelArg;  // its %1, where it has one: the axis of "axis %1 format"
};

// The label of a setting in the language of `texts`.
std::string settingLabel(const SettingInfo& info, const Texts& texts);

struct SettingsFamily {
    std::string name;  // "digital input", "analog input", ..., "cpu" (stable, English)
    std::vector<SettingInfo> keys;
};

// Every family the `settings` command lists, in a fixed order.
const std::vector<SettingsFamily>& settingsFamilies();

// The family of a record's dialog; nullptr when the record has no dialog.
const SettingsFamily* settingsFamilyOf(const RowEintrag& record);

// The keys of the family that a record's dialog shows, in the family's order
// (an analog kind without the step-of-4 choice has no such key).
std::vector<const SettingInfo*> settingKeysOf(const RowEintrag& record);

// The settings of a placed module (or the CPU) as its form model loads them:
// a JSON object, key -> value. Empty object when the row has no dialog.
nlohmann::json settingsOf(const ProjectTable& table, int row);

// Applies settings to the module at `row` exactly as opening its dialog,
// changing what the object names and pressing OK would (the address search
// and its refusals included; a question of the search goes to the table's
// asker). Keys not given keep what the dialog shows. Ok, or refused with a
// message naming the key and what is allowed; a refused apply leaves the
// table as it was.
struct SettingsApplied {
    bool ok = true;
    std::string message;
};
SettingsApplied applySettings(ProjectTable& table, int row, const nlohmann::json& settings);

// Whether settings agree with the record of `row`: every key is one the
// row's dialog shows with an allowed value, each value is what the dialog
// shows for the record, and storing them gives the record that pressing OK
// without changes would. Ok, or the first disagreement naming the key.
SettingsApplied settingsAgree(const ProjectTable& table, int row, const nlohmann::json& settings);

}  // namespace rm
