// Texts of undo and redo, the catalog search, the address overview, the I/O
// list, the project comparison, the symbol table and the safety of unsaved
// work (locks, recovery files, changes on disk), in the three languages of the
// program.
#pragma once

#include <QString>

#include "gui/app/Session.h"

namespace rm::gui {

enum class WorkText {
    // names of the actions that can be undone
    ActInsert,
    ActMove,
    ActCopy,
    ActCut,
    ActPaste,
    ActDelete,
    ActModule,
    ActCpu,
    ActInfo,
    // Edit menu and toolbar; %1 is an action's name
    Undo,
    UndoNamed,
    Redo,
    RedoNamed,
    // catalog search
    SearchHint,
    NoHit,
    // address overview
    Overview,
    OverviewTitle,  // %1: the project's title
    Inputs,
    Outputs,
    ColBytes,
    ColCount,
    ColStation,
    ColSlot,
    ColOrder,
    ColDesignation,
    ColNote,
    ProblemCount,  // %1
    NoProblems,
    // I/O list
    ExportIoList,
    CsvFilter,
    // comparison
    CompareWith,
    CompareTitle,  // %1: this project, %2: the other file
    ColDifference,
    ColWhereThis,
    ColWhereOther,
    ColField,
    ColThisValue,
    ColOtherValue,
    DiffChanged,
    DiffMoved,
    DiffRemoved,  // in this project, not in the other file
    DiffAdded,
    DiffInfo,
    Same,
    ProjectFilter,
    CannotRead,
    // symbol table
    ExportSymbols,
    SymbolFilter,  // one type per format, in the order of SymbolFormat
    // the lock beside an open project; %1: the file, %2..%4 as named
    LockHolder,      // %1 user, %2 host, %3 process, %4 time
    LockUnreadable,  // %1: the lock file
    LockQuestion,    // %1: the project, %2: LockHolder or LockUnreadable
    LockTitle,
    LockStale,  // %1: the project, %2 process, %3 user, %4 time
    ReadOnlyMark,
    ReadOnlySave,  // %1: the project
    ReadOnlyTitle,
    // the project file changed by someone else; %1: the file
    ChangedAsk,
    ChangedNote,
    ChangedTitle,
    // recovery files at start-up
    RecoverTitle,
    RecoverIntro,
    ColProject,
    ColPath,
    ColTime,
    Recover,
    CompareSaved,
    Discard,
    Later,
    NeverSaved,
    RecoveryUnreadable,  // %1: the recovery file, %2: the reason
    RecoveredMark,       // after the project's name in the compare window
    // Extra > Options
    AutosaveEvery,
    AutosaveSuffix,
    KeepBackup,
    // the table's and the picture's context menu
    Properties,
};

QString workText(const Session& session, WorkText which);
QString workText(const Session& session, WorkText which, const QString& arg1, const QString& arg2 = {});

}  // namespace rm::gui
