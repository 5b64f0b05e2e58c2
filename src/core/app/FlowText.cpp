#include "core/base/FlowText.h"

#include <cctype>
#include <vector>

namespace rm {

namespace {
bool startsListItem(const std::string& line)
{
    if (line.empty()) return false;
    const unsigned char c = static_cast<unsigned char>(line[0]);
    if ((c == '-' || c == '*') && line.size() > 1 && line[1] == ' ') return true;
    if (line.compare(0, 3, "\xE2\x80\xA2") == 0) return true;  // a bullet
    // "1.", "12)", "a)" followed by a blank
    std::size_t i = 0;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
    if (i == 0 && std::isalpha(c) && line.size() > 1 && line[1] == ')') i = 1;
    return i > 0 && i + 1 < line.size() && (line[i] == '.' || line[i] == ')') && line[i + 1] == ' ';
}

std::string trimmed(const std::string& s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return s.substr(a, b - a);
}
}  // namespace

std::string flowParagraphs(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (char ch : text) {
        if (ch == '\n') {
            lines.push_back(trimmed(line));
            line.clear();
        } else if (ch != '\r') {
            line += ch;
        }
    }
    lines.push_back(trimmed(line));

    std::string out;
    bool inParagraph = false;
    for (const std::string& l : lines) {
        if (l.empty()) {
            if (inParagraph) out += "\n\n";
            inParagraph = false;
            continue;
        }
        if (inParagraph) out += startsListItem(l) ? "\n" : " ";
        out += l;
        inParagraph = true;
    }
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

}  // namespace rm
