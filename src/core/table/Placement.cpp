// Where a CPU, a rack or a module may go, the questions before anything
// placed is replaced, and placing by double click and by dropping.
#include "core/base/TextIds.h"
#include "core/table/ProjectTable.h"

#include <algorithm>

#include "core/base/OwnTexts.h"
#include "core/record/CpuDefaults.h"

namespace rm {

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
            return ownText(t, OwnText::SlotRefuses, {slot, order});
        case Refusal::Family: {
            const RowEintrag& S = record(FindStation(std::max(RowIs(row) == kind::Connector ? row - 1 : row, 1)));
            return ownText(t, OwnText::OtherFamily, {order, S.BestellNr});
        }
        case Refusal::NoRoomInGroup:
            return ownText(t, OwnText::NotEnoughSlots, {order, std::to_string(rowsOf(rec)), slot});
        case Refusal::SlotMaximum:
            return ownText(t, OwnText::TooManySlots, {order, std::to_string(rows_[1].MaxSlotNbr)});
        case Refusal::TableFull:
            return ownText(t, OwnText::RowsDoNotFit, {order, std::to_string(kMaxRow)});
        case Refusal::UnknownOrder:
            return ownText(t, OwnText::OrderNotInCatalog, {order});
    }
    return {};
}

void ProjectTable::tellRefusal(const RowEintrag& rec, int row)
{
    const std::string reason = refusalText(WhyNotAllowed(rec, row), rec, row);
    std::string prompt = app_.texts.byEnglishId(txt::ModuleNotForThisRow);
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
        if (!rowEmpty(r)) return app_.ask(txt::OverwriteModule, 0, style::YesNo + style::Exclamation) == answer::Yes;
    }
    return true;
}

bool ProjectTable::ConfirmCpuTarget(int sourceKind)
{
    const RowEintrag& R = sourceKind == 3 ? app_.ClipboardModule : app_.CurrentModule;
    const int c = current_;
    if (cell(c, 1) == R.BestellNr) {
        app_.ask(txt::SameModule, 0, style::Ok + style::Exclamation);
        return false;
    }
    if (rowEmpty(c)) return true;
    RowEintrag station = R;
    SetCpuDefaults(station);
    std::string prompt = app_.texts.byEnglishId(txt::ExchangeCpu);
    const std::string summary = exchangeSummary(exchangeOutcome(station, c));
    if (!summary.empty()) prompt += "\n\n" + summary;
    return app_.asker.ShowMessage(prompt, "", style::YesNo + style::Exclamation) == answer::Yes;
}

ProjectTable::ExchangeOutcome ProjectTable::exchangeOutcome(const RowEintrag& station, int row)
{
    // Tried on the table itself and undone: the outcome is what the exchange does.
    const Snapshot before = snapshot();
    const RowEintrag module = app_.CurrentModule;
    const bool reading = einlesen_;
    ExchangeOutcome outcome;
    app_.CurrentModule = station;
    current_ = row;
    exchangeStation(&outcome);
    restore(before);
    app_.CurrentModule = module;
    einlesen_ = reading;
    return outcome;
}

std::string ProjectTable::exchangeSummary(const ExchangeOutcome& o) const
{
    if (o.keptModules == 0 && o.keptRacks == 0 && o.removed.empty()) return {};
    const Texts& t = app_.texts;
    const std::string modules = ownText(t, singularCount(t, o.keptModules) ? OwnText::KeptModule : OwnText::KeptModules,
                                        {std::to_string(o.keptModules)});
    const std::string racks = ownText(t, singularCount(t, o.keptRacks) ? OwnText::KeptRack : OwnText::KeptRacks,
                                      {std::to_string(o.keptRacks)});
    std::string text = ownText(t, OwnText::KeptSummary, {modules, racks});
    if (!o.removed.empty()) {
        text += ownText(t, OwnText::KeptRemoved);
        for (std::size_t i = 0; i < o.removed.size(); ++i) text += (i ? ", " : "") + o.removed[i];
    }
    return text + ".";
}

bool ProjectTable::exchangeStation(ExchangeOutcome* outcome)
{
    // What follows the station row, read before its rows are rebuilt.
    struct Carried {
        std::string slot;
        std::vector<RowEintrag> records;
    };
    const int c = current_;
    const RowEintrag station = app_.CurrentModule;
    std::vector<Carried> carried;
    for (int r = c + 1; r <= lastRow(); ++r) {
        if (rowEmpty(r)) continue;
        const RowEintrag& rec = record(r);
        if (!isSet(rec.IsExtension) && !isSet(rec.IsHead)) continue;  // sub-rows go with their head
        Carried item{cell(r, 0), {rec}};
        if (!isSet(rec.IsExtension))
            for (int i = 1; i <= rec.SonNbr && r + i <= lastRow(); ++i) item.records.push_back(record(r + i));
        carried.push_back(std::move(item));
    }
    ExchangeOutcome local;
    ExchangeOutcome& o = outcome ? *outcome : local;
    const bool complete = WriteSonderEintragEx(RecordFrom::CurrentModule);
    const Texts& t = app_.texts;
    for (const Carried& item : carried) {
        const RowEintrag& head = item.records.front();
        const bool rack = isSet(head.IsExtension);
        // A rack follows on the last "+" row, a module goes to the slot of its name.
        int target = 0;
        if (rack) {
            if (RowIs(lastRow()) == kind::Connector && rowEmpty(lastRow())) target = lastRow();
        } else {
            for (int r = 2; r <= lastRow() && !target; ++r)
                if (cell(r, 0) == item.slot && RowIs(r) != kind::Connector) target = r;
        }
        std::string reason;
        if (!target) {
            reason = rack ? ownText(t, OwnText::NoPlusRowFollows) : ownText(t, OwnText::NewLayoutNoSlot, {item.slot});
        } else {
            for (int r = target; r < target + rowsOf(head) && r <= lastRow(); ++r)
                if (!rowEmpty(r)) target = 0;
            const Refusal why = target ? WhyNotAllowed(head, target) : Refusal::NoRoomInGroup;
            if (why != Refusal::None) reason = refusalText(why, head, target ? target : 1);
        }
        if (reason.empty()) {
            bool ok = true;
            if (rack) {
                current_ = target;
                app_.CurrentModule = head;
                ok = WriteSonderEintragEx(RecordFrom::CurrentModule);
            } else {
                const ReadingRows reading(*this);  // the addresses stay as they were
                for (std::size_t i = 0; i < item.records.size() && ok; ++i) {
                    current_ = target + static_cast<int>(i);
                    app_.CurrentModule = item.records[i];
                    ok = WriteRowEintrag(RecordFrom::CurrentModule);
                }
            }
            if (ok) {
                ++(rack ? o.keptRacks : o.keptModules);
                continue;
            }
            reason = refusalText(Refusal::TableFull, head, target);
        }
        o.removed.push_back(head.BestellNr + " (" + item.slot + ": " + reason + ")");
    }
    app_.CurrentModule = station;
    current_ = c;
    return complete;
}

void ProjectTable::clearModulesInRows(int first, int n)
{
    for (int r = first; r < first + n && r <= lastRow(); ++r)
        if (!rowEmpty(r)) ClearModuleRows(false, r);
}

// Writes the rows of a module of several rows from `first` (the current row):
// the head record, then one row per further SubList entry of the definition.
bool ProjectTable::writeModuleRows(const RowEintrag& head, const RowEintrag& definition, RecordFrom from)
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
        if (!WriteRowEintrag(i == 0 ? from : RecordFrom::CurrentModule)) return false;
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
        ok = exchangeStation(nullptr);
    } else if (M.SubCount <= 1) {
        auto& cm = app_.CurrentModule;
        cm.IsPlaced = cm.HasDialog = cm.IsHead = kTrue;
        cm.SonNbr = 0;
        ok = WriteRowEintrag(RecordFrom::CurrentModule);
    } else {
        RowEintrag head = app_.ModulKatalog.LookupCatalog(M.SubList[0]);
        head.SonNbr = static_cast<int16_t>(M.SubCount - 1);
        head.IsHead = head.IsPlaced = head.HasDialog = kTrue;
        head.BestellNr = M.BestellNr;
        app_.CurrentModule = head;
        ok = writeModuleRows(head, M, RecordFrom::CurrentModule);
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
            return WriteSonderEintragEx(RecordFrom::CurrentModule);
        }
        return WriteRowEintrag(RecordFrom::CurrentModule);
    }
    if (station) {
        const int a = app_.ask(isSet(app_.CurrentModule.IsCPU) ? txt::CutCpuRow : txt::CutRack, 0,
                               style::YesNoCancel + style::Exclamation);
        if (a == answer::Yes) {
            CtrlDown = true;
            return WriteSonderEintragEx(RecordFrom::CurrentModule);
        }
        if (a != answer::No) return false;
        if (!WriteSonderEintragEx(RecordFrom::CurrentModule)) return false;
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
        const ReadingRows reading(*this);
        return WriteRowEintrag(RecordFrom::CurrentModule);
    }
    // From another project: the addresses are searched again here, and the
    // module leaves the other project only once it has been written.
    if (!WriteRowEintrag(RecordFrom::CurrentModule)) return false;
    source.ClearModuleRows(false, s);
    return true;
}

}  // namespace rm
