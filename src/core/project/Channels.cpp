#include "core/project/Channels.h"

#include <optional>
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
Layout layoutFor(const RowEintrag& rec, bool output)
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
        default:
            return {output ? "QB" : "IB", 1, "BYTE"};
    }
}

// A value or status word of a counting, encoder or positioning module, at
// its offset in one axis's block of bytes. The help pages of these modules
// document the same tables.
struct Field {
    int offset;
    int bytes;
    const char* type;
    const char* name;
};

struct Process {
    std::string kind;
    int block = 0;  // bytes per axis; the block repeats for further axes
    std::vector<Field> fields;
    std::string axes;  // one letter or digit per axis, for the symbol
};

std::optional<Process> processFor(const RowEintrag& rec, bool output)
{
    const std::string type = typeCode(rec.BestellNr);
    switch (dialogFor(rec)) {
        case DialogKind::Counter:
            if (output)
                return Process{"CNT", 8, {{0, 4, "DINT", "Load"}, {4, 2, "WORD", "Gate"}, {6, 2, "WORD", "Ctrl"}}, ""};
            return Process{"CNT", 8, {{0, 4, "DINT", "Count"}, {4, 2, "WORD", "Meas"}, {6, 2, "WORD", "Status"}}, ""};
        case DialogKind::Encoder:
            if (output) return Process{"ENC", 4, {{0, 4, "DWORD", "Ctrl"}}, ""};
            return Process{"ENC", 8, {{0, 4, "DINT", "Pos"}, {4, 4, "DWORD", "Status"}}, ""};
        case DialogKind::TwoAxisEncoder:
            if (output) return Process{"ENC", 2, {{0, 2, "WORD", "Ctrl"}}, "XY"};
            return Process{"ENC", 4, {{0, 4, "DINT", "Pos"}}, "XY"};
        case DialogKind::Positioning:
            if (type == "E321" || type == "E322") {
                if (output)
                    return Process{"VLV",
                                   8,
                                   {{0, 2, "INT", "SetPos"},
                                    {2, 2, "INT", "Gain"},
                                    {4, 2, "INT", "Offset"},
                                    {6, 2, "WORD", "Ctrl"}},
                                   "12"};
                return Process{
                    "VLV",
                    8,
                    {{0, 2, "INT", "ActPos"}, {2, 2, "INT", "Dev"}, {4, 2, "INT", "Valve"}, {6, 2, "WORD", "Status"}},
                    "12"};
            }
            if (output)
                return Process{
                    "POS", 8, {{0, 4, "DINT", "Target"}, {4, 2, "INT", "Speed"}, {6, 2, "WORD", "Ctrl"}}, "12"};
            return Process{
                "POS", 8, {{0, 4, "DINT", "ActPos"}, {4, 2, "INT", "ActSpeed"}, {6, 2, "WORD", "Status"}}, "12"};
        default:
            return std::nullopt;
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
        auto add = [&](bool output, int base, int count) {
            const Layout l = layoutFor(rec, output);
            const std::optional<Process> process = processFor(rec, output);
            Channel c;
            c.row = r;
            c.station = stationNumber(table, r);
            c.slot = slotText(table, r);
            c.order = orderText(table, r);
            c.designation = rec.Bezeichnung;
            c.output = output;
            c.kind = process ? process->kind : l.kind;
            const std::string slotPart = symbolPart(c.slot).empty() ? "R" + std::to_string(r) : symbolPart(c.slot);
            const std::string stem = "S" + std::to_string(c.station) + "_" + slotPart + "_" + c.kind;
            auto push = [&](int byte, int bit, int bytes, const std::string& type, const std::string& channelText) {
                c.byte = byte;
                c.bit = bit;
                c.bytes = bytes;
                c.type = type;
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
            int offset = 0;
            if (process) {
                // One block of values per axis; the axis is named only where
                // the module carries more than one.
                const int blocks = count / process->block;
                for (int a = 0; a < blocks; ++a) {
                    const std::string axis = blocks < 2                                   ? ""
                                             : a < static_cast<int>(process->axes.size()) ? process->axes.substr(a, 1)
                                                                                          : std::to_string(a + 1);
                    for (const Field& f : process->fields)
                        push(base + offset + f.offset, -1, f.bytes, f.type, std::string("_") + f.name + axis);
                    offset += process->block;
                }
                for (; offset < count; ++offset) push(base + offset, -1, 1, "BYTE", "_B" + std::to_string(offset));
                return;
            }
            if (l.step == 0) {
                for (int b = 0; b < count; ++b)
                    for (int bit = 0; bit < 8; ++bit)
                        push(base + b, bit, 0, l.type, std::to_string(b) + "_" + std::to_string(bit));
                return;
            }
            for (; offset + l.step <= count; offset += l.step)
                push(base + offset, -1, l.step == 4 && l.type == "INT" ? 2 : l.step, l.type, std::to_string(c.number));
            // Bytes left over from the layout are single bytes.
            for (; offset < count; ++offset) push(base + offset, -1, 1, "BYTE", std::to_string(c.number));
        };
        if (rec.hasFlag(flags::Inputs) && rec.InCnt > 0) add(false, rec.InBase, rec.InCnt);
        if (rec.hasFlag(flags::Outputs) && rec.OutCnt > 0) add(true, rec.OutBase, rec.OutCnt);
    }
    return out;
}

}  // namespace rm
