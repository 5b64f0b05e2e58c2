// Private-profile INI files: "[section]" lines and "key=value" lines, names
// matched without regard to case, the file in windows-1252.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/base/WriteResult.h"

namespace rm {

class IniFile {
public:
    IniFile() = default;
    // Parses the raw bytes of a file (windows-1252, any line ends; UTF-8
    // after a byte-order mark).
    explicit IniFile(const std::string& bytes);
    // An empty file when the file cannot be read; error gets the reason.
    static IniFile load(const std::filesystem::path& path, std::string* error = nullptr);

    // The value with blanks around it removed, cut to bufferSize - 1
    // characters as a fixed read buffer would; def when the key is absent.
    std::string getString(const std::string& section, const std::string& key, const std::string& def,
                          int bufferSize) const;
    // The leading decimal number of the value; def when the key is absent,
    // 0 when the value is not a number.
    int getInt(const std::string& section, const std::string& key, int def) const;
    bool hasSection(const std::string& section) const;

    // Sets a key, adding it (and its section) at the end when absent. Other
    // lines stay as they were.
    void setString(const std::string& section, const std::string& key, const std::string& value);
    std::string bytes() const;

private:
    void index();
    // A line of the file in windows-1252.
    std::string decoded(const std::string& line) const;
    std::vector<std::string> lines_;
    bool utf8_ = false;  // the file began with a byte-order mark; written back with it
    std::string eol_ = "\r\n";
    // lower-case section -> lower-case key -> raw value (first occurrence)
    std::map<std::string, std::map<std::string, std::string>> values_;
};

// Writes one key of an INI file, keeping the rest.
WriteResult writeIniString(const std::filesystem::path& path, const std::string& section, const std::string& key,
                           const std::string& value);

}  // namespace rm
