// Building a project from a bill of material: placements run in order on a
// new project by the same rules a user meets with the catalog tree.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "core/app/AppState.h"
#include "core/table/ProjectFile.h"

namespace rm {

class ProjectTable;

struct BuildResult {
    enum Status { Ok, Refused, Invalid } status = Ok;
    std::string message;  // why a placement was refused or the bill is not valid
    ProjectData project;
};

// `app` supplies the catalog and the texts; its answerer is not used: the
// build answers every confirmation with Yes and reports refusals.
BuildResult buildProject(AppState& app, const nlohmann::json& bill, const std::filesystem::path& outputPath);

// A bill of material in CSV (see BomCsv.h), built as its JSON form is; the
// messages name the line of the CSV instead of the placement's number.
BuildResult buildProjectFromCsv(AppState& app, std::string_view csv, const std::filesystem::path& outputPath);

// The placements of a bill one at a time on a new project, as buildProject
// runs them; for a writer that tries a placement and takes it back.
class BillBuilder {
public:
    explicit BillBuilder(AppState& shared);
    ~BillBuilder();
    BillBuilder(const BillBuilder&) = delete;
    BillBuilder& operator=(const BillBuilder&) = delete;

    // Runs one placement object. Refused (a rule of the program said no) or
    // Invalid (the object is malformed), with the message beginning `name`;
    // a refused or invalid placement may leave the project half changed.
    BuildResult::Status place(const nlohmann::json& placement, const std::string& name, std::string& message);
    // Whether settings given as texts (from CSV cells) are turned into the
    // types their keys take before they are applied.
    void settingsFromText(bool on) { textSettings_ = on; }

    ProjectTable& table() { return *table_; }
    AppState& app() { return *app_; }

private:
    // The start addresses, settings and raw fields of one row of a placed module.
    BuildResult::Status rowSteps(int row, const nlohmann::json& steps, const std::string& name, std::string& message);
    struct Asking;
    std::unique_ptr<Asking> asker_;
    std::unique_ptr<AppState> app_;
    std::unique_ptr<ProjectTable> table_;
    bool textSettings_ = false;
};

}  // namespace rm
