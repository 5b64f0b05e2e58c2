// PosTyp1: modules with inputs and outputs but no parameters of their own
// (positioning and motion modules and the like): the module frame with
// both start addresses and nothing else.
#pragma once

#include "gui/modules/AddressTabDialog.h"

namespace rm::gui {

class PositioningDialog : public AddressTabDialog {
    Q_OBJECT

public:
    PositioningDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    int helpContext() const override { return 16; }
};

}  // namespace rm::gui
