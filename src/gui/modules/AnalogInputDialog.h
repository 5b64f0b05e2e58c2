// The analog input modules (AInput): value format of the whole module,
// format per channel, or measuring range per channel with the module
// properties; the addressing by steps of 4 bytes.
#pragma once

#include <array>

#include "core/modules/AnalogInputForm.h"
#include "gui/modules/ModuleDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace rm::gui {

class AnalogInputDialog : public ModuleDialog {
    Q_OBJECT
public:
    AnalogInputDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    void storeParameters(RowEintrag& current) override;
    int helpContext() const override { return 5; }

private:
    QWidget* buildValueFormatPage();
    QWidget* buildChannelFormatPage();
    QWidget* buildRangePage();
    void rangeChosen(int channel, int item);
    void editCustomRange(int channel);

    AnalogInputForm form_;
    QGroupBox* frame6_ = nullptr;
    std::array<QComboBox*, AnalogInputForm::kRangeChannels> combo2_{};
    std::array<QPushButton*, AnalogInputForm::kRangeChannels> customData_{};
    std::array<QCheckBox*, AnalogInputForm::kRangeChannels> mA_{};
};

}  // namespace rm::gui
