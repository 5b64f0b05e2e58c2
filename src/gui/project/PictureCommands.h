// The station picture's commands in the main window: Windows > Station
// Picture and its toolbar button (shown or hidden in every project window,
// kept in the settings), and File > Export Picture.
#pragma once

#include <QAction>
#include <QObject>
#include <QString>

#include "gui/app/Session.h"

namespace rm::gui {

class MainWindow;
class ProjectWindow;

class PictureCommands : public QObject {
    Q_OBJECT
public:
    PictureCommands(MainWindow& main, Session& session);

    void setShown(bool shown);
    // Asks for a file and writes the project's picture as SVG, whole or not
    // at all; false when cancelled or the file could not be written (said in a message).
    bool exportPicture(ProjectWindow& project);

private:
    void update();

    MainWindow& main_;
    Session& session_;
    QAction* toggle_ = nullptr;  // Windows > Station Picture and its button
    QAction* export_ = nullptr;
};

}  // namespace rm::gui
