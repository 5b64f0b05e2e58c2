// Texts of undo and redo, the catalog search, the address overview, the I/O
// list, the project comparison, the symbol table and the safety of unsaved
// work (locks, recovery files, changes on disk), in the language of the
// session. They are named in the program's one table of own texts (OwnTexts.h).
#pragma once

#include <QString>

#include "core/base/OwnTexts.h"
#include "gui/app/Session.h"

namespace rm::gui {

QString workText(const Session& session, OwnText which);
QString workText(const Session& session, OwnText which, const QString& arg1, const QString& arg2 = {});

}  // namespace rm::gui
