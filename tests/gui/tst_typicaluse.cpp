// The whole program as a user meets it, driven with mouse and keyboard on a
// copy of the shipped data: the typical use from a new project to the
// generated source, the workbench around it, undo and redo, and the windows
// that follow the project.
#include <QtTest>

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTreeWidget>

#include "core/dbgen/SourceGenerator.h"
#include "core/project/ProjectDocument.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/StatusLine.h"
#include "gui/app/WorkCommands.h"
#include "gui/catalog/CatalogFilter.h"
#include "gui/project/AddressOverviewWindow.h"
#include "gui/project/CompareWindow.h"
#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::GuiFixture;

namespace {
QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "RackMason", "qv4 RackMason");
}
bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
}  // namespace

class TypicalUse : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        store().clear();  // every case starts as a first run
        fixture_ = std::make_unique<GuiFixture>();
    }
    void cleanup()
    {
        QVERIFY2(GuiAsker::unexpected.empty(),
                 GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
        fixture_.reset();
        store().clear();
    }

    // The whole typical use: new project, CPU and modules, moves and copies, cut and
    // paste between projects, save, close, reopen and generate.
    void startsIdle();
    void wholeTypicalUse();
    void closeAsksToSave();
    void editCommandStates();
    void recentFiles();
    void openRefusesWrongFiles();
    void rowDialogDispatch();

    // At work: a first run that fits the screen, refusals that say why, the
    // status line, feedback while dragging, file messages that name the file.
    void firstRunFitsTheScreen();
    void storedSizeIsKept();
    void refusalsSayWhy();
    void deleteAsksWhileTheOptionIsTicked();
    void statusLineFollowsChanges();
    void dropRowIsShownWhileDragging();
    void fileMessagesNameTheFile();

    // Undo and redo, the address overview following the project, the catalog
    // search, and the comparison with the saved file.
    void undoRedoAcrossActionsAndWindows();
    void overviewFollowsTheProject();
    void catalogSearch();
    void compareWithTheSavedFile();

private:
    void activate(ProjectWindow* w)
    {
        fixture_->main()->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
    }
    std::unique_ptr<GuiFixture> fixture_;
};

void TypicalUse::startsIdle()
{
    MainWindow* main = fixture_->start();
    QVERIFY(main);
    QVERIFY(main->projectWindows().empty());
    QVERIFY(!main->catalogWindow()->isVisible());
    QVERIFY(main->action("pdiDatei0")->isEnabled());
    QVERIFY(!main->action("pdiDatei3")->isEnabled());
    QVERIFY(!main->action("Toolbar1_3")->isEnabled());
    QVERIFY(!main->findChild<QMenu*>("pdmWork")->menuAction()->isVisible());
    QVERIFY(main->findChild<QMenu*>("pdiSpecial")->menuAction()->isVisible());
    QVERIFY(fixture_->session().app.ModulKatalog.count() > 40);
}

void TypicalUse::wholeTypicalUse()
{
    MainWindow* main = fixture_->start();
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(p);
    QCOMPARE(p->title(), QString("NoName1"));
    QCOMPARE(p->table().info().ProjektName, std::string("Hall2"));
    QVERIFY(main->catalogWindow()->isVisible());
    QVERIFY(main->action("BtnTreeWin")->isChecked());

    // The CPU by double click (Enter in the tree) with row 1 selected.
    fixture_->doubleClickCatalog("QMV2.R220", 1);
    ProjectTable& t = p->table();
    QCOMPARE(t.getCPUBestell(), std::string("QMV2.R220"));
    QCOMPARE(t.cell(5, 0), std::string("1"));
    QCOMPARE(p->grid()->model()->rowCount(), t.lastRow());

    // Modules by drag from the catalog; a refused row accepts nothing.
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G220", 6));
    QVERIFY(!fixture_->dropCatalog(p, "QMV2.G120", 2));
    QCOMPARE(t.cell(5, 1), std::string("QMV2.G120"));
    QCOMPARE(p->grid()->model()->data(p->grid()->model()->index(4, 1)).toString(), QString("QMV2.G120"));

    // A move keeps the addresses; with Ctrl it is a copy with its own.
    QVERIFY(fixture_->dropRow(p, 5, p, 8, false));
    QVERIFY(t.rowEmpty(5));
    QCOMPARE(t.record(8).InBase, int16_t{0});
    QVERIFY(fixture_->dropRow(p, 8, p, 9, true));
    QCOMPARE(t.record(8).InBase, int16_t{0});
    QCOMPARE(t.record(9).InBase, int16_t{2});

    // A second project: the CPU by drag; cut here, paste there.
    ProjectWindow* q = fixture_->newProject("Line3");
    QVERIFY(q && q != p);
    QVERIFY(fixture_->dropCatalog(q, "QMV2.R220", 1));
    QVERIFY(fixture_->dropCatalog(q, "QMV2.G120", 5));
    QVERIFY(fixture_->dropCatalog(q, "QMV2.G120", 6));
    activate(p);
    QCOMPARE(main->activeProject(), p);
    p->selectRow(9);
    fixture_->trigger("pdiCut");
    QVERIFY(t.rowEmpty(9));
    QVERIFY(main->action("pdiPaste")->isEnabled());
    activate(q);
    q->selectRow(7);
    fixture_->trigger("pdiPaste");
    QCOMPARE(q->table().cell(7, 1), std::string("QMV2.G120"));
    QCOMPARE(q->table().record(7).InBase, int16_t{4});  // searched again in the second project

    // Save, then the saved project is no longer marked as changed.
    activate(p);
    const QString path = fixture_->file("hall2.qv4");
    FileDialogs::setNextFileName(path);
    fixture_->trigger("pdiDatei3");
    QVERIFY(QFile::exists(path));
    QVERIFY(!t.changed());
    QCOMPARE(p->title(), QString("hall2.qv4"));
    QCOMPARE(fixture_->session().recent.entries().front(), path.toStdString());

    // Generate: the dialog's defaults give I/O block DB 1 and no CPU block.
    GuiAsker::setNextAnswers({answer::Ok});
    GuiFixture::whenModal([](QWidget* dlg) { QTest::mouseClick(dlg->findChild<QWidget*>("btnOk"), Qt::LeftButton); });
    fixture_->trigger("pdiKonfig");
    QVERIFY(GuiAsker::asked.back().prompt.find("Generated") != std::string::npos);
    const QString awl = fixture_->file("hall2.awl");
    QVERIFY(QFile::exists(awl));
    QCOMPARE(rm::test::readText(awl.toStdString()), generateSource(t, 0, 0));

    // Close it and open it again: the same table.
    const auto before = t.RowArray();
    auto* sub = qobject_cast<QMdiSubWindow*>(p->parentWidget());
    QVERIFY(sub->close());
    FileDialogs::setNextFileName(path);
    fixture_->trigger("pdiDatei1");
    ProjectWindow* reopened = main->activeProject();
    QVERIFY(reopened && reopened != q);
    QCOMPARE(reopened->table().RowArray(), before);
    QCOMPARE(reopened->title(), QString("hall2.qv4"));
    // Opening it once more only brings its window forward.
    const std::size_t open = main->projectWindows().size();
    QVERIFY(main->openProjectFile(path));
    QCOMPARE(main->projectWindows().size(), open);
}

void TypicalUse::closeAsksToSave()
{
    MainWindow* main = fixture_->start();
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(p);
    QVERIFY(fixture_->dropCatalog(p, "QMV2.R210", 1));
    auto* sub = qobject_cast<QMdiSubWindow*>(p->parentWidget());
    GuiAsker::setNextAnswers({answer::Cancel});
    QVERIFY(!sub->close());
    QCOMPARE(main->projectWindows().size(), std::size_t{1});
    // Quit stops at a Cancel too.
    GuiAsker::setNextAnswers({answer::Cancel});
    QVERIFY(!main->CloseAllProjects());
    QCOMPARE(main->projectWindows().size(), std::size_t{1});
    // Yes with the save dialog cancelled keeps the window and its data.
    GuiAsker::setNextAnswers({answer::Yes});
    FileDialogs::setNextFileName("");
    QVERIFY(!sub->close());
    QCOMPARE(main->projectWindows().size(), std::size_t{1});
    GuiAsker::setNextAnswers({answer::No});
    QVERIFY(sub->close());
    QApplication::processEvents();
    QVERIFY(main->projectWindows().empty());
    QVERIFY(!main->action("pdiDatei3")->isEnabled());
    QVERIFY(!main->catalogWindow()->isVisible());
}

void TypicalUse::editCommandStates()
{
    MainWindow* main = fixture_->start();
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(p);
    QVERIFY(fixture_->dropCatalog(p, "QMV2.R220", 1));
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G260", 6));  // two rows
    auto enabled = [&](const char* name) { return main->action(name)->isEnabled(); };
    p->selectRow(8);
    QVERIFY(!enabled("pdiCut") && !enabled("pdiCopy") && !enabled("pdiDelete") && !enabled("pdiPaste"));
    p->selectRow(5);
    QVERIFY(enabled("pdiCut") && enabled("mouseCopy") && enabled("Toolbar1_7") && enabled("pdiDelete"));
    p->selectRow(7);
    QVERIFY(!enabled("pdiCut") && !enabled("Toolbar1_8") && enabled("pdiDelete") && enabled("mouseDelete"));
    p->selectRow(5);
    fixture_->trigger("pdiCopy");
    QVERIFY(enabled("pdiPaste") && enabled("mousePaste") && enabled("Toolbar1_9"));

    // The Delete key asks first (the confirmation option is ticked at start).
    p->selectRow(5);
    GuiAsker::setNextAnswers({answer::Yes});
    QTest::keyClick(p->grid(), Qt::Key_Delete);
    QVERIFY(p->table().rowEmpty(5));
    QVERIFY(GuiAsker::asked.back().prompt.find("delete the selected Row") != std::string::npos);
}

void TypicalUse::recentFiles()
{
    MainWindow* main = fixture_->start();
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(p);
    QVERIFY(fixture_->dropCatalog(p, "QMV2.R210", 1));
    for (const char* name : {"a.qv4", "b.qv4"}) {
        FileDialogs::setNextFileName(fixture_->file(name));
        fixture_->trigger("pdiDatei2");
    }
    QCOMPARE(main->action("pdiDatei6")->data().toString(), fixture_->file("b.qv4"));
    QVERIFY(main->action("pdiDatei7")->isVisible());
    QVERIFY(!main->action("pdiDatei8")->isVisible());
    const std::string list = rm::test::readText(fixture_->dataDir().toStdString() + "/nura.ini");
    QCOMPARE(list, "Entries=2\r\nEntry1=" + fixture_->file("b.qv4").toStdString() +
                       "\r\nEntry2=" + fixture_->file("a.qv4").toStdString() + "\r\n");
    // Choosing an entry opens it; the project already open is only brought forward.
    main->action("pdiDatei6")->trigger();
    QCOMPARE(main->projectWindows().size(), std::size_t{1});
    main->action("pdiDatei7")->trigger();
    QCOMPARE(main->projectWindows().size(), std::size_t{2});
    QCOMPARE(main->activeProject()->title(), QString("a.qv4"));
}

void TypicalUse::openRefusesWrongFiles()
{
    MainWindow* main = fixture_->start();
    GuiAsker::setNextAnswers({answer::Ok});
    FileDialogs::setNextFileName(fixture_->file("notes.txt"));
    fixture_->trigger("pdiDatei1");
    QVERIFY(GuiAsker::asked.back().prompt.find("valid extension") != std::string::npos);

    // A file of another format version.
    ProjectData old;
    old.info.FormatVersion = 2;
    QVERIFY(writeProjectFile(fixture_->file("old.qv4").toStdString(), old).empty());
    GuiAsker::setNextAnswers({answer::Ok});
    QVERIFY(!main->openProjectFile(fixture_->file("old.qv4")));
    QCOMPARE(GuiAsker::asked.back().title, std::string("Error: project is too old"));
    QApplication::processEvents();
    QVERIFY(main->projectWindows().empty());
}

void TypicalUse::rowDialogDispatch()
{
    fixture_->start();
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(p);
    QVERIFY(fixture_->dropCatalog(p, "QMV2.R220", 1));
    QVERIFY(fixture_->dropCatalog(p, "QMV3.X306", 21));
    QVERIFY(fixture_->dropCatalog(p, "QMV3.K240", 22));  // the two-axis encoder, two rows
    DialogKind opened = DialogKind::None;
    ProjectWindow::dialogs()[DialogKind::TwoAxisEncoder] = [&](Session& s, ProjectTable&, QWidget*) {
        opened = DialogKind::TwoAxisEncoder;
        s.app.CurrentModule.Param1 = 11;
        s.app.NextModule.Param1 = 22;
        return true;
    };
    p->selectRow(22);
    QTest::keyClick(p->grid(), Qt::Key_Return);
    ProjectWindow::dialogs().clear();
    QCOMPARE(opened, DialogKind::TwoAxisEncoder);
    QCOMPARE(p->table().record(22).Param1, int16_t{11});
    QCOMPARE(p->table().record(23).Param1, int16_t{22});
}

void TypicalUse::firstRunFitsTheScreen()
{
    MainWindow* main = fixture_->start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect m = main->geometry();
    QVERIFY2(m.width() >= screen.width() * 6 / 10 && m.height() >= screen.height() * 7 / 10,
             qPrintable(QString("%1x%2").arg(m.width()).arg(m.height())));
    QVERIFY(screen.contains(m));
    const QRect c = main->catalogWindow()->geometry();
    QVERIFY(screen.contains(c));
    QVERIFY(!c.intersects(m));

    // All columns fit when the workspace has room, column 0 is in sight, and
    // a second window stays inside the workspace.
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(fixture_->dropCatalog(p, "QMV2.R220", 1));
    p->selectRow(p->table().lastRow());
    QApplication::processEvents();
    QCOMPARE(p->grid()->horizontalScrollBar()->value(), 0);
    const QRect area = main->mdiArea()->viewport()->rect();
    int columns = 0;
    for (int col = 0; col < 7; ++col) columns += p->grid()->columnWidth(col);
    QVERIFY(p->grid()->viewport()->width() >= std::min(columns, area.width() - 60));
    ProjectWindow* second = fixture_->newProject("Hall3");
    for (auto* sub : main->mdiArea()->subWindowList()) QVERIFY(area.contains(sub->geometry()));
    QVERIFY(second->parentWidget()->pos() != p->parentWidget()->pos());
}

void TypicalUse::storedSizeIsKept()
{
    QSettings s = store();
    s.beginGroup("Settings");
    for (const char* key : {"MainLeft", "MainTop"}) s.setValue(key, "300");
    for (const char* key : {"MainWidth", "MainHeight"}) s.setValue(key, "6000");
    s.setValue("FontFlexGridSize", "7");
    s.sync();
    MainWindow* main = fixture_->start();
    QCOMPARE(main->width(), twipsToPixels(6000));
    QCOMPARE(fixture_->session().settings.grid.fontSize, QString("7"));
}

void TypicalUse::refusalsSayWhy()
{
    for (const auto& [language, reason] : {std::pair<QString, std::string>{"ENGLISH", "Slot A does not take"},
                                           {"DEUTSCH", "Steckplatz A nimmt"},
                                           {"OPTION", "L'emplacement A n'accepte pas"}}) {
        fixture_.reset();  // the old program ends before the next starts
        fixture_ = std::make_unique<GuiFixture>();
        QVERIFY(fixture_->startWithRack(language));
        GuiAsker::setNextAnswers({answer::Ok});
        fixture_->doubleClickCatalog("QMV2.G120", 2);
        const std::string prompt = GuiAsker::asked.back().prompt;
        QVERIFY2(contains(prompt, fixture_->session().app.texts.byEnglishId(1088)) && contains(prompt, reason),
                 prompt.c_str());
    }
}

void TypicalUse::deleteAsksWhileTheOptionIsTicked()
{
    ProjectWindow* p = fixture_->startWithRack();
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 6));
    p->selectRow(5);
    GuiAsker::setNextAnswers({answer::Yes});
    fixture_->trigger("pdiDelete");
    QVERIFY(p->table().rowEmpty(5));
    QVERIFY(contains(GuiAsker::asked.back().prompt, "delete the selected Row"));

    GuiFixture::whenModal([](QWidget* dlg) {
        auto* box = dlg->findChild<QCheckBox*>("ckbDelete");
        QVERIFY(box->isChecked());
        box->click();
        dlg->findChild<QPushButton*>("btnOk")->click();
    });
    fixture_->trigger("pdiOptions");
    const std::size_t asked = GuiAsker::asked.size();
    p->selectRow(6);
    fixture_->trigger("pdiDelete");
    QVERIFY(p->table().rowEmpty(6));
    QCOMPARE(GuiAsker::asked.size(), asked);
}

void TypicalUse::statusLineFollowsChanges()
{
    ProjectWindow* p = fixture_->startWithRack();
    auto* status = fixture_->main()->statusLine();
    auto text = [status](const char* name) { return status->findChild<QWidget*>(name)->property("text").toString(); };
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    p->selectRow(5);
    QCOMPARE(text("lblStatusRow"), QString("Station QMV2.R220 · Slot 1 · QMV2.G120 · inputs 0..1 · outputs -"));
    QVERIFY2(text("lblStatusSlots").startsWith("QMV2.R220: slots used 1, free 15; QMV3.X306: slots used 0, free 6"),
             qPrintable(text("lblStatusSlots")));
    QCOMPARE(text("btnStatusProblems"), QString("No problems"));

    // An overlap made behind the table's back counts, and a click lists it.
    p->table().record(6) = p->table().record(5);
    p->refresh();
    QCOMPARE(text("btnStatusProblems"), QString("1 problem"));
    GuiAsker::setNextAnswers({answer::Ok});
    QTest::mouseClick(status->findChild<QPushButton*>("btnStatusProblems"), Qt::LeftButton);
    QVERIFY(contains(GuiAsker::asked.back().prompt, "overlap"));
}

void TypicalUse::dropRowIsShownWhileDragging()
{
    ProjectWindow* p = fixture_->startWithRack();
    ProjectGrid* grid = p->grid();
    auto* mime = new QMimeData;
    mime->setData(kCatalogMime, QByteArray::number(fixture_->catalogIndex("QMV2.G120")));
    QDragEnterEvent enter(grid->visualRect(grid->model()->index(0, 2)).center(), Qt::MoveAction | Qt::CopyAction, mime,
                          Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &enter);
    auto moveTo = [&](int row) {
        const QPoint pos = grid->visualRect(grid->model()->index(row - 1, 2)).center();
        QDragMoveEvent move(pos, Qt::MoveAction | Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &move);
        return move.isAccepted();
    };
    QVERIFY(moveTo(5));
    QCOMPARE(grid->dropRow(), 5);
    QVERIFY(!moveTo(2));
    QCOMPARE(grid->dropRow(), 0);
    QVERIFY(fixture_->main()->statusLine()->currentMessage().contains("Slot A does not take QMV2.G120"));
    QDragLeaveEvent leave;
    QApplication::sendEvent(grid->viewport(), &leave);
    QVERIFY(fixture_->main()->statusLine()->currentMessage().isEmpty());
    delete mime;
}

void TypicalUse::fileMessagesNameTheFile()
{
    MainWindow* main = fixture_->start();
    QFile junk(fixture_->file("junk.qv4"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("junk");
    junk.close();
    GuiAsker::setNextAnswers({answer::Ok});
    main->openProjectFiles({fixture_->file("gone.qv4"), fixture_->file("junk.qv4")});
    QCOMPARE(GuiAsker::asked.size(), std::size_t(1));  // one message for both
    const std::string prompt = GuiAsker::asked.back().prompt;
    QVERIFY2(contains(prompt, "gone.qv4: the file does not exist") && contains(prompt, "junk.qv4: "), prompt.c_str());

    // Save As proposes the title in a folder that exists; Export PDF has a plain title.
    ProjectWindow* p = fixture_->newProject("Hall2");
    FileDialogs::setNextFileName("");
    p->ProjektSpeichern(true);
    const QFileInfo proposal(FileDialogs::lastProposal());
    QCOMPARE(proposal.fileName(), QString("NoName1.qv4"));
    QVERIFY(proposal.dir().exists());
    FileDialogs::setNextFileName("");
    fixture_->trigger("pdiExportPdf");
    QCOMPARE(FileDialogs::lastTitle(), QString("Export PDF"));
}

void TypicalUse::undoRedoAcrossActionsAndWindows()
{
    MainWindow* main = fixture_->start();
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(p);
    ProjectTable& t = p->table();
    QAction* undo = main->action("pdiUndo");
    QAction* redo = main->action("pdiRedo");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());

    fixture_->doubleClickCatalog("QMV2.R220", 1);
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    QCOMPARE(undo->text(), QString("&Undo Insert"));
    const QString path = fixture_->file("hall2.qv4");
    FileDialogs::setNextFileName(path);
    fixture_->trigger("pdiDatei3");
    QVERIFY(!t.changed());

    // A move is one step; undo goes back to the saved state, redo away from it.
    QVERIFY(fixture_->dropRow(p, 5, p, 8, false));
    QVERIFY(t.changed());
    QCOMPARE(undo->text(), QString("&Undo Move"));
    fixture_->trigger("pdiUndo");
    QCOMPARE(t.cell(5, 1), std::string("QMV2.G120"));
    QVERIFY(t.rowEmpty(8));
    QVERIFY(!t.changed());
    QCOMPARE(redo->text(), QString("&Redo Move"));
    fixture_->trigger("pdiRedo");
    QVERIFY(t.rowEmpty(5));
    QVERIFY(t.changed());
    QVERIFY(!redo->isEnabled());

    // A cancelled dialog and a question answered No leave no step.
    GuiFixture::whenModal(
        [](QWidget* dlg) { QTest::mouseClick(dlg->findChild<QWidget*>("btnCancel"), Qt::LeftButton); });
    fixture_->trigger("pdiProjektInfo");
    p->selectRow(8);
    GuiAsker::setNextAnswers({answer::No});
    fixture_->trigger("pdiDelete");
    QCOMPARE(undo->text(), QString("&Undo Move"));

    // Between windows each window takes back its own side.
    ProjectWindow* q = fixture_->newProject("Line3");
    QVERIFY(fixture_->dropCatalog(q, "QMV2.R220", 1));
    QVERIFY(fixture_->dropRow(p, 8, q, 5, false));
    QVERIFY(t.rowEmpty(8));
    QCOMPARE(q->table().cell(5, 1), std::string("QMV2.G120"));
    activate(q);
    fixture_->trigger("pdiUndo");
    QVERIFY(q->table().rowEmpty(5));
    QVERIFY(t.rowEmpty(8));
    activate(p);
    QCOMPARE(undo->text(), QString("&Undo Move"));
    fixture_->trigger("pdiUndo");
    QCOMPARE(t.cell(8, 1), std::string("QMV2.G120"));
    fixture_->trigger("pdiUndo");
    QVERIFY(!t.changed());
    // Back at the saved state: closing asks nothing.
    QVERIFY(qobject_cast<QMdiSubWindow*>(p->parentWidget())->close());
}

void TypicalUse::overviewFollowsTheProject()
{
    MainWindow* main = fixture_->start();
    ProjectWindow* p = fixture_->newProject("Hall2");
    fixture_->doubleClickCatalog("QMV2.R220", 1);
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    fixture_->trigger("pdiOverview");
    auto* ov = main->findChild<AddressOverviewWindow*>("AddressOverview");
    QVERIFY(ov && ov->isVisible());
    QTreeWidgetItem* inputs = ov->tree()->topLevelItem(0);
    const int before = inputs->childCount();
    QVERIFY(before >= 1);
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 9));
    QCOMPARE(ov->tree()->topLevelItem(0)->childCount(), before + 1);
    // A double click on a range selects the module's row.
    p->selectRow(1);
    QTreeWidgetItem* last = ov->tree()->topLevelItem(0)->child(before);
    QCOMPARE(last->text(4), QString("QMV2.G120"));
    emit ov->tree()->itemDoubleClicked(last, 0);
    QCOMPARE(p->table().currentRow(), 9);
    fixture_->trigger("pdiUndo");
    QCOMPARE(ov->tree()->topLevelItem(0)->childCount(), before);
}

void TypicalUse::catalogSearch()
{
    MainWindow* main = fixture_->start();
    ProjectWindow* p = fixture_->newProject("Hall2");
    CatalogWindow* cat = main->catalogWindow();
    CatalogFilter* filter = cat->filter();
    QTreeWidgetItem* anyGroup = cat->tree()->topLevelItem(0)->child(0);
    QVERIFY(!anyGroup->isExpanded());

    QTest::keyClicks(filter->field(), "r220");
    QCOMPARE(filter->hitCount(), 1);
    QVERIFY(!cat->findModule(fixture_->catalogIndex("QMV2.R220"))->isHidden());
    QVERIFY(cat->findModule(fixture_->catalogIndex("QMV2.G120"))->isHidden());
    p->selectRow(1);
    QTest::keyClick(filter->field(), Qt::Key_Return);
    QCOMPARE(p->table().getCPUBestell(), std::string("QMV2.R220"));

    filter->field()->setText("no such module");
    QVERIFY(cat->findChild<QLabel*>("catalogNoHit")->isVisibleTo(cat));
    QTest::keyClick(filter->field(), Qt::Key_Escape);
    QVERIFY(filter->field()->text().isEmpty());
    QVERIFY(!cat->findChild<QLabel*>("catalogNoHit")->isVisibleTo(cat));
    QVERIFY(!anyGroup->isHidden());
    QVERIFY(!anyGroup->isExpanded());
    // Escape in the tree ends a search too.
    filter->field()->setText("g120");
    QTest::keyClick(cat->tree(), Qt::Key_Escape);
    QVERIFY(!filter->active());
    QVERIFY(filter->field()->text().isEmpty());
}

void TypicalUse::compareWithTheSavedFile()
{
    MainWindow* main = fixture_->start();
    ProjectWindow* p = fixture_->newProject("Hall2");
    fixture_->doubleClickCatalog("QMV2.R220", 1);
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    const QString path = fixture_->file("hall2.qv4");
    FileDialogs::setNextFileName(path);
    fixture_->trigger("pdiDatei3");
    QVERIFY(fixture_->dropRow(p, 5, p, 8, false));
    FileDialogs::setNextFileName(path);
    fixture_->trigger("pdiCompare");
    auto* w = main->findChild<CompareWindow*>("CompareWindow");
    QVERIFY(w);
    // This project against the file: the module stands in another slot.
    QCOMPARE(w->tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* moved = w->tree()->topLevelItem(0);
    QCOMPARE(moved->text(0), QString("moved"));
    QCOMPARE(moved->text(1), QString("QMV2.G120"));
    p->selectRow(1);
    emit w->tree()->itemDoubleClicked(moved, 0);
    QCOMPARE(p->table().currentRow(), 8);
}

QTEST_MAIN(TypicalUse)
#include "tst_typicaluse.moc"
