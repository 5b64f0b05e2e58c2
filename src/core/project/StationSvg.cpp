#include <algorithm>
#include <cstdio>

#include "core/project/StationLayout.h"

namespace rm {
namespace {

std::string xml(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                // Control characters are not allowed in XML 1.0.
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n')
                    out += ' ';
                else
                    out += c;
        }
    }
    return out;
}

std::string num(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

using picture::kFont;
using picture::kSmallFont;
constexpr double kCharWidth = 0.56;  // of the font size, for a sans-serif text

void text(std::string& out, double x, double y, double font, const std::string& s, double width, bool bold = false)
{
    if (s.empty()) return;
    out += "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" font-size=\"" + num(font) +
           "\" fill=\"#000000\" stroke=\"none\"" + (bold ? " font-weight=\"bold\"" : "") + ">" +
           xml(elideText(s, charsFitting(width, font))) + "</text>\n";
}

}  // namespace

std::size_t charsFitting(double width, double font)
{
    const double n = (width - 1.5) / (font * kCharWidth);
    return n < 1 ? 1 : static_cast<std::size_t>(n);
}

std::string elideText(const std::string& s, std::size_t chars)
{
    std::size_t count = 0, cut = std::string::npos;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;  // a continuation byte
        if (count == (chars > 0 ? chars - 1 : 0) && cut == std::string::npos) cut = i;
        ++count;
    }
    if (count <= chars) return s;
    return chars == 0 ? std::string{} : s.substr(0, cut) + "\xE2\x80\xA6";
}

std::string slotTitle(const SlotBox& b)
{
    std::string title = b.label;
    if (!b.empty) title += ": " + b.order + " " + b.designation;
    if (!b.inputs.empty()) title += "; " + b.inputs;
    if (!b.outputs.empty()) title += "; " + b.outputs;
    return title;
}

std::string stationSvg(const StationLayout& l, const Texts& texts)
{
    using namespace picture;
    const double legendTop = l.height + kLegendTop;
    const double width = std::max(l.width, kLegendColumns * kLegendColumnWidth + 2 * kMargin);
    const double height = legendTop + kLegendHeight;
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(width) + "mm\" height=\"" + num(height) +
           "mm\" viewBox=\"0 0 " + num(width) + " " + num(height) + "\" font-family=\"sans-serif\">\n";
    out += "<rect x=\"0\" y=\"0\" width=\"" + num(width) + "\" height=\"" + num(height) +
           "\" fill=\"#ffffff\" stroke=\"none\"/>\n";
    for (std::size_t i = 0; i < l.bands.size(); ++i) {
        const StationBand& band = l.bands[i];
        out += "<g id=\"" + band.id + "\" class=\"station\">\n";
        // The connector link from the band above to this rack's head.
        if (i > 0) {
            const SlotBox& head = band.boxes.front();
            const double x = head.x + head.width / 2;
            out += "<line class=\"connector\" x1=\"" + num(x) + "\" y1=\"" +
                   num(l.bands[i - 1].y + l.bands[i - 1].height) + "\" x2=\"" + num(x) + "\" y2=\"" + num(head.y) +
                   "\" stroke=\"#000000\" stroke-width=\"0.5\"/>\n";
        }
        for (const SlotBox& b : band.boxes) {
            const char* role = b.role == SlotBox::Head        ? "head"
                               : b.role == SlotBox::Extra     ? "extra"
                               : b.role == SlotBox::Connector ? "connector"
                                                              : "slot";
            out += std::string("<g class=\"") + (b.empty ? "empty " : "module ") + role + "\" data-row=\"" +
                   std::to_string(b.row) + "\">\n";
            out += "<title>" + xml(slotTitle(b)) + "</title>\n";
            const std::string fill = colourHex(b.empty ? emptySlotColour() : partColour(b.kind));
            out += "<rect x=\"" + num(b.x) + "\" y=\"" + num(b.y) + "\" width=\"" + num(b.width) + "\" height=\"" +
                   num(b.height) + "\" fill=\"" + fill + "\" stroke=\"" + (b.problem() ? "#d00000" : "#000000") +
                   "\" stroke-width=\"" + (b.problem() ? "0.8" : "0.3") + "\"" +
                   (b.empty ? " stroke-dasharray=\"1 1\"" : "") + "/>\n";
            text(out, b.x + 0.5, b.y - 1.5, kFont, b.label, b.width, true);
            double y = b.y + 4;
            auto line = [&](const std::string& s, double font, bool bold = false) {
                text(out, b.x + 0.8, y, font, s, b.width, bold);
                y += font + 1.2;
            };
            if (!b.empty) {
                line(b.order, kFont, true);
                line(b.designation, kSmallFont);
                line(b.inputs, kSmallFont);
                line(b.outputs, kSmallFont);
                if (b.problem()) text(out, b.x + b.width - 2.5, b.y + b.height - 1.5, kFont, "!", 3, true);
            }
            out += "</g>\n";
        }
        out += "</g>\n";
    }
    out += "<g id=\"legend\">\n";
    for (int k = 0; k < kPartKinds; ++k) {
        const double x = kMargin + (k % kLegendColumns) * kLegendColumnWidth;
        const double y = legendTop + (k / kLegendColumns) * kLegendRow;
        out += "<rect x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"4\" height=\"3\" fill=\"" +
               colourHex(partColour(static_cast<PartKind>(k))) + "\" stroke=\"#000000\" stroke-width=\"0.2\"/>\n";
        text(out, x + 5.5, y + 2.6, kFont, partKindName(static_cast<PartKind>(k), texts), 54);
    }
    out += "</g>\n</svg>\n";
    return out;
}

}  // namespace rm
