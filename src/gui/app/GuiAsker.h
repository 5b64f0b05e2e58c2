// Questions of the rules, asked with a message box in the chosen language.
// Tests replace the boxes: answers queued with setNextAnswers() are taken
// instead of showing anything, and every question is recorded.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/base/Messages.h"

class QWidget;

namespace rm::gui {

class GuiAsker : public Asker {
public:
    int ShowMessage(const std::string& prompt, const std::string& title, int style) override;
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    // ---- test hooks
    struct Asked {
        std::string prompt, title;
        int style;
    };
    // When scripted, answers come from the queue; a question with an empty
    // queue is answered with the box's default button and recorded in unexpected.
    static void setScripted(bool on);
    static void setNextAnswers(std::deque<int> answers);
    static std::vector<Asked> asked;
    static std::vector<Asked> unexpected;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace rm::gui
