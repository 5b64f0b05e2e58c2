#include "core/modules/CounterForm.h"

namespace rm {

namespace {

bool bit(int16_t word, int n)
{
    return (static_cast<uint16_t>(word) >> n) & 1u;
}

}  // namespace

void CounterForm::setMeasurement(int m)
{
    measurement = m;
    if (!measureInvertAEnabled()) measureInvertA = false;
}

void CounterForm::load(const RowEintrag& r)
{
    gateInput = bit(r.Param2, 0) ? 1 : 0;

    const int16_t c = r.Param3;
    countMode = (static_cast<uint16_t>(c) >> 6) & 3;
    invertB = bit(c, 5);
    invertA = bit(c, 4);
    invertCco = bit(c, 3);
    ccoStatic = bit(c, 2);
    invertGate = bit(c, 1);
    gateEdge = bit(c, 0);

    const int16_t m = r.Param4;
    enableMEdge = bit(m, 0);
    invertEnableM = bit(m, 1);
    tcoStatic = bit(m, 2);
    autoStart = bit(m, 4);
    // Frequency wins over period when a record has both bits.
    measurement = bit(m, 6) ? Frequency : bit(m, 5) ? Period : Impulse;
    measureInvertA = measurement == Impulse && bit(m, 7);
}

void CounterForm::store(RowEintrag& r) const
{
    r.Param2 = gateInput == 1 ? 1 : 0;

    int c = 0;
    if (gateEdge) c |= 0x01;
    if (invertGate) c |= 0x02;
    if (ccoStatic) c |= 0x04;
    if (invertCco) c |= 0x08;
    if (invertA) c |= 0x10;
    if (invertB) c |= 0x20;
    c |= (countMode & 3) << 6;
    r.Param3 = static_cast<int16_t>(c);

    int m = 0;
    if (enableMEdge) m |= 0x01;
    if (invertEnableM) m |= 0x02;
    if (tcoStatic) m |= 0x04;
    if (autoStart) m |= 0x10;
    if (measurement == Period) m |= 0x20;
    if (measurement == Frequency) m |= 0x40;
    if (measureInvertAEnabled() && measureInvertA) m |= 0x80;
    r.Param4 = static_cast<int16_t>(m);
}

}  // namespace rm
