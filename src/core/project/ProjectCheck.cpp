#include "core/project/ProjectCheck.h"

#include <algorithm>
#include <cstdint>

#include "core/base/OwnTexts.h"

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

struct Ranges {
    std::vector<Range> ins, outs;
};

Ranges collectRanges(const ProjectTable& table)
{
    Ranges out;
    for (int r = 1; r <= ProjectTable::kMaxRow; ++r) {
        const RowEintrag& rec = table.record(r);
        if (rec.isEmpty()) continue;
        if (rec.hasFlag(flags::Inputs) && rec.InCnt > 0)
            out.ins.push_back({r, rec.InBase, int64_t{rec.InBase} + rec.InCnt - 1});
        if (rec.hasFlag(flags::Outputs) && rec.OutCnt > 0)
            out.outs.push_back({r, rec.OutBase, int64_t{rec.OutBase} + rec.OutCnt - 1});
    }
    return out;
}

bool tooHigh(const Range& x)
{
    return x.first >= 32000 || x.last >= 32000;
}

bool overlap(const Range& x, const Range& y)
{
    return x.first <= y.last && y.first <= x.last;
}

bool unknownOrder(const RowEintrag& rec, const ModuleCatalog& catalog)
{
    return !rec.BestellNr.empty() && catalog.indexOf(rec.BestellNr) == 0;
}

}  // namespace

std::string slotText(const ProjectTable& table, int row)
{
    return row == 1 ? "CPU" : (row <= table.lastRow() ? table.cell(row, 0) : "");
}

std::string orderText(const ProjectTable& table, int row)
{
    return row <= table.lastRow() ? table.cell(row, 1) : table.record(row).BestellNr;
}

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

std::vector<Problem> findProblems(const ProjectTable& table, const ModuleCatalog& catalog)
{
    std::vector<Problem> out;
    for (int r = 1; r <= ProjectTable::kMaxRow; ++r) {
        const RowEintrag& rec = table.record(r);
        if (!rec.isEmpty() && unknownOrder(rec, catalog)) out.push_back({.kind = Problem::UnknownOrder, .row = r});
    }
    const Ranges ranges = collectRanges(table);
    auto check = [&](const std::vector<Range>& v, bool outputs) {
        for (std::size_t a = 0; a < v.size(); ++a) {
            const Range& x = v[a];
            const Problem base{.row = x.row, .outputs = outputs, .first = x.first, .last = x.last};
            auto add = [&](Problem::Kind kind) {
                Problem p = base;
                p.kind = kind;
                out.push_back(p);
            };
            if (x.first < 0) add(Problem::StartBelowZero);
            if (tooHigh(x)) add(Problem::TooHigh);
            // The source declares every count as INT (16 bits, signed).
            if (x.last - x.first + 1 > INT16_MAX) add(Problem::CountTooLarge);
            for (std::size_t b = a + 1; b < v.size(); ++b) {
                const Range& y = v[b];
                if (!overlap(x, y)) continue;
                Problem p = base;
                p.kind = Problem::Overlap;
                p.otherRow = y.row;
                p.otherFirst = y.first;
                p.otherLast = y.last;
                out.push_back(p);
            }
        }
    };
    check(ranges.ins, false);
    check(ranges.outs, true);
    return out;
}

std::string placeText(const Texts& t, const ProjectTable& table, int row)
{
    const std::string label = slotText(table, row);
    if (label.empty()) return ownText(t, OwnText::TableRow, {std::to_string(row)});
    if (row != 1 && table.RowIs(row) == kind::Slot) return ownText(t, OwnText::CheckSlot, {label});
    return label;
}

std::string problemText(const Texts& t, const ProjectTable& table, const Problem& p)
{
    const std::string where = placeText(t, table, p.row);
    const std::string range = rangeText(p.first, p.last);
    const std::string dir = p.outputs ? ownText(t, OwnText::CheckOutputs) : ownText(t, OwnText::CheckInputs);
    switch (p.kind) {
        case Problem::UnknownOrder:
            return ownText(t, OwnText::CheckNotInCatalog, {where, table.record(p.row).BestellNr});
        case Problem::StartBelowZero:
            return ownText(t, OwnText::CheckStartBelowZero, {where, dir, range});
        case Problem::TooHigh:
            return ownText(t, OwnText::CheckReachesLimit, {where, dir, range});
        case Problem::CountTooLarge:
            return ownText(t, OwnText::CheckCountTooLarge, {where, dir, range, std::to_string(p.last - p.first + 1)});
        case Problem::Overlap:
            return ownText(t, OwnText::CheckOverlap,
                           {where, range, placeText(t, table, p.otherRow), rangeText(p.otherFirst, p.otherLast), dir});
    }
    return where;
}

std::vector<int> problemRows(const ProjectTable& table, const std::vector<Problem>& problems)
{
    std::vector<int> rows;
    auto add = [&](int head) {
        const int sons = head <= table.lastRow() ? std::max(0, int{table.record(head).SonNbr}) : 0;
        for (int r = head; r <= std::min(head + sons, ProjectTable::kMaxRow); ++r) rows.push_back(r);
    };
    for (const Problem& p : problems) {
        add(p.row);
        if (p.kind == Problem::Overlap) add(p.otherRow);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

CheckReport checkProject(const ProjectTable& table, const ModuleCatalog& catalog)
{
    CheckReport rep;
    const Ranges ranges = collectRanges(table);
    auto findIn = [](const std::vector<Range>& v, int row) -> const Range* {
        for (const Range& x : v)
            if (x.row == row) return &x;
        return nullptr;
    };
    for (int r = 1; r <= ProjectTable::kMaxRow; ++r) {
        const RowEintrag& rec = table.record(r);
        if (rec.isEmpty()) continue;
        AddressLine line;
        line.row = r;
        line.slot = slotText(table, r);
        line.order = orderText(table, r);
        line.inputs = line.outputs = "-";
        if (const Range* x = findIn(ranges.ins, r)) line.inputs = rangeText(x->first, x->last);
        if (const Range* x = findIn(ranges.outs, r)) line.outputs = rangeText(x->first, x->last);
        rep.lines.push_back(line);
    }
    // The command line's wording, with the table's row numbers.
    for (const Problem& p : findProblems(table, catalog)) {
        const std::string what = p.outputs ? "outputs" : "inputs";
        const std::string range = describeRow(table, p.row) + ": " + what + " " + rangeText(p.first, p.last);
        switch (p.kind) {
            case Problem::UnknownOrder:
                rep.problems.push_back(describeRow(table, p.row) + ": order number " + table.record(p.row).BestellNr +
                                       " is not in the catalog");
                break;
            case Problem::StartBelowZero:
                rep.problems.push_back(range + " start below 0");
                break;
            case Problem::TooHigh:
                rep.problems.push_back(range + " reach 32000 or more");
                break;
            case Problem::CountTooLarge:
                rep.problems.push_back(range + ": " + std::to_string(p.last - p.first + 1) +
                                       " bytes do not fit a count field (at most 32767)");
                break;
            case Problem::Overlap:
                rep.problems.push_back(what + " of " + describeRow(table, p.row) + " (" + rangeText(p.first, p.last) +
                                       ") and " + describeRow(table, p.otherRow) + " (" +
                                       rangeText(p.otherFirst, p.otherLast) + ") overlap");
                break;
        }
    }
    return rep;
}

int stationNumber(const ProjectTable& table, int row)
{
    const int station = table.FindStation(row);
    int n = 0;
    for (int r = 2; r <= station; ++r)
        if (table.record(r).IsExtension != 0) ++n;
    return n;
}

AddressOverview addressOverview(const ProjectTable& table, const ModuleCatalog& catalog)
{
    AddressOverview ov = addressRanges(table);
    ov.problems = findProblems(table, catalog).size();
    return ov;
}

AddressOverview addressRanges(const ProjectTable& table)
{
    AddressOverview ov;
    const Ranges ranges = collectRanges(table);
    auto build = [&](std::vector<Range> v, std::vector<OverviewRange>& out) {
        std::stable_sort(v.begin(), v.end(), [](const Range& a, const Range& b) { return a.first < b.first; });
        int64_t next = 0;  // the lowest address not yet covered
        for (std::size_t a = 0; a < v.size(); ++a) {
            const Range& x = v[a];
            if (x.first > next) {
                OverviewRange gap;
                gap.kind = OverviewRange::Free;
                gap.first = static_cast<int>(next);
                gap.last = static_cast<int>(x.first - 1);
                out.push_back(gap);
            }
            next = std::max(next, x.last + 1);
            OverviewRange m;
            m.first = static_cast<int>(x.first);
            m.last = static_cast<int>(x.last);
            m.row = x.row;
            m.station = stationNumber(table, x.row);
            m.slot = slotText(table, x.row);
            const RowEintrag& rec = table.record(x.row);
            m.order = x.row <= table.lastRow() ? table.cell(x.row, 1) : rec.BestellNr;
            m.designation = rec.Bezeichnung;
            m.tooHigh = tooHigh(x);
            for (std::size_t b = 0; b < v.size() && !m.overlaps; ++b) m.overlaps = b != a && overlap(x, v[b]);
            out.push_back(std::move(m));
        }
    };
    build(ranges.ins, ov.inputs);
    build(ranges.outs, ov.outputs);
    return ov;
}

}  // namespace rm
