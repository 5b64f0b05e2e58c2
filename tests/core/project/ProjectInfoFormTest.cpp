#include "core/project/ProjectInfoForm.h"

#include <gtest/gtest.h>

namespace rm {
namespace {

// Types keys into a header field as the dialog does: a taken key is appended
// (Backspace removes the last character), a refused one is lost.
std::string typeKeys(std::string field, const std::u32string& keys)
{
    for (char32_t c : keys) {
        if (!ProjectInfoForm::acceptsChar(field, c)) continue;
        if (c == 8) {
            if (!field.empty()) field.pop_back();
        } else {
            field += static_cast<char>(c);
        }
    }
    return field;
}

TEST(ProjectInfoForm, KeyFilter)
{
    EXPECT_EQ(typeKeys("", U"1abc"), "abc");
    EXPECT_EQ(typeKeys("", U"a b.c-d9"), "abcd9");
    EXPECT_EQ(typeKeys("", U"_x[\\]^`"), "_x[\\]^`");  // the six between Z and a
    EXPECT_EQ(typeKeys("", U"@{/:"), "");              // just outside the ranges
    EXPECT_EQ(typeKeys("a", U"/:{\u00e9\t"), "a");
    // Eight characters at most; Backspace and Enter still work then, and a
    // longer value from a file can be shortened but not lengthened.
    EXPECT_EQ(typeKeys("", U"abcdefghi"), "abcdefgh");
    EXPECT_EQ(typeKeys("abcdefgh", U"\bx1"), "abcdefgx");
    EXPECT_EQ(typeKeys("abcdefghij", U"k\b"), "abcdefghi");
    EXPECT_TRUE(ProjectInfoForm::acceptsChar("\u00e4bcdefg", U'h'));  // counts characters, not bytes
    EXPECT_EQ(ProjectInfoForm::headerKey("", U'\r'), HeaderKey::Confirm);
    EXPECT_EQ(ProjectInfoForm::headerKey("abcdefgh", U'\r'), HeaderKey::Confirm);
    EXPECT_EQ(typeKeys("a", U"\b1"), "");
}

TEST(ProjectInfoForm, ReservedWords)
{
    EXPECT_TRUE(ProjectInfoForm::isReserved(0, "NaMe"));
    EXPECT_TRUE(ProjectInfoForm::isReserved(1, "Family"));
    EXPECT_TRUE(ProjectInfoForm::isReserved(1, "FAMILY"));
    EXPECT_TRUE(ProjectInfoForm::isReserved(2, "author"));
    EXPECT_FALSE(ProjectInfoForm::isReserved(1, "Family1"));
    EXPECT_FALSE(ProjectInfoForm::isReserved(1, "name"));  // another field's word
    EXPECT_FALSE(ProjectInfoForm::isReserved(3, ""));
    ProjectInfoForm form;
    form.header = {"Hall2", "Press", "Author"};
    EXPECT_EQ(form.reservedField(), 2);
}

TEST(ProjectInfoForm, HandsBackOnlyEditedFieldsWithCrLfLineBreaks)
{
    ProjectInfo info;
    info.ProjektTitel = "hall2.qv4";
    info.ProjektName = "Hall2";
    info.Beschreibung = "Line 1\r\nLine 2";
    info.InfoBestaetigt = kTrue;
    ProjectInfoForm form;
    form.Changed = true;  // left over from an earlier use
    form.load(info);
    EXPECT_EQ(info.InfoBestaetigt, kFalse);
    EXPECT_EQ(form.Beschreibung, "Line 1\nLine 2");

    // Not reported as an edit (or reported while loading): nothing goes back.
    form.header[0] = "Other";
    form.Loading = true;
    form.edited();
    form.Loading = false;
    ProjectInfo unchanged = info;
    form.unload(info);
    EXPECT_EQ(info, unchanged);

    form.Notizen = "first\nsecond\n";
    form.edited();
    form.unload(info);
    EXPECT_EQ(info.ProjektName, "Other");
    EXPECT_EQ(info.Beschreibung, "Line 1\r\nLine 2");
    EXPECT_EQ(info.Notizen, "first\r\nsecond\r\n");
    EXPECT_EQ(info.InfoBestaetigt, kTrue);
    EXPECT_EQ(info.ProjektTitel, "hall2.qv4");
}

}  // namespace
}  // namespace rm
