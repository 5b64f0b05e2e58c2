#include "gui/project/PrintPage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <ctime>

#include "core/base/Files.h"
#include "core/base/OwnTexts.h"
#include "core/project/OverviewPrint.h"
#include "core/project/StationPrint.h"
#include "gui/app/FileDialogs.h"

namespace rm::gui {

namespace {

constexpr double kMmPerInch = 25.4;
// Paper edge kept clear even on a device that can print up to the edge, so
// the date at the top of the page does not touch it.
constexpr double kEdge = 5;
// The listing is laid out for paper at least this wide (its frame runs from
// 15 to 195 mm); on narrower paper it is scaled down to fit.
constexpr double kListingWidth = 210;
constexpr double kListingLeft = 15;

struct Placement {
    double left = 0, top = 0;            // listing origin on the page (mm)
    double scale = 1;                    // listing millimetres to page millimetres
    double bottom = print::kPageBottom;  // lowest position the listing may use, in listing mm
};

// Where the listing goes on a page of this layout: from the page's top left
// corner, moved inside the part of the paper the device can print on.
Placement placementFor(QPageLayout layout)
{
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF hw = layout.minimumMargins();
    const QRectF page = layout.fullRect();
    Placement p;
    p.scale = std::min(1.0, page.width() / kListingWidth);
    p.left = std::max(0.0, hw.left() - kListingLeft * p.scale);
    p.top = std::max(kEdge, hw.top());
    const double height = page.height() - p.top - std::max(kEdge, hw.bottom());
    p.bottom = std::min(print::kPageBottom, height / p.scale);
    return p;
}

QString errorText(const QString& path, const QString& reason)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

std::string now()
{
    return printDateTime(std::time(nullptr));
}

}  // namespace

QString printFontFamily()
{
    const QStringList families = QFontDatabase::families();
    for (const QString& name : {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")})
        if (families.contains(name, Qt::CaseInsensitive)) return name;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

void paintPage(QPainter& painter, const std::vector<PrintOp>& page)
{
    QPaintDevice* device = painter.device();
    const double sx = device->logicalDpiX() / kMmPerInch;
    const double sy = device->logicalDpiY() / kMmPerInch;
    auto at = [&](double x, double y) { return QPointF(x * sx, y * sy); };
    // Fonts stay in points on the device itself rather than in a scaled
    // coordinate system, where glyph metrics would be rounded at tiny sizes.
    const QString family = printFontFamily();

    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const PrintOp& op : page) {
        switch (op.kind) {
            case PrintOp::Text: {
                QFont font(family);
                font.setPointSizeF(op.pointSize);
                font.setBold(op.bold);
                painter.setFont(font);
                painter.setPen(Qt::black);
                // Positions give a text's top left corner.
                const QFontMetricsF metrics(font, device);
                painter.drawText(at(op.x, op.y) + QPointF(0, metrics.ascent()), QString::fromStdString(op.text));
                break;
            }
            case PrintOp::Line:
                painter.setPen(
                    QPen(Qt::black, op.lineWidth * sy, op.dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap));
                painter.drawLine(at(op.x, op.y), at(op.x2, op.y2));
                break;
            case PrintOp::Rect:
                painter.setPen(QPen(Qt::black, op.lineWidth * sy, op.dashed ? Qt::DashLine : Qt::SolidLine,
                                    Qt::SquareCap, Qt::MiterJoin));
                if (op.fill >= 0)
                    painter.setBrush(QColor((op.fill >> 16) & 0xff, (op.fill >> 8) & 0xff, op.fill & 0xff));
                painter.drawRect(QRectF(at(op.x, op.y), at(op.x2, op.y2)).normalized());
                painter.setBrush(Qt::NoBrush);
                break;
        }
    }
    painter.restore();
}

bool renderProject(QPagedPaintDevice& device, const ProjectTable& table, const Texts& texts,
                   const std::string& dateTime)
{
    QPageLayout layout = device.pageLayout();
    const Placement place = placementFor(layout);
    std::vector<PrintPage> pages = Prepare_print_pages(table, texts, dateTime, place.bottom);
    // The address overview closes the listing.
    for (PrintPage& p : overviewPrintPages(addressRanges(table), texts, dateTime, place.bottom))
        pages.push_back(std::move(p));
    // The pictures of the stations come last.
    for (PrintPage& p : stationPrintPages(layoutStations(table, mnemonicsFor(texts)), texts, dateTime, place.bottom))
        pages.push_back(std::move(p));
    // The painter starts at the corner of the paint rectangle (the page's
    // corner in full-page mode); move it to the listing's origin.
    layout.setUnits(QPageLayout::Millimeter);
    const QPointF paintCorner = layout.paintRect().topLeft();
    const QPointF shift((place.left - paintCorner.x()) * device.logicalDpiX() / kMmPerInch,
                        (place.top - paintCorner.y()) * device.logicalDpiY() / kMmPerInch);

    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.translate(shift);
        painter.scale(place.scale, place.scale);
        paintPage(painter, pages[i]);
        painter.restore();
    }
    return painter.end();
}

bool printProject(const ProjectTable& table, const Texts& texts, QWidget* parent, QString* error)
{
    if (error) error->clear();
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        if (error) *error = QString::fromStdString(ownText(texts, OwnText::NoPrinter));
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    // One listing, printed whole: no page range, selection or file output.
    // The copies are the printer's business.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (!renderProject(printer, table, texts, now())) {
        if (error)
            *error =
                QString::fromStdString(ownText(texts, OwnText::PrinterFailed, {printer.printerName().toStdString()}));
        return false;
    }
    return true;
}

void previewProject(const ProjectTable& table, const Texts& texts, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("printPreview"));
    // One time for every repaint of the preview, as one printout has.
    const std::string dateTime = now();
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { renderProject(*target, table, texts, dateTime); });
    preview.exec();
}

bool exportPdf(const ProjectTable& table, const Texts& texts, const QString& path, QString* error)
{
    const fs::path target(QFile::encodeName(path).toStdString());
    // Choosing the project file in the dialog would put the listing in its place.
    if (const QString refusal = projectFileRefusal(texts, path, table.info().ProjektPfad); !refusal.isEmpty()) {
        if (error) *error = refusal;
        return false;
    }
    // The listing is rendered in memory and written by the program's one file
    // writer, so it is replaced as every other file is: whole, flushed, with
    // the old file's permissions and through a symbolic link.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("RackMason"));
        const ProjectInfo& info = table.info();
        writer.setTitle(QString::fromStdString(info.ProjektName.empty() ? info.ProjektTitel : info.ProjektName));
        if (!renderProject(writer, table, texts, now())) {
            if (error) *error = errorText(path, QStringLiteral("the PDF could not be written"));
            return false;
        }
    }
    const WriteResult written = writeFileAtomic(target, pdf.toStdString());
    if (!written.ok()) {
        if (error) *error = errorText(path, QString::fromStdString(written.reason()));
        return false;
    }
    return true;
}

}  // namespace rm::gui
