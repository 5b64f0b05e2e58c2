// What differs between a project window and another project file, module by
// module; a double click on an entry selects its row in the project window.
#pragma once

#include <QPointer>
#include <QTreeWidget>
#include <QWidget>

#include "core/project/ProjectDiff.h"
#include "gui/app/Session.h"

namespace rm::gui {

class ProjectWindow;

class CompareWindow : public QWidget {
    Q_OBJECT
public:
    // `other` is the project read from `otherPath`.
    CompareWindow(Session& session, ProjectWindow& project, const ProjectTable& other, const QString& otherPath,
                  QWidget* parent);
    QTreeWidget* tree() { return tree_; }

private:
    void activate(QTreeWidgetItem* item);

    QPointer<ProjectWindow> project_;
    QTreeWidget* tree_;
};

// File > Compare with...: asks for the file, reads it and opens the window.
void compareWithFile(Session& session, ProjectWindow& project, QWidget* parent);

}  // namespace rm::gui
