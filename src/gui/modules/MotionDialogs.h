// The dialogs of the counter, analog output, encoder and positioning
// families, put into the project window's table of row dialogs.
#pragma once

namespace rm::gui {

void registerMotionDialogs();

}  // namespace rm::gui
