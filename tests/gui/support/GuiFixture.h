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
    // Types the name into the next New Project dialog and confirms it.
    static void nameNextProject(const QString& name);
    // Creates a project through File > New with the given name.
    ProjectWindow* newProject(const QString& name);
    // Starts the program with a new project "Hall2" and the catalog entries
    // dropped on their rows; nullptr on failure.
    ProjectWindow* startWith(std::initializer_list<std::pair<const char*, int>> drops,
                             const QString& language = "ENGLISH");
    // The same with the CPU QMV2.R220 and the rack QMV3.X306 on its "+" row
    // (slots from row 22).
    ProjectWindow* startWithRack(const QString& language = "ENGLISH")
    {
        return startWith({{"QMV2.R220", 1}, {"QMV3.X306", 21}}, language);
    }
    void trigger(const QString& action);
    // The same with the file dialog it opens answered with `file`.
    void trigger(const QString& action, const QString& file)
    {
        files_.setNextFileName(file);
        trigger(action);
    }
    // Clicks a toolbar button, which must be enabled.
    void click(const QString& button);
    // File > Save, the file dialog (if one opens) answered with `path`.
    void save(const QString& path) { trigger("pdiDatei3", path); }
    // Generates the source with the block dialog's defaults.
    void generate();
    // Makes the window the active one of the workspace.
    void activate(ProjectWindow* window);
    // Closes the window, returning whether it closed.
    static bool close(ProjectWindow* window);
    // A catalog entry as the catalog's drags carry it.
    QMimeData* catalogEntry(const std::string& order);
    // Drags `mime` into the widget to `pos` (and drops it there when `drop`);
    // whether the widget accepted.
    static bool drag(QWidget* widget, QMimeData* mime, QPoint pos, bool drop,
                     Qt::KeyboardModifiers mods = Qt::NoModifier);

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

inline bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The cases of a GUI test: each on a first run with a fixture of its own,
// and none leaving a question or dialog it did not answer.
class GuiTest : public QObject {
    Q_OBJECT

protected slots:
    void init()
    {
        store().clear();
        fixture_ = std::make_unique<GuiFixture>();
    }
    void cleanup();

protected:
    std::unique_ptr<GuiFixture> fixture_;
};

}  // namespace rm::gui::test

// The last question asked holds `part`; the question is shown when not.
#define QVERIFY_ASKED(fixture, part) \
    QVERIFY2(rm::gui::test::contains((fixture).asker().lastPrompt(), part), (fixture).asker().lastPrompt().c_str())
