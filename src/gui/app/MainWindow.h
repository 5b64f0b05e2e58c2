// The main window: the frame of the project windows, with the menus, the
// toolbar, the context menu of the tables, the recent files and the settings.
// It does no project work itself: every command goes to the active project window.
#pragma once

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "gui/app/Session.h"

namespace rm::gui {

class CatalogWindow;
class ProblemsDock;
class ProjectWindow;
class StartHint;
class StatusLine;

// Where the main window and the catalog go when no size is stored: the
// catalog docked inside the main window, at the width `catalog` gives.
struct FirstRunLayout {
    QRect main, catalog;
};
FirstRunLayout firstRunLayout(const QRect& availableArea);
// A window's outer rectangle (frame included) moved, and where it must
// shrunk, so that all of it lies on the area.
QRect fitOnArea(const QRect& outer, const QRect& area);
// Places a top-level window wholly on the available area of the screen it
// is (mostly) on. frameTopLeft: the window's position is its frame's (set
// with move()), else its client area's (set with setGeometry()).
void placeOnScreen(QWidget* window, bool frameTopLeft);
class WorkCommands;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Session& session);

    // Built after the descriptions are loaded (the splash window does that).
    void createCatalogWindow();
    CatalogWindow* catalogWindow() { return catalog_; }
    QDockWidget* catalogDock() { return catalogDock_; }
    ProblemsDock* problemsDock() { return problems_; }
    // F6: from the catalog to the active table, from anywhere else to the catalog.
    void switchCatalogFocus();
    QMdiArea* mdiArea() { return mdi_; }
    ProjectWindow* activeProject() const;
    std::vector<ProjectWindow*> projectWindows() const;

    // ---- commands
    void NewProject();
    void OpenProject(bool fromDialog);
    // Opens without the dialog (command line, drops). With `error`, a failure
    // is described there instead of in a message.
    bool openProjectFile(const QString& path, QString* error = nullptr);
    void openProjectFiles(const QStringList& paths);  // one message for all that fail
    bool CloseAllProjects();
    // An empty project window for a recovered project, shown.
    ProjectWindow* openRecoveredWindow(const QString& title);
    // The active project's file changed on disk: said once, after the
    // window or the program was activated.
    void reportChangeOnDisk();
    void ShowCatalog(bool show);
    void showHelp(int context);

    // ---- command states
    void EnableEditCommands(bool on);
    void EnableDeleteOnly();
    void EnablePaste(bool on);
    void EnableProjectCommands(bool on);
    void updateCommands();
    void AddRecentFile(const QString& path);

    QAction* action(const QString& objectName) const;
    // A toolbar button by its name (Toolbar1_1 ... for the positions, BtnTreeWin).
    QToolButton* toolButton(const QString& objectName) const;
    // Commands others place their own beside.
    QAction* cutAction() const { return cutAction_; }
    QAction* exportPdfAction() const { return exportPdfAction_; }
    QAction* catalogAction() const { return catalogAction_; }
    QMenu* contextMenu() { return contextMenu_; }
    StatusLine* statusLine() { return statusLine_; }
    StartHint* startHint() { return startHint_; }
    WorkCommands* workCommands() { return work_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    QAction* addAction(QMenu* menu, const QString& name, int textId, const QKeySequence& key = {});
    void buildMenus();
    void buildToolbar();
    // Puts a menu command on the toolbar with its image and the toolbar's text.
    void addButton(QAction* command, const char* buttonName, const char* image, int tipId);
    void refreshRecentMenu();
    void refreshWindowMenu();
    ProjectWindow* addProjectWindow(const QString& title);
    void placeProjectWindow(QMdiSubWindow* sub, const QSize& wanted);
    void tile(bool horizontally);
    bool alreadyOpen(const QString& path);
    void saveSettings();
    void fitFirstRun();

    Session& session_;
    QMdiArea* mdi_;
    CatalogWindow* catalog_ = nullptr;
    QDockWidget* catalogDock_ = nullptr;
    bool problemsSized_ = false;  // the problems list had its first-showing height, or a stored one
    int catalogWidth_ = 0;        // the catalog's width at its first showing; 0: given or stored
    ProblemsDock* problems_ = nullptr;
    StartHint* startHint_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* extraMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    // One action per command, in its menu and, where it has a button, on the toolbar.
    QAction* newAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* closeAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* printPreviewAction_ = nullptr;
    QAction* exportPdfAction_ = nullptr;
    QAction* quitAction_ = nullptr;
    QAction* cutAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* generateAction_ = nullptr;
    QAction* optionsAction_ = nullptr;
    QAction* catalogAction_ = nullptr;  // checked while the catalog is shown
    QAction* contextHelpAction_ = nullptr;
    QAction* contextCutAction_ = nullptr;
    QAction* contextCopyAction_ = nullptr;
    QAction* contextPasteAction_ = nullptr;
    QAction* contextDeleteAction_ = nullptr;
    std::vector<QAction*> recentActions_;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> windowListActions_;
    bool quitting_ = false;
    QRect firstRunCatalog_;
    StatusLine* statusLine_ = nullptr;
    WorkCommands* work_ = nullptr;
};

}  // namespace rm::gui
