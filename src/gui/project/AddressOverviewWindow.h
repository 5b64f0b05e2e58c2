// The address overview of one project window: inputs and outputs in address
// order, with free ranges, overlaps and addresses of 32000 or more marked.
// It follows every change of the project; a double click on a module's range
// selects its row.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QTreeWidget>
#include <QWidget>

#include "core/project/ProjectCheck.h"
#include "gui/app/Session.h"

namespace rm::gui {

class ProjectWindow;

class AddressOverviewWindow : public QWidget {
    Q_OBJECT
public:
    AddressOverviewWindow(Session& session, ProjectWindow& project, QWidget* parent);

    ProjectWindow* project() const { return project_; }
    QTreeWidget* tree() { return tree_; }
    // Recomputes the overview; the list is rebuilt only when it changed.
    void update();

private:
    void fill(QTreeWidgetItem* section, const std::vector<OverviewRange>& ranges);
    void activate(QTreeWidgetItem* item);

    Session& session_;
    QPointer<ProjectWindow> project_;
    QTreeWidget* tree_;
    QLabel* summary_;
    AddressOverview shown_;
    bool filled_ = false;
};

}  // namespace rm::gui
