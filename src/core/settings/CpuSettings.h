// The CPU dialog's choices by name. Reading goes through CpuForm as opening
// the dialog does; writing sets the controls the keys name with the rules
// between them (the questions of MPI mode and the web server go to the
// table's asker), runs the checks of OK and writes the row as OK does.
// ModuleSettings dispatches to these for the CPU row.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/settings/ModuleSettings.h"

namespace rm {

// The "cpu" family: every key any CPU's dialog may show, in tab order.
const SettingsFamily& cpuSettingsFamily();

// The keys of `family` (the "cpu" family) that the dialog offers for this
// record: a key whose tab or frame the CPU does not have is left out.
std::vector<const SettingInfo*> cpuSettingKeysOf(const RowEintrag& record, const SettingsFamily& family);

// The settings as the dialog shows them when it opens on the record.
nlohmann::json cpuSettingsOf(const RowEintrag& record);

// The CPU dialog opened on `row`, the settings' controls changed, OK pressed.
SettingsApplied applyCpuSettings(ProjectTable& table, int row, const nlohmann::json& settings);

// Whether settings agree with the CPU record of `row` (see settingsAgree).
SettingsApplied cpuSettingsAgree(const ProjectTable& table, int row, const nlohmann::json& settings);

// How one entry of a CPU list reads in messages and comparisons
// ("compiler priority 3", "password level 2") in the language of `texts`;
// empty for a key that is not one of the CPU's lists.
std::string cpuEntryLabel(const SettingInfo& info, int entry, const Texts& texts);

}  // namespace rm
