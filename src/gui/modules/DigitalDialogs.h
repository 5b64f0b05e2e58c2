// The digital modules: input (DInput), output (DOutput) and combined
// (DKombi), whose eight channels are partly inputs and partly outputs.
#pragma once

#include <array>

#include "core/modules/DigitalForm.h"
#include "gui/modules/ModuleDialog.h"

class QCheckBox;

namespace rm::gui {

class DigitalInputDialog : public ModuleDialog {
    Q_OBJECT
public:
    DigitalInputDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    int helpContext() const override { return 8; }
};

class DigitalOutputDialog : public ModuleDialog {
    Q_OBJECT
public:
    DigitalOutputDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    int helpContext() const override { return 10; }
};

class DigitalCombinedDialog : public ModuleDialog {
    Q_OBJECT
public:
    DigitalCombinedDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    void storeParameters(RowEintrag& current) override;
    int helpContext() const override { return 9; }

private:
    DigitalCombinedForm form_;
    std::array<QCheckBox*, DigitalCombinedForm::kChannels> rbMask_{};
};

}  // namespace rm::gui
