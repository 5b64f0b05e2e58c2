#include "gui/app/MainWindow.h"
#include "core/base/TextIds.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>

#include "core/base/Files.h"
#include "core/base/OwnTexts.h"
#include "gui/app/AboutDialog.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/GuiTexts.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/OptionsDialog.h"
#include "gui/app/StartHint.h"
#include "gui/app/StatusLine.h"
#include "gui/app/WorkCommands.h"
#include "gui/app/WorkTexts.h"
#include "gui/catalog/CatalogWindow.h"
#include "gui/project/PictureCommands.h"
#include "gui/project/ProblemsDock.h"
#include "gui/project/ProjectGuard.h"
#include "gui/project/ProjectInfoDialog.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

namespace {
QIcon icon(const Session& s, const char* name)
{
    return QIcon(QString::fromStdString((s.resourceDir / "images" / (std::string(name) + ".svg")).string()));
}
}  // namespace

MainWindow::MainWindow(Session& session) : session_(session), mdi_(new QMdiArea(this))
{
    setObjectName("MDIMain");
    setWindowTitle("qv4 RackMason");
    setWindowIcon(icon(session, "app-icon"));
    setAcceptDrops(true);
    mdi_->setObjectName("mdiArea");
    mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(mdi_);
    buildMenus();
    buildToolbar();
    statusLine_ = new StatusLine(session_, this);
    setStatusBar(statusLine_);
    work_ = new WorkCommands(*this, session_);
    startHint_ = new StartHint(session_, *this, mdi_->viewport());
    problems_ = new ProblemsDock(session_, this);
    addDockWidget(Qt::BottomDockWidgetArea, problems_);
    problems_->hide();
    QAction* problemsToggle = problems_->toggleViewAction();
    problemsToggle->setObjectName("pdiProblems");
    problemsToggle->setText(extraText(session_, OwnText::ProblemsMenu));
    windowMenu_->insertAction(catalogAction_, problemsToggle);
    connect(statusLine_, &StatusLine::problemsWanted, this, [this] {
        const bool first = problems_->isHidden() && !problemsSized_;
        problems_->open();
        // A few lines at the first showing; later the size the user gave it.
        if (first) resizeDocks({problems_}, {fontMetrics().height() * 7}, Qt::Vertical);
        problemsSized_ = true;
    });
    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
    f6->setObjectName("scSwitchCatalog");
    f6->setContext(Qt::ApplicationShortcut);  // a floating catalog is a window of its own
    connect(f6, &QShortcut::activated, this, &MainWindow::switchCatalogFocus);
    new PictureCommands(*this, session_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] {
        if (ProjectWindow* w = activeProject()) w->table().info().ProjektTitel = w->title().toStdString();
        updateCommands();
        refreshWindowMenu();
        reportChangeOnDisk();
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) reportChangeOnDisk();
    });

    // Position and size in twips; a window that would not lie wholly on the
    // screen is moved and, where it must, narrowed.
    const WindowSettings& w = session.settings.windows;
    setGeometry(twipsToPixels(w.mainLeft), twipsToPixels(w.mainTop), std::max(twipsToPixels(w.mainWidth), 400),
                std::max(twipsToPixels(w.mainHeight), 300));
    if (!w.sizeStored) fitFirstRun();
    placeOnScreen(this, false);
    refreshRecentMenu();
    EnableProjectCommands(false);
    startHint_->refresh(true);
}

QAction* MainWindow::addAction(QMenu* menu, const QString& name, int textId, const QKeySequence& key)
{
    auto* a = menu->addAction(textId ? session_.t(textId) : QString());
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    return a;
}

QAction* MainWindow::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

QToolButton* MainWindow::toolButton(const QString& objectName) const
{
    return toolbar_->findChild<QToolButton*>(objectName);
}

void MainWindow::buildMenus()
{
    // A project command goes to the active project window; from a menu that
    // is shown only with a project open as from the toolbar and the popup menu.
    auto onProject = [this](void (ProjectWindow::*command)()) {
        return [this, command] {
            if (auto* w = activeProject()) (w->*command)();
        };
    };

    fileMenu_ = menuBar()->addMenu(session_.t(txt::MenuFile));
    fileMenu_->setObjectName("pdmDatei");
    newAction_ = addAction(fileMenu_, "pdiDatei0", txt::FileNew, QKeySequence::New);
    connect(newAction_, &QAction::triggered, this, &MainWindow::NewProject);
    openAction_ = addAction(fileMenu_, "pdiDatei1", txt::FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(openAction_, &QAction::triggered, this, [this] { OpenProject(true); });
    saveAsAction_ = addAction(fileMenu_, "pdiDatei2", txt::FileSaveAs, QKeySequence::SaveAs);
    connect(saveAsAction_, &QAction::triggered, this, [this] {
        if (auto* w = activeProject()) w->ProjektSpeichern(true);
    });
    saveAction_ = addAction(fileMenu_, "pdiDatei3", txt::FileSave, QKeySequence::Save);
    connect(saveAction_, &QAction::triggered, this, [this] {
        if (auto* w = activeProject()) w->ProjektSpeichern(false);
    });
    closeAction_ = addAction(fileMenu_, "pdiDatei4", txt::FileClose, QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(closeAction_, &QAction::triggered, this, [this] {
        if (auto* sub = mdi_->activeSubWindow()) sub->close();
    });
    fileMenu_->addSeparator()->setObjectName("pdiDatei5");
    printAction_ = fileMenu_->addAction(extraText(session_, OwnText::PrintMenu));
    printAction_->setObjectName("pdiPrint");
    printAction_->setShortcut(QKeySequence::Print);
    connect(printAction_, &QAction::triggered, this, onProject(&ProjectWindow::ProjektPrint));
    printPreviewAction_ = fileMenu_->addAction(extraText(session_, OwnText::PrintPreview));
    printPreviewAction_->setObjectName("pdiPrintPreview");
    connect(printPreviewAction_, &QAction::triggered, this, onProject(&ProjectWindow::printPreview));
    exportPdfAction_ = fileMenu_->addAction(extraText(session_, OwnText::ExportPdf));
    exportPdfAction_->setObjectName("pdiExportPdf");
    connect(exportPdfAction_, &QAction::triggered, this, [this] {
        if (auto* w = activeProject()) statusLine_->showWritten(w->exportPdf());
    });
    fileMenu_->addSeparator();
    for (int i = 6; i <= 14; ++i) {
        auto* a = fileMenu_->addAction(QString());
        a->setObjectName("pdiDatei" + QString::number(i));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, a] { openProjectFile(a->data().toString()); });
        recentActions_.push_back(a);
    }
    recentSeparator_ = fileMenu_->addSeparator();
    recentSeparator_->setObjectName("pdiDatei15");
    quitAction_ = addAction(fileMenu_, "pdiDatei16", txt::FileQuit, QKeySequence::Quit);
    connect(quitAction_, &QAction::triggered, this, &QWidget::close);

    editMenu_ = menuBar()->addMenu(session_.t(txt::MenuEdit));
    editMenu_->setObjectName("pdmWork");
    cutAction_ = addAction(editMenu_, "pdiCut", txt::EditCut, QKeySequence::Cut);
    connect(cutAction_, &QAction::triggered, this, onProject(&ProjectWindow::FktCut));
    copyAction_ = addAction(editMenu_, "pdiCopy", txt::EditCopy, QKeySequence::Copy);
    connect(copyAction_, &QAction::triggered, this, onProject(&ProjectWindow::FktCopy));
    pasteAction_ = addAction(editMenu_, "pdiPaste", txt::EditPaste, QKeySequence::Paste);
    connect(pasteAction_, &QAction::triggered, this, onProject(&ProjectWindow::FktPaste));
    deleteAction_ = addAction(editMenu_, "pdiDelete", txt::EditDelete);
    connect(deleteAction_, &QAction::triggered, this, onProject(&ProjectWindow::FktDelete));
    editMenu_->addSeparator()->setObjectName("Leerzeile");
    generateAction_ = addAction(editMenu_, "pdiKonfig", txt::EditGenerateSource, QKeySequence(Qt::Key_F9));
    connect(generateAction_, &QAction::triggered, this, onProject(&ProjectWindow::FktKonfig));

    extraMenu_ = menuBar()->addMenu(session_.t(txt::MenuExtra));
    extraMenu_->setObjectName("pdiSpecial");
    optionsAction_ = addAction(extraMenu_, "pdiOptions", txt::ExtraOptions);
    connect(optionsAction_, &QAction::triggered, this, [this] {
        ProjectWindow* w = activeProject();
        OptionsDialog dlg(session_, w != nullptr, w ? w->columnWidthsTwips() : std::array<int, 7>{}, this);
        if (dlg.exec() == QDialog::Accepted && w && dlg.applyToActiveWindow()) w->ChangeFlexGridFontANDColWidth();
    });

    windowMenu_ = menuBar()->addMenu(session_.t(txt::MenuWindows));
    windowMenu_->setObjectName("pdmFenster");
    connect(addAction(windowMenu_, "MenuFensterArrange0", txt::WindowsCascade), &QAction::triggered, mdi_,
            &QMdiArea::cascadeSubWindows);
    connect(addAction(windowMenu_, "MenuFensterArrange1", txt::WindowsTileHorizontally), &QAction::triggered, this,
            [this] { tile(true); });
    connect(addAction(windowMenu_, "MenuFensterArrange2", txt::WindowsTileVertically), &QAction::triggered, this,
            [this] { tile(false); });
    connect(addAction(windowMenu_, "MenuFenster0", txt::WindowsMinimizeAll), &QAction::triggered, this, [this] {
        for (auto* sub : mdi_->subWindowList()) sub->showMinimized();
    });
    connect(addAction(windowMenu_, "pdiCloseAll", txt::WindowsCloseAll), &QAction::triggered, this,
            &MainWindow::CloseAllProjects);
    windowMenu_->addSeparator()->setObjectName("Trennlinie2");
    connect(addAction(windowMenu_, "pdiProjektInfo", txt::WindowsProjectInformation), &QAction::triggered, this,
            onProject(&ProjectWindow::FktProjektInfo));
    catalogAction_ = addAction(windowMenu_, "pdiTreeForm", txt::WindowsCatalog);
    catalogAction_->setCheckable(true);
    connect(catalogAction_, &QAction::triggered, this, [this](bool on) { ShowCatalog(on); });
    windowMenu_->addSeparator();

    helpMenu_ = menuBar()->addMenu(session_.t(txt::MenuHelp));
    helpMenu_->setObjectName("pdmHelp");
    connect(addAction(helpMenu_, "pdiHelp", txt::HelpContents, QKeySequence::HelpContents), &QAction::triggered, this,
            [this] { showHelp(0); });
    connect(addAction(helpMenu_, "pdiAbout", txt::HelpAbout), &QAction::triggered, this, [this] {
        AboutDialog dlg(session_, this);
        dlg.exec();
    });

    // The popup menu of the tables: the edit commands under texts of their own.
    contextMenu_ = new QMenu(this);
    contextMenu_->setObjectName("MouseRightBtnMenu");
    contextCutAction_ = addAction(contextMenu_, "mouseCut", txt::ContextCut);
    connect(contextCutAction_, &QAction::triggered, this, onProject(&ProjectWindow::FktCut));
    contextCopyAction_ = addAction(contextMenu_, "mouseCopy", txt::ContextCopy);
    connect(contextCopyAction_, &QAction::triggered, this, onProject(&ProjectWindow::FktCopy));
    contextPasteAction_ = addAction(contextMenu_, "mousePaste", txt::ContextPaste);
    connect(contextPasteAction_, &QAction::triggered, this, onProject(&ProjectWindow::FktPaste));
    contextDeleteAction_ = addAction(contextMenu_, "mouseDelete", txt::ContextDelete);
    connect(contextDeleteAction_, &QAction::triggered, this, onProject(&ProjectWindow::FktDelete));
    // The parameter dialog of the row, as a double click opens it.
    contextMenu_->addSeparator();
    auto* properties = contextMenu_->addAction(workText(session_, OwnText::Properties));
    properties->setObjectName("mouseProperties");
    connect(properties, &QAction::triggered, this, [this] {
        if (auto* w = activeProject()) w->OpenModuleDialog(w->table().currentRow());
    });
    connect(contextMenu_, &QMenu::aboutToShow, this, [this, properties] {
        ProjectWindow* w = activeProject();
        const int row = w ? w->table().currentRow() : 0;
        properties->setEnabled(w && !w->table().rowEmpty(row) && w->table().record(row).HasDialog);
    });
}

void MainWindow::addButton(QAction* command, const char* buttonName, const char* image, int tipId)
{
    // The menus keep their entries without images (and the catalog entry its check mark).
    command->setIcon(icon(session_, image));
    command->setIconVisibleInMenu(false);
    const QString tip = session_.t(tipId).trimmed();
    command->setIconText(tip);
    command->setToolTip(tip);
    toolbar_->addAction(command);
    toolbar_->widgetForAction(command)->setObjectName(buttonName);
}

void MainWindow::buildToolbar()
{
    // The menus' own actions: a button is enabled, checked and triggered as its entry is.
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setMovable(false);
    addButton(newAction_, "Toolbar1_1", "tb-new", txt::FileNew);
    addButton(openAction_, "Toolbar1_2", "tb-open", txt::FileOpen);
    addButton(saveAction_, "Toolbar1_3", "tb-save", txt::FileSave);
    toolbar_->addSeparator();
    addButton(printAction_, "Toolbar1_5", "tb-print", txt::FilePrint);
    toolbar_->addSeparator();
    addButton(cutAction_, "Toolbar1_7", "tb-cut", txt::ContextCut);
    addButton(copyAction_, "Toolbar1_8", "tb-copy", txt::ContextCopy);
    addButton(pasteAction_, "Toolbar1_9", "tb-paste", txt::ContextPaste);
    toolbar_->addSeparator();
    addButton(catalogAction_, "BtnTreeWin", "tb-catalog", txt::WindowsCatalog);
    toolbar_->addSeparator();
    // Not Help > Contents: the page of where the user is.
    contextHelpAction_ = toolbar_->addAction(icon(session_, "tb-help"), session_.t(txt::MenuHelp));
    contextHelpAction_->setObjectName("helpBtn");
    connect(contextHelpAction_, &QAction::triggered, this, [this] { showHelp(activeProject() ? 3 : 2); });
}

void MainWindow::fitFirstRun()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const FirstRunLayout l = firstRunLayout(screen->availableGeometry());
    const QRect both = l.main.united(l.catalog);
    resize(both.size());
    if (!session_.settings.windows.positionStored) move(both.topLeft());
    firstRunCatalog_ = l.catalog;
}

FirstRunLayout firstRunLayout(const QRect& area)
{
    // About four fifths of the screen, with the catalog beside the main
    // window and the pair centred.
    constexpr int gap = 8;
    FirstRunLayout l;
    const int catalogWidth = std::clamp(area.width() / 4, 240, 480);  // room for the order numbers
    const int height = area.height() * 4 / 5;
    const int width = std::max(400, std::min(area.width() * 4 / 5, area.width() - catalogWidth - 3 * gap));
    const int left = area.left() + std::max(0, (area.width() - width - gap - catalogWidth) / 2);
    const int top = area.top() + (area.height() - height) / 2;
    l.main = QRect(left, top, width, height);
    l.catalog = QRect(std::min(left + width + gap, area.right() + 1 - catalogWidth), top, catalogWidth, height);
    return l;
}

QRect fitOnArea(const QRect& outer, const QRect& area)
{
    const int width = std::min(outer.width(), area.width());
    const int height = std::min(outer.height(), area.height());
    return {std::clamp(outer.left(), area.left(), area.left() + area.width() - width),
            std::clamp(outer.top(), area.top(), area.top() + area.height() - height), width, height};
}

void placeOnScreen(QWidget* window, bool frameTopLeft)
{
    // The window manager's frame: the real one once shown, before that a
    // title bar and thin borders.
    QMargins frame(4, window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4, 4, 4);
    if (window->isVisible()) {
        const QRect f = window->frameGeometry(), g = window->geometry();
        frame = QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
    }
    QRect outer = window->geometry().marginsAdded(frame);
    if (frameTopLeft) outer.moveTopLeft(window->pos());
    // The screen holding most of the window; the primary one when none does.
    const QScreen* screen = QGuiApplication::primaryScreen();
    qint64 most = 0;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect common = s->geometry() & outer;
        if (const qint64 a = qint64(common.width()) * common.height(); a > most) {
            most = a;
            screen = s;
        }
    }
    if (!screen) return;
    const QRect fitted = fitOnArea(outer, screen->availableGeometry());
    if (fitted == outer) return;
    if (frameTopLeft) {
        window->move(fitted.topLeft());
        window->resize(fitted.marginsRemoved(frame).size());
    } else {
        window->setGeometry(fitted.marginsRemoved(frame));
    }
}

void MainWindow::createCatalogWindow()
{
    catalog_ = new CatalogWindow(session_, nullptr);
    catalogDock_ = new QDockWidget(catalog_->windowTitle(), this);
    catalogDock_->setObjectName("TreeDock");
    catalogDock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    catalogDock_->setWidget(catalog_);
    addDockWidget(Qt::RightDockWidgetArea, catalogDock_);
    catalogDock_->hide();
    catalogWidth_ = firstRunCatalog_.isEmpty() ? 300 : firstRunCatalog_.width();
    // The stored places and sizes; a floating catalog comes back on the screen.
    if (const QString& stored = session_.settings.windows.dockLayout; !stored.isEmpty()) {
        if (restoreState(QByteArray::fromBase64(stored.toLatin1()))) catalogWidth_ = 0, problemsSized_ = true;
        catalogDock_->hide();  // shown with the first project
        problems_->hide();
    }
    connect(catalogDock_, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (floating) placeOnScreen(catalogDock_, true);
    });
    connect(catalog_, &CatalogWindow::moduleActivated, this, [this](int index) {
        if (auto* w = activeProject()) w->insertFromCatalog(index);
    });
    connect(catalog_, &CatalogWindow::escapePressed, this, [this] {
        activateWindow();
        if (auto* w = activeProject()) w->grid()->setFocus();
    });
    connect(catalog_, &CatalogWindow::visibilityChanged, catalogAction_, &QAction::setChecked);
}

void MainWindow::switchCatalogFocus()
{
    if (!catalog_) return;
    ProjectWindow* w = activeProject();
    if (catalog_->isAncestorOf(QApplication::focusWidget()) && w) {
        activateWindow();
        w->grid()->setFocus();
        return;
    }
    ShowCatalog(true);
    catalogDock_->raise();
    catalogDock_->activateWindow();
    catalog_->tree()->setFocus();
}

ProjectWindow* MainWindow::activeProject() const
{
    QMdiSubWindow* sub = mdi_->activeSubWindow();
    if (!sub && !mdi_->subWindowList().isEmpty()) sub = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder).last();
    return sub ? qobject_cast<ProjectWindow*>(sub->widget()) : nullptr;
}

std::vector<ProjectWindow*> MainWindow::projectWindows() const
{
    std::vector<ProjectWindow*> out;
    for (auto* sub : mdi_->subWindowList())
        if (auto* w = qobject_cast<ProjectWindow*>(sub->widget())) out.push_back(w);
    return out;
}

ProjectWindow* MainWindow::addProjectWindow(const QString& title)
{
    // The catalog takes its room before the first window is sized to the workspace.
    if (projectWindows().empty() && catalogDock_ && !catalogDock_->isFloating()) {
        ShowCatalog(true);
        layout()->activate();
    }
    auto* w = new ProjectWindow(session_, title);
    QMdiSubWindow* sub = mdi_->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(icon(session_, "app-icon"));
    placeProjectWindow(sub, w->preferredSize());
    connect(w, &ProjectWindow::editStateChanged, this, [this] {
        statusLine_->showNote({});  // a refusal kept after a drop goes with the next action
        updateCommands();
    });
    connect(w, &ProjectWindow::titleChanged, this, [this] { refreshWindowMenu(); });
    connect(w, &ProjectWindow::saved, this, &MainWindow::AddRecentFile);
    connect(w, &ProjectWindow::contextMenuWanted, this, [this](const QPoint& p) { contextMenu_->popup(p); });
    connect(w, &ProjectWindow::dropNote, statusLine_, &StatusLine::showNote);
    connect(w, &ProjectWindow::windowClosed, this, [this, w] {
        // The window is still in the area's list while it closes.
        if (projectWindows().size() <= 1) {
            EnableProjectCommands(false);
            ShowCatalog(false);
        }
        QMetaObject::invokeMethod(
            this, [this] { updateCommands(), refreshWindowMenu(); }, Qt::QueuedConnection);
        (void)w;
    });
    return w;
}

void MainWindow::placeProjectWindow(QMdiSubWindow* sub, const QSize& wanted)
{
    // All columns and a full station when the workspace has room. Later
    // windows step down and right, giving up size rather than leaving the
    // workspace, and start again at the top left after a third of it.
    const QRect area = mdi_->viewport()->rect();
    const int border = sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
    const QSize frame(2 * border, 2 * border + sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub));
    const int step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) + 4;
    const int others = static_cast<int>(mdi_->subWindowList().size()) - 1;
    QPoint pos(0, 0);
    for (int i = 0; i < others; ++i) {
        pos += QPoint(step, step);
        if (pos.x() > area.width() / 3 || pos.y() > area.height() / 3) pos = QPoint(0, 0);
    }
    const QSize room = area.size() - QSize(pos.x(), pos.y());
    sub->setGeometry(QRect(pos, (wanted + frame).boundedTo(room).expandedTo(QSize(300, 200))));
}

void MainWindow::reportChangeOnDisk()
{
    // After the activation is done: a message box inside it would steal it.
    QPointer<ProjectWindow> w = activeProject();
    QMetaObject::invokeMethod(
        this,
        [w] {
            if (ProjectGuard* guard = w ? ProjectGuard::of(w) : nullptr) guard->activated();
        },
        Qt::QueuedConnection);
}

ProjectWindow* MainWindow::openRecoveredWindow(const QString& title)
{
    ProjectWindow* w = addProjectWindow(title);
    w->show();
    EnableProjectCommands(true);
    ShowCatalog(true);
    updateCommands();
    return w;
}

void MainWindow::NewProject()
{
    // The first "NoName" number that no open window uses.
    QString title;
    for (int n = 1;; ++n) {
        title = session_.msg(txt::NoName) + QString::number(n);
        bool used = false;
        for (auto* w : projectWindows()) used |= w->title() == title;
        if (!used) break;
    }
    ProjectInfo& akt = session_.app.AktProjectInfo;
    akt.ProjektTitel = title.toStdString();
    akt.ProjektPfad.clear();
    akt.Gespeichert = kFalse;
    ProjectInfoDialog dlg(session_, " " + title, this);
    dlg.exec();
    if (dlg.cancelled()) return;
    ProjectWindow* w = addProjectWindow(title);
    w->show();
    EnableProjectCommands(true);
    ShowCatalog(true);
    w->grid()->setFocus();
    updateCommands();
}

bool MainWindow::alreadyOpen(const QString& path)
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (auto* sub : mdi_->subWindowList()) {
        auto* w = qobject_cast<ProjectWindow*>(sub->widget());
        if (w && !w->path().isEmpty() && QFileInfo(w->path()).absoluteFilePath() == wanted) {
            mdi_->setActiveSubWindow(sub);
            return true;
        }
    }
    return false;
}

void MainWindow::OpenProject(bool fromDialog)
{
    if (!fromDialog) return;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (auto* w = activeProject(); w && !w->path().isEmpty()) folder = QFileInfo(w->path()).absolutePath();
    const QString path = session_.files.openFile(this, session_.msg(txt::OpenProjectTitle), folder,
                                                 session_.msg(txt::ProjectFileFilter));
    if (path.isEmpty()) return;
    if (!path.endsWith("qv4", Qt::CaseInsensitive)) {
        const Texts& t = session_.app.texts;
        session_.app.asker.ShowMessage(
            withFileAndReason(t, t.byEnglishId(txt::NotAProjectExtension), QDir::toNativeSeparators(path).toStdString(),
                              ownText(t, OwnText::NotAProjectFile)),
            t.byEnglishId(txt::InvalidDataTitle), style::Ok + style::Exclamation);
        return;
    }
    openProjectFile(path);
}

void MainWindow::openProjectFiles(const QStringList& paths)
{
    // One message for every file that could not be opened.
    QStringList failed;
    for (const QString& p : paths) {
        QString error;
        // An empty reason: the user chose not to open it.
        if (!openProjectFile(p, &error) && !error.isEmpty()) failed << error;
    }
    if (failed.isEmpty()) return;
    session_.app.asker.ShowMessage(
        session_.msg(txt::NotLoaded).toStdString() + "\n\n" + failed.join("\n").toStdString(),
        session_.msg(txt::ErrorTitle).toStdString(), style::Ok + style::Critical);
}

bool MainWindow::openProjectFile(const QString& path, QString* error)
{
    if (alreadyOpen(path)) return true;
    if (!FileExists(path.toStdString())) {
        const std::string file = QDir::toNativeSeparators(path).toStdString();
        const std::string reason = ownText(session_.app.texts, OwnText::FileMissing);
        if (error)
            *error = QString::fromStdString(file + ": " + reason);
        else
            session_.app.asker.ShowMessage(
                withFileAndReason(session_.app.texts, session_.msg(txt::NotLoaded).toStdString(), file, reason),
                session_.msg(txt::ErrorTitle).toStdString(), style::Ok + style::Critical);
        return false;
    }
    ProjectWindow* w = addProjectWindow(QFileInfo(path).fileName());
    if (!w->ProjektLaden(path, error)) {
        mdi_->removeSubWindow(w);
        w->deleteLater();
        if (projectWindows().empty()) ShowCatalog(false);
        updateCommands();
        return false;
    }
    w->show();
    EnableProjectCommands(true);
    ShowCatalog(true);
    session_.app.AktProjectInfo.Gespeichert = kTrue;
    AddRecentFile(w->path());
    w->grid()->setFocus();
    updateCommands();
    return true;
}

bool MainWindow::CloseAllProjects()
{
    for (auto* sub : mdi_->subWindowList()) {
        mdi_->setActiveSubWindow(sub);
        auto* w = qobject_cast<ProjectWindow*>(sub->widget());
        if (!sub->close() || (w && w->closeCancelled())) return false;
    }
    return true;
}

void MainWindow::ShowCatalog(bool show)
{
    if (!catalog_) return;
    catalogDock_->setVisible(show);
    // A hidden dock takes no size: the first-run width is given at the first showing.
    if (show && catalogWidth_ > 0) {
        resizeDocks({catalogDock_}, {catalogWidth_}, Qt::Horizontal);
        catalogWidth_ = 0;
    }
    if (show && catalogDock_->isFloating()) placeOnScreen(catalogDock_, true);
    catalogAction_->setChecked(show);
}

void MainWindow::showHelp(int context)
{
    HelpViewer::showHelp(session_, context, this);
}

void MainWindow::EnableEditCommands(bool on)
{
    for (QAction* a :
         {cutAction_, copyAction_, deleteAction_, contextCutAction_, contextCopyAction_, contextDeleteAction_})
        a->setEnabled(on);
}

void MainWindow::EnableDeleteOnly()
{
    EnableEditCommands(false);
    deleteAction_->setEnabled(true);
    contextDeleteAction_->setEnabled(true);
}

void MainWindow::EnablePaste(bool on)
{
    for (QAction* a : {pasteAction_, contextPasteAction_}) a->setEnabled(on);
}

void MainWindow::EnableProjectCommands(bool on)
{
    // The Extra menu stays: the options belong to the program, not to a project.
    editMenu_->menuAction()->setVisible(on);
    windowMenu_->menuAction()->setVisible(on);
    for (QAction* a : {saveAsAction_, saveAction_, closeAction_, printAction_, printPreviewAction_, exportPdfAction_})
        a->setEnabled(on);
    if (!on) {
        EnableEditCommands(false);
        EnablePaste(false);
    }
}

void MainWindow::updateCommands()
{
    if (work_) work_->update();
    if (startHint_) startHint_->refresh(projectWindows().empty());
    ProjectWindow* w = activeProject();
    statusLine_->showProject(w);
    if (problems_) problems_->showProject(w);
    if (!w) {
        EnableEditCommands(false);
        EnablePaste(false);
        return;
    }
    const auto s = w->table().UpdateEditCommands();
    EnableEditCommands(s.cut);
    if (!s.cut && s.del) EnableDeleteOnly();
    EnablePaste(s.paste);
}

void MainWindow::AddRecentFile(const QString& path)
{
    if (path.isEmpty()) return;
    session_.recent.add(path.toStdString());
    refreshRecentMenu();
    if (const WriteResult list = session_.recent.write(session_.recentListFile()); !list.ok())
        statusLine_->showNote(
            QString::fromStdString(ownText(session_.app.texts, OwnText::RecentNotSaved, {list.reason()})));
}

void MainWindow::refreshRecentMenu()
{
    const auto& entries = session_.recent.entries();
    for (std::size_t i = 0; i < recentActions_.size(); ++i) {
        QAction* a = recentActions_[i];
        const bool used = i < entries.size();
        a->setVisible(used);
        a->setText(used ? QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(ShortenPath(entries[i])))
                        : QString());
        a->setData(used ? QString::fromStdString(entries[i]) : QString());
    }
    recentSeparator_->setVisible(!entries.empty());
}

void MainWindow::refreshWindowMenu()
{
    for (QAction* a : windowListActions_) {
        windowMenu_->removeAction(a);
        a->deleteLater();
    }
    windowListActions_.clear();
    int n = 0;
    for (auto* sub : mdi_->subWindowList()) {
        auto* w = qobject_cast<ProjectWindow*>(sub->widget());
        if (!w) continue;
        QAction* a = windowMenu_->addAction(QString("&%1 %2").arg(++n).arg(w->title()));
        a->setCheckable(true);
        a->setChecked(sub == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
        windowListActions_.push_back(a);
    }
}

void MainWindow::tile(bool horizontally)
{
    const auto subs = mdi_->subWindowList();
    if (subs.isEmpty()) return;
    const QRect area = mdi_->viewport()->rect();
    const int n = static_cast<int>(subs.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = subs[i];
        sub->showNormal();
        if (horizontally)
            sub->setGeometry(0, area.height() * i / n, area.width(), area.height() / n);
        else
            sub->setGeometry(area.width() * i / n, 0, area.width() / n, area.height());
    }
}

void MainWindow::saveSettings()
{
    if (isMinimized()) return;  // the previous run's settings stay
    WindowSettings& w = session_.settings.windows;
    const QRect g = geometry();
    w.mainLeft = pixelsToTwips(g.left());
    w.mainTop = pixelsToTwips(g.top());
    w.mainWidth = pixelsToTwips(g.width());
    w.mainHeight = pixelsToTwips(g.height());
    w.dockLayout = QString::fromLatin1(saveState().toBase64());
    rm::gui::saveSettings(session_.settings);
    // The program is closing: the status line would not be read any more.
    if (const WriteResult list = session_.recent.write(session_.recentListFile()); !list.ok())
        session_.app.asker.ShowMessage(ownText(session_.app.texts, OwnText::RecentNotSaved, {list.reason()}), "",
                                       style::Ok + style::Exclamation);
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    if (!CloseAllProjects()) {
        e->ignore();
        return;
    }
    saveSettings();
    if (catalog_) catalog_->close();
    if (HelpViewer* viewer = HelpViewer::instance()) viewer->close();
    e->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* e)
{
    for (const QUrl& url : e->mimeData()->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(".qv4", Qt::CaseInsensitive)) {
            e->acceptProposedAction();
            return;
        }
    e->ignore();
}

void MainWindow::dropEvent(QDropEvent* e)
{
    for (const QUrl& url : e->mimeData()->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(".qv4", Qt::CaseInsensitive))
            openProjectFile(url.toLocalFile());
    e->acceptProposedAction();
}

}  // namespace rm::gui
