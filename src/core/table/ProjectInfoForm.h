// The rules of the project information dialog: what may be typed into the
// three header fields, the reserved word of each, and when the dialog hands
// its fields back to the project information record.
#pragma once

#include <array>
#include <string>

#include "core/record/RowEintrag.h"

namespace rm {

// Header values end up as the NAME, FAMILY and AUTHOR lines of the data block
// source, which takes at most 8 characters.
inline constexpr std::size_t kHeaderMaxChars = 8;
inline constexpr int kHeaderFields = 3;  // 0 ProjektName, 1 Familie, 2 Autor

// What a character typed into a header field does.
enum class HeaderKey {
    Accept,   // goes into the field
    Confirm,  // Enter: confirms the dialog like OK
    Reject,   // refused with a beep
};

struct ProjectInfoForm {
    std::array<std::string, kHeaderFields> header;
    std::string Beschreibung;  // line breaks as "\n" while edited
    std::string Notizen;

    bool Cancelled = false;
    bool Loading = false;
    bool Changed = false;

    // Fills the form from the record and clears its confirmation flag.
    void load(ProjectInfo& info);
    // An edit of any field; ignored while loading.
    void edited()
    {
        if (!Loading) Changed = true;
    }
    // Hands the fields back and confirms the record, but only when something
    // was edited (after OK and after Cancel alike).
    void unload(ProjectInfo& info) const;

    // The key filter of a header field. current is the text the character
    // would be added to (a selection it replaces already removed). Letters and
    // the six characters between Z and a are always taken, digits only after
    // the first character, nothing beyond the eighth.
    static HeaderKey headerKey(const std::string& current, char32_t c);
    static bool acceptsChar(const std::string& current, char32_t c)
    {
        return headerKey(current, c) == HeaderKey::Accept;
    }

    // "name", "family", "author": a header field cannot be left holding its
    // own keyword, whatever its case.
    static const char* reservedWord(int field);
    static bool isReserved(int field, const std::string& value);
    // The first header field holding its reserved word, or -1.
    int reservedField() const;
};

// Characters of a UTF-8 text (not bytes).
std::size_t utf8Length(const std::string& s);

}  // namespace rm
