// The temperature input module (ATemp): sensor and connection per channel,
// the unit for the whole module.
#pragma once

#include <array>

#include "core/modules/TemperatureForm.h"
#include "gui/modules/ModuleDialog.h"

class QComboBox;

namespace rm::gui {

class TemperatureDialog : public ModuleDialog {
    Q_OBJECT
public:
    TemperatureDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    bool validateParameters(QString* message) override;
    void storeParameters(RowEintrag& current) override;
    int helpContext() const override { return 5; }

private:
    void fillConnections(int ch);

    TemperatureForm form_;
    std::array<QComboBox*, TemperatureForm::kChannels> sensor_{};
    std::array<QComboBox*, TemperatureForm::kChannels> connection_{};
};

}  // namespace rm::gui
