// Painting the printed listing (pages as data, from core) onto a printer, the
// print preview, a PDF file or an image.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/base/TextTable.h"
#include "core/project/PrintLayout.h"
#include "core/table/ProjectTable.h"

class QPainter;
class QPagedPaintDevice;
class QWidget;

namespace rm::gui {

// Arial, or a font of the same metrics when it is not installed, or the
// default sans-serif font.
QString printFontFamily();

// Paints one page. Millimetres count from the painter's current origin and are
// mapped with the logical resolution of the painter's device.
void paintPage(QPainter& painter, const std::vector<PrintOp>& page);

// The whole listing onto a paged device (printer or PDF writer), each page
// placed inside the device's printable area; false when the device failed.
bool renderProject(QPagedPaintDevice& device, const ProjectTable& table, const Texts& texts,
                   const std::string& dateTime);

// The print dialog, then the listing on the chosen printer. False when the
// user cancelled (error left empty) or the printer failed (error says why).
bool printProject(const ProjectTable& table, const Texts& texts, QWidget* parent, QString* error = nullptr);

// The listing in the print preview window.
void previewProject(const ProjectTable& table, const Texts& texts, QWidget* parent);

// The listing as an A4 PDF file. The file is written whole or not at all: an
// existing file is replaced only once the new one is complete.
bool exportPdf(const ProjectTable& table, const Texts& texts, const QString& path, QString* error);

}  // namespace rm::gui
