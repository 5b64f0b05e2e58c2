#include "gui/app/Logo.h"

#include <QPainter>
#include <QSvgRenderer>

#include "gui/app/Session.h"

namespace rm::gui {

namespace {

QString logoFile(const Session& session)
{
    return QString::fromStdString((session.resourceDir / "images" / "logo.svg").string());
}

constexpr QSize kFallbackSize(400, 160);

}  // namespace

QSize logoSize(const Session& session)
{
    QSvgRenderer svg(logoFile(session));
    if (!svg.isValid() || svg.defaultSize().isEmpty()) return kFallbackSize;
    return svg.defaultSize();
}

QPixmap logoPixmap(const Session& session, qreal devicePixelRatio)
{
    QSvgRenderer svg(logoFile(session));
    const QSize size = svg.isValid() && !svg.defaultSize().isEmpty() ? svg.defaultSize() : kFallbackSize;
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    if (svg.isValid()) {
        svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    } else {
        QFont font = painter.font();
        font.setPointSize(28);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(0x37, 0x47, 0x4F));
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, QStringLiteral("RackMason"));
    }
    return pixmap;
}

}  // namespace rm::gui
