// The project information dialog: name, family and author (the header values
// of the generated source), description and notes of a project. It edits the
// session's AktProjectInfo; callers copy between that record and a project.
#pragma once

#include <QDialog>
#include <array>

#include "core/table/ProjectInfoForm.h"

class QFocusEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rm::gui {

struct Session;

class ProjectInfoDialog : public QDialog {
    Q_OBJECT

public:
    // Caption: text 1073 immediately followed by titleSuffix. Loading clears
    // AktProjectInfo.InfoBestaetigt.
    ProjectInfoDialog(Session& session, const QString& titleSuffix, QWidget* parent = nullptr);
    ~ProjectInfoDialog() override;

    // After the dialog closed: true for Cancel, Escape or the close box.
    // Whenever the user changed a field, closing (also cancelling) has put
    // the five fields into AktProjectInfo and set InfoBestaetigt.
    bool cancelled() const { return form_.Cancelled; }

public slots:
    void done(int result) override;

private:
    void leftHeader(int field, Qt::FocusReason reason);
    // The rule, followed by the characters a header field did not take.
    void showRefused(const QString& refused);

    Session& session_;
    ProjectInfoForm form_;
    std::array<QLineEdit*, kHeaderFields> txtHeader_{};
    QPlainTextEdit* txtBeschreibung_;
    QPlainTextEdit* txtNotizen_;
    QPushButton* btnOk_;
    QPushButton* btnCancel_;
    QLabel* lblHeaderRule_;
    bool refocusing_ = false;
    bool closing_ = false;
};

}  // namespace rm::gui
