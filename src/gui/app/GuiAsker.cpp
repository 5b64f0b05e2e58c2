#include "gui/app/GuiAsker.h"

#include <QApplication>
#include <QMessageBox>

#include "gui/app/MainWindow.h"

namespace rm::gui {

namespace {
// The answer of a box closed without a button (Escape or the window's close button).
int closedAnswer(int s)
{
    switch (style::buttons(s)) {
        case style::YesNo:
        case style::YesNoCancel:
        case style::OkCancel:
            return answer::Cancel;
        default:
            return answer::Ok;
    }
}

QWidget* mainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<MainWindow*>(w)) return w;
    return nullptr;
}
}  // namespace

int GuiAsker::ShowMessage(const std::string& prompt, const std::string& title, int s)
{
    QWidget* parent = mainWindow();
    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(title.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(title));
    box.setText(QString::fromStdString(prompt));
    switch (style::icon(s)) {
        case style::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case style::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case style::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case style::Information:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
    }
    switch (style::buttons(s)) {
        case style::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case style::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case style::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return answer::Yes;
        case QMessageBox::No:
            return answer::No;
        case QMessageBox::Cancel:
            return answer::Cancel;
        case QMessageBox::Ok:
            return answer::Ok;
        default:
            return closedAnswer(s);
    }
}

}  // namespace rm::gui
