// Texts of the desktop program's additions (print preview, PDF export and
// the like), in the language of the session. They are named in the program's
// one table of own texts (OwnTexts.h).
#pragma once

#include <QString>

#include "core/base/OwnTexts.h"
#include "gui/app/Session.h"

namespace rm::gui {

QString extraText(const Session& session, OwnText which);

}  // namespace rm::gui
