#include "core/modules/ModuleFrame.h"
#include "core/base/OwnTexts.h"
#include "core/base/TextIds.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <limits>

namespace rm {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string toEditLines(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) out += s[i];
    return out;
}

std::string toRecordLines(const std::string& s)
{
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) out += '\r';
        out += s[i];
    }
    return out;
}

}  // namespace

AddressBoxes addressBoxesFor(const RowEintrag& r)
{
    const bool in = r.hasFlag(flags::Inputs);
    const bool out = r.hasFlag(flags::Outputs);
    if (in && out) return AddressBoxes::Both;
    if (in) return AddressBoxes::Inputs;
    if (out) return AddressBoxes::Outputs;
    return AddressBoxes::None;
}

int32_t inputEnd(int32_t base, int32_t count)
{
    return static_cast<int32_t>(int64_t{base} + count - 1);
}

int16_t outputEnd(int16_t base, int16_t count)
{
    return static_cast<int16_t>(base + count - 1);
}

ParsedNumber parseNumber(std::string_view text, long long min, long long max)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return {NumberProblem::Empty, 0};
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
        while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);  // "- 5" as typed before a shown " 5"
    }
    if (text.empty()) return {NumberProblem::NotANumber, 0};
    for (char c : text)
        if (c < '0' || c > '9') return {NumberProblem::NotANumber, 0};
    unsigned long long magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    (void)end;
    long long value;
    constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    if (ec == std::errc::result_out_of_range || magnitude > kMax)
        value = negative ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    else
        value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    if (value < min || value > max) return {NumberProblem::OutOfRange, value};
    return {NumberProblem::None, value};
}

std::string numberMessage(const Texts& texts, const std::string& field, NumberProblem problem, long long min,
                          long long max)
{
    OwnText what = OwnText::FieldEmpty;
    switch (problem) {
        case NumberProblem::None:
            return {};
        case NumberProblem::Empty:
            what = OwnText::FieldEmpty;
            break;
        case NumberProblem::NotANumber:
            what = OwnText::FieldNotWholeNumber;
            break;
        case NumberProblem::OutOfRange:
            what = OwnText::FieldOutOfRange;
            break;
    }
    return ownText(texts, what, {field}) + "\n" +
           ownText(texts, OwnText::EnterWholeNumber, {std::to_string(min), std::to_string(max)});
}

std::string orderMessage(const Texts& texts, const std::string& minField, const std::string& maxField)
{
    return ownText(texts, OwnText::FieldAboveOther, {minField, maxField});
}

std::optional<long long> checkNumberField(const Texts& texts, std::string_view text, const std::string& field,
                                          long long min, long long max, std::string* message)
{
    const ParsedNumber n = parseNumber(text, min, max);
    if (n.problem == NumberProblem::None) return n.value;
    if (message) *message = numberMessage(texts, field, n.problem, min, max);
    return std::nullopt;
}

std::string fieldName(const std::string& caption)
{
    std::string s = caption;
    while (!s.empty() && (isBlank(s.back()) || s.back() == ':')) s.pop_back();
    std::size_t first = 0;
    while (first < s.size() && isBlank(s[first])) ++first;
    return s.substr(first);
}

void FrameForm::load(const RowEintrag& r, const std::string& station, const std::string& slot, AddressBoxes which)
{
    boxes = which;
    lblBestellNr = r.BestellNr;
    lblKurzbez = r.Bezeichnung;
    txtBezeichnung = r.Bezeichnung;
    txtKommentar = toEditLines(r.Kommentar);
    loadedKommentar = r.Kommentar;
    lblTraeger = station;
    lblSteckplatz = slot;
    txtAnfangsAdresse = {std::to_string(r.InBase), std::to_string(r.OutBase)};
    inCnt = r.InCnt;
    outCnt = r.OutCnt;
}

std::string FrameForm::lblEnde(int box) const
{
    const ParsedNumber start = parseNumber(txtAnfangsAdresse.at(static_cast<std::size_t>(box)), 0, kHighestStart);
    if (start.problem != NumberProblem::None) return {};
    if (box == 0) return std::to_string(inputEnd(static_cast<int32_t>(start.value), inCnt));
    return std::to_string(outputEnd(static_cast<int16_t>(start.value), outCnt));
}

void FrameForm::storeTexts(RowEintrag& r) const
{
    r.BestellNr = lblBestellNr;
    r.Bezeichnung = txtBezeichnung;
    r.Kommentar = txtKommentar == toEditLines(loadedKommentar) ? loadedKommentar : toRecordLines(txtKommentar);
}

std::string FrameForm::boxName(const Texts& texts, int box)
{
    return fieldName(texts.byEnglishId(box == 0 ? txt::Input : txt::Output)) + " " +
           fieldName(texts.byEnglishId(txt::StartLabel));
}

std::optional<EnteredAddresses> FrameForm::entered(const Texts& texts, std::string* message, int* badBox) const
{
    EnteredAddresses e;
    e.hasIn = hasInputBox(boxes);
    e.hasOut = hasOutputBox(boxes);
    for (int box = 0; box < 2; ++box) {
        if (!(box == 0 ? e.hasIn : e.hasOut)) continue;
        const ParsedNumber n =
            parseNumber(txtAnfangsAdresse[static_cast<std::size_t>(box)], 0, std::numeric_limits<long long>::max());
        if (n.problem != NumberProblem::None) {
            if (message) *message = numberMessage(texts, boxName(texts, box), n.problem, 0, kHighestStart);
            if (badBox) *badBox = box;
            return std::nullopt;
        }
        // From 32000 on the OK sequence refuses with its own limit message.
        const long start = static_cast<long>(std::min<long long>(n.value, kHighestStart + 1));
        (box == 0 ? e.in : e.out) = start;
    }
    return e;
}

}  // namespace rm
