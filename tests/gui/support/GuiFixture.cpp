#include "gui/support/GuiFixture.h"

#include <QApplication>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QStandardPaths>
#include <filesystem>

#include "core/base/IniFile.h"

namespace rm::gui::test {

namespace fs = std::filesystem;

GuiFixture::GuiFixture() : work_(workDir_.path())
{
    QStandardPaths::setTestModeEnabled(true);
    fs::copy(RM_RESOURCES, data_.path().toStdString(), fs::copy_options::recursive);
}

GuiFixture::~GuiFixture()
{
    if (main_) {
        for (auto* w : main_->projectWindows()) w->table().SetProjektDataHasChangedFlag(false);
        main_->close();
    }
    main_.reset();
    session_.reset();
}

QString GuiFixture::unexpected() const
{
    if (!asker_.unexpected.empty()) return QString::fromStdString("asked: " + asker_.unexpected.front().prompt);
    if (!files_.unexpected.empty()) return "file dialog: " + files_.unexpected.front();
    if (!fonts_.unexpected.empty()) return "font dialog: " + fonts_.unexpected.front();
    return {};
}

MainWindow* GuiFixture::start(const QString& language)
{
    const WriteResult chosen = writeIniString(fs::path(data_.path().toStdString()) / "Katalog.ini", "LANGUAGE",
                                              "SELECTED", language.toStdString());
    if (!chosen.ok()) qWarning("the language choice was not written: %s", chosen.reason().c_str());
    session_ = std::make_unique<Session>(asker_, files_, fonts_);
    StartOptions options;
    if (!arguments_.isEmpty() && !parseStartOptions(QStringList{"rackmason"} + arguments_, options, nullptr))
        return nullptr;
    options.splashMs = 0;
    options.resources = data_.path();
    main_ = startProgram(*qApp, *session_, options);
    return main_.get();
}

bool GuiFixture::drop(ProjectWindow* target, QMimeData* mime, int row, bool ctrl)
{
    ProjectGrid* grid = target->grid();
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, 2));
    const QPointF pos = cell.center();
    const Qt::KeyboardModifiers mods = ctrl ? Qt::ControlModifier : Qt::NoModifier;
    QDragEnterEvent enter(pos.toPoint(), Qt::MoveAction | Qt::CopyAction, mime, Qt::LeftButton, mods);
    QApplication::sendEvent(grid->viewport(), &enter);
    QDragMoveEvent move(pos.toPoint(), Qt::MoveAction | Qt::CopyAction, mime, Qt::LeftButton, mods);
    QApplication::sendEvent(grid->viewport(), &move);
    if (!move.isAccepted()) {
        delete mime;
        return false;
    }
    QDropEvent dropEvent(pos, Qt::MoveAction | Qt::CopyAction, mime, Qt::LeftButton, mods);
    QApplication::sendEvent(grid->viewport(), &dropEvent);
    delete mime;
    return dropEvent.isAccepted();
}

bool GuiFixture::dropCatalog(ProjectWindow* target, const std::string& order, int row)
{
    auto* mime = new QMimeData;
    mime->setData(kCatalogMime, QByteArray::number(session_->app.ModulKatalog.indexOf(order)));
    return drop(target, mime, row, false);
}

bool GuiFixture::dropRow(ProjectWindow* source, int sourceRow, ProjectWindow* target, int row, bool ctrl)
{
    if (!source->table().canDrag(sourceRow)) return false;
    session_->app.CurrentModule = source->table().record(sourceRow);
    return dropRowOf(quintptr(source), sourceRow, target, row, ctrl);
}

bool GuiFixture::dropRowOf(quintptr source, int sourceRow, ProjectWindow* target, int row, bool ctrl)
{
    auto* mime = new QMimeData;
    QByteArray payload;
    QDataStream(&payload, QIODevice::WriteOnly) << source << sourceRow;
    mime->setData(kRowMime, payload);
    return drop(target, mime, row, ctrl);
}

void GuiFixture::whenModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            whenModal(act);  // not open yet
            return;
        }
        act(modal);
    });
}

ProjectWindow* GuiFixture::newProject(const QString& name)
{
    const std::size_t before = main_->projectWindows().size();
    whenModal([name](QWidget* dlg) {
        auto* field = dlg->findChild<QWidget*>("txtHeader0");
        QTest::keyClicks(field, name);
        QTest::mouseClick(dlg->findChild<QWidget*>("btnOk"), Qt::LeftButton);
    });
    trigger("pdiDatei0");
    if (main_->projectWindows().size() != before + 1) return nullptr;
    return main_->activeProject();
}

ProjectWindow* GuiFixture::startWithRack(const QString& language)
{
    if (!start(language)) return nullptr;
    ProjectWindow* p = newProject("Hall2");
    if (!p || !dropCatalog(p, "QMV2.R220", 1) || !dropCatalog(p, "QMV3.X306", 21)) return nullptr;
    return p;
}

void GuiFixture::trigger(const QString& name)
{
    QAction* a = main_->action(name);
    QVERIFY2(a, qPrintable(name));
    QVERIFY2(a->isEnabled(), qPrintable(name + " is disabled"));
    a->trigger();
}

void GuiFixture::click(const QString& name)
{
    QToolButton* b = main_->toolButton(name);
    QVERIFY2(b, qPrintable(name));
    QVERIFY2(b->isEnabled(), qPrintable(name + " is disabled"));
    b->click();
}

}  // namespace rm::gui::test
