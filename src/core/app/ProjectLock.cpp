#include "core/app/ProjectLock.h"

#include <pwd.h>
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

#include "core/base/Files.h"

namespace rm {

namespace {

constexpr std::uintmax_t kMaxLockSize = 4096;

std::string userName()
{
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name) return pw->pw_name;
    if (const char* u = std::getenv("USER")) return u;
    return "?";
}

bool sameHolder(const LockInfo& a, const LockInfo& b)
{
    return a.host == b.host && a.pid == b.pid;
}

}  // namespace

bool processRunning(long pid)
{
    if (pid <= 0) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return false;
    // A process that was killed but not yet reaped by its parent still
    // answers kill(); it writes nothing any more and counts as gone.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return true;
    const auto close = line.rfind(')');  // the name may hold blanks and ')'
    return close == std::string::npos || close + 2 >= line.size() || line[close + 2] != 'Z';
}

std::string hostName()
{
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0) return "?";
    return buf;
}

std::string localTimeText()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&now, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

LockInfo currentLockInfo()
{
    return {userName(), hostName(), static_cast<long>(::getpid()), localTimeText()};
}

std::filesystem::path lockPathFor(const std::filesystem::path& project)
{
    return project.parent_path() / ("." + project.filename().string() + ".lock");
}

std::string formatLock(const LockInfo& info)
{
    return "user=" + info.user + "\nhost=" + info.host + "\npid=" + std::to_string(info.pid) + "\ntime=" + info.time +
           "\n";
}

std::optional<LockInfo> parseLock(const std::string& text)
{
    LockInfo info;
    bool havePid = false, haveHost = false;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "user")
            info.user = value;
        else if (key == "host") {
            info.host = value;
            haveHost = !value.empty();
        } else if (key == "time")
            info.time = value;
        else if (key == "pid") {
            char* end = nullptr;
            errno = 0;
            const long pid = std::strtol(value.c_str(), &end, 10);
            if (errno != 0 || end == value.c_str() || *end != '\0' || pid <= 0) return std::nullopt;
            info.pid = pid;
            havePid = true;
        }
    }
    if (!havePid || !haveHost) return std::nullopt;
    return info;
}

LockProbe probeLock(const std::filesystem::path& project, const LockInfo& self, const ProcessAlive& alive)
{
    const auto lock = lockPathFor(project);
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(lock, ec))) return {};
    const ReadResult file = readFile(lock, kMaxLockSize);
    const auto info = file.data ? parseLock(*file.data) : std::nullopt;
    if (!info) return {LockState::Unreadable, {}};
    if (sameHolder(*info, self)) return {LockState::Ours, *info};
    if (info->host != self.host) return {LockState::OtherHost, *info};
    return {alive(info->pid) ? LockState::Held : LockState::Stale, *info};
}

WriteResult writeLock(const std::filesystem::path& project, const LockInfo& self, bool takeOver)
{
    return writeFileAtomic(lockPathFor(project), formatLock(self),
                           takeOver ? WriteMode::Replace : WriteMode::CreateOnly);
}

void releaseLock(const std::filesystem::path& project, const LockInfo& self)
{
    const auto lock = lockPathFor(project);
    const ReadResult file = readFile(lock, kMaxLockSize);
    const auto info = file.data ? parseLock(*file.data) : std::nullopt;
    if (info && sameHolder(*info, self)) {
        std::error_code ec;
        std::filesystem::remove(lock, ec);
    }
}

}  // namespace rm
