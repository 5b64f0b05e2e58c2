// Where the program would otherwise leave the user guessing: writes that
// fail and what may be done instead, the printed overview and the exports,
// the formats and units of the parameter fields, texts in the chosen
// language, and the toolbar as the menus' commands.
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <unistd.h>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>

#include "core/base/Files.h"
#include "core/base/TextIds.h"
#include "core/dbgen/SourceGenerator.h"
#include "gui/app/Startup.h"
#include "gui/app/StatusLine.h"
#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::contains;
using rm::gui::test::GuiFixture;
namespace fs = std::filesystem;

namespace {

// A folder the program may not write into, as a read-only file system
// answers: every write of a file in it fails (the tests run with rights that
// a folder's mode does not stop).
class ReadOnlyFolder : public WriterCalls {
public:
    explicit ReadOnlyFolder(const QString& folder) : folder_(QDir(folder).canonicalPath().toStdString() + "/")
    {
        setWriterCalls(this);
    }
    ~ReadOnlyFolder() override { setWriterCalls(nullptr); }
    long write(int fd, const char* bytes, std::size_t size) override
    {
        char target[PATH_MAX] = {};
        const std::string link = "/proc/self/fd/" + std::to_string(fd);
        if (::readlink(link.c_str(), target, sizeof target - 1) > 0 && std::string(target).starts_with(folder_)) {
            errno = EROFS;
            return -1;
        }
        return WriterCalls::write(fd, bytes, size);
    }

private:
    std::string folder_;
};

}  // namespace

class Guidance : public rm::gui::test::GuiTest {
    Q_OBJECT

private slots:

    // A source or a project that cannot be written: the reason, and another
    // file offered; a declined overwrite says the old file stays.
    void failedWritesOfferAnotherFile();
    // In German: CSV, PDF and picture exports say in the status line where
    // they wrote; the catalog's titles and the language-change message.
    void exportsNameTheirFileAndGermanScreens();
    // A toolbar button is its menu entry: enabled, checked and triggered as
    // the entry is, with the toolbar's own tooltip in the chosen language.
    // Alt and a letter opens a menu, and a letter then runs one entry: no two
    // menus of the menu bar, and no two entries of one menu, share a letter.
    void toolbarAndMenuLetters_data();
    void toolbarAndMenuLetters();

private:
    // A new project "Hall2" with the CPU QMV2.R220 and a digital input in slot 5.
    ProjectWindow* startProject(const QString& language = "ENGLISH")
    {
        return fixture_->startWith({{"QMV2.R220", 1}, {"QMV2.G120", 5}}, language);
    }
    std::string read(const QString& path) const { return rm::test::readText(path.toStdString()); }
};

void Guidance::failedWritesOfferAnotherFile()
{
    ProjectWindow* p = startProject();
    QVERIFY(p);
    const QString folder = fixture_->file("shared");
    QVERIFY(QDir().mkpath(folder));
    fixture_->save(folder + "/hall2.qv4");
    QCOMPARE(p->path(), folder + "/hall2.qv4");

    {
        const ReadOnlyFolder readOnly(folder);
        // Generating: text 1067, the file and the system's reason, then
        // another file in a folder that can be written.
        fixture_->asker().setNextAnswers({answer::Yes, answer::Ok});
        fixture_->files().setNextFileName(fixture_->file("hall2.awl"));
        fixture_->generate();
        QVERIFY(fixture_->asker().asked.size() >= 2);
        const auto& failed = fixture_->asker().asked[fixture_->asker().asked.size() - 2];
        QVERIFY2(failed.prompt.starts_with("Couldn't Generate source file !\n\nFile: " + folder.toStdString() +
                                           "/hall2.awl\nReason: Read-only file system"),
                 failed.prompt.c_str());
        QVERIFY(contains(failed.prompt, "another file"));
        QCOMPARE(failed.style, style::YesNo + style::Critical);
        QVERIFY_ASKED(*fixture_, "Generated");
        QVERIFY_ASKED(*fixture_, "Written: " + fixture_->file("hall2.awl").toStdString());
        QCOMPARE(read(fixture_->file("hall2.awl")), generateSource(p->table(), 0, 0));
        QVERIFY(!QFileInfo::exists(folder + "/hall2.awl"));
        // No: nothing more happens.
        fixture_->asker().setNextAnswers({answer::No});
        fixture_->generate();
        QVERIFY_ASKED(*fixture_, "Reason: Read-only file system");

        // Saving: text 1080 with the reason, and Save As offered; its new
        // file is the project's from then on.
        QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 6));
        fixture_->asker().setNextAnswers({answer::Yes});
        fixture_->save(fixture_->file("hall2.qv4"));
        for (const std::string& said :
             {"Data could not be save\n\nFile: " + folder.toStdString() + "/hall2.qv4",
              std::string("Reason: Read-only file system"), std::string("under another name?")})
            QVERIFY_ASKED(*fixture_, said);
        QCOMPARE(fixture_->asker().last().style, style::YesNo + style::Critical);
        QCOMPARE(p->path(), fixture_->file("hall2.qv4"));
        QVERIFY(!p->table().changed());
        // Declined, the window keeps its file and its changes.
        QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 7));
        const ReadOnlyFolder whole(fixture_->file(""));
        fixture_->asker().setNextAnswers({answer::No});
        fixture_->trigger("pdiDatei3");
        QCOMPARE(p->path(), fixture_->file("hall2.qv4"));
        QVERIFY(p->table().changed());
    }

    // A declined overwrite keeps text 1067, then says the old file stays;
    // nothing else is offered.
    std::ofstream(fixture_->file("hall2.awl").toStdString(), std::ios::binary) << "old";
    fixture_->asker().setNextAnswers({answer::Cancel, answer::Ok});
    fixture_->generate();
    QCOMPARE(fixture_->asker().last().prompt,
             "Couldn't Generate source file !\n\nFile: " + fixture_->file("hall2.awl").toStdString() +
                 "\nThe existing file was kept.");
    QCOMPARE(fixture_->asker().last().style, style::Ok);
    QCOMPARE(read(fixture_->file("hall2.awl")), std::string("old"));
}

void Guidance::exportsNameTheirFileAndGermanScreens()
{
    ProjectWindow* p = startProject("DEUTSCH");
    QVERIFY(p);
    StatusLine* line = fixture_->main()->statusLine();
    const struct {
        const char* action;
        const char* name;
    } exports[] = {{"pdiIoList", "hall2.csv"}, {"pdiExportPdf", "hall2.pdf"}, {"pdiExportPicture", "hall2.svg"}};
    for (const auto& e : exports) {
        line->clearMessage();
        fixture_->trigger(e.action, fixture_->file(e.name));
        QVERIFY2(QFileInfo::exists(fixture_->file(e.name)), e.name);
        QCOMPARE(line->currentMessage(), "Geschrieben: " + fixture_->file(e.name));
    }
    // Cancelled or failed, nothing is said to be written.
    line->clearMessage();
    fixture_->trigger("pdiIoList", "");
    fixture_->asker().setNextAnswers({answer::Ok});
    fixture_->trigger("pdiExportPdf", fixture_->file("gone/hall2.pdf"));
    QVERIFY_ASKED(*fixture_, "gone");
    QCOMPARE(line->currentMessage(), QString());
    // The next change of the project takes the note away.
    fixture_->trigger("pdiIoList", fixture_->file("hall2.csv"));
    QVERIFY(!line->currentMessage().isEmpty());
    QVERIFY(fixture_->dropCatalog(p, "QMV2.G120", 6));
    QCOMPARE(line->currentMessage(), QString());

    // The catalog's group titles.
    QTreeWidget* tree = fixture_->main()->catalogWindow()->tree();
    QTreeWidgetItem* root = tree->topLevelItem(0);
    QVERIFY(root);
    QCOMPARE(root->text(0), QString("QMV-Hardwarekatalog"));
    QStringList groups;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (CatalogTree::indexOf(*it) == 0) groups << (*it)->text(0);
    for (const char* title : {"QMV2 Digitaleingänge", "QMV3 Zählen und Positionieren", "QMV2 Zubehör"})
        QVERIFY2(groups.contains(QString::fromUtf8(title)), qPrintable(groups.join(", ")));
    QVERIFY(!groups.contains("QMV2 digital inputs"));

    // A start option refused in the language the program would start in.
    StartOptions options;
    QString error;
    const QString resources = QString::fromStdString(fixture_->session().resourceDir.string());
    QVERIFY(!parseStartOptions({"rackmason", "--resources", resources, "--autosave-seconds", "soon"}, options, &error));
    QCOMPARE(error, QString("--autosave-seconds erwartet eine Anzahl Sekunden"));

    // The fixed text stays as it is, and says it again in German after it.
    fixture_->asker().setNextAnswers({answer::Ok});
    GuiFixture::whenModal([](QWidget* dlg) {
        dlg->findChild<QAbstractButton*>("optLanguage3")->click();
        dlg->findChild<QAbstractButton*>("btnOk")->click();
    });
    fixture_->trigger("pdiOptions");
    QCOMPARE(fixture_->asker().last().prompt, std::string(" Change will take effect on next start  \n"
                                                          "Die Änderung wirkt ab dem nächsten Start: Français."));
    QCOMPARE(fixture_->asker().last().title, std::string("Language change"));
}

void Guidance::toolbarAndMenuLetters_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"ENGLISH", "DEUTSCH", "OPTION"}) QTest::newRow(language) << QString(language);
}

void Guidance::toolbarAndMenuLetters()
{
    QFETCH(QString, language);
    MainWindow* main = fixture_->start(language);
    QVERIFY(main);
    // Button, the entry it is, its tooltip.
    const std::tuple<const char*, const char*, int> buttons[] = {
        {"Toolbar1_1", "pdiDatei0", txt::FileNew},     {"Toolbar1_2", "pdiDatei1", txt::FileOpen},
        {"Toolbar1_3", "pdiDatei3", txt::FileSave},    {"Toolbar1_5", "pdiPrint", txt::FilePrint},
        {"Toolbar1_7", "pdiCut", txt::ContextCut},     {"Toolbar1_8", "pdiCopy", txt::ContextCopy},
        {"Toolbar1_9", "pdiPaste", txt::ContextPaste}, {"BtnTreeWin", "pdiTreeForm", txt::WindowsCatalog},
    };
    for (const auto& [button, entry, tip] : buttons) {
        QToolButton* b = main->toolButton(button);
        QVERIFY2(b && b->defaultAction() == main->action(entry), button);
        QCOMPARE(b->toolTip(), fixture_->session().t(tip).trimmed());
    }
    auto enabled = [&] {
        QStringList on;
        for (const auto& [button, entry, tip] : buttons)
            if (main->toolButton(button)->isEnabled()) on << button;
        return on.join(' ');
    };
    QCOMPARE(enabled(), QString("Toolbar1_1 Toolbar1_2 BtnTreeWin"));

    // New from the toolbar; Save and Print with a project, Cut and Copy on a
    // module's row, Paste once a row is held.
    GuiFixture::nameNextProject("Hall2");
    main->toolButton("Toolbar1_1")->click();
    ProjectWindow* p = main->activeProject();
    QVERIFY(p && fixture_->dropCatalog(p, "QMV2.R220", 1) && fixture_->dropCatalog(p, "QMV2.G120", 5));
    QVERIFY(main->toolButton("BtnTreeWin")->isChecked() && main->action("pdiTreeForm")->isChecked());
    // The letter after a single '&' ("&&" is a plain '&').
    auto letter = [](const QString& text) -> QChar {
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != '&') continue;
            if (text[i + 1] != '&') return text[i + 1].toLower();
            ++i;
        }
        return {};
    };
    auto unique = [&](const QList<QAction*>& actions, const QString& where) {
        QMap<QChar, QString> seen;
        for (QAction* a : actions) {
            if (a->isSeparator() || !a->isVisible()) continue;
            const QChar c = letter(a->text());
            if (c.isNull()) continue;
            QVERIFY2(!seen.contains(c), qPrintable(where + ": \"" + seen.value(c) + "\" and \"" + a->text() +
                                                   "\" both take " + QString(c)));
            seen.insert(c, a->text());
        }
    };
    QMenuBar* bar = main->menuBar();
    unique(bar->actions(), "menu bar");
    if (QTest::currentTestFailed()) return;
    for (QAction* top : bar->actions())
        if (QMenu* menu = top->menu()) {
            emit menu->aboutToShow();  // menus that fill themselves when opened
            unique(menu->actions(), top->text());
            if (QTest::currentTestFailed()) return;
        }
    p->selectRow(5);
    QCOMPARE(enabled(), QString("Toolbar1_1 Toolbar1_2 Toolbar1_3 Toolbar1_5 Toolbar1_7 Toolbar1_8 BtnTreeWin"));
    main->toolButton("Toolbar1_8")->click();
    p->selectRow(6);
    QCOMPARE(enabled(), QString("Toolbar1_1 Toolbar1_2 Toolbar1_3 Toolbar1_5 Toolbar1_9 BtnTreeWin"));
    main->toolButton("Toolbar1_9")->click();
    QCOMPARE(p->table().record(6).BestellNr, std::string("QMV2.G120"));
    fixture_->files().setNextFileName(fixture_->file("hall2.qv4"));
    main->toolButton("Toolbar1_3")->click();
    QCOMPARE(p->path(), fixture_->file("hall2.qv4"));
    QVERIFY(contains(read(p->path()), "QMV2.G120"));

    // The catalog's button and entry are one: hidden from the toolbar, unchecked in the menu.
    main->toolButton("BtnTreeWin")->click();
    QVERIFY(main->catalogDock()->isHidden() && !main->action("pdiTreeForm")->isChecked());
    QVERIFY(GuiFixture::close(p));
    QCOMPARE(enabled(), QString("Toolbar1_1 Toolbar1_2 BtnTreeWin"));
}

QTEST_MAIN(Guidance)
#include "tst_guidance.moc"
