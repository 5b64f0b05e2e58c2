// The station picture of a project window: the boxes the core lays out,
// drawn at a zoom, with selection, the keyboard, drops from the catalog and
// the table's context menu. Every rule stays with the project window and the
// table; the view only maps pixels to boxes and boxes to rows.
#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include "core/base/OwnTexts.h"
#include "core/project/StationLayout.h"
#include "gui/app/Session.h"

namespace rm::gui {

class ProjectWindow;

// A text of the picture and its commands (OwnText::Picture...).
QString pictureText(const Session& session, OwnText which);

// The I/O letters the user reads: E and A in German, I and Q otherwise.
Mnemonics mnemonicsOf(const Session& session);

// Whether project windows show the picture: as stored, else when the screen
// has room for the table and the picture side by side.
bool stationPictureWanted(const Session& session);

class StationView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit StationView(ProjectWindow& window, QWidget* parent = nullptr);

    // After a change of the table: a new layout, the current row marked.
    void refresh();
    // Marks the box of a table row and scrolls it into view.
    void showRow(int row);

    const StationLayout& layout() const { return layout_; }
    // Pixels per millimetre.
    double zoom() const { return zoom_; }
    bool fitting() const { return fit_; }
    void zoomBy(double factor);
    void setZoom(double pixelsPerMm);
    void fitToWindow();

    // Where a box is drawn, in viewport pixels.
    QRect boxRect(const SlotBox& box) const;
    // The box under a viewport point, or nullptr.
    const SlotBox* boxAtPixel(const QPoint& pos) const;
    // The row a drop goes to: the first row of the box under the point; row 1
    // in a project without a CPU; 0 when nothing is under the point.
    int dropRowAt(const QPoint& pos) const;
    // While dragging: the row under the pointer and whether it takes the drop.
    int dropRow() const { return dropRow_; }
    bool dropAccepted() const { return dropAccepted_; }

    static constexpr double kMinZoom = 0.5, kMaxZoom = 12;
    // Fitting never goes below kMinFitZoom, so that the small texts stay
    // readable; a picture that does not fit whole fills the window's height,
    // up to kMaxFitZoom, and scrolls sideways.
    static constexpr double kMinFitZoom = 2.5, kMaxFitZoom = 4;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    QSizeF contentMm() const;  // the bands and the legend
    void updateScrollBars();
    void applyFit();
    void ensureVisible(const SlotBox& box);
    bool checkDrop(QDropEvent* e);
    void setDropTarget(int row, bool accepted);
    void moveSelection(int key);
    void paintBox(QPainter& p, const SlotBox& box) const;
    void paintLegend(QPainter& p) const;
    QString toolTipOf(const SlotBox& box) const;

    ProjectWindow& window_;
    StationLayout layout_;
    double zoom_ = kMinFitZoom;
    bool fit_ = true;
    int dropRow_ = 0;
    bool dropAccepted_ = false;
};

}  // namespace rm::gui
