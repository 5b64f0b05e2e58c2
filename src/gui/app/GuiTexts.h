// Texts of the desktop program's additions (print preview, PDF export and
// the like), in the three languages of the text table.
#pragma once

#include <QString>

#include "gui/app/Session.h"

namespace rm::gui {

enum class ExtraText {
    PrintMenu,       // File > Print...
    PrintPreview,    // File > Print Preview...
    ExportPdf,       // File > Export PDF...
    DroppedRecords,  // title: records of a file that could not be shown
    NoDialog,        // status bar: the row has no parameter dialog
    MissingProject,  // a project file named on the command line is missing
    ProblemsTitle,   // the problems list
    ProblemsMenu,    // Window > Problems
    HeaderRule,      // project information: what the header fields take
    HeaderRefused,   // "Not taken: %1"
    SourceAs,        // title of the file dialog for a source written elsewhere
    SourceFilter,    // its file type
};

QString extraText(const Session& session, ExtraText which);

}  // namespace rm::gui
