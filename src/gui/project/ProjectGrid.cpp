#include "gui/project/ProjectGrid.h"

#include <QApplication>
#include <QDataStream>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "gui/project/ProjectWindow.h"

namespace rm::gui {

// ---------------------------------------------------------------- model

ProjectTableModel::ProjectTableModel(ProjectTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table)
{
}

int ProjectTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.rowCount() - 1;
}

int ProjectTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ProjectTable::kColumns;
}

QVariant ProjectTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const int row = index.row() + 1;
    if (role == Qt::DisplayRole) return QString::fromStdString(table_.cell(row, index.column()));
    if (role == Qt::TextAlignmentRole) {
        if (index.column() == 1 || index.column() == 2) return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (index.column() == 0) {
            // The same in a new and in a loaded project: right beside a CPU's extra slots.
            const int second = table_.lastRow() >= 2 ? table_.RowIs(2) : kind::None;
            const bool right = second == kind::SlotA || second == kind::SlotM;
            return int((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        return int(Qt::AlignCenter);
    }
    if (const auto it = problemRows_.find(row); it != problemRows_.end()) {
        if (role == Qt::BackgroundRole) return QColor(0xFF, 0xEB, 0xEE);
        if (role == Qt::ForegroundRole) return QColor(0xB7, 0x1C, 0x1C);
        if (role == Qt::ToolTipRole) return it->second;
    }
    return {};
}

QVariant ProjectTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(table_.cell(0, section));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter | Qt::TextWordWrap);
    return {};
}

void ProjectTableModel::refresh()
{
    beginResetModel();
    endResetModel();
}

// ---------------------------------------------------------------- grid

ProjectGrid::ProjectGrid(ProjectWindow& window, QWidget* parent) : QTableView(parent), window_(window)
{
    setObjectName("Grid1");
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    setWordWrap(false);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { emit contextMenuWanted(viewport()->mapToGlobal(p)); });
}

int ProjectGrid::tableRowAt(const QPoint& pos) const
{
    const QModelIndex idx = indexAt(pos);
    return idx.isValid() ? idx.row() + 1 : 0;
}

void ProjectGrid::mousePressEvent(QMouseEvent* e)
{
    QTableView::mousePressEvent(e);
    pressPos_ = e->pos();
    pressRow_ = tableRowAt(e->pos());
    if (pressRow_) window_.selectRow(pressRow_);
}

void ProjectGrid::mouseMoveEvent(QMouseEvent* e)
{
    if (!(e->buttons() & Qt::LeftButton) || !pressRow_ ||
        (e->pos() - pressPos_).manhattanLength() < QApplication::startDragDistance())
        return;
    ProjectTable& t = window_.table();
    const int row = pressRow_;
    pressRow_ = 0;
    if (!t.canDrag(row)) return;
    window_.session().app.CurrentModule = t.record(row);
    auto* mime = new QMimeData;
    QByteArray payload;
    QDataStream(&payload, QIODevice::WriteOnly) << quintptr(&window_) << row;
    mime->setData(kRowMime, payload);
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    // The row itself follows the cursor, held where it was grabbed.
    const QRect first = visualRect(model()->index(row - 1, 0));
    QRect band = first.united(visualRect(model()->index(row - 1, 2))).intersected(viewport()->rect());
    if (!band.isEmpty()) {
        drag->setPixmap(viewport()->grab(band));
        drag->setHotSpot(pressPos_ - band.topLeft());
    }
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    // Only the frame goes: a refusal where the row was let go stays said.
    dropRow_ = 0;
    viewport()->update();
}

void ProjectGrid::mouseDoubleClickEvent(QMouseEvent* e)
{
    const int row = tableRowAt(e->pos());
    if (row && window_.table().record(row).HasDialog) emit rowActivated(row);
}

void ProjectGrid::keyPressEvent(QKeyEvent* e)
{
    ProjectTable& t = window_.table();
    const int row = t.currentRow();
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!t.rowEmpty(row)) emit rowActivated(row);
            return;
        case Qt::Key_Delete:
        case Qt::Key_Clear:
            if (!t.rowEmpty(row)) emit deletePressed();
            return;
        case Qt::Key_Control:
            t.CtrlDown = true;
            break;
        default:
            break;
    }
    QTableView::keyPressEvent(e);
    const QModelIndex cur = currentIndex();
    if (cur.isValid() && cur.row() + 1 != row) window_.selectRow(cur.row() + 1);
}

void ProjectGrid::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Control) window_.table().CtrlDown = false;
    QTableView::keyReleaseEvent(e);
}

bool ProjectGrid::acceptDrag(QDropEvent* e)
{
    const QMimeData* m = e->mimeData();
    if (!m->hasFormat(kCatalogMime) && !m->hasFormat(kRowMime)) return false;
    const int row = tableRowAt(e->position().toPoint());
    QString refusal;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (!window_.canDrop(m, row, &refusal)) {
        refusal_ = refusal;
        setDropRow(0, refusal_);
        e->ignore();
        return false;
    }
    refusal_.clear();
    setDropRow(row, {});
    e->setDropAction(ctrl && m->hasFormat(kRowMime) ? Qt::CopyAction : Qt::MoveAction);
    e->accept();
    return true;
}

void ProjectGrid::setDropRow(int row, const QString& note)
{
    if (row != dropRow_) {
        dropRow_ = row;
        viewport()->update();
    }
    emit window_.dropNote(note);
}

void ProjectGrid::dragLeaveEvent(QDragLeaveEvent* e)
{
    // Let go over a row that refuses: the reason stays in the status line
    // until the next action. Moved away: it goes.
    const bool over = viewport()->rect().contains(viewport()->mapFromGlobal(QCursor::pos()));
    setDropRow(0, over ? refusal_ : QString());
    refusal_.clear();
    QTableView::dragLeaveEvent(e);
}

void ProjectGrid::paintEvent(QPaintEvent* e)
{
    QTableView::paintEvent(e);
    if (dropRow_ < 1) return;
    // The row that takes the drop, framed in the highlight colour.
    const QModelIndex a = model()->index(dropRow_ - 1, 0);
    const QModelIndex b = model()->index(dropRow_ - 1, model()->columnCount() - 1);
    const QRect r = visualRect(a).united(visualRect(b));
    QPainter p(viewport());
    QColor fill = palette().color(QPalette::Highlight);
    fill.setAlpha(60);
    p.fillRect(r, fill);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawRect(r.adjusted(1, 1, -1, -1));
}

void ProjectGrid::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasFormat(kCatalogMime) || e->mimeData()->hasFormat(kRowMime))
        e->acceptProposedAction();
    else
        e->ignore();
}

void ProjectGrid::dragMoveEvent(QDragMoveEvent* e)
{
    acceptDrag(e);
}

void ProjectGrid::dropEvent(QDropEvent* e)
{
    const bool accepted = acceptDrag(e);
    setDropRow(0, refusal_);
    refusal_.clear();
    if (!accepted) return;
    const int row = tableRowAt(e->position().toPoint());
    window_.dropped(e->mimeData(), row, e->modifiers() & Qt::ControlModifier);
}

}  // namespace rm::gui
