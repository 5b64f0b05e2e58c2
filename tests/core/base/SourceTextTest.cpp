// The rule for texts that go into a STRING of the generated block: the CPU
// dialog refuses by it while typing and at OK.
#include "core/base/SourceText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rm {
namespace {

TEST(SourceText, TakesWhatTheBlockCanHold)
{
    const std::vector<std::string> taken{"", "OB1", "OB35, OB82", "Ölpumpe 5 €", "a\"b", std::string(249, 'x')};
    for (const std::string& ok : taken) {
        SCOPED_TRACE(ok);
        EXPECT_EQ(sourceTextFault(ok, 249), SourceTextFault::None);
    }
    // The length is counted in characters of the file, not in UTF-8 bytes.
    std::string accents;
    for (int i = 0; i < 249; ++i) accents += "é";
    EXPECT_EQ(sourceTextFault(accents, 249), SourceTextFault::None);
    EXPECT_EQ(sourceTextFault(accents + "é", 249), SourceTextFault::TooLong);
}

TEST(SourceText, NamesTheFirstFault)
{
    struct Case {
        std::string text;
        bool refuseComma;
        SourceTextFault fault;
    };
    const Case cases[] = {
        {"OB'1", false, SourceTextFault::Apostrophe},
        {"$OB1'", false, SourceTextFault::Apostrophe},  // the apostrophe first, wherever it stands
        {"OB$1", false, SourceTextFault::Dollar},
        {"OB1\tOB2", false, SourceTextFault::Control},
        {"OB1\r\n", false, SourceTextFault::Control},
        {"a,b", false, SourceTextFault::None},
        {"a,b", true, SourceTextFault::Comma},
        {"a,\t", true, SourceTextFault::Control},
        {"\u0151", false, SourceTextFault::Unencodable},  // not in windows-1252
        {"\xff", false, SourceTextFault::Unencodable},    // not UTF-8 at all
        {std::string(250, 'x'), false, SourceTextFault::TooLong},
        {std::string(250, '$'), false, SourceTextFault::Dollar},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 12));
        EXPECT_EQ(sourceTextFault(c.text, 249, c.refuseComma), c.fault);
    }
}

}  // namespace
}  // namespace rm
