// Saving over a project while keeping the previous file as NAME.qv4.bak.
#pragma once

#include <filesystem>
#include <string>

#include "core/base/WriteResult.h"

namespace rm {

std::filesystem::path backupPathFor(const std::filesystem::path& project);

// Writes bytes to project through the one writer. With keepBackup and an
// existing project, the previous file becomes NAME.qv4.bak: it is first held
// under a second name (a hard link, or a copy written by the writer where links
// are not possible), the project is replaced, and only then is the held file
// renamed onto the backup. A failure at any step leaves the project and its
// backup as they were.
WriteResult writeWithBackup(const std::filesystem::path& project, const std::string& bytes, bool keepBackup);

}  // namespace rm
