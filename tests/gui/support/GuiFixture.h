// The desktop program as the tests drive it: a copy of the shipped data in a
// temporary folder, settings in Qt's test location, scripted message boxes
// and file dialogs, and helpers for modal dialogs and drag and drop.
#pragma once

#include <QSettings>

#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "gui/app/MainWindow.h"
#include "gui/app/Session.h"
#include "gui/app/Startup.h"
#include "gui/catalog/CatalogWindow.h"
#include "gui/project/ProjectWindow.h"
#include "gui/support/QueuedFileChooser.h"
#include "gui/support/QueuedFontChooser.h"
#include "gui/support/ScriptedAsker.h"

namespace rm::gui::test {

class GuiFixture {
public:
    GuiFixture();
    ~GuiFixture();

    // Starts the program on the copied data (German: "DEUTSCH", French: "OPTION").
    MainWindow* start(const QString& language = "ENGLISH");
    // Command-line options of the next start, as the program parses them.
    void setArguments(const QStringList& arguments) { arguments_ = arguments; }
    Session& session() { return *session_; }
    // The answers to the program's questions, file dialogs and font dialogs.
    ScriptedAsker& asker() { return asker_; }
    QueuedFileChooser& files() { return files_; }
    QueuedFontChooser& fonts() { return fonts_; }
    // The first question or dialog no answer was set for; empty when none.
    QString unexpected() const;
    MainWindow* main() { return main_.get(); }
    QString dataDir() const { return data_.path(); }
    QString file(const QString& name) const { return work_.filePath(name); }

    // A drop of a catalog entry or of a project row onto a project row, as the
    // grid receives it; returns whether the grid accepted the drop.
    bool dropCatalog(ProjectWindow* target, const std::string& order, int row);
    bool dropRow(ProjectWindow* source, int sourceRow, ProjectWindow* target, int row, bool ctrl);
    // The same with the drag naming its window only, as the drag's data does
    // (the window may have closed since).
    bool dropRowOf(quintptr source, int sourceRow, ProjectWindow* target, int row, bool ctrl);
    // Runs `act` once the next modal dialog is open; the dialog is passed to it.
    static void whenModal(std::function<void(QWidget*)> act);
    // Creates a project through File > New with the given name.
    ProjectWindow* newProject(const QString& name);
    // Starts the program with a new project "Hall2" holding the CPU QMV2.R220
    // and the rack QMV3.X306 on its "+" row (slots from row 22); nullptr on failure.
    ProjectWindow* startWithRack(const QString& language = "ENGLISH");
    void trigger(const QString& action);
    // Clicks a toolbar button, which must be enabled.
    void click(const QString& button);

private:
    bool drop(ProjectWindow* target, QMimeData* mime, int row, bool ctrl);

    QTemporaryDir data_;
    QTemporaryDir workDir_;
    QDir work_;
    QStringList arguments_;
    ScriptedAsker asker_;
    QueuedFileChooser files_;
    QueuedFontChooser fonts_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> main_;
};

// The program's stored settings, as the tests read and seed them.
inline QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "RackMason", "qv4 RackMason");
}

}  // namespace rm::gui::test
