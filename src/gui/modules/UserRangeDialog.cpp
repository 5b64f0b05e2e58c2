#include "gui/modules/UserRangeDialog.h"
#include "core/base/TextIds.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "gui/modules/ControlNames.h"

namespace rm::gui {

UserRangeDialog::UserRangeDialog(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName("UserKanal");
    // No Help button of its own: F1 opens the page of the channel's module dialog.
    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, [parent] {
        auto* help = parent ? parent->window()->findChild<QPushButton*>(QStringLiteral("btnHelp")) : nullptr;
        if (help) help->click();
    });
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* frame = new QGroupBox(session_.t(txt::CustomFormat), this);
    frame->setObjectName("frm_CustomFormat");
    auto* g = new QGridLayout(frame);
    const int width = QFontMetrics(font()).horizontalAdvance(QStringLiteral("-000000"));
    auto field = [&](int row, const char* labelName, int textId, const char* name) {
        auto* label = new QLabel(session_.t(textId), frame);
        label->setObjectName(labelName);
        auto* edit = new QLineEdit(QStringLiteral("0"), frame);
        edit->setObjectName(name);
        edit->setMinimumWidth(width);
        edit->setAlignment(Qt::AlignRight);
        edit->installEventFilter(this);
        label->setBuddy(edit);
        g->addWidget(label, row, 0);
        g->addWidget(edit, row, 1);
        return std::pair{label, edit};
    };
    min_ = field(0, "Lbl_min", txt::MinValue, "txt_minValue").second;
    max_ = field(1, "lbl_max", txt::MaxValue, "txt_maxValue").second;
    std::tie(resetLabel_, reset_) = field(2, "lbl_Reset", txt::ResetValue, "txt_ResetVal");
    resetLabel_->hide();
    reset_->hide();
    outer->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("btn_OK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(session_.t(txt::CancelButton), this);
    cancel->setObjectName("btn_cancel");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &UserRangeDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &UserRangeDialog::reject);
}

void UserRangeDialog::set_ResetVal(int16_t v)
{
    form_.set_ResetVal(v);
    resetLabel_->show();
    reset_->show();
}

void UserRangeDialog::showEvent(QShowEvent* e)
{
    form_.activate();
    min_->setText(QString::fromStdString(form_.txt_minValue));
    max_->setText(QString::fromStdString(form_.txt_maxValue));
    reset_->setText(QString::fromStdString(form_.txt_ResetVal));
    nameControls(this);
    QDialog::showEvent(e);
}

bool UserRangeDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Shortcuts (Ctrl+A, Ctrl+V ...) are not typed characters; what they
        // bring in is checked by OK.
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (edit && !text.isEmpty() && !shortcut) {
            // A typed character replaces the selection: it goes where the selection starts.
            const int caret = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
            for (const QChar c : text) {
                if (c.unicode() == 127) continue;  // the Delete key, not a character
                if (!UserRangeForm::acceptsKey(c.unicode(), caret)) return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void UserRangeDialog::accept()
{
    form_.txt_minValue = min_->text().toStdString();
    form_.txt_maxValue = max_->text().toStdString();
    form_.txt_ResetVal = reset_->text().toStdString();
    std::string message;
    UserRangeForm::Field bad = UserRangeForm::Min;
    if (!form_.ok(session_.app.texts, &message, &bad)) {
        session_.app.asker.ShowMessage(message, session_.app.texts.byEnglishId(txt::InvalidDataTitle),
                                       style::Ok + style::Critical);
        QLineEdit* edit = bad == UserRangeForm::Max ? max_ : bad == UserRangeForm::Reset ? reset_ : min_;
        edit->setFocus();
        edit->selectAll();
        return;
    }
    QDialog::accept();
}

bool UserRangeDialog::edit(Session& session, QWidget* parent, const QString& caption, int16_t& minVal, int16_t& maxVal,
                           int16_t* resetVal)
{
    UserRangeDialog dialog(session, parent);
    dialog.setWindowTitle(caption);
    dialog.set_minVal(minVal);
    dialog.set_maxVal(maxVal);
    if (resetVal) dialog.set_ResetVal(*resetVal);
    const bool ok = dialog.exec() == QDialog::Accepted;
    minVal = dialog.get_minVal();
    maxVal = dialog.get_maxVal();
    if (resetVal) *resetVal = dialog.get_ResetVal();
    return ok;
}

}  // namespace rm::gui
