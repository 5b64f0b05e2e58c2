#include "core/project/BomCsv.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <string>

#include "core/base/CodePage.h"
#include "core/record/RowEintrag.h"
#include "core/table/ProjectJson.h"

namespace rm {
namespace {

using nlohmann::json;

[[noreturn]] void fail(int line, const std::string& why)
{
    throw JsonError("line " + std::to_string(line) + ": " + why);
}

// The line of the first byte that does not belong to UTF-8, or 0.
int lineOfBadUtf8(std::string_view s)
{
    int line = 1;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == '\n') ++line;
        std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return line;
        unsigned long cp = n == 1 ? c : n == 2 ? (c & 0x1Fu) : n == 3 ? (c & 0x0Fu) : (c & 0x07u);
        for (std::size_t k = 1; k < n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return line;
            cp = (cp << 6) | (d & 0x3Fu);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        static constexpr unsigned long least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return line;
        i += n;
    }
    return 0;
}

struct Record {
    int line = 0;  // where the record starts
    std::vector<std::string> cells;
};

// Splits the text into records by RFC 4180; a line end is CR LF, LF or CR.
std::vector<Record> records(std::string_view s, char sep)
{
    std::vector<Record> out;
    int line = 1;
    std::size_t i = 0;
    while (i < s.size()) {
        Record rec{line, {}};
        for (;;) {
            std::string cell;
            if (i < s.size() && s[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= s.size()) fail(opened, "a quoted cell is not closed");
                    const char c = s[i++];
                    if (c == '"') {
                        if (i < s.size() && s[i] == '"') {
                            cell += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n' || (c == '\r' && (i >= s.size() || s[i] != '\n'))) ++line;
                    cell += c;
                }
                if (i < s.size() && s[i] != sep && s[i] != '\r' && s[i] != '\n')
                    fail(line, "text follows the closing quote of a cell");
            } else {
                while (i < s.size() && s[i] != sep && s[i] != '\r' && s[i] != '\n') {
                    if (s[i] == '"') fail(line, "a quote inside a cell that does not begin with one");
                    cell += s[i++];
                }
            }
            rec.cells.push_back(std::move(cell));
            if (i < s.size() && s[i] == sep) {
                ++i;
                continue;
            }
            break;
        }
        if (i < s.size() && s[i] == '\r') ++i;
        if (i < s.size() && s[i] == '\n') ++i;
        ++line;
        out.push_back(std::move(rec));
    }
    return out;
}

// The separator: the first "," or ";" of the header line outside quotes.
char separatorOf(std::string_view s)
{
    bool quoted = false;
    for (char c : s) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == ',' || c == ';') return c;
        if (c == '\r' || c == '\n') break;
    }
    return ',';
}

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::optional<long long> wholeNumber(const std::string& text)
{
    std::string t = trimmed(text);
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    long long v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return v;
}

// What a column holds.
struct Column {
    enum Kind { Row, Module, InBase, OutBase, Setting, Info } kind;
    std::string name;  // the key of the setting or the information field
    FieldKind field = FieldKind::Text;
};

Column columnNamed(const std::string& header, int line)
{
    if (header == "row") return {Column::Row, header};
    if (header == "module") return {Column::Module, header};
    if (header == "InBase") return {Column::InBase, header};
    if (header == "OutBase") return {Column::OutBase, header};
    if (header.starts_with("settings.") && header.size() > 9) return {Column::Setting, header.substr(9)};
    if (header.starts_with("ProjectInfo.")) {
        const std::string field = header.substr(12);
        std::optional<FieldKind> kind;
        ProjectInfo info;
        visitInfoFields(info, [&](FieldKind k, const char* name, auto&) {
            if (field == name) kind = k;
        });
        // The build writes these itself, from the name of the file it writes.
        if (kind && field != "ProjektPfad" && field != "ProjektTitel" && field != "Gespeichert" &&
            field != "FormatVersion")
            return {Column::Info, field, *kind};
    }
    fail(line, "unknown column \"" + header +
                   "\"; the columns are row, module, InBase, OutBase, settings.KEY and ProjectInfo.FIELD "
                   "(ProjektName, Familie, Autor, Beschreibung, Notizen, Reserve4, Reserve5, InfoBestaetigt)");
}

json infoValue(const Column& c, const std::string& text, int line)
{
    if (c.field == FieldKind::Text) return text;
    const std::string t = trimmed(text);
    if (c.field == FieldKind::Boolean && (t == "true" || t == "TRUE" || t == "True")) return true;
    if (c.field == FieldKind::Boolean && (t == "false" || t == "FALSE" || t == "False")) return false;
    if (auto v = wholeNumber(t)) return *v;
    fail(line, "ProjectInfo." + c.name + " must be " +
                   (c.field == FieldKind::Boolean ? "true, false or a number" : "a whole number") + ", not \"" + text +
                   "\"");
}

}  // namespace

CsvBill billFromCsv(std::string_view text)
{
    text = skipBom(text);
    if (const int bad = lineOfBadUtf8(text)) fail(bad, "the text is not UTF-8 (save the sheet as CSV in UTF-8)");
    const char sep = separatorOf(text);
    const std::vector<Record> recs = records(text, sep);
    if (recs.empty()) fail(1, "the header line is missing: row,module,InBase,OutBase,...");

    std::vector<Column> columns;
    std::map<std::string, int> seen;
    for (const std::string& h : recs.front().cells) {
        const std::string name = trimmed(h);
        if (seen[name]++) fail(recs.front().line, "the column \"" + name + "\" is given twice");
        columns.push_back(columnNamed(name, recs.front().line));
    }
    for (Column::Kind needed : {Column::Row, Column::Module})
        if (std::none_of(columns.begin(), columns.end(), [&](const Column& c) { return c.kind == needed; }))
            fail(recs.front().line,
                 std::string("the header has no column \"") + (needed == Column::Row ? "row" : "module") + "\"");

    CsvBill out;
    json placements = json::array();
    json info = json::object();
    std::map<std::string, int> infoLine;  // where each information field was given
    for (std::size_t r = 1; r < recs.size(); ++r) {
        const Record& rec = recs[r];
        const int line = rec.line;
        if (std::all_of(rec.cells.begin(), rec.cells.end(), [](const std::string& c) { return c.empty(); })) continue;
        for (std::size_t k = columns.size(); k < rec.cells.size(); ++k)
            if (!rec.cells[k].empty()) fail(line, "more cells than the header has columns");
        json p = json::object();
        json settings = json::object();
        for (std::size_t k = 0; k < columns.size() && k < rec.cells.size(); ++k) {
            const std::string& cell = rec.cells[k];
            if (cell.empty()) continue;
            const Column& c = columns[k];
            const std::string field = c.kind == Column::Info ? c.name : c.kind == Column::Module ? "BestellNr" : "";
            if (auto why = textRefusal(field, cell); !why.empty())
                fail(line, "the cell of column \"" + trimmed(recs.front().cells[k]) + "\" " + why);
            switch (c.kind) {
                case Column::Row:
                case Column::InBase:
                case Column::OutBase: {
                    const auto v = wholeNumber(cell);
                    if (!v) fail(line, c.name + " must be a whole number, not \"" + cell + "\"");
                    p[c.name] = *v;
                    break;
                }
                case Column::Module:
                    p["module"] = trimmed(cell);
                    break;
                case Column::Setting:
                    settings[c.name] = cell;
                    break;
                case Column::Info: {
                    json v = infoValue(c, cell, line);
                    if (info.contains(c.name) && info[c.name] != v)
                        fail(line, "ProjectInfo." + c.name + " differs from what line " +
                                       std::to_string(infoLine[c.name]) + " gives");
                    info[c.name] = v;
                    infoLine.emplace(c.name, line);
                    break;
                }
            }
        }
        if (!settings.empty()) p["settings"] = std::move(settings);
        if (p.empty()) continue;  // project information only
        if (!p.contains("row") || !p.contains("module")) fail(line, "a placement needs both a row and a module");
        placements.push_back(std::move(p));
        out.lines.push_back(line);
    }
    out.bill = json::object();
    if (!info.empty()) out.bill["ProjectInfo"] = std::move(info);
    out.bill["placements"] = std::move(placements);
    return out;
}

}  // namespace rm
