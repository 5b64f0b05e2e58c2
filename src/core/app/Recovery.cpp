#include "core/app/Recovery.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "core/base/Files.h"

namespace rm {

namespace {

constexpr const char* kMagic = "RackMason recovery 1";
constexpr const char* kSuffix = ".rmrecover";
constexpr std::uintmax_t kMaxRecoverySize = 64u * 1024u * 1024u;

std::string escape(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescape(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char n = s[++i];
        out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
    }
    return out;
}

bool toLong(const std::string& s, long& out)
{
    if (s.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < 0) return false;
    out = v;
    return true;
}

}  // namespace

std::string recoveryBytes(const RecoveryHeader& h, const std::string& project)
{
    return std::string(kMagic) + "\npath=" + escape(h.originalPath) + "\nnoname=" + std::to_string(h.noNameNumber) +
           "\ntitle=" + escape(h.title) + "\ntime=" + escape(h.time) + "\npid=" + std::to_string(h.pid) +
           "\nhost=" + escape(h.host) + "\nsize=" + std::to_string(project.size()) + "\n\n" + project;
}

bool parseRecovery(const std::string& bytes, RecoveryHeader& h, std::string& project)
{
    const auto end = bytes.find("\n\n");
    if (end == std::string::npos) return false;
    std::istringstream in(bytes.substr(0, end));
    std::string line;
    if (!std::getline(in, line) || line != kMagic) return false;
    RecoveryHeader out;
    long size = -1, pid = -1, noname = -1;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) return false;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "path")
            out.originalPath = unescape(value);
        else if (key == "title")
            out.title = unescape(value);
        else if (key == "time")
            out.time = unescape(value);
        else if (key == "host")
            out.host = unescape(value);
        else if (key == "pid" && !toLong(value, pid))
            return false;
        else if (key == "noname" && !toLong(value, noname))
            return false;
        else if (key == "size" && !toLong(value, size))
            return false;
    }
    if (size < 0 || pid < 0 || noname < 0 || noname > 1000000) return false;
    if (bytes.size() - (end + 2) != static_cast<std::size_t>(size)) return false;
    out.pid = pid;
    out.noNameNumber = static_cast<int>(noname);
    h = out;
    project = bytes.substr(end + 2);
    return true;
}

std::filesystem::path recoveryFileFor(const std::filesystem::path& folder, const std::string& host, long pid,
                                      int windowId)
{
    std::string safeHost;
    for (char c : host) safeHost += std::isalnum(static_cast<unsigned char>(c)) || c == '-' ? c : '_';
    return folder / (safeHost + "-" + std::to_string(pid) + "-" + std::to_string(windowId) + kSuffix);
}

WriteResult writeRecovery(const std::filesystem::path& file, const RecoveryHeader& header, const std::string& project)
{
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return writeFileAtomic(file, recoveryBytes(header, project));
}

std::vector<RecoveryEntry> recoveryIndex(const std::filesystem::path& folder, const std::string& host,
                                         const ProcessAlive& alive)
{
    std::vector<RecoveryEntry> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        if (e.path().extension() != kSuffix) continue;
        RecoveryEntry entry;
        entry.file = e.path();
        const ReadResult file = readFile(e.path(), kMaxRecoverySize);
        if (!file.data)
            entry.error = file.error;
        else if (!parseRecovery(*file.data, entry.header, entry.project))
            entry.error = "not a recovery file";
        else if (entry.header.host == host && alive(entry.header.pid))
            continue;
        out.push_back(std::move(entry));
    }
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.file < b.file; });
    return out;
}

}  // namespace rm
