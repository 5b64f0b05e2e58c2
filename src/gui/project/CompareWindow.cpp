#include "gui/project/CompareWindow.h"
#include "core/base/TextIds.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>

#include "core/table/ProjectDocument.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/MainWindow.h"
#include "gui/app/WorkTexts.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

namespace {
constexpr int kRowRole = Qt::UserRole + 1;

OwnText kindText(ProjectDifference::Kind k)
{
    switch (k) {
        case ProjectDifference::Information:
            return OwnText::DiffInfo;
        case ProjectDifference::Changed:
            return OwnText::DiffChanged;
        case ProjectDifference::Moved:
            return OwnText::DiffMoved;
        case ProjectDifference::Removed:
            return OwnText::DiffRemoved;
        case ProjectDifference::Added:
            break;
    }
    return OwnText::DiffAdded;
}
}  // namespace

CompareWindow::CompareWindow(Session& session, ProjectWindow& project, const ProjectTable& other,
                             const QString& otherPath, QWidget* parent)
    : QWidget(parent, Qt::Tool), project_(&project), tree_(new QTreeWidget(this))
{
    fill(session, project.table(), project.title(), other, otherPath);
    connect(&project, &ProjectWindow::windowClosed, this, &QWidget::close);
}

CompareWindow::CompareWindow(Session& session, const ProjectTable& mine, const QString& mineTitle,
                             const ProjectTable& other, const QString& otherPath, QWidget* parent)
    : QWidget(parent, Qt::Window), tree_(new QTreeWidget(this))
{
    fill(session, mine, mineTitle, other, otherPath);
}

void CompareWindow::fill(Session& session, const ProjectTable& mine, const QString& mineTitle,
                         const ProjectTable& other, const QString& otherPath)
{
    setObjectName("CompareWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(workText(session, OwnText::CompareTitle).arg(mineTitle, QFileInfo(otherPath).fileName()));
    tree_->setObjectName("compareTree");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tree_);
    tree_->setColumnCount(7);
    tree_->setHeaderLabels({workText(session, OwnText::ColDifference), workText(session, OwnText::ColOrder),
                            workText(session, OwnText::ColWhereThis), workText(session, OwnText::ColWhereOther),
                            workText(session, OwnText::ColField), workText(session, OwnText::ColThisValue),
                            workText(session, OwnText::ColOtherValue)});
    const auto diffs = projectDifferences(mine, other, {.raw = false, .languageBase = session.app.texts.base()});
    if (diffs.empty()) new QTreeWidgetItem(tree_, {workText(session, OwnText::Same)});
    for (const ProjectDifference& d : diffs) {
        auto* item = new QTreeWidgetItem(tree_);
        item->setText(0, workText(session, kindText(d.kind)));
        item->setText(1, QString::fromStdString(d.order));
        item->setText(2, QString::fromStdString(d.whereA));
        item->setText(3, QString::fromStdString(d.whereB));
        item->setData(0, kRowRole, d.rowA ? d.rowA : d.rowB);
        for (const FieldChange& c : d.changes) {
            auto* change = new QTreeWidgetItem(item);
            change->setText(4, QString::fromStdString(c.field));
            change->setText(5, QString::fromStdString(c.before));
            change->setText(6, QString::fromStdString(c.after));
            change->setData(0, kRowRole, d.rowA ? d.rowA : d.rowB);
        }
        // One field: on the entry's own line.
        if (d.changes.size() == 1) {
            for (int col = 4; col < 7; ++col) item->setText(col, item->child(0)->text(col));
            delete item->takeChild(0);
        }
    }
    tree_->expandAll();
    fitColumns();
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { activate(item); });
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { activate(item); });
}

void CompareWindow::fitColumns()
{
    // Each column as wide as its widest text (its caption included), a value
    // that would take more than a third of the screen cut off with its whole
    // text as the tool tip; the window as wide as its columns, as far as the
    // screen allows.
    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int widest = std::max(160, screen.width() / 3);
    int total = 0;
    for (int c = 0; c < tree_->columnCount(); ++c) {
        tree_->resizeColumnToContents(c);
        if (tree_->columnWidth(c) > widest) tree_->setColumnWidth(c, widest);
        total += tree_->columnWidth(c);
    }
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        for (int c = 4; c < tree_->columnCount(); ++c)
            if (tree_->columnWidth(c) == widest) (*it)->setToolTip(c, (*it)->text(c));
    const int frame = 2 * tree_->frameWidth() + tree_->verticalScrollBar()->sizeHint().width() +
                      layout()->contentsMargins().left() + layout()->contentsMargins().right() + 8;
    resize(std::min(total + frame, screen.width() * 9 / 10), 480);
}

void CompareWindow::activate(QTreeWidgetItem* item)
{
    const int row = item ? item->data(0, kRowRole).toInt() : 0;
    if (!project_ || row < 1 || row > project_->table().lastRow()) return;
    project_->goToRow(row);
}

void compareWithFile(Session& session, ProjectWindow& project, QWidget* parent)
{
    const QString folder = project.path().isEmpty() ? QString() : QFileInfo(project.path()).absolutePath();
    const QString path = session.files.openFile(parent, workText(session, OwnText::CompareWith).remove('&'), folder,
                                                session.msg(txt::ProjectFileFilter));
    if (path.isEmpty()) return;
    // Read beside the program's state, which stays as it is.
    AppState scratch(session.app.asker, session.app.texts.base());
    ProjectTable other(scratch);
    if (!readForCompare(session, path, other)) return;
    showCompare(new CompareWindow(session, project, other, path, parent), parent);
}

bool readForCompare(Session& session, const QString& path, ProjectTable& into)
{
    auto res = openProject(into, path.toStdString());
    if (res.status == ProjectReadStatus::Ok) return true;
    session.app.asker.ShowMessage(
        workText(session, OwnText::CannotRead).toStdString() + "\n" + path.toStdString() + "\n" + res.detail,
        session.app.messages[txt::ErrorTitle], style::Ok + style::Critical);
    return false;
}

void showCompare(CompareWindow* w, QWidget* parent)
{
    if (parent) w->move(parent->window()->geometry().topLeft() + QPoint(120, 240));
    placeOnScreen(w, true);
    w->show();
}

}  // namespace rm::gui
