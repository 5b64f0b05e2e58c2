// Work that survives: the recovery file written at an interval and recovered
// after the program ended without saving, the lock question when another
// running program holds the project, a file changed on disk, and the backup.
#include <QtTest>

#include <unistd.h>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>

#include "core/app/Backup.h"
#include "core/app/ProjectLock.h"
#include "core/app/Recovery.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/RecoveryDialog.h"
#include "gui/project/ProjectGuard.h"
#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::GuiFixture;
using rm::gui::test::store;
namespace fs = std::filesystem;

namespace {
std::string lastPrompt()
{
    return GuiAsker::asked.empty() ? std::string() : GuiAsker::asked.back().prompt;
}
constexpr long kGonePid = 0x3ffffff0;  // beyond any pid_max
}  // namespace

class NeverLose : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        store().clear();
        fixture_ = std::make_unique<GuiFixture>();
        clearRecovery();
    }
    void cleanup()
    {
        QVERIFY2(GuiAsker::unexpected.empty(),
                 GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
        setAutosaveOverride(-1);
        fixture_.reset();
        store().clear();
        clearRecovery();
    }

    void recoveryFileIsWrittenAndRecovered();
    void lockedProjectAsksAndOpensReadOnly();
    void changedOnDiskAsksBeforeReplacing();

private:
    // Recovery files of another case would be offered at the start.
    static void clearRecovery()
    {
        std::error_code ec;
        fs::remove_all(
            fs::path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()) / "recovery", ec);
    }
    std::unique_ptr<GuiFixture> fixture_;
};

void NeverLose::recoveryFileIsWrittenAndRecovered()
{
    setAutosaveOverride(1);
    ProjectWindow* p = fixture_->startWithRack();
    QVERIFY(p);
    ProjectGuard* guard = ProjectGuard::of(p);
    QVERIFY(guard);
    QVERIFY(p->isWindowModified());
    QVERIFY2(p->windowTitle().startsWith(p->title() + "[*]"), qPrintable(p->windowTitle()));
    QTRY_VERIFY_WITH_TIMEOUT(fs::exists(guard->recoveryFile()), 5000);
    // Writing it changed neither the modified mark nor the history.
    QVERIFY(p->isWindowModified());
    QVERIFY(p->history().canUndo());
    QVERIFY(!p->history().isSaved(p->table()));
    const auto rows = p->table().RowArray();

    // The program ended without a word: the file now belongs to a process that is gone.
    RecoveryHeader h;
    std::string project;
    QVERIFY(parseRecovery(rm::test::readText(guard->recoveryFile().string()), h, project));
    QCOMPARE(QString::fromStdString(h.title), p->title());
    const QString title = p->title();
    h.pid = kGonePid;
    const fs::path left = guard->recoveryFile().parent_path() / "left.rmrecover";
    QVERIFY(writeRecovery(left, h, project).empty());

    // "No" to the save question removes the window's own recovery file.
    const fs::path own = guard->recoveryFile();
    GuiAsker::setNextAnswers({answer::No});
    QVERIFY(p->parentWidget()->close());
    QApplication::processEvents();
    QVERIFY(!fs::exists(own));

    auto entries = recoveryIndex(recoveryFolder(fixture_->session()), hostName(), processRunning);
    QCOMPARE(entries.size(), std::size_t{1});
    RecoveryDialog dlg(fixture_->session(), *fixture_->main(), std::move(entries));
    QVERIFY(dlg.recover(0));
    QVERIFY(!fs::exists(left));
    auto windows = fixture_->main()->projectWindows();
    QCOMPARE(windows.size(), std::size_t{1});
    ProjectWindow* back = windows.front();
    QVERIFY(back->table().changed());
    QVERIFY(back->isWindowModified());
    QCOMPARE(back->title(), title);
    for (int r = 1; r < 30; ++r) QCOMPARE(back->table().RowArray()[r].BestellNr, rows[r].BestellNr);
    GuiAsker::setNextAnswers({answer::No});
    QVERIFY(back->parentWidget()->close());
}

void NeverLose::lockedProjectAsksAndOpensReadOnly()
{
    QVERIFY(fixture_->start());
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(p);
    const QString file = fixture_->file("hall2.qv4");
    FileDialogs::setNextFileName(file);
    fixture_->trigger("pdiDatei3");
    QVERIFY(!p->isWindowModified());
    // The window holds the lock while it is open; closing it removes the lock.
    const fs::path path = file.toStdString();
    QCOMPARE(probeLock(path, currentLockInfo(), processRunning).state, LockState::Ours);
    QVERIFY(p->parentWidget()->close());
    QApplication::processEvents();
    QVERIFY(!fs::exists(lockPathFor(path)));

    // Another program of this host that runs holds it.
    LockInfo other{"ben", hostName(), static_cast<long>(::getppid()), "2026-12-07 09:00:00"};
    QVERIFY(writeLock(path, other, false).empty());
    GuiAsker::setNextAnswers({answer::Cancel});
    QVERIFY(!fixture_->main()->openProjectFile(file));
    QVERIFY(lastPrompt().find("ben on " + hostName()) != std::string::npos);
    QVERIFY(lastPrompt().find("since 2026-12-07 09:00:00") != std::string::npos);
    QVERIFY(fixture_->main()->projectWindows().empty());

    GuiAsker::setNextAnswers({answer::Yes});  // read-only
    QVERIFY(fixture_->main()->openProjectFile(file));
    ProjectWindow* ro = fixture_->main()->projectWindows().front();
    QVERIFY(ProjectGuard::of(ro)->readOnly());
    QVERIFY(ro->windowTitle().contains("read-only"));
    QCOMPARE(parseLock(rm::test::readText(lockPathFor(path).string()))->user, std::string("ben"));
    QVERIFY(ro->parentWidget()->close());
    QApplication::processEvents();
    // The other program's lock stays.
    QVERIFY(fs::exists(lockPathFor(path)));

    // A lock left by a process that is gone is taken over.
    other.pid = kGonePid;
    QVERIFY(writeLock(path, other, true).empty());
    QVERIFY(fixture_->main()->openProjectFile(file));
    QCOMPARE(probeLock(path, currentLockInfo(), processRunning).state, LockState::Ours);
}

void NeverLose::changedOnDiskAsksBeforeReplacing()
{
    QVERIFY(fixture_->start());
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(p && fixture_->dropCatalog(p, "QMV2.R220", 1));
    const QString file = fixture_->file("hall2.qv4");
    FileDialogs::setNextFileName(file);
    fixture_->trigger("pdiDatei3");
    const fs::path path = file.toStdString();
    const std::string first = rm::test::readText(file.toStdString());
    QVERIFY(!fs::exists(backupPathFor(path)));
    // A second save keeps the first file as the backup.
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    fixture_->trigger("pdiDatei3");
    QCOMPARE(rm::test::readText(backupPathFor(path).string()), first);

    // Someone replaced the file outside.
    rm::test::writeText(path, "replaced outside");
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 6));
    GuiAsker::setNextAnswers({answer::Cancel});
    fixture_->trigger("pdiDatei3");
    QVERIFY(lastPrompt().find("changed on disk since you opened it") != std::string::npos);
    QCOMPARE(rm::test::readText(file.toStdString()), std::string("replaced outside"));
    QVERIFY(p->isWindowModified());
    GuiAsker::setNextAnswers({answer::Yes});
    fixture_->trigger("pdiDatei3");
    QVERIFY(!p->isWindowModified());
    QCOMPARE(rm::test::readText(backupPathFor(path).string()), std::string("replaced outside"));
    QVERIFY(p->parentWidget()->close());
}

QTEST_MAIN(NeverLose)
#include "tst_neverlose.moc"
