// What keeps a project window's work safe: the lock beside its file, the
// state of the file on disk when it was read or written, and the recovery
// file written at an interval while the window holds unsaved changes.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <filesystem>

#include "core/app/DiskState.h"
#include "core/app/ProjectLock.h"

namespace rm::gui {

class ProjectWindow;
struct Session;

// The settings of this run: the recovery interval (0: off) and whether a save
// keeps the previous file as NAME.qv4.bak.
struct SafetySettings {
    int autosaveSeconds = 120;
    bool keepBackup = true;
};
SafetySettings loadSafetySettings();
void saveSafetySettings(const SafetySettings& s);
// --autosave-seconds: the interval of this run only; negative: as stored.
void setAutosaveOverride(int seconds);
int autosaveSeconds();

// The folder of recovery files in the per-user data folder.
std::filesystem::path recoveryFolder(const Session& session);

class ProjectGuard : public QObject {
    Q_OBJECT
public:
    explicit ProjectGuard(ProjectWindow& window);
    ~ProjectGuard() override;
    static ProjectGuard* of(const ProjectWindow* window);

    // After the file was read: the lock question when someone else holds it.
    // False: the user cancelled; the window is not to be shown.
    bool opened(const QString& path);
    enum class Before { Write, SaveAs, Cancel };
    // Before the project is written to path: a read-only window refuses its
    // own file; a file changed on disk since it was read asks first.
    Before beforeSave(const QString& path);
    void saved(const QString& path);
    // The window closes: its recovery file and lock go.
    void closed();

    bool readOnly() const { return readOnly_; }
    QString titleNote() const;
    bool keepBackup() const;
    // Writes the recovery file now when the window holds unsaved changes.
    void writeRecoveryNow();
    std::filesystem::path recoveryFile() const { return recoveryFile_; }
    // The window activated: a file changed on disk is reported once.
    void activated();
    // A recovered project: the window belongs to path without having read it.
    void adoptRecovered(const QString& path);

private:
    void takeLock(const std::filesystem::path& project, bool takeOver);
    void dropLock();
    void removeRecovery();
    void note(const QString& text);
    void restartTimer();

    ProjectWindow& window_;
    LockInfo self_;
    std::filesystem::path locked_;  // the project whose lock this window wrote
    std::filesystem::path known_;   // the file diskState_ describes
    DiskState diskState_;
    bool readOnly_ = false;
    bool changeReported_ = false;
    std::filesystem::path recoveryFile_;
    QTimer timer_;
};

}  // namespace rm::gui
