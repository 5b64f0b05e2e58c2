// The file dialogs, with a hook for tests: a name queued with
// setNextFileName() is taken instead of showing the dialog ("" = cancelled).
#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace rm {
class Texts;
}

namespace rm::gui {

class FileDialogs {
public:
    static QString openFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter);
    // With several file types, a name typed without an extension gets the
    // chosen type's; `chosenType` receives the index of that type (0 when
    // the name came from the test hook).
    static QString saveFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                            const QString& defaultSuffix, int* chosenType = nullptr);
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

// Why an export may not go to `target`: it is the open project's own file
// (empty when it may).
QString projectFileRefusal(const Texts& texts, const QString& target, const std::string& projectPath);

// "RackMason Project Data (*.qv4)|*.qv4|" to a Qt filter.
QString qtFilter(const QString& pipeFilter);

}  // namespace rm::gui
