// Texts of the program's own that the numbered text table does not hold, each
// by name in English, German and French: the facts added after a text-table
// message, the refusals of the forms, the reports of the checks and the
// printed pages. Each is shown in the language of the text table.
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

    // The catalog report
    CatalogUnknownEntries,    // "Catalog entries that name no module of %2 and insert nothing: %1 (%3)"
    CatalogCountsOutOfRange,  // "Entry counts outside 0..32767 in Katalog.ini: %1"

    // The CPU form: texts the data block source cannot take, choices
    TextForbiddenCharacter,  // ""%1" must not contain the character %2."
    TextWouldBreakBlock,     // "It would break the text in the generated data block."
    TextControlCharacter,    // ""%1" must not contain a control character (a tab or line break)."
    TextComma,               // ""%1" must not contain a comma: commas separate the passwords of the levels."
    TextUnencodable,         // ""%1" contains a character that the data block source cannot hold."
    TextTooLong,             // ""%1" is too long: at most %2 characters."
    ChoosePort,              // "Choose one of the ports %2 for "%1"."
    ChooseBaudRate,          // "Choose one of the baud rates %2 for "%1"."

    // The module forms: number fields
    FieldEmpty,           // ""%1" is empty."
    FieldNotWholeNumber,  // ""%1" is not a whole number."
    FieldOutOfRange,      // ""%1" is out of range."
    EnterWholeNumber,     // "Enter a whole number from %1 to %2."
    FieldAboveOther,      // ""%1" must not be above "%2"."

    // Why a module got another address range than asked for
    InputsAskedFor,       // "Inputs %1 were asked for."
    OutputsAskedFor,      // "Outputs %1 were asked for."
    SlotHolds,            // "Slot %1 (%2) holds %3."
    StartsAtEvenAddress,  // "This module starts at an even address."
    StartsAt256OrAbove,   // "This module starts at address 256 or above."
    RangeOffered,         // "Offered: %1."

    // The printed address overview
    OverviewFree,         // "free"
    OverviewOverlap,      // "OVERLAP"
    OverviewTooHigh,      // ">= 32000"
    OverviewTitle,        // "Address overview"
    OverviewBytes,        // "Bytes"
    OverviewCount,        // "Count"
    OverviewStation,      // "Station"
    OverviewSlot,         // "Slot"
    OverviewOrderNumber,  // "Order number"
    OverviewDesignation,  // "Designation"
    OverviewNote,         // "Note"
    OverviewInputs,       // "Inputs"
    OverviewOutputs,      // "Outputs"

    // The project check's problems
    CheckSlot,            // "slot %1"
    CheckOutputs,         // "outputs"
    CheckInputs,          // "inputs"
    CheckNotInCatalog,    // "%1: order number %2 is not in the catalog"
    CheckStartBelowZero,  // "%1: %2 %3 start below 0"
    CheckReachesLimit,    // "%1: %2 %3 reach 32000 or more"
    CheckCountTooLarge,   // "%1: %2 %3: %4 bytes do not fit a count field (at most 32767)"
    CheckOverlap,         // "%1 (%2) and %3 (%4): %5 overlap"

    // The printed station picture
    StationPictureTitle,  // "Station picture"

    // The status line
    StatusStation,        // "Station %1"
    StatusSlot,           // "Slot %1"
    StatusInputsOutputs,  // "inputs %1 · outputs %2"
    StatusSlotsUsedFree,  // "%1: slots used %2, free %3"
    NoProblems,           // "No problems"
    OneProblem,           // "1 problem"
    ProblemCount,         // "%1 problems"

    // Placing and exchanging modules
    SlotRefuses,        // "Slot %1 does not take %2."
    OtherFamily,        // "%1 belongs to another module family than the station %2."
    NotEnoughSlots,     // "%1 needs %2 numbered slots in one group of the station; from slot %3 there are not enough."
    TooManySlots,       // "With %1 the CPU would have more than its maximum of %2 numbered slots."
    RowsDoNotFit,       // "The rows of %1 would not fit below row %2."
    OrderNotInCatalog,  // "An order number of %1 is not in the catalog."
    KeptModule,         // "%1 module"
    KeptModules,        // "%1 modules"
    KeptRack,           // "%1 rack"
    KeptRacks,          // "%1 racks"
    KeptSummary,        // "Kept: %1, %2"
    KeptRemoved,        // "; removed: "
    NoPlusRowFollows,   // "no "+" row follows"
    NewLayoutNoSlot,    // "the new layout has no slot %1"

    // The temperature form: connection types, in the order of ConnectionTypes()
    ConnectionTwoWire,    // "2 wire"
    ConnectionThreeWire,  // "3 wire"
    ConnectionFourWire,   // "4 wire"
    ConnectionInternal,   // "Internal"
    ConnectionExternal,   // "External"
    ConnectionVoltage,    // "Voltage"
    ConnectionNone,       // " - "

    Count  // not a text: the number of texts above
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
