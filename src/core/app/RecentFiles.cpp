#include "core/app/RecentFiles.h"

#include <algorithm>
#include <cctype>

#include "core/base/CodePage.h"
#include "core/base/Files.h"

namespace rm {

bool RecentFiles::read(const std::filesystem::path& listFile, const std::function<bool(const std::string&)>& exists)
{
    entries_.clear();
    unreadable_.clear();
    auto file = readFile(listFile, 1u << 20);
    if (!file.data) {
        // A list that is there but cannot be read is left as it is.
        std::error_code ec;
        if (fs::symlink_status(listFile, ec).type() != fs::file_type::not_found)
            unreadable_ = listFile.string() + ": " + file.error;
        return false;
    }
    std::vector<std::string> lines;
    std::size_t pos = 0;
    const std::string& d = *file.data;
    while (pos < d.size()) {
        auto nl = d.find('\n', pos);
        std::string line = d.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(cp1252ToUtf8(line));
        if (nl == std::string::npos) break;
        pos = nl + 1;
    }
    if (lines.empty()) return true;
    // The count is the value of the first line's last character only.
    const std::string& first = lines[0];
    const int count = !first.empty() && std::isdigit(static_cast<unsigned char>(first.back())) ? first.back() - '0' : 0;
    for (int i = 1; i <= count && i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (line.size() <= 7) continue;
        std::string path = line.substr(7);  // after "Entry", one digit and "="
        if (exists(path)) entries_.push_back(std::move(path));
    }
    return true;
}

WriteResult RecentFiles::write(const std::filesystem::path& listFile) const
{
    if (!unreadable_.empty()) return WriteResult::failed(unreadable_);
    std::string out = "Entries=" + std::to_string(entries_.size()) + "\r\n";
    for (std::size_t i = 0; i < entries_.size(); ++i)
        out += "Entry" + std::to_string(i + 1) + "=" + utf8ToCp1252(entries_[i]) + "\r\n";
    return writeFileAtomic(listFile, out);
}

bool RecentFiles::add(const std::string& path)
{
    // One line each, in windows-1252: a path that the list cannot give back
    // as it was is not listed.
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos || cp1252ToUtf8(utf8ToCp1252(path)) != path)
        return false;
    auto it = std::find(entries_.begin(), entries_.end(), path);
    if (it != entries_.end()) entries_.erase(it);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > static_cast<std::size_t>(kMax)) entries_.resize(kMax);
    return true;
}

std::string ShortenPath(const std::string& path)
{
    std::vector<std::size_t> seps;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (path[i] == '\\' || path[i] == '/') seps.push_back(i);
    if (seps.size() < 3) return path;
    const std::size_t from = seps[seps.size() - 2];
    return std::string("..") + path[from] + path.substr(from + 1);
}

}  // namespace rm
