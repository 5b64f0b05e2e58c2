#include "gui/project/ProjectGuard.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>

#include "core/app/Recovery.h"
#include "core/table/ProjectDocument.h"
#include "gui/app/Session.h"
#include "gui/app/WorkTexts.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

namespace fs = std::filesystem;

namespace {

int g_override = -1;
int g_nextWindowId = 1;

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("RackMason"),
                     QStringLiteral("qv4 RackMason"));
}

QString native(const fs::path& p)
{
    return QDir::toNativeSeparators(QString::fromStdString(p.string()));
}

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace

SafetySettings loadSafetySettings()
{
    QSettings s = store();
    s.beginGroup(QStringLiteral("Settings"));
    SafetySettings out;
    bool ok = false;
    const int secs = s.value(QStringLiteral("AutosaveSeconds")).toString().toInt(&ok);
    if (ok && secs >= 0) out.autosaveSeconds = secs;
    const QString backup = s.value(QStringLiteral("KeepBackup")).toString();
    if (!backup.isEmpty()) out.keepBackup = backup != QStringLiteral("0");
    return out;
}

void saveSafetySettings(const SafetySettings& v)
{
    QSettings s = store();
    s.beginGroup(QStringLiteral("Settings"));
    s.setValue(QStringLiteral("AutosaveSeconds"), QString::number(v.autosaveSeconds));
    s.setValue(QStringLiteral("KeepBackup"), v.keepBackup ? QStringLiteral("1") : QStringLiteral("0"));
}

void setAutosaveOverride(int seconds)
{
    g_override = seconds;
}

int autosaveSeconds()
{
    return g_override >= 0 ? g_override : loadSafetySettings().autosaveSeconds;
}

fs::path recoveryFolder(const Session& session)
{
    fs::path base = session.userDir;
    if (base.empty()) base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    return base / "recovery";
}

ProjectGuard::ProjectGuard(ProjectWindow& window) : QObject(&window), window_(window), self_(currentLockInfo())
{
    setObjectName(QStringLiteral("ProjectGuard"));
    recoveryFile_ = recoveryFileFor(recoveryFolder(window.session()), self_.host, self_.pid, g_nextWindowId++);
    connect(&window, &ProjectWindow::editStateChanged, this,
            [this] { window_.setWindowModified(window_.table().changed()); });
    connect(&timer_, &QTimer::timeout, this, &ProjectGuard::writeRecoveryNow);
    restartTimer();
}

ProjectGuard::~ProjectGuard()
{
    dropLock();
}

ProjectGuard* ProjectGuard::of(const ProjectWindow* window)
{
    return window ? window->findChild<ProjectGuard*>(QStringLiteral("ProjectGuard"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void ProjectGuard::restartTimer()
{
    const int secs = autosaveSeconds();
    timer_.stop();
    if (secs > 0) timer_.start(secs * 1000);
}

QString ProjectGuard::titleNote() const
{
    return readOnly_ ? workText(window_.session(), OwnText::ReadOnlyMark) : QString();
}

bool ProjectGuard::keepBackup() const
{
    return loadSafetySettings().keepBackup;
}

void ProjectGuard::note(const QString& text)
{
    for (QWidget* w = window_.parentWidget(); w; w = w->parentWidget()) {
        if (auto* main = qobject_cast<QMainWindow*>(w)) {
            main->statusBar()->showMessage(text, 10000);
            return;
        }
    }
}

bool ProjectGuard::opened(const QString& path)
{
    const fs::path project = QFileInfo(path).absoluteFilePath().toStdString();
    known_ = project;
    diskState_ = diskStateOf(project);
    changeReported_ = false;
    const LockProbe probe = probeLock(project, self_, processRunning);
    switch (probe.state) {
        case LockState::Free:
            takeLock(project, false);
            return true;
        case LockState::Ours:
            locked_ = project;
            return true;
        case LockState::Stale:
            takeLock(project, true);
            note(workText(window_.session(), OwnText::LockStale)
                     .arg(native(project), QString::number(probe.holder.pid), qs(probe.holder.user),
                          qs(probe.holder.time)));
            return true;
        case LockState::Held:
        case LockState::OtherHost:
        case LockState::Unreadable:
            break;
    }
    const LockInfo& h = probe.holder;
    Session& session = window_.session();
    const QString who =
        probe.state == LockState::Unreadable
            ? workText(session, OwnText::LockUnreadable, native(lockPathFor(project)))
            : workText(session, OwnText::LockHolder).arg(qs(h.user), qs(h.host), QString::number(h.pid), qs(h.time));
    const QString prompt = workText(session, OwnText::LockQuestion).arg(native(project), who);
    const int a =
        session.app.asker.ShowMessage(prompt.toStdString(), workText(session, OwnText::LockTitle).toStdString(),
                                      style::YesNoCancel + style::Exclamation);
    if (a == answer::Cancel) return false;
    if (a == answer::Yes) {
        readOnly_ = true;
    } else {
        takeLock(project, true);
    }
    return true;
}

void ProjectGuard::adoptRecovered(const QString& path)
{
    if (path.isEmpty()) return;
    const fs::path project = QFileInfo(path).absoluteFilePath().toStdString();
    known_ = project;
    diskState_ = diskStateOf(project);
    const LockProbe probe = probeLock(project, self_, processRunning);
    if (probe.state == LockState::Free || probe.state == LockState::Stale) takeLock(project, true);
}

void ProjectGuard::takeLock(const fs::path& project, bool takeOver)
{
    dropLock();
    self_.time = localTimeText();
    // A folder that takes no lock does not stop the work.
    if (writeLock(project, self_, takeOver).ok()) locked_ = project;
}

void ProjectGuard::dropLock()
{
    if (locked_.empty()) return;
    releaseLock(locked_, self_);
    locked_.clear();
}

ProjectGuard::Before ProjectGuard::beforeSave(const QString& path)
{
    const fs::path target = QFileInfo(path).absoluteFilePath().toStdString();
    Session& session = window_.session();
    auto& asker = session.app.asker;
    if (readOnly_ && target == known_) {
        asker.ShowMessage(workText(session, OwnText::ReadOnlySave, native(target)).toStdString(),
                          workText(session, OwnText::ReadOnlyTitle).toStdString(), style::Ok + style::Exclamation);
        return Before::SaveAs;
    }
    if (target == known_ && changedOnDisk(diskState_, target)) {
        const int a = asker.ShowMessage(workText(session, OwnText::ChangedAsk, native(target)).toStdString(),
                                        workText(session, OwnText::ChangedTitle).toStdString(),
                                        style::YesNoCancel + style::Exclamation);
        if (a == answer::No) return Before::SaveAs;
        if (a != answer::Yes) return Before::Cancel;
    }
    return Before::Write;
}

void ProjectGuard::saved(const QString& path)
{
    const fs::path project = QFileInfo(path).absoluteFilePath().toStdString();
    if (project != known_ || readOnly_) {
        readOnly_ = false;
        takeLock(project, probeLock(project, self_, processRunning).state != LockState::Held);
    }
    known_ = project;
    diskState_ = diskStateOf(project);
    changeReported_ = false;
    removeRecovery();
}

void ProjectGuard::activated()
{
    if (changeReported_ || known_.empty() || !changedOnDisk(diskState_, known_)) return;
    changeReported_ = true;
    Session& session = window_.session();
    session.app.asker.ShowMessage(workText(session, OwnText::ChangedNote, native(known_)).toStdString(),
                                  workText(session, OwnText::ChangedTitle).toStdString(),
                                  style::Ok + style::Information);
}

void ProjectGuard::closed()
{
    timer_.stop();
    removeRecovery();
    dropLock();
}

void ProjectGuard::writeRecoveryNow()
{
    const ProjectTable& table = window_.table();
    if (!table.changed()) return;
    std::string err;
    ProjectData data = projectDataOf(table);
    data.info.FormatVersion = kFormatVersion;  // as a save writes it
    const std::string bytes = encodeProject(data, &err);
    if (!err.empty()) return;
    RecoveryHeader h;
    h.originalPath = table.info().ProjektPfad;
    if (h.originalPath.empty()) {
        // "NoName" and its number.
        const QString title = window_.title();
        int i = static_cast<int>(title.size());
        while (i > 0 && title[i - 1].isDigit()) --i;
        h.noNameNumber = title.mid(i).toInt();
    }
    h.title = window_.title().toStdString();
    h.time = localTimeText();
    h.pid = self_.pid;
    h.host = self_.host;
    // Quietly: a failed recovery write is tried again at the next tick.
    (void)writeRecovery(recoveryFile_, h, bytes);
}

void ProjectGuard::removeRecovery()
{
    std::error_code ec;
    fs::remove(recoveryFile_, ec);
}

}  // namespace rm::gui
