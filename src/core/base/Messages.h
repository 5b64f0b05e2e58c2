// The one way the rules ask the user something. The desktop program answers
// with a message box, the tests with a script, the command-line tool by policy.
#pragma once

#include <string>

namespace rm {

// Message-box styles: a button set plus an icon, added together.
namespace style {
inline constexpr int Ok = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int buttons(int s)
{
    return s & 0x0F;
}
inline constexpr int icon(int s)
{
    return s & 0x70;
}
}  // namespace style

// The button pressed.
namespace answer {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace answer

class Asker {
public:
    virtual ~Asker() = default;
    virtual int ShowMessage(const std::string& prompt, const std::string& title, int style) = 0;
};

}  // namespace rm
