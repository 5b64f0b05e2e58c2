// The lock beside an open project, the recovery files, the change-on-disk test
// and the backup kept at a save.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "core/app/Backup.h"
#include "core/app/DiskState.h"
#include "core/app/ProjectLock.h"
#include "core/app/Recovery.h"
#include "core/base/Files.h"
#include "support/TestSupport.h"

namespace rm {
namespace {

namespace fs = std::filesystem;

const LockInfo kSelf{"anna", "bench", 100, "2026-12-07 10:00:00"};
const auto kAllRun = [](long) { return true; };
const auto kNoneRun = [](long) { return false; };

// Every write of the atomic writer fails, as on a full disk.
struct FailingWrites : WriterCalls {
    FailingWrites() { setWriterCalls(this); }
    ~FailingWrites() override { setWriterCalls(nullptr); }
    long write(int, const char*, std::size_t) override
    {
        errno = ENOSPC;
        return -1;
    }
};

TEST(ProjectLock, FileRoundTripAndNames)
{
    EXPECT_EQ(lockPathFor("/p/PLANT.qv4"), fs::path("/p/.PLANT.qv4.lock"));
    const std::string text = formatLock(kSelf);
    EXPECT_EQ(text, "user=anna\nhost=bench\npid=100\ntime=2026-12-07 10:00:00\n");
    const auto back = parseLock(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->user, "anna");
    EXPECT_EQ(back->pid, 100);
    EXPECT_EQ(parseLock("user=x\r\nhost=h\r\npid=7\r\n")->host, "h");
    for (const char* bad : {"", "host=h\n", "host=h\npid=0\n", "host=h\npid=12x\n", "pid=5\n", "host=h\npid=-3\n"})
        EXPECT_FALSE(parseLock(bad)) << bad;

    // The lock names the account, not what the environment says (su and sudo
    // can leave another user's name in it).
    const passwd* pw = ::getpwuid(::getuid());
    ASSERT_NE(pw, nullptr);
    const std::string account = pw->pw_name;
    const test::ScopedEnv other("USER", account + "-not");
    EXPECT_EQ(currentLockInfo().user, account);
}

TEST(ProjectLock, ProbeTellsFreeOursHeldStaleOtherHostUnreadable)
{
    test::TempFolder tmp;
    const fs::path project = tmp.path / "A.qv4";
    EXPECT_EQ(probeLock(project, kSelf, kAllRun).state, LockState::Free);

    ASSERT_EQ(writeLock(project, kSelf, false), WriteResult::written());
    EXPECT_EQ(probeLock(project, kSelf, kNoneRun).state, LockState::Ours);
    // A second exclusive write fails: the name is taken.
    EXPECT_FALSE(writeLock(project, {"ben", "bench", 200, "t"}, false).ok());

    const LockInfo other{"ben", "bench", 200, "2026-12-07 09:00:00"};
    ASSERT_EQ(writeLock(project, other, true), WriteResult::written());
    auto p = probeLock(project, kSelf, kAllRun);
    EXPECT_EQ(p.state, LockState::Held);
    EXPECT_EQ(p.holder.user, "ben");
    EXPECT_EQ(p.holder.time, "2026-12-07 09:00:00");
    EXPECT_EQ(probeLock(project, kSelf, kNoneRun).state, LockState::Stale);
    // Another host cannot be checked: held, whatever runs here.
    ASSERT_EQ(writeLock(project, {"ben", "desk", 200, "t"}, true), WriteResult::written());
    EXPECT_EQ(probeLock(project, kSelf, kNoneRun).state, LockState::OtherHost);

    // Release removes only our own lock.
    releaseLock(project, kSelf);
    EXPECT_TRUE(fs::exists(lockPathFor(project)));
    test::writeText(lockPathFor(project), "garbage");
    EXPECT_EQ(probeLock(project, kSelf, kNoneRun).state, LockState::Unreadable);
    ASSERT_EQ(writeLock(project, kSelf, true), WriteResult::written());
    releaseLock(project, kSelf);
    EXPECT_FALSE(fs::exists(lockPathFor(project)));
}

TEST(ProjectLock, RealProcessesAndUnwritableFolder)
{
    EXPECT_TRUE(processRunning(static_cast<long>(::getpid())));
    EXPECT_FALSE(processRunning(0));
    EXPECT_FALSE(processRunning(0x3ffffff0));  // beyond any pid_max
    // A process killed and not yet reaped by its parent is gone.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(0);
    for (int i = 0; i < 5000 && processRunning(child); ++i) ::usleep(1000);
    EXPECT_FALSE(processRunning(child));
    EXPECT_EQ(::kill(child, 0), 0);  // still there for kill()
    ::waitpid(child, nullptr, 0);
    const LockInfo me = currentLockInfo();
    EXPECT_EQ(me.pid, static_cast<long>(::getpid()));
    EXPECT_FALSE(me.host.empty());

    test::TempFolder tmp;
    const fs::path project = tmp.path / "A.qv4";
    // A lock that cannot be read counts as held; a folder in its place
    // cannot be read by anyone, root included.
    fs::create_directory(lockPathFor(project));
    EXPECT_EQ(probeLock(project, kSelf, kNoneRun).state, LockState::Unreadable);
    fs::remove(lockPathFor(project));
    test::writeText(lockPathFor(project), formatLock(me));
    ::chmod(lockPathFor(project).c_str(), 0);
    if (::geteuid() != 0) {  // root reads any file
        EXPECT_EQ(probeLock(project, kSelf, kAllRun).state, LockState::Unreadable);
    }
    fs::remove(lockPathFor(project));

    // No lock can be written where the folder is a file.
    const fs::path notAFolder = tmp.path / "plain";
    test::writeText(notAFolder, "x");
    EXPECT_FALSE(writeLock(notAFolder / "A.qv4", me, false).ok());
    EXPECT_FALSE(writeLock(notAFolder / "A.qv4", me, true).ok());
    ::chmod(tmp.path.c_str(), 0500);
    if (::geteuid() != 0) {
        EXPECT_FALSE(writeLock(project, me, false).ok());
    }
    ::chmod(tmp.path.c_str(), 0700);
}

TEST(Recovery, FileRoundTripAndIndex)
{
    RecoveryHeader h{"/p/line\nwith\\odd.qv4", 0, "odd.qv4", "2026-12-07 10:00:00", 100, "bench"};
    const std::string project("\x01\x00\n\nbytes", 9);
    RecoveryHeader back;
    std::string bytes;
    ASSERT_TRUE(parseRecovery(recoveryBytes(h, project), back, bytes));
    EXPECT_EQ(back.originalPath, h.originalPath);
    EXPECT_EQ(back.pid, 100);
    EXPECT_EQ(bytes, project);
    // A cut-short or foreign file is refused.
    const std::string whole = recoveryBytes(h, project);
    EXPECT_FALSE(parseRecovery(whole.substr(0, whole.size() - 1), back, bytes));
    EXPECT_FALSE(parseRecovery("PK\n\nxx", back, bytes));
    EXPECT_FALSE(parseRecovery(whole.substr(0, whole.find("\n\n")), back, bytes));  // the header alone

    // The host name cannot lead the file out of the folder.
    EXPECT_EQ(recoveryFileFor("/r", "my-pc.lan/../x", 7, 2), fs::path("/r/my-pc_lan____x-7-2.rmrecover"));

    test::TempFolder tmp;
    const fs::path dir = tmp.path / "recovery";  // created by the first write
    ASSERT_EQ(writeRecovery(recoveryFileFor(dir, "bench", 100, 1), h, project), WriteResult::written());
    RecoveryHeader noName{"", 3, "NoName3", "t", 200, "bench"};
    ASSERT_EQ(writeRecovery(recoveryFileFor(dir, "bench", 200, 1), noName, "x"), WriteResult::written());
    RecoveryHeader far{"/q.qv4", 0, "q.qv4", "t", 100, "desk"};
    ASSERT_EQ(writeRecovery(recoveryFileFor(dir, "desk", 100, 2), far, "y"), WriteResult::written());
    test::writeText(dir / "broken.rmrecover", "RackMason recovery 1\nsize=99\n\nshort");
    test::writeText(dir / "other.txt", "not ours");

    // Process 100 of this host still runs: its file is left alone.
    const auto list = recoveryIndex(dir, "bench", [](long pid) { return pid == 100; });
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].header.noNameNumber, 3);
    EXPECT_EQ(list[0].project, "x");
    EXPECT_EQ(list[1].file.filename(), "broken.rmrecover");
    EXPECT_FALSE(list[1].error.empty());
    EXPECT_EQ(list[2].header.host, "desk");
    EXPECT_EQ(recoveryIndex(dir, "bench", kNoneRun).size(), 4u);
    EXPECT_TRUE(recoveryIndex(tmp.path / "none", "bench", kNoneRun).empty());
}

TEST(DiskState, NoticesSizeTimeAndContent)
{
    test::TempFolder tmp;
    const fs::path f = tmp.path / "A.qv4";
    const DiskState missing = diskStateOf(f);
    EXPECT_FALSE(changedOnDisk(missing, f));
    test::writeText(f, "abcd");
    EXPECT_TRUE(changedOnDisk(missing, f));
    const DiskState s = diskStateOf(f);
    EXPECT_FALSE(changedOnDisk(s, f));
    // Same size and time, other content.
    DiskState sameMeta = s;
    sameMeta.hash ^= 1;
    EXPECT_TRUE(changedOnDisk(sameMeta, f));
    DiskState otherTime = s;
    otherTime.mtimeNs -= 1;
    EXPECT_TRUE(changedOnDisk(otherTime, f));
    // Rewritten with as many bytes and its old time put back: the content tells.
    const auto time = fs::last_write_time(f);
    test::writeText(f, "abce");
    fs::last_write_time(f, time);
    ASSERT_EQ(diskStateOf(f).mtimeNs, s.mtimeNs);
    EXPECT_TRUE(changedOnDisk(s, f));
    test::writeText(f, "abcde");
    EXPECT_TRUE(changedOnDisk(s, f));
    fs::remove(f);
    EXPECT_TRUE(changedOnDisk(s, f));
}

TEST(Backup, KeepsThePreviousFileAndFailsWithoutHarm)
{
    test::TempFolder tmp;
    const fs::path f = tmp.path / "A.qv4";
    ASSERT_EQ(writeWithBackup(f, "one", true), WriteResult::written());
    EXPECT_FALSE(fs::exists(backupPathFor(f)));  // nothing to keep yet
    ASSERT_EQ(writeWithBackup(f, "two", true), WriteResult::written());
    EXPECT_EQ(test::readText(f.string()), "two");
    EXPECT_EQ(test::readText(backupPathFor(f).string()), "one");
    ASSERT_EQ(writeWithBackup(f, "three", true), WriteResult::written());
    EXPECT_EQ(test::readText(backupPathFor(f).string()), "two");  // one generation
    ASSERT_EQ(writeWithBackup(f, "four", false), WriteResult::written());
    EXPECT_EQ(test::readText(backupPathFor(f).string()), "two");

    // The new file cannot be written: the save fails, and the project, its
    // backup and the folder are as they were.
    {
        FailingWrites full;
        EXPECT_FALSE(writeWithBackup(f, "five", true).ok());
    }
    EXPECT_EQ(test::readText(f.string()), "four");
    EXPECT_EQ(test::readText(backupPathFor(f).string()), "two");
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(tmp.path)) ++files;
    EXPECT_EQ(files, 2);
}

}  // namespace
}  // namespace rm
