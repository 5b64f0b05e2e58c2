#include "core/project/Channels.h"

#include <set>

#include "core/modules/AnalogInputForm.h"
#include "core/project/ProjectCheck.h"

namespace rm {
namespace {

struct Layout {
    std::string kind;
    int step = 1;  // bytes per channel; 0 for bit channels
    std::string type;
};

// How a module's bytes in one direction divide into channels.
Layout layoutFor(const RowEintrag& rec, bool output, long count)
{
    switch (dialogFor(rec)) {
        case DialogKind::DigitalInput:
        case DialogKind::DigitalOutput:
        case DialogKind::DigitalCombined:
            return {output ? "DO" : "DI", 0, "BOOL"};
        case DialogKind::AnalogInput:
        case DialogKind::AnalogOutput:
        case DialogKind::AnalogCombined:
            return {output ? "AO" : "AI", !output && (rec.Kennung & kStepOf4Bit) ? 4 : 2, "INT"};
        case DialogKind::Temperature:
            return {output ? "TQ" : "TC", 2, "INT"};
        case DialogKind::Counter:
        case DialogKind::Encoder:
        case DialogKind::TwoAxisEncoder:
        case DialogKind::Positioning: {
            // Values and status in address order: double words where the bytes
            // divide into them, else words.
            const std::string kind = dialogFor(rec) == DialogKind::Positioning ? "POS"
                                     : dialogFor(rec) == DialogKind::Counter   ? "CNT"
                                                                               : "ENC";
            if (count % 4 == 0) return {kind + (output ? "Q" : "I"), 4, output ? "DWORD" : "DINT"};
            return {kind + (output ? "Q" : "I"), 2, "WORD"};
        }
        default:
            return {output ? "QB" : "IB", 1, "BYTE"};
    }
}

bool symbolChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string symbolPart(const std::string& s)
{
    std::string out;
    for (char c : s)
        if (symbolChar(c)) out += c;
    return out;
}

std::string oneLine(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return out;
}

}  // namespace

std::string channelAddress(bool output, int byte, int bit, int bytes, Mnemonics m)
{
    const std::string letter = m == Mnemonics::German ? (output ? "A" : "E") : (output ? "Q" : "I");
    if (bytes == 0) return letter + " " + std::to_string(byte) + "." + std::to_string(bit);
    const char* size = bytes == 4 ? "D" : bytes == 2 ? "W" : "B";
    return letter + size + " " + std::to_string(byte);
}

std::string shortened(const std::string& text, std::size_t length)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // continuation byte
        if (chars++ == length) return text.substr(0, i);
    }
    return text;
}

std::vector<Channel> channels(const ProjectTable& table, Mnemonics m)
{
    std::vector<Channel> out;
    std::set<std::string> taken;
    for (int r = 1; r <= ProjectTable::kMaxRow; ++r) {
        const RowEintrag& rec = table.record(r);
        if (rec.isEmpty()) continue;
        auto add = [&](bool output, int base, long count) {
            const Layout l = layoutFor(rec, output, count);
            Channel c;
            c.row = r;
            c.station = stationNumber(table, r);
            c.slot = slotText(table, r);
            c.order = orderText(table, r);
            c.designation = rec.Bezeichnung;
            c.output = output;
            c.kind = l.kind;
            c.type = l.type;
            const std::string slotPart = symbolPart(c.slot).empty() ? "R" + std::to_string(r) : symbolPart(c.slot);
            const std::string stem = "S" + std::to_string(c.station) + "_" + slotPart + "_" + l.kind;
            auto push = [&](int byte, int bit, int bytes, const std::string& channelText) {
                c.byte = byte;
                c.bit = bit;
                c.bytes = bytes;
                c.address = channelAddress(output, byte, bit, bytes, m);
                // Unique in the project: a name that shortening or the slot
                // text made equal to an earlier one gets a running suffix.
                std::string symbol = shortened(stem + channelText, kSymbolLength);
                for (int n = 2; taken.contains(symbol); ++n) {
                    const std::string suffix = "_" + std::to_string(n);
                    symbol = shortened(stem + channelText, kSymbolLength - suffix.size()) + suffix;
                }
                taken.insert(symbol);
                c.symbol = symbol;
                c.comment = shortened(oneLine(c.designation) + ", " + c.address, kCommentLength);
                out.push_back(c);
                ++c.number;
            };
            if (l.step == 0) {
                for (int b = 0; b < count; ++b)
                    for (int bit = 0; bit < 8; ++bit)
                        push(base + b, bit, 0, std::to_string(b) + "_" + std::to_string(bit));
                return;
            }
            int offset = 0;
            for (; offset + l.step <= count; offset += l.step)
                push(base + offset, -1, l.step == 4 && l.type == "INT" ? 2 : l.step, std::to_string(c.number));
            // Bytes left over from the layout are single bytes.
            for (; offset < count; ++offset) {
                c.type = "BYTE";
                push(base + offset, -1, 1, std::to_string(c.number));
            }
        };
        if (rec.hasFlag(flags::Inputs) && rec.InCnt > 0) add(false, rec.InBase, rec.InCnt);
        if (rec.hasFlag(flags::Outputs) && rec.OutCnt > 0) add(true, rec.OutBase, rec.OutCnt);
    }
    return out;
}

}  // namespace rm
