// The lock file beside an open project: who has it open, where and since when.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/base/WriteResult.h"

namespace rm {

struct LockInfo {
    std::string user;
    std::string host;
    long pid = 0;
    std::string time;  // local time the project was opened, "YYYY-MM-DD HH:MM:SS"
};

// Whether a process of this host still runs; tests replace it.
using ProcessAlive = std::function<bool(long pid)>;

// kill(pid, 0): only "no such process" counts as gone, and a process that
// has ended but is not yet reaped (a zombie).
bool processRunning(long pid);

// This process: its user, host, id and the current time.
LockInfo currentLockInfo();
std::string hostName();
std::string localTimeText();

// ".NAME.qv4.lock" in the project's folder.
std::filesystem::path lockPathFor(const std::filesystem::path& project);

// A few lines of text, one "key=value" a line.
std::string formatLock(const LockInfo& info);
std::optional<LockInfo> parseLock(const std::string& text);

enum class LockState {
    Free,        // no lock file
    Ours,        // written by this process
    Held,        // a running process of this host
    OtherHost,   // another host: cannot be checked, counts as held
    Stale,       // a process of this host that no longer runs
    Unreadable,  // a lock file that cannot be read or understood: counts as held
};

struct LockProbe {
    LockState state = LockState::Free;
    LockInfo holder;
};

LockProbe probeLock(const std::filesystem::path& project, const LockInfo& self, const ProcessAlive& alive);

// Writes the lock for self. A free name is taken exclusively; takeOver replaces
// a stale or unwanted lock. A failure is no obstacle to opening (an
// unwritable folder, say): the caller goes on without.
WriteResult writeLock(const std::filesystem::path& project, const LockInfo& self, bool takeOver);

// Removes the lock only when it is still the one self wrote.
void releaseLock(const std::filesystem::path& project, const LockInfo& self);

}  // namespace rm
