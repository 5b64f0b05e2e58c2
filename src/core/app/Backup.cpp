#include "core/app/Backup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "core/base/Files.h"

namespace rm {

namespace {

constexpr std::uintmax_t kMaxProject = 256u * 1024u * 1024u;

std::filesystem::path heldPathFor(const std::filesystem::path& project)
{
    return project.parent_path() / ("." + project.filename().string() + ".bak-next");
}

}  // namespace

std::filesystem::path backupPathFor(const std::filesystem::path& project)
{
    return project.parent_path() / (project.filename().string() + ".bak");
}

WriteResult writeWithBackup(const std::filesystem::path& project, const std::string& bytes, bool keepBackup)
{
    struct stat st {};
    if (!keepBackup || ::stat(project.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return writeFileAtomic(project, bytes);

    const auto heldCopy = heldPathFor(project);
    ::unlink(heldCopy.c_str());  // left by a save that was cut short
    struct stat lst {};
    const bool plain = ::lstat(project.c_str(), &lst) == 0 && S_ISREG(lst.st_mode);
    if (!plain || ::link(project.c_str(), heldCopy.c_str()) != 0) {
        const ReadResult old = readFile(project, kMaxProject);
        if (!old.data) return WriteResult::failed(old.error);
        if (WriteResult held = writeFileAtomic(heldCopy, *old.data, WriteMode::CreateOnly); !held.ok()) return held;
    }
    if (WriteResult saved = writeFileAtomic(project, bytes); !saved.ok()) {
        ::unlink(heldCopy.c_str());
        return saved;
    }
    const auto backup = backupPathFor(project);
    // The project is saved; should the rename fail, only the new backup is missing.
    if (::rename(heldCopy.c_str(), backup.c_str()) != 0) ::unlink(heldCopy.c_str());
    return WriteResult::written();
}

}  // namespace rm
