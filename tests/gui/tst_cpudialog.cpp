// The CPU dialog as a user drives it: opened with Enter on the CPU row,
// settings made with mouse and keyboard, OK or Cancel, then the row's record
// and the generated CPU block.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "core/dbgen/SourceGenerator.h"
#include "gui/app/HelpViewer.h"
#include "gui/cpu/CpuDialog.h"
#include "gui/cpu/CpuDialogs.h"
#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::GuiFixture;

class CpuDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture_ = std::make_unique<GuiFixture>();
        registerCpuDialog();
    }
    void cleanup()
    {
        QVERIFY2(GuiAsker::unexpected.empty(),
                 GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
        delete HelpViewer::instance();
        fixture_.reset();
        ProjectWindow::dialogs().erase(DialogKind::Cpu);
    }

    void configuredCpuGivesTheReferenceBlock();
    void webServerAndMpiModeTogether();
    void refusedInputKeepsTheDialogOpen();
    void portsOfTheOlderCpu();
    void cancelWritesNothing();
    void germanCaptionsAndHelp();

private:
    // A new project with the CPU on row 1.
    ProjectWindow* projectWith(const std::string& cpu, const QString& language = "ENGLISH")
    {
        fixture_->start(language);
        ProjectWindow* p = fixture_->newProject("Hall2");
        if (!p || !fixture_->dropCatalog(p, cpu, 1)) return nullptr;
        return p;
    }
    // Enter on the CPU row; `act` works the dialog while it is open.
    bool openCpuDialog(ProjectWindow* p, std::function<void(QDialog*)> act)
    {
        bool opened = false;
        GuiFixture::whenModal([&](QWidget* w) {
            opened = true;
            auto* dlg = qobject_cast<QDialog*>(w);
            act(dlg);
            if (dlg && dlg->isVisible()) {  // a failed check left it open
                QWARN("dialog left open");
                dlg->reject();
            }
        });
        p->selectRow(1);
        QTest::keyClick(p->grid(), Qt::Key_Return);
        return opened;
    }
    template <class W = QWidget>
    static W* child(QWidget* dlg, const QString& name)
    {
        W* w = dlg->findChild<W*>(name);
        if (!w) qWarning("no control %s", qPrintable(name));
        return w;
    }
    static void showTab(QWidget* dlg, int tab)
    {
        QTabBar* bar = child<QTabWidget>(dlg, "SSTab1")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }
    // A check box or option button is clicked on its box, where the user aims.
    static void click(QWidget* dlg, const QString& name)
    {
        QWidget* w = child(dlg, name);
        if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(std::min(8, w->width() / 2), w->height() / 2));
        else
            QTest::mouseClick(w, Qt::LeftButton);
    }
    // Replaces the text of a field as the user does: select all, type.
    static void typeInto(QWidget* dlg, const QString& name, const QString& text)
    {
        QWidget* w = child(dlg, name);
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit()) w = combo->lineEdit();
        QTest::mouseClick(w, Qt::LeftButton);
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(w, Qt::Key_Delete);
        else
            QTest::keyClicks(w, text);
    }
    static bool shown(QWidget* dlg, const QString& name) { return !child(dlg, name)->isHidden(); }

    std::unique_ptr<GuiFixture> fixture_;
};

void CpuDialogTest::configuredCpuGivesTheReferenceBlock()
{
    ProjectWindow* p = projectWith("QMV2.R230");
    QVERIFY(p);
    ProjectTable& t = p->table();
    t.SetProjektDataHasChangedFlag(false);
    const int rows = t.lastRow();
    const bool opened = openCpuDialog(p, [&](QDialog* dlg) {
        showTab(dlg, 1);
        QVERIFY(!shown(dlg, "Frame30"));
        click(dlg, "CheckMemorySelect");
        QVERIFY(shown(dlg, "Frame30"));
        auto* size = child<QSpinBox>(dlg, "MemorySizeUpDown");
        size->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(size, Qt::Key_Down);
        QCOMPARE(child<QLineEdit>(dlg, "MemorySize")->text(), QString("4"));
        typeInto(dlg, "CompilePriority0", "OB1");

        showTab(dlg, 3);
        click(dlg, "CheckConfigMPI");

        showTab(dlg, 2);
        click(dlg, "CheckOperatingWeb");

        showTab(dlg, 4);
        auto* b1 = child<QComboBox>(dlg, "ComboMaxBaudRate1");
        b1->setFocus();
        QTest::keyClick(b1, Qt::Key_Down);

        showTab(dlg, 5);
        click(dlg, "CheckPeripheryAccess");
        click(dlg, "btnOk");
    });
    QVERIFY(opened);
    QVERIFY(GuiAsker::asked.empty());

    QVERIFY(t.changed());
    QCOMPARE(t.lastRow(), rows);

    const std::string golden = rm::test::readText(rm::test::dataPath("io_with_cpu_block.awl"));
    const auto start = golden.find("\r\n\r\nDATA_BLOCK DB 1023");
    QVERIFY(start != std::string::npos);
    QCOMPARE(generateCpuBlock(t.record(1), 3), golden.substr(start));
}

void CpuDialogTest::webServerAndMpiModeTogether()
{
    ProjectWindow* p = projectWith("QMV2.R230");
    QVERIFY(p);
    const bool opened = openCpuDialog(p, [&](QDialog* dlg) {
        // Without MPI mode the web server is refused.
        showTab(dlg, 2);
        GuiAsker::setNextAnswers({answer::Ok});
        click(dlg, "CheckOperatingWeb");
        QCOMPARE(GuiAsker::asked.back().title, std::string("MPI needed"));
        QVERIFY(!child<QCheckBox>(dlg, "CheckOperatingWeb")->isChecked());
        QVERIFY(!shown(dlg, "Frame40"));

        // The modem shows its frame and its own port list.
        showTab(dlg, 3);
        click(dlg, "CheckConfigMPI");
        click(dlg, "OptionCoomThrough1");
        typeInto(dlg, "TextTimeOut0", "45");
        click(dlg, "Check1");
        click(dlg, "Optionmodemtype1");

        // With the web server on, its own time-out box takes over.
        showTab(dlg, 2);
        click(dlg, "CheckOperatingWeb");
        QVERIFY(child<QCheckBox>(dlg, "CheckOperatingWeb")->isChecked());

        // MPI mode off asks first: Cancel keeps both, OK switches both off.
        showTab(dlg, 3);
        GuiAsker::setNextAnswers({answer::Cancel});
        click(dlg, "CheckConfigMPI");
        QCOMPARE(GuiAsker::asked.back().title, std::string("WEB-Server needs MPI"));
        QVERIFY(child<QCheckBox>(dlg, "CheckConfigMPI")->isChecked());
        GuiAsker::setNextAnswers({answer::Ok});
        click(dlg, "CheckConfigMPI");
        QVERIFY(!child<QCheckBox>(dlg, "CheckConfigMPI")->isChecked());
        QVERIFY(!child<QCheckBox>(dlg, "CheckOperatingWeb")->isChecked());
        QVERIFY(!shown(dlg, "Frame50"));
        QCOMPARE(GuiAsker::asked.size(), std::size_t{3});
        click(dlg, "btnOk");
    });
    QVERIFY(opened);
    const CpuConfig& c = p->table().record(1).Cpu;
    QCOMPARE(c.MpiMode, kFalse);
    QCOMPARE(c.WebOn, kFalse);
    QCOMPARE(c.ViaModem, kTrue);
    QCOMPARE(c.ModemN613, kFalse);
    QCOMPARE(c.TimingOn, kTrue);
    QCOMPARE(c.TimeOut, int16_t{45});

    // Stored with the web server on and MPI mode off (an older project):
    // opening tells so and shows the web server off.
    p->table().record(1).Cpu.WebOn = kTrue;
    GuiAsker::asked.clear();
    GuiAsker::setNextAnswers({answer::Ok});
    QVERIFY(openCpuDialog(p, [&](QDialog* dlg) {
        QCOMPARE(GuiAsker::asked.size(), std::size_t{1});
        QCOMPARE(GuiAsker::asked[0].title, std::string("MPI needed"));
        QVERIFY(!child<QCheckBox>(dlg, "CheckOperatingWeb")->isChecked());
        click(dlg, "btnOk");
    }));
    QCOMPARE(p->table().record(1).Cpu.WebOn, kFalse);
}

void CpuDialogTest::refusedInputKeepsTheDialogOpen()
{
    ProjectWindow* p = projectWith("QMV2.R230");
    QVERIFY(p);
    const RowEintrag before = p->table().record(1);
    const bool opened = openCpuDialog(p, [&](QDialog* dlg) {
        showTab(dlg, 3);
        click(dlg, "CheckConfigMPI");
        showTab(dlg, 2);
        click(dlg, "CheckOperatingWeb");
        typeInto(dlg, "txtPassword1", "it's");
        typeInto(dlg, "txtIndexDB", "70000");
        showTab(dlg, 0);

        GuiAsker::setNextAnswers({answer::Ok});
        click(dlg, "btnOk");
        QVERIFY(dlg->isVisible());
        QCOMPARE(GuiAsker::asked.back().title, std::string("Invalid Data"));
        QVERIFY2(GuiAsker::asked.back().prompt.find("\"Index DB\"") != std::string::npos,
                 GuiAsker::asked.back().prompt.c_str());
        QCOMPARE(child<QTabWidget>(dlg, "SSTab1")->currentIndex(), 2);
        QCOMPARE(dlg->focusWidget(), child(dlg, "txtIndexDB"));
        QTest::keyClicks(child(dlg, "txtIndexDB"), "901");  // the wrong text is selected

        GuiAsker::setNextAnswers({answer::Ok});
        click(dlg, "btnOk");
        QVERIFY(dlg->isVisible());
        QVERIFY(GuiAsker::asked.back().prompt.find("\"Password, Level 1\" must not contain the character '") !=
                std::string::npos);
        QCOMPARE(dlg->focusWidget(), child(dlg, "txtPassword1"));
        QTest::keyClicks(child(dlg, "txtPassword1"), "secret");

        // Refused OK attempts store nothing.
        QCOMPARE(fixture_->session().app.CurrentModule.Cpu, before.Cpu);
        click(dlg, "btnOk");
    });
    QVERIFY(opened);
    QCOMPARE(GuiAsker::asked.size(), std::size_t{2});
    const CpuConfig& c = p->table().record(1).Cpu;
    QCOMPARE(c.IndexDB, int16_t{901});
    QVERIFY(generateCpuBlock(p->table().record(1), 1).find("'WEB:Password=secret,,,'") != std::string::npos);
}

void CpuDialogTest::portsOfTheOlderCpu()
{
    ProjectWindow* p = projectWith("QMV1.R200");
    QVERIFY(p);
    const bool opened = openCpuDialog(p, [&](QDialog* dlg) {
        auto* tabs = child<QTabWidget>(dlg, "SSTab1");
        QList<bool> enabled;
        for (int i = 0; i < tabs->count(); ++i) enabled << tabs->isTabEnabled(i);
        QCOMPARE(enabled, (QList<bool>{true, false, false, true, true, false}));
        QVERIFY(!shown(dlg, "Frame62"));  // no second slot B

        showTab(dlg, 3);
        click(dlg, "CheckConfigMPI");
        auto* port = child<QComboBox>(dlg, "ComboPortNumber");
        port->setFocus();
        QTest::keyClick(port, Qt::Key_Down);
        click(dlg, "OptionCoomThrough1");
        click(dlg, "OptionCoomThrough0");
        QCOMPARE(port->currentText(), QString("2"));  // re-selected: the preset port again
        typeInto(dlg, "ComboBaudRate", "9600");
        click(dlg, "btnOk");
    });
    QVERIFY(opened);
    QVERIFY(generateCpuBlock(p->table().record(1), 1).find("'COM2:PTP_MPI,RS232,9600,8,O,1'") != std::string::npos);
}

void CpuDialogTest::cancelWritesNothing()
{
    ProjectWindow* p = projectWith("QMV3.R330");
    QVERIFY(p);
    p->table().SetProjektDataHasChangedFlag(false);
    const RowEintrag before = p->table().record(1);
    const bool opened = openCpuDialog(p, [&](QDialog* dlg) {
        typeInto(dlg, "txtBezeichnung", "Press line");
        showTab(dlg, 1);
        click(dlg, "CheckMemorySelect");
        showTab(dlg, 3);
        click(dlg, "CheckConfigMPI");
        click(dlg, "btnCancel");
    });
    QVERIFY(opened);
    QCOMPARE(p->table().record(1), before);
    QVERIFY(!p->table().changed());

    // OK takes the edited description into the row and the grid.
    QVERIFY(openCpuDialog(p, [&](QDialog* dlg) {
        typeInto(dlg, "txtBezeichnung", "Press line");
        click(dlg, "btnOk");
    }));
    QCOMPARE(p->table().record(1).Bezeichnung, std::string("Press line"));
    QCOMPARE(p->table().cell(1, 2), std::string("Press line"));
}

void CpuDialogTest::germanCaptionsAndHelp()
{
    ProjectWindow* p = projectWith("QMV2.R230", "DEUTSCH");
    QVERIFY(p);
    const bool opened = openCpuDialog(p, [&](QDialog* dlg) {
        QCOMPARE(dlg->windowTitle(), QString("Eigenschaften -  QMV2.R230"));
        QCOMPARE(child<QTabWidget>(dlg, "SSTab1")->tabText(2), QString("Webserver"));
        click(dlg, "btnHelp");
        QVERIFY(HelpViewer::instance());
        QCOMPARE(HelpViewer::instance()->source().fileName(), QString("context-14.html"));
        click(dlg, "btnCancel");
    });
    QVERIFY(opened);
}

QTEST_MAIN(CpuDialogTest)
#include "tst_cpudialog.moc"
