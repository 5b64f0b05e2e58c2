// Work that survives: the recovery file written at an interval and recovered
// after a real SIGKILL of a program in a process of its own, the lock question when another running
// program holds the project, a file changed on disk, and the backup.
#include <QtTest>

#include <signal.h>
#include <unistd.h>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <filesystem>

#include "core/app/Backup.h"
#include "core/app/ProjectLock.h"
#include "core/app/Recovery.h"
#include "core/table/ProjectDocument.h"
#include "gui/app/RecoveryDialog.h"
#include "gui/project/CompareWindow.h"
#include "gui/project/ProjectGuard.h"
#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::contains;
using rm::gui::test::GuiFixture;
namespace fs = std::filesystem;

namespace {
constexpr long kGonePid = 0x3ffffff0;  // beyond any pid_max

// Set in the environment of the program this test starts and kills: the
// project file that program saves before it changes it once more.
constexpr const char* kChildEnv = "RM_KILLED_PROGRAM_SAVES";

fs::path recoveryDir()
{
    return fs::path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()) / "recovery";
}

std::string orderAt(const ProjectData& data, int row)
{
    return data.rows[static_cast<std::size_t>(row)].BestellNr;
}

// The program that is killed: two modified windows, one never saved, one
// saved and changed again, recovery files every second as the command line
// asks. It runs until it is killed.
int runProgramToBeKilled(const QString& savedPath)
{
    GuiFixture f;
    f.setArguments({"--autosave-seconds", "1"});
    ProjectWindow* first = f.startWithRack();
    if (!first) return 3;
    ProjectWindow* second = f.newProject("Plant");
    if (!second || !f.dropCatalog(second, "QMV2.R220", 1)) return 4;
    f.save(savedPath);
    if (second->isWindowModified() || !f.dropCatalog(second, "QMV2.G120", 5)) return 5;
    return QApplication::exec();
}
}  // namespace

class NeverLose : public rm::gui::test::GuiTest {
    Q_OBJECT

private slots:
    void init()
    {
        GuiTest::init();
        clearRecovery();
    }
    void cleanup()
    {
        setAutosaveOverride(-1);
        GuiTest::cleanup();
        clearRecovery();
    }

    void recoveryFileIsWrittenAndGoesWithNo();
    void killedProgramIsRecoveredAtTheNextStart();
    // A file changed on disk asks before it is replaced; a project another
    // running program holds asks and opens read-only; the recovery dialog
    // compares and keeps what it cannot read.
    void changedOnDiskLockedProjectsAndTheRecoveryDialog();

private:
    // Recovery files of another case would be offered at the start.
    static void clearRecovery()
    {
        std::error_code ec;
        fs::remove_all(recoveryDir(), ec);
    }
};

void NeverLose::recoveryFileIsWrittenAndGoesWithNo()
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
    // "No" to the save question removes the window's own recovery file.
    const fs::path own = guard->recoveryFile();
    fixture_->asker().setNextAnswers({answer::No});
    QVERIFY(GuiFixture::close(p));
    QVERIFY(!fs::exists(own));
}

void NeverLose::killedProgramIsRecoveredAtTheNextStart()
{
    // The program runs in a process of its own, with its temporary folders in
    // one this test removes.
    QTemporaryDir childTmp;
    const QString saved = QDir(childTmp.path()).filePath("plant.qv4");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildEnv, saved);
    env.insert("TMPDIR", childTmp.path());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted(60000));
    const long pid = child.processId();

    // Both recovery files, each with its window's last change.
    const fs::path neverSaved = recoveryFileFor(recoveryDir(), hostName(), pid, 1);
    const fs::path plant = recoveryFileFor(recoveryDir(), hostName(), pid, 2);
    auto holds = [](const fs::path& file, int row, const std::string& order) {
        RecoveryHeader h;
        std::string bytes;
        if (!parseRecovery(rm::test::readText(file.string()), h, bytes)) return false;
        const ProjectReadResult read = decodeProject(bytes);
        return read.status == ProjectReadStatus::Ok && orderAt(read.data, row) == order;
    };
    auto written = [&] {
        return fs::exists(neverSaved) && fs::exists(plant) && holds(neverSaved, 21, "QMV3.X306") &&
               holds(plant, 5, "QMV2.G120");
    };
    QTRY_VERIFY_WITH_TIMEOUT(written() || child.state() != QProcess::Running, 120000);
    QVERIFY2(written(), qPrintable(QString("the program ended with %1").arg(child.exitCode())));
    QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    // What it left: its lock beside the saved project, and the saved file
    // without the last change.
    QCOMPARE(probeLock(saved.toStdString(), currentLockInfo(), processRunning).state, LockState::Stale);
    const ProjectReadResult onDisk = decodeProject(rm::test::readText(saved.toStdString()));
    QCOMPARE(onDisk.status, ProjectReadStatus::Ok);
    QCOMPARE(orderAt(onDisk.data, 5), std::string());

    // The next start offers both; each is recovered.
    // Shared with the wait for the dialog, which ends when the start is over.
    auto offered = std::make_shared<int>(-1);
    auto waiting = std::make_shared<bool>(true);
    auto recoverAll = std::make_shared<std::function<void(QWidget*)>>();
    *recoverAll = [offered, waiting, recoverAll](QWidget* modal) {
        if (!*waiting) return;
        auto* dlg = qobject_cast<RecoveryDialog*>(modal);
        if (!dlg) return GuiFixture::whenModal(*recoverAll);  // the start window comes first
        *offered = dlg->count();
        for (int i = 0; i < *offered && dlg->isVisible(); ++i)
            QTest::mouseClick(dlg->findChild<QPushButton*>("Recover"), Qt::LeftButton);
        if (dlg->isVisible()) dlg->reject();
    };
    GuiFixture::whenModal(*recoverAll);
    const bool started = fixture_->start() != nullptr;
    *waiting = false;
    *recoverAll = nullptr;
    QVERIFY(started);
    QCOMPARE(*offered, 2);
    QVERIFY(!fs::exists(neverSaved) && !fs::exists(plant));
    auto windows = fixture_->main()->projectWindows();
    QCOMPARE(windows.size(), std::size_t{2});
    ProjectWindow* back = windows[0]->path() == saved ? windows[0] : windows[1];
    ProjectWindow* unnamed = back == windows[0] ? windows[1] : windows[0];
    QVERIFY(back->table().changed() && back->isWindowModified() && back->title() == "plant.qv4");
    QVERIFY(unnamed->isWindowModified() && unnamed->path().isEmpty());
    QCOMPARE(unnamed->table().RowArray()[1].BestellNr, std::string("QMV2.R220"));
    QCOMPARE(unnamed->table().RowArray()[21].BestellNr, std::string("QMV3.X306"));
    QCOMPARE(back->table().RowArray()[5].BestellNr, std::string("QMV2.G120"));

    // Save writes the original file, without a question: the file is as the
    // killed program left it, and its lock is stale.
    fixture_->activate(back);
    fixture_->trigger("pdiDatei3");
    QVERIFY(!back->isWindowModified());
    QCOMPARE(orderAt(decodeProject(rm::test::readText(saved.toStdString())).data, 5), std::string("QMV2.G120"));
    QCOMPARE(probeLock(saved.toStdString(), currentLockInfo(), processRunning).state, LockState::Ours);
    fixture_->asker().setNextAnswers({answer::No});
    QVERIFY(unnamed->parentWidget()->close());
}

void NeverLose::changedOnDiskLockedProjectsAndTheRecoveryDialog()
{
    ProjectWindow* p = fixture_->startWith({{"QMV2.R220", 1}});
    QVERIFY(p);
    fixture_->save(fixture_->file("hall2.qv4"));
    const QString file = fixture_->file("hall2.qv4");
    const fs::path path = file.toStdString();
    const std::string first = rm::test::readText(path);
    QVERIFY(!fs::exists(backupPathFor(path)));
    // A second save keeps the first file as the backup.
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    fixture_->trigger("pdiDatei3");
    QCOMPARE(rm::test::readText(backupPathFor(path).string()), first);

    // Someone replaced the file outside: activating the window says so once.
    rm::test::writeText(path, "replaced outside");
    fixture_->asker().setNextAnswers({answer::Ok});
    fixture_->main()->reportChangeOnDisk();
    QTRY_VERIFY(contains(fixture_->asker().lastPrompt(), "changed on disk since you opened it"));
    fixture_->asker().asked.clear();
    fixture_->main()->reportChangeOnDisk();
    QApplication::processEvents();
    QVERIFY(fixture_->asker().asked.empty());
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 6));
    fixture_->asker().setNextAnswers({answer::Cancel});
    fixture_->trigger("pdiDatei3");
    QVERIFY_ASKED(*fixture_, "changed on disk since you opened it");
    QCOMPARE(rm::test::readText(file.toStdString()), std::string("replaced outside"));
    QVERIFY(p->isWindowModified());
    fixture_->asker().setNextAnswers({answer::Yes});
    fixture_->trigger("pdiDatei3");
    QVERIFY(!p->isWindowModified());
    QCOMPARE(rm::test::readText(backupPathFor(path).string()), std::string("replaced outside"));

    // The window holds the lock while it is open; closing it removes the lock.
    QCOMPARE(probeLock(path, currentLockInfo(), processRunning).state, LockState::Ours);
    QVERIFY(GuiFixture::close(p));
    QVERIFY(!fs::exists(lockPathFor(path)));

    // Another program of this host that runs holds it.
    LockInfo other{"ben", hostName(), static_cast<long>(::getppid()), "2026-12-07 09:00:00"};
    QVERIFY(writeLock(path, other, false).ok());
    fixture_->asker().setNextAnswers({answer::Cancel});
    QVERIFY(!fixture_->main()->openProjectFile(file));
    QVERIFY_ASKED(*fixture_, "ben on " + hostName());
    QVERIFY_ASKED(*fixture_, "since 2026-12-07 09:00:00");
    QVERIFY(fixture_->main()->projectWindows().empty());

    fixture_->asker().setNextAnswers({answer::Yes});  // read-only
    QVERIFY(fixture_->main()->openProjectFile(file));
    ProjectWindow* ro = fixture_->main()->projectWindows().front();
    QVERIFY(ProjectGuard::of(ro)->readOnly() && ro->windowTitle().contains("read-only"));
    QCOMPARE(parseLock(rm::test::readText(lockPathFor(path).string()))->user, std::string("ben"));
    QVERIFY(GuiFixture::close(ro));
    // The other program's lock stays.
    QVERIFY(fs::exists(lockPathFor(path)));

    // A lock left by a process that is gone is taken over.
    other.pid = kGonePid;
    QVERIFY(writeLock(path, other, true).ok());
    QVERIFY(fixture_->main()->openProjectFile(file));
    QCOMPARE(probeLock(path, currentLockInfo(), processRunning).state, LockState::Ours);

    // Recovery files of the open project, of one never saved, and one whose bytes are no project.
    p = fixture_->main()->activeProject();
    QVERIFY(p && fixture_->dropCatalog(p, "QMV2.G120", 7));
    ProjectGuard::of(p)->writeRecoveryNow();
    RecoveryHeader h;
    std::string project;
    QVERIFY(parseRecovery(rm::test::readText(ProjectGuard::of(p)->recoveryFile().string()), h, project));
    h.pid = kGonePid;
    QVERIFY(writeRecovery(recoveryDir() / "a.rmrecover", h, project).ok());
    RecoveryHeader never = h;
    never.originalPath.clear();
    QVERIFY(writeRecovery(recoveryDir() / "b.rmrecover", never, project).ok());
    // A whole recovery file whose bytes are no project.
    QVERIFY(writeRecovery(recoveryDir() / "c.rmrecover", h, "not a project").ok());
    fixture_->asker().setNextAnswers({answer::No});
    QVERIFY(p->parentWidget()->close());

    auto entries = recoveryIndex(recoveryDir(), hostName(), processRunning);
    QCOMPARE(entries.size(), std::size_t{3});
    RecoveryDialog dlg(fixture_->session(), *fixture_->main(), std::move(entries));
    auto* recover = dlg.findChild<QPushButton*>("Recover");
    auto* compare = dlg.findChild<QPushButton*>("Compare");
    QVERIFY(recover->isDefault() && !dlg.findChild<QPushButton*>("Discard")->isDefault() && compare->isEnabled());

    // The compare window: the recovered project against the saved file.
    QVERIFY(dlg.compare(0));
    auto* cmp = dlg.findChild<CompareWindow*>();
    QVERIFY(cmp && cmp->tree()->topLevelItemCount() == 1);
    QVERIFY2(cmp->windowTitle().contains("(recovered)"), qPrintable(cmp->windowTitle()));
    QCOMPARE(cmp->tree()->topLevelItem(0)->text(1), QString("QMV2.G120"));
    cmp->close();
    QVERIFY(fs::exists(recoveryDir() / "a.rmrecover"));  // comparing keeps it

    // Never saved: nothing to compare with.
    auto* list = dlg.findChild<QTreeWidget*>("recoveryList");
    list->setCurrentItem(list->topLevelItem(1));
    QVERIFY(!compare->isEnabled() && recover->isEnabled());
    QVERIFY(!dlg.compare(1));

    // Bytes that are no project: said, kept, and no longer offered to recover.
    fixture_->asker().setNextAnswers({answer::Ok});
    QVERIFY(!dlg.recover(2));
    QVERIFY_ASKED(*fixture_, "c.rmrecover");
    QVERIFY(fs::exists(recoveryDir() / "c.rmrecover"));
    list->setCurrentItem(list->topLevelItem(2));
    QVERIFY(!recover->isEnabled() && !compare->isEnabled());
    QVERIFY(fixture_->main()->projectWindows().empty());
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildEnv)) return runProgramToBeKilled(qEnvironmentVariable(kChildEnv));
    NeverLose test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_neverlose.moc"
