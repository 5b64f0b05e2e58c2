#include "core/table/ProjectFile.h"

#include <cstring>

#include "core/base/CodePage.h"
#include "core/base/Files.h"

namespace rm {
namespace {

class Writer {
public:
    std::string out;
    std::string error;  // the first text the file cannot hold

    void u8(uint8_t v) { out += static_cast<char>(v); }
    void i16(int16_t v)
    {
        auto u = static_cast<uint16_t>(v);
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    void i32(int32_t v)
    {
        auto u = static_cast<uint32_t>(v);
        for (int i = 0; i < 4; ++i) out += static_cast<char>((u >> (8 * i)) & 0xFF);
    }
    void text(const std::string& s)
    {
        std::string bytes = utf8ToCp1252(s);
        if (bytes.size() > 0xFFFF) {
            if (error.empty()) error = "a text of " + std::to_string(bytes.size()) + " characters (at most 65535 fit)";
            bytes.resize(0xFFFF);
        }
        i16(static_cast<int16_t>(static_cast<uint16_t>(bytes.size())));
        out += bytes;
    }
    template <class T, class F>
    void list(const std::vector<T>& v, F each)
    {
        if (v.empty()) {
            i16(0);
            return;
        }
        i16(1);
        i32(static_cast<int32_t>(v.size()));
        i32(0);
        for (const auto& e : v) each(e);
    }

    // The visitor interface of the record field lists.
    void operator()(FieldKind, const char*, const uint8_t& v) { u8(v); }
    void operator()(FieldKind, const char*, const int16_t& v) { i16(v); }
    void operator()(FieldKind, const char*, const int32_t& v) { i32(v); }
    void operator()(FieldKind, const char*, const std::string& v) { text(v); }
    template <class T, std::size_t N>
    void fixed(FieldKind k, const char* name, const std::array<T, N>& a)
    {
        for (const auto& e : a) (*this)(k, name, e);
    }
    void subList(const char*, const std::vector<std::string>& v)
    {
        list(v, [this](const std::string& s) { text(s); });
    }
    void channels(const char*, const std::vector<KanalWert>& v)
    {
        list(v, [this](const KanalWert& k) {
            i16(k.ChFlags);
            i16(k.MinVaCh);
            i16(k.MaxVaCh);
            i16(k.ResVaCh);
        });
    }
};

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}
    bool failed() const { return failed_; }
    const std::string& why() const { return why_; }
    std::size_t offset() const { return pos_; }

    void fail(std::string why)
    {
        if (!failed_) why_ = std::move(why) + " at byte " + std::to_string(pos_);
        failed_ = true;
    }
    bool need(std::size_t n)
    {
        if (failed_) return false;
        if (in_.size() - pos_ < n) {
            fail("file ends early");
            return false;
        }
        return true;
    }
    uint8_t u8()
    {
        if (!need(1)) return 0;
        return static_cast<uint8_t>(in_[pos_++]);
    }
    int16_t i16()
    {
        if (!need(2)) return 0;
        auto v = static_cast<uint16_t>(static_cast<uint8_t>(in_[pos_]) | (static_cast<uint8_t>(in_[pos_ + 1]) << 8));
        pos_ += 2;
        return static_cast<int16_t>(v);
    }
    int32_t i32()
    {
        if (!need(4)) return 0;
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(in_[pos_ + i])) << (8 * i);
        pos_ += 4;
        return static_cast<int32_t>(v);
    }
    std::string text()
    {
        auto n = static_cast<uint16_t>(i16());
        if (!need(n)) return {};
        std::string s = cp1252ToUtf8(in_.substr(pos_, n));
        pos_ += n;
        return s;
    }
    // A list header; the count is checked against the bytes left before
    // anything is allocated.
    std::size_t listCount(std::size_t minElementSize)
    {
        int16_t dims = i16();
        if (failed_ || dims == 0) return 0;
        if (dims != 1) {
            fail("list with " + std::to_string(dims) + " dimensions");
            return 0;
        }
        int32_t count = i32();
        int32_t lower = i32();
        if (failed_) return 0;
        if (lower != 0) {
            fail("list with lower bound " + std::to_string(lower));
            return 0;
        }
        if (count <= 0 || static_cast<std::size_t>(count) > (in_.size() - pos_) / minElementSize) {
            fail("list of " + std::to_string(count) + " elements");
            return 0;
        }
        return static_cast<std::size_t>(count);
    }

    void operator()(FieldKind, const char*, uint8_t& v) { v = u8(); }
    void operator()(FieldKind, const char*, int16_t& v) { v = i16(); }
    void operator()(FieldKind, const char*, int32_t& v) { v = i32(); }
    void operator()(FieldKind, const char*, std::string& v) { v = text(); }
    template <class T, std::size_t N>
    void fixed(FieldKind k, const char* name, std::array<T, N>& a)
    {
        for (auto& e : a) (*this)(k, name, e);
    }
    void subList(const char*, std::vector<std::string>& v)
    {
        std::size_t n = listCount(2);
        v.clear();
        v.reserve(n);
        for (std::size_t i = 0; i < n && !failed_; ++i) v.push_back(text());
    }
    void channels(const char*, std::vector<KanalWert>& v)
    {
        std::size_t n = listCount(8);
        v.assign(n, KanalWert{});
        for (auto& k : v) {
            k.ChFlags = i16();
            k.MinVaCh = i16();
            k.MaxVaCh = i16();
            k.ResVaCh = i16();
        }
    }

private:
    std::string_view in_;
    std::size_t pos_ = 0;
    bool failed_ = false;
    std::string why_;
};

}  // namespace

std::string encodeProject(const ProjectData& data, std::string* error)
{
    Writer w;
    visitInfoFields(data.info, w);
    if (!w.error.empty() && error) *error = "project information: " + w.error;
    for (int r = 1; r <= kRecordsPerFile; ++r) {
        const RowEintrag& rec = data.rows[static_cast<std::size_t>(r)];
        visitRowFields(rec, w);
        visitCpuFields(rec.Cpu, w);
        if (!w.error.empty() && error && error->empty()) *error = "row " + std::to_string(r) + ": " + w.error;
    }
    return std::move(w.out);
}

ProjectReadResult decodeProject(std::string_view bytes)
{
    ProjectReadResult res;
    Reader rd(bytes);
    visitInfoFields(res.data.info, rd);
    if (rd.failed()) {
        res.detail = rd.why();
        res.notAProjectFile = true;
        return res;
    }
    // A version no release wrote: bytes of some other kind of file.
    if (res.data.info.FormatVersion < 0 || res.data.info.FormatVersion > 255) {
        res.detail = "format version " + std::to_string(res.data.info.FormatVersion) + ", version " +
                     std::to_string(kFormatVersion) + " expected";
        res.notAProjectFile = true;
        return res;
    }
    if (res.data.info.FormatVersion != kFormatVersion) {
        res.status = ProjectReadStatus::WrongVersion;
        res.detail = "format version " + std::to_string(res.data.info.FormatVersion) + ", version " +
                     std::to_string(kFormatVersion) + " expected";
        return res;
    }
    for (int r = 1; r <= kRecordsPerFile && !rd.failed(); ++r) {
        RowEintrag& rec = res.data.rows[static_cast<std::size_t>(r)];
        visitRowFields(rec, rd);
        visitCpuFields(rec.Cpu, rd);
        if (rd.failed()) res.detail = "record " + std::to_string(r) + ": " + rd.why();
    }
    if (rd.failed()) return res;
    res.status = ProjectReadStatus::Ok;
    res.ignoredBytes = bytes.size() - rd.offset();
    return res;
}

std::size_t smallestProjectFileSize()
{
    ProjectData empty;
    empty.info.FormatVersion = kFormatVersion;
    return encodeProject(empty).size();
}

ProjectReadResult readProjectFile(const std::filesystem::path& path)
{
    auto file = readFile(path, kMaxProjectFileSize);
    if (!file.data) {
        ProjectReadResult res;
        res.detail = file.error;
        return res;
    }
    return decodeProject(*file.data);
}

WriteResult writeProjectFile(const std::filesystem::path& path, const ProjectData& data)
{
    std::string error;
    std::string bytes = encodeProject(data, &error);
    if (!error.empty()) return WriteResult::failed(error);
    return writeFileAtomic(path, bytes);
}

std::filesystem::path applyNameRule(const std::filesystem::path& chosen)
{
    const std::string name = chosen.filename().string();
    if (name.size() <= 12) return chosen;
    return chosen.parent_path() / (name.substr(0, 8) + ".qv4");
}

std::string sourcePathFor(const std::string& projectPath)
{
    // The file name alone: stored paths may be spelled with either separator.
    const auto sep = projectPath.find_last_of("/\\");
    const std::size_t start = sep == std::string::npos ? 0 : sep + 1;
    const std::string_view name = std::string_view(projectPath).substr(start);
    if (name.empty() || name == "." || name == "..") return {};
    // An extension of three characters is replaced; any other name keeps all
    // of itself, so the source stays in the project's folder.
    const auto dot = name.size() >= 5 ? name.find_last_of('.') : std::string_view::npos;
    if (dot != std::string_view::npos && dot == name.size() - 4 && dot > 0)
        return projectPath.substr(0, projectPath.size() - 3) + "awl";
    return projectPath + ".awl";
}

}  // namespace rm
