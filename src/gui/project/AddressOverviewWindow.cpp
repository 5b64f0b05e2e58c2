#include "gui/project/AddressOverviewWindow.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "core/project/OverviewPrint.h"
#include "gui/app/WorkTexts.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

namespace {
constexpr int kRowRole = Qt::UserRole + 1;
}

AddressOverviewWindow::AddressOverviewWindow(Session& session, ProjectWindow& project, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      session_(session),
      project_(&project),
      tree_(new QTreeWidget(this)),
      summary_(new QLabel(this))
{
    setObjectName("AddressOverview");
    setAttribute(Qt::WA_DeleteOnClose);
    tree_->setObjectName("overviewTree");
    summary_->setObjectName("overviewSummary");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tree_);
    layout->addWidget(summary_);
    tree_->setColumnCount(7);
    tree_->setHeaderLabels({workText(session, OwnText::ColBytes), workText(session, OwnText::ColCount),
                            workText(session, OwnText::ColStation), workText(session, OwnText::ColSlot),
                            workText(session, OwnText::ColOrder), workText(session, OwnText::ColDesignation),
                            workText(session, OwnText::ColNote)});
    tree_->setRootIsDecorated(true);
    tree_->setUniformRowHeights(true);
    tree_->setAlternatingRowColors(true);
    const int widths[] = {160, 60, 60, 80, 130, 220};
    for (int c = 0; c < 6; ++c) tree_->setColumnWidth(c, widths[c]);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { activate(item); });
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { activate(item); });
    connect(&project, &ProjectWindow::editStateChanged, this, &AddressOverviewWindow::update);
    connect(&project, &ProjectWindow::titleChanged, this, &AddressOverviewWindow::update);
    connect(&project, &ProjectWindow::windowClosed, this, &QWidget::close);
    resize(820, 520);
    update();
}

void AddressOverviewWindow::update()
{
    if (!project_) return;
    setWindowTitle(workText(session_, OwnText::OverviewWindowTitle, project_->title()));
    AddressOverview ov = addressOverview(project_->table(), session_.app.ModulKatalog);
    if (filled_ && ov == shown_) return;
    shown_ = std::move(ov);
    filled_ = true;
    tree_->clear();
    auto* in = new QTreeWidgetItem(tree_, {workText(session_, OwnText::Inputs)});
    auto* out = new QTreeWidgetItem(tree_, {workText(session_, OwnText::Outputs)});
    for (auto* section : {in, out}) {
        QFont f = section->font(0);
        f.setBold(true);
        section->setFont(0, f);
        section->setFirstColumnSpanned(true);
    }
    fill(in, shown_.inputs);
    fill(out, shown_.outputs);
    tree_->expandAll();
    summary_->setText(shown_.problems ? workText(session_, OwnText::ProblemsFound, QString::number(shown_.problems))
                                      : workText(session_, OwnText::NoProblemsFound));
    summary_->setStyleSheet(shown_.problems ? "color: #B71C1C; font-weight: bold" : "");
}

void AddressOverviewWindow::fill(QTreeWidgetItem* section, const std::vector<OverviewRange>& ranges)
{
    for (const OverviewRange& r : ranges) {
        auto* item = new QTreeWidgetItem(section);
        item->setText(0, QString("%1..%2").arg(r.first).arg(r.last));
        item->setText(1, QString::number(r.last - r.first + 1));
        item->setText(6, QString::fromStdString(overviewNote(r, session_.app.texts)));
        if (r.kind == OverviewRange::Free) {
            for (int c = 0; c < 7; ++c) item->setForeground(c, QColor(0x75, 0x75, 0x75));
            continue;
        }
        item->setData(0, kRowRole, r.row);
        item->setText(2, QString::number(r.station));
        item->setText(3, QString::fromStdString(r.slot));
        item->setText(4, QString::fromStdString(r.order));
        item->setText(5, QString::fromStdString(r.designation));
        if (r.overlaps || r.tooHigh) {
            for (int c = 0; c < 7; ++c) {
                QFont f = item->font(c);
                f.setBold(true);
                item->setFont(c, f);
                item->setForeground(c, QColor(0xB7, 0x1C, 0x1C));
                item->setBackground(c, QColor(0xFF, 0xEB, 0xEE));
            }
        }
    }
}

void AddressOverviewWindow::activate(QTreeWidgetItem* item)
{
    const int row = item ? item->data(0, kRowRole).toInt() : 0;
    if (!project_ || row < 1) return;
    project_->goToRow(row);
}

}  // namespace rm::gui
