#include "gui/dbgen/DbSelectDialog.h"
#include "core/base/TextIds.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "core/base/OwnTexts.h"
#include "gui/app/Beep.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/GuiTexts.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/HintTexts.h"
#include "gui/app/Session.h"

namespace rm::gui {

namespace {
// The project window's page, where generating the source is explained.
constexpr int kHelpContext = 3;
}  // namespace

DbSelectDialog::DbSelectDialog(Session& session, const QString& projectTitle, std::function<int(int, int)> writeDB,
                               QWidget* parent)
    : DbSelectDialog(session, projectTitle,
                     writeDB
                         ? Writer([writeDB](int io, int cpu, const QString&, WriteResult&) { return writeDB(io, cpu); })
                         : Writer(),
                     parent)
{
}

DbSelectDialog::DbSelectDialog(Session& session, const QString& projectTitle, Writer writer, QWidget* parent)
    : QDialog(parent), session_(session), writer_(std::move(writer))
{
    setObjectName(QStringLiteral("DBKonfig"));
    setWindowTitle(session.t(txt::TabDbCompile));

    auto* lblProjekt = new QLabel(session.msg(txt::ProjectNameLabel) + projectTitle, this);
    lblProjekt->setObjectName(QStringLiteral("lblProjekt"));
    lblProjekt->setTextFormat(Qt::PlainText);

    // The block names are the same in every language.
    static const char* const kBlocks[] = {" DB1", " DB511", " DB1023", "Not requested"};

    auto* frame2 = new QGroupBox(session.t(txt::HardwareDataBlock), this);
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

    auto* frame1 = new QGroupBox(session.t(txt::CdbDataBlock), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* cpuLayout = new QVBoxLayout(frame1);
    auto* cpuGroup = new QButtonGroup(this);
    for (int i = 0; i < DbSelection::kCpuOptions; ++i) {
        rbDB1_[i] = new QRadioButton(QString::fromLatin1(kBlocks[i]), frame1);
        rbDB1_[i]->setObjectName(QStringLiteral("rbDB1_%1").arg(i));
        cpuGroup->addButton(rbDB1_[i], i);
        cpuLayout->addWidget(rbDB1_[i]);
    }
    // "Not requested" stays as it is in every language; its tooltip says it in the user's.
    rbDB1_[DbSelection::kCpuOptions - 1]->setToolTip(hintText(session, OwnText::NoCpuBlock));
    cpuLayout->addStretch();

    auto* btnOk = new QPushButton(QStringLiteral("&OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    auto* btnCancel = new QPushButton(session.t(txt::CancelButton), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto* btnHelp = new QPushButton(session.t(txt::HelpButton), this);
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
    const Texts& texts = session_.app.texts;
    QString chosen;  // empty: the file beside the project
    for (;;) {
        WriteResult written = WriteResult::failed();
        const int result = writer_ ? writer_(selection_.ioDb(), selection_.cpuDb(), chosen, written) : 0;
        const std::string file = QDir::toNativeSeparators(chosen.isEmpty() ? target_ : chosen).toStdString();
        if (result == 1) {
            beep();
            std::string text = session_.msg(txt::SourceGenerated).toStdString();
            if (!file.empty()) text += "\n\n" + ownText(texts, OwnText::FileWritten, {file});
            session_.app.asker.ShowMessage(text, "", style::Ok);
            break;
        }
        if (result != 0) break;
        beep();
        std::string text = session_.msg(txt::SourceNotGenerated).toStdString();
        if (!file.empty()) text += "\n\n" + ownText(texts, OwnText::FileNamed, {file});
        if (written.wasDeclined()) {
            text += "\n" + ownText(texts, OwnText::ExistingKept);
            session_.app.asker.ShowMessage(text, session_.msg(txt::ErrorTitle).toStdString(), style::Ok);
            break;
        }
        if (!written.reason().empty())
            text += "\n" + ownText(texts, OwnText::Reason, {reasonInLanguage(texts, written.reason())});
        // The choice of another file, in a folder the user may write.
        text += "\n\n" + ownText(texts, OwnText::ChooseOtherFile);
        if (session_.app.asker.ShowMessage(text, session_.msg(txt::ErrorTitle).toStdString(),
                                           style::YesNo + style::Critical) != answer::Yes)
            break;
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
        const QString name =
            QFileInfo(file.empty() ? QStringLiteral("source.awl") : QString::fromStdString(file)).fileName();
        chosen = session_.files.saveFile(this, extraText(session_, OwnText::SourceAs), QDir(folder).filePath(name),
                                         extraText(session_, OwnText::SourceFilter), QStringLiteral("awl"));
        if (chosen.isEmpty()) break;
    }
    QDialog::accept();
}

}  // namespace rm::gui
