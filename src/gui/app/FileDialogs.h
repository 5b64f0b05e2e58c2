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

private:
    static std::optional<QString> next_;
};

// "RackMason Project Data (*.qv4)|*.qv4|" to a Qt filter.
QString qtFilter(const QString& pipeFilter);

}  // namespace rm::gui
