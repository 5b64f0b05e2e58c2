#include "gui/modules/PositioningDialog.h"

#include <QTabWidget>

namespace rm::gui {

PositioningDialog::PositioningDialog(Session& session, ProjectTable& table, QWidget* parent)
    : AddressTabDialog(session, table, parent)
{
    setObjectName("PosTyp1");
    tabs()->setObjectName("SSTab2");
}

}  // namespace rm::gui
