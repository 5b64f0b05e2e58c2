// Descriptions read as paragraphs: the line breaks of a description file
// were set for a narrow box; a window of any width wraps them itself.
#pragma once

#include <string>

namespace rm {

// Joins the lines of `text` into paragraphs, one per output line. An empty
// line, or a line that starts a list item ("-", "*", "1.", "a)"), begins a
// new paragraph; an empty line is kept as a blank line between paragraphs.
std::string flowParagraphs(const std::string& text);

}  // namespace rm
