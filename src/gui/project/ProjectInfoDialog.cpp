#include "gui/project/ProjectInfoDialog.h"
#include "core/base/TextIds.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "gui/app/Beep.h"
#include "gui/app/GuiTexts.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/Session.h"

namespace rm::gui {

namespace {

constexpr int kHelpContext = 11;

// A header field: every character reaches it through the key filter, typed,
// pasted or composed alike, since the value ends up in the header lines of
// the generated source.
class HeaderEdit : public QLineEdit {
public:
    explicit HeaderEdit(QWidget* parent) : QLineEdit(parent) { setAcceptDrops(false); }

    std::function<void()> onEnter;
    std::function<void(Qt::FocusReason)> onLeave;
    std::function<void(const QString& refused)> onRefused;  // the characters not taken

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            e->accept();
            if (onEnter) onEnter();
            return;
        }
        if (e->matches(QKeySequence::Paste)) {
            e->accept();
            insertFiltered(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
            return;
        }
        const QString typed = e->text();
        const bool printable = !typed.isEmpty() && typed.at(0).unicode() >= 32 && typed.at(0).unicode() != 127;
        if (!printable) {
            QLineEdit::keyPressEvent(e);  // Backspace, Delete, moving, selecting, copying
            return;
        }
        e->accept();
        insertFiltered(typed);
    }

    void inputMethodEvent(QInputMethodEvent* e) override
    {
        if (e->commitString().isEmpty()) {
            QLineEdit::inputMethodEvent(e);
            return;
        }
        QString refused;
        const QString taken = filtered(e->commitString(), &refused);
        QInputMethodEvent f(e->preeditString(), e->attributes());
        f.setCommitString(taken, e->replacementStart(), e->replacementLength());
        QLineEdit::inputMethodEvent(&f);
        if (!refused.isEmpty()) refuse(refused);
    }

    void contextMenuEvent(QContextMenuEvent* e) override
    {
        std::unique_ptr<QMenu> menu(createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            // Named in newer Qt versions; otherwise known by its (translated) text.
            if (action->objectName() != QLatin1String("edit-paste") &&
                !action->text().startsWith(QLineEdit::tr("&Paste")))
                continue;
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this,
                    [this] { insertFiltered(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
        }
        menu->exec(e->globalPos());
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
            e->accept();
            if (!isReadOnly()) insertFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
            return;
        }
        QLineEdit::mouseReleaseEvent(e);
    }

    void focusOutEvent(QFocusEvent* e) override
    {
        QLineEdit::focusOutEvent(e);
        if (onLeave) onLeave(e->reason());
    }

private:
    // The text a typed character would join: a selection is replaced by it.
    std::string current() const
    {
        QString t = text();
        if (hasSelectedText()) t.remove(selectionStart(), selectedText().size());
        return t.toStdString();
    }

    QString filtered(const QString& input, QString* refused) const
    {
        std::string after = current();
        QString taken;
        for (char32_t c : input.toUcs4()) {
            const QString one = QString::fromUcs4(&c, 1);
            if (c != 8 && ProjectInfoForm::acceptsChar(after, c)) {
                taken += one;
                after += one.toStdString();
            } else {
                *refused += one;
            }
        }
        return taken;
    }

    void insertFiltered(const QString& input)
    {
        QString refused;
        const QString taken = filtered(input, &refused);
        if (!taken.isEmpty()) insert(taken);
        if (!refused.isEmpty()) refuse(refused);
    }

    void refuse(const QString& refused)
    {
        beep();
        if (onRefused) onRefused(refused);
    }
};

}  // namespace

ProjectInfoDialog::ProjectInfoDialog(Session& session, const QString& titleSuffix, QWidget* parent)
    : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("Projekt"));
    setWindowTitle(session.t(txt::ProjectInformationTitle) + titleSuffix);

    auto* grid = new QGridLayout;
    static const char* const labelNames[kHeaderFields] = {"lblName0", "lblFamily", "lblAuthor"};
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    for (int i = 0; i < kHeaderFields; ++i) {
        auto* label = new QLabel(session.t(txt::InfoNameLabel + i), this);
        label->setObjectName(QString::fromLatin1(labelNames[i]));
        auto* edit = new HeaderEdit(this);
        edit->setObjectName(QStringLiteral("txtHeader%1").arg(i));
        edit->setMinimumWidth(em * 10);
        edit->onEnter = [this] { accept(); };
        edit->onLeave = [this, i](Qt::FocusReason reason) { leftHeader(i, reason); };
        edit->onRefused = [this](const QString& refused) { showRefused(refused); };
        label->setBuddy(edit);
        txtHeader_[i] = edit;
        grid->addWidget(label, i, 0);
        grid->addWidget(edit, i, 1);
    }
    grid->setColumnStretch(2, 1);
    // What the header fields take, said before anything is refused.
    lblHeaderRule_ = new QLabel(extraText(session, OwnText::HeaderRule), this);
    lblHeaderRule_->setObjectName(QStringLiteral("lblHeaderRule"));
    lblHeaderRule_->setTextFormat(Qt::PlainText);
    grid->addWidget(lblHeaderRule_, kHeaderFields, 0, 1, 3);

    auto textBox = [this](const char* name) {
        auto* box = new QPlainTextEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setTabChangesFocus(true);
        return box;
    };
    auto* lblBeschreibung = new QLabel(session.t(txt::InfoDescriptionLabel), this);
    lblBeschreibung->setObjectName(QStringLiteral("lblBeschreibung"));
    txtBeschreibung_ = textBox("txtBeschreibung");
    lblBeschreibung->setBuddy(txtBeschreibung_);
    auto* lblNotizen = new QLabel(session.t(txt::InfoNoteLabel), this);
    lblNotizen->setObjectName(QStringLiteral("lblNotizen"));
    txtNotizen_ = textBox("txtNotizen");
    lblNotizen->setBuddy(txtNotizen_);

    btnOk_ = new QPushButton(QStringLiteral("&OK"), this);
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    btnCancel_ = new QPushButton(session.t(txt::CancelButton), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    auto* btnHelp = new QPushButton(session.t(txt::HelpButton), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btnOk_, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel_, QDialogButtonBox::RejectRole);
    buttons->addButton(btnHelp, QDialogButtonBox::HelpRole);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { HelpViewer::showHelp(session_, kHelpContext, this); });
    HelpViewer::bindHelpKey(btnHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(lblBeschreibung);
    layout->addWidget(txtBeschreibung_, 1);
    layout->addWidget(lblNotizen);
    layout->addWidget(txtNotizen_, 1);
    layout->addWidget(buttons);
    resize(em * 36, fontMetrics().height() * 26);

    // Load: the record's values, none of them counted as an edit.
    form_.load(session.app.AktProjectInfo);
    form_.Loading = true;
    for (int i = 0; i < kHeaderFields; ++i) txtHeader_[i]->setText(QString::fromStdString(form_.header[i]));
    txtBeschreibung_->setPlainText(QString::fromStdString(form_.Beschreibung));
    txtNotizen_->setPlainText(QString::fromStdString(form_.Notizen));
    form_.Loading = false;

    for (int i = 0; i < kHeaderFields; ++i) {
        connect(txtHeader_[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            form_.header[i] = text.toStdString();
            form_.edited();
        });
    }
    connect(txtBeschreibung_, &QPlainTextEdit::textChanged, this, [this] {
        form_.Beschreibung = txtBeschreibung_->toPlainText().toStdString();
        form_.edited();
    });
    connect(txtNotizen_, &QPlainTextEdit::textChanged, this, [this] {
        form_.Notizen = txtNotizen_->toPlainText().toStdString();
        form_.edited();
    });
    txtHeader_[0]->setFocus();
}

// The fields lose the focus while the dialog is taken down; by then there is
// no dialog left to ask.
ProjectInfoDialog::~ProjectInfoDialog()
{
    for (QLineEdit* edit : txtHeader_) {
        auto* header = static_cast<HeaderEdit*>(edit);
        header->onLeave = nullptr;
        header->onEnter = nullptr;
    }
}

// A header field cannot be left holding its reserved word. Switching to
// another window or opening a menu is not leaving it; neither is OK (which
// checks by itself) nor Cancel.
void ProjectInfoDialog::leftHeader(int field, Qt::FocusReason reason)
{
    if (closing_ || refocusing_) return;
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
        return;
    const QWidget* next = QApplication::focusWidget();
    if (next == btnOk_ || next == btnCancel_) return;
    if (!ProjectInfoForm::isReserved(field, form_.header[field])) return;
    beep();
    QTimer::singleShot(0, this, [this, field] {
        if (closing_) return;
        refocusing_ = true;
        txtHeader_[field]->setFocus(Qt::OtherFocusReason);
        refocusing_ = false;
    });
}

void ProjectInfoDialog::done(int result)
{
    if (closing_) {
        QDialog::done(result);
        return;
    }
    if (result == Accepted) {
        if (const int field = form_.reservedField(); field >= 0) {
            beep();
            refocusing_ = true;
            txtHeader_[field]->setFocus(Qt::OtherFocusReason);
            refocusing_ = false;
            return;
        }
    }
    form_.Cancelled = result != Accepted;
    closing_ = true;
    // Unload: hands the fields back when something was edited, after Cancel too.
    form_.unload(session_.app.AktProjectInfo);
    QDialog::done(result);
}

void ProjectInfoDialog::showRefused(const QString& refused)
{
    QStringList shown;
    for (const char32_t c : refused.toUcs4()) shown << "\u201C" + QString::fromUcs4(&c, 1) + "\u201D";
    lblHeaderRule_->setText(extraText(session_, OwnText::HeaderRule) + "\n" +
                            extraText(session_, OwnText::HeaderRefused).arg(shown.join(' ')));
}

}  // namespace rm::gui
