#include "gui/project/ProblemsDock.h"

#include <QStyle>

#include "core/project/ProjectCheck.h"
#include "core/project/StatusSummary.h"
#include "gui/app/GuiTexts.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

namespace {
constexpr int kRowRole = Qt::UserRole + 1;
}

ProblemsDock::ProblemsDock(Session& session, QWidget* parent)
    : QDockWidget(extraText(session, OwnText::ProblemsTitle), parent), session_(session), list_(new QListWidget(this))
{
    setObjectName("ProblemsDock");
    list_->setObjectName("lstProblems");
    list_->setWordWrap(true);
    list_->setUniformItemSizes(false);
    setWidget(list_);
    connect(list_, &QListWidget::itemDoubleClicked, this, &ProblemsDock::activate);
    connect(list_, &QListWidget::itemActivated, this, &ProblemsDock::activate);
}

void ProblemsDock::showProject(ProjectWindow* window)
{
    project_ = window;
    QStringList texts;
    std::vector<int> rows;
    if (window) {
        const ProjectTable& t = window->table();
        for (const Problem& p : findProblems(t, session_.app.ModulKatalog)) {
            texts << QString::fromStdString(problemText(session_.app.texts, t, p));
            rows.push_back(p.row);
        }
    }
    setWindowTitle(window ? extraText(session_, OwnText::ProblemsTitle) + " - " + window->title()
                          : extraText(session_, OwnText::ProblemsTitle));
    if (texts == shown_ && list_->count() > 0) return;  // the selection stays while nothing changed
    shown_ = texts;
    list_->clear();
    const QIcon mark = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (int i = 0; i < texts.size(); ++i) {
        auto* item = new QListWidgetItem(mark, texts[i], list_);
        item->setData(kRowRole, rows[static_cast<std::size_t>(i)]);
        item->setToolTip(texts[i]);
    }
    if (texts.isEmpty()) {
        auto* item = new QListWidgetItem(QString::fromStdString(problemCountText(session_.app.texts, 0)), list_);
        item->setFlags(Qt::NoItemFlags);
    }
}

void ProblemsDock::open()
{
    show();
    raise();
    list_->setFocus();
    if (!list_->currentItem() && list_->count() > 0 && (list_->item(0)->flags() & Qt::ItemIsEnabled))
        list_->setCurrentRow(0);
}

void ProblemsDock::activate(QListWidgetItem* item)
{
    const int row = item ? item->data(kRowRole).toInt() : 0;
    if (!project_ || row < 1) return;
    project_->goToRow(row);
}

}  // namespace rm::gui
