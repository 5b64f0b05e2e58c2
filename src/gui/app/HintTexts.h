// Texts that guide the user where a field or a message leaves them
// guessing: the hints and tooltips of the CPU dialog's fields, the line
// after the fixed language-change message and the meaning of captions that
// read the same in every language, in the language of the session. They are
// named in the program's one table of own texts (OwnTexts.h).
#pragma once

#include <QString>

#include "core/base/OwnTexts.h"
#include "gui/app/Session.h"

namespace rm::gui {

QString hintText(const Session& session, OwnText which);
QString hintText(const Session& session, OwnText which, const QString& arg1, const QString& arg2 = {});

}  // namespace rm::gui
