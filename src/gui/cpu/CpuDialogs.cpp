#include "gui/cpu/CpuDialogs.h"

#include "gui/cpu/CpuDialog.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

void registerCpuDialog()
{
    ProjectWindow::dialogs()[DialogKind::Cpu] = [](Session& session, ProjectTable& table, QWidget* parent) {
        CpuDialog dialog(session, table, parent);
        return dialog.run();
    };
}

}  // namespace rm::gui
