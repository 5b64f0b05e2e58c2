// The printed project listing as data: every page is a list of drawing
// operations in millimetres. The desktop program paints the list onto a
// printer, a preview or a PDF; the tests read it.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "core/base/TextTable.h"
#include "core/table/ProjectTable.h"

namespace rm {

struct PrintOp {
    enum Kind { Text, Line, Rect };
    Kind kind = Text;
    // Millimetres from the top left corner of the printable area. A text is
    // drawn with its top left corner at (x, y); a line runs from (x, y) to
    // (x2, y2); a rectangle has the corners (x, y) and (x2, y2).
    double x = 0, y = 0;
    double x2 = 0, y2 = 0;
    double lineWidth = 0;  // mm, lines and rectangles
    std::string text;
    double pointSize = 0;  // texts
    bool bold = false;
    int fill = -1;        // rectangles: filled with the colour 0xRRGGBB; -1 for none
    bool dashed = false;  // lines and rectangles
};

using PrintPage = std::vector<PrintOp>;

namespace print {
inline constexpr double kFrameWidth = 0.5;  // frame and heading rule
inline constexpr double kRuleWidth = 0.2;   // rule under each module
inline constexpr double kTextSize = 10;     // points
inline constexpr double kDateSize = 8;
// Lowest position anything may reach on an A4 page; the module table goes on
// on a new page below it.
inline constexpr double kPageBottom = 280;
// Where the table heading sits on a continuation page.
inline constexpr double kContinuedHeading = 10;
// The drawing operations every printed page is made of.
void addText(PrintPage& page, double x, double y, std::string text, double size = kTextSize, bool bold = false);
void addShape(PrintPage& page, PrintOp::Kind kind, double x, double y, double x2, double y2, double width);
}  // namespace print

// "day-month-year    hour:minute" in local time, e.g. "06-12-2026    14:05".
std::string printDateTime(std::time_t when);

// The whole listing. The header block is on the first page; when the module
// table runs below `bottom` (mm), it goes on on a new page that repeats the
// date and the table heading. A module's lines are never split.
std::vector<PrintPage> Prepare_print_pages(const ProjectTable& table, const Texts& texts, const std::string& dateTime,
                                           double bottom = print::kPageBottom);

// The first page of the listing.
PrintPage Prepare_print_form(const ProjectTable& table, const Texts& texts, const std::string& dateTime);

}  // namespace rm
