// The frame every module dialog shares: the identification and location
// fields, the start-address boxes with the end address beside each, and the
// checks of what was typed into number fields before anything is stored.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/TextTable.h"
#include "core/modules/ModuleOk.h"
#include "core/record/RowEintrag.h"

namespace rm {

// Which start-address boxes a dialog shows. With both, box 0 holds the
// inputs and box 1 the outputs. None: a dialog without addresses (the CPU).
enum class AddressBoxes { None, Inputs, Outputs, Both };
constexpr bool hasInputBox(AddressBoxes b)
{
    return b == AddressBoxes::Inputs || b == AddressBoxes::Both;
}
constexpr bool hasOutputBox(AddressBoxes b)
{
    return b == AddressBoxes::Outputs || b == AddressBoxes::Both;
}
// The boxes a record's flags call for (inputs 0x4000, outputs 0x2000).
AddressBoxes addressBoxesFor(const RowEintrag& record);

// The highest start address a box takes; a start from 32000 on is refused
// with the shared limit message of the OK sequence.
inline constexpr long kHighestStart = 31999;

// End addresses as shown beside the start boxes: the input end as a 32-bit
// sum, the output end kept to 16 bits like the output start it belongs to.
int32_t inputEnd(int32_t base, int32_t count);
int16_t outputEnd(int16_t base, int16_t count);

// A whole number typed into a field. Blanks around it and a leading sign
// (blanks after it too) are taken; anything else makes it not a number.
enum class NumberProblem { None, Empty, NotANumber, OutOfRange };
struct ParsedNumber {
    NumberProblem problem = NumberProblem::None;
    long long value = 0;  // saturated when too long for 64 bits
};
ParsedNumber parseNumber(std::string_view text, long long min, long long max);

// The message for a refused field in the language of `texts`: names the
// field, what is wrong and the range it takes.
std::string numberMessage(const Texts& texts, const std::string& field, NumberProblem problem, long long min,
                          long long max);
// The message for a minimum above the maximum.
std::string orderMessage(const Texts& texts, const std::string& minField, const std::string& maxField);

// parseNumber and numberMessage together: the value, or nothing and the message.
std::optional<long long> checkNumberField(const Texts& texts, std::string_view text, const std::string& field,
                                          long long min, long long max, std::string* message);

// A caption made into a field name for messages: trailing blanks and colon dropped.
std::string fieldName(const std::string& caption);

struct FrameForm {
    AddressBoxes boxes = AddressBoxes::Both;

    std::string lblBestellNr;
    std::string lblKurzbez;
    std::string txtBezeichnung;
    // The comment has several lines: "\n" while edited, CR LF in the record.
    std::string txtKommentar;
    std::string loadedKommentar;
    std::string lblTraeger;
    std::string lblSteckplatz;
    // Start boxes, index 0 inputs, 1 outputs (a box not shown is ignored).
    std::array<std::string, 2> txtAnfangsAdresse;
    // Byte counts the end addresses are computed from.
    int32_t inCnt = 0;
    int16_t outCnt = 0;

    void load(const RowEintrag& record, const std::string& station, const std::string& slot, AddressBoxes which);
    // The end address of a box as shown; empty while its start is not one
    // the box takes (0 to 31999).
    std::string lblEnde(int box) const;
    // OK step 1: the order number, description and comment into the record.
    // A comment left as it was loaded goes back byte for byte.
    void storeTexts(RowEintrag& record) const;
    // The typed starts; nothing (and the message naming the field) when a
    // box is empty, not a number or negative. Starts from 32000 on pass, so
    // that the OK sequence refuses them with its limit message.
    std::optional<EnteredAddresses> entered(const Texts& texts, std::string* message, int* badBox = nullptr) const;
    // "Input Start" / "Output Start" in the language of `texts`.
    static std::string boxName(const Texts& texts, int box);
};

}  // namespace rm
