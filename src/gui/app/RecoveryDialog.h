// At start-up: the recovery files left by a program that no longer runs,
// offered in one dialog (Recover, Compare with saved file, Discard, Later).
#pragma once

#include <QDialog>
#include <vector>

#include "core/app/Recovery.h"
#include "core/table/ProjectFile.h"

class QPushButton;
class QTreeWidget;

namespace rm::gui {

class MainWindow;
struct Session;

class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    RecoveryDialog(Session& session, MainWindow& main, std::vector<RecoveryEntry> entries);

    // Recover the entry in a window marked modified, with its original path.
    bool recover(int index);
    // The compare window: the recovered project against its saved file.
    // False when there is no saved file to compare with or it cannot be read.
    bool compare(int index);
    // Deletes the recovery file.
    void discard(int index);
    int count() const { return static_cast<int>(entries_.size()); }

private:
    void fill();
    void enableButtons();
    int selected() const;
    // The project a readable entry holds; false, after saying so, when its
    // bytes are no project (the entry is then kept as unreadable).
    bool decode(int index, ProjectReadResult& read);

    Session& session_;
    MainWindow& main_;
    std::vector<RecoveryEntry> entries_;
    QTreeWidget* list_;
    QPushButton* recover_;
    QPushButton* compare_;
    QPushButton* discard_;
};

// Shows the dialog when there is anything to offer.
void offerRecovery(Session& session, MainWindow& main);

}  // namespace rm::gui
