#include "core/app/Language.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "core/base/Files.h"
#include "core/base/IniFile.h"

namespace rm {

std::string makeVersionText(int major, int minor, int revision)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "Version:       V%d.%03d.%03d", major, minor, revision);
    return buf;
}

std::filesystem::path resourcePath(const std::filesystem::path& resourceDir, const std::string& name)
{
    return findNoCase(resourceDir, name);
}

std::filesystem::path defaultResourceDir(const std::filesystem::path& programDir)
{
    const auto beside = programDir / "resource";
    const auto installed = programDir.parent_path() / "share" / "rackmason" / "resource";
    std::error_code ec;
    if (!std::filesystem::is_directory(beside, ec) && std::filesystem::is_directory(installed, ec)) return installed;
    return beside;
}

void selectLanguage(const std::string& keyword, LanguageChoice& choice)
{
    std::string up = keyword;
    for (auto& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (up == "ENGLISH") {
        choice.LanguageBase = 1000;
        choice.LanguageIndex = 1;
        choice.ModuleDataFile = "resource/NURA_E.txt";
        choice.moduleFileName = "NURA_E.txt";
    } else if (up == "DEUTSCH") {
        choice.LanguageBase = 2000;
        choice.LanguageIndex = 2;
        choice.ModuleDataFile = "resource/NURA_G.txt";
        choice.moduleFileName = "NURA_G.txt";
    } else if (up == "OPTION") {
        choice.LanguageBase = 3000;
        choice.LanguageIndex = 3;
        choice.ModuleDataFile = "resource/NURA_O.txt";
        choice.moduleFileName = "NURA_O.txt";
    }
}

LanguageChoice LoadLanguage(const std::filesystem::path& resourceDir)
{
    LanguageChoice choice;
    choice.VersionText = makeVersionText(kVersionMajor, kVersionMinor, kVersionRevision);
    auto iniPath = resourcePath(resourceDir, kCatalogFileName);
    std::error_code ec;
    if (!FileExists(iniPath) || std::filesystem::is_directory(iniPath, ec)) return choice;
    choice.catalogFound = true;
    IniFile ini = IniFile::load(iniPath, &choice.catalogError);
    if (!choice.catalogError.empty()) return choice;
    selectLanguage(ini.getString("LANGUAGE", "SELECTED", "", 20), choice);
    choice.OptionCaption = ini.getString("LANGUAGE", "OPTION", "", 20);
    return choice;
}

WriteResult ChangeLanguage(const std::filesystem::path& resourceDir, const std::string& keyword)
{
    return writeIniString(resourcePath(resourceDir, kCatalogFileName), "LANGUAGE", "SELECTED", keyword);
}

fs::path languageChoiceFile(const fs::path& resourceDir, const fs::path& programDir, const fs::path& userDir)
{
    const fs::path shipped = resourcePath(resourceDir, kCatalogFileName);
    // The data folder of an installed program belongs to the package manager,
    // even where it can be written (a program run by root).
    const bool installed =
        !programDir.empty() && resourceDir != programDir / "resource" && resourceDir == defaultResourceDir(programDir);
    if ((::access(shipped.c_str(), W_OK) == 0 && !installed) || userDir.empty()) return shipped;
    return userDir / "language.ini";
}

void applyLanguageChoice(const fs::path& choiceFile, const fs::path& resourceDir, LanguageChoice& choice)
{
    if (choiceFile == resourcePath(resourceDir, kCatalogFileName) || !FileExists(choiceFile)) return;
    const std::string keyword = IniFile::load(choiceFile).getString("LANGUAGE", "SELECTED", "", 20);
    LanguageChoice fresh;
    selectLanguage(keyword, fresh);
    if (!fresh.LanguageIndex) return;
    choice.LanguageBase = fresh.LanguageBase;
    choice.LanguageIndex = fresh.LanguageIndex;
    choice.ModuleDataFile = fresh.ModuleDataFile;
    choice.moduleFileName = fresh.moduleFileName;
}

fs::path userDataDir()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    fs::path base;
    if (xdg && *xdg == '/')
        base = xdg;
    else if (home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        return {};
    return base / "RackMason" / "RackMason";
}

}  // namespace rm
