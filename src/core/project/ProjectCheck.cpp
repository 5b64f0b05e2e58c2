#include "core/project/ProjectCheck.h"

#include <cstdint>

namespace rm {
namespace {

struct Range {
    int row;
    int64_t first, last;
};

std::string rangeText(int64_t first, int64_t last)
{
    return std::to_string(first) + ".." + std::to_string(last);
}

}  // namespace

std::string describeRow(const ProjectTable& table, int row)
{
    std::string label = row <= table.lastRow() ? table.cell(row, 0) : std::string();
    std::string where;
    if (row == 1)
        where = "CPU";
    else if (label.empty())
        where = "row " + std::to_string(row);
    else if (table.RowIs(row) == kind::Slot)
        where = "slot " + label;
    else
        where = label;
    return row == 1 || !label.empty() ? where + " (row " + std::to_string(row) + ")" : where;
}

CheckReport checkProject(const ProjectTable& table, const ModuleCatalog& catalog)
{
    CheckReport rep;
    std::vector<Range> ins, outs;
    for (int r = 1; r <= ProjectTable::kMaxRow; ++r) {
        const RowEintrag& rec = table.record(r);
        if (rec.isEmpty()) continue;
        AddressLine line;
        line.row = r;
        line.slot = r == 1 ? "CPU" : (r <= table.lastRow() ? table.cell(r, 0) : "");
        line.order = r <= table.lastRow() ? table.cell(r, 1) : rec.BestellNr;
        line.inputs = line.outputs = "-";
        if (rec.hasFlag(flags::Inputs) && rec.InCnt > 0) {
            ins.push_back({r, rec.InBase, int64_t{rec.InBase} + rec.InCnt - 1});
            line.inputs = rangeText(ins.back().first, ins.back().last);
        }
        if (rec.hasFlag(flags::Outputs) && rec.OutCnt > 0) {
            outs.push_back({r, rec.OutBase, int64_t{rec.OutBase} + rec.OutCnt - 1});
            line.outputs = rangeText(outs.back().first, outs.back().last);
        }
        rep.lines.push_back(line);
        if (!rec.BestellNr.empty() && catalog.indexOf(rec.BestellNr) == 0)
            rep.problems.push_back(describeRow(table, r) + ": order number " + rec.BestellNr +
                                   " is not in the catalog");
    }
    auto overlaps = [&](const std::vector<Range>& ranges, const char* what) {
        for (std::size_t a = 0; a < ranges.size(); ++a) {
            const Range& x = ranges[a];
            if (x.first >= 32000 || x.last >= 32000)
                rep.problems.push_back(describeRow(table, x.row) + ": " + what + " " + rangeText(x.first, x.last) +
                                       " reach 32000 or more");
            for (std::size_t b = a + 1; b < ranges.size(); ++b) {
                const Range& y = ranges[b];
                if (x.first <= y.last && y.first <= x.last)
                    rep.problems.push_back(std::string(what) + " of " + describeRow(table, x.row) + " (" +
                                           rangeText(x.first, x.last) + ") and " + describeRow(table, y.row) + " (" +
                                           rangeText(y.first, y.last) + ") overlap");
            }
        }
    };
    overlaps(ins, "inputs");
    overlaps(outs, "outputs");
    return rep;
}

}  // namespace rm
