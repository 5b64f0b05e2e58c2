#include "core/project/OverviewPrint.h"

namespace rm {
namespace {

using namespace print;

// Columns (mm).
constexpr double kRange = 20;
constexpr double kBytes = 48;
constexpr double kStation = 62;
constexpr double kSlot = 78;
constexpr double kOrder = 92;
constexpr double kDesignation = 124;
constexpr double kNote = 166;
constexpr double kPitch = 4.5;

void text(PrintPage& page, double x, double y, std::string s, bool bold = false, double size = kTextSize)
{
    addText(page, x, y, std::move(s), size, bold);
}

void rule(PrintPage& page, double y, double width)
{
    addShape(page, PrintOp::Line, 15, y, 195, y, width);
}

// Designations are cut to what fits their column.
std::string fitted(const std::string& s, std::size_t chars)
{
    if (s.size() <= chars) return s;
    std::size_t cut = chars;
    while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
    return s.substr(0, cut) + "...";
}

}  // namespace

std::string overviewNote(const OverviewRange& r, const Texts& t)
{
    if (r.kind == OverviewRange::Free) return byLanguage(t, "free", "frei", "libre");
    std::string note;
    if (r.overlaps) note = byLanguage(t, "OVERLAP", "ÜBERSCHNEIDUNG", "CHEVAUCHEMENT");
    if (r.tooHigh) note += (note.empty() ? "" : ", ") + std::string(byLanguage(t, ">= 32000", ">= 32000", ">= 32000"));
    return note;
}

std::vector<PrintPage> overviewPrintPages(const AddressOverview& ov, const Texts& t, const std::string& dateTime,
                                          double bottom)
{
    std::vector<PrintPage> pages;
    double y = 0;
    const char* title = byLanguage(t, "Address overview", "Adressübersicht", "Vue d'ensemble des adresses");
    auto newPage = [&] {
        pages.emplace_back();
        text(pages.back(), 165, 0, dateTime, true, kDateSize);
        text(pages.back(), kRange, 0, title, true, 12);
        y = 10;
    };
    auto heading = [&](const char* direction) {
        PrintPage& p = pages.back();
        text(p, kRange, y, direction, true);
        y += kPitch + 1;
        text(p, kRange, y, byLanguage(t, "Bytes", "Bytes", "Octets"));
        text(p, kBytes, y, byLanguage(t, "Count", "Anzahl", "Nombre"));
        text(p, kStation, y, byLanguage(t, "Station", "Station", "Station"));
        text(p, kSlot, y, byLanguage(t, "Slot", "Steckpl.", "Empl."));
        text(p, kOrder, y, byLanguage(t, "Order number", "Bestellnummer", "Référence"));
        text(p, kDesignation, y, byLanguage(t, "Designation", "Bezeichnung", "Désignation"));
        text(p, kNote, y, byLanguage(t, "Note", "Hinweis", "Remarque"));
        rule(p, y + 5, kFrameWidth);
        y += 7;
    };
    newPage();
    auto section = [&](const std::vector<OverviewRange>& ranges, const char* direction) {
        if (y + 3 * kPitch + 8 > bottom) newPage();
        heading(direction);
        if (ranges.empty()) {
            text(pages.back(), kRange, y, "-");
            y += kPitch;
        }
        for (const OverviewRange& r : ranges) {
            if (y + kPitch > bottom) {
                newPage();
                heading(direction);
            }
            PrintPage& p = pages.back();
            const bool mark = r.overlaps || r.tooHigh;
            text(p, kRange, y, std::to_string(r.first) + ".." + std::to_string(r.last), mark);
            text(p, kBytes, y, std::to_string(r.last - r.first + 1), mark);
            if (r.kind == OverviewRange::Module) {
                text(p, kStation, y, std::to_string(r.station), mark);
                text(p, kSlot, y, r.slot, mark);
                text(p, kOrder, y, r.order, mark);
                text(p, kDesignation, y, fitted(r.designation, 22), mark);
            }
            text(p, kNote, y, overviewNote(r, t), mark);
            y += kPitch;
        }
        y += kPitch;
    };
    section(ov.inputs, byLanguage(t, "Inputs", "Eingänge", "Entrées"));
    section(ov.outputs, byLanguage(t, "Outputs", "Ausgänge", "Sorties"));
    return pages;
}

}  // namespace rm
