// The project file: the project information, then the 100 row records,
// field by field, little-endian, texts in windows-1252.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/WriteResult.h"
#include "core/record/RowEintrag.h"

namespace rm {

inline constexpr int kFormatVersion = 3;
inline constexpr int kRecordsPerFile = 100;
// Larger than any file this program writes; a bigger one is refused unread.
inline constexpr std::uintmax_t kMaxProjectFileSize = 64u << 20;

struct ProjectData {
    ProjectInfo info;
    std::array<RowEintrag, kRecordsPerFile + 1> rows{};  // index 0 unused
    bool operator==(const ProjectData&) const = default;
};

enum class ProjectReadStatus {
    Ok,
    Unreadable,    // missing, too large, truncated or malformed: text 1079
    WrongVersion,  // FormatVersion is not 3
};

struct ProjectReadResult {
    ProjectReadStatus status = ProjectReadStatus::Unreadable;
    ProjectData data;
    std::string detail;  // what was wrong, for logs and the command line
    // Refused: the bytes are not a project file at all (no project
    // information at their start), rather than a damaged one.
    bool notAProjectFile = false;
    std::uintmax_t ignoredBytes = 0;  // opened: bytes after the last record, not read
};

// The size of the smallest project file: every text empty, no lists.
std::size_t smallestProjectFileSize();

// A text longer than 65535 characters is cut; `error` then says where.
std::string encodeProject(const ProjectData& data, std::string* error = nullptr);
ProjectReadResult decodeProject(std::string_view bytes);
ProjectReadResult readProjectFile(const std::filesystem::path& path);
// Writes the whole file or leaves the old one; returns an error text or "".
// A project with a text the file cannot hold is not written.
WriteResult writeProjectFile(const std::filesystem::path& path, const ProjectData& data);

// The stored name of a project: a file name longer than 12 characters is
// written as its first 8 characters and ".qv4" in the same folder.
std::filesystem::path applyNameRule(const std::filesystem::path& chosen);

// The source file beside a project: its path with the last three characters
// three-character extension replaced by "awl", else its whole path followed
// by ".awl". Empty when the path names no file.
std::string sourcePathFor(const std::string& projectPath);

}  // namespace rm
