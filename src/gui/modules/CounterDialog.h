// CntTyp1: the counter module with measurement (type code K202).
#pragma once

#include "core/modules/CounterForm.h"
#include "gui/modules/AddressTabDialog.h"

class QCheckBox;

namespace rm::gui {

class CounterDialog : public AddressTabDialog {
    Q_OBJECT

public:
    CounterDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    void storeParameters(RowEintrag& current) override;
    int helpContext() const override { return 13; }

private:
    QWidget* inputPage();
    QWidget* outputPage();
    QWidget* measurementPage();
    void showMeasurement();

    CounterForm form_;
    QCheckBox* measureInvertA_ = nullptr;
};

}  // namespace rm::gui
