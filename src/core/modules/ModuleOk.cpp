#include "core/modules/ModuleOk.h"
#include "core/base/OwnTexts.h"
#include "core/base/TextIds.h"

namespace rm {

namespace {

void clearOnlyRow(ProjectTable& table, const ProjectTable::Snapshot& before, int row)
{
    ProjectTable::Snapshot cleared = before;
    auto& cells = cleared.grid.at(static_cast<std::size_t>(row));
    for (std::size_t c = 1; c < cells.size(); ++c) cells[c].clear();
    cleared.rows.at(static_cast<std::size_t>(row)) = RowEintrag{};
    table.restore(cleared);
}

std::string range(int64_t start, int64_t count)
{
    return std::to_string(start) + ".." + std::to_string(start + std::max<int64_t>(count, 1) - 1);
}

}  // namespace

std::string addressMoveDetails(const Texts& t, const ProjectTable& table, const RowEintrag& cur, bool inputs,
                               int wanted, int now)
{
    const int bit = inputs ? flags::Inputs : flags::Outputs;
    const int64_t count = inputs ? cur.InCnt : cur.OutCnt;
    std::string out = ownText(t, inputs ? OwnText::InputsAskedFor : OwnText::OutputsAskedFor, {range(wanted, count)});
    // Who holds the range asked for; when nobody does, a rule moved it.
    bool held = false;
    for (int r = 1; r <= table.lastRow(); ++r) {
        if (r == table.currentRow()) continue;
        const RowEintrag& o = table.record(r);
        if (!o.hasFlag(bit)) continue;
        const int64_t base = inputs ? o.InBase : o.OutBase;
        const int64_t end = base + (inputs ? o.InCnt : o.OutCnt);
        if (end <= wanted || wanted + std::max<int64_t>(count, 1) <= base) continue;
        out += "\n" + ownText(t, OwnText::SlotHolds, {table.cell(r, 0), table.cell(r, 1), range(base, end - base)});
        held = true;
    }
    if (!held && cur.hasFlag(flags::Even) && wanted % 2 != 0)
        out += "\n" + ownText(t, OwnText::StartsAtEvenAddress);
    else if (!held && wanted < 256)
        out += "\n" + ownText(t, OwnText::StartsAt256OrAbove);
    out += "\n" + ownText(t, OwnText::RangeOffered, {range(now, count)});
    return out;
}

ModuleOkResult runModuleOk(ProjectTable& table, const EnteredAddresses& entered,
                           const std::function<void(RowEintrag&)>& storeParameters)
{
    AppState& app = table.app();
    RowEintrag& cur = app.CurrentModule;
    // A setting of the dialog may change the byte counts (addressing by steps
    // of 4 doubles the inputs): the limit and the search must look at the room
    // the module will claim once its parameters are stored, or it reaches past
    // the limit or lands on a neighbour.
    RowEintrag stored = cur;
    if (storeParameters) storeParameters(stored);
    if (entered.hasIn && !CheckMaxAddress(app, entered.in, stored.InCnt)) return ModuleOkResult::LimitRefused;
    if (entered.hasOut && !CheckMaxAddress(app, entered.out, stored.OutCnt)) return ModuleOkResult::LimitRefused;
    if (entered.hasIn) cur.InBase = static_cast<int16_t>(entered.in);
    if (entered.hasOut) cur.OutBase = static_cast<int16_t>(entered.out);
    const int16_t wantIn = cur.InBase, wantOut = cur.OutBase;
    cur.InCnt = stored.InCnt;
    cur.OutCnt = stored.OutCnt;

    // The row is cleared so that the module's old ranges do not count as
    // taken; it gets its content back if the sequence stops. Only the edited
    // row: the other rows of a module of several rows have addresses and
    // parameters of their own, stay taken during the search and are not
    // written again.
    const ProjectTable::Snapshot before = table.snapshot();
    clearOnlyRow(table, before, table.currentRow());
    int16_t zeroIn = 0, zeroOut = 0;
    int16_t& in = entered.hasIn ? cur.InBase : zeroIn;
    int16_t& out = entered.hasOut ? cur.OutBase : zeroOut;
    const AddressResult found = table.AdresseErmitteln(in, out, true);
    if (found == AddressResult::OutOfRange) {
        table.restore(before);
        ShowNoRoomBelowLimit(app);
        return ModuleOkResult::LimitRefused;
    }
    if (found == AddressResult::Moved) {
        struct Move {
            bool shown;
            int16_t wanted, now;
            bool inputs;
        };
        const Move moves[] = {{entered.hasIn, wantIn, cur.InBase, true}, {entered.hasOut, wantOut, cur.OutBase, false}};
        for (const auto& [shown, wanted, now, inputs] : moves) {
            if (!shown || wanted == now) continue;
            const std::string prompt = app.texts.byEnglishId(txt::GiveNextFreeAddress) + "\n" +
                                       app.texts.byEnglishId(txt::NextFreeAddress) + std::to_string(now) + "\n\n" +
                                       addressMoveDetails(app.texts, table, cur, inputs, wanted, now);
            if (app.asker.ShowMessage(prompt, app.texts.byEnglishId(txt::InvalidAddressRange),
                                      style::YesNo + style::Exclamation) != answer::Yes) {
                const RowEintrag withMove = cur;
                table.restore(before);
                app.CurrentModule = withMove;
                return ModuleOkResult::MoveDeclined;
            }
        }
    }
    if (storeParameters) storeParameters(cur);
    {
        const ReadingRows reading(table);
        table.WriteRowEintrag(RecordFrom::CurrentModule);
    }
    return ModuleOkResult::Written;
}

}  // namespace rm
