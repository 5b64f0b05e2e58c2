// The user-interface texts in three languages, addressed by a 1000-based id.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace rm {

inline constexpr int kEnglishBase = 1000;
inline constexpr int kGermanBase = 2000;
inline constexpr int kFrenchBase = 3000;
inline constexpr int kTextBlockSize = 319;  // offsets 0..318

// The text with this id, or nothing when the id is not defined.
std::optional<std::string> textById(int id);

// Every defined id of one block, ascending (base 1000, 2000 or 3000).
std::vector<int> definedIds(int base);

// Texts of the active language: text(k) is the text with id base + k.
// A window caption written as a number ("038") is translated by caption().
class Texts {
public:
    explicit Texts(int languageBase = kEnglishBase) : base_(languageBase) {}
    int base() const { return base_; }
    std::string text(int offset) const;
    // Same, addressed by the English id (1000..1318).
    std::string byEnglishId(int id) const { return text(id - kEnglishBase); }
    // Caption rule: a design text that is a decimal number is replaced by that
    // offset's text; anything else ("&OK", "-") stays as it is.
    std::string caption(const std::string& designText) const;

private:
    int base_;
};

// The 34 message texts (offsets 66 to 99), read once after the language is chosen.
struct MessageTexts {
    std::string msg[34];
    const std::string& operator[](int englishId) const { return msg[englishId - 1066]; }
};
MessageTexts LoadMessageTexts(const Texts& texts);

// The one of three texts that is in the language of `texts`. The program's
// own texts are named in OwnTexts.h and reached through ownText().
const char* byLanguage(const Texts& texts, const char* en, const char* de, const char* fr);
// Whether a count of n takes the singular in the language of `texts`
// (French counts 0 as singular, English and German only 1).
bool singularCount(const Texts& texts, long long n);
// Replaces %1, %2 ... in order.
std::string fillArgs(std::string format, std::initializer_list<std::string> args);

}  // namespace rm
