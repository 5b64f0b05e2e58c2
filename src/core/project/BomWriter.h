// The bill of material of a project: the placements, in table order, that
// build it again on a new project, with the project information.
//
// Each placement gives its start addresses where placing in that order would
// give others, its dialog settings where they differ from what placing gives,
// and then the record fields that none of these give as the project has
// them, as raw "set" fields (an old file's values, for one); the further rows
// of a module of several rows follow in "parts". The writer builds the bill again and compares: a project
// whose source the bill would not reproduce is refused with the row.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "core/app/AppState.h"
#include "core/table/ProjectTable.h"

namespace rm {

struct BomWritten {
    bool ok = true;
    std::string message;  // which row the bill cannot reproduce, and why
    nlohmann::ordered_json bill;
};

// `app` supplies the catalog the bill is placed from (the one `build` uses).
BomWritten writeBillOfMaterial(AppState& app, const ProjectTable& project);

// The bill as a file holds it: one placement a line.
std::string billText(const nlohmann::ordered_json& bill);

}  // namespace rm
