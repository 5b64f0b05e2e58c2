// The options dialog on a copy of the catalog file: what OK puts into the
// grid settings, the delete confirmation and the stored language, with and
// without a project open.
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "gui/app/OptionsDialog.h"
#include "gui/app/Session.h"

using namespace rm;
using namespace rm::gui;
namespace fs = std::filesystem;

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void languageAndConfirmation();
    void columnWidthsAndFont();
    void cancelChangesNothing();
    void installedDataStaysUntouched();

private:
    void open(bool project, std::array<int, 7> widths = {})
    {
        dlg_ = std::make_unique<OptionsDialog>(*s_, project, widths);
        dlg_->show();
        QVERIFY(QTest::qWaitForWindowActive(dlg_.get()));
    }
    template <class W = QAbstractButton>
    W* child(const char* name) const
    {
        return dlg_->findChild<W*>(name);
    }
    // Clicks near the left end, where the box or circle of an option is.
    void click(const char* name)
    {
        auto* b = child(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    fs::path ini() const { return fs::path(dir_->path().toStdString()) / "Katalog.ini"; }
    QByteArray iniBytes() const
    {
        QFile f(QString::fromStdString(ini().string()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Session> s_;
    std::unique_ptr<OptionsDialog> dlg_;
};

void OptionsDialogTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    fs::copy_file(fs::path(RM_RESOURCES) / "Katalog.ini", ini());
    s_ = std::make_unique<Session>();
    s_->resourceDir = dir_->path().toStdString();
    s_->language = LoadLanguage(s_->resourceDir);
    GuiAsker::setScripted(true);
}

void OptionsDialogTest::cleanup()
{
    QVERIFY(GuiAsker::unexpected.empty());
    dlg_.reset();
    s_.reset();
    dir_.reset();
    GuiAsker::setScripted(false);
}

void OptionsDialogTest::languageAndConfirmation()
{
    // The active language: no message, nothing written.
    const QByteArray before = iniBytes();
    open(true);
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
    open(false);
    QVERIFY(!child<QGroupBox>("frameColWidth")->isEnabled());
    QCOMPARE(child<QLineEdit>("txtFont")->text(), s_->settings.grid.fontName);
    QVERIFY(child<QCheckBox>("ckbDelete")->isChecked());
    click("optLanguage2");
    GuiAsker::setNextAnswers({answer::Ok});
    click("btnOk");
    QVERIFY(s_->app.ConfirmDelete);
    QVERIFY(!dlg_->applyToActiveWindow());
    QCOMPARE(s_->settings.grid.colWidths, widths);
    QCOMPARE(GuiAsker::asked.size(), size_t(1));
    QCOMPARE(GuiAsker::asked[0].prompt, " Change will take effect on next start  ");
    QCOMPARE(GuiAsker::asked[0].title, "Language change");
    QCOMPARE(GuiAsker::asked[0].style, style::Ok + style::Exclamation);
    QCOMPARE(LoadLanguage(s_->resourceDir).LanguageIndex, 2);
    QCOMPARE(s_->language.LanguageIndex, 1);  // takes effect at the next start

    open(false);
    click("ckbDelete");
    GuiAsker::setNextAnswers({answer::Ok});  // German is still not the running language
    click("optLanguage2");
    click("btnOk");
    QVERIFY(!s_->app.ConfirmDelete);
    QCOMPARE(GuiAsker::asked.size(), size_t(2));

    // A choice that cannot be stored is not reported as taking effect.
    fs::remove(ini());
    fs::create_directory(ini());
    open(false);
    click("optLanguage3");
    GuiAsker::setNextAnswers({answer::Ok});
    click("btnOk");
    QVERIFY(GuiAsker::asked.back().prompt.starts_with("Data could not be save"));
    QCOMPARE(GuiAsker::asked.back().title, "Error !");
    QCOMPARE(style::icon(GuiAsker::asked.back().style), style::Critical);
}

void OptionsDialogTest::columnWidthsAndFont()
{
    GridSettings& grid = s_->settings.grid;
    const std::array<int, 7> custom{100, 900, 2000, 800, 800, 700, 700};
    const std::array<int, 7> active{300, 1500, 4000, 1000, 1000, 1000, 1100};
    grid.colWidths = custom;
    open(true, active);
    QVERIFY(child<QRadioButton>("optColWidth0")->isChecked());
    QCOMPARE(child<QLineEdit>("txtFont")->text(), "Arial");
    QCOMPARE(child<QLineEdit>("txtFontHeight")->text(), "7");
    click("btnOk");
    QCOMPARE(grid.colWidths, custom);
    QVERIFY(dlg_->applyToActiveWindow());
    open(true, active);
    click("optColWidth1");
    click("btnOk");
    QCOMPARE(grid.colWidths, (std::array<int, 7>{300, 1200, 3600, 1200, 1200, 1200, 1200}));
    open(true, active);
    click("optColWidth2");
    click("btnOk");
    QCOMPARE(grid.colWidths, active);

    // Sizes outside 4..24 are brought into range; a cancelled chooser keeps the font.
    open(true);
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
    open(true);
    OptionsDialog::setNextFontCancelled();
    click("cmdChangeFont");
    click("btnOk");
    QCOMPARE(grid.fontName, "DejaVu Serif");
    QCOMPARE(grid.fontSize, "4");
}

void OptionsDialogTest::cancelChangesNothing()
{
    const QByteArray ini = iniBytes();
    const GridSettings grid = s_->settings.grid;
    open(true, {1, 2, 3, 4, 5, 6, 7});
    OptionsDialog::setNextFont(QFont("DejaVu Sans", 12));
    click("cmdChangeFont");
    click("optColWidth2");
    click("ckbDelete");
    click("optLanguage2");
    click("btnCancel");
    QVERIFY(!dlg_->isVisible());
    QVERIFY(!dlg_->applyToActiveWindow());
    QCOMPARE(s_->settings.grid.fontName, grid.fontName);
    QCOMPARE(s_->settings.grid.colWidths, grid.colWidths);
    QVERIFY(s_->app.ConfirmDelete);  // still on, as at start
    open(true);
    click("optLanguage2");
    QTest::keyClick(dlg_.get(), Qt::Key_Escape);
    QVERIFY(!dlg_->isVisible());
    QCOMPARE(iniBytes(), ini);
    QVERIFY(GuiAsker::asked.empty());
}

void OptionsDialogTest::installedDataStaysUntouched()
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
    open(false);
    click("optLanguage2");
    GuiAsker::setNextAnswers({answer::Ok});
    click("btnOk");
    QCOMPARE(IniFile::load(s_->userDir / "language.ini").getString("LANGUAGE", "SELECTED", "", 20), "DEUTSCH");
    QCOMPARE(LoadLanguage(data).LanguageIndex, 1);
    QCOMPARE(s_->recentListFile(), s_->userDir / "nura.ini");
}

QTEST_MAIN(OptionsDialogTest)
#include "tst_OptionsDialog.moc"
