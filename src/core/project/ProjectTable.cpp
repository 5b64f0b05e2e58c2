#include "core/project/ProjectTable.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "core/cpu/CpuDefaults.h"

namespace rm {

namespace {

bool beginsWithNoCase(const std::string& text, const char* prefix)
{
    for (std::size_t i = 0; prefix[i]; ++i) {
        if (i >= text.size() ||
            std::toupper(static_cast<unsigned char>(text[i])) != std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

bool isSet(int16_t boolean)
{
    return boolean != 0;
}

constexpr long kHighestAddress = 32767;

}  // namespace

int leadingNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool neg = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) neg = text[i++] == '-';
    long v = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        v = std::min(v * 10 + (text[i] - '0'), 1000000L);
    return static_cast<int>(neg ? -v : v);
}

DialogKind dialogFor(const RowEintrag& r)
{
    const bool in = r.hasFlag(flags::Inputs);
    const bool out = r.hasFlag(flags::Outputs);
    const bool even = r.hasFlag(flags::Even);
    const std::string type = typeCode(r.BestellNr);
    if (in && out && !even) {
        if (type == "E321" || type == "E322" || type == "K201" || type == "K211" || type == "K221" || type == "K222")
            return DialogKind::Positioning;
        if (type == "K202") return DialogKind::Counter;
        if (type == "K205") return DialogKind::Encoder;
        if (type == "E325") return DialogKind::Temperature;
        if (r.identWord() == 0x84) return DialogKind::TwoAxisEncoder;
        return DialogKind::DigitalCombined;
    }
    if (in && out) return DialogKind::AnalogCombined;
    if (in) return even ? DialogKind::AnalogInput : DialogKind::DigitalInput;
    if (out) return even ? DialogKind::AnalogOutput : DialogKind::DigitalOutput;
    return r.hasFlag(flags::Cpu) ? DialogKind::Cpu : DialogKind::None;
}

bool CheckMaxAddress(AppState& app, long address)
{
    if (address >= 32000) {
        app.asker.ShowMessage("maximale Address: 32000", "", style::Ok + style::Critical);
        return false;
    }
    return true;
}

ProjectTable::ProjectTable(AppState& app) : app_(app)
{
    Row header;
    const std::string fmt = app_.messages[1072];
    std::size_t col = 0, pos = 0;
    // "|a|b|..." : the text before the first "|" belongs to column 0.
    while (col < header.size()) {
        auto bar = fmt.find('|', pos);
        header[col++] = fmt.substr(pos, bar == std::string::npos ? std::string::npos : bar - pos);
        if (bar == std::string::npos) break;
        pos = bar + 1;
    }
    grid_.push_back(header);
    grid_.push_back(Row{});
}

void ProjectTable::setCurrentRow(int row)
{
    if (row >= 1 && row < rowCount()) current_ = row;
}

void ProjectTable::setCell(int row, int col, std::string text)
{
    grid_.at(static_cast<std::size_t>(row))[static_cast<std::size_t>(col)] = std::move(text);
}

void ProjectTable::restore(const Snapshot& s)
{
    grid_ = s.grid;
    rows_ = s.rows;
    current_ = s.current;
    changed_ = s.changed;
    labelsRight_ = s.labelsRight;
}

// ---------------------------------------------------------------- rows and records

int ProjectTable::RowIs(int row) const
{
    const std::string& t = cell(row, 0);
    if (t.empty()) return kind::CpuRow;
    if (beginsWithNoCase(t, "+")) return kind::Connector;
    if (beginsWithNoCase(t, "A")) return kind::SlotA;
    if (beginsWithNoCase(t, "B")) return kind::SlotB;
    if (beginsWithNoCase(t, "MB")) return kind::SlotMB;
    if (beginsWithNoCase(t, "M")) return kind::SlotM;
    if (leadingNumber(t) != 0) return kind::Slot;
    return kind::None;
}

int ProjectTable::GetLineParent(int row) const
{
    int r = row;
    while (!isSet(record(r).IsHead)) {
        if (r < 2) break;
        --r;
    }
    return r;
}

void ProjectTable::ClearRowArrayEintrag(int row)
{
    if (row == -1) row = current_;
    record(row) = RowEintrag{};
}

void ProjectTable::DeleteGridArray(int first)
{
    for (int r = std::max(first, 1); r <= kMaxRow; ++r) rows_[static_cast<std::size_t>(r)] = RowEintrag{};
}

int ProjectTable::FindStation(int row) const
{
    int r = std::min(row, lastRow());
    while (r > 1 && !isSet(record(r).IsCPU) && !isSet(record(r).IsExtension)) --r;
    return std::max(r, 1);
}

void ProjectTable::clearRow(int row)
{
    for (int c = 1; c < kColumns; ++c) setCell(row, c, {});
    ClearRowArrayEintrag(row);
}

bool ProjectTable::appendRow(const std::string& label)
{
    if (rowCount() > kMaxRow) return false;
    Row r;
    r[0] = label;
    grid_.push_back(std::move(r));
    return true;
}

void ProjectTable::removeRowsAfter(int row)
{
    if (rowCount() > row + 1) grid_.resize(static_cast<std::size_t>(row + 1));
    if (current_ > row) current_ = row;
}

// ---------------------------------------------------------------- addresses and row writing

AddressResult ProjectTable::AdresseErmitteln(int16_t& in, int16_t& out, bool check)
{
    const int c = current_;
    if (check && !rowEmpty(c)) ClearModuleRows(false, c);
    RowEintrag& cur = app_.CurrentModule;
    const bool hasIn = cur.hasFlag(flags::Inputs);
    const bool hasOut = cur.hasFlag(flags::Outputs);
    if (!hasIn && !hasOut) return AddressResult::NoAddresses;

    const bool even = cur.hasFlag(flags::Even);
    auto raise = [&](int64_t v) {
        if (even && cur.hasFlag(flags::Min256) && v < 256) v = 256;
        if (even && (v % 2 != 0)) ++v;
        if ((cur.Kennung & 0xF0) == 0x80 && v < 256) v = 256;
        return v;
    };
    // The lowest start at or above the requested one that no other range
    // overlaps; each move restarts the search from the first row.
    auto search = [&](int64_t start, bool inputs) {
        const int bit = inputs ? flags::Inputs : flags::Outputs;
        const int64_t count = inputs ? int64_t{cur.InCnt} : int64_t{cur.OutCnt};
        bool moved = true;
        while (moved) {
            moved = false;
            for (int r = 1; r <= kMaxRow; ++r) {
                const RowEintrag& o = rows_[static_cast<std::size_t>(r)];
                if (r == c || !o.hasFlag(bit)) continue;
                const int64_t oBase = inputs ? o.InBase : o.OutBase;
                const int64_t oEnd = oBase + (inputs ? int64_t{o.InCnt} : int64_t{o.OutCnt});
                if (oEnd > start && start + count > oBase) {
                    start = oEnd;
                    if (even && start % 2 != 0) ++start;
                    moved = true;
                    break;
                }
            }
        }
        const bool fits = start <= kHighestAddress && start + std::max<int64_t>(count, 1) - 1 <= kHighestAddress;
        return fits ? start : int64_t{-1};
    };
    int64_t I = 0, O = 0;
    if (hasIn && (I = search(raise(in), true)) < 0) return AddressResult::OutOfRange;
    if (hasOut && (O = search(raise(out), false)) < 0) return AddressResult::OutOfRange;
    const bool kept = I == in && O == out;
    in = static_cast<int16_t>(I);
    out = static_cast<int16_t>(O);
    cur.InBase = in;
    cur.OutBase = out;
    record(c) = cur;
    return kept ? AddressResult::Kept : AddressResult::Moved;
}

// Columns 3 to 6: addresses and byte counts, "-" where there are none; empty
// for CPU and extension rows.
void ProjectTable::writeAddressCells(int c, const RowEintrag& R)
{
    if (isSet(R.IsCPU) || isSet(R.IsExtension)) {
        for (int col = 3; col < kColumns; ++col) setCell(c, col, {});
        return;
    }
    setCell(c, 3, R.InCnt != 0 ? std::to_string(R.InBase) : "-");
    setCell(c, 4, R.OutCnt != 0 ? std::to_string(R.OutBase) : "-");
    setCell(c, 5, R.InCnt != 0 ? std::to_string(R.InCnt) : "-");
    setCell(c, 6, R.OutCnt != 0 ? std::to_string(R.OutCnt) : "-");
}

bool ProjectTable::WriteRowEintrag(int kind)
{
    RowEintrag R = kind == 3 ? app_.ClipboardModule : app_.CurrentModule;
    const int c = current_;
    if (!einlesen_) {
        const Snapshot before = snapshot();
        if (AdresseErmitteln(R.InBase, R.OutBase, true) == AddressResult::OutOfRange) {
            restore(before);
            CheckMaxAddress(app_, 32000);
            return false;
        }
    }
    setCell(c, 1, isSet(R.IsHead) ? R.BestellNr : R.BestellNr + "-" + std::to_string(R.SonNbr));
    setCell(c, 2, R.Bezeichnung);
    writeAddressCells(c, R);
    record(c) = std::move(R);
    changed_ = true;
    return true;
}

int ProjectTable::extraRowCount(const RowEintrag& cpu) const
{
    if (cpu.Family == 2) return isSet(cpu.Cpu.SlotB2Avail) ? 3 : 2;
    if (cpu.Family == 3 && isSet(cpu.HasMemSlots)) return 3;
    return 0;
}

bool ProjectTable::WriteSonderEintragEx(int kind)
{
    RowEintrag R = kind == 3 ? app_.ClipboardModule : app_.CurrentModule;
    const int c = current_;
    bool complete = true;
    if (c == 1 && rowEmpty(1)) setCell(1, 0, {});
    labelsRight_ = false;
    if (isSet(R.IsCPU)) {
        // The CPU owns the whole table below it: rows and records are rebuilt.
        removeRowsAfter(1);
        DeleteGridArray(2);
        if (R.Family == 2) {
            complete &= appendRow("A");
            complete &= appendRow("B1");
            if (isSet(R.Cpu.SlotB2Avail)) complete &= appendRow("B2");
            labelsRight_ = true;
        } else if (R.Family == 3 && isSet(R.HasMemSlots)) {
            complete &= appendRow("M1");
            complete &= appendRow("M2");
            complete &= appendRow("MB");
            labelsRight_ = true;
        }
        R.CpuRowsEnd = static_cast<int16_t>(1 + extraRowCount(R));
        for (int s = 1; s <= R.SlotCnt && complete; ++s) complete &= appendRow(std::to_string(s));
    } else if (isSet(R.IsExtension)) {
        // A rack placed on a "+" row replaces whatever followed that row.
        removeRowsAfter(c);
        DeleteGridArray(c + 1);
        const int s = leadingNumber(cell(std::max(rowCount() - 2, 0), 0)) + 1;
        for (int i = 0; i < R.SlotCnt && complete; ++i) complete &= appendRow(std::to_string(s + i));
        R.CpuRowsEnd = 1;
    }
    if (isSet(R.HasConnector) && complete) complete &= appendRow("+");
    setCell(c, 1, R.BestellNr);
    setCell(c, 2, R.Bezeichnung);
    writeAddressCells(c, R);
    if (kind != 3) app_.CurrentModule.CpuRowsEnd = R.CpuRowsEnd;
    record(c) = std::move(R);
    changed_ = true;
    return complete;
}

void ProjectTable::SelectNextRow()
{
    if (current_ >= lastRow()) return;
    for (int r = current_; r <= lastRow(); ++r) {
        if (rowEmpty(r)) {
            current_ = r;
            return;
        }
    }
}

void ProjectTable::ClearModuleRows(bool ask, int row)
{
    if (row == -1) row = current_;
    if (row < 1 || row > lastRow() || rowEmpty(row)) return;
    if (ask && app_.ask(1086, 0, style::YesNo + style::Exclamation) != answer::Yes) return;
    if (RowIs(row) == kind::Connector) {
        setCell(row, 0, "+");
        clearRow(row);
    } else {
        const int h = GetLineParent(row);
        const int sons = GetSonNbr(h);
        clearRow(h);
        // The sub-rows follow the head; stop at anything that is not one.
        for (int i = 1; i <= sons && h + i <= lastRow(); ++i) {
            if (isSet(record(h + i).IsHead) || rowEmpty(h + i)) break;
            clearRow(h + i);
        }
    }
    changed_ = true;
}

// ---------------------------------------------------------------- placement

int ProjectTable::rowsOf(const RowEintrag& r)
{
    if (isSet(r.IsHead) && r.SonNbr > 0) return r.SonNbr + 1;
    return std::max<int>(r.SubCount, 1);
}

bool ProjectTable::SlotFits(int row, int n) const
{
    // Every row of the module must be a numbered slot of the same station.
    for (int i = 0; i < n; ++i)
        if (row + i > lastRow() || RowIs(row + i) != kind::Slot) return false;
    const int h = FindStation(row);
    const RowEintrag& S = record(h);
    int p = row - h - S.CpuRowsEnd + 1;
    if (S.SlotLimit <= 0) return true;
    if (p < 1) return false;
    p = (p - 1) % S.SlotLimit + 1;  // position within its group
    return p + n <= S.SlotLimit + 1;
}

bool ProjectTable::FamilyFits(int row, const RowEintrag& rec) const
{
    // On a "+" row the rack being replaced does not count: look above it.
    const int from = RowIs(row) == kind::Connector ? row - 1 : row;
    const RowEintrag& S = record(FindStation(std::max(from, 1)));
    if (S.Family == rec.Family) return true;
    return (isSet(S.IsCPU) || isSet(S.IsExtension)) && rec.hasFlag(flags::Extension) && S.Family < rec.Family;
}

bool ProjectTable::isMaxSlotNbrReached(const RowEintrag& rec, int targetRow) const
{
    // Slots after the target "+" row belong to the rack being replaced.
    const int last =
        (targetRow >= 1 && targetRow <= lastRow() && RowIs(targetRow) == kind::Connector) ? targetRow : lastRow();
    int count = 0;
    for (int r = std::max(rows_[1].CpuRowsEnd + 1, 1); r <= last; ++r)
        if (RowIs(r) == kind::Slot) ++count;
    return count + rec.SlotCnt > rows_[1].MaxSlotNbr;
}

bool ProjectTable::stationFitsTable(const RowEintrag& rec, int row) const
{
    int needed;
    if (rec.hasFlag(flags::Cpu)) {
        needed = 1 + extraRowCount(rec) + std::max<int>(rec.SlotCnt, 0);
    } else {
        needed = row + std::max<int>(rec.SlotCnt, 0);
    }
    if (isSet(rec.HasConnector)) ++needed;
    return needed <= kMaxRow;
}

bool ProjectTable::subListResolves(const RowEintrag& rec) const
{
    const RowEintrag* def = &rec;
    RowEintrag headDef;
    if (isSet(rec.IsHead) && rec.SonNbr > 0) {
        headDef = app_.ModulKatalog.LookupCatalog(rec.BestellNr);
        def = &headDef;
        if (headDef.BestellNr.empty() || headDef.SubCount != rec.SonNbr + 1) return false;
    }
    const int n = def->SubCount;
    if (n <= 1) return true;
    if (static_cast<int>(def->SubList.size()) < n) return false;
    for (int i = 0; i < n; ++i) {
        const std::string& e = def->SubList[static_cast<std::size_t>(i)];
        if (e != "NULL" && app_.ModulKatalog.indexOf(e) == 0) return false;
    }
    return true;
}

bool ProjectTable::IsAllowedInRow(const RowEintrag& rec, int row) const
{
    return WhyNotAllowed(rec, row) == Refusal::None;
}

Refusal ProjectTable::WhyNotAllowed(const RowEintrag& rec, int row) const
{
    if (row < 1 || row > lastRow()) return Refusal::SlotKind;
    const int k = RowIs(row);
    // A CPU belongs in row 1 and a rack on a "+" row, nowhere else: written
    // anywhere else either would rebuild the station from there on.
    if (rec.hasFlag(flags::Cpu) && k != kind::CpuRow) return Refusal::SlotKind;
    if (rec.hasFlag(flags::Extension) && k != kind::Connector) return Refusal::SlotKind;
    switch (k) {
        case kind::CpuRow:
            if (!rec.hasFlag(flags::Cpu)) return Refusal::SlotKind;
            return stationFitsTable(rec, 1) ? Refusal::None : Refusal::TableFull;
        case kind::Connector:
            if (!rec.hasFlag(flags::Extension)) return Refusal::SlotKind;
            if (!FamilyFits(row, rec)) return Refusal::Family;
            if (isMaxSlotNbrReached(rec, row)) return Refusal::SlotMaximum;
            return stationFitsTable(rec, row) ? Refusal::None : Refusal::TableFull;
        case kind::SlotA:
        case kind::SlotB: {
            const int bit = k == kind::SlotA ? flags::SlotA : flags::SlotB;
            const bool ok = rec.hasFlag(bit) && (getCPUBestell() != "QMV1.R200" || (rec.Modus & 1));
            return ok ? Refusal::None : Refusal::SlotKind;
        }
        case kind::SlotMB:
        case kind::SlotM:
            return Refusal::SlotKind;
        default:
            break;
    }
    if (!rec.hasFlag(flags::Inputs | flags::Outputs | flags::Min256 | flags::SubEntries))
        return rec.hasFlag(flags::NoIoSlot) ? Refusal::None : Refusal::SlotKind;
    // A lone sub-row of a several-row module cannot stand on its own.
    if (!isSet(rec.IsHead) && rec.SonNbr > 0) return Refusal::SlotKind;
    if (!SlotFits(row, rowsOf(rec))) return Refusal::NoRoomInGroup;
    if (!FamilyFits(row, rec)) return Refusal::Family;
    return subListResolves(rec) ? Refusal::None : Refusal::UnknownOrder;
}

std::string ProjectTable::refusalText(Refusal why, const RowEintrag& rec, int row) const
{
    const Texts& t = app_.texts;
    std::string slot = row >= 1 && row <= lastRow() ? cell(row, 0) : std::string();
    if (row == 1) slot = "CPU";
    const std::string order = rec.BestellNr;
    switch (why) {
        case Refusal::None:
            return {};
        case Refusal::SlotKind:
            return fillArgs(byLanguage(t, "Slot %1 does not take %2.", "Steckplatz %1 nimmt %2 nicht auf.",
                                       "L'emplacement %1 n'accepte pas %2."),
                            {slot, order});
        case Refusal::Family: {
            const RowEintrag& S = record(FindStation(std::max(RowIs(row) == kind::Connector ? row - 1 : row, 1)));
            return fillArgs(byLanguage(t, "%1 belongs to another module family than the station %2.",
                                       "%1 gehört zu einer anderen Baugruppenfamilie als die Station %2.",
                                       "%1 appartient à une autre famille de modules que la station %2."),
                            {order, S.BestellNr});
        }
        case Refusal::NoRoomInGroup:
            return fillArgs(byLanguage(t,
                                       "%1 needs %2 numbered slots in one group of the station; from slot %3 there "
                                       "are not enough.",
                                       "%1 braucht %2 nummerierte Steckplätze in einer Gruppe der Station; ab "
                                       "Steckplatz %3 sind es nicht genug.",
                                       "%1 a besoin de %2 emplacements numérotés dans un même groupe de la station ; "
                                       "à partir de l'emplacement %3, il n'y en a pas assez."),
                            {order, std::to_string(rowsOf(rec)), slot});
        case Refusal::SlotMaximum:
            return fillArgs(byLanguage(t, "With %1 the CPU would have more than its maximum of %2 numbered slots.",
                                       "Mit %1 hätte die CPU mehr als die höchstens %2 nummerierten Steckplätze.",
                                       "Avec %1, la CPU dépasserait son maximum de %2 emplacements numérotés."),
                            {order, std::to_string(rows_[1].MaxSlotNbr)});
        case Refusal::TableFull:
            return fillArgs(byLanguage(t, "The rows of %1 would not fit below row %2.",
                                       "Die Zeilen von %1 passen nicht unter Zeile %2.",
                                       "Les lignes de %1 ne tiennent pas avant la ligne %2."),
                            {order, std::to_string(kMaxRow)});
        case Refusal::UnknownOrder:
            return fillArgs(byLanguage(t, "An order number of %1 is not in the catalog.",
                                       "Eine Bestellnummer von %1 fehlt im Katalog.",
                                       "Une référence de %1 ne figure pas dans le catalogue."),
                            {order});
    }
    return {};
}

void ProjectTable::tellRefusal(const RowEintrag& rec, int row)
{
    const std::string reason = refusalText(WhyNotAllowed(rec, row), rec, row);
    std::string prompt = app_.texts.byEnglishId(1088);
    if (!reason.empty()) prompt += "\n\n" + reason;
    app_.asker.ShowMessage(prompt, "", style::Ok + style::Exclamation);
}

bool ProjectTable::ConfirmModuleTarget(int sourceKind)
{
    const RowEintrag& R = sourceKind == 3 ? app_.ClipboardModule : app_.CurrentModule;
    const int c = current_;
    if (cell(c, 1) == R.BestellNr) return false;
    const int n = rowsOf(R);
    for (int r = c; r < c + n && r <= lastRow(); ++r) {
        if (!rowEmpty(r)) return app_.ask(1085, 0, style::YesNo + style::Exclamation) == answer::Yes;
    }
    return true;
}

bool ProjectTable::ConfirmCpuTarget(int sourceKind)
{
    const RowEintrag& R = sourceKind == 3 ? app_.ClipboardModule : app_.CurrentModule;
    const int c = current_;
    if (cell(c, 1) == R.BestellNr) {
        app_.ask(1089, 0, style::Ok + style::Exclamation);
        return false;
    }
    if (rowEmpty(c)) return true;
    return app_.ask(1083, 0, style::YesNo + style::Exclamation) == answer::Yes;
}

void ProjectTable::clearModulesInRows(int first, int n)
{
    for (int r = first; r < first + n && r <= lastRow(); ++r)
        if (!rowEmpty(r)) ClearModuleRows(false, r);
}

// Writes the rows of a module of several rows from `first` (the current row):
// the head record, then one row per further SubList entry of the definition.
bool ProjectTable::writeModuleRows(const RowEintrag& head, const RowEintrag& definition, int kind)
{
    const int n = definition.SubCount;
    const int first = current_;
    for (int i = 0; i < n; ++i) {
        current_ = first + i;
        if (i == 0) {
            app_.CurrentModule = head;
        } else {
            const std::string& entry = definition.SubList[static_cast<std::size_t>(i)];
            app_.CurrentModule = app_.ModulKatalog.LookupCatalog(entry);
            app_.CurrentModule.IsHead = kFalse;
            app_.CurrentModule.SonNbr = static_cast<int16_t>(i);
            app_.CurrentModule.BestellNr = definition.BestellNr;
            if (entry == "NULL") {
                app_.CurrentModule.Bezeichnung = " ";
                app_.CurrentModule.HasDialog = kFalse;
            } else {
                app_.CurrentModule.HasDialog = kTrue;
            }
        }
        if (!WriteRowEintrag(i == 0 ? kind : 2)) return false;
    }
    current_ = std::min(first + n, lastRow());
    return true;
}

bool ProjectTable::insertModule()
{
    const Snapshot before = snapshot();
    RowEintrag M = app_.CurrentModule;
    bool ok;
    if (M.isCpuOrExtension()) {
        if (M.Modus & 1) app_.CurrentModule.HasDialog = kTrue;
        app_.CurrentModule.IsPlaced = kTrue;
        ok = WriteSonderEintragEx(2);
    } else if (M.SubCount <= 1) {
        auto& cm = app_.CurrentModule;
        cm.IsPlaced = cm.HasDialog = cm.IsHead = kTrue;
        cm.SonNbr = 0;
        ok = WriteRowEintrag(2);
    } else {
        RowEintrag head = app_.ModulKatalog.LookupCatalog(M.SubList[0]);
        head.SonNbr = static_cast<int16_t>(M.SubCount - 1);
        head.IsHead = head.IsPlaced = head.HasDialog = kTrue;
        head.BestellNr = M.BestellNr;
        app_.CurrentModule = head;
        ok = writeModuleRows(head, M, 2);
    }
    if (!ok) {
        restore(before);
        app_.CurrentModule = M;
    }
    return ok;
}

bool ProjectTable::DblClickInTree(int index)
{
    if (!app_.ModulKatalog.validIndex(index)) return false;
    app_.CurrentModule = app_.ModulKatalog.at(index);
    if (!IsAllowedInRow(app_.CurrentModule, current_)) {
        tellRefusal(app_.CurrentModule, current_);
        return false;
    }
    const bool station = app_.CurrentModule.isCpuOrExtension();
    if (!(station ? ConfirmCpuTarget(2) : ConfirmModuleTarget(2))) return false;
    if (station) SetCpuDefaults(app_.CurrentModule);
    if (!insertModule()) return false;
    SelectNextRow();
    return true;
}

void ProjectTable::TruncateRows(int n)
{
    removeRowsAfter(n);
    DeleteGridArray(n);
    if (current_ >= 1 && current_ <= lastRow()) clearRow(current_);
    changed_ = true;
}

bool ProjectTable::canDrag(int row) const
{
    if (row < 1 || row > lastRow() || rowEmpty(row)) return false;
    return record(row).SonNbr == 0 && RowIs(row) != kind::Connector;
}

bool ProjectTable::dropFromCatalog(int index, int t)
{
    if (t < 1 || t > lastRow() || !app_.ModulKatalog.validIndex(index)) return false;
    app_.CurrentModule = app_.ModulKatalog.at(index);
    if (!IsAllowedInRow(app_.CurrentModule, t)) return false;
    current_ = t;
    const bool station = app_.CurrentModule.isCpuOrExtension();
    if (!(station ? ConfirmCpuTarget(2) : ConfirmModuleTarget(2))) return false;
    if (station) SetCpuDefaults(app_.CurrentModule);
    if (!insertModule()) return false;
    SelectNextRow();
    return true;
}

bool ProjectTable::dropFromTable(ProjectTable& source, int s, int t, bool ctrl)
{
    const bool sameTable = &source == this;
    if ((sameTable && t == s) || t < 1 || t > lastRow()) return false;
    if (!IsAllowedInRow(app_.CurrentModule, t)) return false;
    current_ = t;
    const bool station = app_.CurrentModule.isCpuOrExtension();
    if (!(station ? ConfirmCpuTarget(2) : ConfirmModuleTarget(2))) return false;
    if (station) SetCpuDefaults(app_.CurrentModule);
    CtrlDown = ctrl;

    if (ctrl) {
        if (station) {
            einlesen_ = false;
            return WriteSonderEintragEx(2);
        }
        return WriteRowEintrag(2);
    }
    if (station) {
        const int a =
            app_.ask(isSet(app_.CurrentModule.IsCPU) ? 1090 : 1091, 0, style::YesNoCancel + style::Exclamation);
        if (a == answer::Yes) {
            CtrlDown = true;
            return WriteSonderEintragEx(2);
        }
        if (a != answer::No) return false;
        if (!WriteSonderEintragEx(2)) return false;
        // The station leaves its project, and everything that hung on it.
        source.current_ = s;
        source.TruncateRows(s);
        return true;
    }
    if (sameTable) {
        // A move inside the project keeps the module's addresses.
        ClearModuleRows(false, s);
        clearModulesInRows(t, rowsOf(app_.CurrentModule));
        current_ = t;
        einlesen_ = true;
        const bool ok = WriteRowEintrag(2);
        einlesen_ = false;
        return ok;
    }
    // From another project: the addresses are searched again here, and the
    // module leaves the other project only once it has been written.
    if (!WriteRowEintrag(2)) return false;
    source.ClearModuleRows(false, s);
    return true;
}

// ---------------------------------------------------------------- edit commands

int ProjectTable::ConfirmCutStation(const RowEintrag& rec)
{
    if (isSet(rec.IsCPU)) return app_.ask(1090, 0, style::YesNoCancel + style::Exclamation);
    if (isSet(rec.IsExtension)) return app_.ask(1091, 0, style::YesNoCancel + style::Exclamation);
    return 0;
}

void ProjectTable::FktCopy()
{
    if (rowEmpty(current_)) return;
    app_.ClipboardModule = record(current_);
    app_.ClipboardFull = true;
}

void ProjectTable::FktCut()
{
    if (rowEmpty(current_)) return;
    const RowEintrag R = record(current_);
    if (R.SonNbr != 0) {
        app_.asker.ShowMessage("This function is not allowed on this type of module", "Cut function", style::Ok);
        return;
    }
    app_.ClipboardModule = R;
    const int a = ConfirmCutStation(app_.ClipboardModule);
    const int k = RowIs(current_);
    if (k == kind::CpuRow || (k == kind::Connector && isSet(R.IsExtension))) {
        // Cutting a station takes every module after it along: Yes copies instead.
        if (a == answer::Yes) {
            FktCopy();
            return;
        }
        if (a != answer::No) return;
        TruncateRows(k == kind::CpuRow ? 1 : current_);
    } else {
        ClearModuleRows(false, current_);
    }
    app_.ClipboardFull = true;
}

void ProjectTable::FktPaste()
{
    RowEintrag& clip = app_.ClipboardModule;
    if (!IsAllowedInRow(clip, current_)) {
        tellRefusal(clip, current_);
        return;
    }
    if (!ConfirmModuleTarget(3)) return;
    app_.CurrentModule = clip;
    if (clip.isCpuOrExtension()) {
        WriteSonderEintragEx(3);
    } else if (isSet(clip.IsHead) && clip.SonNbr > 0) {
        // The head of a module of several rows brings its sub-rows along.
        const Snapshot before = snapshot();
        const int c = current_;
        const RowEintrag def = app_.ModulKatalog.LookupCatalog(clip.BestellNr);
        if (!writeModuleRows(clip, def, 3)) {
            restore(before);
            return;
        }
        current_ = c;
    } else {
        WriteRowEintrag(3);
    }
}

void ProjectTable::FktDelete()
{
    app_.ClipboardModule = record(current_);
    const int k = RowIs(current_);
    if (k == kind::CpuRow || k == kind::Connector) {
        if (app_.asker.ShowMessage(app_.messages[1084], "", style::YesNo + style::Question) == answer::Yes)
            TruncateRows(current_);
        return;
    }
    ClearModuleRows(app_.ConfirmDelete, current_);
}

ProjectTable::EditState ProjectTable::UpdateEditCommands() const
{
    EditState s;
    s.paste = app_.ClipboardFull;
    const int c = current_;
    if (record(c).SonNbr != 0 || (RowIs(c) == kind::Connector && !rowEmpty(c))) {
        s.del = true;
    } else {
        s.cut = s.copy = s.del = !rowEmpty(c);
    }
    return s;
}

// ---------------------------------------------------------------- dialogs

DialogKind ProjectTable::prepareDialog(int row)
{
    setCurrentRow(row);
    app_.CurrentModule = record(current_);
    app_.CurrentSlotText = cell(current_, 0);
    app_.CurrentStationText = record(FindStation(current_)).BestellNr;
    const DialogKind d = dialogFor(app_.CurrentModule);
    if (d == DialogKind::TwoAxisEncoder && current_ < kMaxRow) app_.NextModule = record(current_ + 1);
    return d;
}

void ProjectTable::finishDialog(int row, DialogKind dialog)
{
    record(row) = app_.CurrentModule;
    if (dialog == DialogKind::TwoAxisEncoder && row < kMaxRow) record(row + 1) = app_.NextModule;
}

// ---------------------------------------------------------------- loading

void ProjectTable::ProjektLaden(const ProjectInfo& info, const std::array<RowEintrag, kMaxRow + 1>& records,
                                std::vector<std::string>* notes)
{
    auto note = [&](int r, const char* why) {
        if (notes)
            notes->push_back("row " + std::to_string(r) + " (" + records[static_cast<std::size_t>(r)].BestellNr +
                             "): " + why);
    };
    einlesen_ = true;
    grid_.resize(2);
    grid_[1] = Row{};
    rows_ = {};
    labelsRight_ = false;
    info_ = info;
    info_.Gespeichert = kTrue;
    for (int r = 1; r <= kMaxRow; ++r) {
        const RowEintrag& rec = records[static_cast<std::size_t>(r)];
        rows_[static_cast<std::size_t>(r)] = rec;
        if (rec.BestellNr.empty() || r >= rowCount()) continue;
        app_.CurrentModule = rec;
        current_ = r;
        if (isSet(rec.IsCPU) || isSet(rec.IsExtension)) {
            const bool fits = isSet(rec.IsCPU) ? r == 1 : RowIs(r) == kind::Connector;
            if (!fits) {
                ClearRowArrayEintrag(r);
                note(r, "a CPU or extension rack where none can stand; left out");
                continue;
            }
            if (!WriteSonderEintragEx(2)) note(r, "its slot rows do not all fit into the table");
        } else {
            WriteRowEintrag(2);
        }
    }
    // The table and the records agree: what is not shown is not kept.
    for (int r = 1; r <= kMaxRow; ++r) {
        RowEintrag& rec = rows_[static_cast<std::size_t>(r)];
        if (rec.isEmpty()) continue;
        if (r >= rowCount()) {
            note(r, "belongs to no row of the table; left out");
            rec = RowEintrag{};
        } else if (rowEmpty(r)) {
            note(r, "a record without order number; left out");
            rec = RowEintrag{};
        }
    }
    changed_ = false;
    current_ = 1;
    CtrlDown = false;
    einlesen_ = false;
}

}  // namespace rm
