#include "core/base/SourceText.h"

#include "core/base/CodePage.h"

namespace rm {

SourceTextFault sourceTextFault(std::string_view utf8, std::size_t maxChars, bool refuseComma)
{
    if (utf8.find('\'') != std::string_view::npos) return SourceTextFault::Apostrophe;
    if (utf8.find('$') != std::string_view::npos) return SourceTextFault::Dollar;
    if (hasControlCharacter(utf8)) return SourceTextFault::Control;
    if (refuseComma && utf8.find(',') != std::string_view::npos) return SourceTextFault::Comma;
    const std::string bytes = utf8ToCp1252(utf8);
    if (cp1252ToUtf8(bytes) != utf8) return SourceTextFault::Unencodable;
    if (bytes.size() > maxChars) return SourceTextFault::TooLong;
    return SourceTextFault::None;
}

}  // namespace rm
