// windows-1252 at every file boundary, UTF-8 inside the program.
#pragma once

#include <string>
#include <string_view>

namespace rm {

// Every byte maps to one character; the five bytes windows-1252 leaves
// undefined map to the C1 controls of the same value, so decoding and
// encoding again gives back the same bytes.
std::string cp1252ToUtf8(std::string_view bytes);

// Characters that windows-1252 cannot hold become "?"; malformed UTF-8 too.
std::string utf8ToCp1252(std::string_view text);

// The text after a UTF-8 byte-order mark at its start; editors add one when
// they save a file as UTF-8.
inline std::string_view skipBom(std::string_view text)
{
    return text.substr(0, 3) == "\xEF\xBB\xBF" ? text.substr(3) : text;
}

// A text holding a control character: a byte below 0x20, DEL, or a C1
// control (U+0080..U+009F, also as the undefined windows-1252 bytes decode
// them). In a single-line text such a character would start a new line of
// whatever file the text is written into.
bool hasControlCharacter(std::string_view utf8);

}  // namespace rm
