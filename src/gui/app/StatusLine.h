// The status bar of the main window: the selected row of the active project,
// its stations' numbered slots, and the number of problems the project check
// finds; a click on that number opens the problems list.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <string>
#include <vector>

#include "gui/app/Session.h"

namespace rm::gui {

class ProjectWindow;

// A one-line label that asks for the width of its text but makes do with
// less (it never widens the window): what does not fit ends in "...", and
// the tooltip then holds the whole text.
class ElidingLabel : public QLabel {
public:
    explicit ElidingLabel(QWidget* parent);
    void setLine(const QString& text);
    QString line() const { return line_; }
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void updateTip();
    QString line_;
};

class StatusLine : public QStatusBar {
    Q_OBJECT
public:
    StatusLine(Session& session, QWidget* parent);

    // Shows the state of `window`; nullptr clears the line.
    void showProject(ProjectWindow* window);
    // A passing note (a drop that would be refused, say); empty clears it.
    void showNote(const QString& note);
    // The note that an export wrote `path` (nothing when it is empty).
    void showWritten(const QString& path);
    // The count's button: asks for the problems list.
    void listProblems();

signals:
    void problemsWanted();

private:
    Session& session_;
    ElidingLabel* row_;
    ElidingLabel* slots_;
    QPushButton* problems_;
    std::size_t problemCount_ = 0;
};

}  // namespace rm::gui
