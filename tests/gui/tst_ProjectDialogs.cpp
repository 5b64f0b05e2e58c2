// The project information, options and block number dialogs on a copy of
// the catalog file: what the fields take, what OK, Enter, Cancel and Escape
// leave in the session, the project and the stored settings, and the
// messages they give. The rules behind the fields belong to the form tests.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <utility>

#include "gui/app/Beep.h"
#include "gui/app/OptionsDialog.h"
#include "gui/app/Session.h"
#include "gui/dbgen/DbSelectDialog.h"
#include "gui/project/ProjectInfoDialog.h"

using namespace rm;
using namespace rm::gui;
namespace fs = std::filesystem;
using Calls = std::vector<std::pair<int, int>>;

class ProjectDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void headerFieldsTakeOnlyWhatTheFilterAllows();
    void enterConfirmsAndReservedWordsHoldTheFocus();
    void whatReachesTheRecord();
    void projectGetsOnlyConfirmedEdits();
    void languageAndConfirmation();
    void columnWidthsAndFont();
    void cancelChangesNothing();
    void installedDataStaysUntouched();
    void optionRulesByMouseAndKeyboard();
    void resultMessages();

private:
    template <class D, class... A>
    D* show(A&&... args)
    {
        auto* d = new D(*s_, std::forward<A>(args)...);
        dlg_.reset(d);
        d->show();
        if (!QTest::qWaitForWindowActive(d)) qWarning("dialog not active");
        return d;
    }
    void openInfo(const QString& title = " NoName1") { info_ = show<ProjectInfoDialog>(title); }
    void openOptions(bool project, std::array<int, 7> widths = {}) { options_ = show<OptionsDialog>(project, widths); }
    void openDb(int result = 1)
    {
        calls_.clear();
        result_ = result;
        show<DbSelectDialog>("hall2.qv4", [this](int io, int cpu) {
            calls_.emplace_back(io, cpu);
            return result_;
        });
    }
    template <class W = QAbstractButton>
    W* child(const char* name) const
    {
        return dlg_->findChild<W*>(name);
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    // Clicks near the left end, where the box or circle of an option is.
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }
    void click(const char* name) { click(child(name)); }

    QLineEdit* header(int i) const { return dlg_->findChild<QLineEdit*>(QStringLiteral("txtHeader%1").arg(i)); }
    QPlainTextEdit* box(const char* name) const { return child<QPlainTextEdit>(name); }
    static void typeInto(QWidget* field, const QString& keys)
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_End,
                        qobject_cast<QPlainTextEdit*>(field) ? Qt::ControlModifier : Qt::NoModifier);
        for (QChar c : keys)
            QTest::sendKeyEvent(QTest::Click, field,
                                c.unicode() < 128 ? QTest::asciiToKey(c.toLatin1()) : Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
    static void paste(QLineEdit* field, const QString& text, bool fromMenu = false)
    {
        field->clear();
        QGuiApplication::clipboard()->setText(text);
        if (!fromMenu) {
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            return;
        }
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                if (a->text().startsWith(QLineEdit::tr("&Paste"))) a->trigger();
            menu->close();
        });
        QContextMenuEvent e(QContextMenuEvent::Keyboard, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &e);
    }

    fs::path ini() const { return fs::path(dir_->path().toStdString()) / "Katalog.ini"; }
    QByteArray iniBytes() const
    {
        QFile f(QString::fromStdString(ini().string()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QRadioButton* io(int i) const { return dlg_->findChild<QRadioButton*>(QStringLiteral("rbDB%1").arg(i)); }
    QRadioButton* cpu(int i) const { return dlg_->findChild<QRadioButton*>(QStringLiteral("rbDB1_%1").arg(i)); }
    // The checked CPU option and which are enabled, e.g. "3 e:0111".
    QString cpuState() const
    {
        QString checked = "-", enabled;
        for (int i = 0; i < 4; ++i) {
            if (cpu(i)->isChecked()) checked = QString::number(i);
            enabled += cpu(i)->isEnabled() ? '1' : '0';
        }
        return checked + " e:" + enabled;
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Session> s_;
    std::unique_ptr<QDialog> dlg_;
    ProjectInfoDialog* info_ = nullptr;
    OptionsDialog* options_ = nullptr;
    Calls calls_;
    int result_ = 1;
};

void ProjectDialogs::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    fs::copy_file(fs::path(RM_RESOURCES) / "Katalog.ini", ini());
    s_ = std::make_unique<Session>();
    s_->resourceDir = dir_->path().toStdString();
    s_->language = LoadLanguage(s_->resourceDir);
    GuiAsker::setScripted(true);
}

void ProjectDialogs::cleanup()
{
    QVERIFY2(GuiAsker::unexpected.empty(),
             GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
    dlg_.reset();
    s_.reset();
    dir_.reset();
    GuiAsker::setScripted(false);
}

void ProjectDialogs::headerFieldsTakeOnlyWhatTheFilterAllows()
{
    openInfo();
    QLineEdit* name = header(0);
    const int beeps = beepCount();
    typeInto(name, QString::fromUtf8("1ab c-\u00e41_defgh"));
    QCOMPARE(name->text(), "abc1_def");  // no leading digit, blank, dash, umlaut or ninth character
    QCOMPARE(beepCount(), beeps + 6);
    // Typing over a selection replaces it, even in a full field; but a digit
    // cannot become the whole value.
    name->selectAll();
    QTest::keyClicks(name, "5");
    QCOMPARE(name->text(), "abc1_def");
    QTest::keyClicks(name, "X");
    QCOMPARE(name->text(), "X");

    // Pasted text passes the same filter: no way round it into the source.
    paste(name, "9a b-1\nxyz0123");
    QCOMPARE(name->text(), "ab1xyz01");
    paste(name, "Press #3", true);
    QCOMPARE(name->text(), "Press3");
    paste(name, "ab\rcd");  // a pasted line break is no Enter
    QCOMPARE(name->text(), "abcd");
    QVERIFY(dlg_->isVisible());
}

void ProjectDialogs::enterConfirmsAndReservedWordsHoldTheFocus()
{
    openInfo();
    QLineEdit* family = header(1);
    QLineEdit* author = header(2);
    typeInto(box("txtNotizen"), "a");
    QTest::keyClick(box("txtNotizen"), Qt::Key_Return);  // a line break, not OK
    QVERIFY(dlg_->isVisible());

    typeInto(family, "FAMILY");
    int beeps = beepCount();
    QTest::keyClick(family, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), family);
    QCOMPARE(beepCount(), beeps + 1);
    QTest::keyClicks(family, "1");
    QTest::keyClick(family, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), author);

    // From one reserved word to another: the focus must not bounce between them.
    QTest::keyClicks(author, "author");
    family->setText("family");
    beeps = beepCount();
    QTest::mouseClick(family, Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(QApplication::focusWidget(), author);
    QCOMPARE(beepCount(), beeps + 1);
    author->clear();

    // OK and Enter do not close with a reserved word either; Cancel does.
    beeps = beepCount();
    QTest::mouseClick(button("btnOk"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), family);
    QTest::keyClick(family, Qt::Key_Enter);
    QVERIFY(dlg_->isVisible());
    QCOMPARE(beepCount(), beeps + 2);
    QTest::keyClicks(family, "X");
    QTest::keyClick(family, Qt::Key_Return);
    QVERIFY(!dlg_->isVisible());
    QVERIFY(!info_->cancelled());
    QCOMPARE(s_->app.AktProjectInfo.Familie, "familyX");
    QCOMPARE(s_->app.AktProjectInfo.Notizen, "a\r\n");

    openInfo();
    header(1)->clear();
    typeInto(header(1), "family");
    QTest::mouseClick(button("btnCancel"), Qt::LeftButton);
    QVERIFY(info_->cancelled());
}

void ProjectDialogs::whatReachesTheRecord()
{
    ProjectInfo& akt = s_->app.AktProjectInfo;
    akt.ProjektName = "Hall2";
    akt.Autor = "Schmidt-Meyer";  // more than can be typed: shown and kept whole
    akt.Beschreibung = "one\r\ntwo";
    akt.InfoBestaetigt = kTrue;
    openInfo();
    QCOMPARE(header(2)->text(), "Schmidt-Meyer");
    QCOMPARE(box("txtBeschreibung")->toPlainText(), "one\ntwo");
    QCOMPARE(akt.InfoBestaetigt, kFalse);  // cleared by loading
    const ProjectInfo loaded = akt;
    QTest::mouseClick(button("btnOk"), Qt::LeftButton);
    QVERIFY(!info_->cancelled());
    QCOMPARE(akt, loaded);

    // Cancel after an edit still hands the fields back, the edit is shown
    // again next time; Escape and the close box cancel too.
    openInfo();
    typeInto(box("txtBeschreibung"), "; three: 3!");
    typeInto(header(2), "z");
    QTest::mouseClick(button("btnCancel"), Qt::LeftButton);
    QVERIFY(info_->cancelled());
    QCOMPARE(akt.Beschreibung, "one\r\ntwo; three: 3!");
    QCOMPARE(akt.Autor, "Schmidt-Meyer");
    QCOMPARE(akt.InfoBestaetigt, kTrue);
    openInfo();
    QTest::keyClick(header(0), Qt::Key_Escape);
    QVERIFY(!dlg_->isVisible());
    QVERIFY(info_->cancelled());
    openInfo();
    dlg_->close();
    QVERIFY(info_->cancelled());
    QCOMPARE(akt.InfoBestaetigt, kFalse);
    QCOMPARE(akt.Beschreibung, "one\r\ntwo; three: 3!");
}

void ProjectDialogs::projectGetsOnlyConfirmedEdits()
{
    ProjectInfo project;
    project.ProjektName = "Hall2";
    auto whenOpen = [](std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
    };
    whenOpen([](QWidget* d) {
        QTest::keyClicks(d->findChild<QPlainTextEdit*>("txtNotizen"), "draft");
        QTest::mouseClick(d->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    });
    QVERIFY(!ProjectInfoDialog::editProject(*s_, project, " hall2.qv4"));
    QCOMPARE(project.Notizen, "");
    QCOMPARE(s_->app.AktProjectInfo.Notizen, "draft");

    whenOpen([](QWidget* d) {
        auto* name = d->findChild<QLineEdit*>("txtHeader0");
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClicks(name, "x");
        QTest::keyClick(name, Qt::Key_Enter);
    });
    QVERIFY(ProjectInfoDialog::editProject(*s_, project, " hall2.qv4"));
    QCOMPARE(project.ProjektName, "Hall2x");
    QCOMPARE(project.InfoBestaetigt, kTrue);
}

void ProjectDialogs::languageAndConfirmation()
{
    // The active language: no message, nothing written.
    const QByteArray before = iniBytes();
    openOptions(true);
    QVERIFY(child<QRadioButton>("optLanguage1")->isChecked());
    click("optLanguage3");
    click("optLanguage1");
    click("btnOk");
    QVERIFY(GuiAsker::asked.empty());
    QCOMPARE(iniBytes(), before);

    // No project: widths are out of reach, but language and confirmation
    // count, the box shows the switch as it is so OK does not drop it, and
    // the stored font is shown.
    s_->app.ConfirmDelete = true;
    const auto widths = s_->settings.grid.colWidths;
    openOptions(false);
    QVERIFY(!child<QGroupBox>("frameColWidth")->isEnabled());
    QCOMPARE(child<QLineEdit>("txtFont")->text(), s_->settings.grid.fontName);
    QVERIFY(child<QCheckBox>("ckbDelete")->isChecked());
    click("optLanguage2");
    GuiAsker::setNextAnswers({answer::Ok});
    click("btnOk");
    QVERIFY(s_->app.ConfirmDelete);
    QVERIFY(!options_->applyToActiveWindow());
    QCOMPARE(s_->settings.grid.colWidths, widths);
    QCOMPARE(GuiAsker::asked.size(), size_t(1));
    QCOMPARE(GuiAsker::asked[0].prompt, " Change will take effect on next start  ");
    QCOMPARE(GuiAsker::asked[0].title, "Language change");
    QCOMPARE(GuiAsker::asked[0].style, style::Ok + style::Exclamation);
    QCOMPARE(LoadLanguage(s_->resourceDir).LanguageIndex, 2);
    QCOMPARE(s_->language.LanguageIndex, 1);  // takes effect at the next start

    openOptions(false);
    click("ckbDelete");
    GuiAsker::setNextAnswers({answer::Ok});  // German is still not the running language
    click("optLanguage2");
    click("btnOk");
    QVERIFY(!s_->app.ConfirmDelete);
    QCOMPARE(GuiAsker::asked.size(), size_t(2));

    // A choice that cannot be stored is not reported as taking effect.
    fs::remove(ini());
    fs::create_directory(ini());
    openOptions(false);
    click("optLanguage3");
    GuiAsker::setNextAnswers({answer::Ok});
    click("btnOk");
    QVERIFY(GuiAsker::asked.back().prompt.starts_with("Data could not be save"));
    QCOMPARE(GuiAsker::asked.back().title, "Error !");
    QCOMPARE(style::icon(GuiAsker::asked.back().style), style::Critical);
}

void ProjectDialogs::columnWidthsAndFont()
{
    GridSettings& grid = s_->settings.grid;
    const std::array<int, 7> custom{100, 900, 2000, 800, 800, 700, 700};
    const std::array<int, 7> active{300, 1500, 4000, 1000, 1000, 1000, 1100};
    grid.colWidths = custom;
    openOptions(true, active);
    QVERIFY(child<QRadioButton>("optColWidth0")->isChecked());
    QCOMPARE(child<QLineEdit>("txtFont")->text(), "Arial");
    QCOMPARE(child<QLineEdit>("txtFontHeight")->text(), "7");
    click("btnOk");
    QCOMPARE(grid.colWidths, custom);
    QVERIFY(options_->applyToActiveWindow());
    openOptions(true, active);
    click("optColWidth2");
    click("btnOk");
    QCOMPARE(grid.colWidths, active);

    // Sizes outside 4..24 are brought into range; a cancelled chooser keeps the font.
    openOptions(true);
    OptionsDialog::setNextFont(QFont("DejaVu Sans", 30));
    click("cmdChangeFont");
    QCOMPARE(child<QLineEdit>("txtFontHeight")->text(), "24");
    QFont small("DejaVu Serif");
    small.setPointSizeF(2.5);
    small.setItalic(true);
    OptionsDialog::setNextFont(small);
    click("cmdChangeFont");
    QCOMPARE(child<QLineEdit>("txtFont")->text(), "DejaVu Serif");
    click("btnOk");
    QCOMPARE(grid.fontName, "DejaVu Serif");
    QCOMPARE(grid.fontSize, "4");
    QVERIFY(grid.italic && !grid.bold);
    openOptions(true);
    OptionsDialog::setNextFontCancelled();
    click("cmdChangeFont");
    click("btnOk");
    QCOMPARE(grid.fontName, "DejaVu Serif");
    QCOMPARE(grid.fontSize, "4");
}

void ProjectDialogs::cancelChangesNothing()
{
    const QByteArray ini = iniBytes();
    const GridSettings grid = s_->settings.grid;
    openOptions(true, {1, 2, 3, 4, 5, 6, 7});
    OptionsDialog::setNextFont(QFont("DejaVu Sans", 12));
    click("cmdChangeFont");
    click("optColWidth2");
    click("ckbDelete");
    click("optLanguage2");
    click("btnCancel");
    QVERIFY(!dlg_->isVisible());
    QVERIFY(!options_->applyToActiveWindow());
    QCOMPARE(s_->settings.grid.fontName, grid.fontName);
    QCOMPARE(s_->settings.grid.colWidths, grid.colWidths);
    QVERIFY(s_->app.ConfirmDelete);  // still on, as at start
    openOptions(true);
    click("optLanguage2");
    QTest::keyClick(dlg_.get(), Qt::Key_Escape);
    QVERIFY(!dlg_->isVisible());
    QCOMPARE(iniBytes(), ini);
    QVERIFY(GuiAsker::asked.empty());
}

void ProjectDialogs::installedDataStaysUntouched()
{
    // An installed program's data folder, writable as it is for root: the
    // language choice and the recent-file list go to the per-user folder.
    const fs::path root = dir_->path().toStdString();
    const fs::path data = root / "share" / "rackmason" / "resource";
    fs::create_directories(data);
    fs::create_directories(root / "bin");
    fs::rename(ini(), data / "Katalog.ini");
    s_->programDir = root / "bin";
    s_->resourceDir = defaultResourceDir(s_->programDir);
    s_->userDir = root / "user";
    fs::create_directories(s_->userDir);
    openOptions(false);
    click("optLanguage2");
    GuiAsker::setNextAnswers({answer::Ok});
    click("btnOk");
    QCOMPARE(IniFile::load(s_->userDir / "language.ini").getString("LANGUAGE", "SELECTED", "", 20), "DEUTSCH");
    QCOMPARE(LoadLanguage(data).LanguageIndex, 1);
    QCOMPARE(s_->recentListFile(), s_->userDir / "nura.ini");
}

void ProjectDialogs::optionRulesByMouseAndKeyboard()
{
    // OK at once: I/O block DB 1, no CPU block.
    openDb();
    QVERIFY(io(0)->isChecked());
    QCOMPARE(cpuState(), "3 e:0111");
    GuiAsker::setNextAnswers({answer::Ok});
    click(button("btnOk"));
    QCOMPARE(calls_, (Calls{{0, 0}}));
    QVERIFY(!dlg_->isVisible());

    openDb();
    click(cpu(1));  // CPU DB511, then I/O DB511: the CPU block moves to DB1023
    click(io(1));
    QCOMPARE(cpuState(), "2 e:1011");

    // Arrow keys follow the same rules and skip the disabled option.
    click(cpu(2));
    io(0)->setFocus();
    QTest::keyClick(io(0), Qt::Key_Down);
    QTest::keyClick(io(1), Qt::Key_Down);
    QVERIFY(io(2)->isChecked());
    QCOMPARE(cpuState(), "1 e:1101");
    cpu(1)->setFocus();
    QTest::keyClick(cpu(1), Qt::Key_Down);
    QCOMPARE(cpuState(), "3 e:1101");
    GuiAsker::setNextAnswers({answer::Ok});
    QTest::keyClick(cpu(3), Qt::Key_Return);
    QCOMPARE(calls_, (Calls{{2, 0}}));

    // Cancel and Escape generate nothing.
    openDb();
    click(button("btnCancel"));
    openDb();
    QTest::keyClick(dlg_.get(), Qt::Key_Escape);
    QVERIFY(!dlg_->isVisible());
    QVERIFY(calls_.empty());
}

void ProjectDialogs::resultMessages()
{
    struct Case {
        int result;
        const char* prompt;
        const char* title;
    };
    for (const Case& c : {Case{1, "Source file (.AWL) have been Generated !", ""},
                          Case{0, "Couldn't Generate source file !", "Error !"}, Case{2, nullptr, nullptr}}) {
        GuiAsker::setScripted(true);
        const int beeps = beepCount();
        openDb(c.result);
        if (c.prompt) GuiAsker::setNextAnswers({answer::Ok});
        click(button("btnOk"));
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(beepCount(), beeps + (c.prompt ? 1 : 0));
        QCOMPARE(GuiAsker::asked.size(), size_t(c.prompt ? 1 : 0));
        if (!c.prompt) continue;
        QCOMPARE(GuiAsker::asked[0].prompt, c.prompt);
        QCOMPARE(GuiAsker::asked[0].title, c.title);
        QCOMPARE(GuiAsker::asked[0].style, style::Ok);
    }
}

QTEST_MAIN(ProjectDialogs)
#include "tst_ProjectDialogs.moc"
