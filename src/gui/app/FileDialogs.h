// The file dialogs, with a hook for tests: a name queued with
// setNextFileName() is taken instead of showing the dialog ("" = cancelled).
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace rm::gui {

class FileDialogs {
public:
    static QString openFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter);
    static QString saveFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                            const QString& defaultSuffix);
    static void setNextFileName(const QString& name) { next_ = name; }
    // What the last dialog was opened with: its title and the folder or file proposed.
    static QString lastTitle() { return lastTitle_; }
    static QString lastProposal() { return lastProposal_; }
    // The folder of the last file chosen in any file dialog of this run.
    static QString lastFolder() { return lastFolder_; }

private:
    static QString remember(const QString& title, const QString& proposal, const QString& chosen);
    static std::optional<QString> next_;
    static QString lastTitle_, lastProposal_, lastFolder_;
};

// A menu caption as a window title: no mnemonic ampersand, no ellipsis.
QString windowTitleOf(const QString& caption);

// "RackMason Project Data (*.qv4)|*.qv4|" to a Qt filter.
QString qtFilter(const QString& pipeFilter);

}  // namespace rm::gui
