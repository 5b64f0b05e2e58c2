// The tests' answers to the program's questions: taken from a queue, every
// question recorded, and one with no answer queued recorded as unexpected
// (answered No, Cancel or OK: the box's safest button).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/base/Messages.h"

namespace rm::gui::test {

class ScriptedAsker : public Asker {
public:
    struct Asked {
        std::string prompt, title;
        int style = 0;
    };

    int ShowMessage(const std::string& prompt, const std::string& title, int style) override;

    void setNextAnswers(std::deque<int> answers) { answers_ = std::move(answers); }
    // The last question asked; empty when there was none.
    const Asked& last() const;
    std::string lastPrompt() const { return last().prompt; }

    std::vector<Asked> asked;
    std::vector<Asked> unexpected;

private:
    std::deque<int> answers_;
};

}  // namespace rm::gui::test
