#include "gui/modules/FrameDialogs.h"

#include "gui/modules/AnalogInputDialog.h"
#include "gui/modules/DigitalDialogs.h"
#include "gui/modules/TemperatureDialog.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

void registerFrameDialogs()
{
    auto& dialogs = ProjectWindow::dialogs();
    dialogs[DialogKind::DigitalInput] = rowDialogOf<DigitalInputDialog>();
    dialogs[DialogKind::DigitalOutput] = rowDialogOf<DigitalOutputDialog>();
    dialogs[DialogKind::DigitalCombined] = rowDialogOf<DigitalCombinedDialog>();
    dialogs[DialogKind::AnalogInput] = rowDialogOf<AnalogInputDialog>();
    dialogs[DialogKind::Temperature] = rowDialogOf<TemperatureDialog>();
}

}  // namespace rm::gui
