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
    // A project that has no window yet (a recovery file): its entries lead nowhere.
    CompareWindow(Session& session, const ProjectTable& mine, const QString& mineTitle, const ProjectTable& other,
                  const QString& otherPath, QWidget* parent);
    QTreeWidget* tree() { return tree_; }

private:
    void fill(Session& session, const ProjectTable& mine, const QString& mineTitle, const ProjectTable& other,
              const QString& otherPath);
    void activate(QTreeWidgetItem* item);
    void fitColumns();

    QPointer<ProjectWindow> project_;
    QTreeWidget* tree_;
};

// File > Compare with...: asks for the file, reads it and opens the window.
void compareWithFile(Session& session, ProjectWindow& project, QWidget* parent);
// Reads the project file at path into `into`, beside the program's state;
// false, after saying so, when it cannot be read.
bool readForCompare(Session& session, const QString& path, ProjectTable& into);
// Shows a compare window, placed beside parent's window.
void showCompare(CompareWindow* window, QWidget* parent);

}  // namespace rm::gui
