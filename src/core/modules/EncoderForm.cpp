#include "core/modules/EncoderForm.h"
#include "core/base/TextIds.h"

#include <algorithm>

#include "core/modules/ModuleFrame.h"

namespace rm {

namespace {

bool bit(int16_t word, int n)
{
    return (static_cast<uint16_t>(word) >> n) & 1u;
}

std::optional<long long> validBits(const std::string& text, int min, int max)
{
    const ParsedNumber n = parseNumber(text, min, max);
    if (n.problem != NumberProblem::None) return std::nullopt;
    return n.value;
}

// The text of a stored bit count, moved into the range where it lies outside.
std::string nearestBits(int16_t stored, int min, int max)
{
    return std::to_string(std::clamp<int>(stored, min, max));
}

}  // namespace

// ---------------------------------------------------------------- SSI encoder interface

void SsiEncoderForm::load(const RowEintrag& r)
{
    mode = bit(r.Param3, 3) ? 1 : 0;
    format = bit(r.Param3, 2) ? 0 : 1;
    frequency = r.Param3 & 3;
    dataBits = nearestBits(r.Param4, kMinBits, kMaxBits);
}

bool SsiEncoderForm::check(const Texts& texts, std::string* message) const
{
    return checkNumberField(texts, dataBits, fieldName(texts.byEnglishId(txt::DataBitCount)), kMinBits, kMaxBits,
                            message)
        .has_value();
}

void SsiEncoderForm::store(RowEintrag& r) const
{
    int p3 = 0;
    if (mode == 1) p3 += 8;
    if (format == 0) p3 += 4;
    p3 += frequency & 3;
    r.Param3 = static_cast<int16_t>(p3);
    r.Param4 = static_cast<int16_t>(validBits(dataBits, kMinBits, kMaxBits).value_or(0));
}

// ---------------------------------------------------------------- two-axis module

void EncoderAxis::load(const RowEintrag& r)
{
    type = bit(r.Modus, 0) ? 1 : 0;
    dataBits = loadedBits = nearestBits(r.Param3, kMinBits, kMaxBits);
    format = bit(r.Param4, 2) ? 1 : 0;
    frequency = bit(r.Param4, 1) ? 2 : bit(r.Param4, 0) ? 1 : 0;
}

bool EncoderAxis::check(const Texts& texts, const std::string& axisName, std::string* message) const
{
    // The bit count of an incremental encoder is not used and not checked.
    if (!detailsVisible()) return true;
    const std::string field = fieldName(texts.byEnglishId(txt::DataBitCount)) + " (" + axisName + ")";
    return checkNumberField(texts, dataBits, field, kMinBits, kMaxBits, message).has_value();
}

void EncoderAxis::store(RowEintrag& r) const
{
    r.Modus = static_cast<int16_t>(type == 1 ? 1 : 0);
    if (type == 1 || dataBits != loadedBits)
        if (const auto bits = validBits(dataBits, kMinBits, kMaxBits)) r.Param3 = static_cast<int16_t>(*bits);
    int p4 = format == 1 ? 4 : 0;
    if (frequency == 2)
        p4 |= 2;
    else if (frequency == 1)
        p4 |= 1;
    r.Param4 = static_cast<int16_t>(p4);
}

void TwoAxisEncoderForm::load(const RowEintrag& axisX, const RowEintrag& axisY, bool withAxisY)
{
    x.load(axisX);
    hasAxisY = withAxisY;
    y = {};
    if (hasAxisY) y.load(axisY);
}

bool TwoAxisEncoderForm::check(const Texts& texts, std::string* message, int* badAxis) const
{
    if (!x.check(texts, texts.byEnglishId(txt::AxisX), message)) {
        if (badAxis) *badAxis = 0;
        return false;
    }
    if (hasAxisY && !y.check(texts, texts.byEnglishId(txt::AxisY), message)) {
        if (badAxis) *badAxis = 1;
        return false;
    }
    return true;
}

void TwoAxisEncoderForm::store(RowEintrag& axisX, RowEintrag& axisY) const
{
    x.store(axisX);
    if (hasAxisY) y.store(axisY);
}

bool isAxisYRow(const ProjectTable& table, int headRow)
{
    if (headRow < 1 || headRow >= table.lastRow()) return false;
    const RowEintrag& head = table.record(headRow);
    const RowEintrag& next = table.record(headRow + 1);
    return head.IsHead != kFalse && head.SonNbr >= 1 && next.IsHead == kFalse && next.SonNbr == 1 &&
           next.BestellNr == head.BestellNr && !table.rowEmpty(headRow + 1);
}

}  // namespace rm
