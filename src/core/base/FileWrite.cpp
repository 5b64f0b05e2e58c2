// The one writer of whole files: every file the program writes goes through
// writeFileAtomic.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <random>

#include "core/base/Files.h"

namespace rm {

long WriterCalls::write(int fd, const char* bytes, std::size_t size)
{
    return ::write(fd, bytes, size);
}

int WriterCalls::fsync(int fd)
{
    return ::fsync(fd);
}

int WriterCalls::renameat(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    return flags == 0 ? ::renameat(fromDir, from, toDir, to) : ::renameat2(fromDir, from, toDir, to, flags);
}

namespace {

WriterCalls systemCalls;
WriterCalls* calls = &systemCalls;

std::string reason(int err)
{
    return std::strerror(err);
}

// Follows symbolic links to the file a path finally names, which need not
// exist yet (a dangling link is written through, creating its target).
std::optional<fs::path> followLinks(fs::path path, std::string& error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::error_code ec;
        fs::path target = fs::read_symlink(path, ec);
        if (ec) {
            error = ec.message();
            return std::nullopt;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    error = reason(ELOOP);
    return std::nullopt;
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = calls->write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {  // no progress and no reason: say so rather than leave an old errno
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0) ::close(fd);
    }
};

// The longest name a folder takes, as its file system says.
std::size_t nameLimit(int dirFd)
{
    const long limit = ::fpathconf(dirFd, _PC_NAME_MAX);
    return limit > 0 && limit < 255 ? static_cast<std::size_t>(limit) : 255;
}

bool processGone(long pid)
{
    return pid > 0 && pid <= INT_MAX && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes the temporary files that writers of this target left behind when
// they were killed: only those of processes that no longer run.
void removeStaleTemporaries(int dirFd, const std::string& prefix)
{
    const int listFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0) return;
    DIR* dir = ::fdopendir(listFd);
    if (!dir) {
        ::close(listFd);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        // prefix, then the process id, '-', six digits and ".tmp"
        const std::string rest = name.substr(prefix.size());
        const auto dash = rest.find('-');
        if (dash == 0 || dash == std::string::npos || dash > 10 || rest.size() != dash + 11 ||
            rest.compare(dash + 7, 4, ".tmp") != 0)
            continue;
        if (rest.find_first_not_of("0123456789") != dash) continue;
        if (rest.substr(dash + 1, 6).find_first_not_of("0123456789") != std::string::npos) continue;
        if (processGone(std::stol(rest.substr(0, dash)))) (void)::unlinkat(dirFd, name.c_str(), 0);
    }
    ::closedir(dir);
}

// Puts tmp at target only when the name is free. The kernel does that in one
// step; file systems without it get a hard link, and those without hard links
// a placeholder created exclusively and then replaced.
int renameNoReplace(int dirFd, const char* tmp, const char* target)
{
    if (calls->renameat(dirFd, tmp, dirFd, target, RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    if (::linkat(dirFd, tmp, dirFd, target, 0) == 0) {
        ::unlinkat(dirFd, tmp, 0);
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != ENOSYS) return errno;
    const int fd = ::openat(dirFd, target, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    ::close(fd);
    if (calls->renameat(dirFd, tmp, dirFd, target, 0) == 0) return 0;
    const int err = errno;
    ::unlinkat(dirFd, target, 0);
    return err;
}

}  // namespace

WriterCalls* setWriterCalls(WriterCalls* next)
{
    WriterCalls* previous = calls == &systemCalls ? nullptr : calls;
    calls = next ? next : &systemCalls;
    return previous;
}

std::string temporaryNamePrefix(const std::string& targetName, std::size_t limit)
{
    // "." name "." pid "-" six digits ".tmp": 11 bytes beside the pid's at most 10.
    const std::size_t room = limit > 24 ? limit - 24 : 0;
    std::string kept = targetName;
    if (kept.size() > room) {
        // A shortened name ends in a check sum of the whole one, so that no
        // other target shares its temporary files. Cut between characters:
        // some file systems refuse a name that is not UTF-8.
        std::uint32_t sum = 2166136261u;
        for (unsigned char c : targetName) sum = (sum ^ c) * 16777619u;
        char hex[10];
        std::snprintf(hex, sizeof hex, "~%08x", sum);
        std::size_t cut = room > 9 ? room - 9 : 0;
        while (cut > 0 && (static_cast<unsigned char>(kept[cut]) & 0xC0) == 0x80) --cut;
        kept = kept.substr(0, cut) + hex;
    }
    return "." + kept + ".";
}

namespace {

// The write itself: an empty string when done, else the reason.
std::string writeAtomic(const fs::path& path, const std::string& bytes, WriteMode mode, bool* taken)
{
    if (taken) *taken = false;
    std::string error;
    // A new name is claimed as it stands; a replaced file is the one a link names.
    const auto resolved = mode == WriteMode::Replace ? followLinks(path, error) : std::optional<fs::path>(path);
    if (!resolved) return error;
    const fs::path& target = *resolved;

    struct stat old {};
    const bool replacing = mode == WriteMode::Replace && ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return "is not a regular file";
    if (mode == WriteMode::CreateOnly && ::lstat(target.c_str(), &old) == 0) {
        if (taken) *taken = true;
        return reason(EEXIST);
    }

    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    // Names relative to the folder: the temporary path may then run past
    // PATH_MAX wherever the target's does not.
    Fd folder{::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd < 0) return reason(errno);
    const std::string name = target.filename().string();
    const std::string prefix = temporaryNamePrefix(name, nameLimit(folder.fd));
    removeStaleTemporaries(folder.fd, prefix);
    const std::string mine = prefix + std::to_string(::getpid()) + "-";
    std::random_device rd;
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%06u", static_cast<unsigned>(rd() % 1000000));
        tmp = mine + digits + ".tmp";
        fd = ::openat(folder.fd, tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return reason(errno);
    }
    if (fd < 0) return "no temporary file could be created";

    int err = 0;
    if (replacing) {
        // Owner first: changing it may clear the set-id bits the mode restores.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)::fchown(fd, old.st_uid, old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0) err = errno;
    }
    if (!err && !writeAll(fd, bytes)) err = errno;
    if (!err && calls->fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (!err) {
        if (mode == WriteMode::Replace)
            err = calls->renameat(folder.fd, tmp.c_str(), folder.fd, name.c_str(), 0) == 0 ? 0 : errno;
        else
            err = renameNoReplace(folder.fd, tmp.c_str(), name.c_str());
    }
    if (err) {
        ::unlinkat(folder.fd, tmp.c_str(), 0);
        if (err == EEXIST && taken) *taken = true;
        return reason(err);
    }
    // The folder is flushed so that the rename survives a power loss. File
    // systems that cannot flush a folder say EINVAL; their renames are as
    // durable as they get.
    return calls->fsync(folder.fd) == 0 || errno == EINVAL ? std::string() : reason(errno);
}

}  // namespace

WriteResult writeFileAtomic(const fs::path& path, const std::string& bytes, WriteMode mode, bool* taken)
{
    std::string why = writeAtomic(path, bytes, mode, taken);
    return why.empty() ? WriteResult::written() : WriteResult::failed(std::move(why));
}

bool sameFile(const fs::path& a, const fs::path& b)
{
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace rm
