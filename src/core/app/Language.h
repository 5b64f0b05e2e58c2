// The language choice made at start-up from the catalog file.
#pragma once

#include <filesystem>
#include <string>

#include "core/base/WriteResult.h"

namespace rm {

// The program's version, from the build (the CMake project's version).
inline constexpr int kVersionMajor = RACKMASON_VERSION_MAJOR;
inline constexpr int kVersionMinor = RACKMASON_VERSION_MINOR;
inline constexpr int kVersionRevision = RACKMASON_VERSION_PATCH;
inline constexpr const char* kVersion = RACKMASON_VERSION;

// "Version:       V2.004.000" for 2.4.0.
std::string makeVersionText(int major, int minor, int revision);

struct LanguageChoice {
    bool catalogFound = false;  // false: show text 1081/1082 and end the program
    std::string catalogError;   // not empty: the catalog file is there but cannot be read, and why
    int LanguageBase = 1000;
    int LanguageIndex = 0;       // 1 English, 2 German, 3 optional third language
    std::string ModuleDataFile;  // relative to the program folder; empty when unknown
    std::string moduleFileName;  // the same file's name in the resource folder
    std::string OptionCaption;   // caption of the third language button
    std::string VersionText;
};

// Reads section LANGUAGE of the catalog file in the resource folder.
LanguageChoice LoadLanguage(const std::filesystem::path& resourceDir);

// The choice for a keyword ("ENGLISH", "DEUTSCH", "OPTION"), compared after
// conversion to upper case; anything else leaves the defaults.
void selectLanguage(const std::string& keyword, LanguageChoice& choice);

// Writes the keyword as SELECTED of section LANGUAGE.
WriteResult ChangeLanguage(const std::filesystem::path& resourceDir, const std::string& keyword);

// Where the language choice is kept: the catalog file in the resource folder
// where that can be written and is not an installed program's data (programDir
// given), else "language.ini" in the per-user folder userDir. Both programs
// read and write the choice there.
std::filesystem::path languageChoiceFile(const std::filesystem::path& resourceDir,
                                         const std::filesystem::path& programDir, const std::filesystem::path& userDir);

// Takes the language named in choiceFile, when that is a per-user file naming
// a known language; the catalog file's own choice is read by LoadLanguage.
void applyLanguageChoice(const std::filesystem::path& choiceFile, const std::filesystem::path& resourceDir,
                         LanguageChoice& choice);

// The per-user data folder: $XDG_DATA_HOME, else ~/.local/share, followed by
// RackMason/RackMason. Empty when neither is known.
std::filesystem::path userDataDir();

// A data file in the resource folder, its name matched without regard to case.
std::filesystem::path resourcePath(const std::filesystem::path& resourceDir, const std::string& name);
inline constexpr const char* kCatalogFileName = "Katalog.ini";

// The data files of a program in programDir: the "resource" folder beside it,
// or, for an installed program, ../share/rackmason/resource.
std::filesystem::path defaultResourceDir(const std::filesystem::path& programDir);

}  // namespace rm
