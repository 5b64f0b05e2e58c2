// The file dialogs. A session asks for files through its FileDialogs, which
// hand the question to a FileChooser: the program's opens the native dialogs,
// the tests give theirs a chooser of their own.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace rm {
class Texts;
}

namespace rm::gui {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The file chosen; empty when cancelled. `filter` is in Qt's form
    // ("Type (*.x);;Other (*.y)").
    virtual QString openFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) = 0;
    // `proposal`: the folder or file offered. With several file types, a name
    // typed without an extension gets the chosen type's; `chosenType`
    // (never null) receives the index of that type.
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& proposal, const QString& filter,
                             const QString& defaultSuffix, int* chosenType) = 0;
};

class NativeFileChooser : public FileChooser {
public:
    QString openFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& proposal, const QString& filter,
                     const QString& defaultSuffix, int* chosenType) override;
};

class FileDialogs {
public:
    explicit FileDialogs(FileChooser& chooser) : chooser_(chooser) {}

    // caption: a menu caption (made a window title); filter: "Text|*.x|" pairs.
    QString openFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);
    // `chosenType` receives the index of the file type chosen (0 unless the
    // chooser says otherwise).
    QString saveFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                     const QString& defaultSuffix, int* chosenType = nullptr);
    // The folder of the last file chosen in any file dialog of this run.
    QString lastFolder() const { return lastFolder_; }

private:
    QString remember(const QString& chosen);

    FileChooser& chooser_;
    QString lastFolder_;
};

// A menu caption as a window title: no mnemonic ampersand, no ellipsis.
QString windowTitleOf(const QString& caption);

// Why an export may not go to `target`: it is the open project's own file
// (empty when it may).
QString projectFileRefusal(const Texts& texts, const QString& target, const std::string& projectPath);

// "RackMason Project Data (*.qv4)|*.qv4|" to a Qt filter.
QString qtFilter(const QString& pipeFilter);

}  // namespace rm::gui
