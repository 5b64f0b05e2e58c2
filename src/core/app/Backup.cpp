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

std::string writeWithBackup(const std::filesystem::path& project, const std::string& bytes, bool keepBackup)
{
    struct stat st {};
    if (!keepBackup || ::stat(project.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return writeFileAtomic(project, bytes);

    const auto held = heldPathFor(project);
    ::unlink(held.c_str());  // left by a save that was cut short
    struct stat lst {};
    const bool plain = ::lstat(project.c_str(), &lst) == 0 && S_ISREG(lst.st_mode);
    if (!plain || ::link(project.c_str(), held.c_str()) != 0) {
        const ReadResult old = readFile(project, kMaxProject);
        if (!old.data) return old.error;
        if (std::string err = writeFileAtomic(held, *old.data, WriteMode::CreateOnly); !err.empty()) return err;
    }
    if (std::string err = writeFileAtomic(project, bytes); !err.empty()) {
        ::unlink(held.c_str());
        return err;
    }
    const auto backup = backupPathFor(project);
    // The project is saved; should the rename fail, only the new backup is missing.
    if (::rename(held.c_str(), backup.c_str()) != 0) ::unlink(held.c_str());
    return {};
}

}  // namespace rm
