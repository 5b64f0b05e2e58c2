#include "gui/modules/MotionDialogs.h"

#include "gui/modules/AnalogOutputDialogs.h"
#include "gui/modules/CounterDialog.h"
#include "gui/modules/EncoderDialogs.h"
#include "gui/modules/PositioningDialog.h"

namespace rm::gui {

void registerMotionDialogs()
{
    auto& dialogs = ProjectWindow::dialogs();
    dialogs[DialogKind::Counter] = rowDialogOf<CounterDialog>();
    dialogs[DialogKind::AnalogOutput] = rowDialogOf<AnalogOutputDialog>();
    dialogs[DialogKind::AnalogCombined] = rowDialogOf<AnalogCombinedDialog>();
    dialogs[DialogKind::Encoder] = rowDialogOf<SsiEncoderDialog>();
    dialogs[DialogKind::TwoAxisEncoder] = rowDialogOf<TwoAxisEncoderDialog>();
    dialogs[DialogKind::Positioning] = rowDialogOf<PositioningDialog>();
}

}  // namespace rm::gui
