// The program as it meets a user at work: a first run that fits the screen,
// refusals that say why, the status line, feedback while dragging, file
// messages that name the file.
#include <QtTest>

#include <QCheckBox>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>

#include "gui/app/FileDialogs.h"
#include "gui/app/StatusLine.h"
#include "gui/support/GuiFixture.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::GuiFixture;

namespace {
QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "RackMason", "qv4 RackMason");
}
bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
}  // namespace

class Workbench : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        store().clear();  // every case starts as a first run
        fixture_ = std::make_unique<GuiFixture>();
    }
    void cleanup()
    {
        QVERIFY2(GuiAsker::unexpected.empty(),
                 GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
        fixture_.reset();
        store().clear();
    }

    void firstRunFitsTheScreen();
    void storedSizeIsKept();
    void refusalsSayWhy();
    void deleteAsksWhileTheOptionIsTicked();
    void statusLineFollowsChanges();
    void dropRowIsShownWhileDragging();
    void fileMessagesNameTheFile();

private:
    std::unique_ptr<GuiFixture> fixture_;
};

void Workbench::firstRunFitsTheScreen()
{
    MainWindow* main = fixture_->start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect m = main->geometry();
    QVERIFY2(m.width() >= screen.width() * 6 / 10 && m.height() >= screen.height() * 7 / 10,
             qPrintable(QString("%1x%2").arg(m.width()).arg(m.height())));
    QVERIFY(screen.contains(m));
    const QRect c = main->catalogWindow()->geometry();
    QVERIFY(screen.contains(c));
    QVERIFY(!c.intersects(m));

    // All columns fit when the workspace has room, column 0 is in sight, and
    // a second window stays inside the workspace.
    ProjectWindow* p = fixture_->newProject("Hall2");
    QVERIFY(fixture_->dropCatalog(p, "QMV2.R220", 1));
    p->selectRow(p->table().lastRow());
    QApplication::processEvents();
    QCOMPARE(p->grid()->horizontalScrollBar()->value(), 0);
    const QRect area = main->mdiArea()->viewport()->rect();
    int columns = 0;
    for (int col = 0; col < 7; ++col) columns += p->grid()->columnWidth(col);
    QVERIFY(p->grid()->viewport()->width() >= std::min(columns, area.width() - 60));
    ProjectWindow* second = fixture_->newProject("Hall3");
    for (auto* sub : main->mdiArea()->subWindowList()) QVERIFY(area.contains(sub->geometry()));
    QVERIFY(second->parentWidget()->pos() != p->parentWidget()->pos());
}

void Workbench::storedSizeIsKept()
{
    QSettings s = store();
    s.beginGroup("Settings");
    for (const char* key : {"MainLeft", "MainTop"}) s.setValue(key, "300");
    for (const char* key : {"MainWidth", "MainHeight"}) s.setValue(key, "6000");
    s.setValue("FontFlexGridSize", "7");
    s.sync();
    MainWindow* main = fixture_->start();
    QCOMPARE(main->width(), twipsToPixels(6000));
    QCOMPARE(fixture_->session().settings.grid.fontSize, QString("7"));
}

void Workbench::refusalsSayWhy()
{
    for (const auto& [language, reason] : {std::pair<QString, std::string>{"ENGLISH", "Slot A does not take"},
                                           {"DEUTSCH", "Steckplatz A nimmt"},
                                           {"OPTION", "L'emplacement A n'accepte pas"}}) {
        fixture_.reset();  // the old program ends before the next starts
        fixture_ = std::make_unique<GuiFixture>();
        QVERIFY(fixture_->startWithRack(language));
        GuiAsker::setNextAnswers({answer::Ok});
        fixture_->doubleClickCatalog("QMV2.G120", 2);
        const std::string prompt = GuiAsker::asked.back().prompt;
        QVERIFY2(contains(prompt, fixture_->session().app.texts.byEnglishId(1088)) && contains(prompt, reason),
                 prompt.c_str());
    }
}

void Workbench::deleteAsksWhileTheOptionIsTicked()
{
    ProjectWindow* p = fixture_->startWithRack();
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 6));
    p->selectRow(5);
    GuiAsker::setNextAnswers({answer::Yes});
    fixture_->trigger("pdiDelete");
    QVERIFY(p->table().rowEmpty(5));
    QVERIFY(contains(GuiAsker::asked.back().prompt, "delete the selected Row"));

    GuiFixture::whenModal([](QWidget* dlg) {
        auto* box = dlg->findChild<QCheckBox*>("ckbDelete");
        QVERIFY(box->isChecked());
        box->click();
        dlg->findChild<QPushButton*>("btnOk")->click();
    });
    fixture_->trigger("pdiOptions");
    const std::size_t asked = GuiAsker::asked.size();
    p->selectRow(6);
    fixture_->trigger("pdiDelete");
    QVERIFY(p->table().rowEmpty(6));
    QCOMPARE(GuiAsker::asked.size(), asked);
}

void Workbench::statusLineFollowsChanges()
{
    ProjectWindow* p = fixture_->startWithRack();
    auto* status = fixture_->main()->statusLine();
    auto text = [status](const char* name) { return status->findChild<QWidget*>(name)->property("text").toString(); };
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 5));
    p->selectRow(5);
    QCOMPARE(text("lblStatusRow"), QString("Station QMV2.R220 · Slot 1 · QMV2.G120 · inputs 0..1 · outputs -"));
    QVERIFY2(text("lblStatusSlots").startsWith("QMV2.R220: slots used 1, free 15; QMV3.X306: slots used 0, free 6"),
             qPrintable(text("lblStatusSlots")));
    QCOMPARE(text("btnStatusProblems"), QString("No problems"));

    // An overlap made behind the table's back counts, and a click lists it.
    p->table().record(6) = p->table().record(5);
    p->refresh();
    QCOMPARE(text("btnStatusProblems"), QString("1 problem"));
    GuiAsker::setNextAnswers({answer::Ok});
    QTest::mouseClick(status->findChild<QPushButton*>("btnStatusProblems"), Qt::LeftButton);
    QVERIFY(contains(GuiAsker::asked.back().prompt, "overlap"));
}

void Workbench::dropRowIsShownWhileDragging()
{
    ProjectWindow* p = fixture_->startWithRack();
    ProjectGrid* grid = p->grid();
    auto* mime = new QMimeData;
    mime->setData(kCatalogMime, QByteArray::number(fixture_->catalogIndex("QMV2.G120")));
    QDragEnterEvent enter(grid->visualRect(grid->model()->index(0, 2)).center(), Qt::MoveAction | Qt::CopyAction, mime,
                          Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &enter);
    auto moveTo = [&](int row) {
        const QPoint pos = grid->visualRect(grid->model()->index(row - 1, 2)).center();
        QDragMoveEvent move(pos, Qt::MoveAction | Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &move);
        return move.isAccepted();
    };
    QVERIFY(moveTo(5));
    QCOMPARE(grid->dropRow(), 5);
    QVERIFY(!moveTo(2));
    QCOMPARE(grid->dropRow(), 0);
    QVERIFY(fixture_->main()->statusLine()->currentMessage().contains("Slot A does not take QMV2.G120"));
    QDragLeaveEvent leave;
    QApplication::sendEvent(grid->viewport(), &leave);
    QVERIFY(fixture_->main()->statusLine()->currentMessage().isEmpty());
    delete mime;
}

void Workbench::fileMessagesNameTheFile()
{
    MainWindow* main = fixture_->start();
    QFile junk(fixture_->file("junk.qv4"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("junk");
    junk.close();
    GuiAsker::setNextAnswers({answer::Ok});
    main->openProjectFiles({fixture_->file("gone.qv4"), fixture_->file("junk.qv4")});
    QCOMPARE(GuiAsker::asked.size(), std::size_t(1));  // one message for both
    const std::string prompt = GuiAsker::asked.back().prompt;
    QVERIFY2(contains(prompt, "gone.qv4: the file does not exist") && contains(prompt, "junk.qv4: "), prompt.c_str());

    // Save As proposes the title in a folder that exists; Export PDF has a plain title.
    ProjectWindow* p = fixture_->newProject("Hall2");
    FileDialogs::setNextFileName("");
    p->ProjektSpeichern(true);
    const QFileInfo proposal(FileDialogs::lastProposal());
    QCOMPARE(proposal.fileName(), QString("NoName1.qv4"));
    QVERIFY(proposal.dir().exists());
    FileDialogs::setNextFileName("");
    fixture_->trigger("pdiExportPdf");
    QCOMPARE(FileDialogs::lastTitle(), QString("Export PDF"));
}

QTEST_MAIN(Workbench)
#include "tst_Workbench.moc"
