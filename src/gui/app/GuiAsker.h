// Questions of the rules, asked with a message box in the chosen language.
// The program's session asks through this one; the tests give theirs an
// asker of their own.
#pragma once

#include <string>

#include "core/base/Messages.h"

namespace rm::gui {

class GuiAsker : public Asker {
public:
    // The box belongs to the main window once there is one, else to the active window.
    int ShowMessage(const std::string& prompt, const std::string& title, int style) override;
};

}  // namespace rm::gui
