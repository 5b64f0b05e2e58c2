// What a project file looked like on disk when it was read or written, to
// notice a later change by someone else (size, time or content).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace rm {

struct DiskState {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t mtimeNs = 0;
    std::uint64_t hash = 0;
};

// FNV-1a over the bytes.
std::uint64_t contentHash(const std::string& bytes);

DiskState diskStateOf(const std::filesystem::path& path);

// True when the file is not as it was: gone, another size, another time or
// other content. A file that was missing and still is has not changed.
bool changedOnDisk(const DiskState& known, const std::filesystem::path& path);

}  // namespace rm
