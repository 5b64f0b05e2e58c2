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

// Captions and messages are looked up by their English number in the chosen language.
TEST(TextTable, LookupsFollowTheLanguage)
{
    EXPECT_EQ(Texts(kFrenchBase).caption("161"), "Famille:");
    EXPECT_EQ(Texts(kGermanBase).caption("-"), "-");
    EXPECT_EQ(LoadMessageTexts(Texts(kGermanBase))[1086], *textById(2086));
}

}  // namespace
}  // namespace rm
