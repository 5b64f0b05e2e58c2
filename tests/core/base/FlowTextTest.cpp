// Descriptions shown as paragraphs.
#include <gtest/gtest.h>

#include "core/base/FlowText.h"

namespace rm {
namespace {

TEST(FlowText, JoinsLinesIntoParagraphs)
{
    const struct {
        const char *in, *out;
    } cases[] = {
        {"8 digital inputs\r\n24 V DC, sink\r\nisolated", "8 digital inputs 24 V DC, sink isolated"},
        {"First part\r\nof it.\r\n\r\n\r\nSecond  \r\n  part.", "First part of it.\n\nSecond part."},
        {"Ranges:\r\n- 0..10 V\r\n- 4..20 mA\r\nswitchable", "Ranges:\n- 0..10 V\n- 4..20 mA switchable"},
        {"Steps:\n1. wire\n2) set\na) check\n1.5 A max", "Steps:\n1. wire\n2) set\na) check 1.5 A max"},
        {"\r\n\r\nalone\r\n", "alone"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(flowParagraphs(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace rm
