// The tests' font dialog: the font set with setNextFont() answers the next
// dialog, setNextFontCancelled() cancels it; a dialog with neither set is
// cancelled and counted as unexpected.
#pragma once

#include <QStringList>

#include "gui/app/FontChooser.h"

namespace rm::gui::test {

class QueuedFontChooser : public FontChooser {
public:
    std::optional<QFont> chooseFont(QWidget*, const QFont&, const QString& title) override
    {
        if (!next_) {
            unexpected << title;
            return std::nullopt;
        }
        const std::optional<QFont> answer = *next_;
        next_.reset();
        return answer;
    }

    void setNextFont(const QFont& font) { next_ = std::optional<QFont>(font); }
    void setNextFontCancelled() { next_ = std::optional<QFont>(); }
    // Titles of the dialogs that found no answer set.
    QStringList unexpected;

private:
    std::optional<std::optional<QFont>> next_;
};

}  // namespace rm::gui::test
