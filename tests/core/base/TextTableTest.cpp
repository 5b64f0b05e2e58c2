#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <tuple>

#include <cerrno>
#include <cstring>

#include "core/base/OwnTexts.h"
#include "core/base/TextIds.h"
#include "core/base/TextTable.h"

namespace rm {
namespace {

// The three languages define the same texts, and a text that carries format
// carries the same format in every language.
TEST(TextTable, LanguagesDefineTheSameTextsWithTheSameFormats)
{
    auto count = [](const std::string& s, const std::string& what) {
        std::size_t n = 0;
        for (auto p = s.find(what); p != std::string::npos; p = s.find(what, p + what.size())) ++n;
        return n;
    };
    const std::vector<int> ids = definedIds(kEnglishBase);
    EXPECT_EQ(ids.size(), 231u);
    for (int base : {kGermanBase, kFrenchBase}) {
        ASSERT_EQ(definedIds(base).size(), ids.size()) << base;
        for (int k : ids) {
            const std::string en = *textById(k);
            const std::optional<std::string> other = textById(base + k - kEnglishBase);
            ASSERT_TRUE(other) << base + k - kEnglishBase;
            SCOPED_TRACE(std::to_string(base + k - kEnglishBase) + ": \"" + *other + "\"");
            EXPECT_EQ(std::make_tuple(count(*other, "|"), count(*other, "*.qv4"), other->front() == ' ',
                                      other->back() == ' '),
                      std::make_tuple(count(en, "|"), count(en, "*.qv4"), en.front() == ' ', en.back() == ' '));
        }
    }
    EXPECT_EQ(textById(1072)->front(), '|');
}

// Captions and messages are looked up by their English number in the chosen language.
TEST(TextTable, LookupsFollowTheLanguage)
{
    EXPECT_EQ(Texts(kFrenchBase).caption("161") + Texts(kGermanBase).caption("-"), "Famille:-");
    EXPECT_EQ(LoadMessageTexts(Texts(kGermanBase))[1086], *textById(2086));
}

// A name stands for a text of every language, and never for a blank one
// unless the program shows that blank (the project window's title suffix).
TEST(TextTable, NamedIdsAreTextsOfEveryLanguage)
{
    for (txt::Id id : txt::kNamed) {
        SCOPED_TRACE(static_cast<int>(id));
        for (int base : {kEnglishBase, kGermanBase, kFrenchBase}) {
            EXPECT_TRUE(textById(base + id - kEnglishBase));
        }
        if (id != txt::ProjectTitleSuffix) {
            EXPECT_NE(*textById(id), " ");
        }
    }
    EXPECT_EQ(*textById(txt::NotSaved), "Data could not be save");
    EXPECT_EQ(*textById(txt::OutputChannel), "Output Channel ");
}

// A failed write names the system's reason; a German or French user reads it
// in their language with the system's words after it, and nothing is lost
// where no translation is known.
TEST(TextTable, SystemReasonsInTheChosenLanguage)
{
    const std::string full = std::strerror(ENOSPC);
    EXPECT_EQ(reasonInLanguage(Texts(kEnglishBase), full), full);
    EXPECT_EQ(reasonInLanguage(Texts(kGermanBase), full), "Kein Platz mehr auf dem Datenträger (" + full + ")");
    EXPECT_EQ(reasonInLanguage(Texts(kFrenchBase), std::strerror(EROFS)),
              std::string("Système de fichiers en lecture seule (") + std::strerror(EROFS) + ")");
    EXPECT_EQ(reasonInLanguage(Texts(kGermanBase), "is not a regular file"),
              "ist keine gewöhnliche Datei (is not a regular file)");
    EXPECT_EQ(reasonInLanguage(Texts(kGermanBase), "something else went wrong"), "something else went wrong");
    EXPECT_EQ(withFileAndReason(Texts(kFrenchBase), "m", "/f", std::strerror(EACCES)),
              std::string("m\n\nFichier : /f\nRaison : Permission refusée (") + std::strerror(EACCES) + ")");
    EXPECT_EQ(withFileAndReason(Texts(kGermanBase), "m", "/f", ""), "m\n\nDatei: /f");
}

// Every named own text is there in all three languages, and a translation
// fills the same %n as the English one: a %n missing from one language would
// drop an argument there, an extra one would be shown as it stands.
TEST(OwnTexts, EveryNameHasThreeTextsWithTheSamePlaceholders)
{
    auto placeholders = [](const std::string& s) {
        std::set<std::string> found;
        for (std::size_t p = s.find('%'); p != std::string::npos; p = s.find('%', p + 1)) {
            std::size_t e = p + 1;
            while (e < s.size() && s[e] >= '0' && s[e] <= '9') ++e;
            if (e > p + 1) found.insert(s.substr(p, e - p));
        }
        return found;
    };
    for (int k = 0; k < static_cast<int>(OwnText::Count); ++k) {
        const auto which = static_cast<OwnText>(k);
        const std::string en = ownText(Texts(kEnglishBase), which);
        SCOPED_TRACE(std::to_string(k) + ": \"" + en + "\"");
        EXPECT_FALSE(en.empty());
        for (int base : {kGermanBase, kFrenchBase}) {
            const std::string other = ownText(Texts(base), which);
            EXPECT_FALSE(other.empty()) << base;
            EXPECT_EQ(placeholders(other), placeholders(en)) << base << ": \"" << other << "\"";
        }
    }
    EXPECT_EQ(ownText(Texts(kFrenchBase), OwnText::Count), "");
}

}  // namespace
}  // namespace rm
