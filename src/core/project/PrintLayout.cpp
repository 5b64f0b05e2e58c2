#include "core/project/PrintLayout.h"
#include "core/base/TextIds.h"

#include <algorithm>
#include <cstdio>

namespace rm {

namespace print {

void addText(PrintPage& page, double x, double y, std::string text, double size, bool bold)
{
    PrintOp op;
    op.kind = PrintOp::Text;
    op.x = x;
    op.y = y;
    op.text = std::move(text);
    op.pointSize = size;
    op.bold = bold;
    page.push_back(std::move(op));
}

void addShape(PrintPage& page, PrintOp::Kind kind, double x, double y, double x2, double y2, double width)
{
    PrintOp op;
    op.kind = kind;
    op.x = x;
    op.y = y;
    op.x2 = x2;
    op.y2 = y2;
    op.lineWidth = width;
    page.push_back(std::move(op));
}

}  // namespace print

namespace {

using namespace print;

// Columns of the listing (mm).
constexpr double kLeft = 20;
constexpr double kValue = 35;    // name, family, author
constexpr double kOrderNr = 70;  // CPU, extra-slot modules, extensions
constexpr double kFreeCount = 69;
constexpr double kAddrStart = 90;
constexpr double kAddrEnd = 120;
constexpr double kTypeInput = 151;  // "I" sits a little to the right of "O"
constexpr double kTypeOutput = 150;
constexpr double kTypeHeading = 150;
constexpr double kSlot = 170;
constexpr double kRuleLeft = 15;
constexpr double kRuleRight = 195;

constexpr double kCpuLine = 34;
constexpr double kLinePitch = 4;  // lines of one block
constexpr double kBlockGap = 6;   // from the last line of one block to the next block
constexpr double kModulePitch = 6;
constexpr double kRuleBelow = 5;  // rule under a module's last line

// Heading and rule of the module table at y; returns where the first module goes.
double addTableHeading(PrintPage& page, const Texts& texts, double y)
{
    addText(page, kLeft, y, texts.byEnglishId(txt::PrintModule));
    addText(page, kAddrStart, y, texts.byEnglishId(txt::PrintAddressStart));
    addText(page, kAddrEnd, y, texts.byEnglishId(txt::PrintAddressEnd));
    addText(page, kTypeHeading, y, texts.byEnglishId(txt::PrintType));
    addText(page, kSlot, y, texts.byEnglishId(txt::PrintSlot));
    addShape(page, PrintOp::Line, kRuleLeft, y + 5, kRuleRight, y + 5, kFrameWidth);
    return y + 8;
}

void addDate(PrintPage& page, const std::string& dateTime)
{
    addText(page, 165, 0, dateTime, kDateSize, true);
}

// Order numbers of a block ("Function Module :", "Extension :"): the heading
// on the first line, one order number per line. Returns the last line's position.
double addOrderBlock(PrintPage& page, const std::string& heading, const std::vector<std::string>& orders, double y)
{
    addText(page, kLeft, y, heading);
    for (std::size_t i = 0; i < orders.size(); ++i) {
        if (i > 0) y += kLinePitch;
        addText(page, kOrderNr, y, orders[i]);
    }
    return y;
}

}  // namespace

std::string printDateTime(std::time_t when)
{
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &when);
#else
    localtime_r(&when, &t);
#endif
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d    %02d:%02d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900, t.tm_hour,
                  t.tm_min);
    return buf;
}

std::vector<PrintPage> Prepare_print_pages(const ProjectTable& table, const Texts& texts, const std::string& dateTime,
                                           double bottom)
{
    std::vector<PrintPage> pages(1);
    PrintPage* page = &pages.back();
    const ProjectInfo& info = table.info();
    // Rows that exist in the table; the records behind them are the truth.
    const int last = std::min(table.lastRow(), static_cast<int>(ProjectTable::kMaxRow));

    // ---- header block
    addDate(*page, dateTime);
    addShape(*page, PrintOp::Rect, 15, 6, 195, 30, kFrameWidth);
    addText(*page, kLeft, 8, texts.byEnglishId(txt::PrintProject), 10, true);
    addText(*page, kLeft, 15, texts.byEnglishId(txt::PrintName));
    addText(*page, kValue, 15, info.ProjektName);
    addText(*page, kLeft, 20, texts.byEnglishId(txt::PrintFamily));
    addText(*page, kValue, 20, info.Familie);
    addText(*page, kLeft, 25, texts.byEnglishId(txt::PrintAuthor));
    addText(*page, kValue, 25, info.Autor);
    addText(*page, kLeft, kCpuLine, texts.byEnglishId(txt::PrintCpu));
    addText(*page, kOrderNr, kCpuLine, last >= 1 ? table.record(1).BestellNr : std::string());

    std::vector<std::string> extras, extensions;
    for (int r = 1; r <= last; ++r) {
        const RowEintrag& rec = table.record(r);
        const int k = table.RowIs(r);
        if ((k == kind::SlotA || k == kind::SlotB) && !rec.BestellNr.empty()) extras.push_back(rec.BestellNr);
        if (rec.IsExtension != 0 && !rec.BestellNr.empty()) extensions.push_back(rec.BestellNr);
    }
    // A block that has nothing to list is left out, heading included; the
    // next one moves up in its place.
    double lastLine = kCpuLine;
    if (!extras.empty())
        lastLine = addOrderBlock(*page, texts.byEnglishId(txt::FunctionModuleLabel), extras, lastLine + kBlockGap);
    if (!extensions.empty())
        lastLine = addOrderBlock(*page, texts.byEnglishId(txt::PrintExtension), extensions, lastLine + kBlockGap);
    const double b = lastLine + kLinePitch;  // under the last line

    // ---- free slots: numbered slots after the CPU block without a module
    const int firstSlotRow = std::max(1, last >= 1 ? table.record(1).CpuRowsEnd + 1 : 1);
    int free = 0;
    for (int r = firstSlotRow; r <= last; ++r)
        if (table.RowIs(r) == kind::Slot && table.record(r).BestellNr.empty()) ++free;
    addText(*page, kLeft, b + 4, texts.byEnglishId(txt::PrintFreeSlots));
    addText(*page, kFreeCount, b + 4, std::to_string(free));

    // ---- module table: numbered slots holding a module with an identification
    std::vector<int> modules;
    for (int r = firstSlotRow; r <= last; ++r)
        if (table.RowIs(r) == kind::Slot && table.record(r).identWord() != 0) modules.push_back(r);
    // Room a module takes down to the bottom of its rule.
    auto heightOf = [&](int r) {
        const RowEintrag& rec = table.record(r);
        return (rec.InCnt != 0 && rec.OutCnt != 0 ? kLinePitch : 0) + kRuleBelow + kRuleWidth / 2;
    };

    double y = 0;
    int onPage = 0;  // modules on the current page
    auto newPage = [&] {
        pages.emplace_back();
        page = &pages.back();
        addDate(*page, dateTime);
        y = addTableHeading(*page, texts, kContinuedHeading);
        onPage = 0;
    };
    // The heading stays with the first module.
    const double first = modules.empty() ? kRuleBelow : heightOf(modules.front());
    if (b + 22 + first > bottom)
        newPage();
    else
        y = addTableHeading(*page, texts, b + 14);

    for (int r : modules) {
        const RowEintrag& rec = table.record(r);
        const bool in = rec.InCnt != 0, out = rec.OutCnt != 0;
        // A module is never split; one that does not fit an empty page goes on it anyway.
        if (onPage > 0 && y + heightOf(r) > bottom) newPage();

        const std::string& slot = table.cell(r, 0);
        addText(*page, kLeft, y, rec.BestellNr);
        if (in) {
            addText(*page, kAddrStart, y, std::to_string(rec.InBase));
            addText(*page, kAddrEnd, y, std::to_string(static_cast<long>(rec.InBase) + rec.InCnt - 1));
            addText(*page, kTypeInput, y, "I");
            addText(*page, kSlot, y, slot);
        }
        if (out) {
            if (in) y += kLinePitch;
            addText(*page, kAddrStart, y, std::to_string(rec.OutBase));
            addText(*page, kAddrEnd, y, std::to_string(static_cast<long>(rec.OutBase) + rec.OutCnt - 1));
            addText(*page, kTypeOutput, y, "O");
            addText(*page, kSlot, y, slot);
        }
        addShape(*page, PrintOp::Line, kRuleLeft, y + kRuleBelow, kRuleRight, y + kRuleBelow, kRuleWidth);
        y += kModulePitch;
        ++onPage;
    }
    return pages;
}

PrintPage Prepare_print_form(const ProjectTable& table, const Texts& texts, const std::string& dateTime)
{
    return Prepare_print_pages(table, texts, dateTime).front();
}

}  // namespace rm
