#include <tuple>

#include "core/base/OwnTexts.h"
#include "core/project/StationPrint.h"

namespace rm {
namespace {

using namespace print;
using picture::kFont;
using picture::kSmallFont;

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kRowGap = 4;  // between the rows a wide band is cut into
constexpr double kBandGap = 8;

int fillOf(Colour c)
{
    return (c.r << 16) | (c.g << 8) | c.b;
}

void text(PrintPage& page, double x, double y, const std::string& s, double font, double width, bool bold = false)
{
    if (!s.empty()) addText(page, x, y, elideText(s, charsFitting(width, font)), font * kPointsPerMm, bold);
}

// One box, its left edge at x and its top (below the label) at y.
void box(PrintPage& page, const SlotBox& b, double x, double y)
{
    PrintOp r;
    r.kind = PrintOp::Rect;
    r.x = x;
    r.y = y;
    r.x2 = x + b.width;
    r.y2 = y + b.height;
    r.lineWidth = b.problem() ? 0.8 : 0.3;
    r.fill = fillOf(b.empty ? emptySlotColour() : partColour(b.kind));
    r.dashed = b.empty;
    page.push_back(std::move(r));
    // The label above the box; a problem is marked at its right end.
    const double labelTop = y - picture::kLabelHeight + 1.5;
    text(page, x + 0.5, labelTop, b.label, kFont, b.problem() ? b.width - 3 : b.width, true);
    if (b.problem()) text(page, x + b.width - 2, labelTop, "!", kFont, 3, true);
    if (b.empty) return;
    double line = y + 1;
    for (const auto& [s, font, bold] :
         {std::tuple{&b.order, kFont, true}, std::tuple{&b.designation, kSmallFont, false},
          std::tuple{&b.inputs, kSmallFont, false}, std::tuple{&b.outputs, kSmallFont, false}}) {
        if (s->empty()) continue;
        text(page, x + 0.8, line, *s, font, b.width, bold);
        line += font + 1.2;
    }
}

}  // namespace

std::vector<PrintPage> stationPrintPages(const StationLayout& layout, const Texts& t, const std::string& dateTime,
                                         double bottom)
{
    using picture::kBoxHeight;
    using picture::kLabelHeight;
    std::vector<PrintPage> pages;
    if (layout.bands.empty()) return pages;
    const std::string title = ownText(t, OwnText::StationPictureTitle);
    double y = 0;
    auto newPage = [&] {
        pages.emplace_back();
        addText(pages.back(), 165, 0, dateTime, kDateSize, true);
        addText(pages.back(), 20, 0, title, 12, true);
        y = 10;
    };
    const double rowHeight = kLabelHeight + kBoxHeight;
    const double room = kPictureRight - kPictureLeft;
    newPage();
    // The legend first, where the reader meets the colours.
    for (int k = 0; k < kPartKinds; ++k) {
        const auto kind = static_cast<PartKind>(k);
        const double x = kPictureLeft + (k % picture::kLegendColumns) * picture::kLegendColumnWidth;
        const double top = y + (k / picture::kLegendColumns) * picture::kLegendRow;
        PrintOp swatch;
        swatch.kind = PrintOp::Rect;
        swatch.x = x;
        swatch.y = top;
        swatch.x2 = x + 4;
        swatch.y2 = top + 3;
        swatch.lineWidth = 0.2;
        swatch.fill = fillOf(partColour(kind));
        pages.back().push_back(std::move(swatch));
        text(pages.back(), x + 5.5, top, partKindName(kind, t), kFont, picture::kLegendColumnWidth - 6);
    }
    y += picture::kLegendHeight;
    for (std::size_t i = 0; i < layout.bands.size(); ++i) {
        const StationBand& band = layout.bands[i];
        if (i > 0) y += kBandGap;
        // Cut the band into rows of whole boxes, each row starting at the left edge.
        std::size_t first = 0;
        bool bandStarted = false;
        while (first < band.boxes.size()) {
            std::size_t end = first + 1;
            const double start = band.boxes[first].x;
            while (end < band.boxes.size() && band.boxes[end].x + band.boxes[end].width - start <= room) ++end;
            if (y + rowHeight > bottom) newPage();
            // The link from the band above to this rack's head, when both are on the page.
            if (i > 0 && !bandStarted && y > 10 + kBandGap) {
                const SlotBox& head = band.boxes.front();
                const double x = kPictureLeft + head.width / 2;
                addShape(pages.back(), PrintOp::Line, x, y - kBandGap, x, y + kLabelHeight, 0.5);
            }
            bandStarted = true;
            for (std::size_t k = first; k < end; ++k)
                box(pages.back(), band.boxes[k], kPictureLeft + band.boxes[k].x - start, y + kLabelHeight);
            y += rowHeight + kRowGap;
            first = end;
        }
    }
    return pages;
}

}  // namespace rm
