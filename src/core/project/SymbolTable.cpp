#include "core/project/SymbolTable.h"

#include <algorithm>
#include <cctype>

#include "core/base/CodePage.h"

namespace rm {
namespace {

std::string padded(const std::string& text, std::size_t width)
{
    std::string out = text.substr(0, std::min(text.size(), width));
    out.resize(width, ' ');
    return out;
}

// windows-1252 holds one byte per character, so cutting bytes after the
// conversion never splits a character.
std::string cp(const std::string& utf8)
{
    return utf8ToCp1252(utf8);
}

}  // namespace

std::optional<SymbolFormat> symbolFormatNamed(std::string_view name)
{
    std::string n(name);
    std::transform(n.begin(), n.end(), n.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (n == "sdf") return SymbolFormat::Sdf;
    if (n == "asc") return SymbolFormat::Asc;
    if (n == "seq") return SymbolFormat::Seq;
    if (n == "csv") return SymbolFormat::Csv;
    return std::nullopt;
}

std::string symbolsSdf(const std::vector<Channel>& channels)
{
    auto field = [](std::string s) {
        std::replace(s.begin(), s.end(), '"', '\'');
        return "\"" + s + "\"";
    };
    std::string out;
    for (const Channel& c : channels)
        out += field(c.symbol) + "," + field(c.address) + "," + field(c.type) + "," + field(cp(c.comment)) + "\r\n";
    return out;
}

std::string symbolsAsc(const std::vector<Channel>& channels)
{
    std::string out;
    for (const Channel& c : channels)
        out += "126," + padded(c.symbol, kSymbolLength) + padded(c.address, 12) + padded(c.type, 10) +
               padded(cp(c.comment), kCommentLength) + "\r\n";
    return out;
}

std::string symbolsSeq(const std::vector<Channel>& channels)
{
    std::string out;
    // The assignment list's line starts with a tab before the address.
    for (const Channel& c : channels) out += "\t" + c.address + "\t" + c.symbol + "\t" + cp(c.comment) + "\r\n";
    return out;
}

std::string channelsCsv(const std::vector<Channel>& channels, const CsvOptions& o)
{
    std::string out = o.byteOrderMark ? "\xEF\xBB\xBF" : "";
    auto line = [&](std::initializer_list<std::string> fields) { out += csvLine(fields, o.separator); };
    line({"station", "slot", "order_number", "designation", "channel", "direction", "address", "data_type", "symbol",
          "comment"});
    for (const Channel& c : channels)
        line({std::to_string(c.station), c.slot, c.order, c.designation, std::to_string(c.number),
              c.output ? "output" : "input", c.address, c.type, c.symbol, c.comment});
    return out;
}

std::string symbolTable(const std::vector<Channel>& channels, SymbolFormat format, const CsvOptions& options)
{
    switch (format) {
        case SymbolFormat::Sdf:
            return symbolsSdf(channels);
        case SymbolFormat::Asc:
            return symbolsAsc(channels);
        case SymbolFormat::Seq:
            return symbolsSeq(channels);
        case SymbolFormat::Csv:
            return channelsCsv(channels, options);
    }
    return {};
}

}  // namespace rm
