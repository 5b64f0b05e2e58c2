#include "gui/app/WorkCommands.h"
#include "core/base/TextIds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QToolBar>

#include "core/base/Files.h"
#include "core/project/IoList.h"
#include "core/project/SymbolTable.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/MainWindow.h"
#include "gui/app/StatusLine.h"
#include "gui/app/WorkTexts.h"
#include "gui/catalog/CatalogWindow.h"
#include "gui/project/AddressOverviewWindow.h"
#include "gui/project/CompareWindow.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

namespace {
// The menu entry or toolbar button `anchor` is placed before.
void insertBefore(QWidget* into, QAction* anchor, QAction* a)
{
    if (anchor && into->actions().contains(anchor))
        into->insertAction(anchor, a);
    else
        into->addAction(a);
}

QAction* following(QWidget* in, QAction* a)
{
    const auto list = in->actions();
    const auto i = list.indexOf(a);
    return i >= 0 && i + 1 < list.size() ? list[i + 1] : nullptr;
}
}  // namespace

WorkCommands::WorkCommands(MainWindow& main, Session& session) : QObject(&main), main_(main), session_(session)
{
    undo_ = add("pdiUndo", workText(session, OwnText::Undo), "tb-undo");
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = add("pdiRedo", workText(session, OwnText::Redo), "tb-redo");
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    overview_ = add("pdiOverview", workText(session, OwnText::Overview), "tb-overview");
    ioList_ = add("pdiIoList", workText(session, OwnText::ExportIoList));
    symbols_ = add("pdiSymbols", workText(session, OwnText::ExportSymbols));
    compare_ = add("pdiCompare", workText(session, OwnText::CompareWith));

    // Before Cut in the Edit menu and on the toolbar, below Export PDF, and
    // beside the catalog's entry and button.
    QAction* cut = main.cutAction();
    if (auto* edit = main.findChild<QMenu*>("pdmWork")) {
        insertBefore(edit, cut, undo_);
        insertBefore(edit, cut, redo_);
        edit->insertSeparator(cut);
    }
    if (auto* file = main.findChild<QMenu*>("pdmDatei")) {
        QAction* after = following(file, main.exportPdfAction());
        insertBefore(file, after, ioList_);
        insertBefore(file, after, symbols_);
        insertBefore(file, after, compare_);
    }
    if (auto* windows = main.findChild<QMenu*>("pdmFenster")) insertBefore(windows, main.catalogAction(), overview_);
    if (auto* bar = main.findChild<QToolBar*>("Toolbar1")) {
        insertBefore(bar, cut, undo_);
        insertBefore(bar, cut, redo_);
        bar->insertSeparator(cut);
        insertBefore(bar, following(bar, main.catalogAction()), overview_);
    }

    // Ctrl+F in a project window goes to the catalog's search field.
    QAction* find = add("pdiFind", workText(session, OwnText::SearchHint));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        if (main_.catalogWindow() && main_.activeProject()) main_.catalogWindow()->focusSearch();
    });

    connect(undo_, &QAction::triggered, this, [this] {
        if (auto* w = main_.activeProject()) w->undo();
    });
    connect(redo_, &QAction::triggered, this, [this] {
        if (auto* w = main_.activeProject()) w->redo();
    });
    connect(overview_, &QAction::triggered, this, [this] {
        if (auto* w = main_.activeProject()) showOverview(*w);
    });
    connect(ioList_, &QAction::triggered, this, [this] {
        if (auto* w = main_.activeProject()) exportIoList(*w);
    });
    connect(symbols_, &QAction::triggered, this, [this] {
        if (auto* w = main_.activeProject()) exportSymbols(*w);
    });
    connect(compare_, &QAction::triggered, this, [this] {
        if (auto* w = main_.activeProject()) compareWithFile(session_, *w, &main_);
    });
    update();
}

QAction* WorkCommands::add(const QString& name, const QString& text, const char* image)
{
    auto* a = new QAction(text, &main_);
    a->setObjectName(name);
    if (image)
        a->setIcon(
            QIcon(QString::fromStdString((session_.resourceDir / "images" / (std::string(image) + ".svg")).string())));
    a->setShortcutContext(Qt::WindowShortcut);
    static_cast<QWidget&>(main_).addAction(a);  // shortcuts work while the menu is hidden
    return a;
}

void WorkCommands::update()
{
    ProjectWindow* w = main_.activeProject();
    const ProjectHistory* h = w ? &w->history() : nullptr;
    const bool canUndo = h && h->canUndo(), canRedo = h && h->canRedo();
    undo_->setEnabled(canUndo);
    redo_->setEnabled(canRedo);
    undo_->setText(canUndo ? workText(session_, OwnText::UndoNamed, QString::fromStdString(h->undoName()))
                           : workText(session_, OwnText::Undo));
    redo_->setText(canRedo ? workText(session_, OwnText::RedoNamed, QString::fromStdString(h->redoName()))
                           : workText(session_, OwnText::Redo));
    for (QAction* a : {overview_, ioList_, symbols_, compare_}) a->setEnabled(w != nullptr);
}

AddressOverviewWindow* WorkCommands::showOverview(ProjectWindow& project)
{
    QPointer<AddressOverviewWindow>& w = overviews_[&project];
    if (!w) {
        w = new AddressOverviewWindow(session_, project, &main_);
        w->move(main_.geometry().topLeft() + QPoint(160, 200));
        placeOnScreen(w, true);
        connect(&project, &QObject::destroyed, this, [this, p = &project] { overviews_.erase(p); });
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

QString WorkCommands::exportProposal(const ProjectWindow& project, const char* extension)
{
    QString base = project.path().isEmpty() ? QDir::home().filePath(project.title()) : project.path();
    if (base.endsWith(".qv4", Qt::CaseInsensitive)) base.chop(4);
    return base + "." + extension;
}

bool WorkCommands::writeExport(ProjectWindow& project, const QString& target, const std::string& bytes)
{
    QString refusal = projectFileRefusal(session_.app.texts, target, project.table().info().ProjektPfad);
    if (refusal.isEmpty()) {
        const WriteResult written = writeFileAtomic(QFile::encodeName(target).toStdString(), bytes);
        if (written.ok()) {
            main_.statusLine()->showWritten(target);
            return true;
        }
        refusal = QDir::toNativeSeparators(target) + ": " + QString::fromStdString(written.reason());
    }
    session_.app.asker.ShowMessage(refusal.toStdString(), session_.app.messages[txt::ErrorTitle],
                                   style::Ok + style::Critical);
    return false;
}

bool WorkCommands::exportIoList(ProjectWindow& project)
{
    const QString target =
        session_.files.saveFile(&main_, workText(session_, OwnText::ExportIoList).remove('&'),
                                exportProposal(project, "csv"), workText(session_, OwnText::CsvFilter), "csv");
    if (target.isEmpty()) return false;
    // German spreadsheets expect a semicolon, and German users E and A.
    const bool german = session_.app.texts.base() == kGermanBase;
    const auto rows = ioList(project.table(), german ? Mnemonics::German : Mnemonics::English);
    return writeExport(project, target, ioListCsv(rows, {german ? ';' : ',', true}));
}

bool WorkCommands::exportSymbols(ProjectWindow& project)
{
    int type = 0;
    const QString target =
        session_.files.saveFile(&main_, workText(session_, OwnText::ExportSymbols), exportProposal(project, "sdf"),
                                workText(session_, OwnText::SymbolFilter), "sdf", &type);
    if (target.isEmpty()) return false;
    // The name's extension says the format; a name with another one gets
    // the format of the file type chosen in the dialog.
    const auto format =
        symbolFormatNamed(QFileInfo(target).suffix().toStdString()).value_or(static_cast<SymbolFormat>(type));
    const bool german = session_.app.texts.base() == kGermanBase;
    const auto list = channels(project.table(), german ? Mnemonics::German : Mnemonics::English);
    return writeExport(project, target, symbolTable(list, format, {german ? ';' : ',', true}));
}

}  // namespace rm::gui
