// At start-up: the recovery files left by a program that no longer runs,
// offered in one dialog (Recover, Discard, Later).
#pragma once

#include <QDialog>
#include <vector>

#include "core/app/Recovery.h"

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
    // Deletes the recovery file.
    void discard(int index);
    int count() const { return static_cast<int>(entries_.size()); }

private:
    void fill();
    int selected() const;

    Session& session_;
    MainWindow& main_;
    std::vector<RecoveryEntry> entries_;
    QTreeWidget* list_;
};

// Shows the dialog when there is anything to offer.
void offerRecovery(Session& session, MainWindow& main);

}  // namespace rm::gui
