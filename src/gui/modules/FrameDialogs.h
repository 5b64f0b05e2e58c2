// Registers the dialogs of the digital, analog input and temperature
// modules with the project windows.
#pragma once

namespace rm::gui {

void registerFrameDialogs();

}  // namespace rm::gui
