#include "core/table/ProjectInfoForm.h"

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

// Letters, the six between Z and a, digits after the first character; eight
// characters at most, yet a longer value from a file can be shortened.
TEST(ProjectInfoForm, KeyFilterAndReservedWords)
{
    EXPECT_EQ(typeKeys("", U"1a b.c-d9"), "abcd9");
    EXPECT_EQ(typeKeys("", U"_x[\\]^`"), "_x[\\]^`");
    EXPECT_EQ(typeKeys("a", U"@{/:\u00e9\t"), "a");
    EXPECT_EQ(typeKeys("", U"abcdefghi"), "abcdefgh");
    EXPECT_EQ(typeKeys("abcdefgh", U"\bx1"), "abcdefgx");
    EXPECT_EQ(typeKeys("abcdefghij", U"k\b"), "abcdefghi");
    EXPECT_TRUE(ProjectInfoForm::acceptsChar("\u00e4bcdefg", U'h'));  // counts characters, not bytes
    EXPECT_EQ(ProjectInfoForm::headerKey("abcdefgh", U'\r'), HeaderKey::Confirm);

    // Each field's own word, in any case.
    ProjectInfoForm form;
    form.header = {"Family", "Family1", "AUTHOR"};
    EXPECT_EQ(form.reservedField(), 2);
}

TEST(ProjectInfoForm, HandsBackOnlyEditedFieldsWithCrLfLineBreaks)
{
    ProjectInfo info;
    info.ProjektName = "Hall2";
    info.Beschreibung = "\r\nLine 1\r\nLine 2\r\n";  // a break first and last too
    info.InfoBestaetigt = kTrue;
    ProjectInfoForm form;
    form.Changed = true;  // left over from an earlier use
    form.load(info);
    EXPECT_EQ(info.InfoBestaetigt, kFalse);
    EXPECT_EQ(form.Beschreibung, "\nLine 1\nLine 2\n");

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
    EXPECT_EQ(info.Beschreibung, "\r\nLine 1\r\nLine 2\r\n");
    EXPECT_EQ(info.Notizen, "first\r\nsecond\r\n");
    EXPECT_EQ(info.InfoBestaetigt, kTrue);
}

}  // namespace
}  // namespace rm
