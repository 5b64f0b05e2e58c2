#include <gtest/gtest.h>

#include <algorithm>

#include "core/base/TextTable.h"

namespace rm {
namespace {

TEST(TextTable, ThreeBlocksDefineTheSameOffsets)
{
    auto en = definedIds(kEnglishBase), de = definedIds(kGermanBase), fr = definedIds(kFrenchBase);
    ASSERT_EQ(en.size(), 231u);
    ASSERT_EQ(de.size(), en.size());
    ASSERT_EQ(fr.size(), en.size());
    for (std::size_t i = 0; i < en.size(); ++i) {
        EXPECT_EQ(de[i] - kGermanBase, en[i] - kEnglishBase);
        EXPECT_EQ(fr[i] - kFrenchBase, en[i] - kEnglishBase);
    }
    for (int k : {7, 8, 9, 14, 15, 16, 18, 25, 26, 27, 28, 29, 39, 70})
        for (int base : {kEnglishBase, kGermanBase, kFrenchBase}) EXPECT_EQ(textById(base + k), " ") << base + k;
}

// Texts that carry format must carry the same format in every language.
TEST(TextTable, FormatsAgreeAcrossLanguages)
{
    auto count = [](const std::string& s, const std::string& what) {
        std::size_t n = 0;
        for (auto p = s.find(what); p != std::string::npos; p = s.find(what, p + what.size())) ++n;
        return n;
    };
    for (int k : definedIds(kEnglishBase)) {
        const std::string en = *textById(k);
        for (int base : {kGermanBase, kFrenchBase}) {
            const std::string other = *textById(base + k - kEnglishBase);
            SCOPED_TRACE(std::to_string(base + k - kEnglishBase) + ": \"" + other + "\"");
            EXPECT_EQ(count(other, "|"), count(en, "|"));
            EXPECT_EQ(count(other, "*.qv4"), count(en, "*.qv4"));
            EXPECT_EQ(en.front() == ' ', other.front() == ' ');
            EXPECT_EQ(en.back() == ' ', other.back() == ' ');
        }
    }
    EXPECT_EQ(textById(1072)->front(), '|');
}

TEST(TextTable, CaptionNumbersAreTranslated)
{
    EXPECT_EQ(Texts(kGermanBase).caption("161"), "Familie:");
    EXPECT_EQ(Texts(kFrenchBase).caption("161"), "Famille:");
    EXPECT_EQ(Texts(kEnglishBase).caption("038"), "Catalog Hardware");
    EXPECT_EQ(Texts(kEnglishBase).caption("&OK"), "&OK");
    EXPECT_EQ(Texts(kGermanBase).caption("-"), "-");
}

TEST(TextTable, MessageTextsFollowTheLanguage)
{
    auto en = LoadMessageTexts(Texts(kEnglishBase));
    EXPECT_EQ(en[1066], "Source file (.AWL) have been Generated !");
    EXPECT_EQ(en[1099], "Project name:  ");
    auto de = LoadMessageTexts(Texts(kGermanBase));
    EXPECT_EQ(de[1086], *textById(2086));
}

}  // namespace
}  // namespace rm
