// CntTyp2 (the SSI encoder interface, type code K205) and CntTyp3 (the
// two-axis encoder module, identification word 0x84, axis Y in the row
// after the module's first row).
#pragma once

#include <array>

#include "core/modules/EncoderForm.h"
#include "gui/modules/AddressTabDialog.h"

namespace rm::gui {

class SsiEncoderDialog : public AddressTabDialog {
    Q_OBJECT

public:
    SsiEncoderDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    bool validateParameters(QString* message) override;
    void storeParameters(RowEintrag& current) override;
    int helpContext() const override { return 14; }

private:
    SsiEncoderForm form_;
    UpDownBox* dataBits_ = nullptr;
};

class TwoAxisEncoderDialog : public AddressTabDialog {
    Q_OBJECT

public:
    TwoAxisEncoderDialog(Session& session, ProjectTable& table, QWidget* parent);

protected:
    bool validateParameters(QString* message) override;
    void storeParameters(RowEintrag& current) override;
    int helpContext() const override { return 14; }

private:
    QWidget* axisPage(int axis);
    void showAxis(int axis);
    EncoderAxis& axis(int a) { return a == 0 ? form_.x : form_.y; }

    TwoAxisEncoderForm form_;
    std::array<std::array<QWidget*, 3>, 2> details_{};  // Frame4(1..3), Frame5(1..3)
    std::array<UpDownBox*, 2> dataBits_{};
};

}  // namespace rm::gui
