// The tests' file dialogs: the name set with setNextFileName() answers the
// next dialog ("" = cancelled); a dialog with no name set is cancelled and
// counted as unexpected. What each dialog was opened with is kept.
#pragma once

#include <optional>

#include "gui/app/FileDialogs.h"

namespace rm::gui::test {

class QueuedFileChooser : public FileChooser {
public:
    QString openFile(QWidget*, const QString& title, const QString& folder, const QString&) override
    {
        return answer(title, folder);
    }
    QString saveFile(QWidget*, const QString& title, const QString& proposal, const QString&, const QString&,
                     int*) override
    {
        return answer(title, proposal);
    }

    void setNextFileName(const QString& name) { next_ = name; }
    // The last dialog's title and the folder or file it proposed.
    QString lastTitle() const { return lastTitle_; }
    QString lastProposal() const { return lastProposal_; }
    // Titles of the dialogs that found no name set.
    QStringList unexpected;

private:
    QString answer(const QString& title, const QString& proposal)
    {
        lastTitle_ = title;
        lastProposal_ = proposal;
        if (!next_) {
            unexpected << title;
            return {};
        }
        const QString name = *next_;
        next_.reset();
        return name;
    }

    std::optional<QString> next_;
    QString lastTitle_, lastProposal_;
};

}  // namespace rm::gui::test
