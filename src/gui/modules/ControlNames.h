// Accessible names of a dialog's controls. The object names of the controls
// are fixed and say little ("Combo10", "Check23"); a screen reader, and a
// test that works the dialog as a user does, need what the user reads beside
// a control instead. The names come from the texts the dialog already shows,
// so they are in the running language.
#pragma once

#include <QString>

class QWidget;

namespace rm::gui {

// A control the user types into, chooses from or clicks; the parts Qt builds
// inside a control (a combo box's line edit, a spin box's buttons, a tab
// bar's scroll buttons, scroll bars) are not controls of their own.
bool isInputControl(const QWidget* w, const QWidget* root);

// Gives every input control below root that has no accessible name one,
// from the first of: the label whose buddy it is, its own caption, the label
// before it in its row, the title of its frame, the caption of its page.
// A name that would be shared by several controls is told apart by the row
// label, the frame title or the page caption. Names set before are kept.
void nameControls(QWidget* root);

// The text of a caption as it is read: without the mnemonic marks and the
// closing colon.
QString spokenText(const QString& caption);

}  // namespace rm::gui
