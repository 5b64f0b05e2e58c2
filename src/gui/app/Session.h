// What the desktop program holds for its whole run: the program-wide state
// of the rules, the language, the data files, the catalog tree, the recent
// files and the stored settings. Its questions, file dialogs and font
// dialogs go to the asker and the choosers it is built with.
#pragma once

#include <QString>
#include <filesystem>

#include "core/app/AppState.h"
#include "core/app/Language.h"
#include "core/app/RecentFiles.h"
#include "core/base/IniFile.h"
#include "core/base/Messages.h"
#include "core/catalog/CatalogTree.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/FontChooser.h"
#include "gui/app/Settings.h"

namespace rm::gui {

struct Session {
    Session(Asker& questions, FileChooser& fileChooser, FontChooser& fontChooser)
        : asker(questions), files(fileChooser), fonts(fontChooser), app(questions)
    {
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Asker& asker;
    FileDialogs files;
    FontChooser& fonts;
    AppState app;
    LanguageChoice language;
    std::filesystem::path programDir;
    std::filesystem::path resourceDir;
    // Where files the program writes go when the resource folder is read-only.
    std::filesystem::path userDir;
    IniFile catalogIni;
    CatalogNode tree;
    RecentFiles recent;
    StoredSettings settings;

    // Text of the active language by its English id (1000..1318).
    QString t(int englishId) const { return QString::fromStdString(app.texts.byEnglishId(englishId)); }
    // A design caption: a number is translated, anything else kept.
    QString caption(const QString& design) const
    {
        return QString::fromStdString(app.texts.caption(design.toStdString()));
    }
    QString msg(int englishId) const { return QString::fromStdString(app.messages[englishId]); }

    // The help page of a context id in the active language (English when
    // there is no page in that language).
    QString helpPage(int context) const;
    // The recent-file list file: nura.ini in the resource folder, or the
    // per-user folder when the resource folder cannot be written or is the
    // installed one.
    std::filesystem::path recentListFile() const;
    std::filesystem::path languageFile() const;
};

}  // namespace rm::gui
