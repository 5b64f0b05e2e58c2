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

    // The desktop program: undo and redo, the catalog search, the address overview window, the I/O list, the project
    // comparison, the symbol table, locks, recovery files and changes on disk names of the actions that can be undone
    ActInsert,  // "Insert"
    ActMove,    // "Move"
    ActCopy,    // "Copy"
    ActCut,     // "Cut"
    ActPaste,   // "Paste"
    ActDelete,  // "Delete"
    ActModule,  // "Module parameters"
    ActCpu,     // "CPU settings"
    ActInfo,    // "Project information"
    // Edit menu and toolbar; %1 is an action's name
    Undo,       // "&Undo"
    UndoNamed,  // "&Undo %1"
    Redo,       // "&Redo"
    RedoNamed,  // "&Redo %1"
    // catalog search
    SearchHint,  // "Search (Ctrl+F)"
    NoHit,       // "No module matches "%1"."
    // address overview
    Overview,             // "&Address overview"
    OverviewWindowTitle,  // "Address overview - %1" (%1: the project's title)
    Inputs,               // "Inputs"
    Outputs,              // "Outputs"
    ColBytes,             // "Bytes"
    ColCount,             // "Count"
    ColStation,           // "Station"
    ColSlot,              // "Slot"
    ColOrder,             // "Order number"
    ColDesignation,       // "Designation"
    ColNote,              // "Note"
    ProblemsFound,        // "%1 problem(s) found" (%1)
    NoProblemsFound,      // "No problems found"
    // I/O list
    ExportIoList,  // "Export &I/O list (CSV)..."
    CsvFilter,     // "CSV file (*.csv)|*.csv|"
    // comparison
    CompareWith,    // "Co&mpare with..."
    CompareTitle,   // "%1 compared with %2" (%1: this project, %2: the other file)
    ColDifference,  // "Difference"
    ColWhereThis,   // "In this project"
    ColWhereOther,  // "In the other file"
    ColField,       // "Field"
    ColThisValue,   // "This project"
    ColOtherValue,  // "Other file"
    DiffChanged,    // "changed"
    DiffMoved,      // "moved"
    DiffRemoved,    // "removed (only in this project)" (in this project, not in the other file)
    DiffAdded,      // "added (only in the other file)"
    DiffInfo,       // "project information"
    Same,           // "The projects are the same."
    ProjectFilter,  // "Project (*.qv4)|*.qv4|"
    CannotRead,     // "The file could not be read:"
    // symbol table
    ExportSymbols,  // "Export &symbol table..."
    SymbolFilter,   // "Symbol table SDF (*.sdf)|*.sdf|Symbol table ASCII (*.asc)|*.asc|Assignment list SEQ
                   // (*.seq)|*.seq|Channel list CSV (*.csv)|*.csv|" (one type per format, in the order of SymbolFormat)
    // the lock beside an open project; %1: the file, %2..%4 as named
    LockHolder,      // "%1 on %2 (process %3) since %4" (%1 user, %2 host, %3 process, %4 time)
    LockUnreadable,  // "someone (the lock file %1 cannot be read)" (%1: the lock file)
    LockQuestion,   // "%1\n\nThis project is open: %2.\n\nYes: Open read-only\nNo: Open anyway\nCancel: do not open it"
                    // (%1: the project, %2: LockHolder or LockUnreadable)
    LockTitle,      // "Project in use"
    LockStale,      // "The lock of %1 left by process %2 (%3, since %4) was stale and has been taken over." (%1: the
                    // project, %2 process, %3 user, %4 time)
    ReadOnlyMark,   // " (read-only)"
    ReadOnlySave,   // "%1\n\nThis window is read-only: save the project under another name." (%1: the project)
    ReadOnlyTitle,  // "Read-only"
    // the project file changed by someone else; %1: the file
    ChangedAsk,  // "%1\n\nThe file has changed on disk since you opened it.\n\nYes: replace it\nNo: Save As\nCancel: do
                 // not save"
    ChangedNote,   // "%1\n\nThe file has changed on disk since you opened it."
    ChangedTitle,  // "Changed on disk"
    // recovery files at start-up
    RecoverTitle,  // "Recover unsaved work"
    RecoverIntro,  // "RackMason ended without saving these projects. Nothing is deleted unless you choose Discard."
    ColProject,    // "Project"
    ColPath,       // "Path"
    ColTime,       // "Time"
    Recover,       // "&Recover"
    CompareSaved,  // "&Compare with saved file"
    Discard,       // "&Discard"
    Later,         // "&Later"
    NeverSaved,    // "(never saved)"
    RecoveryUnreadable,  // "cannot be read: %1 (%2)" (%1: the recovery file, %2: the reason)
    RecoveredMark,       // " (recovered)" (after the project's name in the compare window)
    // Extra > Options
    AutosaveEvery,   // "Recovery file every (0: off)"
    AutosaveSuffix,  // " s"
    KeepBackup,      // "Keep the previous file as .bak at a save"
    // the table's and the picture's context menu
    Properties,  // "P&roperties..."

    // The desktop program: hints and tooltips of the CPU dialog, the line after the language-change message
    // the compiler priority fields
    PriorityExample,  // "for example OB1" (placeholder)
    PriorityRule,  // "Any text of up to %1 characters, for example OB1.\nNot taken: ' and $ (they would break the text
                   // in the generated data block), tabs and line breaks, characters beyond windows-1252.\nThe generated
                   // source holds it as "COMP:<text>"; an empty field writes nothing." (%1: the most characters)
    // the number fields
    NumberRange,    // "A whole number from %1 to %2." (%1..%2)
    WrittenAs,      // "The generated source holds it as "%1"." (%1: the generated entry, e.g. "WEB:IndexDB=<value>")
    ValueWord,      // "value" ("value" in such an entry)
    PortWord,       // "port" ("port" in such an entry)
    PassedAsTyped,  // "The number goes into the source as typed, without conversion."
    WhenMemorySelected,  // "Written only while the memory selection is on."
    WhenTimings,         // "Written only with MPI mode on and the ADT & CDT timings ticked."
    WhenTimeOut,  // "Written only with MPI mode on, while the web server is on or the connection goes through a modem."
    // after " Change will take effect on next start  "; %1: the new language
    LanguageNextStart,  // "The change takes effect at the next start: %1."
    // the tooltip of "Not requested", which reads the same in every language
    NoCpuBlock,  // "No CPU data block is generated."

    // The desktop program: printing, PDF export, the problems list, the project information
    PrintMenu,       // "&Print..." (File > Print...)
    PrintPreview,    // "Print Pre&view..." (File > Print Preview...)
    ExportPdf,       // "&Export PDF..." (File > Export PDF...)
    DroppedRecords,  // "Records left out" (title: records of a file that could not be shown)
    NoDialog,        // "This row has no parameter dialog." (status bar: the row has no parameter dialog)
    MissingProject,  // "Project file not found:" (a project file named on the command line is missing)
    ProblemsTitle,   // "Problems" (the problems list)
    ProblemsMenu,    // "&Problems" (Window > Problems)
    HeaderRule,      // "Letters A-Z, a-z and [ \\ ] ^ _ `, digits after the first character;\nno umlauts, accents or
                 // spaces; at most 8 characters, stored as shown." (project information: what the header fields take)
    HeaderRefused,  // "Not taken: %1" ("Not taken: %1")
    SourceAs,       // "Write source to" (title of the file dialog for a source written elsewhere)
    SourceFilter,   // "Source file (*.awl)|*.awl|" (its file type)

    // The desktop program: the station picture and its commands
    PictureShow,       // "Station &Picture" (Windows menu and toolbar: show or hide the picture)
    PictureExport,     // "Export Pi&cture..." (File > Export picture)
    PictureSvgFilter,  // "SVG picture (*.svg)|*.svg|" (the file dialog's filter)
    PictureEmptySlot,  // "empty slot" (tooltip of an empty slot)
    PictureOverlap,    // "An address of this module is used by another module too." (tooltip)
    PictureTooHigh,    // "An address of this module is 32000 or more." (tooltip)

    // The desktop program: the hint in an empty workspace
    StartNoProject,    // "No project is open."
    StartNewProject,   // "New project" (a link)
    StartOpenProject,  // "Open a project" (a link)
    StartOrDrop,       // "or drop a project file here"
    StartExamples,     // "Examples:" (before links to the example projects)
    StartRecent,       // "Recent files:" (before links to them)

    // The desktop program: file dialogs
    IsTheProjectFile,  // "is the project file itself; choose another name" (after the file chosen)

    // The station picture's kinds of part, in the order of PartKind
    PartDigitalInput,     // "Digital input"
    PartDigitalOutput,    // "Digital output"
    PartDigitalCombined,  // "Digital input/output"
    PartAnalogInput,      // "Analog input"
    PartAnalogOutput,     // "Analog output"
    PartTemperature,      // "Temperature"
    PartCounter,          // "Counter"
    PartEncoder,          // "Encoder"
    PartPositioning,      // "Positioning"
    PartCommunication,    // "Communication and other"
    PartCpu,              // "CPU"
    PartRack,             // "Rack"

    // The desktop program: the help viewer's buttons
    HelpBack,     // "Back"
    HelpForward,  // "Forward"

    // Comparisons: the values and the labels of the dialogs' settings (the labels are
    // also the settings' English words in messages and in the settings listing)
    SettingOn,                     // "on"
    SettingOff,                    // "off"
    SettingNone,                   // "(none)" (no value: a key the dialog does not show for the module)
    SettingChannel,                // "channel %1 %2" (a per-channel setting: "channel 2 range")
    SetDesignation,                // "designation"
    SetComment,                    // "comment"
    SetMemorySelected,             // "memory selected"
    SetMemorySize,                 // "memory size"
    SetCompilerPriority,           // "compiler priority"
    SetWebServer,                  // "web server"
    SetIndexDb,                    // "index DB"
    SetRamDiskSize,                // "RAM disk size"
    SetDateFormat,                 // "date format"
    SetTimeFormat,                 // "time format"
    SetPasswordLevel,              // "password level"
    SetMpiMode,                    // "MPI mode"
    SetCommunicationThrough,       // "communication through"
    SetPortNumber,                 // "port number"
    SetBaudRate,                   // "baud rate"
    SetProtocolTimings,            // "protocol timings"
    SetProtocolTimingAdt,          // "protocol timing ADT"
    SetProtocolTimingCdt,          // "protocol timing CDT"
    SetModemType,                  // "modem type"
    SetHangUpTimeOut,              // "time out for hang up"
    SetMaxBaudRateB1,              // "function module B1 maximum baud rate"
    SetMaxBaudRateB2,              // "function module B2 maximum baud rate"
    SetPeripheryAccessDisabled,    // "periphery access disabled"
    SetDirection,                  // "direction"
    SetCustomMinimum,              // "custom minimum"
    SetCustomMaximum,              // "custom maximum"
    SetCustomResetValue,           // "custom reset value"
    SetAddressStepOf4,             // "addressing by steps of 4"
    SetValueFormat,                // "value format"
    SetFormat,                     // "format"
    SetRange,                      // "range"
    Set4to20mA,                    // "4..20 mA"
    SetAutomaticStart,             // "automatic start of measurement"
    SetOverflowAvoidance,          // "under/overflow avoidance"
    SetFilter,                     // "filter"
    SetInputFormat,                // "input format"
    SetSimaticUnipolar,            // "SIMATIC unipolar"
    SetSensor,                     // "sensor"
    SetConnection,                 // "connection"
    SetUnit,                       // "unit"
    SetGateInput,                  // "gate input"
    SetGateInputTrigger,           // "gate input trigger"
    SetInputAInverted,             // "input A inverted"
    SetInputBInverted,             // "input B inverted"
    SetGateInputInverted,          // "gate input inverted"
    SetCountingMode,               // "counting mode"
    SetOutputCco,                  // "output CCO"
    SetOutputCcoInverted,          // "output CCO inverted"
    SetEnableMTrigger,             // "EnableM trigger"
    SetEnableMInverted,            // "EnableM inverted"
    SetOutputTco,                  // "output TCO"
    SetMeasurement,                // "measurement"
    SetStartOfMeasurement,         // "start of measurement"
    SetMeasurementInputAInverted,  // "measurement input A inverted"
    SetMode,                       // "mode"
    SetFrequency,                  // "frequency"
    SetDataBitNumber,              // "data bit number"
    SetAxisEncoderType,            // "axis %1 encoder type"
    SetAxisFrequency,              // "axis %1 frequency"
    SetAxisFormat,                 // "axis %1 format"
    SetAxisDataBitNumber,          // "axis %1 data bit number"

    // The desktop program's start options (its --help, in the language it would start in)
    StartDescription,        // "RackMason: configuration of PLC I/O racks"
    StartOptionSplash,       // "Shortest time the start window stays, in milliseconds (default 2000)."
    StartOptionResources,    // "Folder with the data files (default: beside the program)."
    StartOptionAutosave,     // "Seconds between recovery files for this run (0: none; default: as set in Options)."
    StartOptionProjects,     // "Project files (.qv4) to open."
    StartSplashNotNumber,    // "--splash-ms takes a number of milliseconds"
    StartAutosaveNotNumber,  // "--autosave-seconds takes a number of seconds"

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
