// The problems of the active project window, as the project check finds
// them, in the chosen language. It follows every change of the table; a
// double click or Enter on a problem selects the module's row.
#pragma once

#include <QDockWidget>
#include <QListWidget>
#include <QPointer>

#include "gui/app/Session.h"

namespace rm::gui {

class ProjectWindow;

class ProblemsDock : public QDockWidget {
    Q_OBJECT
public:
    ProblemsDock(Session& session, QWidget* parent);

    QListWidget* list() { return list_; }
    ProjectWindow* project() const { return project_; }
    // Lists the problems of `window`; nullptr empties the list.
    void showProject(ProjectWindow* window);
    // Shown, raised, and the focus on the list.
    void open();

private:
    void activate(QListWidgetItem* item);

    Session& session_;
    QListWidget* list_;
    QPointer<ProjectWindow> project_;
    QStringList shown_;
};

}  // namespace rm::gui
