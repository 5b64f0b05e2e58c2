#include "core/project/StatusSummary.h"
#include "core/base/OwnTexts.h"

namespace rm {

namespace {

std::string rangeOf(bool has, int64_t base, int64_t count)
{
    if (!has || count <= 0) return "-";
    return std::to_string(base) + ".." + std::to_string(base + count - 1);
}
}  // namespace

std::vector<StationSlots> stationSlots(const ProjectTable& table)
{
    std::vector<StationSlots> out;
    for (int r = 1; r <= table.lastRow(); ++r) {
        const RowEintrag& rec = table.record(r);
        if ((r == 1 && isSet(rec.IsCPU)) || (r > 1 && isSet(rec.IsExtension) && table.RowIs(r) == kind::Connector)) {
            out.push_back({r, rec.BestellNr, 0, 0});
            continue;
        }
        if (out.empty() || table.RowIs(r) != kind::Slot) continue;
        (table.rowEmpty(r) ? out.back().free : out.back().used)++;
    }
    return out;
}

std::string selectedRowText(const Texts& t, const ProjectTable& table, int row)
{
    if (row < 1 || row > table.lastRow() || table.rowEmpty(row)) return {};
    const RowEintrag& rec = table.record(row);
    const int station = table.FindStation(row);
    std::string text;
    if (station >= 1 && station != row && !table.rowEmpty(station))
        text = ownText(t, OwnText::StatusStation, {table.cell(station, 1)}) + " · ";
    if (row == 1)
        text += "CPU";
    else
        text += ownText(t, OwnText::StatusSlot, {table.cell(row, 0)});
    text += " · " + table.cell(row, 1);
    if (!rec.isCpuOrExtension())
        text += " · " + ownText(t, OwnText::StatusInputsOutputs,
                                {rangeOf(rec.hasFlag(flags::Inputs), rec.InBase, rec.InCnt),
                                 rangeOf(rec.hasFlag(flags::Outputs), rec.OutBase, rec.OutCnt)});
    return text;
}

std::string stationSlotsText(const Texts& t, const std::vector<StationSlots>& stations)
{
    std::string text;
    for (const StationSlots& s : stations) {
        if (!text.empty()) text += "; ";
        text += ownText(t, OwnText::StatusSlotsUsedFree, {s.order, std::to_string(s.used), std::to_string(s.free)});
    }
    return text;
}

std::string problemCountText(const Texts& t, std::size_t count)
{
    if (count == 0) return ownText(t, OwnText::NoProblems);
    if (count == 1) return ownText(t, OwnText::OneProblem);
    return ownText(t, OwnText::ProblemCount, {std::to_string(count)});
}

}  // namespace rm
