#include "gui/support/GuiFixture.h"

#include <QApplication>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <filesystem>

#include "core/base/IniFile.h"
#include "gui/app/HelpViewer.h"

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

bool GuiFixture::drag(QWidget* widget, QMimeData* mime, QPoint pos, bool drop, Qt::KeyboardModifiers mods)
{
    const Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction;
    QDragEnterEvent enter(pos, actions, mime, Qt::LeftButton, mods);
    QApplication::sendEvent(widget, &enter);
    QDragMoveEvent move(pos, actions, mime, Qt::LeftButton, mods);
    QApplication::sendEvent(widget, &move);
    if (!move.isAccepted() || !drop) return move.isAccepted();
    QDropEvent dropEvent(QPointF(pos), actions, mime, Qt::LeftButton, mods);
    QApplication::sendEvent(widget, &dropEvent);
    return dropEvent.isAccepted();
}

bool GuiFixture::drop(ProjectWindow* target, QMimeData* mime, int row, bool ctrl)
{
    const std::unique_ptr<QMimeData> owned(mime);
    ProjectGrid* grid = target->grid();
    const QPoint pos = grid->visualRect(grid->model()->index(row - 1, 2)).center();
    return drag(grid->viewport(), mime, pos, true, ctrl ? Qt::ControlModifier : Qt::NoModifier);
}

QMimeData* GuiFixture::catalogEntry(const std::string& order)
{
    auto* mime = new QMimeData;
    mime->setData(kCatalogMime, QByteArray::number(session_->app.ModulKatalog.indexOf(order)));
    return mime;
}

bool GuiFixture::dropCatalog(ProjectWindow* target, const std::string& order, int row)
{
    return drop(target, catalogEntry(order), row, false);
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

void GuiFixture::nameNextProject(const QString& name)
{
    whenModal([name](QWidget* dlg) {
        QTest::keyClicks(dlg->findChild<QWidget*>("txtHeader0"), name);
        QTest::mouseClick(dlg->findChild<QWidget*>("btnOk"), Qt::LeftButton);
    });
}

ProjectWindow* GuiFixture::newProject(const QString& name)
{
    const std::size_t before = main_->projectWindows().size();
    nameNextProject(name);
    trigger("pdiDatei0");
    if (main_->projectWindows().size() != before + 1) return nullptr;
    return main_->activeProject();
}

ProjectWindow* GuiFixture::startWith(std::initializer_list<std::pair<const char*, int>> drops, const QString& language)
{
    if (!start(language)) return nullptr;
    ProjectWindow* p = newProject("Hall2");
    for (const auto& [order, row] : drops)
        if (!p || !dropCatalog(p, order, row)) return nullptr;
    return p;
}

void GuiFixture::generate()
{
    whenModal([](QWidget* dlg) { QTest::mouseClick(dlg->findChild<QWidget*>("btnOk"), Qt::LeftButton); });
    trigger("pdiKonfig");
}

void GuiFixture::activate(ProjectWindow* window)
{
    main_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
}

bool GuiFixture::close(ProjectWindow* window)
{
    const bool closed = window->parentWidget()->close();
    QApplication::processEvents();
    return closed;
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

void GuiTest::cleanup()
{
    // A case that ended its program itself has checked it.
    if (fixture_) QVERIFY2(fixture_->unexpected().isEmpty(), qPrintable(fixture_->unexpected()));
    delete HelpViewer::instance();
    fixture_.reset();
    store().clear();
}

}  // namespace rm::gui::test
