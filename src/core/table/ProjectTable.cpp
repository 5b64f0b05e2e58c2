#include "core/table/ProjectTable.h"
#include "core/base/TextIds.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "core/base/OwnTexts.h"

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

bool CheckMaxAddress(AppState& app, long address, long count)
{
    const int64_t bytes = std::max<int64_t>(count, 1);
    const int64_t last = int64_t{address} + bytes - 1;
    if (address < kAddressLimit && last < kAddressLimit) return true;
    const std::string prompt =
        std::string(kAddressLimitText) + "\n" +
        ownText(app.texts, OwnText::RangeAsked, {std::to_string(address), std::to_string(last)}) + "\n" +
        ownText(app.texts, OwnText::AddressLimit,
                {std::to_string(bytes), std::to_string(std::max<int64_t>(kAddressLimit - bytes, 0))});
    app.asker.ShowMessage(prompt, "", style::Ok + style::Critical);
    return false;
}

void ShowNoRoomBelowLimit(AppState& app)
{
    app.asker.ShowMessage(std::string(kAddressLimitText) + "\n" + ownText(app.texts, OwnText::NoRoomBelowLimit), "",
                          style::Ok + style::Critical);
}

ProjectTable::ProjectTable(AppState& app) : app_(app)
{
    Row header;
    const std::string fmt = app_.messages[txt::TableColumnHeaders];
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
    const ReadingRows reading(*this);
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
            if (!WriteSonderEintragEx(RecordFrom::CurrentModule))
                note(r, "its slot rows do not all fit into the table");
        } else {
            WriteRowEintrag(RecordFrom::CurrentModule);
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
}

}  // namespace rm
