// Texts that guide the user where a field or a message leaves them
// guessing: the hints and tooltips of the CPU dialog's fields, the line
// after the fixed language-change message and the meaning of captions that
// read the same in every language, in the three languages of the program.
#pragma once

#include <QString>

#include "gui/app/Session.h"

namespace rm::gui {

enum class HintText {
    // the compiler priority fields
    PriorityExample,  // placeholder
    PriorityRule,     // %1: the most characters
    // the number fields
    NumberRange,  // %1..%2
    WrittenAs,    // %1: the generated entry, e.g. "WEB:IndexDB=<value>"
    ValueWord,    // "value" in such an entry
    PortWord,     // "port" in such an entry
    PassedAsTyped,
    WhenMemorySelected,
    WhenTimings,
    WhenTimeOut,
    // after " Change will take effect on next start  "; %1: the new language
    LanguageNextStart,
    // the tooltip of "Not requested", which reads the same in every language
    NoCpuBlock,
};

QString hintText(const Session& session, HintText which);
QString hintText(const Session& session, HintText which, const QString& arg1, const QString& arg2 = {});

}  // namespace rm::gui
