// Recovery files: a modified project window written at an interval into a
// folder of the per-user data folder, offered at the next start when the
// program that wrote it no longer runs. A file is a few header lines, an empty
// line, and the project file's own bytes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/app/ProjectLock.h"
#include "core/base/WriteResult.h"

namespace rm {

struct RecoveryHeader {
    std::string originalPath;  // empty for a project never saved
    int noNameNumber = 0;      // "NoName" and this number when originalPath is empty
    std::string title;
    std::string time;
    long pid = 0;
    std::string host;
};

std::string recoveryBytes(const RecoveryHeader& header, const std::string& project);
// False when the bytes are not a whole recovery file.
bool parseRecovery(const std::string& bytes, RecoveryHeader& header, std::string& project);

// The file a window of this process writes; windowId tells the windows apart.
std::filesystem::path recoveryFileFor(const std::filesystem::path& folder, const std::string& host, long pid,
                                      int windowId);

// Written through the one writer: whole or nothing.
WriteResult writeRecovery(const std::filesystem::path& file, const RecoveryHeader& header, const std::string& project);

struct RecoveryEntry {
    std::filesystem::path file;
    RecoveryHeader header;
    std::string project;
    std::string error;  // not empty: the file cannot be read; it is kept
};

// The recovery files to offer: those left by a process that no longer runs
// (or by another host), and those that cannot be read. Files of a running
// process of this host are left alone. Sorted by file name.
std::vector<RecoveryEntry> recoveryIndex(const std::filesystem::path& folder, const std::string& host,
                                         const ProcessAlive& alive);

}  // namespace rm
