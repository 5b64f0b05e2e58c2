#include "gui/project/PictureCommands.h"
#include "core/base/TextIds.h"

#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QToolBar>

#include "core/base/Files.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/MainWindow.h"
#include "gui/app/StatusLine.h"
#include "gui/project/ProjectWindow.h"
#include "gui/project/StationView.h"

namespace rm::gui {

namespace {
// Puts `a` right after `anchor` in a menu or toolbar, at the end when the anchor is not there.
void placeAfter(QWidget* into, QAction* anchor, QAction* a)
{
    if (!into) return;
    const auto list = into->actions();
    const auto i = list.indexOf(anchor);
    if (i >= 0 && i + 1 < list.size())
        into->insertAction(list[i + 1], a);
    else
        into->addAction(a);
}
}  // namespace

PictureCommands::PictureCommands(MainWindow& main, Session& session) : QObject(&main), main_(main), session_(session)
{
    const QString show = pictureText(session, OwnText::PictureShow);
    const QIcon icon(QString::fromStdString((session.resourceDir / "images" / "tb-picture.svg").string()));
    // One action in the Windows menu and on the toolbar; the button's text without the mnemonic.
    toggle_ = new QAction(icon, show, &main);
    toggle_->setObjectName("pdiStationPicture");
    toggle_->setIconText(QString(show).remove('&'));
    toggle_->setToolTip(QString(show).remove('&'));
    toggle_->setCheckable(true);
    toggle_->setChecked(stationPictureWanted(session));
    connect(toggle_, &QAction::triggered, this, &PictureCommands::setShown);
    export_ = new QAction(pictureText(session, OwnText::PictureExport), &main);
    export_->setObjectName("pdiExportPicture");
    connect(export_, &QAction::triggered, this, [this] {
        if (auto* w = main_.activeProject()) exportPicture(*w);
    });

    // Beside the catalog's entries, and below Export PDF.
    placeAfter(main.findChild<QMenu*>("pdmFenster"), main.catalogAction(), toggle_);
    if (auto* bar = main.findChild<QToolBar*>("Toolbar1")) {
        placeAfter(bar, main.catalogAction(), toggle_);
        bar->widgetForAction(toggle_)->setObjectName("BtnStationPicture");
    }
    placeAfter(main.findChild<QMenu*>("pdmDatei"), main.exportPdfAction(), export_);
    connect(main.mdiArea(), &QMdiArea::subWindowActivated, this, &PictureCommands::update);
    update();
}

void PictureCommands::update()
{
    export_->setEnabled(main_.activeProject() != nullptr);
}

void PictureCommands::setShown(bool shown)
{
    session_.settings.windows.stationPicture = shown ? 1 : 0;
    toggle_->setChecked(shown);
    for (ProjectWindow* w : main_.projectWindows()) w->setPictureShown(shown);
}

bool PictureCommands::exportPicture(ProjectWindow& project)
{
    QString base = project.path().isEmpty() ? QDir::home().filePath(project.title()) : project.path();
    if (base.endsWith(".qv4", Qt::CaseInsensitive)) base.chop(4);
    const QString target = session_.files.saveFile(&main_, pictureText(session_, OwnText::PictureExport), base + ".svg",
                                                   pictureText(session_, OwnText::PictureSvgFilter), "svg");
    if (target.isEmpty()) return false;
    const std::string svg = stationSvg(layoutStations(project.table(), mnemonicsOf(session_)), session_.app.texts);
    const WriteResult written = writeFileAtomic(target.toStdString(), svg);
    if (!written.ok()) {
        session_.app.asker.ShowMessage(QDir::toNativeSeparators(target).toStdString() + ": " + written.reason(),
                                       session_.app.messages[txt::ErrorTitle], style::Ok + style::Critical);
        return false;
    }
    main_.statusLine()->showWritten(target);
    return true;
}

}  // namespace rm::gui
