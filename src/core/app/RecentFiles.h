// The list of recently used project files, kept in "nura.ini" in the
// resource folder: "Entries=" and the count, then "Entry<i>=<path>" lines.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/base/WriteResult.h"

namespace rm {

class RecentFiles {
public:
    static constexpr int kMax = 9;

    // Reads the list file; entries whose file no longer exists are dropped.
    // Returns false when there is no list file or it cannot be read; a list
    // that is there but cannot be read is then never written over.
    bool read(const std::filesystem::path& listFile, const std::function<bool(const std::string&)>& exists);
    // Writes the whole list (CR LF line ends).
    // Refused after a read that found a list it could not read.
    WriteResult write(const std::filesystem::path& listFile) const;

    // Puts a path at the top: an entry already listed moves up, a new one
    // pushes the oldest out when the list is full. Comparison is exact.
    // A path the list cannot hold (a line break, a character windows-1252
    // lacks) is not added: returns false.
    bool add(const std::string& path);
    const std::vector<std::string>& entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
    std::string unreadable_;  // the list file that could not be read, and why
};

// "..\" and the last folder and file name when the path holds three or more
// separators ("\" or "/"), else the path as it is.
std::string ShortenPath(const std::string& path);

}  // namespace rm
