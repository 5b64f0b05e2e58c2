// The whole typical use of the program, as a user does it with mouse and
// keyboard: new project, CPU and modules, moves and copies, cut and paste
// between projects, save, close, reopen and generate.
#include <QtTest>

#include <QMdiSubWindow>
#include "core/dbgen/SourceGenerator.h"

#include "core/project/ProjectDocument.h"
#include "gui/app/FileDialogs.h"
#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::GuiFixture;

class TypicalUse : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture_ = std::make_unique<GuiFixture>(); }
    void cleanup()
    {
        QVERIFY2(GuiAsker::unexpected.empty(),
                 GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
        fixture_.reset();
    }

    void startsIdle();
    void wholeTypicalUse();
    void closeAsksToSave();
    void editCommandStates();
    void recentFiles();
    void openRefusesWrongFiles();
    void rowDialogDispatch();

private:
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
    main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(p->parentWidget()));
    QCOMPARE(main->activeProject(), p);
    p->selectRow(9);
    fixture_->trigger("pdiCut");
    QVERIFY(t.rowEmpty(9));
    QVERIFY(main->action("pdiPaste")->isEnabled());
    main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(q->parentWidget()));
    q->selectRow(7);
    fixture_->trigger("pdiPaste");
    QCOMPARE(q->table().cell(7, 1), std::string("QMV2.G120"));
    QCOMPARE(q->table().record(7).InBase, int16_t{4});  // searched again in the second project

    // Save, then the saved project is no longer marked as changed.
    main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(p->parentWidget()));
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

QTEST_MAIN(TypicalUse)
#include "tst_typicaluse.moc"
