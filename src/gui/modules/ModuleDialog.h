// The frame of every module parameter dialog: a tab control whose "General"
// page shows the module (order number, short name, description, comment),
// its location (station, slot) and its start addresses, and the OK, Cancel
// and Help buttons. A family dialog derives from it, adds its own pages and
// binds its controls to its form model; OK runs the shared sequence of
// core/modules/ModuleOk.h and calls storeParameters() once the addresses are settled.
//
// Object names follow the control names of the dialogs; a control of an
// array carries its index as suffix ("txtAnfangsAdresse0", "rbMask7").
// The start boxes are "txtAnfangsAdresse"/"lblEnde" when the dialog has one
// of them, "txtAnfangsAdresse0"/"1" and "lblEnde0"/"1" when it has both.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "core/modules/ModuleFrame.h"
#include "core/table/ProjectTable.h"
#include "gui/app/Session.h"
#include "gui/project/ProjectWindow.h"

class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QVBoxLayout;

namespace rm::gui {

class ModuleDialog : public QDialog {
    Q_OBJECT

public:
    // Works on session.app.CurrentModule; the project window has already
    // filled it and the location texts (ProjectTable::prepareDialog).
    ModuleDialog(Session& session, ProjectTable& table, QWidget* parent);

    // Shows the dialog modally; true when OK wrote the row.
    bool run() { return exec() == QDialog::Accepted; }

public slots:
    // OK: the typed fields checked, validateParameters(), then the shared
    // sequence; the dialog closes only when the row was written.
    void accept() override;
    // Cancel: CurrentModule (and NextModule) go back to what they were when
    // the dialog opened, so a refused OK attempt leaves nothing behind.
    void reject() override;

protected:
    // Names the controls for assistive tools once the family dialog has built them.
    void showEvent(QShowEvent* e) override;

    Session& session() const { return session_; }
    ProjectTable& table() const { return table_; }
    RowEintrag& current() const { return session_.app.CurrentModule; }
    // Text of the active language by its English id.
    QString t(int englishId) const { return session_.t(englishId); }

    // ---- pages
    QTabWidget* tabs() const { return tabs_; }
    // Appends a page with the translated caption; returns its index.
    int addTab(QWidget* page, int textId);
    // Tab 0 ("General"): Frame1, Frame2 and, unless moved, the address frames.
    QWidget* generalPage() const { return general_; }
    QVBoxLayout* generalLayout() const { return generalLayout_; }
    // The start-address frames ("Input ", "Output ") side by side in one
    // widget; moveAddressesTo() puts it into another page's layout.
    QWidget* addressPanel() const { return addressPanel_; }
    void moveAddressesTo(QBoxLayout* layout, int index = -1);

    // ---- start addresses
    // Which boxes the dialog shows; by default what the module's flags call for.
    void setAddressBoxes(AddressBoxes which);
    AddressBoxes addressBoxes() const { return form_.boxes; }
    // The byte counts the end labels are computed from (for a page that
    // changes them before OK, e.g. the step of 4 of analog inputs).
    void setByteCounts(int32_t inCnt, int16_t outCnt);
    // The box of the inputs (0) or outputs (1); nullptr when not shown.
    QLineEdit* startBox(int box) const;

    // ---- hooks of the family dialogs
    // Checked after the frame's own fields and before anything is stored.
    // false keeps the dialog open; a message is then shown with the title
    // text 1097 and the critical icon (leave it empty when the dialog has
    // told the user itself).
    virtual bool validateParameters(QString* message);
    // The family's parameters into the record, just before the row is written.
    virtual void storeParameters(RowEintrag& current);
    // The help context of the Help button (0: the contents).
    virtual int helpContext() const { return 0; }

    const FrameForm& frameForm() const { return form_; }

private:
    void buildFrame();
    void updateEnd(int box);
    void showHelp();

    Session& session_;
    ProjectTable& table_;
    RowEintrag openedWith_;
    RowEintrag nextOpenedWith_;
    FrameForm form_;

    QTabWidget* tabs_ = nullptr;
    QWidget* general_ = nullptr;
    QVBoxLayout* generalLayout_ = nullptr;
    QWidget* addressPanel_ = nullptr;
    std::array<QGroupBox*, 2> addressFrame_{};
    std::array<QLabel*, 2> startLabel_{};
    std::array<QLabel*, 2> endLabel_{};
    std::array<QLineEdit*, 2> start_{};
    std::array<QLabel*, 2> end_{};
    QLineEdit* bezeichnung_ = nullptr;
    QPlainTextEdit* kommentar_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// The registry entry of a family dialog class.
template <class Dialog>
RowDialog rowDialogOf()
{
    return [](Session& session, ProjectTable& table, QWidget* parent) {
        Dialog dialog(session, table, parent);
        return dialog.run();
    };
}

}  // namespace rm::gui
