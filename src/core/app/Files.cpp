#include "core/base/Files.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rm {

ReadResult readFile(const fs::path& path, std::uintmax_t maxSize)
{
    // Only a regular file is opened: a FIFO or a device would block the
    // open or the read for as long as nobody writes to it.
    std::error_code ec;
    const auto st = fs::status(path, ec);
    if (ec) return {std::nullopt, ec.message()};
    if (st.type() == fs::file_type::directory) return {std::nullopt, "is a folder, not a file"};
    if (st.type() != fs::file_type::regular) return {std::nullopt, "is not a regular file"};
    // Opened without blocking, and checked again, in case the name was
    // given to something else in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {std::nullopt, std::strerror(errno)};
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) return {std::nullopt, std::strerror(errno)};
    if (!S_ISREG(info.st_mode)) return {std::nullopt, "is not a regular file"};
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    if (size > maxSize)
        return {std::nullopt,
                "is too large (" + std::to_string(size) + " bytes, at most " + std::to_string(maxSize) + " expected)"};
    std::string data(static_cast<std::size_t>(size), '\0');
    std::size_t got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {std::nullopt, std::strerror(errno)};
        if (n == 0) break;  // the file was cut while we read it
        got += static_cast<std::size_t>(n);
    }
    data.resize(got);
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
