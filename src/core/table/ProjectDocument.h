// Opening and saving a project as the program does: the file read, the
// table rebuilt from its records, the file written whole.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/table/ProjectFile.h"
#include "core/table/ProjectTable.h"

namespace rm {

// The records and information of a table, as they are saved.
ProjectData projectDataOf(const ProjectTable& table);

struct OpenResult {
    ProjectReadStatus status = ProjectReadStatus::Unreadable;
    std::string detail;
    std::vector<std::string> notes;   // records that could not be shown
    bool notAProjectFile = false;     // see ProjectReadResult
    std::uintmax_t ignoredBytes = 0;  // bytes after the last record, not read
};

// Reads the file and rebuilds the table. The project then belongs to the file
// actually opened: its path and title are that file's, whatever was stored.
OpenResult openProject(ProjectTable& table, const std::filesystem::path& path);

// Writes the project to its path (FormatVersion 3). On success the project is
// no longer marked as changed; on failure it stays marked and the old file is
// untouched. With keepBackup the previous file is kept as NAME.qv4.bak.
WriteResult saveProject(ProjectTable& table, const std::filesystem::path& path, bool keepBackup = false);

}  // namespace rm
