// Generating the data block source file beside the project file.
#pragma once

#include <string>

#include "core/base/WriteResult.h"
#include "core/table/ProjectTable.h"

namespace rm {

// Writes the source of the project (I/O block IoDb 0..2, CPU block CpuDb 0..3,
// 0 = none) to the project's path with "awl" in place of its last three
// characters. An existing file is replaced only after the user confirms, and
// only by a complete new file. Returns 1 when written, 0 when not (never
// saved, declined, the project file itself, or the file could not be
// written; the caller reports it), 2 when refused with a message of its own
// (a text or value the source cannot carry, see findSourceProblem).
[[nodiscard]] int writeDB(ProjectTable& table, int IoDb, int CpuDb);

// The same, with what became of the file for the caller's message: written,
// declined (the user kept the existing file), or failed with the system's
// reason or why the file may not be written.
[[nodiscard]] int writeDB(ProjectTable& table, int IoDb, int CpuDb, WriteResult* result);

// The same into `target`, a file the user chose instead of the one beside
// the project (the file dialog has asked before replacing one). The project
// file itself is never replaced.
[[nodiscard]] int writeDBTo(ProjectTable& table, const std::string& target, int IoDb, int CpuDb, WriteResult* result);

}  // namespace rm
