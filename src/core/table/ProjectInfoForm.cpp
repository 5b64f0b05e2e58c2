#include "core/table/ProjectInfoForm.h"

#include <cctype>

namespace rm {

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kEnter = 13;

// Records keep line breaks as CR LF, as the project files have always held
// them; the edit boxes work with "\n".
std::string toEditLines(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
        out += s[i];
    }
    return out;
}

std::string toRecordLines(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) out += '\r';
        out += s[i];
    }
    return out;
}

}  // namespace

std::size_t utf8Length(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

void ProjectInfoForm::load(ProjectInfo& info)
{
    info.InfoBestaetigt = kFalse;
    Cancelled = false;
    Changed = false;
    Loading = true;
    header = {info.ProjektName, info.Familie, info.Autor};
    Beschreibung = toEditLines(info.Beschreibung);
    Notizen = toEditLines(info.Notizen);
    Loading = false;
}

void ProjectInfoForm::unload(ProjectInfo& info) const
{
    if (!Changed) return;
    info.ProjektName = header[0];
    info.Familie = header[1];
    info.Autor = header[2];
    info.Beschreibung = toRecordLines(Beschreibung);
    info.Notizen = toRecordLines(Notizen);
    info.InfoBestaetigt = kTrue;
}

HeaderKey ProjectInfoForm::headerKey(const std::string& current, char32_t c)
{
    if (c == kBackspace) return HeaderKey::Accept;
    if (c == kEnter) return HeaderKey::Confirm;
    if (utf8Length(current) >= kHeaderMaxChars) return HeaderKey::Reject;
    if (c >= 65 && c <= 122) return HeaderKey::Accept;
    if (!current.empty() && c >= '0' && c <= '9') return HeaderKey::Accept;
    return HeaderKey::Reject;
}

const char* ProjectInfoForm::reservedWord(int field)
{
    static const char* const words[kHeaderFields] = {"name", "family", "author"};
    return field >= 0 && field < kHeaderFields ? words[field] : "";
}

bool ProjectInfoForm::isReserved(int field, const std::string& value)
{
    std::string lower = value;
    for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string word = reservedWord(field);
    return !word.empty() && lower == word;
}

int ProjectInfoForm::reservedField() const
{
    for (int i = 0; i < kHeaderFields; ++i)
        if (isReserved(i, header[i])) return i;
    return -1;
}

}  // namespace rm
