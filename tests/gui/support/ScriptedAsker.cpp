#include "gui/support/ScriptedAsker.h"

#include "core/base/DecliningAsker.h"

namespace rm::gui::test {

int ScriptedAsker::ShowMessage(const std::string& prompt, const std::string& title, int s)
{
    asked.push_back({prompt, title, s});
    if (answers_.empty()) {
        unexpected.push_back({prompt, title, s});
        return declinedAnswer(s);
    }
    const int a = answers_.front();
    answers_.pop_front();
    return a;
}

const ScriptedAsker::Asked& ScriptedAsker::last() const
{
    static const Asked none{};
    return asked.empty() ? none : asked.back();
}

}  // namespace rm::gui::test
