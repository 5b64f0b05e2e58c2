#include "core/app/Files.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

namespace rm {

ReadResult readFile(const fs::path& path, std::uintmax_t maxSize)
{
    std::error_code ec;
    if (fs::is_directory(path, ec)) return {std::nullopt, "is a folder, not a file"};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {std::nullopt, std::strerror(errno)};
    in.seekg(0, std::ios::end);
    auto end = in.tellg();
    if (end < 0) return {std::nullopt, "cannot be read"};
    auto size = static_cast<std::uintmax_t>(end);
    if (size > maxSize)
        return {std::nullopt,
                "is too large (" + std::to_string(size) + " bytes, at most " + std::to_string(maxSize) + " expected)"};
    in.seekg(0);
    std::string data(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !in.read(data.data(), static_cast<std::streamsize>(size))) return {std::nullopt, "cannot be read"};
    return {std::move(data), {}};
}

bool FileExists(const fs::path& path)
{
    std::error_code ec;
    auto st = fs::status(path, ec);
    if (ec) {
        return !(ec == std::errc::no_such_file_or_directory || ec == std::errc::permission_denied ||
                 ec == std::errc::not_a_directory);
    }
    return st.type() != fs::file_type::not_found;
}

namespace {
bool equalNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
}  // namespace

fs::path findNoCase(const fs::path& dir, const fs::path& relative)
{
    fs::path cur = dir;
    for (const auto& part : relative) {
        fs::path exact = cur / part;
        std::error_code ec;
        if (fs::exists(exact, ec)) {
            cur = exact;
            continue;
        }
        fs::path found;
        for (fs::directory_iterator it(cur, ec), end; !ec && it != end; it.increment(ec)) {
            if (equalNoCase(it->path().filename().string(), part.string())) {
                found = it->path();
                break;
            }
        }
        if (found.empty()) return dir / relative;
        cur = found;
    }
    return cur;
}

}  // namespace rm
