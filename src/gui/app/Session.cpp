#include "gui/app/Session.h"

#include <QFileInfo>
#include <filesystem>

namespace rm::gui {

namespace fs = std::filesystem;

namespace {
bool writableFolder(const fs::path& dir)
{
    const QFileInfo info(QString::fromStdString(dir.string()));
    return info.isDir() && info.isWritable();
}

// The data folder of an installed program belongs to the package manager, even
// where it can be written (a program run by root): the program keeps its own
// files in the per-user folder instead.
bool installedData(const Session& s)
{
    return !s.programDir.empty() && s.resourceDir != s.programDir / "resource" &&
           s.resourceDir == defaultResourceDir(s.programDir);
}
}  // namespace

QString Session::helpPage(int context) const
{
    const fs::path help = resourceDir / "help";
    const char* sub = app.texts.base() == kGermanBase ? "de" : app.texts.base() == kFrenchBase ? "fr" : "";
    const std::string name = context > 0 ? "context-" + std::to_string(context) + ".html" : "index.html";
    fs::path page = help / sub / name;
    if (!fs::exists(page)) page = help / name;
    return QString::fromStdString(page.string());
}

fs::path Session::recentListFile() const
{
    if ((writableFolder(resourceDir) && !installedData(*this)) || userDir.empty()) return resourceDir / "nura.ini";
    return userDir / "nura.ini";
}

fs::path Session::languageFile() const
{
    // The command-line tool reads the choice from the same place.
    return languageChoiceFile(resourceDir, programDir, userDir);
}

}  // namespace rm::gui
