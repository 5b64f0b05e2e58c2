#include "core/project/OverviewPrint.h"
#include "core/base/OwnTexts.h"

#include <algorithm>

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

constexpr double kRight = 195;
// What a character of the listing's font takes at most on average (mm), so
// that a line of that many characters stays inside its room.
constexpr double kCharWidth = 2.0;

std::size_t charsOf(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

// The byte where the first `chars` characters of s end.
std::size_t byteOfChar(const std::string& s, std::size_t chars)
{
    std::size_t i = 0;
    for (; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && chars-- == 0) break;
    return i;
}

// A designation in lines of at most `chars` characters, broken at spaces
// (a word longer than a line is broken inside); nothing is left out.
std::vector<std::string> wrapped(const std::string& s, std::size_t chars)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < s.size()) {
        const std::size_t space = s.find(' ', at);
        std::string word = s.substr(at, space == std::string::npos ? std::string::npos : space - at);
        at = space == std::string::npos ? s.size() : space + 1;
        if (word.empty()) continue;
        if (!line.empty() && charsOf(line) + 1 + charsOf(word) <= chars) {
            line += " " + word;
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        while (charsOf(word) > chars) {
            const std::size_t cut = byteOfChar(word, chars);
            lines.push_back(word.substr(0, cut));
            word.erase(0, cut);
        }
        line = word;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

std::string overviewNote(const OverviewRange& r, const Texts& t)
{
    if (r.kind == OverviewRange::Free) return ownText(t, OwnText::OverviewFree);
    std::string note;
    if (r.overlaps) note = ownText(t, OwnText::OverviewOverlap);
    if (r.tooHigh) note += (note.empty() ? "" : ", ") + ownText(t, OwnText::OverviewTooHigh);
    return note;
}

std::vector<PrintPage> overviewPrintPages(const AddressOverview& ov, const Texts& t, const std::string& dateTime,
                                          double bottom)
{
    std::vector<PrintPage> pages;
    double y = 0;
    const std::string title = ownText(t, OwnText::OverviewTitle);
    auto newPage = [&] {
        pages.emplace_back();
        text(pages.back(), 165, 0, dateTime, true, kDateSize);
        text(pages.back(), kRange, 0, title, true, 12);
        y = 10;
    };
    auto heading = [&](const std::string& direction) {
        PrintPage& p = pages.back();
        text(p, kRange, y, direction, true);
        y += kPitch + 1;
        text(p, kRange, y, ownText(t, OwnText::OverviewBytes));
        text(p, kBytes, y, ownText(t, OwnText::OverviewCount));
        text(p, kStation, y, ownText(t, OwnText::OverviewStation));
        text(p, kSlot, y, ownText(t, OwnText::OverviewSlot));
        text(p, kOrder, y, ownText(t, OwnText::OverviewOrderNumber));
        text(p, kDesignation, y, ownText(t, OwnText::OverviewDesignation));
        text(p, kNote, y, ownText(t, OwnText::OverviewNote));
        rule(p, y + 5, kFrameWidth);
        y += 7;
    };
    newPage();
    auto section = [&](const std::vector<OverviewRange>& ranges, const std::string& direction) {
        if (y + 3 * kPitch + 8 > bottom) newPage();
        heading(direction);
        if (ranges.empty()) {
            text(pages.back(), kRange, y, "-");
            y += kPitch;
        }
        for (const OverviewRange& r : ranges) {
            // The designation takes the note's room where there is no note,
            // and goes on on further lines where even that is too short.
            const std::string note = overviewNote(r, t);
            const double room = (note.empty() ? kRight : kNote - 2) - kDesignation;
            const std::vector<std::string> designation =
                r.kind == OverviewRange::Module ? wrapped(r.designation, static_cast<std::size_t>(room / kCharWidth))
                                                : std::vector<std::string>{};
            const double height = kPitch * static_cast<double>(std::max<std::size_t>(1, designation.size()));
            if (y + height > bottom) {
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
                for (std::size_t i = 0; i < designation.size(); ++i)
                    if (!designation[i].empty())
                        text(p, kDesignation, y + kPitch * static_cast<double>(i), designation[i], mark);
            }
            text(p, kNote, y, note, mark);
            y += height;
        }
        y += kPitch;
    };
    section(ov.inputs, ownText(t, OwnText::OverviewInputs));
    section(ov.outputs, ownText(t, OwnText::OverviewOutputs));
    return pages;
}

}  // namespace rm
