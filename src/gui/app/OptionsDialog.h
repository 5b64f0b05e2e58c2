// Extra > Options: the font and column widths of the project grids, the
// confirmation before deleting a module, and the language of the next start.
#pragma once

#include <QDialog>
#include <QFont>
#include <array>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace rm::gui {

struct Session;

class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    // activeColumnWidths: the column widths (twips) of the active project
    // window's grid, taken over by "Use this setting for new project".
    OptionsDialog(Session& session, bool projectActive, const std::array<int, 7>& activeColumnWidths,
                  QWidget* parent = nullptr);

    // After OK with a project window active: the caller applies the grid font
    // and column widths of the settings to that window's grid.
    bool applyToActiveWindow() const { return applyToActive_; }

    // Smallest and largest grid font size the font chooser may give.
    static constexpr int kMinFontSize = 4;
    static constexpr int kMaxFontSize = 24;

public slots:
    void accept() override;

private:
    void chooseFont();
    int selectedLanguage() const;

    Session& session_;
    bool projectActive_;
    std::array<int, 7> activeWidths_;
    bool applyToActive_ = false;

    bool FontChosen = false;
    QFont chosenFont_;

    QLineEdit* txtFont_;
    QLineEdit* txtFontHeight_;
    QGroupBox* frameColWidth_;
    std::array<QRadioButton*, 3> optColWidth_{};
    QCheckBox* ckbDelete_;
    std::array<QRadioButton*, 4> optLanguage_{};  // 1..3 used, as LanguageIndex
};

}  // namespace rm::gui
