// The module dialogs whose start addresses have a page of their own: tab 0
// "General" with the module and its location, tab 1 "Addresses", then the
// family's pages. Also the few helpers their pages share.
#pragma once

#include <QAbstractSpinBox>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "gui/modules/ModuleDialog.h"

class QButtonGroup;
class QCheckBox;
class QLayout;

namespace rm::gui {

class AddressTabDialog : public ModuleDialog {
    Q_OBJECT

public:
    AddressTabDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    // Brings the page of a refused field to the front and puts the caret in it.
    void showField(QWidget* field);
};

// Option buttons of one group, named name<firstIndex>, name<firstIndex + 1> ...
// and added to layout; `checked` (relative, -1 for none) is selected, and a
// click calls chosen with the relative index of the button.
QButtonGroup* optionGroup(QObject* owner, const QString& name, int firstIndex, const QStringList& captions, int checked,
                          QLayout* layout, std::function<void(int)> chosen);
// A check box that keeps a form field up to date.
QCheckBox* boundCheckBox(const QString& name, const QString& text, bool* field);

// A number box with an up-down control. It takes any text, so that what the
// user typed reaches the dialog's check as typed; the arrows step from the
// number shown, within the range.
class UpDownBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    UpDownBox(int min, int max, QWidget* parent = nullptr);
    void setText(const QString& text);
    void stepBy(int steps) override;

signals:
    void textEdited(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    int min_;
    int max_;
};

// Keeps a control's place in the layout while it is hidden, so that the
// dialog does not change its size when a choice shows or hides it.
void keepPlaceWhenHidden(QWidget* w);

inline QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace rm::gui
