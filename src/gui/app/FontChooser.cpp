#include "gui/app/FontChooser.h"

#include <QFontDialog>

namespace rm::gui {

std::optional<QFont> NativeFontChooser::chooseFont(QWidget* parent, const QFont& preset, const QString& title)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, preset, parent, title);
    if (!ok) return std::nullopt;
    return font;
}

}  // namespace rm::gui
