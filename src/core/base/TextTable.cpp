#include "core/base/TextTable.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "core/base/TextData.h"

namespace rm {
namespace {

const std::unordered_map<int, const char*>& table()
{
    static const auto* map = [] {
        auto* m = new std::unordered_map<int, const char*>;
        for (std::size_t i = 0; i < detail::kTextDataCount; ++i)
            m->emplace(detail::kTextData[i].id, detail::kTextData[i].text);
        return m;
    }();
    return *map;
}

}  // namespace

std::optional<std::string> textById(int id)
{
    auto it = table().find(id);
    if (it == table().end()) return std::nullopt;
    return std::string(it->second);
}

std::vector<int> definedIds(int base)
{
    std::vector<int> ids;
    for (const auto& [id, text] : table())
        if (id >= base && id < base + kTextBlockSize) ids.push_back(id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::string Texts::text(int offset) const
{
    return textById(base_ + offset).value_or(std::string());
}

std::string Texts::caption(const std::string& designText) const
{
    if (designText.empty() || designText.size() > 4 || !std::all_of(designText.begin(), designText.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return designText;
    return text(std::stoi(designText));
}

MessageTexts LoadMessageTexts(const Texts& texts)
{
    MessageTexts m;
    for (int k = 0; k < 34; ++k) m.msg[k] = texts.text(66 + k);
    return m;
}

const char* byLanguage(const Texts& texts, const char* en, const char* de, const char* fr)
{
    return texts.base() == kGermanBase ? de : texts.base() == kFrenchBase ? fr : en;
}

bool singularCount(const Texts& texts, long long n)
{
    return n == 1 || (texts.base() == kFrenchBase && n == 0);
}

std::string fillArgs(std::string format, std::initializer_list<std::string> args)
{
    int n = 1;
    for (const std::string& a : args) {
        const std::string mark = "%" + std::to_string(n++);
        const auto pos = format.find(mark);
        if (pos != std::string::npos) format.replace(pos, mark.size(), a);
    }
    return format;
}

}  // namespace rm
