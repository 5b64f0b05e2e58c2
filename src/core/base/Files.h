// File access shared by every reader and writer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/base/WriteResult.h"

namespace rm {

namespace fs = std::filesystem;

struct ReadResult {
    std::optional<std::string> data;
    std::string error;  // why data is empty
};

// Reads a whole file, refusing one larger than maxSize before allocating.
ReadResult readFile(const fs::path& path, std::uintmax_t maxSize);

enum class WriteMode {
    Replace,     // an existing file is replaced
    CreateOnly,  // an existing name is left alone and the write fails
};

// Writes a whole file: a temporary file in the target's folder, flushed to
// disk, then renamed onto the target and the folder flushed, so the target is
// either the old file or the whole new one, even after a power loss.
// Replacing keeps the old file's permissions and writes through a symbolic
// link to the file it names; anything but a regular file is never replaced.
// CreateOnly never replaces: of two writers racing for one name exactly one
// succeeds, and `taken` (when given) tells the other that the name exists.
// A taken name fails with the system's reason for it.
WriteResult writeFileAtomic(const fs::path& path, const std::string& bytes, WriteMode mode = WriteMode::Replace,
                            bool* taken = nullptr);

// The system calls on which the writer's promise rests: writing the bytes
// (which may take several calls), flushing a file or a folder, and renaming
// the temporary file onto the target (flags as renameat2 takes them). The writer makes them through the object set
// here, so that a test can record their order or make one fail; the default one calls the system.
class WriterCalls {
public:
    virtual ~WriterCalls() = default;
    virtual long write(int fd, const char* bytes, std::size_t size);
    virtual int fsync(int fd);
    virtual int renameat(int fromDir, const char* from, int toDir, const char* to, unsigned flags);
};
// Sets the calls writeFileAtomic makes (nullptr: the system's own) and
// returns the previous ones. Not for concurrent use: tests set it around a write.
WriterCalls* setWriterCalls(WriterCalls* calls);

// The start of the temporary names writeFileAtomic gives a target named
// targetName in a folder whose names hold at most `limit` bytes; the writer's
// process id, '-', six digits and ".tmp" follow. The whole name always fits:
// a name too long for that is shortened and ends in a check sum of itself.
// A write removes the temporary files of its target that a writer left when
// it was killed (those whose process is gone).
std::string temporaryNamePrefix(const std::string& targetName, std::size_t limit = 255);

// True when both paths name one existing file (the same device and inode),
// however they are spelled and whichever links lead there.
bool sameFile(const fs::path& a, const fs::path& b);

// False only when the file is missing or access to it is denied.
bool FileExists(const fs::path& path);

// Resolves a path relative to dir, matching each name without regard to case.
// Returns the path as given under dir when nothing matches.
fs::path findNoCase(const fs::path& dir, const fs::path& relative);

}  // namespace rm
