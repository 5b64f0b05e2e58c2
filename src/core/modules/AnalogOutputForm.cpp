#include "core/modules/AnalogOutputForm.h"

namespace rm {

namespace {

bool isKind1x(int kind)
{
    return (kind & 0xF0) == 0x10;
}

bool sameRange(const OutputChannel& ch, int min, int max, int reset)
{
    return ch.userMin == min && ch.userMax == max && ch.userReset == reset;
}

void setValues(KanalWert& v, int min, int max, int reset)
{
    v.MinVaCh = static_cast<int16_t>(min);
    v.MaxVaCh = static_cast<int16_t>(max);
    v.ResVaCh = static_cast<int16_t>(reset);
}

void takeUserValues(OutputChannel& ch, const KanalWert& v)
{
    ch.userMin = v.MinVaCh;
    ch.userMax = v.MaxVaCh;
    ch.userReset = v.ResVaCh;
}

void setUser(OutputChannel& ch, int16_t min, int16_t max, int16_t reset)
{
    ch.userMin = min;
    ch.userMax = max;
    ch.userReset = reset;
}

// A record may hold fewer channel entries than the module has (an old or
// damaged file); the entries are added rather than written past the end.
KanalWert& channelEntry(RowEintrag& r, int channel, int count)
{
    if (r.KanalWerte.size() < static_cast<std::size_t>(count)) r.KanalWerte.resize(static_cast<std::size_t>(count));
    return r.KanalWerte[static_cast<std::size_t>(channel)];
}

}  // namespace

KanalWert channelValues(const RowEintrag& r, int channel)
{
    if (channel < 0 || static_cast<std::size_t>(channel) >= r.KanalWerte.size()) return {};
    return r.KanalWerte[static_cast<std::size_t>(channel)];
}

// ---------------------------------------------------------------- output modules

void AnalogOutputForm::selectRange(int channel, int item)
{
    OutputChannel& ch = channels.at(static_cast<std::size_t>(channel));
    ch.item = item;
    if (item == range::Custom) {
        ch.boxVisible = false;
    } else if (kind == 0x63 && item != range::None) {
        // The box shows whether the user values are the 4..20 mA form of the range.
        ch.boxVisible = true;
        ch.range4to20 = (item == range::Second && sameRange(ch, 0, 20000, 4000)) ||
                        (item == range::Standard && sameRange(ch, -1023, 4095, 0));
    }
}

void AnalogOutputForm::setUserRange(int channel, int16_t min, int16_t max, int16_t reset)
{
    setUser(channels.at(static_cast<std::size_t>(channel)), min, max, reset);
}

void AnalogOutputForm::load(const RowEintrag& r)
{
    kind = r.Kennung;
    type = typeCode(r.BestellNr);
    // A module of kind 0x1x has no bipolar format: its words do not hold one.
    formatEnabled = {r.hasFlag(0x04), r.hasFlag(0x02) && !isKind1x(kind), r.hasFlag(0x01)};
    format = -1;
    channelCount = 0;
    secondRangeText.clear();
    channels = {};

    if (!showsChannels()) {
        const int f = static_cast<uint16_t>(r.identWord()) & 0xC000;
        int target = -1;
        if (isKind1x(kind))
            target = f == 0x8000 ? 2 : f == 0 ? 0 : -1;
        else if (kind == 0x60)
            target = f == 0 ? 0 : f == 0x8000 ? 1 : f == 0xC000 ? 2 : -1;
        if (target >= 0 && formatEnabled[static_cast<std::size_t>(target)]) format = target;
        return;
    }

    channelCount = kind == 0x63 ? 4 : 6;
    if (type == "E311")
        secondRangeText = "0...10'000";
    else if (type == "E313")
        secondRangeText = "-10'0000...+10'000";
    else if (type == "E312" || kind == 0x63)
        secondRangeText = "0...20'000";
    else
        secondRangeText = "0...10'000";

    for (int i = 0; i < channelCount; ++i) {
        OutputChannel& ch = channels[static_cast<std::size_t>(i)];
        const KanalWert v = channelValues(r, i);
        takeUserValues(ch, v);
        auto is = [&](int min, int max) { return v.MinVaCh == min && v.MaxVaCh == max; };
        int item = range::None;
        if (type == "E311")
            item = is(0, 4095) ? range::Standard : is(0, 10000) ? range::Second : range::Custom;
        else if (type == "E313")
            item = is(0, 4095) ? range::Standard : is(-10000, 10000) ? range::Second : range::Custom;
        else if (type == "E312")
            item = is(0, 20000) ? range::Second : is(-1023, 4095) || is(0, 4095) ? range::Standard : range::Custom;
        selectRange(i, item);
    }
}

void AnalogOutputForm::store(RowEintrag& r) const
{
    if (!showsChannels()) {
        if (format < 0 || !formatEnabled[static_cast<std::size_t>(format)]) return;
        if (isKind1x(kind)) {
            if (format == 0) r.setIdentWord(kind);
            if (format == 2) r.setIdentWord(kind | 0x8000);
        } else if (kind == 0x60) {
            static constexpr int words[] = {0x0060, 0x8060, 0xC060};
            r.setIdentWord(words[format]);
        }
        return;
    }

    for (int i = 0; i < channelCount; ++i) {
        const OutputChannel& ch = channels[static_cast<std::size_t>(i)];
        if (ch.item == range::None) continue;
        KanalWert& v = channelEntry(r, i, channelCount);
        if (ch.item == range::Custom) {
            setValues(v, ch.userMin, ch.userMax, ch.userReset);
        } else if (kind == 0x63) {
            if (ch.item == range::Standard)
                setValues(v, ch.range4to20 ? -1023 : 0, 4095, 0);
            else
                setValues(v, 0, 20000, ch.range4to20 ? 4000 : 0);
        } else if (ch.item == range::Standard) {
            setValues(v, 0, 4095, 0);
        } else if (type == "E311") {
            setValues(v, 0, 10000, 0);
        } else if (type == "E313") {
            setValues(v, -10000, 10000, 0);
        } else {
            v.ResVaCh = 0;  // a module without a second range of its own keeps its values
        }
    }
}

// ---------------------------------------------------------------- combined modules

const char* AnalogCombinedForm::secondRangeText()
{
    return "0...l0'000";
}

void AnalogCombinedForm::selectRange(int channel, int item)
{
    channels.at(static_cast<std::size_t>(channel)).item = item;
}

void AnalogCombinedForm::setUserRange(int channel, int16_t min, int16_t max, int16_t reset)
{
    setUser(channels.at(static_cast<std::size_t>(channel)), min, max, reset);
}

void AnalogCombinedForm::load(const RowEintrag& r)
{
    const int word = static_cast<uint16_t>(r.identWord());
    showsChannels = word == 0x0065;
    simatic = (word & 0x8000) != 0;
    inputFormat = simatic && (word & 0x4000) ? 1 : 0;
    outputUnipolar = {simatic && (word & 0x2000), simatic && (word & 0x1000)};
    channels = {};
    if (!showsChannels) return;
    for (int i = 0; i < kChannels; ++i) {
        OutputChannel& ch = channels[static_cast<std::size_t>(i)];
        const KanalWert v = channelValues(r, i);
        takeUserValues(ch, v);
        ch.item = v.MinVaCh == 0 && v.MaxVaCh == 4095    ? range::Standard
                  : v.MinVaCh == 0 && v.MaxVaCh == 10000 ? range::Second
                                                         : range::Custom;
    }
}

void AnalogCombinedForm::store(RowEintrag& r) const
{
    if (!showsChannels) {
        // The format bits are rebuilt as a whole; the kind stays.
        int word = r.Kennung;
        if (simatic) {
            word |= 0x8000;
            if (inputFormat == 1) word |= 0x4000;
            if (outputUnipolar[0]) word |= 0x2000;
            if (outputUnipolar[1]) word |= 0x1000;
        }
        r.setIdentWord(word);
        return;
    }
    for (int i = 0; i < kChannels; ++i) {
        const OutputChannel& ch = channels[static_cast<std::size_t>(i)];
        if (ch.item == range::None) continue;
        KanalWert& v = channelEntry(r, i, kChannels);
        if (ch.item == range::Standard)
            setValues(v, 0, 4095, 0);
        else if (ch.item == range::Second)
            setValues(v, 0, 10000, 0);
        else
            setValues(v, ch.userMin, ch.userMax, ch.userReset);
    }
}

}  // namespace rm
