// The counter module with measurement: a counter with inputs A and B, an
// enable or reset input and the counter output CCO, and a measuring part
// (period, impulse or frequency) with its enable input EnableM and output TCO.
// The settings live in Param2 (enable or reset), Param3 (counter) and Param4
// (measurement); Param1 is not the dialog's.
#pragma once

#include "core/record/RowEintrag.h"

namespace rm {

struct CounterForm {
    // rbMessung(0..2)
    enum Measurement { Period = 0, Impulse = 1, Frequency = 2 };

    int gateInput = 0;            // Combo1: 0 "EnableC", 1 "ResetC", -1 nothing chosen
    bool gateEdge = false;        // rbSignal(1) edge triggered, rbSignal(0) level triggered
    bool invertA = false;         // cBoxEingang(0)
    bool invertB = false;         // cBoxEingang(1)
    bool invertGate = false;      // cBoxEingang(2)
    int countMode = 0;            // rbMode(0..3): x1, x2, x3, x4
    bool ccoStatic = false;       // rbStore(0) static, rbStore(1) impulse
    bool invertCco = false;       // cBoxAusgang(0)
    bool enableMEdge = false;     // rbSignal(3) edge triggered, rbSignal(2) level triggered
    bool invertEnableM = false;   // cBoxEingang(3)
    bool tcoStatic = false;       // rbStore(2) static, rbStore(3) impulse
    int measurement = Impulse;    // rbMessung(0..2)
    bool autoStart = false;       // rbMessung(3) automatic, rbMessung(4) manual
    bool measureInvertA = false;  // cBoxMessung

    // "Input A inverted" belongs to the impulse measurement only.
    bool measureInvertAEnabled() const { return measurement == Impulse; }
    // Choosing a measurement; leaving the impulse measurement clears the box.
    void setMeasurement(int m);

    void load(const RowEintrag& r);
    // Rebuilds Param2, Param3 and Param4.
    void store(RowEintrag& r) const;
};

}  // namespace rm
