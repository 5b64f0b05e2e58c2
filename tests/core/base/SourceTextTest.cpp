// The rule for texts that go into a STRING of the generated block: the CPU
// dialog refuses by it while typing and at OK.
#include "core/base/SourceText.h"

#include <gtest/gtest.h>

#include <string>

namespace rm {
namespace {

// What the block can hold is taken (the length counted in characters of the
// file, not in UTF-8 bytes); otherwise the first fault is named.
TEST(SourceText, TakesWhatTheBlockCanHoldAndNamesTheFirstFault)
{
    struct Case {
        std::string text;
        bool refuseComma;
        SourceTextFault fault;
    };
    std::string accents;
    for (int i = 0; i < 249; ++i) accents += "é";
    const Case cases[] = {
        {"", false, SourceTextFault::None},
        {"OB35, OB82", false, SourceTextFault::None},
        {"Ölpumpe 5 €", false, SourceTextFault::None},
        {"a\"b", false, SourceTextFault::None},
        {std::string(249, 'x'), false, SourceTextFault::None},
        {accents, false, SourceTextFault::None},
        {accents + "é", false, SourceTextFault::TooLong},
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
