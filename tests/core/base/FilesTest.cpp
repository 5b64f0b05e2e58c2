// Code page, INI files, reading and writing files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "core/base/CodePage.h"
#include "core/base/Files.h"
#include "core/base/IniFile.h"
#include "support/TestSupport.h"

namespace rm {
namespace {

namespace fs = std::filesystem;

using test::TempFolder;
using test::writeText;

TEST(CodePage, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x80\xE9\xB1"), "\xE2\x82\xAC\xC3\xA9\xC2\xB1");  // "€é±"
    EXPECT_EQ(utf8ToCp1252("\xE4\xB8\xAD"), "?");                             // not in the code page
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");                                   // cut short
    EXPECT_EQ(utf8ToCp1252(std::string("\xFF") + "b"), "?b");
}

TEST(IniFile, ReadsLikeAPrivateProfile)
{
    IniFile ini(
        "; note\r\n[Katalog]\r\nTitle =  Hardware  \r\nEntries=12abc\r\n[LANGUAGE]\r\nselected=deutsch\r\n"
        "OPTION=Fran\xE7"
        "ais\r\nSELECTED=ENGLISH\r\n");
    // Sections and keys in any case; the first of two like keys counts.
    EXPECT_EQ((std::vector<std::string>{
                  ini.getString("katalog", "TITLE", "leer", 80), ini.getString("Katalog", "Missing", "leer", 80),
                  ini.getString("Nowhere", "Title", "leer", 80), ini.getString("LANGUAGE", "SELECTED", "", 20),
                  ini.getString("LANGUAGE", "OPTION", "", 20)}),
              (std::vector<std::string>{"Hardware", "leer", "leer", "deutsch", "Fran\u00e7ais"}));
    EXPECT_EQ((std::vector<int>{ini.getInt("Katalog", "Entries", 0), ini.getInt("Katalog", "Title", 5),
                                ini.getInt("Katalog", "None", 5)}),
              (std::vector<int>{12, 0, 5}));
    EXPECT_EQ(IniFile("[S]\nK=12345678901234567890123\n").getString("S", "K", "", 20), "1234567890123456789");
    // A section without keys is there; "[]" opens the section of no name.
    const IniFile edges("[]\nA=2\n[Empty]\n");
    EXPECT_EQ(edges.getString("", "A", "", 80), "2");
    EXPECT_TRUE(edges.hasSection("empty"));
    EXPECT_TRUE(ini.hasSection("KATALOG"));
    EXPECT_FALSE(ini.hasSection("Katalo"));
}

// Writing a key keeps the rest of the file, its byte-order mark and its line ends.
TEST(IniFile, WritingKeepsEverythingElseAndTheLineEnds)
{
    IniFile ini("; keep me\r\n[LANGUAGE]\r\nSELECTED=ENGLISH\r\nOPTION=Fr\r\n[Other]\r\nA=1\r\n");
    ini.setString("language", "selected", "DEUTSCH");
    EXPECT_EQ(ini.bytes(), "; keep me\r\n[LANGUAGE]\r\nselected=DEUTSCH\r\nOPTION=Fr\r\n[Other]\r\nA=1\r\n");
    ini.setString("Other", "B", "2");
    ini.setString("New", "C", "3");
    EXPECT_EQ(ini.getString("Other", "B", "", 80), "2");
    EXPECT_EQ(IniFile(ini.bytes()).getString("New", "C", "", 80), "3");

    // A file saved as UTF-8 with a mark reads like the same file in windows-1252,
    // and is written back as UTF-8 with its mark.
    IniFile bom(
        "\xEF\xBB\xBF[LANGUAGE]\r\nOPTION=Fran\xC3\xA7"
        "ais\r\n");
    EXPECT_EQ(bom.getString("LANGUAGE", "OPTION", "", 20),
              "Fran\xC3\xA7"
              "ais");
    bom.setString("LANGUAGE", "SELECTED", "\xC3\x84");
    EXPECT_EQ(bom.bytes(),
              "\xEF\xBB\xBF[LANGUAGE]\r\nOPTION=Fran\xC3\xA7"
              "ais\r\nSELECTED=\xC3\x84\r\n");

    // Lone line feeds stay lone line feeds when a key is written.
    IniFile lf("[Katalog]\nTitle=T\n");
    lf.setString("Katalog", "Title", "U");
    EXPECT_EQ(lf.bytes(), "[Katalog]\nTitle=U\n");

    IniFile cr("[Katalog]\rTitle=T\rEntries=2\r");
    EXPECT_EQ(cr.getInt("Katalog", "Entries", 0), 2);
    cr.setString("Katalog", "Title", "U");
    EXPECT_EQ(cr.bytes(), "[Katalog]\rTitle=U\rEntries=2\r");

    // A last line cut after its CR: the value has no CR in it, and reads the
    // same after the file is written back.
    const IniFile cut("[Katalog]\r\nTitle=T\r\nEntries=2\r");
    EXPECT_EQ(cut.getString("Katalog", "Entries", "", 80), "2");
    EXPECT_EQ(IniFile(cut.bytes()).getString("Katalog", "Entries", "", 80), "2");
    const IniFile mixed("[Katalog]\nTitle=Fuzz\r");
    EXPECT_EQ(mixed.getString("Katalog", "Title", "", 80), "Fuzz");
    EXPECT_EQ(IniFile(mixed.bytes()).getString("Katalog", "Title", "", 80), "Fuzz");
}

TEST(Files, ReadRefusesWhatIsTooLargeOrNotARegularFile)
{
    TempFolder dir;
    writeText(dir.path / "f", "0123456789");
    EXPECT_EQ(readFile(dir.path / "f", 10).data, "0123456789");
    // A name no file has is not there, and is kept as it was asked for.
    EXPECT_FALSE(FileExists(dir.path / "missing"));
    EXPECT_EQ(findNoCase(dir.path, "missing"), dir.path / "missing");
    // Opening a FIFO for reading would wait for a writer forever.
    ASSERT_EQ(::mkfifo((dir.path / "fifo").c_str(), 0600), 0);
    fs::create_symlink("fifo", dir.path / "link");
    const std::pair<fs::path, std::string> cases[] = {
        {dir.path / "fifo", "is not a regular file"},
        {dir.path / "link", "is not a regular file"},
        {"/dev/zero", "is not a regular file"},
        {dir.path, "is a folder, not a file"},
        {dir.path / "f", ""},
        {dir.path / "missing", ""},
    };
    for (const auto& [path, why] : cases) {
        auto r = readFile(path, 9);
        EXPECT_FALSE(r.data.has_value()) << path;
        if (!why.empty()) {
            EXPECT_EQ(r.error, why) << path;
        }
    }
}

// Records the writer's flushes and renames, and fails the one it is told to.
class RecordedCalls : public WriterCalls {
public:
    std::vector<std::string> log;
    std::string failing;    // the entry of log that fails with EIO
    std::size_t chunk = 0;  // when not 0, each write takes at most this many bytes, the first one none (EINTR)
    bool writesNothing = false;
    long write(int fd, const char* bytes, std::size_t size) override
    {
        if (writesNothing) return 0;
        if (chunk == 0) return WriterCalls::write(fd, bytes, size);
        if (!interrupted_) {
            interrupted_ = true;
            errno = EINTR;
            return -1;
        }
        return WriterCalls::write(fd, bytes, std::min(size, chunk));
    }
    int fsync(int fd) override
    {
        struct stat st {};
        ::fstat(fd, &st);
        return record(S_ISDIR(st.st_mode) ? "flush folder" : "flush file", [&] { return WriterCalls::fsync(fd); });
    }
    int renameat(int fromDir, const char* from, int toDir, const char* to, unsigned flags) override
    {
        return record(flags ? "rename no-replace" : "rename",
                      [&] { return WriterCalls::renameat(fromDir, from, toDir, to, flags); });
    }

private:
    bool interrupted_ = false;
    int record(const std::string& what, const std::function<int()>& call)
    {
        log.push_back(what);
        if (what != failing) return call();
        errno = EIO;
        return -1;
    }
};

struct CallsGuard {
    explicit CallsGuard(WriterCalls* c) { setWriterCalls(c); }
    ~CallsGuard() { setWriterCalls(nullptr); }
};

// The file is flushed before it takes the target's name, and the folder after;
// a failing flush or rename is reported and leaves the old file and no
// temporary file behind.
TEST(Files, AtomicWriteFlushesBeforeRenamingAndReportsEveryFailure)
{
    TempFolder dir;
    const fs::path target = dir.path / "p.qv4";
    RecordedCalls calls;
    CallsGuard guard(&calls);
    ASSERT_EQ(writeFileAtomic(target, "old"), WriteResult::written());
    EXPECT_EQ(calls.log, (std::vector<std::string>{"flush file", "rename", "flush folder"}));
    calls.log.clear();
    ASSERT_EQ(writeFileAtomic(dir.path / "new.awl", "x", WriteMode::CreateOnly), WriteResult::written());
    EXPECT_EQ(calls.log, (std::vector<std::string>{"flush file", "rename no-replace", "flush folder"}));

    for (const std::string step : {"flush file", "rename"}) {
        calls.failing = step;
        EXPECT_EQ(writeFileAtomic(target, "new").reason(), std::strerror(EIO)) << step;
        EXPECT_EQ(test::readText(target.string()), "old") << step;
    }
    // Writes cut short or interrupted go on where they stopped; a write that
    // takes nothing fails instead of trying for ever.
    calls.failing.clear();
    calls.chunk = 3;
    ASSERT_EQ(writeFileAtomic(target, "0123456789"), WriteResult::written());
    EXPECT_EQ(test::readText(target.string()), "0123456789");
    calls.chunk = 0;
    calls.writesNothing = true;
    EXPECT_EQ(writeFileAtomic(target, "new").reason(), std::strerror(EIO));
    EXPECT_EQ(test::readText(target.string()), "0123456789");
    calls.writesNothing = false;

    calls.failing = "flush folder";
    EXPECT_EQ(writeFileAtomic(target, "new").reason(), std::strerror(EIO));
    int entries = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir.path)) ++entries;
    EXPECT_EQ(entries, 2);
}

mode_t modeOf(const fs::path& p)
{
    struct stat st {};
    EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
    return st.st_mode;
}

TEST(Files, ReplacingKeepsWhatTheUserHad)
{
    TempFolder dir;
    // Permissions: a private file stays private; a new file gets the umask's.
    const fs::path secret = dir.path / "secret.qv4";
    writeText(secret, "old");
    fs::permissions(secret, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(writeFileAtomic(secret, "new"), WriteResult::written());
    EXPECT_EQ(modeOf(secret) & 07777, 0600u);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_EQ(writeFileAtomic(dir.path / "fresh", "x"), WriteResult::written());
    EXPECT_EQ(modeOf(dir.path / "fresh") & 07777, 0666u & ~mask);

    // A symbolic link stays a link; the file it names gets the new content,
    // by a temporary file in that file's folder.
    fs::create_directory(dir.path / "real");
    writeText(dir.path / "real" / "p.awl", "old");
    fs::create_symlink("real/p.awl", dir.path / "link.awl");
    ASSERT_EQ(writeFileAtomic(dir.path / "link.awl", "through"), WriteResult::written());
    EXPECT_TRUE(S_ISLNK(modeOf(dir.path / "link.awl")));
    EXPECT_EQ(test::readText((dir.path / "real" / "p.awl").string()), "through");
    // A dangling link creates the file it names.
    fs::create_symlink("real/new.awl", dir.path / "dangling.awl");
    ASSERT_EQ(writeFileAtomic(dir.path / "dangling.awl", "created"), WriteResult::written());
    EXPECT_EQ(test::readText((dir.path / "real" / "new.awl").string()), "created");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path / "real"), fs::directory_iterator{}), 2);

    // What is not a regular file is never replaced by one.
    ASSERT_EQ(::mkfifo((dir.path / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(writeFileAtomic(dir.path / "fifo", "x").ok());
    EXPECT_TRUE(S_ISFIFO(modeOf(dir.path / "fifo")));

    // One file by its identity, whatever its spelling or link.
    const fs::path file = dir.path / "p.qv4";
    writeText(file, "x");
    fs::create_symlink(file, dir.path / "link");
    fs::create_hard_link(file, dir.path / "hard");
    writeText(dir.path / "other", "x");
    for (const char* same : {"./p.qv4", "link", "hard"}) EXPECT_TRUE(sameFile(file, dir.path / same)) << same;
    EXPECT_FALSE(sameFile(file, dir.path / "other"));
    EXPECT_FALSE(sameFile(dir.path / "missing", dir.path / "missing"));
}

TEST(Files, CreateOnlyNeverReplaces)
{
    TempFolder dir;
    bool taken = true;
    EXPECT_EQ(writeFileAtomic(dir.path / "a", "first", WriteMode::CreateOnly, &taken), WriteResult::written());
    EXPECT_FALSE(taken);
    EXPECT_FALSE(writeFileAtomic(dir.path / "a", "second", WriteMode::CreateOnly, &taken).ok());
    EXPECT_TRUE(taken);
    EXPECT_EQ(test::readText((dir.path / "a").string()), "first");
    fs::create_symlink("nowhere", dir.path / "dangling");
    EXPECT_FALSE(writeFileAtomic(dir.path / "dangling", "x", WriteMode::CreateOnly, &taken).ok());
    EXPECT_TRUE(taken);
    EXPECT_FALSE(fs::exists(dir.path / "nowhere"));

    // Two writers racing for one new name: exactly one wins every time, and
    // the file holds the winner's bytes.
    for (int round = 0; round < 50; ++round) {
        const fs::path target = dir.path / ("race" + std::to_string(round));
        WriteResult result[2] = {WriteResult::failed(), WriteResult::failed()};
        bool lost[2] = {false, false};
        std::thread a([&] { result[0] = writeFileAtomic(target, "A", WriteMode::CreateOnly, &lost[0]); });
        std::thread b([&] { result[1] = writeFileAtomic(target, "B", WriteMode::CreateOnly, &lost[1]); });
        a.join();
        b.join();
        ASSERT_NE(result[0].ok(), result[1].ok()) << "round " << round;
        const int winner = result[0].ok() ? 0 : 1;
        EXPECT_TRUE(lost[1 - winner]);
        EXPECT_EQ(test::readText(target.string()), winner == 0 ? "A" : "B");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator{}), 52);
}

// A process id that no process has any more.
pid_t goneProcess()
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(Files, TemporaryNamesFitAndStaleOnesGo)
{
    TempFolder dir;
    // Names up to the limit of 255 bytes, also of multi-byte characters, and
    // a path running up to PATH_MAX.
    std::string accents;
    for (int i = 0; i < 17; ++i) accents += "\xc3\xa9";
    for (const std::string& name : {std::string(244, 'n'), std::string(255, 'm'), std::string(221, 'y') + accents}) {
        const std::string prefix = temporaryNamePrefix(name);
        EXPECT_LE(prefix.size() + 10 + 11, 255u);
        const auto sum = prefix.rfind('~');
        ASSERT_NE(sum, std::string::npos);
        EXPECT_LT(static_cast<unsigned char>(prefix[sum - 1]), 0x80) << "cut inside a character";
        EXPECT_EQ(writeFileAtomic(dir.path / name, "long"), WriteResult::written()) << name.size();
        EXPECT_EQ(test::readText((dir.path / name).string()), "long");
    }
    EXPECT_NE(temporaryNamePrefix(std::string(250, 'a') + "1"), temporaryNamePrefix(std::string(250, 'a') + "2"));
    fs::path deep = dir.path;
    while (deep.string().size() < PATH_MAX - 300) deep /= std::string(200, 'd');
    fs::create_directories(deep);
    const fs::path nearLimit = deep / std::string(PATH_MAX - 2 - deep.string().size(), 'p');
    ASSERT_LT(nearLimit.string().size(), static_cast<std::size_t>(PATH_MAX));
    EXPECT_EQ(writeFileAtomic(nearLimit, "deep"), WriteResult::written());
    EXPECT_EQ(writeFileAtomic(nearLimit, "deeper", WriteMode::Replace), WriteResult::written());
    EXPECT_EQ(std::distance(fs::directory_iterator(deep), fs::directory_iterator{}), 1);

    // Left behind by killed writers: those of this target whose process is
    // gone go at the next write there; a running writer's, another target's
    // and files of other names stay.
    fs::create_directory(dir.path / "w");
    const fs::path target = dir.path / "w" / "p.awl";
    const std::string prefix = temporaryNamePrefix("p.awl");
    EXPECT_EQ(prefix, ".p.awl.");
    const std::string gone = std::to_string(goneProcess());
    const std::string stale[] = {prefix + gone + "-123456.tmp", prefix + gone + "-000001.tmp"};
    const std::string kept[] = {prefix + std::to_string(::getpid()) + "-123456.tmp",
                                temporaryNamePrefix("q.awl") + gone + "-123456.tmp",
                                prefix + gone + "-123456.tmp~",
                                prefix + gone + "-12345.tmp",
                                prefix + "x" + gone + "-123456.tmp",
                                "p.awl.bak"};
    for (const auto& name : stale) writeText(dir.path / "w" / name, "torn");
    for (const auto& name : kept) writeText(dir.path / "w" / name, "keep");
    ASSERT_EQ(writeFileAtomic(target, "new"), WriteResult::written());
    for (const auto& name : stale) EXPECT_FALSE(fs::exists(dir.path / "w" / name)) << name;
    for (const auto& name : kept) EXPECT_TRUE(fs::exists(dir.path / "w" / name)) << name;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path / "w"), fs::directory_iterator{}), 7);
}

}  // namespace
}  // namespace rm
