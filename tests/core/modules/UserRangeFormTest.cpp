#include <gtest/gtest.h>

#include "core/modules/UserRangeForm.h"

using namespace rm;

TEST(UserRange, ValuesAreShownWithBlankOrSignAndTakenBack)
{
    UserRangeForm f;
    f.set_minVal(-1023);
    f.set_maxVal(4095);
    f.activate();
    EXPECT_EQ((std::array<std::string, 3>{f.txt_minValue, f.txt_maxValue, f.txt_ResetVal}),
              (std::array<std::string, 3>{"-1023", " 4095", " 0"}));
    EXPECT_FALSE(f.resetShown);
    f.txt_minValue = "- 200";
    f.txt_maxValue = " 32767";
    ASSERT_TRUE(f.ok(Texts(), nullptr));
    EXPECT_EQ((std::array<int, 3>{f.minVal, f.maxVal, f.ResetVal}), (std::array<int, 3>{-200, 32767, 0}));
    f.set_ResetVal(-5);
    EXPECT_TRUE(f.resetShown);

    // A sign only at the start or after the leading blank; no other character but digits.
    for (char32_t k : {U'\b', U'\r', U'0', U'9'}) EXPECT_TRUE(UserRangeForm::acceptsKey(k, 4)) << int(k);
    for (char32_t k : {U' ', U'*', U',', U'.', U'a', U'e'}) EXPECT_FALSE(UserRangeForm::acceptsKey(k, 0)) << int(k);
    EXPECT_EQ((std::array<bool, 3>{UserRangeForm::acceptsKey(U'-', 0), UserRangeForm::acceptsKey(U'+', 1),
                                   UserRangeForm::acceptsKey(U'-', 3)}),
              (std::array<bool, 3>{true, true, false}));
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
        {"0", "32768", "0", UserRangeForm::Max,
         "\"max value\" is out of range.\nEnter a whole number from -32768 to 32767."},
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
