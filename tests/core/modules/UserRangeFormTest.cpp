#include <gtest/gtest.h>

#include "core/modules/UserRangeForm.h"

using namespace rm;

TEST(UserRange, OkTakesTheTextsAsShownOrTyped)
{
    UserRangeForm f;
    f.set_minVal(-1023);
    f.set_maxVal(4095);
    f.activate();  // the values are shown with a blank or a sign, the hidden reset box holds " 0"
    f.txt_minValue = "- 200";
    ASSERT_TRUE(f.ok(Texts(), nullptr));
    EXPECT_EQ((std::array<int, 3>{f.minVal, f.maxVal, f.ResetVal}), (std::array<int, 3>{-200, 4095, 0}));
    // A sign only at the start or after the leading blank.
    EXPECT_EQ((std::array<bool, 4>{UserRangeForm::acceptsKey(U'-', 0), UserRangeForm::acceptsKey(U'+', 1),
                                   UserRangeForm::acceptsKey(U'-', 3), UserRangeForm::acceptsKey(U'.', 3)}),
              (std::array<bool, 4>{true, true, false, false}));
    EXPECT_EQ((std::array<bool, 2>{UserRangeForm::acceptsKey(U'0', 3), UserRangeForm::acceptsKey(U'9', 3)}),
              (std::array<bool, 2>{true, true}));
    // Control keys pass; DEL is the last key refused, past ASCII every key passes.
    EXPECT_EQ((std::array<bool, 4>{UserRangeForm::acceptsKey(31, 3), UserRangeForm::acceptsKey(U' ', 3),
                                   UserRangeForm::acceptsKey(127, 3), UserRangeForm::acceptsKey(128, 3)}),
              (std::array<bool, 4>{true, false, false, true}));
}

TEST(UserRange, OkRefusesWhatDoesNotFitAndKeepsTheValues)
{
    struct Case {
        const char *min, *max, *reset;
        UserRangeForm::Field bad;
        const char* message;
    };
    const Case cases[] = {
        {"", "10", "0", UserRangeForm::Min, "\"min value\" is empty."},
        {"0", "32768", "0", UserRangeForm::Max, "\"max value\" is out of range."},
        {"0", "10", "1e3", UserRangeForm::Reset, "\"Reset Value\" is not a whole number."},
        {"11", "10", "0", UserRangeForm::Min, "\"min value\" must not be above \"max value\"."},
    };
    for (const Case& c : cases) {
        UserRangeForm f;
        f.set_minVal(1);
        f.set_maxVal(2);
        f.set_ResetVal(3);
        f.txt_minValue = c.min;
        f.txt_maxValue = c.max;
        f.txt_ResetVal = c.reset;
        std::string message;
        UserRangeForm::Field bad{};
        EXPECT_FALSE(f.ok(Texts(), &message, &bad)) << c.message;
        EXPECT_EQ(bad, c.bad) << c.message;
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
        EXPECT_EQ((std::array<int, 3>{f.minVal, f.maxVal, f.ResetVal}), (std::array<int, 3>{1, 2, 3}));
    }
}
