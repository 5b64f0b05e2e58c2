#include "gui/app/RecoveryDialog.h"
#include "core/base/TextIds.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/table/ProjectDocument.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Session.h"
#include "gui/app/WorkTexts.h"
#include "gui/project/CompareWindow.h"
#include "gui/project/ProjectGuard.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

namespace fs = std::filesystem;

RecoveryDialog::RecoveryDialog(Session& session, MainWindow& main, std::vector<RecoveryEntry> entries)
    : QDialog(&main), session_(session), main_(main), entries_(std::move(entries)), list_(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("RecoveryDialog"));
    setWindowTitle(workText(session, OwnText::RecoverTitle));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(workText(session, OwnText::RecoverIntro), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    list_->setObjectName(QStringLiteral("recoveryList"));
    list_->setHeaderLabels({workText(session, OwnText::ColProject), workText(session, OwnText::ColPath),
                            workText(session, OwnText::ColTime)});
    list_->setRootIsDecorated(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    recover_ = buttons->addButton(workText(session, OwnText::Recover), QDialogButtonBox::ActionRole);
    compare_ = buttons->addButton(workText(session, OwnText::CompareSaved), QDialogButtonBox::ActionRole);
    discard_ = buttons->addButton(workText(session, OwnText::Discard), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(workText(session, OwnText::Later), QDialogButtonBox::RejectRole);
    recover_->setObjectName(QStringLiteral("Recover"));
    compare_->setObjectName(QStringLiteral("Compare"));
    discard_->setObjectName(QStringLiteral("Discard"));
    later->setObjectName(QStringLiteral("Later"));
    // Enter recovers; nothing that deletes is a key press away.
    for (QPushButton* b : {compare_, discard_, later}) b->setAutoDefault(false);
    recover_->setDefault(true);
    layout->addWidget(buttons);
    connect(recover_, &QPushButton::clicked, this, [this] {
        if (recover(selected()) && list_->topLevelItemCount() == 0) accept();
    });
    connect(compare_, &QPushButton::clicked, this, [this] { compare(selected()); });
    connect(discard_, &QPushButton::clicked, this, [this] {
        discard(selected());
        if (list_->topLevelItemCount() == 0) accept();
    });
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::currentItemChanged, this, &RecoveryDialog::enableButtons);
    fill();
    resize(760, 300);
}

void RecoveryDialog::fill()
{
    list_->clear();
    for (const RecoveryEntry& e : entries_) {
        QStringList cols;
        if (!e.error.empty()) {
            cols << QString::fromStdString(e.file.filename().string())
                 << workText(session_, OwnText::RecoveryUnreadable)
                        .arg(QDir::toNativeSeparators(QString::fromStdString(e.file.string())),
                             QString::fromStdString(e.error))
                 << QString();
        } else {
            const QString path = e.header.originalPath.empty()
                                     ? workText(session_, OwnText::NeverSaved)
                                     : QDir::toNativeSeparators(QString::fromStdString(e.header.originalPath));
            cols << QString::fromStdString(e.header.title) << path << QString::fromStdString(e.header.time);
        }
        list_->addTopLevelItem(new QTreeWidgetItem(cols));
    }
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    for (int c = 0; c < 3; c += 2) list_->resizeColumnToContents(c);
    enableButtons();
}

void RecoveryDialog::enableButtons()
{
    const int i = selected();
    const bool readable = i >= 0 && i < count() && entries_[i].error.empty();
    recover_->setEnabled(readable);
    compare_->setEnabled(readable && !entries_[i].header.originalPath.empty());
    discard_->setEnabled(i >= 0 && i < count());
}

int RecoveryDialog::selected() const
{
    QTreeWidgetItem* item = list_->currentItem();
    return item ? list_->indexOfTopLevelItem(item) : -1;
}

bool RecoveryDialog::decode(int index, ProjectReadResult& read)
{
    RecoveryEntry& entry = entries_[index];
    read = decodeProject(entry.project);
    if (read.status == ProjectReadStatus::Ok) return true;
    // Said, and kept: nothing is deleted without the user's word.
    entry.error = read.detail;
    session_.app.asker.ShowMessage(
        workText(session_, OwnText::CannotRead).toStdString() + "\n" +
            QDir::toNativeSeparators(QString::fromStdString(entry.file.string())).toStdString() + "\n" + read.detail,
        session_.app.messages[txt::ErrorTitle], style::Ok + style::Critical);
    fill();
    return false;
}

bool RecoveryDialog::recover(int index)
{
    if (index < 0 || index >= count() || !entries_[index].error.empty()) return false;
    ProjectReadResult read;
    if (!decode(index, read)) return false;
    const RecoveryEntry entry = entries_[index];
    QString title = QString::fromStdString(entry.header.title);
    ProjectWindow* w = main_.openRecoveredWindow(title);
    if (!w) return false;
    ProjectInfo info = read.data.info;
    info.ProjektPfad = entry.header.originalPath;
    info.ProjektTitel = entry.header.title;
    w->table().ProjektLaden(info, read.data.rows, nullptr);
    w->history().reset(w->table(), false);
    w->table().SetProjektDataHasChangedFlag(true);
    w->refresh();
    if (ProjectGuard* guard = ProjectGuard::of(w)) {
        guard->adoptRecovered(QString::fromStdString(entry.header.originalPath));
        guard->writeRecoveryNow();  // the window's own recovery file before the old one goes
    }
    w->historyChanged();
    std::error_code ec;
    fs::remove(entry.file, ec);
    entries_.erase(entries_.begin() + index);
    fill();
    return true;
}

bool RecoveryDialog::compare(int index)
{
    if (index < 0 || index >= count() || !entries_[index].error.empty()) return false;
    const QString saved = QString::fromStdString(entries_[index].header.originalPath);
    if (saved.isEmpty()) return false;
    ProjectReadResult read;
    if (!decode(index, read)) return false;
    // Both read beside the program's state, which stays as it is.
    AppState scratch(session_.app.asker, session_.app.texts.base());
    ProjectTable recovered(scratch), other(scratch);
    recovered.ProjektLaden(read.data.info, read.data.rows, nullptr);
    if (!readForCompare(session_, saved, other)) return false;
    // A child of this dialog, so that it takes input while the dialog waits.
    const QString title =
        QString::fromStdString(entries_[index].header.title) + workText(session_, OwnText::RecoveredMark);
    showCompare(new CompareWindow(session_, recovered, title, other, saved, this), this);
    return true;
}

void RecoveryDialog::discard(int index)
{
    if (index < 0 || index >= count()) return;
    std::error_code ec;
    fs::remove(entries_[index].file, ec);
    entries_.erase(entries_.begin() + index);
    fill();
}

void offerRecovery(Session& session, MainWindow& main)
{
    auto entries = recoveryIndex(recoveryFolder(session), hostName(), processRunning);
    if (entries.empty()) return;
    RecoveryDialog dlg(session, main, std::move(entries));
    dlg.exec();
}

}  // namespace rm::gui
