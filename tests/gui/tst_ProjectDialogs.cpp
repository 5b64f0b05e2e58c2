// The project information, options and block number dialogs on a copy of
// the catalog file: what pasting, the focus, the keys, OK and Escape leave in
// the session and the stored settings. The rules behind the fields belong to
// the form tests.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
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

class ProjectDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pastedTextPassesTheFilter();
    void reservedWordsHoldTheFocus();
    void languageChoiceIsStoredOrSaidToFail();
    void installedDataStaysUntouched();
    void widthsAndFontOnOkOnly();
    void blockNumbersByKeyboard();

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
    void openOptions(bool project, std::array<int, 7> widths = {}) { options_ = show<OptionsDialog>(project, widths); }
    QLineEdit* header(int i) const { return dlg_->findChild<QLineEdit*>(QStringLiteral("txtHeader%1").arg(i)); }
    // Clicks near the left end, where the box or circle of an option is.
    void click(const char* name)
    {
        auto* b = dlg_->findChild<QAbstractButton*>(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
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

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Session> s_;
    std::unique_ptr<QDialog> dlg_;
    OptionsDialog* options_ = nullptr;
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

void ProjectDialogs::pastedTextPassesTheFilter()
{
    // Typed text is filtered by the form; pasted text must not get round it
    // into the source.
    show<ProjectInfoDialog>(" NoName1");
    QLineEdit* name = header(0);
    paste(name, "9a b-1\nxyz0123");
    QCOMPARE(name->text(), "ab1xyz01");
    paste(name, "Press #3", true);
    QCOMPARE(name->text(), "Press3");
    paste(name, "ab\rcd");  // a pasted line break is no Enter
    QCOMPARE(name->text(), "abcd");
    QVERIFY(dlg_->isVisible());
}

void ProjectDialogs::reservedWordsHoldTheFocus()
{
    auto* info = show<ProjectInfoDialog>(" NoName1");
    QLineEdit* family = header(1);
    QLineEdit* author = header(2);
    QTest::mouseClick(family, Qt::LeftButton);
    QTest::keyClicks(family, "FAMILY");
    QTest::keyClicks(author, "author");
    // From one reserved word to another: the focus must not bounce between them.
    const int beeps = beepCount();
    QTest::keyClick(family, Qt::Key_Tab);
    QTest::qWait(50);
    QCOMPARE(QApplication::focusWidget(), family);
    QCOMPARE(beepCount(), beeps + 1);
    author->clear();

    // OK and Enter do not close with a reserved word either; Return after a fix does.
    QTest::mouseClick(dlg_->findChild<QPushButton*>("btnOk"), Qt::LeftButton);
    QTest::keyClick(family, Qt::Key_Enter);
    QVERIFY(dlg_->isVisible());
    QCOMPARE(QApplication::focusWidget(), family);
    QTest::keyClicks(family, "X");
    QTest::keyClick(family, Qt::Key_Return);
    QVERIFY(!dlg_->isVisible() && !info->cancelled());
    QCOMPARE(s_->app.AktProjectInfo.Familie, "FAMILYX");
}

void ProjectDialogs::languageChoiceIsStoredOrSaidToFail()
{
    // The active language: no message, nothing written.
    const QByteArray before = iniBytes();
    openOptions(true);
    click("optLanguage3");
    click("optLanguage1");
    click("btnOk");
    QVERIFY(GuiAsker::asked.empty());
    QCOMPARE(iniBytes(), before);

    // No project open: language and confirmation still count.
    s_->app.ConfirmDelete = true;
    openOptions(false);
    click("ckbDelete");
    click("optLanguage2");
    GuiAsker::setNextAnswers({answer::Ok});
    click("btnOk");
    QVERIFY(!s_->app.ConfirmDelete);
    QCOMPARE(GuiAsker::asked.back().prompt, " Change will take effect on next start  ");
    QCOMPARE(LoadLanguage(s_->resourceDir).LanguageIndex, 2);
    QCOMPARE(s_->language.LanguageIndex, 1);  // takes effect at the next start

    // A choice that cannot be stored is not reported as taking effect.
    fs::remove(ini());
    fs::create_directory(ini());
    openOptions(false);
    click("optLanguage3");
    GuiAsker::setNextAnswers({answer::Ok});
    click("btnOk");
    QVERIFY(GuiAsker::asked.back().prompt.starts_with("Data could not be save"));
    QCOMPARE(style::icon(GuiAsker::asked.back().style), style::Critical);
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

void ProjectDialogs::widthsAndFontOnOkOnly()
{
    // Escape keeps everything; OK takes the active window's widths and a
    // font size brought into range.
    GridSettings& grid = s_->settings.grid;
    const GridSettings before = grid;
    const std::array<int, 7> active{300, 1500, 4000, 1000, 1000, 1000, 1100};
    QFont small("DejaVu Serif");
    small.setPointSizeF(2.5);
    small.setItalic(true);
    for (bool ok : {false, true}) {
        openOptions(true, active);
        click("optColWidth2");
        OptionsDialog::setNextFont(small);
        click("cmdChangeFont");
        if (ok)
            click("btnOk");
        else
            QTest::keyClick(dlg_.get(), Qt::Key_Escape);
        QCOMPARE(options_->applyToActiveWindow(), ok);
        QCOMPARE(grid.colWidths, ok ? active : before.colWidths);
        QCOMPARE(grid.fontSize, ok ? QString("4") : before.fontSize);
    }
    QVERIFY(grid.italic && !grid.bold);
}

void ProjectDialogs::blockNumbersByKeyboard()
{
    // Arrow keys follow the rules of the mouse and skip the disabled option.
    std::vector<std::pair<int, int>> calls;
    show<DbSelectDialog>("hall2.qv4", [&](int io, int cpu) {
        calls.emplace_back(io, cpu);
        return 1;
    });
    auto option = [this](const QString& name) { return dlg_->findChild<QRadioButton*>(name); };
    QTest::mouseClick(option("rbDB1_2"), Qt::LeftButton, {}, QPoint(8, 8));
    option("rbDB0")->setFocus();
    QTest::keyClick(option("rbDB0"), Qt::Key_Down);
    QTest::keyClick(option("rbDB1"), Qt::Key_Down);
    QVERIFY(option("rbDB2")->isChecked());
    QVERIFY(option("rbDB1_1")->isChecked() && !option("rbDB1_2")->isEnabled());
    option("rbDB1_1")->setFocus();
    QTest::keyClick(option("rbDB1_1"), Qt::Key_Down);
    QVERIFY(option("rbDB1_3")->isChecked());
    GuiAsker::setNextAnswers({answer::Ok});
    QTest::keyClick(option("rbDB1_3"), Qt::Key_Return);
    QCOMPARE(calls, (std::vector<std::pair<int, int>>{{2, 0}}));
    show<DbSelectDialog>("hall2.qv4", [&](int io, int cpu) {
        calls.emplace_back(io, cpu);
        return 1;
    });
    QTest::keyClick(dlg_.get(), Qt::Key_Escape);  // generates nothing
    QCOMPARE(calls.size(), std::size_t{1});
}

QTEST_MAIN(ProjectDialogs)
#include "tst_ProjectDialogs.moc"
