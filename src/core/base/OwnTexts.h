// Texts of the program's own that the text table does not hold: the facts
// added after a text-table message, in the language of the text table.
#pragma once

#include <initializer_list>
#include <string>

#include "core/base/TextTable.h"

namespace rm {

enum class OwnText {
    FileNamed,         // "File: %1"
    Reason,            // "Reason: %1"
    FileMissing,       // the reason for a file that is not there
    NotAProjectFile,   // the reason for a name without the project extension
    FileWritten,       // after Generate: "Written: %1"
    NoPrinter,         // printing with no printer installed, and the way without one
    PrinterFailed,     // "The printer %1 could not print the page."
    SourceControl,     // generation refused: a text with a control character
    SourceRange,       // generation refused: a number its type cannot hold
    InfoRow,           // "project information", where a problem has no row
    TableRow,          // "row %1"
    RangeAsked,        // "Range asked for: %1..%2" after the address limit
    AddressLimit,      // what start a range of %1 bytes may have at the most (%2)
    NoRoomBelowLimit,  // the address search found no room below the limit
    IgnoredBytes,      // a project opened without the %1 bytes after its records
    NotProjectBytes,   // the content is no project file; %1: the smallest one's size
    NotSavedYet,       // the reason no source is written for a project never saved
    IsProjectFile,     // the reason the source may not go to the project file itself
    ExistingKept,      // after text 1067 when the user declined to overwrite
    ChooseOtherFile,   // the offer after text 1067 when the source could not be written
    SaveOtherName,     // the offer after text 1080 when the project could not be saved
    RecentNotSaved,    // the list of recent files could not be written; %1: the reason
};

// The text in the language of `texts`, with %1, %2 ... filled from args.
std::string ownText(const Texts& texts, OwnText which, std::initializer_list<std::string> args = {});

// A system's reason for a failed file operation in the language of `texts`:
// the common ones of the C library (and the writer's own) translated, with
// the system's words kept after them for a search or a support call; any
// other reason as it stands. English texts give the reason unchanged.
std::string reasonInLanguage(const Texts& texts, const std::string& reason);

// A text-table message followed by the file and the reason, one per line.
std::string withFileAndReason(const Texts& texts, const std::string& message, const std::string& file,
                              const std::string& reason);

}  // namespace rm
