#include "core/modules/CounterForm.h"

#include <gtest/gtest.h>

namespace rm {
namespace {

RowEintrag counterRecord(int16_t p2, int16_t p3, int16_t p4)
{
    RowEintrag r;
    r.BestellNr = "QMV2.K202";
    r.Param1 = 0x1234;
    r.Param2 = p2;
    r.Param3 = p3;
    r.Param4 = p4;
    return r;
}

RowEintrag stored(const CounterForm& f, RowEintrag r = counterRecord(0, 0, 0))
{
    f.store(r);
    return r;
}

// Param1 to Param4 of a stored record.
std::array<int, 4> words(const RowEintrag& r)
{
    return {r.Param1, r.Param2, r.Param3, r.Param4};
}

TEST(CounterForm, EachSettingHasItsOwnBit)
{
    struct Case {
        const char* what;
        void (*set)(CounterForm&);
        int param3, param4;
    };
    const Case cases[] = {
        {"edge triggered enable/reset", [](CounterForm& f) { f.gateEdge = true; }, 0x01, 0},
        {"enable/reset inverted", [](CounterForm& f) { f.invertGate = true; }, 0x02, 0},
        {"CCO static", [](CounterForm& f) { f.ccoStatic = true; }, 0x04, 0},
        {"CCO inverted", [](CounterForm& f) { f.invertCco = true; }, 0x08, 0},
        {"input A inverted", [](CounterForm& f) { f.invertA = true; }, 0x10, 0},
        {"input B inverted", [](CounterForm& f) { f.invertB = true; }, 0x20, 0},
        {"mode 3", [](CounterForm& f) { f.countMode = 3; }, 0xC0, 0},
        {"EnableM edge triggered", [](CounterForm& f) { f.enableMEdge = true; }, 0, 0x01},
        {"EnableM inverted", [](CounterForm& f) { f.invertEnableM = true; }, 0, 0x02},
        {"TCO static", [](CounterForm& f) { f.tcoStatic = true; }, 0, 0x04},
        {"automatic start", [](CounterForm& f) { f.autoStart = true; }, 0, 0x10},
        {"period", [](CounterForm& f) { f.setMeasurement(CounterForm::Period); }, 0, 0x20},
        {"frequency", [](CounterForm& f) { f.setMeasurement(CounterForm::Frequency); }, 0, 0x40},
        {"impulse, input A inverted", [](CounterForm& f) { f.measureInvertA = true; }, 0, 0x80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CounterForm f;
        c.set(f);
        const RowEintrag r = stored(f);
        EXPECT_EQ(words(r), (std::array<int, 4>{0x1234, 0, c.param3, c.param4}));  // Param1 is not the dialog's
        // And back: the stored words bring the same controls.
        f.load(r);
        EXPECT_EQ(words(stored(f)), words(r));
    }
}

TEST(CounterForm, WordsAreRebuiltFromTheControls)
{
    // A record with stray bits is written back without them; bit 0 of Param2 is the gate input.
    CounterForm f;
    f.load(counterRecord(3, static_cast<int16_t>(0xFFFF), static_cast<int16_t>(0xFFFF)));
    EXPECT_EQ(f.gateInput, 1);
    // Frequency wins; bit 7 only with the impulse measurement.
    EXPECT_EQ(words(stored(f)), (std::array<int, 4>{0x1234, 1, 0xFF, 0x57}));
    f.gateInput = -1;  // nothing chosen in the list
    EXPECT_EQ(stored(f, counterRecord(1, 0, 0)).Param2, 0);
}

TEST(CounterForm, InputAInvertedBelongsToTheImpulseMeasurement)
{
    CounterForm f;
    f.load(counterRecord(0, 0, 0));
    ASSERT_TRUE(f.measurement == CounterForm::Impulse && f.measureInvertAEnabled());
    f.measureInvertA = true;
    f.setMeasurement(CounterForm::Frequency);
    EXPECT_FALSE(f.measureInvertAEnabled() || f.measureInvertA);
    EXPECT_EQ(stored(f).Param4, 0x40);
    // Back to impulse: offered again, but unchecked.
    f.setMeasurement(CounterForm::Impulse);
    EXPECT_TRUE(f.measureInvertAEnabled());
    EXPECT_EQ(stored(f).Param4, 0);
}

}  // namespace
}  // namespace rm
