#include "core/base/IniFile.h"

#include <algorithm>
#include <cctype>

#include "core/base/CodePage.h"
#include "core/base/Files.h"

namespace rm {
namespace {

std::string lower(std::string s)
{
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trim(const std::string& s)
{
    auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

// "[name]" gives name; anything else gives nothing.
bool sectionName(const std::string& line, std::string& name)
{
    std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[') return false;
    auto close = t.find(']');
    if (close == std::string::npos) return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

bool keyValue(const std::string& line, std::string& key, std::string& value)
{
    auto eq = line.find('=');
    if (eq == std::string::npos) return false;
    key = trim(line.substr(0, eq));
    if (key.empty() || key[0] == ';') return false;
    value = trim(line.substr(eq + 1));
    return true;
}

constexpr std::uintmax_t kMaxIniSize = 16u << 20;

}  // namespace

IniFile::IniFile(const std::string& file)
{
    // A file that starts with a byte-order mark is UTF-8: its lines are kept
    // as they are, to be written back so, and read in windows-1252 like
    // every other file.
    const std::string_view text = skipBom(file);
    utf8_ = text.size() != file.size();
    const std::string bytes(text);
    // A file with carriage returns and no line feed at all ends its lines with CR.
    const bool crOnly = bytes.find('\n') == std::string::npos && bytes.find('\r') != std::string::npos;
    const char end = crOnly ? '\r' : '\n';
    std::size_t pos = 0;
    bool sawCrLf = false, sawLf = false;
    while (pos < bytes.size()) {
        auto nl = bytes.find(end, pos);
        std::string line = bytes.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
        // The last line may end in a CR without its LF (a file cut after
        // the CR): that CR ends the line too, and is no part of its value.
        if (!crOnly) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
                sawCrLf = true;
            } else if (nl != std::string::npos) {
                sawLf = true;
            }
        }
        lines_.push_back(std::move(line));
        if (nl == std::string::npos) break;
        pos = nl + 1;
    }
    if (sawLf && !sawCrLf) eol_ = "\n";
    if (crOnly) eol_ = "\r";
    index();
}

IniFile IniFile::load(const std::filesystem::path& path, std::string* error)
{
    auto r = readFile(path, kMaxIniSize);
    if (error) *error = r.error;
    return r.data ? IniFile(*r.data) : IniFile();
}

std::string IniFile::decoded(const std::string& line) const
{
    return utf8_ ? utf8ToCp1252(line) : line;
}

void IniFile::index()
{
    values_.clear();
    std::string current;
    bool inSection = false;
    for (const auto& raw : lines_) {
        const std::string line = decoded(raw);
        std::string name, key, value;
        if (sectionName(line, name)) {
            current = lower(name);
            inSection = true;
            values_[current];
        } else if (inSection && keyValue(line, key, value)) {
            values_[current].emplace(lower(key), value);  // first one wins
        }
    }
}

bool IniFile::hasSection(const std::string& section) const
{
    return values_.count(lower(utf8ToCp1252(section))) != 0;
}

std::string IniFile::getString(const std::string& section, const std::string& key, const std::string& def,
                               int bufferSize) const
{
    auto s = values_.find(lower(utf8ToCp1252(section)));
    if (s == values_.end()) return def;
    auto k = s->second.find(lower(utf8ToCp1252(key)));
    if (k == s->second.end()) return def;
    std::string raw = k->second;
    if (bufferSize > 0 && raw.size() > static_cast<std::size_t>(bufferSize - 1))
        raw.resize(static_cast<std::size_t>(bufferSize - 1));
    return cp1252ToUtf8(raw);
}

int IniFile::getInt(const std::string& section, const std::string& key, int def) const
{
    auto s = values_.find(lower(utf8ToCp1252(section)));
    if (s == values_.end()) return def;
    auto k = s->second.find(lower(utf8ToCp1252(key)));
    if (k == s->second.end()) return def;
    const std::string& v = k->second;
    std::size_t i = 0;
    bool neg = false;
    if (i < v.size() && (v[i] == '-' || v[i] == '+')) neg = v[i++] == '-';
    long long n = 0;
    bool any = false;
    while (i < v.size() && std::isdigit(static_cast<unsigned char>(v[i]))) {
        n = std::min<long long>(n * 10 + (v[i++] - '0'), 1LL << 31);
        any = true;
    }
    if (!any) return 0;
    n = neg ? -n : n;
    return static_cast<int>(std::clamp<long long>(n, INT32_MIN, INT32_MAX));
}

void IniFile::setString(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string sec = lower(utf8ToCp1252(section));
    const std::string k = lower(utf8ToCp1252(key));
    std::string newLine = key + "=" + value;
    if (!utf8_) newLine = utf8ToCp1252(newLine);
    std::size_t sectionStart = lines_.size();
    std::size_t insertAt = lines_.size();
    bool found = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string line = decoded(lines_[i]);
        std::string name, lk, lv;
        if (sectionName(line, name)) {
            if (found) break;
            if (lower(name) == sec) {
                found = true;
                sectionStart = i;
                insertAt = i + 1;
            }
        } else if (found) {
            if (keyValue(line, lk, lv) && lower(lk) == k) {
                lines_[i] = newLine;
                index();
                return;
            }
            if (!lines_[i].empty()) insertAt = i + 1;
        }
    }
    if (!found) {
        if (!lines_.empty() && lines_.back().empty()) lines_.pop_back();
        lines_.push_back("[" + (utf8_ ? section : utf8ToCp1252(section)) + "]");
        lines_.push_back(newLine);
    } else {
        (void)sectionStart;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
    }
    index();
}

std::string IniFile::bytes() const
{
    std::string out = utf8_ ? "\xEF\xBB\xBF" : "";
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        if (i + 1 < lines_.size() || !lines_[i].empty()) out += eol_;
    }
    return out;
}

WriteResult writeIniString(const std::filesystem::path& path, const std::string& section, const std::string& key,
                           const std::string& value)
{
    IniFile ini;
    if (FileExists(path)) {
        auto r = readFile(path, kMaxIniSize);
        if (!r.data) return WriteResult::failed(r.error);
        ini = IniFile(*r.data);
    }
    ini.setString(section, key, value);
    return writeFileAtomic(path, ini.bytes());
}

}  // namespace rm
