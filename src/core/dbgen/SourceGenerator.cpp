#include "core/dbgen/SourceGenerator.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "core/base/CodePage.h"
#include "core/base/OwnTexts.h"

namespace rm {

namespace {

constexpr std::string_view kEol = "\r\n";

std::string hex(uint32_t v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(v));
    return buf;
}

std::string word(int v)
{
    return "W#16#" + hex(static_cast<uint16_t>(v));
}

std::string byte(int v)
{
    return "B#16#" + hex(static_cast<uint8_t>(v));
}

void line(std::string& out, int level, std::string_view text)
{
    out.append(static_cast<std::size_t>(level), ' ');
    out += text;
    out += kEol;
}

// "DATA_BLOCK DB ..." for a block number choice; nothing for an unknown choice.
void blockLine(std::string& out, int choice)
{
    static constexpr const char* kNumbers[] = {"1", "511", "1023"};
    if (choice >= 0 && choice < 3) line(out, 0, std::string("DATA_BLOCK DB ") + kNumbers[choice]);
}

bool isTrue(int16_t boolean)
{
    return boolean == kTrue;
}

// ---------------------------------------------------------------- I/O block

// What a module structure of the extended layout holds after RetVal. Words
// not listed here keep the basic mask, dummy_b and dummy_w fields.
struct ExtendedLayout {
    bool modKonf = false;
    int channels = 0;
    bool resetValues = false;
};

std::optional<ExtendedLayout> extendedLayout(int16_t kenn)
{
    switch (kenn) {
        case 0x35:
        case 0x67:
            return ExtendedLayout{};
        case 0x42:
            return ExtendedLayout{true, 7, false};
        case 0x62:
            return ExtendedLayout{false, 6, true};
        case 0x63:
        case 0x65:
            return ExtendedLayout{false, 4, true};
        default:
            return std::nullopt;
    }
}

struct Field {
    std::string name;
    std::string type;
    std::string value;
};

// The WORD and BYTE initial values are cut to their width: the compiler
// refuses a longer constant, and a negative parameter would give one.
std::string dummyW(const RowEintrag& r)
{
    if (typeCode(r.BestellNr) == "E304") return word(r.Param4);
    return word(static_cast<int32_t>(r.Param3) * 256 + r.Param4);
}

void basicParams(std::vector<Field>& f, const RowEintrag& r)
{
    f.push_back({"mask", "BYTE", byte(r.Param1)});
    f.push_back({"dummy_b", "BYTE", byte(r.Param2)});
    f.push_back({"dummy_w", "WORD", dummyW(r)});
}

void addressFields(std::vector<Field>& f, const RowEintrag& r)
{
    f.push_back({"PANr", "INT", std::to_string(r.PANr)});
    f.push_back({"InCnt", "INT", std::to_string(r.InCnt)});
    f.push_back({"OutCnt", "INT", std::to_string(r.OutCnt)});
    f.push_back({"InBase", "INT", std::to_string(r.InBase)});
    f.push_back({"OutBase", "INT", std::to_string(r.OutBase)});
}

std::vector<Field> basicFields(const RowEintrag& r)
{
    std::vector<Field> f;
    f.push_back({"kenn", "WORD", word(r.identWord())});
    addressFields(f, r);
    basicParams(f, r);
    return f;
}

std::vector<Field> extendedFields(const RowEintrag& r, int moduleNo)
{
    std::vector<Field> f;
    f.push_back({"kenn", "WORD", word(r.identWord())});
    f.push_back({"StrucLen", "INT", std::to_string(r.ParLen + 18)});
    f.push_back({"SlotNbr", "INT", std::to_string(moduleNo)});
    addressFields(f, r);
    f.push_back({"RetVal", "WORD", word(0)});
    const auto layout = extendedLayout(r.identWord());
    if (!layout) {
        basicParams(f, r);
        return f;
    }
    if (layout->modKonf) f.push_back({"ModKonf", "WORD", word(r.Param3)});
    // A record with fewer channel entries than its module has (an old or
    // hand-made project file) gets zeros for the missing channels: the block
    // keeps the layout the PLC program expects, and nothing is read past the list.
    auto channel = [&](int i) {
        const auto n = static_cast<std::size_t>(i);
        return n < r.KanalWerte.size() ? r.KanalWerte[n] : KanalWert{};
    };
    auto channelField = [&](const char* name, int16_t KanalWert::*member) {
        for (int i = 0; i < layout->channels; ++i)
            f.push_back({name + std::to_string(i), "INT", std::to_string(channel(i).*member)});
    };
    channelField("MinVaCh", &KanalWert::MinVaCh);
    channelField("MaxVaCh", &KanalWert::MaxVaCh);
    if (layout->resetValues) channelField("ResVaCh", &KanalWert::ResVaCh);
    return f;
}

// One module: its structure goes to the declaration section, its initial
// values to the BEGIN section.
void writeModule(std::string& decl, std::string& init, const RowEintrag& r, int moduleNo, bool extended)
{
    const std::string name = "Modul" + std::to_string(moduleNo);
    line(decl, extended ? 3 : 2, name + " : STRUCT  //" + r.BestellNr);
    const std::vector<Field> fields = extended ? extendedFields(r, moduleNo) : basicFields(r);
    for (const Field& f : fields) {
        line(decl, 4, f.name + " : " + f.type + ":= " + f.value + ";");
        std::string assignment = name + "." + f.name + " := " + f.value + ";";
        if (f.name == "kenn") assignment += " //" + r.BestellNr;
        line(init, 3, assignment);
    }
    line(decl, 3, "END_STRUCT;");
}

void writeIoHeader(std::string& out, int ioDb, const ProjectInfo& info, bool extended)
{
    blockLine(out, ioDb);
    line(out, 0, "TITLE = ");
    if (!info.Autor.empty()) line(out, 0, "AUTHOR : " + info.Autor);
    if (!info.Familie.empty()) line(out, 0, "FAMILY : " + info.Familie);
    if (!info.ProjektName.empty()) line(out, 0, "NAME : " + info.ProjektName);
    line(out, 0, extended ? "VERSION : 0.2" : "VERSION : 0.1");
    out += kEol;
    out += kEol;
    line(out, 2, "STRUCT");
}

// ---------------------------------------------------------------- CPU block

class CpuSettings {
public:
    // The declared length counts the characters as written into the file,
    // one byte each in its code page.
    void add(const std::string& name, const std::string& value, int extraLength = 0)
    {
        const std::size_t length = utf8ToCp1252(value).size() + static_cast<std::size_t>(extraLength);
        line(decl, 3, name + ": STRING  [" + std::to_string(length) + "] := '" + value + "';");
        line(init, 3, name + ":= '" + value + "';");
    }
    std::string decl;
    std::string init;
};

void writeWebLines(CpuSettings& s, const CpuConfig& c)
{
    s.add("IndexDB", "WEB:IndexDB=" + std::to_string(c.IndexDB));
    s.add("RamDisk", "WEB:RamDisk=" + std::to_string(c.RamDisk));
    if (!c.DateFormat.empty()) s.add("DateFormat", "WEB:DateFormat=" + c.DateFormat);
    if (!c.TimeFormat.empty()) s.add("TimeFormat", "WEB:TimeFormat=" + c.TimeFormat);
    const auto& p = c.WebPassword;
    s.add("Password", "WEB:Password=" + p[1] + "," + p[2] + "," + p[3] + "," + p[4]);
}

void writeCompileLines(CpuSettings& s, const CpuConfig& c)
{
    if (isSet(c.CompPrioAvail)) {
        for (std::size_t i = 0; i < c.CompPrio.size(); ++i)
            if (!c.CompPrio[i].empty()) s.add("Compil_priority_" + std::to_string(i), "COMP:" + c.CompPrio[i]);
    }
    if (isTrue(c.MemorySelected)) s.add("Memory ", "MEM7:" + std::to_string(c.memorySize()));
}

void writeComLines(CpuSettings& s, const CpuConfig& c)
{
    // The communication entries are declared one character longer than their value.
    constexpr int kComExtra = 1;
    const std::string port = "COM" + std::to_string(c.PortNumber) + ":PTP_MPI,";
    std::string com = port;
    if (c.ViaModem == 0)
        com += "RS232," + std::to_string(c.BaudRate) + ",8,O,1";
    else
        com += isSet(c.ModemN613) ? "N613" : "N618";
    s.add("COM", com, kComExtra);
    if (isSet(c.WebOn) || isSet(c.ViaModem)) s.add("TIMEOUT", port + "TIMEOUT=" + std::to_string(c.TimeOut), kComExtra);
    if (isTrue(c.TimingOn)) {
        s.add("ADT", port + "ADT=" + std::to_string(c.Adt), kComExtra);
        s.add("CDT", port + "CDT=" + std::to_string(c.Cdt), kComExtra);
    }
}

void writeSlotBLines(CpuSettings& s, const CpuConfig& c)
{
    for (std::size_t i = 0; i < c.SlotBFast.size(); ++i) {
        if (!isSet(c.SlotBFast[i])) continue;
        const std::string name = "SLOT_B" + std::to_string(i);
        s.add(name, name + ":ENABLE_38400");
    }
}

// The rows the I/O block writes a module structure for, in order, and
// whether it uses the extended layout.
struct ModuleRows {
    bool extended = false;
    struct Entry {
        int row;
        int moduleNo;
    };
    std::vector<Entry> rows;
};

ModuleRows moduleRows(const ProjectTable& table)
{
    const int first = std::max(table.record(1).CpuRowsEnd + 1, 1);
    const int last = table.lastRow();
    auto emptySlot = [&](int r) { return table.cell(r, 1).empty() && leadingNumber(table.cell(r, 0)) > 0; };

    ModuleRows m;
    for (int r = first; r <= last && !m.extended; ++r)
        m.extended = extendedLayout(table.record(r).identWord()).has_value();

    // The basic layout writes an empty slot from its (cleared) record; the
    // extended one only counts it, so SlotNbr still tells the slot.
    int moduleNo = 0;
    for (int r = first; r <= last; ++r) {
        const bool module = isSet(table.record(r).IsModule);
        if (m.extended) {
            if (module) m.rows.push_back({r, moduleNo++});
            if (emptySlot(r)) ++moduleNo;
        } else if (module || emptySlot(r)) {
            m.rows.push_back({r, moduleNo++});
        }
    }
    return m;
}

std::string shownText(const std::string& s)
{
    std::string out;
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::optional<SourceProblem> findSourceProblem(const ProjectTable& table, int cpuDb)
{
    std::optional<SourceProblem> found;
    auto text = [&](int row, const std::string& field, const std::string& value) {
        if (!found && hasControlCharacter(value)) found = SourceProblem{row, field, shownText(value), true};
    };
    auto number = [&](int row, const std::string& field, long long value) {
        if (!found && (value < INT16_MIN || value > INT16_MAX))
            found = SourceProblem{row, field, std::to_string(value), false};
    };
    const ProjectInfo& info = table.info();
    text(0, "Autor", info.Autor);
    text(0, "Familie", info.Familie);
    text(0, "ProjektName", info.ProjektName);
    const ModuleRows m = moduleRows(table);
    for (const auto& e : m.rows) {
        const RowEintrag& r = table.record(e.row);
        text(e.row, "BestellNr", r.BestellNr);
        if (m.extended) number(e.row, "ParLen", static_cast<long long>(r.ParLen) + 18);
        number(e.row, "InCnt", r.InCnt);
    }
    if (cpuDb != 0) {
        const CpuConfig& c = table.record(1).Cpu;
        if (isSet(c.WebOn)) {
            text(1, "DateFormat", c.DateFormat);
            text(1, "TimeFormat", c.TimeFormat);
            for (std::size_t i = 1; i < c.WebPassword.size(); ++i) text(1, "WebPassword", c.WebPassword[i]);
        }
        if (isSet(c.CompPrioAvail))
            for (const std::string& p : c.CompPrio) text(1, "CompPrio", p);
    }
    return found;
}

std::string sourceProblemText(const Texts& texts, const SourceProblem& p)
{
    const std::string where =
        p.row == 0 ? ownText(texts, OwnText::InfoRow) : ownText(texts, OwnText::TableRow, {std::to_string(p.row)});
    if (p.text) return ownText(texts, OwnText::SourceControl, {where, p.field, p.value});
    return ownText(texts, OwnText::SourceRange, {where, p.field, p.value, "INT", "-32768", "32767"});
}

std::string generateIoBlock(const ProjectTable& table, int ioDb)
{
    const ModuleRows m = moduleRows(table);
    const bool extended = m.extended;

    std::string decl;
    writeIoHeader(decl, ioDb, table.info(), extended);
    std::string init;
    line(init, 2, "BEGIN");
    if (extended) {
        line(decl, 3, "Identificator : STRING  [8] := 'NURA EPD';");
        line(init, 3, "Identificator := 'NURA EPD';");
    } else {
        static constexpr char kMarks[] = {'M', 'q', 'v', '4'};
        for (int i = 0; i < 4; ++i) {
            const std::string n = std::to_string(i + 1);
            const std::string mark = {'\'', kMarks[i], '\''};
            line(decl, 3, "Kennbyte" + n + " : CHAR := " + mark + ";");
            line(init, 3, "Kennbyte" + n + ":= " + mark + ";");
        }
    }

    for (const auto& e : m.rows) writeModule(decl, init, table.record(e.row), e.moduleNo, extended);

    line(decl, 2, "END_STRUCT;");
    line(init, 0, "END_DATA_BLOCK");
    return decl + init + std::string(kEol);
}

std::string generateCpuBlock(const RowEintrag& cpuRow, int cpuDb)
{
    if (cpuDb == 0) return {};
    const CpuConfig& c = cpuRow.Cpu;
    std::string out(kEol);
    out += kEol;
    blockLine(out, cpuDb - 1);
    line(out, 0, "VERSION : 0.1");
    out += kEol;
    out += kEol;
    line(out, 2, "STRUCT");
    line(out, 3, "Identificator : STRING  [12] := 'NURA qv4 CDB';");

    CpuSettings s;
    line(s.init, 3, "Identificator := 'NURA qv4 CDB';");
    if (isSet(c.WebOn)) writeWebLines(s, c);
    if (isSet(c.CompPrioAvail) || isSet(c.MemorySelected)) writeCompileLines(s, c);
    if (isSet(c.ComAvail) && isSet(c.MpiMode)) writeComLines(s, c);
    if (isSet(c.SlotBAvail)) writeSlotBLines(s, c);
    if (isSet(c.PeripheryAvail) && isSet(c.PeripheryOff)) s.add("Peripherie", "OB100:Peripherie=Disabled");

    out += s.decl;
    line(out, 2, "END_STRUCT;");
    line(out, 2, "BEGIN");
    out += s.init;
    out += kEol;
    line(out, 2, "END_DATA_BLOCK");
    return out;
}

std::string generateSource(const ProjectTable& table, int ioDb, int cpuDb)
{
    return utf8ToCp1252(generateIoBlock(table, ioDb) + generateCpuBlock(table.record(1), cpuDb));
}

}  // namespace rm
