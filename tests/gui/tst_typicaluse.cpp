// The whole program as a user meets it, driven with mouse and keyboard on a
// copy of the shipped data: the typical use from a new project to the
// generated source, the workbench around it, the project information and
// options dialogs, data files it cannot use, the help window and printing.
#include <QtTest>

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "core/dbgen/SourceGenerator.h"
#include "core/project/OverviewPrint.h"
#include "core/project/StationPrint.h"
#include "core/project/SymbolTable.h"
#include "gui/app/Beep.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/Settings.h"
#include "gui/app/StartHint.h"
#include "gui/app/StatusLine.h"
#include "gui/catalog/CatalogFilter.h"
#include "gui/dbgen/DbSelectDialog.h"
#include "gui/project/AddressOverviewWindow.h"
#include "gui/project/CompareWindow.h"
#include "gui/project/PrintPage.h"
#include "gui/project/ProblemsDock.h"
#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::contains;
using rm::gui::test::GuiFixture;
using rm::gui::test::store;
namespace fs = std::filesystem;

class TypicalUse : public rm::gui::test::GuiTest {
    Q_OBJECT

private slots:
    // New project, CPU and modules, moves and copies, cut and paste between
    // projects, save, undo and redo, generate, close and reopen.
    void wholeTypicalUse();
    // The edit commands and the delete confirmation, the project information
    // dialog's filter, then closing asks to save.
    void editInformationAndClose();

    // At work: a first run that fits the screen and says how to start,
    // refusals that say why, the status line and the overview.
    void firstRunFitsTheScreenAndSaysHowToStart();
    // The grid font and the windows' places kept for the next start; then
    // the catalog, a dock reached by F6.
    void storedFontAndPlacesAndTheCatalogDock();
    void refusalsSayWhyAndTheStatusLineFollows();

    // The project information and options dialogs: pasting, the focus and
    // the keys, and where the language choice is stored.
    // Then the help window beside a modal dialog and in the active language.
    void languageChoiceIsStoredOrSaidToFailAndFileMessages();

    // Data files that cannot be used as they are: the program says what is
    // wrong instead of hanging, aborting or showing an empty catalog.
    void unusableFilesEndTheStart();

    // The printed listing: a PDF file written whole or not at all, every page
    // reaching the PDF and the preview; the symbol table and the I/O list in
    // the format their name asks for; none of them over the project itself.
    void exportsAreWrittenWholeAndNeverOverTheProject();

private:
    fs::path data(const char* name) const { return fs::path(fixture_->dataDir().toStdString()) / name; }
    QString helpPage() const
    {
        HelpViewer* viewer = HelpViewer::instance();
        return viewer ? QDir(fixture_->dataDir() + "/help").relativeFilePath(viewer->source().toLocalFile())
                      : QString();
    }
    // The whole file (empty when it cannot be read), and a file written with these bytes.
    std::string read(const QString& name) const { return rm::test::readText(fixture_->file(name).toStdString()); }
    void write(const QString& name, const char* bytes) const
    {
        std::ofstream(fixture_->file(name).toStdString(), std::ios::binary) << bytes;
    }
    static int pdfPages(const std::string& pdf)
    {
        return static_cast<int>(QString::fromStdString(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")));
    }
};

void TypicalUse::wholeTypicalUse()
{
    MainWindow* main = fixture_->start();
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(p);

    // The CPU found by the catalog search and placed by Enter with row 1
    // selected; Escape ends the search.
    CatalogFilter* filter = main->catalogWindow()->filter();
    QTest::keyClicks(filter->field(), "r220");
    QCOMPARE(filter->hitCount(), 1);
    p->selectRow(1);
    QTest::keyClick(filter->field(), Qt::Key_Return);
    ProjectTable& t = p->table();
    QCOMPARE(t.getCPUBestell(), std::string("QMV2.R220"));
    QTest::keyClick(filter->field(), Qt::Key_Escape);
    QVERIFY(!filter->active());

    // A module by drag from the catalog.
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    QCOMPARE(p->grid()->model()->data(p->grid()->model()->index(4, 1)).toString(), QString("QMV2.G120"));

    // A move keeps the addresses; with Ctrl it is a copy with its own.
    QVERIFY(fixture_->dropRow(p, 5, p, 8, false));
    QVERIFY(fixture_->dropRow(p, 8, p, 9, true));
    QCOMPARE(t.record(8).InBase, int16_t{0});
    QCOMPARE(t.record(9).InBase, int16_t{2});

    // A second project: cut here, paste there, where the address is searched again.
    ProjectWindow* q = fixture_->newProject("Line3");
    QVERIFY(q && fixture_->dropCatalog(q, "QMV2.R220", 1));
    QVERIFY(fixture_->dropCatalog(q, "QMV2.G120", 5) && fixture_->dropCatalog(q, "QMV2.G120", 6));
    fixture_->activate(p);
    p->selectRow(9);
    fixture_->trigger("pdiCut");
    QVERIFY(t.rowEmpty(9));
    fixture_->activate(q);
    q->selectRow(7);
    fixture_->trigger("pdiPaste");
    QCOMPARE(q->table().record(7).InBase, int16_t{4});
    // A move between windows: each window takes back its own side.
    QVERIFY(fixture_->dropRow(q, 5, p, 11, false));
    fixture_->trigger("pdiUndo");
    QVERIFY(!q->table().rowEmpty(5) && !q->table().rowEmpty(7) && !t.rowEmpty(11));

    // Save, generate with the dialog's defaults (I/O block DB 1, no CPU block).
    fixture_->activate(p);
    QCOMPARE(main->action("pdiUndo")->text(), QString("&Undo Move"));
    fixture_->trigger("pdiUndo");
    QVERIFY(t.rowEmpty(11));
    const QString path = fixture_->file("hall2.qv4");
    fixture_->save(path);
    QCOMPARE(p->title(), QString("hall2.qv4"));

    // A move is one step; undo goes back to the saved state, redo away from it.
    QVERIFY(fixture_->dropRow(p, 8, p, 10, false));
    QCOMPARE(main->action("pdiUndo")->text(), QString("&Undo Move"));
    fixture_->trigger("pdiUndo");
    QVERIFY(!t.rowEmpty(8) && t.rowEmpty(10) && !t.changed());
    fixture_->trigger("pdiRedo");
    QVERIFY(t.rowEmpty(8) && t.changed() && !main->action("pdiRedo")->isEnabled());
    // Compared with the saved file, the module stands in another slot; a double click selects it.
    fixture_->trigger("pdiCompare", path);
    auto* cmp = main->findChild<CompareWindow*>("CompareWindow");
    QVERIFY(cmp && cmp->tree()->topLevelItemCount() == 1);
    QCOMPARE(cmp->tree()->topLevelItem(0)->text(0) + cmp->tree()->topLevelItem(0)->text(1), QString("movedQMV2.G120"));
    p->selectRow(1);
    emit cmp->tree()->itemDoubleClicked(cmp->tree()->topLevelItem(0), 0);
    QCOMPARE(t.currentRow(), 10);
    fixture_->trigger("pdiUndo");
    fixture_->asker().setNextAnswers({answer::Ok});
    fixture_->generate();
    QVERIFY_ASKED(*fixture_, "Generated");
    QCOMPARE(rm::test::readText(fixture_->file("hall2.awl").toStdString()), generateSource(t, 0, 0));

    // Close it (back at the saved state: nothing asked) and open it again: the same table.
    const auto before = t.RowArray();
    QVERIFY(GuiFixture::close(p));
    fixture_->trigger("pdiDatei1", path);
    QVERIFY(main->activeProject() != q);
    QCOMPARE(main->activeProject()->table().RowArray(), before);

    // A row dragged from a window that has closed since is not taken.
    ProjectWindow* hall = main->activeProject();
    fixture_->session().app.CurrentModule = q->table().record(5);
    QVERIFY(hall->table().rowEmpty(12) && hall->table().IsAllowedInRow(fixture_->session().app.CurrentModule, 12));
    const quintptr gone = quintptr(q);
    fixture_->asker().setNextAnswers({answer::No});
    QVERIFY(q->parentWidget()->close());
    fixture_->dropRowOf(gone, 5, hall, 12, false);
    QCOMPARE(hall->table().RowArray(), before);
}

void TypicalUse::editInformationAndClose()
{
    ProjectWindow* p = fixture_->startWith(
        {{"QMV2.R220", 1}, {"QMV2.G120", 5}, {"QMV2.G260", 6}, {"QMV2.G120", 9}});  // G260: two rows
    QVERIFY(p);
    auto enabled = [this](const char* name) { return fixture_->main()->action(name)->isEnabled(); };
    p->selectRow(7);  // the second row of a module
    QVERIFY(!enabled("pdiCut") && enabled("pdiDelete"));

    // The Delete key asks while the confirmation option is ticked (as at start).
    fixture_->asker().setNextAnswers({answer::Yes});
    QTest::keyClick(p->grid(), Qt::Key_Delete);
    QVERIFY(p->table().rowEmpty(6) && p->table().rowEmpty(7));
    QVERIFY_ASKED(*fixture_, "delete the selected Row");
    GuiFixture::whenModal([this](QWidget* dlg) {
        QVERIFY(QTest::qWaitForWindowActive(dlg));
        QTest::keyClick(dlg, Qt::Key_F1);  // F1 opens the dialog's own page
        QCOMPARE(helpPage(), QString("context-15.html"));
        auto* box = dlg->findChild<QCheckBox*>("ckbDelete");
        QVERIFY(box->isChecked());
        box->click();
        dlg->findChild<QPushButton*>("btnOk")->click();
    });
    fixture_->trigger("pdiOptions");
    const std::size_t asked = fixture_->asker().asked.size();
    p->selectRow(9);
    fixture_->trigger("pdiDelete");
    QVERIFY(p->table().rowEmpty(9));
    QCOMPARE(fixture_->asker().asked.size(), asked);

    // Typed text passes the filter, and Cancel keeps the project as it was.
    GuiFixture::whenModal([this](QWidget* dlg) {
        auto* name = dlg->findChild<QLineEdit*>("txtHeader0");
        QVERIFY(QTest::qWaitForWindowActive(dlg));
        QTest::keyClick(name, Qt::Key_F1);
        QCOMPARE(helpPage(), QString("context-11.html"));
        QTest::keyClicks(name, "-x y");
        QCOMPARE(name->text(), QString("xy"));
        // What was not taken is said under the fields, not only beeped.
        QVERIFY(dlg->findChild<QLabel*>("lblHeaderRule")->text().endsWith("Not taken: \u201C \u201D"));
        QTest::mouseClick(dlg->findChild<QWidget*>("btnCancel"), Qt::LeftButton);
    });
    fixture_->trigger("pdiProjektInfo");
    QCOMPARE(p->table().info().ProjektName, std::string("Hall2"));
    GuiFixture::whenModal([](QWidget* dlg) {
        QVERIFY(QTest::qWaitForWindowActive(dlg));
        auto* name = dlg->findChild<QLineEdit*>("txtHeader0");
        auto* family = dlg->findChild<QLineEdit*>("txtHeader1");
        auto* author = dlg->findChild<QLineEdit*>("txtHeader2");
        // Pasted text passes the same filter: no way round it into the
        // source, and a pasted line break is no Enter.
        name->clear();
        QGuiApplication::clipboard()->setText("9ab\rcd-1xyz0");
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), QString("abcd1xyz"));
        // From one reserved word to another: the focus must not bounce between them.
        QTest::mouseClick(family, Qt::LeftButton);
        QTest::keyClicks(family, "FAMILY");
        QTest::keyClicks(author, "author");
        const int beeps = beepCount();
        QTest::keyClick(family, Qt::Key_Tab);
        QTest::qWait(50);
        QCOMPARE(QApplication::focusWidget(), family);
        QCOMPARE(beepCount(), beeps + 1);
        author->clear();
        // Enter does not close with a reserved word either; Return after a fix does.
        QTest::keyClick(family, Qt::Key_Enter);
        QVERIFY(dlg->isVisible());
        QTest::keyClicks(family, "X");
        QTest::keyClick(family, Qt::Key_Return);
    });
    fixture_->trigger("pdiProjektInfo");
    QCOMPARE(p->table().info().ProjektName, std::string("abcd1xyz"));
    QCOMPARE(p->table().info().Familie, std::string("FAMILYX"));
    MainWindow* main = fixture_->main();
    auto* sub = p->parentWidget();
    fixture_->asker().setNextAnswers({answer::Cancel});
    QVERIFY(!sub->close());
    fixture_->asker().setNextAnswers({answer::Cancel});  // quitting stops at a Cancel too
    QVERIFY(!main->CloseAllProjects());
    // Yes with the save dialog cancelled keeps the window and its data.
    fixture_->asker().setNextAnswers({answer::Yes});
    fixture_->files().setNextFileName("");
    QVERIFY(!sub->close());
    QCOMPARE(main->projectWindows().size(), std::size_t{1});
    // A Save As that fails (no such folder) keeps the name and file the
    // window had: the next Yes writes the old file, not the failed name.
    fixture_->save(fixture_->file("hall2.qv4"));
    const QString saved = p->path();
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G260", 6));
    fixture_->asker().setNextAnswers({answer::No});                    // no other name either
    fixture_->trigger("pdiDatei2", fixture_->file("gone/other.qv4"));  // Save As
    QVERIFY_ASKED(*fixture_, "other.qv4");
    QCOMPARE(p->title(), QString("hall2.qv4"));
    QCOMPARE(p->path(), saved);
    QVERIFY(p->table().changed());
    fixture_->asker().setNextAnswers({answer::Yes});
    QVERIFY(GuiFixture::close(p));
    QVERIFY(main->projectWindows().empty());
    QVERIFY(contains(read("hall2.qv4"), "QMV2.G260"));
    QVERIFY(!QFileInfo::exists(fixture_->file("gone")));
}

void TypicalUse::firstRunFitsTheScreenAndSaysHowToStart()
{
    MainWindow* main = fixture_->start("DEUTSCH");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect m = main->geometry();
    QVERIFY2(m.width() >= screen.width() * 6 / 10 && m.height() >= screen.height() * 7 / 10,
             qPrintable(QString("%1x%2").arg(m.width()).arg(m.height())));
    QVERIFY(screen.contains(m));
    StartHint* hint = main->startHint();
    QVERIFY(hint->isVisible() && hint->text().contains("Neues Projekt"));
    QVERIFY(main->mdiArea()->viewport()->rect().contains(hint->geometry()));
    // Its links do what they say; a saved project comes back as a recent file.
    GuiFixture::nameNextProject("Hall2");
    emit hint->linkActivated("new");
    ProjectWindow* p = main->activeProject();
    QVERIFY(p && !hint->isVisible());
    fixture_->save(fixture_->file("hall2.qv4"));
    main->action("pdiCloseAll")->trigger();
    QApplication::processEvents();
    QVERIFY(hint->isVisible() && hint->text().contains("Zuletzt geöffnet"));
    QCOMPARE(hint->files().size(), 1);
    emit hint->linkActivated("file:0");
    p = main->activeProject();
    QVERIFY(p && !hint->isVisible());

    // All columns fit when the workspace has room, column 0 is in sight, and
    // a second window stays inside the workspace.
    // The catalog docked beside the workspace, inside the main window.
    QDockWidget* dock = main->catalogDock();
    QVERIFY(dock->isVisible() && !dock->isFloating() && main->rect().contains(dock->geometry()));
    QVERIFY(dock->width() >= 240 && !dock->geometry().intersects(main->mdiArea()->geometry()));
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

void TypicalUse::storedFontAndPlacesAndTheCatalogDock()
{
    // Italic and bold are kept apart; a cancelled font dialog changes nothing.
    for (const bool italic : {true, false}) {
        QVERIFY(fixture_->start());
        QFont chosen("DejaVu Sans", 9);
        chosen.setItalic(italic);
        chosen.setBold(!italic);
        for (const bool cancel : {false, true}) {
            if (cancel)
                fixture_->fonts().setNextFontCancelled();
            else
                fixture_->fonts().setNextFont(chosen);
            GuiFixture::whenModal([](QWidget* dlg) {
                dlg->findChild<QAbstractButton*>("cmdChangeFont")->click();
                QCOMPARE(dlg->findChild<QLineEdit*>("txtFont")->text(), QString("DejaVu Sans"));
                dlg->findChild<QAbstractButton*>("btnOk")->click();
            });
            fixture_->trigger("pdiOptions");
        }
        QVERIFY2(fixture_->unexpected().isEmpty(), qPrintable(fixture_->unexpected()));
        fixture_ = std::make_unique<GuiFixture>();  // the old program ends and stores its settings
        QCOMPARE(store().value("Settings/FontFlexGridItalic").toString(), QString(italic ? "1" : "0"));
        QVERIFY(fixture_->start());
        ProjectWindow* p = fixture_->newProject("Hall2");
        QVERIFY(p);
        QCOMPARE(p->grid()->font().family(), QString("DejaVu Sans"));
        QCOMPARE(p->grid()->font().italic(), italic);
        QCOMPARE(p->grid()->font().bold(), !italic);
        fixture_ = std::make_unique<GuiFixture>();
    }

    // Stored places from a larger screen, or a window grown too wide: each
    // window comes back wholly on the screen, at every start.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QRect& main :
         {QRect(screen.left() + 40, screen.top() + 30, screen.width() * 2, screen.height() / 2),
          QRect(screen.right() - 100, screen.bottom() - 50, screen.width() / 2, screen.height() / 2)}) {
        {
            QSettings s = store();
            s.beginGroup("Settings");
            for (const auto& [key, pixels] : {std::pair{"MainLeft", main.left()},
                                              {"MainTop", main.top()},
                                              {"MainWidth", main.width()},
                                              {"MainHeight", main.height()}})
                s.setValue(key, QString::number(pixelsToTwips(pixels)));
        }
        fixture_ = std::make_unique<GuiFixture>();
        MainWindow* m = fixture_->start();
        QVERIFY(m);
        QApplication::processEvents();
        QVERIFY2(screen.contains(m->frameGeometry()),
                 qPrintable(QString("%1 %2 %3x%4").arg(m->x()).arg(m->y()).arg(m->width()).arg(m->height())));
        // A window placed beside the main window stays on the screen too.
        QVERIFY(fixture_->newProject("Hall2"));
        QVERIFY(m->catalogDock()->isVisible() && m->rect().contains(m->catalogDock()->geometry()));
        fixture_->trigger("pdiOverview");
        auto* ov = m->findChild<AddressOverviewWindow*>("AddressOverview");
        QVERIFY(ov && screen.contains(ov->frameGeometry()));
        QVERIFY2(fixture_->unexpected().isEmpty(), qPrintable(fixture_->unexpected()));
        fixture_.reset();
    }
    QCOMPARE(fitOnArea(QRect(1274, 0, 420, 600), QRect(0, 0, 1600, 1000)), QRect(1180, 0, 420, 600));
    QCOMPARE(fitOnArea(QRect(-50, 900, 2000, 300), QRect(0, 0, 1600, 1000)), QRect(0, 700, 1600, 300));

    fixture_ = std::make_unique<GuiFixture>();
    ProjectWindow* p = fixture_->startWithRack();
    QVERIFY(p);
    MainWindow* main = fixture_->main();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    // F6 goes from the table to the catalog and back, and Alt reaches the
    // menus from the catalog.
    p->grid()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QVERIFY(main->catalogWindow()->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), p->grid());
    // Hidden, F6 brings the catalog back.
    main->ShowCatalog(false);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QVERIFY(main->catalogDock()->isVisible() && main->catalogWindow()->tree()->hasFocus());
    QVERIFY(main->action("pdiTreeForm")->isChecked());

    // Order numbers beside the designations, and the whole of both in the tooltip.
    const QTreeWidgetItem* g120 =
        main->catalogWindow()->findModule(fixture_->session().app.ModulKatalog.indexOf("QMV2.G120"));
    QVERIFY(g120);
    QCOMPARE(g120->text(1), QString("QMV2.G120"));
    QVERIFY(g120->toolTip(0).startsWith(g120->text(0)) && g120->toolTip(0).endsWith("\nQMV2.G120"));

    // A floating catalog taken off the screen comes back on it at the next start.
    main->catalogDock()->setFloating(true);
    main->catalogDock()->move(screen.right() + 300, screen.top());
    fixture_->asker().setNextAnswers({answer::No});
    main->close();
    fixture_ = std::make_unique<GuiFixture>();
    QVERIFY(fixture_->start() && fixture_->newProject("Hall3"));
    QDockWidget* dock = fixture_->main()->catalogDock();
    QVERIFY(dock->isFloating());
    QVERIFY2(screen.contains(dock->frameGeometry()), qPrintable(QString::number(dock->x())));
}

void TypicalUse::refusalsSayWhyAndTheStatusLineFollows()
{
    ProjectWindow* p = fixture_->startWithRack();
    QVERIFY(p);
    // While dragging, the row that would take the drop is framed, and a
    // refusal says why in the status line.
    ProjectGrid* grid = p->grid();
    const std::unique_ptr<QMimeData> mime(fixture_->catalogEntry("QMV2.G120"));
    auto moveTo = [&](int row) {
        return GuiFixture::drag(grid->viewport(), mime.get(),
                                grid->visualRect(grid->model()->index(row - 1, 2)).center(), false);
    };
    QVERIFY(moveTo(5));
    QCOMPARE(grid->dropRow(), 5);
    QVERIFY(!moveTo(2));
    QCOMPARE(grid->dropRow(), 0);
    StatusLine* status = fixture_->main()->statusLine();
    QVERIFY(status->currentMessage().contains("Slot A does not take QMV2.G120"));
    // Let go there, the reason stays until the next action; moved away, it goes.
    QCursor::setPos(grid->viewport()->mapToGlobal(grid->visualRect(grid->model()->index(1, 2)).center()));
    QDragLeaveEvent release;
    QApplication::sendEvent(grid->viewport(), &release);
    QVERIFY(status->currentMessage().contains("Slot A does not take QMV2.G120"));
    p->selectRow(5);
    QVERIFY(status->currentMessage().isEmpty());
    QVERIFY(!moveTo(2));
    QCursor::setPos(grid->viewport()->mapToGlobal(QPoint(-50, -50)));
    QDragLeaveEvent leave;
    QApplication::sendEvent(grid->viewport(), &leave);
    QVERIFY(status->currentMessage().isEmpty());

    // The status line names the selected row and the slots in use.
    auto text = [status](const char* name) { return status->findChild<QWidget*>(name)->property("text").toString(); };
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    p->selectRow(5);
    QCOMPARE(text("lblStatusRow"), QString("Station QMV2.R220 · Slot 1 · QMV2.G120 · inputs 0..1 · outputs -"));
    QVERIFY(text("lblStatusSlots").startsWith("QMV2.R220: slots used 1, free 15; QMV3.X306: slots used 0, free 6"));
    // A narrow window cuts the line rather than widening; the tooltip holds all of it.
    MainWindow* main = fixture_->main();
    main->resize(560, main->height());
    QApplication::processEvents();
    QCOMPARE(main->width(), 560);
    int cut = 0;
    for (const char* name : {"lblStatusRow", "lblStatusSlots"}) {
        auto* label = status->findChild<QLabel*>(name);
        const bool fits = label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width();
        QCOMPARE(label->toolTip(), fits ? QString() : label->text());
        cut += fits ? 0 : 1;
    }
    QVERIFY(cut > 0);
    // The address overview follows, and a double click selects the module's row.
    fixture_->trigger("pdiOverview");
    auto* ov = fixture_->main()->findChild<AddressOverviewWindow*>("AddressOverview");
    QVERIFY(ov && ov->isVisible());
    const int ranges = ov->tree()->topLevelItem(0)->childCount();
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 9));
    emit ov->tree()->itemDoubleClicked(ov->tree()->topLevelItem(0)->child(ranges), 0);
    QCOMPARE(p->table().currentRow(), 9);

    // An overlap made behind the table's back counts, both rows are marked,
    // and a click on the count opens the list; a double click goes to the row.
    p->table().record(6) = p->table().record(5);
    p->refresh();
    QCOMPARE(text("btnStatusProblems"), QString("1 problem"));
    QVERIFY(p->model().hasProblem(5) && p->model().hasProblem(6) && !p->model().hasProblem(9));
    QVERIFY(p->model().data(p->model().index(5, 3), Qt::ToolTipRole).toString().contains("overlap"));
    ProblemsDock* problems = main->problemsDock();
    QVERIFY(!problems->isVisible());
    QTest::mouseClick(status->findChild<QPushButton*>("btnStatusProblems"), Qt::LeftButton);
    QVERIFY(problems->isVisible());
    QCOMPARE(problems->list()->count(), 1);
    QCOMPARE(problems->list()->item(0)->text(), QString("slot 1 (0..1) and slot 2 (0..1): inputs overlap"));
    p->selectRow(9);
    emit problems->list()->itemDoubleClicked(problems->list()->item(0));
    QCOMPARE(p->table().currentRow(), 5);
    // The list speaks the chosen language and empties with the problem.
    fixture_->session().app.setLanguage(kGermanBase);
    p->refresh();
    QVERIFY(problems->list()->item(0)->text().endsWith("Eingänge überschneiden sich"));
    p->table().record(6) = RowEintrag{};
    p->refresh();
    QCOMPARE(problems->list()->count(), 1);
    QVERIFY(!(problems->list()->item(0)->flags() & Qt::ItemIsEnabled));
    QVERIFY(!p->model().hasProblem(5));
}

void TypicalUse::languageChoiceIsStoredOrSaidToFailAndFileMessages()
{
    MainWindow* main = fixture_->start();
    QVERIFY(main);
    const fs::path ini = fs::path(fixture_->dataDir().toStdString()) / "Katalog.ini";
    // The options dialog with no project open shows the stored font too.
    auto choose = [this](const char* option, const char* button = "btnOk") {
        GuiFixture::whenModal([this, option, button](QWidget* dlg) {
            QCOMPARE(dlg->findChild<QLineEdit*>("txtFont")->text(), fixture_->session().settings.grid.fontName);
            dlg->findChild<QAbstractButton*>(option)->click();
            dlg->findChild<QAbstractButton*>(button)->click();
        });
        fixture_->trigger("pdiOptions");
    };
    // Cancel, or the running language: nothing written, nothing said.
    const std::string before = rm::test::readText(ini.string());
    choose("optLanguage2", "btnCancel");
    choose("optLanguage1");
    QVERIFY(fixture_->asker().asked.empty());
    QCOMPARE(rm::test::readText(ini.string()), before);
    fixture_->asker().setNextAnswers({answer::Ok});
    choose("optLanguage2");
    QVERIFY_ASKED(*fixture_, "The change takes effect at the next start: Deutsch.");
    QCOMPARE(LoadLanguage(ini.parent_path()).LanguageIndex, 2);
    QCOMPARE(fixture_->session().language.LanguageIndex, 1);  // takes effect at the next start

    // A choice that cannot be stored is not reported as taking effect.
    fs::remove(ini);
    fs::create_directory(ini);
    fixture_->asker().setNextAnswers({answer::Ok});
    choose("optLanguage3");
    QVERIFY2(fixture_->asker().lastPrompt().starts_with("Data could not be save"),
             fixture_->asker().lastPrompt().c_str());
    QCOMPARE(style::icon(fixture_->asker().asked.back().style), style::Critical);

    // Several bad files: one message naming each.
    write("junk.qv4", "junk");
    fixture_->asker().asked.clear();
    fixture_->asker().setNextAnswers({answer::Ok});
    main->openProjectFiles({fixture_->file("gone.qv4"), fixture_->file("junk.qv4")});
    QCOMPARE(fixture_->asker().asked.size(), std::size_t(1));
    QVERIFY_ASKED(*fixture_, "gone.qv4: the file does not exist");
    QVERIFY_ASKED(*fixture_, "junk.qv4: ");

    // Save As proposes the title in a folder that exists.
    ProjectWindow* p = fixture_->newProject("Hall2");
    fixture_->files().setNextFileName("");
    p->ProjektSpeichern(true);
    const QFileInfo proposal(fixture_->files().lastProposal());
    QCOMPARE(proposal.fileName(), QString("NoName1.qv4"));
    QVERIFY(proposal.dir().exists());
    fixture_->files().setNextFileName("");  // a plain title, without "&" or "..."
    fixture_->trigger("pdiExportPdf");
    QCOMPARE(fixture_->files().lastTitle(), QString("Export PDF"));

    // F1 in the block dialog opens its own page.
    DbSelectDialog blocks(fixture_->session(), "hall2.qv4", [](int, int) { return 0; });
    blocks.show();
    QVERIFY(QTest::qWaitForWindowActive(&blocks));
    QTest::keyClick(&blocks, Qt::Key_F1);
    QCOMPARE(helpPage(), QString("context-3.html"));

    // An installed program's data folder, writable as it is for root: the
    // language choice and the recent-file list go to the per-user folder.
    const fs::path root = fixture_->file("installed").toStdString();
    const fs::path data = root / "share" / "rackmason" / "resource";
    fs::create_directories(data);
    fs::copy_file(fs::path(RM_RESOURCES) / "Katalog.ini", data / "Katalog.ini");
    rm::gui::test::ScriptedAsker asker;
    rm::gui::test::QueuedFileChooser files;
    rm::gui::test::QueuedFontChooser fonts;
    Session s(asker, files, fonts);
    s.programDir = root / "bin";
    s.resourceDir = defaultResourceDir(s.programDir);
    s.userDir = root / "user";
    QCOMPARE(s.resourceDir, data);
    QCOMPARE(s.languageFile(), s.userDir / "language.ini");
    QCOMPARE(s.recentListFile(), s.userDir / "nura.ini");

    Session& session = fixture_->session();
    auto* dialog = new QDialog(fixture_->main());
    dialog->setModal(true);
    dialog->show();
    HelpViewer::showHelp(session, 15, dialog);
    HelpViewer* viewer = HelpViewer::instance();
    // A window of the modal dialog's own is not blocked by it, and it is
    // the one window for every context, each with its page in the language.
    QVERIFY(viewer->isWindow() && viewer->parentWidget() == dialog);
    for (const auto& [base, folder] : {std::pair{kGermanBase, "de/"}, std::pair{kFrenchBase, "fr/"}}) {
        session.app.setLanguage(base);
        for (int context : {2, 3, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16}) {
            HelpViewer::showHelp(session, context, dialog);
            QCOMPARE(helpPage(), QString("%1context-%2.html").arg(folder).arg(context));
        }
    }
    // The dialog closes: the viewer stays open with the main window.
    delete dialog;
    QVERIFY(HelpViewer::instance() == viewer && viewer->parentWidget() == fixture_->main() && viewer->isVisible());
}

void TypicalUse::unusableFilesEndTheStart()
{
    // The CPU group, listed twice, names two CPUs the module file lacks, and
    // a count out of range.
    std::string ini = rm::test::readText(data("Katalog.ini").string());
    ini.replace(ini.find("Entries=7"), 9, "Entries=9\r\nEntry8=QMV9.R900\r\nEntry9=QMV9.R910");
    ini.replace(ini.find("Entry3=QMV3"), 11, "Entry3=CPU QMV\r\nEntry4=Bad\r\n[Bad]\r\nEntries=-1");
    ini.replace(ini.find("Entries=3"), 9, "Entries=4");
    std::ofstream(data("Katalog.ini"), std::ios::binary) << ini;
    fixture_->asker().setNextAnswers({answer::Ok});
    QVERIFY(fixture_->start("DEUTSCH"));
    QCOMPARE(fixture_->asker().asked.size(), size_t(1));
    for (const char* said : {"NURA_G.txt", ": 2 (QMV9.R900, QMV9.R910)", "[Bad] Entries=-1"})
        QVERIFY_ASKED(*fixture_, said);

    // File, what it holds, what is said.
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"NURA_E.txt", "\r\n\r\n", "holds no module record"},
        {"Katalog.ini", "[Katalog]\r\nEntries=1\r\nEntry1=Fan\r\n[Fan]\r\nEntries=32767\r\n[leer]\r\nEntries=32767\r\n",
         "grows past 100000 entries in group \"leer\""},
        {"", "", "SELECTED names no known language"},  // started as "GERMAN"
    };
    for (const auto& [file, content, said] : cases) {
        fixture_.reset();  // the old program ends before the next starts
        fixture_ = std::make_unique<GuiFixture>();
        fixture_->asker().asked.clear();
        if (*file) std::ofstream(data(file), std::ios::binary) << content;
        fixture_->asker().setNextAnswers({answer::Ok});
        QVERIFY(!fixture_->start(*file ? "ENGLISH" : "GERMAN"));
        QCOMPARE(fixture_->asker().asked.size(), size_t(1));
        QVERIFY_ASKED(*fixture_, said);
    }
}

void TypicalUse::exportsAreWrittenWholeAndNeverOverTheProject()
{
    ProjectWindow* p = fixture_->startWith({{"QMV2.R220", 1}, {"QMV2.G120", 5}, {"QMV2.K202", 6}});
    QVERIFY(p);
    const Texts& texts = fixture_->session().app.texts;
    write("listing.pdf", "an older listing");
    QString error;
    QVERIFY2(exportPdf(p->table(), texts, fixture_->file("listing.pdf"), &error), qPrintable(error));
    const std::string pdf = read("listing.pdf");
    QVERIFY(pdf.starts_with("%PDF") && pdf.find("%%EOF", pdf.size() - 8) != std::string::npos);
    QCOMPARE(pdfPages(pdf), 3);  // the listing, the address overview and the station picture
    QCOMPARE(QDir(fixture_->file("")).entryList(QDir::Files), QStringList{"listing.pdf"});  // no temporary file

    // A folder where the file should go: the folder and its content stay.
    QVERIFY(QDir().mkpath(fixture_->file("busy.pdf")));
    write("busy.pdf/keep.txt", "kept");
    QVERIFY(!exportPdf(p->table(), texts, fixture_->file("busy.pdf"), &error));
    QVERIFY2(error.contains("busy.pdf"), qPrintable(error));
    QCOMPARE(read("busy.pdf/keep.txt"), std::string("kept"));

    // The project file itself, chosen in the dialog, is not replaced by its listing.
    fixture_->save(fixture_->file("hall2.qv4"));
    const std::string project = read("hall2.qv4");
    QVERIFY(!exportPdf(p->table(), texts, fixture_->file("./hall2.qv4"), &error));
    QCOMPARE(read("hall2.qv4"), project);

    // The symbol table in the format its name asks for.
    const ProjectTable& t = p->table();
    for (const auto& [name, format] :
         {std::pair{"hall2.sdf", SymbolFormat::Sdf}, std::pair{"hall2.asc", SymbolFormat::Asc},
          std::pair{"hall2.SEQ", SymbolFormat::Seq}, std::pair{"hall2.csv", SymbolFormat::Csv},
          std::pair{"hall2.txt", SymbolFormat::Sdf}}) {
        fixture_->trigger("pdiSymbols", fixture_->file(name));
        QCOMPARE(read(name), symbolTable(channels(t), format, {',', true}));
    }
    QCOMPARE(fixture_->files().lastTitle(), QString("Export symbol table"));
    QCOMPARE(fixture_->files().lastProposal(), fixture_->file("hall2.sdf"));
    // In German: E and A, and the semicolon German spreadsheets expect.
    fixture_->session().app.setLanguage(kGermanBase);
    fixture_->trigger("pdiSymbols", fixture_->file("de.csv"));
    QCOMPARE(read("de.csv"), symbolTable(channels(t, Mnemonics::German), SymbolFormat::Csv, {';', true}));
    // The project file chosen by mistake stays the project.
    for (const char* action : {"pdiSymbols", "pdiIoList"}) {
        fixture_->asker().setNextAnswers({answer::Ok});
        fixture_->trigger(action, fixture_->file("./hall2.qv4"));
        QVERIFY_ASKED(*fixture_, "hall2.qv4");
        QCOMPARE(read("hall2.qv4"), project);
    }

    // Two racks, and modules with inputs, outputs and an identification in
    // every free slot: every page reaches the PDF and the preview.
    QVERIFY(fixture_->dropCatalog(p, "QMV3.X306", 21) && fixture_->dropCatalog(p, "QMV3.X306", p->table().lastRow()));
    for (int r = 5; r <= p->table().lastRow(); ++r)
        if (p->table().RowIs(r) == kind::Slot && p->table().rowEmpty(r) && !fixture_->dropCatalog(p, "QMV2.E410", r))
            fixture_->dropCatalog(p, "QMV3.E420", r);
    const int listing = static_cast<int>(Prepare_print_pages(p->table(), texts, "").size());
    const int pages = listing + static_cast<int>(overviewPrintPages(addressRanges(p->table()), texts, "").size()) +
                      static_cast<int>(stationPrintPages(layoutStations(p->table()), texts, "").size());
    QVERIFY2(listing > 1 && pages > listing, qPrintable(QString("%1 %2").arg(listing).arg(pages)));
    QVERIFY2(exportPdf(p->table(), texts, fixture_->file("rack.pdf"), &error), qPrintable(error));
    QCOMPARE(pdfPages(read("rack.pdf")), pages);
    int previewPages = -1;
    GuiFixture::whenModal([&](QWidget* dlg) {
        if (auto* preview = dlg->findChild<QPrintPreviewWidget*>()) previewPages = preview->pageCount();
        dlg->close();
    });
    previewProject(p->table(), texts, nullptr);
    QCOMPARE(previewPages, pages);
}

QTEST_MAIN(TypicalUse)
#include "tst_typicaluse.moc"
