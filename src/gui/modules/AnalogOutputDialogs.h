// AOutput (analog output modules) and AKombi (analog modules with inputs
// and outputs): a value format page or a page of output channel ranges.
#pragma once

#include <array>

#include "core/modules/AnalogOutputForm.h"
#include "gui/modules/AddressTabDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QToolButton;

namespace rm::gui {

// The controls of one output channel row.
struct ChannelRow {
    QLabel* label = nullptr;
    QComboBox* range = nullptr;
    QToolButton* custom = nullptr;
    QCheckBox* box = nullptr;  // AOutput only
};

class AnalogOutputDialog : public AddressTabDialog {
    Q_OBJECT

public:
    AnalogOutputDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    void storeParameters(RowEintrag& current) override;
    int helpContext() const override { return 7; }

private:
    QWidget* formatPage();
    QWidget* channelPage();
    void showChannel(int i);
    void editCustomRange(int i);

    AnalogOutputForm form_;
    QGroupBox* frame_ = nullptr;
    std::array<ChannelRow, AnalogOutputForm::kMaxChannels> rows_{};
};

class AnalogCombinedDialog : public AddressTabDialog {
    Q_OBJECT

public:
    AnalogCombinedDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    void storeParameters(RowEintrag& current) override;
    int helpContext() const override { return 6; }

private:
    QWidget* formatPage();
    QWidget* channelPage();
    void enableSimaticOptions();
    void showChannel(int i);
    void editCustomRange(int i);

    AnalogCombinedForm form_;
    QWidget* simaticOptions_ = nullptr;
    QGroupBox* frame_ = nullptr;
    std::array<ChannelRow, AnalogCombinedForm::kChannels> rows_{};
};

}  // namespace rm::gui
