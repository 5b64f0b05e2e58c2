#include "core/app/DiskState.h"

#include <sys/stat.h>

#include "core/base/Files.h"

namespace rm {

namespace {
constexpr std::uintmax_t kMaxHashed = 256u * 1024u * 1024u;
}

std::uint64_t contentHash(const std::string& bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

DiskState diskStateOf(const std::filesystem::path& path)
{
    DiskState s;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return s;
    s.exists = true;
    s.size = static_cast<std::uintmax_t>(st.st_size);
    s.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    const ReadResult file = readFile(path, kMaxHashed);
    if (file.data) s.hash = contentHash(*file.data);
    return s;
}

bool changedOnDisk(const DiskState& known, const std::filesystem::path& path)
{
    const DiskState now = diskStateOf(path);
    if (now.exists != known.exists) return true;
    if (!now.exists) return false;
    return now.size != known.size || now.mtimeNs != known.mtimeNs || now.hash != known.hash;
}

}  // namespace rm
