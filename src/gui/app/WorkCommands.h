// The main window's commands for undo and redo, the address overview, the
// I/O list and symbol table exports and the project comparison: menu entries, shortcuts and
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
    // Writes the symbol table of every channel in the format of the file
    // type chosen; false when cancelled or not written.
    bool exportSymbols(ProjectWindow& project);

private:
    QAction* add(const QString& name, const QString& text, const char* image = nullptr);
    // The project's name with another extension, proposed for an export.
    static QString exportProposal(const ProjectWindow& project, const char* extension);
    // Writes an export whole, never over the open project; says why it failed.
    bool writeExport(ProjectWindow& project, const QString& target, const std::string& bytes);

    MainWindow& main_;
    Session& session_;
    QAction* undo_;
    QAction* redo_;
    QAction* overview_;
    QAction* ioList_;
    QAction* symbols_;
    QAction* compare_;
    std::map<ProjectWindow*, QPointer<AddressOverviewWindow>> overviews_;
};

}  // namespace rm::gui
