// Building a project from a bill of material: placements run in order on a
// new project by the same rules a user meets with the catalog tree.
#pragma once

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "core/app/AppState.h"
#include "core/project/ProjectFile.h"

namespace rm {

struct BuildResult {
    enum Status { Ok, Refused, Invalid } status = Ok;
    std::string message;  // why a placement was refused or the bill is not valid
    ProjectData project;
};

// `app` supplies the catalog and the texts; its answerer is not used: the
// build answers every confirmation with Yes and reports refusals.
BuildResult buildProject(AppState& app, const nlohmann::json& bill, const std::filesystem::path& outputPath);

}  // namespace rm
