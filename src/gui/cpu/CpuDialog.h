// The CPU dialog: the settings of the CPU row on six tabs (general, memory
// and compiler, web server, MPI, serial port, start-up). The rules live in
// CpuForm; this window only binds its controls to it. Object names are the
// control names; a control of an array carries its index as suffix
// ("CompilePriority0", "txtPassword1", "Frame50", "OptionCoomThrough1").
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "core/base/OwnTexts.h"
#include "core/cpu/CpuForm.h"
#include "core/table/ProjectTable.h"
#include "gui/app/Session.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QShowEvent;
class QSpinBox;
class QTabWidget;

namespace rm::gui {

class CpuDialog : public QDialog {
    Q_OBJECT

public:
    // Works on session.app.CurrentModule, which the project window has filled
    // from the CPU row (ProjectTable::prepareDialog).
    CpuDialog(Session& session, ProjectTable& table, QWidget* parent);

    // Tells what loading found (a web server without MPI mode), then shows
    // the dialog modally; true when OK wrote the row.
    bool run();

    static constexpr int kHelpContext = 14;

public slots:
    // OK: a field that cannot be stored is shown with its message and the
    // dialog stays open; otherwise the settings go into CurrentModule and
    // the CPU row is written.
    void accept() override;

protected:
    // Names the controls for assistive tools.
    void showEvent(QShowEvent* e) override;

private:
    QWidget* generalPage();
    QWidget* memoryPage();
    QWidget* webPage();
    QWidget* mpiPage();
    QWidget* serialPage();
    QWidget* startUpPage();
    QLineEdit* lineEdit(const QString& name, std::string* field, QWidget* parent, int maxLength = 0);
    QLabel* label(const QString& name, const QString& caption, QWidget* parent, QWidget* buddy = nullptr);
    QGroupBox* frame(const QString& name, const QString& caption, QWidget* parent);
    // The tooltip of a number field: the range it takes, the entry of the
    // generated source it goes into ("<value>" and "<port>" stand for the
    // numbers) and, where given, when that entry is written.
    void numberTip(QWidget* field, long long min, long long max, const char* entry,
                   std::optional<OwnText> when = std::nullopt);
    // The form's states into the controls: checks, selections, frames, tabs,
    // the port list and the values that the rules change.
    void showStates();
    QString t(int englishId) const { return session_.t(englishId); }

    Session& session_;
    ProjectTable& table_;
    CpuForm form_;
    bool showing_ = false;

    QTabWidget* tabs_ = nullptr;
    QCheckBox* memorySelect_ = nullptr;
    QGroupBox* memoryFrame_ = nullptr;
    QSpinBox* memorySize_ = nullptr;
    QGroupBox* compilerFrame_ = nullptr;
    QCheckBox* web_ = nullptr;
    QGroupBox* webFrame_ = nullptr;
    std::array<QLabel*, 2> timeOutLabel_{};
    std::array<QLineEdit*, 2> timeOut_{};
    QCheckBox* mpi_ = nullptr;
    QGroupBox* mpiFrame_ = nullptr;
    QGroupBox* modemFrame_ = nullptr;
    QGroupBox* timingFrame_ = nullptr;
    std::array<QRadioButton*, 2> coomThrough_{};
    std::array<QRadioButton*, 2> modemType_{};
    QComboBox* port_ = nullptr;
    QComboBox* baudRate_ = nullptr;
    QCheckBox* timing_ = nullptr;
    std::array<QComboBox*, 3> maxBaudRate_{};
    QGroupBox* slotB2Frame_ = nullptr;
    QCheckBox* periphery_ = nullptr;
};

}  // namespace rm::gui
