#include "gui/app/HintTexts.h"

#include "core/base/TextTable.h"

namespace rm::gui {

QString hintText(const Session& session, OwnText which)
{
    return QString::fromUtf8(ownText(session.app.texts, which));
}

QString hintText(const Session& session, OwnText which, const QString& arg1, const QString& arg2)
{
    QString s = hintText(session, which).replace("%1", arg1);
    return arg2.isNull() ? s : s.replace("%2", arg2);
}

}  // namespace rm::gui
