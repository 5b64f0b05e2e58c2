// The one writer of whole files: every file the program writes goes through
// writeFileAtomic.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "core/base/Files.h"

namespace rm {

namespace {

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
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Flushes a folder so that a rename in it survives a power loss. File systems
// that cannot flush a folder say EINVAL; their renames are as durable as they get.
std::string syncFolder(const fs::path& dir)
{
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return reason(errno);
    int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return err == 0 || err == EINVAL ? std::string() : reason(err);
}

// Puts tmp at target only when the name is free. The kernel does that in one
// step; file systems without it get a hard link, and those without hard links
// a placeholder created exclusively and then replaced.
int renameNoReplace(const fs::path& tmp, const fs::path& target)
{
    if (::renameat2(AT_FDCWD, tmp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    if (::link(tmp.c_str(), target.c_str()) == 0) {
        ::unlink(tmp.c_str());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != ENOSYS) return errno;
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    ::close(fd);
    if (::rename(tmp.c_str(), target.c_str()) == 0) return 0;
    const int err = errno;
    ::unlink(target.c_str());
    return err;
}

}  // namespace

std::string writeFileAtomic(const fs::path& path, const std::string& bytes, WriteMode mode, bool* taken)
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
    std::random_device rd;
    fs::path tmp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        tmp = dir / ("." + target.filename().string() + "." + std::to_string(rd() % 1000000) + ".tmp");
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return reason(errno);
    }
    if (fd < 0) return "no temporary file could be created";

    int err = 0;
    if (replacing) {
        // Owner first: changing it may clear the set-id bits the mode restores.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)::fchown(fd, old.st_uid, old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0) err = errno;
    }
    if (!err && !writeAll(fd, bytes)) err = errno ? errno : EIO;
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (!err) {
        if (mode == WriteMode::Replace)
            err = ::rename(tmp.c_str(), target.c_str()) == 0 ? 0 : errno;
        else
            err = renameNoReplace(tmp, target);
    }
    if (err) {
        ::unlink(tmp.c_str());
        if (err == EEXIST && taken) *taken = true;
        return reason(err);
    }
    return syncFolder(dir);
}

bool sameFile(const fs::path& a, const fs::path& b)
{
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace rm
