// File access shared by every reader and writer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace rm {

namespace fs = std::filesystem;

struct ReadResult {
    std::optional<std::string> data;
    std::string error;  // why data is empty
};

// Reads a whole file, refusing one larger than maxSize before allocating.
ReadResult readFile(const fs::path& path, std::uintmax_t maxSize);

// Writes a temporary file beside the target and renames it over the target
// once complete, so the target is either the old file or the whole new one.
// Returns an empty string on success, else the reason.
std::string writeFileAtomic(const fs::path& path, const std::string& bytes);

// False only when the file is missing or access to it is denied.
bool FileExists(const fs::path& path);

// Resolves a path relative to dir, matching each name without regard to case.
// Returns the path as given under dir when nothing matches.
fs::path findNoCase(const fs::path& dir, const fs::path& relative);

}  // namespace rm
