#include "core/modules/AnalogInputForm.h"
#include "core/base/TextIds.h"

namespace rm {

namespace {

// The ModFlags bit that offers each value format button.
constexpr int kFormatFlag[AnalogInputForm::kFormats] = {0x04, 0x02, 0x01, 0x10, 0x40, 0x20, 0x80};

// The identifier word each button stores, by kind; 0: the kind has no such format.
constexpr int kFormatWord[3][AnalogInputForm::kFormats] = {
    {0x0020, 0x8020, 0xC020, 0x0120, 0x0520, 0x0320, 0x0720},
    {0x0021, 0, 0x8021, 0, 0x0521, 0, 0x0721},
    {0x0040, 0, 0x8040, 0x0140, 0x0540, 0x0340, 0x0740},
};

int formatRow(AnalogKind k)
{
    switch (k) {
        case AnalogKind::Format20:
            return 0;
        case AnalogKind::Format21:
            return 1;
        case AnalogKind::Format40:
            return 2;
        default:
            return -1;
    }
}

struct Range {
    int16_t min, max;
};
constexpr Range kRange4095{0, 4095};
constexpr Range kRange4to20mA{-1023, 4095};

// Item 1 of the range list of a type code, or nothing for an unknown module.
const Range* secondRange(const std::string& type)
{
    static constexpr Range e301{0, 10000}, e302{0, 20000}, e303{-10000, 10000};
    if (type == "E301") return &e301;
    if (type == "E302") return &e302;
    if (type == "E303") return &e303;
    return nullptr;
}

bool same(const KanalWert& k, Range r)
{
    return k.MinVaCh == r.min && k.MaxVaCh == r.max;
}

}  // namespace

AnalogKind analogKindOf(const RowEintrag& r)
{
    switch (r.Kennung & ~kStepOf4Bit) {
        case 0x20:
            return AnalogKind::Format20;
        case 0x21:
            return AnalogKind::Format21;
        case 0x40:
            return AnalogKind::Format40;
        case 0x41:
            return AnalogKind::PerChannel41;
        case 0x42:
            return AnalogKind::Ranges42;
        default:
            return AnalogKind::Other;
    }
}

// The page follows the same kind that OK encodes, so that the controls shown
// are the ones stored.
AnalogPage AnalogInputForm::page() const
{
    if (kind == AnalogKind::PerChannel41) return AnalogPage::ChannelFormat;
    if (kind == AnalogKind::Ranges42) return AnalogPage::Ranges;
    return AnalogPage::ValueFormat;
}

bool AnalogInputForm::stepOf4Shown() const
{
    return kind != AnalogKind::Ranges42 && kind != AnalogKind::Other;
}

void AnalogInputForm::load(const RowEintrag& r)
{
    kind = analogKindOf(r);
    typeCode = rm::typeCode(r.BestellNr);
    stepOf4 = (r.Kennung & kStepOf4Bit) != 0;
    const auto word = static_cast<uint16_t>(r.identWord());

    // Value formats: only those the module offers can be chosen.
    const int row = formatRow(kind);
    for (int i = 0; i < kFormats; ++i)
        rbFormatEnabled[static_cast<std::size_t>(i)] = row >= 0 && r.hasFlag(kFormatFlag[i]);
    rbFormat = row >= 0 ? 0 : -1;
    auto select = [&](int i) {
        if (rbFormatEnabled[static_cast<std::size_t>(i)]) rbFormat = i;
    };
    if (row >= 0) {
        const int sign = word & 0xC000;
        if (kind == AnalogKind::Format20) {
            if (sign == 0x8000) select(1);
            if (sign == 0xC000) select(2);
        } else if (sign == 0x8000) {
            select(2);
        }
        switch (word & 0x0700) {
            case 0x0100:
                select(3);
                break;
            case 0x0500:
                select(4);
                break;
            case 0x0300:
                select(5);
                break;
            case 0x0700:
                select(6);
                break;
            default:
                break;
        }
    }

    const auto p4 = static_cast<uint16_t>(r.Param4);
    for (int i = 0; i < kFormatChannels; ++i) Combo1[static_cast<std::size_t>(i)] = (p4 >> (2 * i)) & 3;

    const auto p3 = static_cast<uint16_t>(r.Param3);
    for (int k = 0; k < 3; ++k) Check3[static_cast<std::size_t>(k)] = (p3 & (1 << k)) != 0;

    fourTo20Shown = typeCode == "E302";
    const Range* second = secondRange(typeCode);
    for (int i = 0; i < kRangeChannels; ++i) {
        const auto n = static_cast<std::size_t>(i);
        // A record with fewer channels (an old file) shows the missing ones as 0...0.
        const KanalWert k = n < r.KanalWerte.size() ? r.KanalWerte[n] : KanalWert{};
        UserMin[n] = k.MinVaCh;
        UserMax[n] = k.MaxVaCh;
        chk_4to20mA[n] = fourTo20Shown && (k.ChFlags & 1) != 0;
        int item = kCustomItem;
        if (!second) {
            item = -1;
        } else if (same(k, *second)) {
            item = 1;
        } else if (fourTo20Shown) {
            if (same(k, chk_4to20mA[n] ? kRange4to20mA : kRange4095)) item = 0;
        } else if (same(k, kRange4095)) {
            item = 0;
        }
        Combo2[n] = item;
    }
}

void AnalogInputForm::store(RowEintrag& r) const
{
    switch (kind) {
        case AnalogKind::Format20:
        case AnalogKind::Format21:
        case AnalogKind::Format40:
            if (rbFormat >= 0 && rbFormat < kFormats) {
                const int word = kFormatWord[formatRow(kind)][rbFormat];
                if (word != 0) r.setIdentWord(word);
            }
            break;
        case AnalogKind::PerChannel41: {
            int p4 = 0;
            for (int i = 0; i < kFormatChannels; ++i) p4 |= (Combo1[static_cast<std::size_t>(i)] & 3) << (2 * i);
            r.Param4 = static_cast<int16_t>(p4);
            break;
        }
        case AnalogKind::Ranges42: {
            int p3 = static_cast<uint16_t>(r.Param3) & ~0x07;
            for (int k = 0; k < 3; ++k)
                if (Check3[static_cast<std::size_t>(k)]) p3 |= 1 << k;
            r.Param3 = static_cast<int16_t>(p3);
            if (r.KanalWerte.size() < kRangeChannels) r.KanalWerte.resize(kRangeChannels);
            const Range* second = secondRange(typeCode);
            for (int i = 0; i < kRangeChannels; ++i) {
                const auto n = static_cast<std::size_t>(i);
                KanalWert& k = r.KanalWerte[n];
                switch (Combo2[n]) {
                    case 0: {
                        const bool mA = fourTo20Shown && chk_4to20mA[n];
                        const Range v = mA ? kRange4to20mA : kRange4095;
                        k.MinVaCh = v.min;
                        k.MaxVaCh = v.max;
                        // The 4..20 mA choice is kept in bit 0 of the channel flags,
                        // where loading looks for it.
                        if (fourTo20Shown) k.ChFlags = static_cast<int16_t>(mA ? (k.ChFlags | 1) : (k.ChFlags & ~1));
                        break;
                    }
                    case 1:
                        if (second) {
                            k.MinVaCh = second->min;
                            k.MaxVaCh = second->max;
                        }
                        break;
                    case kCustomItem:
                        k.MinVaCh = UserMin[n];
                        k.MaxVaCh = UserMax[n];
                        break;
                    default:
                        break;
                }
            }
            break;
        }
        case AnalogKind::Other:
            break;
    }
    if (!stepOf4Shown()) return;
    r.Kennung = static_cast<uint8_t>(stepOf4 ? (r.Kennung | kStepOf4Bit) : (r.Kennung & ~kStepOf4Bit));
    r.InCnt = inCntFor(stepOf4, r.InCnt);
}

int32_t AnalogInputForm::inCntFor(bool step, int32_t current) const
{
    switch (kind) {
        case AnalogKind::Format20:
            return step ? 16 : 8;
        case AnalogKind::Format21:
        case AnalogKind::Format40:
        case AnalogKind::PerChannel41:
            return step ? 32 : 16;
        default:
            return current;
    }
}

const char* AnalogInputForm::formatCaption(int index)
{
    static const char* const captions[kFormats] = {
        "NURA",           "SIMATIC® bipolar", "SIMATIC® unipolar", "SIMATIC® PT100", "SIMATIC® PT1000",
        "SIMATIC® NI100", "SIMATIC® NI1000",
    };
    return captions[index];
}

std::vector<std::string> AnalogInputForm::channelFormatItems()
{
    return {"NURA Format", "SIMATIC Unipolar", "Simatic PT 1000", "Simatic NI 1000"};
}

std::vector<std::string> AnalogInputForm::rangeItems(const Texts& texts) const
{
    std::string second = "0...10'000";
    if (typeCode == "E302") second = "0...20'000";
    if (typeCode == "E303") second = "-10'000...+10'000";
    return {"0...4095", second, texts.byEnglishId(txt::CustomFormat)};
}

}  // namespace rm
