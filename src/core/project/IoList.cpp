#include "core/project/IoList.h"

#include <string_view>

#include "core/project/ProjectCheck.h"

namespace rm {
namespace {

// A number ("-12", "256"), or a sign alone (the "+" label of a rack row):
// nothing a spreadsheet could run.
bool plainNumberOrSign(const std::string& s)
{
    if (s == "+" || s == "-") return true;
    const std::size_t digits = s.starts_with('-') ? 1 : 0;
    return s.size() > digits && s.find_first_not_of("0123456789", digits) == std::string::npos;
}

}  // namespace

std::string csvField(const std::string& field, char separator)
{
    // A spreadsheet runs a field that starts like this as a formula: the
    // leading apostrophe keeps it a text. A plain number stays a number.
    std::string s = field;
    if (!s.empty() && std::string_view("=+-@\t\r").find(s.front()) != std::string_view::npos && !plainNumberOrSign(s))
        s.insert(0, 1, '\'');
    if (s.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string csvLine(std::initializer_list<std::string> fields, char separator)
{
    std::string out;
    bool first = true;
    for (const std::string& f : fields) {
        if (!first) out += separator;
        first = false;
        out += csvField(f, separator);
    }
    return out + "\r\n";
}

bool addressedByBit(const RowEintrag& record)
{
    const DialogKind k = dialogFor(record);
    return k == DialogKind::DigitalInput || k == DialogKind::DigitalOutput || k == DialogKind::DigitalCombined;
}

std::string addressText(bool output, bool byBit, int64_t first, int64_t last, Mnemonics m)
{
    const std::string letter = m == Mnemonics::German ? (output ? "A" : "E") : (output ? "Q" : "I");
    if (byBit) return letter + " " + std::to_string(first) + ".0.." + letter + " " + std::to_string(last) + ".7";
    return letter + "B " + std::to_string(first) + ".." + letter + "B " + std::to_string(last);
}

std::vector<IoListRow> ioList(const ProjectTable& table, Mnemonics m)
{
    std::vector<IoListRow> out;
    for (int r = 1; r <= ProjectTable::kMaxRow; ++r) {
        const RowEintrag& rec = table.record(r);
        if (rec.isEmpty()) continue;
        auto add = [&](bool output, int64_t base, int64_t count) {
            IoListRow row;
            row.row = r;
            row.station = stationNumber(table, r);
            row.slot = slotText(table, r);
            row.order = orderText(table, r);
            row.designation = rec.Bezeichnung;
            row.output = output;
            row.first = base;
            row.last = base + count - 1;
            row.address = addressText(output, addressedByBit(rec), row.first, row.last, m);
            out.push_back(std::move(row));
        };
        if (rec.hasFlag(flags::Inputs) && rec.InCnt > 0) add(false, rec.InBase, rec.InCnt);
        if (rec.hasFlag(flags::Outputs) && rec.OutCnt > 0) add(true, rec.OutBase, rec.OutCnt);
    }
    return out;
}

std::string ioListCsv(const std::vector<IoListRow>& rows, const CsvOptions& o)
{
    std::string out = o.byteOrderMark ? "\xEF\xBB\xBF" : "";
    auto line = [&](std::initializer_list<std::string> fields) { out += csvLine(fields, o.separator); };
    line(
        {"station", "slot", "order_number", "designation", "direction", "first_byte", "last_byte", "bytes", "address"});
    for (const IoListRow& r : rows)
        line({std::to_string(r.station), r.slot, r.order, r.designation, r.output ? "output" : "input",
              std::to_string(r.first), std::to_string(r.last), std::to_string(r.last - r.first + 1), r.address});
    return out;
}

}  // namespace rm
