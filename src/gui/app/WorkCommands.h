// The main window's commands for undo and redo, the address overview, the
// I/O list export and the project comparison: menu entries, shortcuts and
// toolbar buttons, enabled as the active project window allows.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <map>

#include "gui/app/Session.h"

namespace rm::gui {

class AddressOverviewWindow;
class MainWindow;
class ProjectWindow;

class WorkCommands : public QObject {
    Q_OBJECT
public:
    WorkCommands(MainWindow& main, Session& session);
    // Enabling and the texts naming the actions, for the active project window.
    void update();

    AddressOverviewWindow* showOverview(ProjectWindow& project);
    // Writes the I/O list of the project; false when cancelled or not written.
    bool exportIoList(ProjectWindow& project);

private:
    QAction* add(const QString& name, const QString& text, const char* image = nullptr);

    MainWindow& main_;
    Session& session_;
    QAction* undo_;
    QAction* redo_;
    QAction* overview_;
    QAction* ioList_;
    QAction* compare_;
    std::map<ProjectWindow*, QPointer<AddressOverviewWindow>> overviews_;
};

}  // namespace rm::gui
