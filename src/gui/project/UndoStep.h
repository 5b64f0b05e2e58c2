// One user action on a project window as one step of its history: the
// state is taken when the step starts and compared when it ends; an action
// that changed nothing leaves no step.
#pragma once

#include "gui/app/WorkTexts.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

class UndoStep {
public:
    UndoStep(ProjectWindow& window, OwnText action) : window_(window)
    {
        window_.history().begin(window_.table(), workText(window_.session(), action).toStdString());
    }
    ~UndoStep()
    {
        // Without a step the modified state stays as the action left it.
        if (window_.history().end(window_.table())) window_.historyChanged();
    }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    ProjectWindow& window_;
};

}  // namespace rm::gui
