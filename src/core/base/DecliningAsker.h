// The answers of nobody at the screen: nothing is risked, nothing waits.
#pragma once

#include "core/base/Messages.h"

namespace rm {

// No to a yes-or-no question, Cancel where Cancel is offered, OK to a
// notice. A message box closed with Escape answers so too.
inline constexpr int declinedAnswer(int s)
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

// Declines every question and shows nothing: for work without a user.
class DecliningAsker : public Asker {
public:
    int ShowMessage(const std::string&, const std::string&, int s) override { return declinedAnswer(s); }
};

}  // namespace rm
