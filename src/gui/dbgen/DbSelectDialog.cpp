#include "gui/dbgen/DbSelectDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/base/OwnTexts.h"
#include "gui/app/Beep.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/Session.h"

namespace rm::gui {

namespace {
// The project window's page, where generating the source is explained.
constexpr int kHelpContext = 3;
}  // namespace

DbSelectDialog::DbSelectDialog(Session& session, const QString& projectTitle, std::function<int(int, int)> writeDB,
                               QWidget* parent)
    : QDialog(parent), session_(session), writeDB_(std::move(writeDB))
{
    setObjectName(QStringLiteral("DBKonfig"));
    setWindowTitle(session.t(1150));

    auto* lblProjekt = new QLabel(session.msg(1099) + projectTitle, this);
    lblProjekt->setObjectName(QStringLiteral("lblProjekt"));
    lblProjekt->setTextFormat(Qt::PlainText);

    // The block names are the same in every language.
    static const char* const kBlocks[] = {" DB1", " DB511", " DB1023", "Not requested"};

    auto* frame2 = new QGroupBox(session.t(1155), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* ioLayout = new QVBoxLayout(frame2);
    auto* ioGroup = new QButtonGroup(this);
    for (int i = 0; i < DbSelection::kIoOptions; ++i) {
        rbDB_[i] = new QRadioButton(QString::fromLatin1(kBlocks[i]), frame2);
        rbDB_[i]->setObjectName(QStringLiteral("rbDB%1").arg(i));
        ioGroup->addButton(rbDB_[i], i);
        ioLayout->addWidget(rbDB_[i]);
    }
    ioLayout->addStretch();

    auto* frame1 = new QGroupBox(session.t(1154), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* cpuLayout = new QVBoxLayout(frame1);
    auto* cpuGroup = new QButtonGroup(this);
    for (int i = 0; i < DbSelection::kCpuOptions; ++i) {
        rbDB1_[i] = new QRadioButton(QString::fromLatin1(kBlocks[i]), frame1);
        rbDB1_[i]->setObjectName(QStringLiteral("rbDB1_%1").arg(i));
        cpuGroup->addButton(rbDB1_[i], i);
        cpuLayout->addWidget(rbDB1_[i]);
    }
    cpuLayout->addStretch();

    auto* btnOk = new QPushButton(QStringLiteral("&OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    auto* btnCancel = new QPushButton(session.t(1120), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto* btnHelp = new QPushButton(session.t(1121), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btnOk, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel, QDialogButtonBox::RejectRole);
    buttons->addButton(btnHelp, QDialogButtonBox::HelpRole);
    connect(btnOk, &QPushButton::clicked, this, &DbSelectDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { HelpViewer::showHelp(session_, kHelpContext, this); });
    HelpViewer::bindHelpKey(btnHelp);

    auto* frames = new QHBoxLayout;
    frames->addWidget(frame2);
    frames->addWidget(frame1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblProjekt);
    layout->addLayout(frames);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    showSelection();
    connect(ioGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on || showing_) return;
        selection_.selectIo(id);
        showSelection();
    });
    connect(cpuGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on || showing_) return;
        selection_.selectCpu(id);
        showSelection();
    });
    btnOk->setFocus();
}

void DbSelectDialog::showSelection()
{
    showing_ = true;
    // Checking one button of a group unchecks the others.
    rbDB_[selection_.io()]->setChecked(true);
    rbDB1_[selection_.cpu()]->setChecked(true);
    for (int i = 0; i < DbSelection::kCpuOptions; ++i) rbDB1_[i]->setEnabled(selection_.cpuEnabled(i));
    showing_ = false;
}

void DbSelectDialog::accept()
{
    const int result = writeDB_ ? writeDB_(selection_.ioDb(), selection_.cpuDb()) : 0;
    const Texts& texts = session_.app.texts;
    const std::string file = QDir::toNativeSeparators(target_).toStdString();
    if (result == 0) {
        beep();
        std::string text = session_.msg(1067).toStdString();
        if (!file.empty()) text += "\n\n" + ownText(texts, OwnText::FileNamed, {file});
        session_.app.asker.ShowMessage(text, session_.msg(1078).toStdString(), style::Ok);
    } else if (result == 1) {
        beep();
        std::string text = session_.msg(1066).toStdString();
        if (!file.empty()) text += "\n\n" + ownText(texts, OwnText::FileWritten, {file});
        session_.app.asker.ShowMessage(text, "", style::Ok);
    }
    QDialog::accept();
}

}  // namespace rm::gui
