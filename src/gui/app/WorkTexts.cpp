#include "gui/app/WorkTexts.h"

#include "core/base/TextTable.h"

namespace rm::gui {

QString workText(const Session& session, OwnText which)
{
    return QString::fromUtf8(ownText(session.app.texts, which));
}

QString workText(const Session& session, OwnText which, const QString& arg1, const QString& arg2)
{
    QString s = workText(session, which).replace("%1", arg1);
    return arg2.isNull() ? s : s.replace("%2", arg2);
}

}  // namespace rm::gui
