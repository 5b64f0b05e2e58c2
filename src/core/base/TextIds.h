// Names of the text table's ids, from their meaning. The value is the id of
// the English text; the German and French texts have the same offset in
// their blocks. The blank texts that nothing shows are left unnamed.
#pragma once

namespace rm::txt {

enum Id : int {
    MenuFile = 1000,                   // "&File"
    FileNew = 1001,                    // "New"
    FileOpen = 1002,                   // "Open"
    FileSaveAs = 1003,                 // "Save As ..."
    FileSave = 1004,                   // "Save"
    FileClose = 1005,                  // "Close"
    FilePrint = 1006,                  // "Print "
    ContextCut = 1010,                 // "Cut "
    ContextCopy = 1011,                // "Copy "
    ContextPaste = 1012,               // "Paste "
    ContextDelete = 1013,              // "Delete "
    FileQuit = 1017,                   // "Quit"
    MenuEdit = 1019,                   // "Edit"
    EditCut = 1020,                    // "Cut"
    EditCopy = 1021,                   // "Copy"
    EditPaste = 1022,                  // "Paste"
    EditDelete = 1023,                 // "Delete"
    EditGenerateSource = 1024,         // "Generate Source ..."
    MenuWindows = 1030,                // "Windows"
    WindowsCascade = 1031,             // "Cascade"
    WindowsTileHorizontally = 1032,    // "Tile Horizontally"
    WindowsTileVertically = 1033,      // "Tile Vertically"
    WindowsMinimizeAll = 1035,         // "Minimize all windows"
    WindowsCloseAll = 1036,            // "Close all windows"
    WindowsProjectInformation = 1037,  // "Project information"
    WindowsCatalog = 1038,             // "Catalog Hardware"
    MenuHelp = 1040,                   // "Help"
    HelpAbout = 1041,                  // "About"
    HelpContents = 1042,               // "Contents"
    MenuExtra = 1046,                  // "Extra"
    ExtraOptions = 1047,               // "Options"
    OptionsFont = 1050,                // "Font"
    OptionsFontStyle = 1051,           // "Fonts style"
    OptionsFontSize = 1052,            // "Size"
    OptionsSelectFont = 1053,          // "Select..."
    OptionsDeleteModule = 1054,        // "Delete Module"
    OptionsColumnWidths = 1055,        // "Columns width"
    OptionsSaveWithProject = 1056,     // "Save this setting with the project"
    OptionsStandardSetting = 1057,     // "Get back the standard setting"
    OptionsForNewProjects = 1058,      // "Use this setting for new project"
    OptionsConfirmDelete = 1059,       // "Confirmation when deleting a Module "
    OptionsLanguage = 1060,            // "Language"
    LanguageEnglish = 1061,            // "English"
    LanguageGerman = 1062,             // "Deutsch"
    LanguageFrench = 1063,             // "Français"
    SourceGenerated = 1066,            // "Source file (.AWL) have been Generated !"
    SourceNotGenerated = 1067,         // "Couldn't Generate source file !"
    FileExistsOverwrite = 1068,        // " The file already exist ! Do you want to overwrite it ?"
    ExistingDataTitle = 1069,          // " Existing Data"
    ProjectTitleSuffix = 1070,         // " "
    PropertiesTitle = 1071,            // "Properties -  "
    TableColumnHeaders = 1072,         // "|Ordering Number|Brief description|Base Input Address|Base Output A..."
    ProjectInformationTitle = 1073,    // "Project information"
    OpenProjectTitle = 1074,           // "Open project"
    SaveProjectTitle = 1075,           // "Save actual project"
    InvalidAddressRange = 1076,        // "Invalid address range"
    ProjectFileFilter = 1077,          // "RackMason Project Data (*.qv4)|*.qv4|"
    ErrorTitle = 1078,                 // "Error !"
    NotLoaded = 1079,                  // "Data could not be load. "
    NotSaved = 1080,                   // "Data could not be save"
    SystemFileMissing = 1081,          // "System file missing:NURA_x.TXT or KATALOG.INI"
    InitialisationNotLoaded = 1082,    // "Loading error of the initilisation data !"
    ExchangeCpu = 1083,                // "Do you want to exchange the CPU ?"
    DeleteCpuOrRack = 1084,            // "Deleting CPU or Extension could result on lost of modules. Continue ? "
    OverwriteModule = 1085,            // "Do you want to overwrite the actual module ?"
    DeleteRow = 1086,                  // "Do you want to delete the selected Row ?"
    SaveChanges = 1087,                // "Do you like to save the changes ?"
    ModuleNotForThisRow = 1088,        // "Thisw module can't be inserted in this Row !"
    SameModule = 1089,                 // "Same module !"
    CutCpuRow = 1090,                  // "Cut the CPU Row will result in lost of all the modules! Don't you w..."
    CutRack = 1091,                    // "Cut the Extension will result in lost of all the modules! Don't you..."
    GiveNextFreeAddress = 1092,        // "Do you want to give the next free address ? "
    NextFreeAddress = 1093,            // "Next free address:"
    NoName = 1094,                     // "NoName"
    MissingProjectName = 1095,         // "Missing project Name"
    NeverSaved = 1096,                 // "This project has never been saved. Do you want to save it ?"
    InvalidDataTitle = 1097,           // "Invalid Data"
    NotAProjectExtension = 1098,       // "This file has not a valid extension *.qv4"
    ProjectNameLabel = 1099,           // "Project name:  "
    AnalogInputTitle = 1100,           // "Analog input"
    TabGeneral = 1101,                 // "General"
    TabAddresses = 1102,               // "Addresses"
    TabMeasurementType = 1103,         // "Measurment type"
    ModuleFrame = 1104,                // "Module"
    ShortNameLabel = 1105,             // "Short Name:"
    OrderNumberLabel = 1106,           // "Order No.:"
    CommentLabel = 1107,               // "Comment:"
    DescriptionLabel = 1108,           // "Description:"
    LocationFrame = 1109,              // "Location"
    StationLabel = 1110,               // "Station : "
    SlotLabel = 1111,                  // "Slot No.: "
    Input = 1112,                      // "Input "
    Output = 1113,                     // "Output "
    StartLabel = 1114,                 // "Start:"
    EndLabel = 1115,                   // "End:"
    ValueFormatLabel = 1116,           // "Value Format: "
    OutputChannelPrefix = 1117,        // "Output "
    ChannelsInStepsOf4 = 1118,         // "Addressing channel by step of 4"
    CancelButton = 1120,               // "Cancel"
    HelpButton = 1121,                 // "Help"
    Measurement = 1122,                // "Measurement"
    Inverted = 1123,                   // "Inverted"
    CountingMode = 1124,               // "Counting mode"
    EnableC = 1125,                    // "EnableC"
    EnableM = 1126,                    // "EnableM"
    LevelTriggered = 1127,             // "Level Triggered"
    EdgeTriggered = 1128,              // "Edge Trigerred"
    StartOfMeasurement = 1129,         // "Start of Measurement:"
    Period = 1130,                     // "Periode"
    PulseMeasurement = 1131,           // "Impulse"
    Frequency = 1132,                  // "Frequency"
    Automatic = 1133,                  // "Automatic"
    Manual = 1134,                     // "Manual"
    InputAInverted = 1135,             // "Input A inverted"
    OutputPulse = 1136,                // "Impulse"
    OutputStatic = 1137,               // "Static"
    ResetC = 1138,                     // "ResetC"
    TabExtra = 1140,                   // "Extra"
    Mode = 1141,                       // "Mode"
    ModeNormal = 1142,                 // "Normal"
    ModeRingCheck = 1143,              // "Ring Check"
    Format = 1144,                     // "Format"
    FormatBinary = 1145,               // "Binary"
    FormatGraycode = 1146,             // "Graycode"
    EncoderFrequency = 1147,           // "Frenquency"
    DataBitCount = 1148,               // "Databit number"
    TabDbCompile = 1150,               // "DB-Compile"
    TabIoConfig = 1151,                // "I/O Config."
    ItIsAnOutput = 1152,               // "it's an Output"
    ItIsAnInput = 1153,                // "it's an Input"
    CdbDataBlock = 1154,               // "CDB Data Block"
    HardwareDataBlock = 1155,          // "Hardware Data Block"
    InfoNameLabel = 1160,              // "Name (Header):"
    InfoFamilyLabel = 1161,            // "Family:"
    InfoAuthorLabel = 1162,            // "Author:"
    InfoDescriptionLabel = 1163,       // "Project Description:"
    InfoNoteLabel = 1164,              // "Note:"
    PrintProject = 1170,               // "Project"
    PrintName = 1171,                  // "Name "
    PrintFamily = 1172,                // "Family "
    PrintAuthor = 1173,                // "Author "
    PrintCpu = 1174,                   // "CPU   : "
    PrintExtension = 1175,             // "Extension :"
    PrintYes = 1176,                   // "YES      "
    PrintFreeSlots = 1177,             // "Free Slots :"
    PrintModule = 1178,                // "Module"
    PrintAddressStart = 1179,          // "Addr. Start"
    PrintAddressEnd = 1180,            // "Addr. End"
    PrintType = 1181,                  // "Type"
    PrintSlot = 1182,                  // "Slot"
    InputChannel = 1183,               // "Input Channel"
    CompilerPriority = 1184,           // "Compiler Priority "
    MemoryAndCompilerPriority = 1185,  // " Memory & Compiler Priority"
    Memory64K = 1186,                  // " 64 K"
    Memory128K = 1187,                 // "128 K"
    Memory192K = 1188,                 // "192 K"
    Memory256K = 1189,                 // "256 K"
    Memory320K = 1190,                 // "320 K"
    Memory384K = 1191,                 // "384 K"
    Memory448K = 1192,                 // "448 K"
    Memory512K = 1193,                 // "512 K"
    MemoryFrame = 1194,                // "Memory"
    FunctionModuleLabel = 1195,        // "Function Module :"
    EncoderType = 1200,                // "Encoder Type"
    IncrementalEncoder = 1201,         // "Incremental Encoder"
    SsiEncoder = 1202,                 // "SSI Encoder"
    AxisX = 1203,                      // "Axe X"
    AxisY = 1204,                      // "Axe Y"
    TabMemoryCompiler = 1205,          // "Memory-Compiler"
    WebServer = 1210,                  // "WEB-Server"
    IndexDb = 1211,                    // "Index DB"
    RamDiskSize = 1212,                // "RAM Disk Size"
    DateFormat = 1213,                 // "Date Format"
    TimeFormat = 1214,                 // "Time Format"
    Password = 1215,                   // "Password"
    PasswordLevel = 1216,              // "Level "
    CommunicationThrough = 1220,       // "Communication through "
    Rs232 = 1221,                      // "RS-232"
    Modem = 1222,                      // "Modem"
    MpiMode = 1223,                    // " MPI mode "
    ProtocolTimingAdt = 1224,          // "Protocol timing ADT"
    ProtocolTimingCdt = 1225,          // "Protocol timing CDT"
    ModemType = 1226,                  // "Modem type"
    HangUpTimeOut = 1227,              // "Time out for hang up"
    PortNumber = 1228,                 // "Port number"
    BaudRate = 1229,                   // "Baud Rate"
    SerialPort = 1230,                 // "Serial Port"
    FunctionModuleB1 = 1231,           // "Function Module B1"
    FunctionModuleB2 = 1232,           // "Function Module B2"
    MaximumBaudRate = 1233,            // "Maximum Baud Rate"
    HangUpAndPasswordReset = 1234,     // "Time out for hang up && password level reset"
    StartUp = 1240,                    // "Start-up"
    Ob100 = 1241,                      // "OB 100"
    DisablePeripheryAccess = 1242,     // "Disable Periphery access"
    MpiNeededTitle = 1250,             // "MPI needed"
    MpiConfigurationNeeded = 1251,     // "MPI configuration is needed"
    EnableMpiFirst = 1252,             // "Enable the MPI configuration first  "
    WebServerNeedsMpiTitle = 1253,     // "WEB-Server needs MPI"
    MpiNeededForWebServer = 1254,      // "MPI is needed for the WEB-Server."
    AlsoDisablesWebServer = 1255,      // "This action will also disable the WEB-Server.  "
    DoYouWantToProceed = 1256,         // "Do you want to proceed ?"
    InputRange = 1260,                 // "Input range"
    ConnectionType = 1261,             // "Connection type"
    MeasurementUnit = 1262,            // "Measurement unit"
    NotUsed = 1263,                    // "Not use"
    OutputRange = 1264,                // "Output Range"
    ResetValue = 1265,                 // "Reset Value"
    ExternalCompensationNeedsChannel0 =
        1300,                             // "When using a Thermocouple with External compensation, channel 0 nee..."
    ExternalCompensationRequired = 1301,  // "Error, External compensation required"
    ModuleProperty = 1310,                // "Module property"
    ChannelProperty = 1311,               // "Channel property"
    ActivateFilter = 1312,                // "activate filter"
    UnderOverflowAvoidance = 1313,        // "Under/Overflow avoidance"
    AutomaticMeasurementStart = 1314,     // "automatic start of measurment"
    CustomFormat = 1315,                  // "Custom Format"
    MinValue = 1316,                      // "min value"
    MaxValue = 1317,                      // "max value"
    OutputChannel = 1318,                 // "Output Channel "
};

// Every name above, for the checks that each names a text of all three blocks.
inline constexpr Id kNamed[] = {
    MenuFile,
    FileNew,
    FileOpen,
    FileSaveAs,
    FileSave,
    FileClose,
    FilePrint,
    ContextCut,
    ContextCopy,
    ContextPaste,
    ContextDelete,
    FileQuit,
    MenuEdit,
    EditCut,
    EditCopy,
    EditPaste,
    EditDelete,
    EditGenerateSource,
    MenuWindows,
    WindowsCascade,
    WindowsTileHorizontally,
    WindowsTileVertically,
    WindowsMinimizeAll,
    WindowsCloseAll,
    WindowsProjectInformation,
    WindowsCatalog,
    MenuHelp,
    HelpAbout,
    HelpContents,
    MenuExtra,
    ExtraOptions,
    OptionsFont,
    OptionsFontStyle,
    OptionsFontSize,
    OptionsSelectFont,
    OptionsDeleteModule,
    OptionsColumnWidths,
    OptionsSaveWithProject,
    OptionsStandardSetting,
    OptionsForNewProjects,
    OptionsConfirmDelete,
    OptionsLanguage,
    LanguageEnglish,
    LanguageGerman,
    LanguageFrench,
    SourceGenerated,
    SourceNotGenerated,
    FileExistsOverwrite,
    ExistingDataTitle,
    ProjectTitleSuffix,
    PropertiesTitle,
    TableColumnHeaders,
    ProjectInformationTitle,
    OpenProjectTitle,
    SaveProjectTitle,
    InvalidAddressRange,
    ProjectFileFilter,
    ErrorTitle,
    NotLoaded,
    NotSaved,
    SystemFileMissing,
    InitialisationNotLoaded,
    ExchangeCpu,
    DeleteCpuOrRack,
    OverwriteModule,
    DeleteRow,
    SaveChanges,
    ModuleNotForThisRow,
    SameModule,
    CutCpuRow,
    CutRack,
    GiveNextFreeAddress,
    NextFreeAddress,
    NoName,
    MissingProjectName,
    NeverSaved,
    InvalidDataTitle,
    NotAProjectExtension,
    ProjectNameLabel,
    AnalogInputTitle,
    TabGeneral,
    TabAddresses,
    TabMeasurementType,
    ModuleFrame,
    ShortNameLabel,
    OrderNumberLabel,
    CommentLabel,
    DescriptionLabel,
    LocationFrame,
    StationLabel,
    SlotLabel,
    Input,
    Output,
    StartLabel,
    EndLabel,
    ValueFormatLabel,
    OutputChannelPrefix,
    ChannelsInStepsOf4,
    CancelButton,
    HelpButton,
    Measurement,
    Inverted,
    CountingMode,
    EnableC,
    EnableM,
    LevelTriggered,
    EdgeTriggered,
    StartOfMeasurement,
    Period,
    PulseMeasurement,
    Frequency,
    Automatic,
    Manual,
    InputAInverted,
    OutputPulse,
    OutputStatic,
    ResetC,
    TabExtra,
    Mode,
    ModeNormal,
    ModeRingCheck,
    Format,
    FormatBinary,
    FormatGraycode,
    EncoderFrequency,
    DataBitCount,
    TabDbCompile,
    TabIoConfig,
    ItIsAnOutput,
    ItIsAnInput,
    CdbDataBlock,
    HardwareDataBlock,
    InfoNameLabel,
    InfoFamilyLabel,
    InfoAuthorLabel,
    InfoDescriptionLabel,
    InfoNoteLabel,
    PrintProject,
    PrintName,
    PrintFamily,
    PrintAuthor,
    PrintCpu,
    PrintExtension,
    PrintYes,
    PrintFreeSlots,
    PrintModule,
    PrintAddressStart,
    PrintAddressEnd,
    PrintType,
    PrintSlot,
    InputChannel,
    CompilerPriority,
    MemoryAndCompilerPriority,
    Memory64K,
    Memory128K,
    Memory192K,
    Memory256K,
    Memory320K,
    Memory384K,
    Memory448K,
    Memory512K,
    MemoryFrame,
    FunctionModuleLabel,
    EncoderType,
    IncrementalEncoder,
    SsiEncoder,
    AxisX,
    AxisY,
    TabMemoryCompiler,
    WebServer,
    IndexDb,
    RamDiskSize,
    DateFormat,
    TimeFormat,
    Password,
    PasswordLevel,
    CommunicationThrough,
    Rs232,
    Modem,
    MpiMode,
    ProtocolTimingAdt,
    ProtocolTimingCdt,
    ModemType,
    HangUpTimeOut,
    PortNumber,
    BaudRate,
    SerialPort,
    FunctionModuleB1,
    FunctionModuleB2,
    MaximumBaudRate,
    HangUpAndPasswordReset,
    StartUp,
    Ob100,
    DisablePeripheryAccess,
    MpiNeededTitle,
    MpiConfigurationNeeded,
    EnableMpiFirst,
    WebServerNeedsMpiTitle,
    MpiNeededForWebServer,
    AlsoDisablesWebServer,
    DoYouWantToProceed,
    InputRange,
    ConnectionType,
    MeasurementUnit,
    NotUsed,
    OutputRange,
    ResetValue,
    ExternalCompensationNeedsChannel0,
    ExternalCompensationRequired,
    ModuleProperty,
    ChannelProperty,
    ActivateFilter,
    UnderOverflowAvoidance,
    AutomaticMeasurementStart,
    CustomFormat,
    MinValue,
    MaxValue,
    OutputChannel,
};

}  // namespace rm::txt
