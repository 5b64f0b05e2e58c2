// The font dialog. A session asks for a font through its FontChooser: the
// program's opens the platform's dialog, the tests give theirs one of their own.
#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace rm::gui {

class FontChooser {
public:
    virtual ~FontChooser() = default;
    // The font chosen, starting from `preset`; nothing when cancelled.
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& preset, const QString& title) = 0;
};

class NativeFontChooser : public FontChooser {
public:
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& preset, const QString& title) override;
};

}  // namespace rm::gui
