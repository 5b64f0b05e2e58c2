// The language choice and where the program finds its data.
#include "core/app/Language.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/TestSupport.h"

namespace rm {
namespace {

namespace fs = std::filesystem;

using test::ScopedEnv;
using test::TempFolder;
using test::writeText;

TEST(Language, Selection)
{
    TempFolder dir;
    writeText(dir.path / "KATALOG.INI",
              "[LANGUAGE]\r\nSELECTED=deutsch\r\nOPTION=Fran\xE7"
              "ais\r\n");
    auto c = LoadLanguage(dir.path);
    EXPECT_TRUE(c.catalogFound);
    EXPECT_EQ(std::make_pair(c.LanguageBase, c.LanguageIndex), std::make_pair(2000, 2));
    EXPECT_EQ(c.ModuleDataFile + "|" + c.OptionCaption, "resource/NURA_G.txt|Fran\u00e7ais");
    EXPECT_EQ(makeVersionText(2, 12, 3), "Version:       V2.012.003");

    ASSERT_EQ(ChangeLanguage(dir.path, "OPTION"), WriteResult::written());
    c = LoadLanguage(dir.path);
    EXPECT_EQ(c.LanguageBase, 3000);
    EXPECT_EQ(c.moduleFileName, "NURA_O.txt");

    // Unknown or too long: English texts, and no module file.
    ASSERT_EQ(ChangeLanguage(dir.path, "ENGLISHENGLISHENGLISH"), WriteResult::written());
    c = LoadLanguage(dir.path);
    EXPECT_EQ(std::make_pair(c.LanguageBase, c.LanguageIndex), std::make_pair(1000, 0));
    EXPECT_EQ(c.ModuleDataFile, "");

    EXPECT_FALSE(LoadLanguage(dir.path / "none").catalogFound);
}

TEST(Language, UnreadableCatalogFileSaysWhy)
{
    TempFolder dir;
    const fs::path ini = dir.path / "Katalog.ini";
    fs::create_symlink("Katalog.ini", ini);  // a loop: the system refuses to follow it
    auto c = LoadLanguage(dir.path);
    EXPECT_TRUE(c.catalogFound);
    EXPECT_EQ(c.catalogError, std::error_code(ELOOP, std::generic_category()).message());
    fs::remove(ini);
    writeText(ini, "[LANGUAGE]\r\nSELECTED=ENGLISH\r\n");
    if (::geteuid() != 0) {  // root reads any file
        fs::permissions(ini, fs::perms::none);
        EXPECT_EQ(LoadLanguage(dir.path).catalogError, "Permission denied");
        fs::permissions(ini, fs::perms::owner_all);
    }
    EXPECT_EQ(LoadLanguage(dir.path).catalogError, "");
}

TEST(Language, ResourceFolderBesideOrInstalled)
{
    TempFolder dir;
    fs::create_directories(dir.path / "bin");
    fs::create_directories(dir.path / "share" / "rackmason" / "resource");
    EXPECT_EQ(defaultResourceDir(dir.path / "bin"), dir.path / "share" / "rackmason" / "resource");
    fs::create_directories(dir.path / "bin" / "resource");
    EXPECT_EQ(defaultResourceDir(dir.path / "bin"), dir.path / "bin" / "resource");
}

// Both programs take the choice from one place: the catalog file beside a
// program, the per-user file for an installed one.
TEST(Language, ChoiceKeptInOnePlace)
{
    TempFolder dir;
    const fs::path installed = dir.path / "share" / "rackmason" / "resource";
    fs::create_directories(installed);
    fs::create_directories(dir.path / "bin");
    writeText(installed / "Katalog.ini", "[LANGUAGE]\r\nSELECTED=ENGLISH\r\n");
    const fs::path user = dir.path / "user";
    const fs::path chosen = languageChoiceFile(installed, dir.path / "bin", user);
    EXPECT_EQ(chosen, user / "language.ini");
    EXPECT_EQ(languageChoiceFile(installed, dir.path / "bin", {}), installed / "Katalog.ini");
    EXPECT_EQ(languageChoiceFile(installed, {}, user), installed / "Katalog.ini");  // writable, not installed

    LanguageChoice c = LoadLanguage(installed);
    applyLanguageChoice(chosen, installed, c);  // nothing chosen yet
    EXPECT_EQ(c.LanguageBase, 1000);
    fs::create_directories(user);
    writeText(chosen, "[LANGUAGE]\r\nSELECTED=OPTION\r\n");
    applyLanguageChoice(chosen, installed, c);
    EXPECT_EQ(c.LanguageBase, 3000);
    EXPECT_EQ(c.moduleFileName, "NURA_O.txt");
    writeText(chosen, "[LANGUAGE]\r\nSELECTED=KLINGON\r\n");
    applyLanguageChoice(chosen, installed, c);
    EXPECT_EQ(c.LanguageBase, 3000);

    {
        const ScopedEnv xdg("XDG_DATA_HOME", dir.path.string());
        EXPECT_EQ(userDataDir(), dir.path / "RackMason" / "RackMason");
    }
    const ScopedEnv xdg("XDG_DATA_HOME", "relative");
    const ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(userDataDir(), fs::path("/home/someone/.local/share/RackMason/RackMason"));
}

}  // namespace
}  // namespace rm
