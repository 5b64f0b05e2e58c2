// The custom range of one analog channel: minimum, maximum and, for output
// channels, the reset value. Opened from a channel's range button; the
// caller passes the values in and reads them back after the dialog closed
// (Cancel gives back what was passed in).
#pragma once

#include <QDialog>
#include <cstdint>

#include "core/modules/UserRangeForm.h"
#include "gui/app/Session.h"

class QLabel;
class QLineEdit;

namespace rm::gui {

class UserRangeDialog : public QDialog {
    Q_OBJECT

public:
    UserRangeDialog(Session& session, QWidget* parent);

    void set_minVal(int16_t v) { form_.set_minVal(v); }
    void set_maxVal(int16_t v) { form_.set_maxVal(v); }
    // Also shows the reset value field.
    void set_ResetVal(int16_t v);
    int16_t get_minVal() const { return form_.minVal; }
    int16_t get_maxVal() const { return form_.maxVal; }
    int16_t get_ResetVal() const { return form_.ResetVal; }

    // Caption, values in, modal dialog, values out: true when closed with OK.
    // reset == nullptr: an input channel, without reset value.
    static bool edit(Session& session, QWidget* parent, const QString& caption, int16_t& minVal, int16_t& maxVal,
                     int16_t* resetVal = nullptr);

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& session_;
    UserRangeForm form_;
    QLineEdit* min_;
    QLineEdit* max_;
    QLineEdit* reset_;
    QLabel* resetLabel_;
};

}  // namespace rm::gui
