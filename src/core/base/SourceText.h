// What a typed text may hold to go into a STRING of the generated data
// block: the dialogs check it at OK and refuse it while typing by the same
// rule.
#pragma once

#include <cstddef>
#include <string_view>

namespace rm {

enum class SourceTextFault {
    None,
    Apostrophe,   // would end the string early
    Dollar,       // starts an escape in the string
    Control,      // a tab, line break or other control character
    Comma,        // where commas separate several values in one string
    Unencodable,  // beyond windows-1252: would reach the file as "?"
    TooLong,      // more than maxChars characters
};

// The first fault of a UTF-8 text, in the order above (an apostrophe is
// reported before a dollar sign wherever they stand).
SourceTextFault sourceTextFault(std::string_view utf8, std::size_t maxChars, bool refuseComma = false);

}  // namespace rm
