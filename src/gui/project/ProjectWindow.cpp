#include "gui/project/ProjectWindow.h"
#include "core/base/TextIds.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <optional>

#include "core/base/OwnTexts.h"
#include "core/dbgen/WriteDb.h"
#include "core/project/ProjectCheck.h"
#include "core/table/ProjectDocument.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/GuiTexts.h"
#include "gui/dbgen/DbSelectDialog.h"
#include "gui/project/PrintPage.h"
#include "gui/project/ProjectGuard.h"
#include "gui/project/ProjectInfoDialog.h"
#include "gui/project/StationView.h"
#include "gui/project/UndoStep.h"

namespace rm::gui {

namespace fs = std::filesystem;

// ---------------------------------------------------------------- window

std::map<DialogKind, RowDialog>& ProjectWindow::dialogs()
{
    static std::map<DialogKind, RowDialog> registry;
    return registry;
}

ProjectWindow* ProjectWindow::dragSource(quintptr id)
{
    // Looked up among the workspaces' windows themselves (a closed window
    // leaves its workspace), so that no list can miss a window or keep one
    // that is gone.
    for (QWidget* top : QApplication::topLevelWidgets())
        for (const QMdiArea* area : top->findChildren<QMdiArea*>())
            for (const QMdiSubWindow* sub : area->subWindowList())
                if (auto* w = qobject_cast<ProjectWindow*>(sub->widget()); w && quintptr(w) == id) return w;
    return nullptr;
}

ProjectWindow::ProjectWindow(Session& session, const QString& title, QWidget* parent)
    : QWidget(parent), session_(session), table_(session.app), model_(table_, this), grid_(new ProjectGrid(*this, this))
{
    setObjectName("GridForm");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    // The station picture beside the table takes what the table leaves.
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName("StationSplitter");
    split->setChildrenCollapsible(false);
    picture_ = new StationView(*this, split);
    split->addWidget(grid_);
    split->addWidget(picture_);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    layout->addWidget(split);
    grid_->setModel(&model_);
    table_.info() = session.app.AktProjectInfo;
    setTitle(title);
    ChangeFlexGridFontANDColWidth();
    picture_->setVisible(stationPictureWanted(session_));
    picture_->refresh();
    split->setSizes({tableWidth(), kPictureWidth});
    connect(grid_, &ProjectGrid::rowActivated, this, &ProjectWindow::OpenModuleDialog);
    connect(grid_, &ProjectGrid::deletePressed, this, &ProjectWindow::FktDelete);
    connect(grid_, &ProjectGrid::contextMenuWanted, this, &ProjectWindow::contextMenuWanted);
    selectRow(1);
    history_.reset(table_);
    new ProjectGuard(*this);
}

void ProjectWindow::setTitle(const QString& title)
{
    title_ = title;
    const ProjectGuard* guard = ProjectGuard::of(this);
    setWindowTitle(title + (guard ? guard->titleNote() : QString()) + QStringLiteral("[*]") +
                   session_.msg(txt::ProjectTitleSuffix));
    emit titleChanged(title);
}

void ProjectWindow::ChangeFlexGridFontANDColWidth()
{
    const GridSettings& g = session_.settings.grid;
    grid_->setFont(g.font());
    grid_->horizontalHeader()->setFont(g.font());
    const int rowHeight = QFontMetrics(g.font()).height() + 6;
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->horizontalHeader()->setMinimumHeight(2 * rowHeight);  // the header row is twice as high
    for (int c = 0; c < ProjectTable::kColumns; ++c) grid_->setColumnWidth(c, twipsToPixels(g.colWidths[c]));
}

std::array<int, 7> ProjectWindow::columnWidthsTwips() const
{
    std::array<int, 7> w{};
    for (int c = 0; c < 7; ++c) w[c] = pixelsToTwips(grid_->columnWidth(c));
    return w;
}

int ProjectWindow::tableWidth() const
{
    int width = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < ProjectTable::kColumns; ++c) width += grid_->columnWidth(c);
    return width;
}

QSize ProjectWindow::preferredSize() const
{
    constexpr int stationRows = 22;  // CPU, extra slots, sixteen numbered slots, a connector
    int width = tableWidth();
    if (!picture_->isHidden()) width += kPictureWidth;
    const int height = 2 * grid_->frameWidth() + grid_->horizontalHeader()->minimumHeight() +
                       stationRows * grid_->verticalHeader()->defaultSectionSize();
    const QMargins m = layout()->contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void ProjectWindow::setPictureShown(bool shown)
{
    if (shown == !picture_->isHidden()) return;
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (shown && sub && sub->mdiArea() && !sub->isMaximized()) {
        // The window grows by the picture's share where the workspace has room.
        const int room = sub->mdiArea()->viewport()->width() - sub->x();
        sub->resize(std::max(sub->width(), std::min(room, sub->width() + kPictureWidth)), sub->height());
    }
    picture_->setVisible(shown);
    if (!shown) return;
    // The picture takes its share of the window, at most half of it.
    auto* split = static_cast<QSplitter*>(picture_->parentWidget());
    const int total = split->width() - split->handleWidth();
    const int share = std::min(kPictureWidth, total / 2);
    split->setSizes({total - share, share});
    picture_->refresh();
    picture_->showRow(table_.currentRow());
}

void ProjectWindow::refresh()
{
    std::map<int, QString> marked;
    for (const Problem& p : findProblems(table_, session_.app.ModulKatalog)) {
        const QString text = QString::fromStdString(problemText(session_.app.texts, table_, p));
        for (const int row : problemRows(table_, {p})) marked[row] += (marked[row].isEmpty() ? "" : "\n") + text;
    }
    model_.setProblemRows(std::move(marked));
    model_.refresh();
    if (!picture_->isHidden()) picture_->refresh();
    selectRow(table_.currentRow());
    emit editStateChanged();
}

void ProjectWindow::selectRow(int row)
{
    table_.setCurrentRow(row);
    const QModelIndex idx = model_.index(table_.currentRow() - 1, 1);
    grid_->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid_->scrollTo(idx);
    // The slot labels stay in sight.
    grid_->horizontalScrollBar()->setValue(grid_->horizontalScrollBar()->minimum());
    if (!picture_->isHidden()) picture_->showRow(table_.currentRow());
    emit editStateChanged();
}

void ProjectWindow::goToRow(int row)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
    selectRow(row);
    window()->activateWindow();
    grid_->setFocus();
}

void ProjectWindow::insertFromCatalog(int index)
{
    const UndoStep step(*this, OwnText::ActInsert);
    table_.DblClickInTree(index);
    refresh();
}

bool ProjectWindow::canDrop(const QMimeData* m, int row, QString* refusal)
{
    refusal->clear();
    if (!m->hasFormat(kCatalogMime) && !m->hasFormat(kRowMime)) return false;
    AppState& app = session_.app;
    if (m->hasFormat(kCatalogMime)) {
        const int index = m->data(kCatalogMime).toInt();
        if (app.ModulKatalog.validIndex(index)) app.CurrentModule = app.ModulKatalog.at(index);
    }
    if (row < 1) return false;
    if (table_.IsAllowedInRow(app.CurrentModule, row)) return true;
    *refusal = QString::fromStdString(
        table_.refusalText(table_.WhyNotAllowed(app.CurrentModule, row), app.CurrentModule, row));
    return false;
}

bool ProjectWindow::dropped(const QMimeData* mime, int row, bool ctrl)
{
    bool done = false;
    const UndoStep step(*this, mime->hasFormat(kRowMime) && ctrl ? OwnText::ActCopy
                               : mime->hasFormat(kRowMime)       ? OwnText::ActMove
                                                                 : OwnText::ActInsert);
    if (mime->hasFormat(kCatalogMime)) {
        done = table_.dropFromCatalog(mime->data(kCatalogMime).toInt(), row);
    } else if (mime->hasFormat(kRowMime)) {
        QDataStream in(mime->data(kRowMime));
        quintptr source = 0;
        int sourceRow = 0;
        in >> source >> sourceRow;
        ProjectWindow* from = dragSource(source);
        if (!from) return false;
        // The source window undoes its own side.
        std::optional<UndoStep> sourceStep;
        if (from != this) sourceStep.emplace(*from, ctrl ? OwnText::ActCopy : OwnText::ActMove);
        done = table_.dropFromTable(from->table(), sourceRow, row, ctrl);
        if (from != this) from->refresh();
    }
    refresh();
    return done;
}

void ProjectWindow::FktCut()
{
    const UndoStep step(*this, OwnText::ActCut);
    table_.FktCut();
    refresh();
}

void ProjectWindow::FktCopy()
{
    table_.FktCopy();
    refresh();
}

void ProjectWindow::FktPaste()
{
    const UndoStep step(*this, OwnText::ActPaste);
    table_.FktPaste();
    refresh();
}

void ProjectWindow::FktDelete()
{
    const UndoStep step(*this, OwnText::ActDelete);
    table_.FktDelete();
    refresh();
}

void ProjectWindow::OpenModuleDialog(int row)
{
    if (row < 1 || row > table_.lastRow() || table_.rowEmpty(row)) return;
    const DialogKind kind = table_.prepareDialog(row);
    auto it = dialogs().find(kind);
    if (it == dialogs().end()) return;
    const UndoStep step(*this, kind == DialogKind::Cpu ? OwnText::ActCpu : OwnText::ActModule);
    // Only an OK brings the dialog's record back into the row.
    if (it->second(session_, table_, this)) table_.finishDialog(row, kind);
    refresh();
    grid_->setFocus();
}

bool ProjectWindow::ProjektSpeichern(bool saveAs)
{
    ProjectInfo& info = table_.info();
    QString path = QString::fromStdString(info.ProjektPfad);
    // What a failed write under a new name gives back: the window goes on
    // under the name and file it had.
    const std::string oldPath = info.ProjektPfad, oldTitle = info.ProjektTitel;
    const auto oldSaved = info.Gespeichert;
    const QString oldWindowTitle = title_;
    if (!info.Gespeichert || saveAs || path.isEmpty()) {
        const QString chosen = session_.files.saveFile(this, session_.msg(txt::SaveProjectTitle), saveProposal(),
                                                       session_.msg(txt::ProjectFileFilter), QStringLiteral("qv4"));
        if (chosen.isEmpty()) return false;
        // Long names are stored under their first 8 characters; that name may
        // belong to another project, which is never replaced without asking.
        const fs::path stored = applyNameRule(chosen.toStdString());
        if (stored != fs::path(chosen.toStdString()) && fs::exists(stored) &&
            QFileInfo(QString::fromStdString(stored.string())).absoluteFilePath() !=
                QFileInfo(path).absoluteFilePath()) {
            const std::string prompt = session_.app.messages[txt::FileExistsOverwrite] + "\n" + stored.string();
            if (session_.app.asker.ShowMessage(prompt, session_.app.messages[txt::ExistingDataTitle],
                                               style::OkCancel + style::Exclamation) != answer::Ok)
                return false;
        }
        info.ProjektPfad = QFileInfo(QString::fromStdString(stored.string())).absoluteFilePath().toStdString();
        info.ProjektTitel = stored.filename().string();
        info.Gespeichert = kTrue;
        setTitle(QString::fromStdString(info.ProjektTitel));
    }
    ProjectGuard* guard = ProjectGuard::of(this);
    if (guard) {
        const auto before = guard->beforeSave(QString::fromStdString(table_.info().ProjektPfad));
        if (before == ProjectGuard::Before::Cancel) return false;
        if (before == ProjectGuard::Before::SaveAs) return !saveAs && ProjektSpeichern(true);
    }
    const WriteResult stored = saveProject(table_, table_.info().ProjektPfad, guard && guard->keepBackup());
    if (!stored.ok()) {
        // The work is still only in the window: offer another place for it.
        const int a =
            session_.app.asker.ShowMessage(withFileAndReason(session_.app.texts, session_.app.messages[txt::NotSaved],
                                                             table_.info().ProjektPfad, stored.reason()) +
                                               "\n\n" + ownText(session_.app.texts, OwnText::SaveOtherName),
                                           session_.app.messages[txt::ErrorTitle], style::YesNo + style::Critical);
        info.ProjektPfad = oldPath;
        info.ProjektTitel = oldTitle;
        info.Gespeichert = oldSaved;
        if (title_ != oldWindowTitle) setTitle(oldWindowTitle);
        emit editStateChanged();
        return a == answer::Yes && ProjektSpeichern(true);
    }
    history_.markSaved(table_);
    if (guard) {
        guard->saved(QString::fromStdString(table_.info().ProjektPfad));
        setTitle(title_);
    }
    emit saved(path = QString::fromStdString(table_.info().ProjektPfad));
    emit editStateChanged();
    return true;
}

QString ProjectWindow::saveProposal() const
{
    // A saved project proposes its own file; a new one its title in the
    // last folder used, else the documents folder, else the home folder.
    if (!path().isEmpty()) return path();
    QString folder = session_.files.lastFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(title_ + ".qv4");
}

bool ProjectWindow::ProjektLaden(const QString& path, QString* error)
{
    auto res = openProject(table_, path.toStdString());
    if (res.status == ProjectReadStatus::Ok) {
        history_.reset(table_, !table_.changed());
        if (ProjectGuard* guard = ProjectGuard::of(this); guard && !guard->opened(path)) return false;
        setTitle(QFileInfo(path).fileName());
        refresh();
        if (!res.notes.empty()) {
            std::string text;
            for (const auto& n : res.notes) text += n + "\n";
            session_.app.asker.ShowMessage(text, extraText(session_, OwnText::DroppedRecords).toStdString(),
                                           style::Ok + style::Information);
        }
        if (res.ignoredBytes > 0)
            session_.app.asker.ShowMessage(
                ownText(session_.app.texts, OwnText::IgnoredBytes, {std::to_string(res.ignoredBytes)}) + "\n\n" +
                    ownText(session_.app.texts, OwnText::FileNamed, {QDir::toNativeSeparators(path).toStdString()}),
                QFileInfo(path).fileName().toStdString(), style::Ok + style::Exclamation);
        return true;
    }
    const std::string file = QDir::toNativeSeparators(path).toStdString();
    // Said first: the detail alone reads as a damaged project.
    const std::string kind = res.notAProjectFile ? ownText(session_.app.texts, OwnText::NotProjectBytes,
                                                           {std::to_string(smallestProjectFileSize())})
                                                 : std::string();
    if (error) {
        // The caller gathers several files into one message.
        *error = QString::fromStdString(file + ": " + (kind.empty() ? res.detail : kind + " (" + res.detail + ")"));
        return false;
    }
    if (res.status == ProjectReadStatus::WrongVersion)
        session_.app.asker.ShowMessage(
            withFileAndReason(session_.app.texts, "This project is not compatible with this version of RackMason", file,
                              res.detail),
            "Error: project is too old", style::Ok + style::Critical);
    else
        session_.app.asker.ShowMessage(
            (kind.empty() ? "" : kind + "\n\n") +
                withFileAndReason(session_.app.texts, session_.app.messages[txt::NotLoaded], file, res.detail),
            session_.app.messages[txt::ErrorTitle], style::Ok + style::Critical);
    return false;
}

int ProjectWindow::writeDB(int ioDb, int cpuDb)
{
    return rm::writeDB(table_, ioDb, cpuDb);
}

void ProjectWindow::FktKonfig()
{
    if (!table_.info().Gespeichert) {
        if (session_.app.ask(txt::NeverSaved, txt::MissingProjectName, style::YesNo + style::Exclamation) !=
            answer::Yes)
            return;
        if (!ProjektSpeichern(false)) return;
    }
    DbSelectDialog dlg(
        session_, title_, DbSelectDialog::Writer([this](int io, int cpu, const QString& file, WriteResult& written) {
            return file.isEmpty() ? rm::writeDB(table_, io, cpu, &written)
                                  : writeDBTo(table_, QFile::encodeName(file).toStdString(), io, cpu, &written);
        }),
        this);
    dlg.setWindowTitle(session_.t(txt::TabDbCompile));
    dlg.setTargetFile(QString::fromStdString(sourcePathFor(table_.info().ProjektPfad)));
    dlg.exec();
    grid_->setFocus();
}

void ProjectWindow::FktProjektInfo()
{
    const UndoStep step(*this, OwnText::ActInfo);
    session_.app.AktProjectInfo = table_.info();
    ProjectInfoDialog dlg(session_, " " + title_, this);
    dlg.exec();
    const ProjectInfo& edited = session_.app.AktProjectInfo;
    ProjectInfo& own = table_.info();
    if (dlg.cancelled()) return;
    if (edited.ProjektName != own.ProjektName || edited.Familie != own.Familie || edited.Autor != own.Autor ||
        edited.Beschreibung != own.Beschreibung || edited.Notizen != own.Notizen) {
        own = edited;
        table_.SetProjektDataHasChangedFlag(true);
        emit editStateChanged();
    }
}

void ProjectWindow::ProjektPrint()
{
    QString error;
    if (!printProject(table_, session_.app.texts, this, &error) && !error.isEmpty())
        session_.app.asker.ShowMessage(error.toStdString(), session_.app.messages[txt::ErrorTitle],
                                       style::Ok + style::Critical);
}

void ProjectWindow::printPreview()
{
    previewProject(table_, session_.app.texts, this);
}

QString ProjectWindow::exportPdf()
{
    QString base = path().isEmpty() ? QDir::home().filePath(title_) : path();
    if (base.endsWith(".qv4", Qt::CaseInsensitive)) base.chop(4);
    const QString target = session_.files.saveFile(this, extraText(session_, OwnText::ExportPdf), base + ".pdf",
                                                   "PDF (*.pdf)|*.pdf|", "pdf");
    if (target.isEmpty()) return {};
    QString error;
    if (!rm::gui::exportPdf(table_, session_.app.texts, target, &error)) {
        session_.app.asker.ShowMessage(error.toStdString(), session_.app.messages[txt::ErrorTitle],
                                       style::Ok + style::Critical);
        return {};
    }
    return target;
}

void ProjectWindow::undo()
{
    if (!history_.undo(table_)) return;
    historyChanged();
    refresh();
}

void ProjectWindow::redo()
{
    if (!history_.redo(table_)) return;
    historyChanged();
    refresh();
}

void ProjectWindow::historyChanged()
{
    if (history_.inAction()) return;
    table_.SetProjektDataHasChangedFlag(!history_.isSaved(table_));
    emit editStateChanged();
}

void ProjectWindow::closeEvent(QCloseEvent* e)
{
    closeCancelled_ = false;
    if (table_.changed()) {
        const int a =
            session_.app.asker.ShowMessage(session_.app.messages[txt::SaveChanges], windowTitle().toStdString(),
                                           style::YesNoCancel + style::Exclamation);
        // A save that does not happen keeps the window, so nothing is lost.
        if (a == answer::Cancel || (a == answer::Yes && !ProjektSpeichern(false))) {
            closeCancelled_ = true;
            e->ignore();
            return;
        }
    }
    if (ProjectGuard* guard = ProjectGuard::of(this)) guard->closed();
    emit windowClosed(this);
    e->accept();
}

void ProjectWindow::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    grid_->setFocus();
    if (ProjectGuard* guard = ProjectGuard::of(this)) guard->activated();
}

}  // namespace rm::gui
