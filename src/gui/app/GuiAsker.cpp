#include "gui/app/GuiAsker.h"

#include <QApplication>
#include <QMessageBox>

namespace rm::gui {

namespace {
bool scripted = false;
std::deque<int> answers;

int defaultAnswer(int s)
{
    switch (style::buttons(s)) {
        case style::YesNo:
            return answer::No;
        case style::YesNoCancel:
        case style::OkCancel:
            return answer::Cancel;
        default:
            return answer::Ok;
    }
}
}  // namespace

std::vector<GuiAsker::Asked> GuiAsker::asked;
std::vector<GuiAsker::Asked> GuiAsker::unexpected;

void GuiAsker::setScripted(bool on)
{
    scripted = on;
    answers.clear();
    asked.clear();
    unexpected.clear();
}

void GuiAsker::setNextAnswers(std::deque<int> next)
{
    answers = std::move(next);
}

int GuiAsker::ShowMessage(const std::string& prompt, const std::string& title, int s)
{
    if (scripted) {
        asked.push_back({prompt, title, s});
        if (answers.empty()) {
            unexpected.push_back({prompt, title, s});
            return defaultAnswer(s);
        }
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    QMessageBox box(parent_ ? parent_ : QApplication::activeWindow());
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
            return defaultAnswer(s) == answer::Ok ? answer::Ok : answer::Cancel;  // closed with Escape
    }
}

}  // namespace rm::gui
