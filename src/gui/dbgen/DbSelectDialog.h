// Generate Source: the user picks the block numbers of the I/O block and of
// the CPU block (or none), and OK generates the source file and reports how
// that went.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "core/dbgen/DbSelection.h"

class QButtonGroup;
class QRadioButton;

namespace rm::gui {

struct Session;

class DbSelectDialog : public QDialog {
    Q_OBJECT

public:
    // writeDB(ioDb, cpuDb) generates the file: 1 written, 0 not written, any
    // other value reports nothing.
    DbSelectDialog(Session& session, const QString& projectTitle, std::function<int(int, int)> writeDB,
                   QWidget* parent = nullptr);

    const DbSelection& selection() const { return selection_; }
    // The file the generation writes, named in the message that follows it.
    void setTargetFile(const QString& path) { target_ = path; }

public slots:
    void accept() override;

private:
    void showSelection();

    Session& session_;
    std::function<int(int, int)> writeDB_;
    DbSelection selection_;
    std::array<QRadioButton*, DbSelection::kIoOptions> rbDB_{};
    std::array<QRadioButton*, DbSelection::kCpuOptions> rbDB1_{};
    bool showing_ = false;
    QString target_;
};

}  // namespace rm::gui
