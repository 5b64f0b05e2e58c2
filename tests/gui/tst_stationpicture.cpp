// The station picture beside the table, driven as a user would: selection
// both ways, drops from the catalog onto its slots, the keyboard, the zoom,
// the context menu, showing and hiding it, and the SVG export.
#include <QtTest>

#include <QMenu>
#include <QScrollBar>

#include "core/project/StationLayout.h"
#include "gui/app/StatusLine.h"
#include "gui/project/StationView.h"
#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::GuiFixture;

namespace {
QPoint centreOf(StationView* view, int row)
{
    const SlotBox* b = view->layout().boxOfRow(row);
    return b ? view->boxRect(*b).center() : QPoint(-1, -1);
}

// A catalog entry dragged over the picture to a row's box; whether the
// picture would take it there.
bool dragOver(StationView* view, QMimeData* mime, int row, bool drop = false)
{
    return GuiFixture::drag(view->viewport(), mime, centreOf(view, row), drop);
}
}  // namespace

class StationPicture : public rm::gui::test::GuiTest {
    Q_OBJECT

private slots:

    void selectionFollowsBothWaysAndExport();
    void keyboardMouseZoomAndDrops();

private:
    ProjectWindow* start()
    {
        ProjectWindow* p = fixture_->startWithRack();
        if (!p || !fixture_->dropCatalog(p, "QMV2.G120", 5)) return nullptr;
        // Shown by default only on a screen with room for it.
        if (p->picture()->isHidden()) fixture_->click("BtnStationPicture");
        p->parentWidget()->resize(1300, 700);
        QApplication::processEvents();
        return p;
    }
    QMimeData* catalogEntry(const std::string& order)
    {
        mime_.reset(fixture_->catalogEntry(order));
        return mime_.get();
    }

    std::unique_ptr<QMimeData> mime_;
};

void StationPicture::selectionFollowsBothWaysAndExport()
{
    ProjectWindow* p = start();
    QVERIFY(p);
    StationView* view = p->picture();
    QVERIFY(view->isVisible());
    // Two bands: the CPU's and the rack's, the module drawn in its slot.
    QCOMPARE(view->layout().bands.size(), std::size_t(2));
    QVERIFY(view->layout().boxOfRow(5) && !view->layout().boxOfRow(5)->empty);

    // A click on a box selects its row in the table.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, 5));
    QCOMPARE(p->table().currentRow(), 5);
    QCOMPARE(p->grid()->currentIndex().row(), 4);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, 21));  // the rack's head
    QCOMPARE(p->table().currentRow(), 21);

    // A row chosen in the table is scrolled into the picture's view.
    view->setZoom(10);
    view->horizontalScrollBar()->setValue(0);
    view->verticalScrollBar()->setValue(0);
    const QRect cell = p->grid()->visualRect(p->grid()->model()->index(p->table().lastRow() - 2, 2));
    QTest::mouseClick(p->grid()->viewport(), Qt::LeftButton, {}, cell.center());
    const int chosen = p->table().currentRow();
    QCOMPARE(chosen, p->table().lastRow() - 1);
    QVERIFY(view->layout().boxOfRow(chosen));
    QVERIFY2(view->viewport()->rect().contains(view->boxRect(*view->layout().boxOfRow(chosen))),
             qPrintable(QString("box %1 not in sight").arg(chosen)));

    // Undo redraws the picture: the slot is empty again.
    view->fitToWindow();
    fixture_->trigger("pdiUndo");
    QVERIFY(view->layout().boxOfRow(5)->empty);
    fixture_->trigger("pdiRedo");
    QVERIFY(!view->layout().boxOfRow(5)->empty);

    // File > Export Picture writes the project's picture, the same SVG as the command line's.
    const QString svg = fixture_->file("hall2.svg");
    fixture_->trigger("pdiExportPicture", svg);
    QCOMPARE(rm::test::readText(svg.toStdString()),
             stationSvg(layoutStations(p->table()), fixture_->session().app.texts));
    // A file that cannot be written is said so, and nothing is left behind.
    const QString nowhere = fixture_->file("missing/hall2.svg");
    fixture_->files().setNextFileName(nowhere);
    fixture_->asker().setNextAnswers({answer::Ok});
    fixture_->trigger("pdiExportPicture");
    QVERIFY(!QFileInfo::exists(nowhere));
    QVERIFY_ASKED(*fixture_, "missing");

    // Hidden from the toolbar: in every window, checked off in the menu, kept for the next run.
    ProjectWindow* q = fixture_->newProject("Hall3");
    QVERIFY(q && q->picture()->isVisible());
    fixture_->click("BtnStationPicture");
    QVERIFY(!p->picture()->isVisible() && !q->picture()->isVisible());
    QVERIFY(!fixture_->main()->action("pdiStationPicture")->isChecked());
    ProjectWindow* r = fixture_->newProject("Hall4");
    QVERIFY(r && !r->picture()->isVisible());
    // Shown again from the menu, drawn as the table is now.
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 6));
    fixture_->trigger("pdiStationPicture");
    QVERIFY(p->picture()->isVisible() && fixture_->main()->toolButton("BtnStationPicture")->isChecked());
    QVERIFY(!p->picture()->layout().boxOfRow(6)->empty);
    fixture_->click("BtnStationPicture");
    QCOMPARE(fixture_->session().settings.windows.stationPicture, 0);  // what closing stores
}

void StationPicture::keyboardMouseZoomAndDrops()
{
    ProjectWindow* p = start();
    QVERIFY(p);
    StationView* view = p->picture();
    const StationLayout& l = view->layout();
    view->setFocus();
    p->selectRow(1);

    // Arrows walk the boxes of a band and on into the next; up and down change band.
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(p->table().currentRow(), l.bands[0].boxes[1].row);
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(p->table().currentRow(), l.bands[0].boxes.back().row);
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(p->table().currentRow(), 21);  // the rack's head
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(p->table().currentRow(), l.bands[0].boxes.back().row);
    p->selectRow(5);
    QTest::keyClick(view, Qt::Key_Down);
    const SlotBox* below = l.boxOfRow(p->table().currentRow());
    const SlotBox* from = l.boxOfRow(5);
    QVERIFY(below && from && below != from);
    QCOMPARE(p->table().currentRow() > 21, true);
    QVERIFY(std::abs(below->x - from->x) < picture::kSlotWidth);
    QTest::keyClick(view, Qt::Key_Up);
    const SlotBox* above = l.boxOfRow(p->table().currentRow());
    QVERIFY(above && p->table().currentRow() < 21 && std::abs(above->x - below->x) < picture::kSlotWidth);
    p->selectRow(5);

    // Enter and a double click open the module's dialog.
    int opened = 0;
    auto closeDialog = [&](QWidget* dlg) {
        ++opened;
        dlg->close();
    };
    GuiFixture::whenModal(closeDialog);
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(opened, 1);
    GuiFixture::whenModal(closeDialog);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, 5));
    QCOMPARE(opened, 2);
    // An empty slot opens nothing.
    p->selectRow(6);
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(opened, 2);

    // The context menu is the table's, for the box under the pointer.
    const QPoint at = centreOf(view, 5);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &menu);
    QCOMPARE(p->table().currentRow(), 5);
    QMenu* tableMenu = fixture_->main()->contextMenu();
    QVERIFY(tableMenu->isVisible());
    // Its Properties open the module's dialog, as a double click does.
    auto* properties = tableMenu->findChild<QAction*>("mouseProperties");
    QVERIFY(properties && properties->isEnabled());
    tableMenu->close();
    GuiFixture::whenModal(closeDialog);
    properties->trigger();
    QCOMPARE(opened, 3);
    const QPoint emptyAt = centreOf(view, 6);
    QContextMenuEvent onEmpty(QContextMenuEvent::Mouse, emptyAt, view->viewport()->mapToGlobal(emptyAt));
    QApplication::sendEvent(view->viewport(), &onEmpty);
    QVERIFY(tableMenu->isVisible() && !properties->isEnabled());
    tableMenu->close();
    p->selectRow(5);

    // Delete asks as the table does; the answer empties the slot.
    view->setFocus();
    const std::size_t asked = fixture_->asker().asked.size();
    fixture_->asker().setNextAnswers({answer::Yes});
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(fixture_->asker().asked.size(), asked + 1);
    QVERIFY(p->table().rowEmpty(5));
    QVERIFY(l.boxOfRow(5)->empty);

    // Zoom: fitting at first, Ctrl with plus, minus and the wheel, Ctrl+0 fits again.
    QVERIFY(view->fitting());
    const double fit = view->zoom();
    QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(!view->fitting() && view->zoom() > fit);
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(view->zoom() < fit);
    const double before = view->zoom();
    QWheelEvent wheel(QPointF(50, 50), view->viewport()->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    QVERIFY(view->zoom() > before);
    QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
    QVERIFY(view->fitting());
    QCOMPARE(view->zoom(), fit);
    // The zoom is bounded both ways.
    for (int i = 0; i < 30; ++i) QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(view->zoom(), StationView::kMinZoom);
    for (int i = 0; i < 30; ++i) QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(view->zoom(), StationView::kMaxZoom);
    view->fitToWindow();

    StatusLine* status = fixture_->main()->statusLine();

    // Onto an empty slot of the rack: placed as a drop on its row is.
    QVERIFY2(dragOver(view, catalogEntry("QMV3.E420"), 23, true),
             qPrintable(fixture_->main()->statusLine()->currentMessage()));
    QCOMPARE(p->table().cell(23, 1), std::string("QMV3.E420"));
    QVERIFY(!view->layout().boxOfRow(23)->empty);
    QCOMPARE(view->dropRow(), 0);  // the mark goes with the drop
    QCOMPARE(fixture_->main()->action("pdiUndo")->isEnabled(), true);

    // Onto slot A: refused, the slot marked as refusing, the table's reason
    // in the status line, and nothing placed.
    const std::string slotA = p->table().cell(2, 1);
    QVERIFY(!dragOver(view, catalogEntry("QMV2.G120"), 2));
    QCOMPARE(view->dropRow(), 2);
    QVERIFY(!view->dropAccepted());
    const QString said = status->currentMessage();
    QVERIFY2(said.contains("Slot A does not take QMV2.G120"), qPrintable(said));
    QDropEvent drop(QPointF(centreOf(view, 2)), Qt::MoveAction, mime_.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    QVERIFY(!drop.isAccepted());
    QCOMPARE(p->table().cell(2, 1), slotA);

    // Leaving the picture takes the mark and the note away.
    QVERIFY(dragOver(view, catalogEntry("QMV3.E420"), 24));
    QVERIFY(view->dropAccepted());
    QDragLeaveEvent leave;
    QApplication::sendEvent(view->viewport(), &leave);
    QCOMPARE(view->dropRow(), 0);
    QVERIFY(status->currentMessage().isEmpty());

    // A project without a CPU draws nothing yet; a CPU dropped anywhere goes to row 1.
    ProjectWindow* q = fixture_->newProject("Hall3");
    QVERIFY(q && q->picture()->layout().bands.empty());
    QVERIFY(GuiFixture::drag(q->picture()->viewport(), catalogEntry("QMV2.R220"), QPoint(40, 40), true));
    QCOMPARE(q->table().cell(1, 1), std::string("QMV2.R220"));
    QCOMPARE(q->picture()->layout().bands.size(), std::size_t(1));
}

QTEST_MAIN(StationPicture)
#include "tst_stationpicture.moc"
