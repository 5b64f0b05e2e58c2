#include "core/modules/ModuleOk.h"

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

}  // namespace

ModuleOkResult runModuleOk(ProjectTable& table, const EnteredAddresses& entered,
                           const std::function<void(RowEintrag&)>& storeParameters)
{
    AppState& app = table.app();
    if (entered.hasIn && !CheckMaxAddress(app, entered.in)) return ModuleOkResult::LimitRefused;
    if (entered.hasOut && !CheckMaxAddress(app, entered.out)) return ModuleOkResult::LimitRefused;
    RowEintrag& cur = app.CurrentModule;
    if (entered.hasIn) cur.InBase = static_cast<int16_t>(entered.in);
    if (entered.hasOut) cur.OutBase = static_cast<int16_t>(entered.out);
    const int16_t wantIn = cur.InBase, wantOut = cur.OutBase;

    // A setting of the dialog may change the byte counts (addressing by steps
    // of 4 doubles the inputs): the search must look for the room the module
    // will claim once its parameters are stored, or it lands on a neighbour.
    if (storeParameters) {
        RowEintrag stored = cur;
        storeParameters(stored);
        cur.InCnt = stored.InCnt;
        cur.OutCnt = stored.OutCnt;
    }

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
        CheckMaxAddress(app, 32000);
        return ModuleOkResult::LimitRefused;
    }
    if (found == AddressResult::Moved) {
        struct Move {
            bool shown;
            int16_t wanted, now;
        };
        const Move moves[] = {{entered.hasIn, wantIn, cur.InBase}, {entered.hasOut, wantOut, cur.OutBase}};
        for (const auto& [shown, wanted, now] : moves) {
            if (!shown || wanted == now) continue;
            const std::string prompt =
                app.texts.byEnglishId(1092) + "\n" + app.texts.byEnglishId(1093) + std::to_string(now);
            if (app.asker.ShowMessage(prompt, app.texts.byEnglishId(1076), style::YesNo + style::Exclamation) !=
                answer::Yes) {
                const RowEintrag withMove = cur;
                table.restore(before);
                app.CurrentModule = withMove;
                return ModuleOkResult::MoveDeclined;
            }
        }
    }
    if (storeParameters) storeParameters(cur);
    table.SetEinlesenDateiFlag(true);
    table.WriteRowEintrag(2);
    table.SetEinlesenDateiFlag(false);
    return ModuleOkResult::Written;
}

}  // namespace rm
