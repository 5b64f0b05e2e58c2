// Generate Source: the user picks the block numbers of the I/O block and of
// the CPU block (or none), and OK generates the source file and reports how
// that went.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "core/dbgen/DbSelection.h"
#include "core/dbgen/WriteDb.h"

class QButtonGroup;
class QRadioButton;

namespace rm::gui {

struct Session;

class DbSelectDialog : public QDialog {
    Q_OBJECT

public:
    // writer(ioDb, cpuDb, file, report) generates the source into `file`, or
    // beside the project when `file` is empty: 1 written, 0 not written
    // (`report` says why), any other value reports nothing. When the file
    // could not be written, the user may choose another one.
    using Writer = std::function<int(int, int, const QString&, WriteResult&)>;
    DbSelectDialog(Session& session, const QString& projectTitle, Writer writer, QWidget* parent = nullptr);
    // writeDB(ioDb, cpuDb) writes beside the project only.
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
    Writer writer_;
    DbSelection selection_;
    std::array<QRadioButton*, DbSelection::kIoOptions> rbDB_{};
    std::array<QRadioButton*, DbSelection::kCpuOptions> rbDB1_{};
    bool showing_ = false;
    QString target_;
};

}  // namespace rm::gui
