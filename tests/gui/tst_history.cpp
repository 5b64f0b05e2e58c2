// Undo and redo as a user walks through them, the address overview following
// the project, and the catalog search.
#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include "gui/app/FileDialogs.h"
#include "gui/app/WorkCommands.h"
#include "gui/catalog/CatalogFilter.h"
#include "gui/project/AddressOverviewWindow.h"
#include "gui/project/CompareWindow.h"
#include "gui/support/GuiFixture.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::GuiFixture;

class History : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture_ = std::make_unique<GuiFixture>(); }
    void cleanup()
    {
        QVERIFY2(GuiAsker::unexpected.empty(),
                 GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
        fixture_.reset();
    }

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

void History::undoRedoAcrossActionsAndWindows()
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

void History::overviewFollowsTheProject()
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

void History::catalogSearch()
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

void History::compareWithTheSavedFile()
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

QTEST_MAIN(History)
#include "tst_history.moc"
