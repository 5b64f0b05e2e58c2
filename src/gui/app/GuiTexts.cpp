#include "gui/app/GuiTexts.h"

namespace rm::gui {

QString extraText(const Session& session, OwnText which)
{
    return QString::fromUtf8(ownText(session.app.texts, which));
}

}  // namespace rm::gui
