#include "gui/app/RecoveryDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/project/ProjectDocument.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Session.h"
#include "gui/project/ProjectGuard.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

namespace fs = std::filesystem;

RecoveryDialog::RecoveryDialog(Session& session, MainWindow& main, std::vector<RecoveryEntry> entries)
    : QDialog(&main), session_(session), main_(main), entries_(std::move(entries)), list_(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("RecoveryDialog"));
    setWindowTitle(QStringLiteral("Recover unsaved work"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("RackMason ended without saving these projects. "
                                                "Nothing is deleted unless you choose Discard."),
                                 this));
    list_->setHeaderLabels({QStringLiteral("Project"), QStringLiteral("Path"), QStringLiteral("Time")});
    list_->setRootIsDecorated(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* rec = buttons->addButton(QStringLiteral("Recover"), QDialogButtonBox::ActionRole);
    QPushButton* dis = buttons->addButton(QStringLiteral("Discard"), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(QStringLiteral("Later"), QDialogButtonBox::RejectRole);
    rec->setObjectName(QStringLiteral("Recover"));
    dis->setObjectName(QStringLiteral("Discard"));
    later->setObjectName(QStringLiteral("Later"));
    layout->addWidget(buttons);
    connect(rec, &QPushButton::clicked, this, [this] {
        if (recover(selected()) && list_->topLevelItemCount() == 0) accept();
    });
    connect(dis, &QPushButton::clicked, this, [this] {
        discard(selected());
        if (list_->topLevelItemCount() == 0) accept();
    });
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
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
                 << QStringLiteral("cannot be read: %1 (%2)")
                        .arg(QDir::toNativeSeparators(QString::fromStdString(e.file.string())),
                             QString::fromStdString(e.error))
                 << QString();
        } else {
            const QString path = e.header.originalPath.empty()
                                     ? QStringLiteral("(never saved)")
                                     : QDir::toNativeSeparators(QString::fromStdString(e.header.originalPath));
            cols << QString::fromStdString(e.header.title) << path << QString::fromStdString(e.header.time);
        }
        list_->addTopLevelItem(new QTreeWidgetItem(cols));
    }
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    for (int c = 0; c < 3; c += 2) list_->resizeColumnToContents(c);
}

int RecoveryDialog::selected() const
{
    QTreeWidgetItem* item = list_->currentItem();
    return item ? list_->indexOfTopLevelItem(item) : -1;
}

bool RecoveryDialog::recover(int index)
{
    if (index < 0 || index >= count() || !entries_[index].error.empty()) return false;
    const RecoveryEntry entry = entries_[index];
    ProjectReadResult read = decodeProject(entry.project);
    if (read.status != ProjectReadStatus::Ok) return false;
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
