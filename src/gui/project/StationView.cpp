#include "gui/project/StationView.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "gui/project/ProjectWindow.h"

namespace rm::gui {

QString pictureText(const Session& session, OwnText which)
{
    return QString::fromUtf8(ownText(session.app.texts, which));
}

Mnemonics mnemonicsOf(const Session& session)
{
    return mnemonicsFor(session.app.texts);
}

bool stationPictureWanted(const Session& session)
{
    const int stored = session.settings.windows.stationPicture;
    if (stored >= 0) return stored == 1;
    // The table wants about 700 pixels, the picture about as many again.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return !screen || screen->availableGeometry().width() >= 1400;
}

namespace {

QColor qcolour(Colour c)
{
    return QColor(c.r, c.g, c.b);
}

QFont fontOf(const QFont& base, double mm, double zoom, bool bold)
{
    QFont f(base);
    // Never smaller than a screen can show as letters; elided where the box is too narrow.
    f.setPixelSize(std::clamp(static_cast<int>(std::lround(mm * zoom)), 7, 64));
    f.setBold(bold);
    return f;
}

bool takesDrag(const QMimeData* m)
{
    return m->hasFormat(kCatalogMime) || m->hasFormat(kRowMime);
}

}  // namespace

StationView::StationView(ProjectWindow& window, QWidget* parent) : QAbstractScrollArea(parent), window_(window)
{
    setObjectName("StationView");
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void StationView::refresh()
{
    layout_ = layoutStations(window_.table(), mnemonicsOf(window_.session()));
    applyFit();
    updateScrollBars();
    viewport()->update();
}

QSizeF StationView::contentMm() const
{
    using namespace picture;
    if (layout_.bands.empty()) return {};
    return {std::max(layout_.width, kLegendColumns * kLegendColumnWidth + 2 * kMargin),
            layout_.height + kLegendTop + kLegendHeight};
}

void StationView::updateScrollBars()
{
    const QSizeF mm = contentMm();
    const QSize vp = viewport()->size();
    const int w = static_cast<int>(std::ceil(mm.width() * zoom_)), h = static_cast<int>(std::ceil(mm.height() * zoom_));
    horizontalScrollBar()->setRange(0, std::max(0, w - vp.width()));
    horizontalScrollBar()->setPageStep(vp.width());
    verticalScrollBar()->setRange(0, std::max(0, h - vp.height()));
    verticalScrollBar()->setPageStep(vp.height());
}

void StationView::applyFit()
{
    if (!fit_) return;
    const QSizeF mm = contentMm();
    if (mm.isEmpty()) return;
    const double high = viewport()->height() / mm.height();
    const double z = std::min(viewport()->width() / mm.width(), high);
    // A picture too wide to be read whole fills the height instead and scrolls sideways.
    zoom_ = z >= kMinFitZoom ? std::min(z, kMaxZoom) : std::clamp(high, kMinFitZoom, kMaxFitZoom);
}

void StationView::setZoom(double pixelsPerMm)
{
    fit_ = false;
    const double z = std::clamp(pixelsPerMm, kMinZoom, kMaxZoom);
    if (z == zoom_) return;
    // The middle of the window stays where it is.
    const QPointF middle(viewport()->width() / 2.0, viewport()->height() / 2.0);
    const QPointF mm((horizontalScrollBar()->value() + middle.x()) / zoom_,
                     (verticalScrollBar()->value() + middle.y()) / zoom_);
    zoom_ = z;
    updateScrollBars();
    horizontalScrollBar()->setValue(static_cast<int>(mm.x() * zoom_ - middle.x()));
    verticalScrollBar()->setValue(static_cast<int>(mm.y() * zoom_ - middle.y()));
    viewport()->update();
}

void StationView::zoomBy(double factor)
{
    setZoom(zoom_ * factor);
}

void StationView::fitToWindow()
{
    fit_ = true;
    applyFit();
    updateScrollBars();
    if (const SlotBox* b = layout_.boxOfRow(window_.table().currentRow())) ensureVisible(*b);
    viewport()->update();
}

QRect StationView::boxRect(const SlotBox& b) const
{
    const double ox = horizontalScrollBar()->value(), oy = verticalScrollBar()->value();
    return QRectF(b.x * zoom_ - ox, b.y * zoom_ - oy, b.width * zoom_, b.height * zoom_).toRect();
}

const SlotBox* StationView::boxAtPixel(const QPoint& pos) const
{
    return layout_.boxAt((pos.x() + horizontalScrollBar()->value()) / zoom_,
                         (pos.y() + verticalScrollBar()->value()) / zoom_);
}

int StationView::dropRowAt(const QPoint& pos) const
{
    // Without a CPU there is nothing drawn yet; the CPU goes to the first row.
    if (layout_.bands.empty()) return 1;
    const SlotBox* b = boxAtPixel(pos);
    return b ? b->row : 0;
}

void StationView::showRow(int row)
{
    if (const SlotBox* b = layout_.boxOfRow(row)) ensureVisible(*b);
    viewport()->update();
}

void StationView::ensureVisible(const SlotBox& box)
{
    // The box and its label, with a little room around.
    const int margin = static_cast<int>(picture::kMargin * zoom_);
    const QRect r =
        boxRect(box).adjusted(-margin, -static_cast<int>(picture::kLabelHeight * zoom_) - margin, margin, margin);
    const QRect vp = viewport()->rect();
    auto bring = [](QScrollBar* bar, int lo, int hi, int size) {
        if (hi - lo > size || lo < 0)
            bar->setValue(bar->value() + lo);
        else if (hi > size)
            bar->setValue(bar->value() + hi - size);
    };
    bring(horizontalScrollBar(), r.left(), r.right(), vp.width());
    bring(verticalScrollBar(), r.top(), r.bottom(), vp.height());
}

void StationView::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    applyFit();
    updateScrollBars();
}

void StationView::scrollContentsBy(int, int)
{
    viewport()->update();
}

// ---------------------------------------------------------------- painting

void StationView::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double ox = horizontalScrollBar()->value(), oy = verticalScrollBar()->value();
    const QRect visible = viewport()->rect();
    for (std::size_t i = 0; i < layout_.bands.size(); ++i) {
        const StationBand& band = layout_.bands[i];
        // The connector link from the band above to this rack's head.
        if (i > 0) {
            const SlotBox& head = band.boxes.front();
            const StationBand& above = layout_.bands[i - 1];
            const double x = (head.x + head.width / 2) * zoom_ - ox;
            p.setPen(QPen(Qt::black, std::max(1.0, 0.5 * zoom_)));
            p.drawLine(QPointF(x, (above.y + above.height) * zoom_ - oy), QPointF(x, head.y * zoom_ - oy));
        }
        const QRectF bandRect(0, band.y * zoom_ - oy, band.width * zoom_, band.height * zoom_);
        if (!bandRect.intersects(visible)) continue;
        for (const SlotBox& box : band.boxes) {
            const QRect r = boxRect(box).adjusted(-4, -static_cast<int>(picture::kLabelHeight * zoom_), 4, 4);
            if (r.intersects(visible)) paintBox(p, box);
        }
    }
    if (!layout_.bands.empty()) paintLegend(p);
}

void StationView::paintBox(QPainter& p, const SlotBox& box) const
{
    const QRectF r = boxRect(box);
    const ProjectTable& table = window_.table();
    const int current = table.currentRow();
    const bool selected = current >= box.row && current < box.row + box.rows;
    const bool dropping = dropRow_ == box.row && dropRow_ > 0;
    const QColor highlight = palette().color(QPalette::Highlight);

    p.setBrush(qcolour(box.empty ? emptySlotColour() : partColour(box.kind)));
    QPen pen(box.problem() ? QColor(0xd0, 0, 0) : QColor(Qt::black), box.problem() ? std::max(2.0, 0.8 * zoom_) : 1);
    if (box.empty) {
        pen.setColor(Qt::darkGray);
        pen.setStyle(Qt::DashLine);
    }
    p.setPen(pen);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    if (dropping) {
        const QColor c = dropAccepted_ ? highlight : QColor(0xd0, 0, 0);
        QColor fill = c;
        fill.setAlpha(70);
        p.fillRect(r, fill);
        p.setPen(QPen(c, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
    }
    if (selected) {
        p.setPen(QPen(highlight, hasFocus() ? 3 : 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(-2, -2, 2, 2));
    }

    // The slot label above the box, a problem mark at its right end.
    const double pad = std::max(2.0, 0.8 * zoom_);
    const QRectF labelRect(r.left() + 1, r.top() - picture::kLabelHeight * zoom_, r.width() - 2,
                           picture::kLabelHeight * zoom_);
    const QFont labelFont = fontOf(font(), picture::kFont, zoom_, true);
    const QFontMetrics lfm(labelFont);
    if (lfm.height() <= labelRect.height() + 2) {
        p.setFont(labelFont);
        double room = labelRect.width();
        if (box.problem()) {
            p.setPen(QColor(0xd0, 0, 0));
            p.drawText(labelRect, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("!"));
            room -= lfm.horizontalAdvance(QStringLiteral("! "));
        }
        p.setPen(palette().color(QPalette::Text));
        p.drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter,
                   lfm.elidedText(QString::fromStdString(box.label), Qt::ElideRight, static_cast<int>(room)));
    }
    if (box.empty) return;

    // The lines inside the box, as many as fit, each elided to the box's width.
    p.setPen(Qt::black);
    const double width = r.width() - 2 * pad;
    double y = r.top() + pad;
    const std::pair<const std::string*, bool> lines[] = {
        {&box.order, true}, {&box.designation, false}, {&box.inputs, false}, {&box.outputs, false}};
    for (const auto& [text, bold] : lines) {
        if (text->empty()) continue;
        const QFont f = fontOf(font(), bold ? picture::kFont : picture::kSmallFont, zoom_, bold);
        const QFontMetrics fm(f);
        if (y + fm.height() > r.bottom() - pad + 1 || width < fm.averageCharWidth()) break;
        p.setFont(f);
        p.drawText(QRectF(r.left() + pad, y, width, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(QString::fromStdString(*text), Qt::ElideRight, static_cast<int>(width)));
        y += fm.height() + 0.4 * zoom_;
    }
}

void StationView::paintLegend(QPainter& p) const
{
    using namespace picture;
    const double ox = horizontalScrollBar()->value(), oy = verticalScrollBar()->value();
    const QFont f = fontOf(font(), kFont, zoom_, false);
    const QFontMetrics fm(f);
    p.setFont(f);
    for (int k = 0; k < kPartKinds; ++k) {
        const double x = (kMargin + (k % kLegendColumns) * kLegendColumnWidth) * zoom_ - ox;
        const double y = (layout_.height + kLegendTop + (k / kLegendColumns) * kLegendRow) * zoom_ - oy;
        p.setPen(Qt::black);
        p.setBrush(qcolour(partColour(static_cast<PartKind>(k))));
        p.drawRect(QRectF(x, y, 4 * zoom_, 3 * zoom_));
        const QRectF text(x + 5.5 * zoom_, y - zoom_, (kLegendColumnWidth - 6) * zoom_, 5 * zoom_);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(
            text, Qt::AlignLeft | Qt::AlignVCenter,
            fm.elidedText(QString::fromStdString(partKindName(static_cast<PartKind>(k), window_.session().app.texts)),
                          Qt::ElideRight, static_cast<int>(text.width())));
    }
}

QString StationView::toolTipOf(const SlotBox& box) const
{
    QString tip = QString::fromStdString(slotTitle(box));
    const Session& s = window_.session();
    if (box.empty) tip += ": " + pictureText(s, OwnText::PictureEmptySlot);
    if (box.overlaps) tip += "\n" + pictureText(s, OwnText::PictureOverlap);
    if (box.tooHigh) tip += "\n" + pictureText(s, OwnText::PictureTooHigh);
    return tip;
}

// ---------------------------------------------------------------- input

bool StationView::viewportEvent(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        if (const SlotBox* b = boxAtPixel(help->pos()))
            QToolTip::showText(help->globalPos(), toolTipOf(*b), viewport(), boxRect(*b));
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(e);
}

void StationView::mousePressEvent(QMouseEvent* e)
{
    setFocus(Qt::MouseFocusReason);
    if (const SlotBox* b = boxAtPixel(e->position().toPoint())) window_.selectRow(b->row);
}

void StationView::mouseDoubleClickEvent(QMouseEvent* e)
{
    // As in the table: only a row with a dialog opens one.
    const SlotBox* b = boxAtPixel(e->position().toPoint());
    if (b && !b->empty && window_.table().record(b->row).HasDialog) window_.OpenModuleDialog(b->row);
}

void StationView::wheelEvent(QWheelEvent* e)
{
    if (!(e->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(e);
        return;
    }
    const double steps = e->angleDelta().y() / 120.0;
    if (steps != 0) zoomBy(std::pow(1.25, steps));
    e->accept();
}

void StationView::keyPressEvent(QKeyEvent* e)
{
    ProjectTable& t = window_.table();
    const int row = t.currentRow();
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!t.rowEmpty(row)) window_.OpenModuleDialog(row);
            return;
        case Qt::Key_Delete:
        case Qt::Key_Clear:
            if (!t.rowEmpty(row)) window_.FktDelete();
            return;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            if (!ctrl) break;
            zoomBy(1.25);
            return;
        case Qt::Key_Minus:
            if (!ctrl) break;
            zoomBy(1 / 1.25);
            return;
        case Qt::Key_0:
            if (!ctrl) break;
            fitToWindow();
            return;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            moveSelection(e->key());
            return;
        default:
            break;
    }
    QAbstractScrollArea::keyPressEvent(e);
}

void StationView::moveSelection(int key)
{
    const auto& bands = layout_.bands;
    if (bands.empty()) return;
    const SlotBox* cur = layout_.boxOfRow(window_.table().currentRow());
    std::size_t bi = 0, xi = 0;
    for (std::size_t b = 0; b < bands.size() && cur; ++b)
        for (std::size_t i = 0; i < bands[b].boxes.size(); ++i)
            if (&bands[b].boxes[i] == cur) bi = b, xi = i;
    if (!cur) {
        window_.selectRow(bands.front().boxes.front().row);
        return;
    }
    // Left and right run on into the band before or after; up and down keep
    // to the box nearest below or above.
    const StationBand* band = &bands[bi];
    switch (key) {
        case Qt::Key_Left:
            if (xi > 0)
                --xi;
            else if (bi > 0)
                band = &bands[--bi], xi = band->boxes.size() - 1;
            break;
        case Qt::Key_Right:
            if (xi + 1 < band->boxes.size())
                ++xi;
            else if (bi + 1 < bands.size())
                band = &bands[++bi], xi = 0;
            break;
        case Qt::Key_Home:
            xi = 0;
            break;
        case Qt::Key_End:
            xi = band->boxes.size() - 1;
            break;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            if (key == Qt::Key_Up ? bi == 0 : bi + 1 == bands.size()) break;
            band = &bands[key == Qt::Key_Up ? bi - 1 : bi + 1];
            const double middle = cur->x + cur->width / 2;
            double best = 1e9;
            for (std::size_t i = 0; i < band->boxes.size(); ++i) {
                const SlotBox& b = band->boxes[i];
                const double d = std::abs(b.x + b.width / 2 - middle);
                if (d < best) best = d, xi = i;
            }
            break;
        }
        default:
            break;
    }
    window_.selectRow(band->boxes[xi].row);
}

void StationView::contextMenuEvent(QContextMenuEvent* e)
{
    QPoint global = e->globalPos();
    if (e->reason() == QContextMenuEvent::Mouse) {
        // A click's menu comes by way of the viewport, in its coordinates.
        const SlotBox* b = boxAtPixel(e->pos());
        if (!b) return;
        window_.selectRow(b->row);
    } else if (const SlotBox* b = layout_.boxOfRow(window_.table().currentRow())) {
        global = viewport()->mapToGlobal(boxRect(*b).center());
    }
    emit window_.contextMenuWanted(global);
}

// ---------------------------------------------------------------- drops

void StationView::setDropTarget(int row, bool accepted)
{
    if (row == dropRow_ && accepted == dropAccepted_) return;
    dropRow_ = row;
    dropAccepted_ = accepted;
    viewport()->update();
}

bool StationView::checkDrop(QDropEvent* e)
{
    const int row = dropRowAt(e->position().toPoint());
    QString refusal;
    const bool ok = row > 0 && window_.canDrop(e->mimeData(), row, &refusal);
    setDropTarget(row, ok);
    emit window_.dropNote(refusal);
    if (!ok) {
        e->ignore();
        return false;
    }
    const bool copy = (e->modifiers() & Qt::ControlModifier) && e->mimeData()->hasFormat(kRowMime);
    e->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
    e->accept();
    return true;
}

void StationView::dragEnterEvent(QDragEnterEvent* e)
{
    if (takesDrag(e->mimeData()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void StationView::dragMoveEvent(QDragMoveEvent* e)
{
    if (takesDrag(e->mimeData()))
        checkDrop(e);
    else
        e->ignore();
}

void StationView::dragLeaveEvent(QDragLeaveEvent*)
{
    setDropTarget(0, false);
    emit window_.dropNote({});
}

void StationView::dropEvent(QDropEvent* e)
{
    const bool ok = takesDrag(e->mimeData()) && checkDrop(e);
    const int row = dropRow_;
    setDropTarget(0, false);
    emit window_.dropNote({});
    if (ok) window_.dropped(e->mimeData(), row, e->modifiers() & Qt::ControlModifier);
}

}  // namespace rm::gui
