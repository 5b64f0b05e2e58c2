#include "gui/app/FileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace rm::gui {

std::optional<QString> FileDialogs::next_;

QString qtFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i].isEmpty()) filters << parts[i];
    return filters.join(";;");
}

QString FileDialogs::openFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    if (next_) {
        QString n = *next_;
        next_.reset();
        return n;
    }
    return QFileDialog::getOpenFileName(parent, title, folder, qtFilter(filter));
}

QString FileDialogs::saveFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                              const QString& defaultSuffix)
{
    if (next_) {
        QString n = *next_;
        next_.reset();
        return n;
    }
    QFileDialog dlg(parent, title, folder, qtFilter(filter));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(defaultSuffix);
    dlg.setFileMode(QFileDialog::AnyFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().first();
}

}  // namespace rm::gui
