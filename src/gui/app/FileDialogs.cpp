#include "gui/app/FileDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

#include "core/base/Files.h"
#include "core/base/OwnTexts.h"
#include "core/base/TextTable.h"

namespace rm::gui {

QString windowTitleOf(const QString& caption)
{
    QString t = caption;
    t.replace("&&", QChar(0x1F)).remove('&').replace(QChar(0x1F), "&");
    t = t.trimmed();
    while (t.endsWith('.') || t.endsWith(QChar(0x2026))) t.chop(1);
    return t.trimmed();
}

QString FileDialogs::remember(const QString& chosen)
{
    if (!chosen.isEmpty()) lastFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString projectFileRefusal(const Texts& texts, const QString& target, const std::string& projectPath)
{
    if (projectPath.empty() || !sameFile(QFile::encodeName(target).toStdString(), projectPath)) return {};
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(target),
                                        QString::fromUtf8(ownText(texts, OwnText::IsTheProjectFile)));
}

QString qtFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i].isEmpty()) filters << parts[i];
    return filters.join(";;");
}

QString FileDialogs::openFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    return remember(chooser_.openFile(parent, windowTitleOf(caption), folder, qtFilter(filter)));
}

QString FileDialogs::saveFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                              const QString& defaultSuffix, int* chosenType)
{
    int type = 0;
    const QString chosen =
        remember(chooser_.saveFile(parent, windowTitleOf(caption), folder, qtFilter(filter), defaultSuffix, &type));
    if (chosenType) *chosenType = type;
    return chosen;
}

QString NativeFileChooser::openFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString NativeFileChooser::saveFile(QWidget* parent, const QString& title, const QString& proposal,
                                    const QString& filter, const QString& defaultSuffix, int* chosenType)
{
    QFileDialog dlg(parent, title, proposal, filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(defaultSuffix);
    dlg.setFileMode(QFileDialog::AnyFile);
    const QStringList types = filter.split(";;");
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg](const QString& type) {
        const QRegularExpressionMatch m = QRegularExpression(R"(\*\.(\w+))").match(type);
        if (m.hasMatch()) dlg.setDefaultSuffix(m.captured(1));
    });
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    *chosenType = std::max<int>(0, static_cast<int>(types.indexOf(dlg.selectedNameFilter())));
    return dlg.selectedFiles().first();
}

}  // namespace rm::gui
