// What the empty workspace says: how to start a project or open one, the
// example projects and the recent files, each a link.
#pragma once

#include <QLabel>
#include <QStringList>
#include <filesystem>

#include "gui/app/Session.h"

namespace rm::gui {

class MainWindow;

class StartHint : public QLabel {
    Q_OBJECT
public:
    StartHint(Session& session, MainWindow& main, QWidget* workspace);
    // Shown while no project window is open, rebuilt from the recent list.
    void refresh(bool workspaceEmpty);
    QStringList files() const { return files_; }  // the linked files, examples first

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void follow(const QString& link);
    void place();

    Session& session_;
    MainWindow& main_;
    QStringList files_;
};

// The folder of the example projects shipped with the program; empty when
// there is none.
std::filesystem::path examplesDir(const Session& session);

}  // namespace rm::gui
