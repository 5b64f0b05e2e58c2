// The warning beep of refused input. Counted, so a test can tell a refused
// key from a taken one.
#pragma once

namespace rm::gui {

void beep();
int beepCount();

}  // namespace rm::gui
