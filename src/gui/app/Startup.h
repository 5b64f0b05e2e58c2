// The start of the desktop program: settings, recent files, language, texts,
// the splash window while the catalog loads, then the main window.
#pragma once

#include <QStringList>
#include <memory>

class QApplication;

namespace rm::gui {

class MainWindow;
struct Session;

struct StartOptions {
    int splashMs = 2000;       // the splash stays at least this long
    QString resources;         // the data folder; empty: beside the program
    QStringList projects;      // project files to open
    int autosaveSeconds = -1;  // recovery interval of this run; negative: as stored
};

// Parses the command line; on a usage error prints it and returns false.
bool parseStartOptions(const QStringList& arguments, StartOptions& options, QString* error);

// Everything up to the idle main window. Returns nullptr when a system file
// is missing (the message has been shown): the program ends.
std::unique_ptr<MainWindow> startProgram(QApplication& app, Session& session, const StartOptions& options);

int runProgram(QApplication& app);

}  // namespace rm::gui
