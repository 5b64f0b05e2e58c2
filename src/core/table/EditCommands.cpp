// Cut, copy, paste and delete on the rows of the table.
#include "core/base/TextIds.h"
#include "core/table/ProjectTable.h"

namespace rm {

int ProjectTable::ConfirmCutStation(const RowEintrag& rec)
{
    if (isSet(rec.IsCPU)) return app_.ask(txt::CutCpuRow, 0, style::YesNoCancel + style::Exclamation);
    if (isSet(rec.IsExtension)) return app_.ask(txt::CutRack, 0, style::YesNoCancel + style::Exclamation);
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
        WriteSonderEintragEx(RecordFrom::Clipboard);
    } else if (isSet(clip.IsHead) && clip.SonNbr > 0) {
        // The head of a module of several rows brings its sub-rows along.
        const Snapshot before = snapshot();
        const int c = current_;
        const RowEintrag def = app_.ModulKatalog.LookupCatalog(clip.BestellNr);
        if (!writeModuleRows(clip, def, RecordFrom::Clipboard)) {
            restore(before);
            return;
        }
        current_ = c;
    } else {
        WriteRowEintrag(RecordFrom::Clipboard);
    }
}

void ProjectTable::FktDelete()
{
    app_.ClipboardModule = record(current_);
    const int k = RowIs(current_);
    if (k == kind::CpuRow || k == kind::Connector) {
        if (app_.asker.ShowMessage(app_.messages[txt::DeleteCpuOrRack], "", style::YesNo + style::Question) ==
            answer::Yes)
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

}  // namespace rm
