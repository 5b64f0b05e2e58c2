// Addresses and row writing: the free-address search, the cells a module
// shows and the rows a CPU or rack builds.
#include "core/base/TextIds.h"
#include "core/table/ProjectTable.h"

#include <algorithm>
#include <cstdint>

namespace rm {

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
        // Every byte of the range lies below the limit, as the dialogs ask.
        const bool fits = start + std::max<int64_t>(count, 1) - 1 < kAddressLimit;
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

bool ProjectTable::WriteRowEintrag(RecordFrom from)
{
    RowEintrag R = from == RecordFrom::Clipboard ? app_.ClipboardModule : app_.CurrentModule;
    const int c = current_;
    if (!einlesen_) {
        const Snapshot before = snapshot();
        if (AdresseErmitteln(R.InBase, R.OutBase, true) == AddressResult::OutOfRange) {
            restore(before);
            ShowNoRoomBelowLimit(app_);
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

bool ProjectTable::WriteSonderEintragEx(RecordFrom from)
{
    RowEintrag R = from == RecordFrom::Clipboard ? app_.ClipboardModule : app_.CurrentModule;
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
    if (from != RecordFrom::Clipboard) app_.CurrentModule.CpuRowsEnd = R.CpuRowsEnd;
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
    if (ask && app_.ask(txt::DeleteRow, 0, style::YesNo + style::Exclamation) != answer::Yes) return;
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

}  // namespace rm
