// The parameter dialogs of module and CPU rows, opened from placed rows of a
// project window and set with mouse and keyboard as a user does: what OK
// leaves in the rows and in the generated source, what reopening shows, what
// a refusal or Cancel leaves. The rules behind the controls belong to the
// form model tests; here the digital, analog input, counter, encoder and CPU
// dialogs are walked through once, and every module dialog is opened once in
// German to see that no page cuts off its texts and that a list item chosen
// reaches the record.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QValidator>
#include <QtTest>
#include <functional>

#include "core/dbgen/SourceGenerator.h"
#include "gui/app/HelpViewer.h"
#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::GuiFixture;

namespace {

QStringList unnamed(QWidget* dlg);

// Works an open dialog: goes to a control's page by its tab, clicks, types,
// chooses from lists, OK.
class DialogDriver {
public:
    explicit DialogDriver(QWidget* dialog) : dlg_(dialog) {}
    QWidget* dialog() const { return dlg_; }

    template <class W = QWidget>
    W* child(const QString& name) const
    {
        return dlg_->findChild<W*>(name);
    }
    // The control the user knows by this text (its accessible name); null
    // unless exactly one has it.
    template <class W = QWidget>
    W* labelled(const QString& text) const
    {
        W* found = nullptr;
        for (W* w : dlg_->findChildren<W*>()) {
            if (w->accessibleName() != text) continue;
            if (found) return nullptr;
            found = w;
        }
        return found;
    }
    QTabWidget* tabs() const { return dlg_->findChild<QTabWidget*>(); }
    void showPageOf(QWidget* w) const
    {
        QTabWidget* t = tabs();
        for (int i = 0; t && i < t->count(); ++i) {
            if (t->widget(i) == w || t->widget(i)->isAncestorOf(w)) {
                QTest::mouseClick(t->tabBar(), Qt::LeftButton, {}, t->tabBar()->tabRect(i).center());
                return;
            }
        }
    }
    // Clicks near the left end, where the box or circle of an option is.
    void click(const QString& name) const { click(child<QAbstractButton>(name), name); }
    void click(QAbstractButton* b, const QString& name = {}) const
    {
        QVERIFY2(b, qPrintable(name));
        showPageOf(b);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(std::min(8, b->width() / 2), b->height() / 2));
    }
    // Replaces the text of a field by typing over all of it.
    void type(const QString& name, const QString& text) const
    {
        QWidget* w = child(name);
        showPageOf(w);
        if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) w = c->lineEdit();
        w->setFocus();
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Delete);
        QTest::keyClicks(w, text);
    }
    QString text(const QString& name) const
    {
        QWidget* w = child(name);
        return w->property(qobject_cast<QComboBox*>(w) ? "currentText" : "text").toString();
    }
    // Chooses a list item with the arrow keys.
    void choose(const QString& name, int index) const { choose(child<QComboBox>(name), index, name); }
    void choose(QComboBox* c, int index, const QString& name = {}) const
    {
        QVERIFY2(c, qPrintable(name));
        showPageOf(c);
        c->setFocus();
        for (int guard = 0; c->currentIndex() != index && guard < 20; ++guard)
            QTest::keyClick(c, c->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    bool checked(const QString& name) const { return child<QAbstractButton>(name)->isChecked(); }
    void ok() const { click("btnOk"); }
    void cancel() const { click("btnCancel"); }
    bool isOpen() const { return dlg_->isVisible(); }
    // F1 where the focus is; the page the help window shows then, relative
    // to the help folder.
    QString pressF1() const
    {
        if (!QTest::qWaitForWindowActive(dlg_)) return "not active";
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && dlg_->isAncestorOf(focus) ? focus : dlg_, Qt::Key_F1);
        HelpViewer* viewer = HelpViewer::instance();
        return viewer ? viewer->source().fileName() : QString();
    }
    // A refused OK: the message is confirmed and the dialog stays open.
    void refusedOk(rm::gui::test::ScriptedAsker& asker) const
    {
        asker.setNextAnswers({answer::Ok});
        ok();
        QVERIFY(isOpen());
    }

private:
    QWidget* dlg_;
};

// Works an open dialog with `act`; one that `act` leaves open is cancelled,
// so that a failing check cannot hang the test. True when `act` closed it.
bool work(QWidget* modal, const std::function<void(DialogDriver&)>& act)
{
    QPointer<QWidget> guard(modal);
    DialogDriver d(modal);
    act(d);
    if (!guard || !guard->isVisible()) return true;
    qobject_cast<QDialog*>(guard.data())->reject();
    return false;
}

// Runs `act` once the dialog with this object name is open (a dialog opened
// from another one).
void whenDialog(const QString& name, std::function<void(DialogDriver&)> act)
{
    QTimer::singleShot(0, [name, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name) return whenDialog(name, act);
        work(modal, act);
    });
}

// Opens the dialog of a row with a double click and runs `act` on it; false
// when no dialog opened or `act` left it open.
bool openRow(ProjectWindow* p, int row, std::function<void(DialogDriver&)> act)
{
    struct State {
        bool opened = false, closed = false, givenUp = false;
    };
    auto state = std::make_shared<State>();
    GuiFixture::whenModal([state, act](QWidget* dlg) {
        if (state->givenUp) return;
        state->opened = true;
        state->closed = work(dlg, act);
    });
    ProjectGrid* grid = p->grid();
    const QModelIndex index = grid->model()->index(row - 1, 2);
    grid->scrollTo(index);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    state->givenUp = !state->opened;
    return state->opened && state->closed;
}

}  // namespace

class RowDialogs : public rm::gui::test::GuiTest {
    Q_OBJECT

private slots:
    // Then the counter keeps what is not its own; the encoder writes both rows.
    void digitalAnalogCounterAndEncoder();
    void cpuCancelRefusalReferenceBlockAndFieldTips();
    void temperatureListsInFrench();
    void noTextCutOff();

private:
    // A project with the family-2 CPU (slots from row 5) and a family-3 rack
    // (slots from row 22), the given modules placed.
    void start(std::initializer_list<std::pair<const char*, int>> modules, const QString& language = "ENGLISH")
    {
        project_ = fixture_->startWithRack(language);
        QVERIFY(project_);
        for (const auto& [order, row] : modules) QVERIFY2(fixture_->dropCatalog(project_, order, row), order);
    }
    ProjectTable& table() { return project_->table(); }
    // The row as the grid shows it.
    std::vector<std::string> cells(int row)
    {
        std::vector<std::string> out;
        for (int c = 0; c < ProjectTable::kColumns; ++c)
            out.push_back(project_->grid()->model()->index(row - 1, c).data().toString().toStdString());
        return out;
    }
    // Opened and confirmed unchanged: the dialog showed every stored choice
    // (some checked by `shown`).
    void okKeepsTheRecord(
        int row, std::function<void(DialogDriver&)> shown = [](DialogDriver&) {})
    {
        const RowEintrag stored = table().record(row);
        QVERIFY(openRow(project_, row, [shown](DialogDriver& d) {
            shown(d);
            d.ok();
        }));
        QCOMPARE(table().record(row), stored);
    }

    ProjectWindow* project_ = nullptr;
};

void RowDialogs::digitalAnalogCounterAndEncoder()
{
    // Inputs 0..1, 2..3; both with a mask; two analog modules in the rack.
    start({{"QMV2.G120", 5}, {"QMV2.G120", 6}, {"QMV2.G510", 7}, {"QMV3.E302", 23}, {"QMV3.E130", 24}});
    const RowEintrag before = table().record(6);
    QVERIFY(openRow(project_, 6, [&](DialogDriver& d) {
        d.type("txtBezeichnung", "not kept");
        d.type("txtAnfangsAdresse", "2.5");
        QCOMPARE(d.text("lblEnde"), QString());
        d.refusedOk(fixture_->asker());
        QCOMPARE(fixture_->session().app.CurrentModule, before);  // nothing stored
        // On row 5's range, the next free start declined.
        d.type("txtAnfangsAdresse", "0");
        fixture_->asker().setNextAnswers({answer::No});
        d.ok();
        QVERIFY(d.isOpen());
        QCOMPARE(table().record(6), before);
        d.cancel();
    }));
    QCOMPARE(table().record(6), before);

    QVERIFY(openRow(project_, 6, [](DialogDriver& d) {
        d.type("txtBezeichnung", "Hall sensors");
        d.type("txtKommentar", "north wall");
        d.type("txtAnfangsAdresse", "16");
        QCOMPARE(d.text("lblEnde"), QString("17"));
        QCOMPARE(d.pressF1(), QString("context-8.html"));
        d.ok();
    }));
    QVERIFY(HelpViewer::instance());
    QCOMPARE(table().record(6).Kommentar, std::string("north wall"));
    QCOMPARE(cells(6), (std::vector<std::string>{"2", "QMV2.G120", "Hall sensors", "16", "-", "2", "-"}));

    QVERIFY(openRow(project_, 7, [](DialogDriver& d) {
        d.click("rbMask2");
        d.click("rbMask5");
        d.type("txtAnfangsAdresse0", "6");
        d.type("txtAnfangsAdresse1", "9");
        d.ok();
    }));
    QCOMPARE(table().record(7).Param1, int16_t{0xE4});
    QCOMPARE(table().cell(7, 3) + table().cell(7, 4), std::string("69"));
    okKeepsTheRecord(7);

    // Addressing by steps of 4 doubles the input bytes the module claims.
    const int inputs = table().record(24).InCnt;
    QVERIFY(openRow(project_, 24, [](DialogDriver& d) {
        d.click(d.labelled<QAbstractButton>("Addressing channel by step of 4"));
        d.ok();
    }));
    QCOMPARE(table().record(24).InCnt, 2 * inputs);
    QVERIFY(openRow(project_, 23, [this](DialogDriver& d) {
        // The controls as a screen reader names them.
        const auto property = [&d](int channel) {
            return d.labelled<QComboBox>("Channel property, Input Channel " + QString::number(channel));
        };
        d.choose(property(1), 0);  // 4..20 mA stays checked
        d.choose(property(2), 0);
        d.click(d.labelled<QAbstractButton>("Input Channel 2, 4..20 mA"));
        d.choose(property(3), 2);
        // A user range: the refused one keeps its dialog open, Cancel gives
        // back what it was opened with.
        whenDialog("UserKanal", [this](DialogDriver& r) {
            r.type("txt_minValue", "6a00");
            r.type("txt_maxValue", "500");
            fixture_->asker().setNextAnswers({answer::Ok});
            r.click("btn_OK");
            QVERIFY(r.isOpen());
            r.type("txt_minValue", "-5");
            r.click("btn_OK");
        });
        d.click(d.labelled<QAbstractButton>("Input Channel 3 ..."));
        d.choose(property(4), 2);
        whenDialog("UserKanal", [](DialogDriver& r) {
            r.type("txt_maxValue", "99");
            QCOMPARE(r.pressF1(), QString("context-5.html"));  // the module dialog's page
            r.click("btn_cancel");
        });
        d.click("CustomData3");
        d.click("Check30");
        d.click("Check32");
        d.ok();
    }));
    const std::vector<KanalWert>& k = table().record(23).KanalWerte;
    QCOMPARE(std::vector<KanalWert>(k.begin(), k.begin() + 4),
             (std::vector<KanalWert>{{1, -1023, 4095, 0}, {0, 0, 4095, 0}, {1, -5, 500, 0}, {1, 0, 20000, 0}}));
    QCOMPARE(table().record(23).Param3, int16_t{5});
    okKeepsTheRecord(23);

    // The counter and the two-axis encoder.
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.K202", 8) && fixture_->dropCatalog(project_, "QMV3.K240", 25));
    table().record(8).Param1 = 0x55;  // not the dialog's
    QVERIFY(openRow(project_, 8, [](DialogDriver& d) {
        d.click("rbMode3");
        d.click("cBoxEingang0");
        d.click("rbStore0");
        d.choose("Combo1", 1);
        d.click("cBoxMessung");
        d.click("rbMessung4");
        d.ok();
    }));
    const RowEintrag& r = table().record(8);
    QCOMPARE((std::array<int, 4>{r.Param1, r.Param2, r.Param3, r.Param4}), (std::array<int, 4>{0x55, 1, 0xD4, 0x80}));
    okKeepsTheRecord(8, [](DialogDriver& d) {
        for (const char* on : {"rbMode3", "cBoxEingang0", "rbStore0", "rbStore3", "cBoxMessung", "rbMessung4"})
            QVERIFY2(d.checked(on), on);
        QCOMPARE(d.text("Combo1"), QString("ResetC"));
    });

    // The two-axis encoder.
    const auto yCells = cells(26);
    QVERIFY(openRow(project_, 25, [](DialogDriver& d) {
        d.click("rbModeX1");
        d.click("rbFrequenzX2");
        d.click("rbFormatX1");
        d.type("txtAnzahlDatenBitX", "24");
        // Axis Y: set as SSI, then back to incremental; what was set stays.
        d.click("rbModeY1");
        d.type("txtAnzahlDatenBitY", "13");
        d.click("rbFrequenzY1");
        d.click("rbModeY0");
        d.ok();
    }));
    // Both rows still show the module, and the table takes it as one module.
    QCOMPARE(cells(26), yCells);
    const std::string block = generateIoBlock(table(), 0);
    QVERIFY(rm::gui::test::contains(block, "dummy_w := W#16#1806;") &&
            rm::gui::test::contains(block, "dummy_w := W#16#D01;"));
    okKeepsTheRecord(25, [](DialogDriver& d) {
        QVERIFY(d.checked("rbModeY0") && d.checked("rbFrequenzY1") && d.checked("rbFormatX1"));
        QCOMPARE(d.text("txtAnzahlDatenBitY"), QString("13"));
    });
}

void RowDialogs::cpuCancelRefusalReferenceBlockAndFieldTips()
{
    project_ = fixture_->startWith({{"QMV2.R230", 1}}, "DEUTSCH");
    QVERIFY(project_);
    const int rows = table().lastRow();
    table().SetProjektDataHasChangedFlag(false);
    const RowEintrag before = table().record(1);
    QVERIFY(openRow(project_, 1, [](DialogDriver& d) {
        d.type("txtBezeichnung", "Press line");
        QCOMPARE(d.pressF1(), QString("context-14.html"));
        d.click("CheckConfigMPI");
        d.cancel();
    }));
    QCOMPARE(table().record(1), before);
    QVERIFY(!table().changed());

    QVERIFY(openRow(project_, 1, [&](DialogDriver& d) {
        d.click("CheckMemorySelect");
        auto* size = d.child<QSpinBox>("MemorySizeUpDown");
        size->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(size, Qt::Key_Down);
        QCOMPARE(d.text("MemorySize"), QString("4"));
        d.type("CompilePriority0", "OB1");
        d.click("CheckConfigMPI");
        d.click("CheckOperatingWeb");
        // A refused number: the dialog stays open on its page, the field
        // selected, and nothing is stored.
        const QString index = d.text("txtIndexDB");
        d.type("txtIndexDB", "70000");
        d.showPageOf(d.child("txtBezeichnung"));
        d.refusedOk(fixture_->asker());
        QVERIFY_ASKED(*fixture_, "\"Index-DB\"");
        QCOMPARE(d.dialog()->focusWidget(), d.child("txtIndexDB"));
        QCOMPARE(fixture_->session().app.CurrentModule, before);
        QTest::keyClicks(d.child("txtIndexDB"), index);
        fixture_->asker().asked.clear();
        d.choose("ComboMaxBaudRate1", 1);
        d.click("CheckPeripheryAccess");
        d.ok();
    }));
    QVERIFY(fixture_->asker().asked.empty());
    QCOMPARE(table().lastRow(), rows);
    const std::string golden = rm::test::readText(rm::test::dataPath("io_with_cpu_block.awl"));
    const auto start = golden.find("\r\n\r\nDATA_BLOCK DB 1023");
    QVERIFY(start != std::string::npos);
    QCOMPARE(generateCpuBlock(table().record(1), 3), golden.substr(start));

    // Old projects' priorities: one in no OB form, one that OK refuses today.
    table().record(1).Cpu.CompPrio[1] = "Zyklus FB12";
    table().record(1).Cpu.CompPrio[2] = "OB'35";
    QVERIFY(openRow(project_, 1, [&](DialogDriver& d) {
        auto* priority = d.child<QLineEdit>("CompilePriority0");
        QCOMPARE(priority->placeholderText(), QString("zum Beispiel OB1"));
        QVERIFY2(priority->toolTip().contains("249 Zeichen") && priority->toolTip().contains("COMP:<Text>"),
                 qPrintable(priority->toolTip()));
        // What OK would refuse does not get in as it is typed or pasted.
        int at = 0;
        QString tooLong(250, 'x'), euro = QString::fromUtf8("Ölpumpe €");
        QCOMPARE(priority->validator()->validate(tooLong, at), QValidator::Invalid);
        QCOMPARE(priority->validator()->validate(euro, at), QValidator::Acceptable);
        d.type("CompilePriority0", "OB'1$2");
        QCOMPARE(priority->text(), QString("OB12"));
        QCOMPARE(d.text("CompilePriority1"), QString("Zyklus FB12"));
        QCOMPARE(d.text("CompilePriority2"), QString("OB'35"));
        d.refusedOk(fixture_->asker());
        QCOMPARE(d.dialog()->focusWidget(), d.child("CompilePriority2"));
        d.type("CompilePriority2", "OB35");
        QVERIFY(d.checked("CheckConfigMPI") && d.checked("CheckOperatingWeb"));  // as stored above
        d.type("txtPassword1", "a,b");
        QCOMPARE(d.text("txtPassword1"), QString("ab"));
        const std::pair<const char*, const char*> tips[] = {
            {"txtIndexDB", "von 1 bis 32767.\nDie erzeugte Quelle enthält ihn als \"WEB:IndexDB=<Wert>\"."},
            {"txtRamDiskSize", "\"WEB:RamDisk=<Wert>\""},
            {"TextTimeOut1",
             "von 0 bis 32767.\nDie erzeugte Quelle enthält ihn als "
             "\"COM<Port>:PTP_MPI,TIMEOUT=<Wert>\"."},
            {"TextTimeOut0", "TIMEOUT=<Wert>"},
            {"txtADT", "\"COM<Port>:PTP_MPI,ADT=<Wert>\""},
            {"txtCDT", "ohne Umrechnung"},
            {"MemorySizeUpDown", "\"MEM7:<Wert>\".\nNur geschrieben, solange die Speicherauswahl an ist."},
        };
        for (const auto& [name, part] : tips) {
            const QString tip = d.child(name)->toolTip();
            QVERIFY2(tip.contains(QString::fromUtf8(part)), qPrintable(QString(name) + ": " + tip));
        }
        // With MPI and the web server on, every control has a name a screen reader says.
        const QStringList nameless = unnamed(d.dialog());
        QVERIFY2(nameless.isEmpty(), qPrintable("CPU dialog without an accessible name: " + nameless.join(", ")));
        d.ok();
    }));
    const CpuConfig& c = table().record(1).Cpu;
    QCOMPARE(c.CompPrio, (std::array<std::string, 6>{"OB12", "Zyklus FB12", "OB35", "", "", ""}));
    QCOMPARE(c.WebPassword[1], std::string("ab"));
}

void RowDialogs::temperatureListsInFrench()
{
    start({{"QMV2.E325", 9}}, "OPTION");
    QVERIFY(openRow(project_, 9, [&](DialogDriver& d) {
        auto* connection = d.child<QComboBox>("ConnecType1");
        d.choose("ComboThermType1", 0);  // Pt100
        QCOMPARE(connection->itemText(2), QString("4 fils"));
        d.choose("ComboThermType1", 6);  // a thermocouple
        QCOMPARE(connection->itemText(0), QString("Interne"));
        d.ok();
    }));
    // The choice reaches the record as in any language: the first channel
    // (which offers no external compensation) type K, internal compensation.
    QCOMPARE(table().record(9).Param1 & 0xFF, 5 << 5 | 29);
}

namespace {

// Visible controls narrower or lower than their text needs, and controls that
// stick out of the dialog.
QStringList clipped(QWidget* dlg)
{
    QStringList out;
    const QRect inside = dlg->rect();
    for (QWidget* w : dlg->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        auto* label = qobject_cast<QLabel*>(w);
        QSize need;
        if ((label && !label->wordWrap()) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QTabBar*>(w))
            need = w->sizeHint();
        else if (qobject_cast<QGroupBox*>(w))
            need = w->minimumSizeHint();
        if (!need.isValid()) continue;
        if (w->width() < need.width() || w->height() < need.height()) out << w->objectName() + " too small";
        if (!inside.contains(QRect(w->mapTo(dlg, QPoint(0, 0)), w->size())))
            out << w->objectName() + " outside the dialog";
    }
    return out;
}

// The dialog's own input controls (those with an object name, not the parts
// Qt builds inside a list or spin box) that have no accessible name.
QStringList unnamed(QWidget* dlg)
{
    QStringList out;
    for (QWidget* w : dlg->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                           qobject_cast<QPlainTextEdit*>(w);
        QWidget* p = w->parentWidget();
        const bool part =
            qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QTabBar*>(p);
        if (input && !part && !w->objectName().isEmpty() && w->accessibleName().trimmed().isEmpty())
            out << w->objectName();
    }
    return out;
}

void checkPages(DialogDriver& d, const QString& tag)
{
    const QStringList nameless = unnamed(d.dialog());
    QVERIFY2(nameless.isEmpty(), qPrintable(tag + " without an accessible name: " + nameless.join(", ")));
    QTabWidget* tabs = d.tabs();
    for (int i = 0; !tabs || i < tabs->count(); ++i) {
        if (tabs && !tabs->isTabVisible(i)) continue;
        if (tabs) tabs->setCurrentIndex(i);
        QApplication::processEvents();
        const QStringList cut = clipped(d.dialog());
        QVERIFY2(cut.isEmpty(), qPrintable(tag + " page " + QString::number(i) + ": " + cut.join(", ")));
        if (!tabs) break;
    }
}

}  // namespace

void RowDialogs::noTextCutOff()
{
    // Choices that show the controls a page hides at first: buttons clicked,
    // then lists set (name, item); a dialog with a list set must store it.
    struct Placed {
        const char* order;
        int row;
        std::vector<const char*> clicks = {};
        std::vector<std::pair<const char*, int>> choices = {};
    };
    const Placed modules[] = {
        {"QMV2.G120", 5},
        {"QMV2.G220", 6},
        {"QMV2.G510", 7},
        {"QMV2.E110", 8},
        {"QMV2.E325", 9, {}, {{"ComboThermType3", 8}}},
        {"QMV2.K202", 10},
        {"QMV2.K205", 11},
        {"QMV2.E210", 12},
        {"QMV2.E410", 13, {"rbFormatTyp1"}},
        {"QMV3.E302", 22},
        {"QMV3.K240", 23, {"rbModeX1", "rbModeY1"}},
        {"QMV3.E312", 26, {}, {{"Combo10", 2}, {"Combo11", 0}}},
        {"QMV3.E420", 27, {}, {{"Combo13", 2}, {"Combo10", 0}}},
    };
    start({}, "DEUTSCH");  // the longest texts
    for (const Placed& m : modules) QVERIFY2(fixture_->dropCatalog(project_, m.order, m.row), m.order);
    for (const Placed& m : modules) {
        const RowEintrag before = table().record(m.row);
        QVERIFY(openRow(project_, m.row, [&](DialogDriver& d) {
            for (const char* name : m.clicks) d.click(name);
            for (const auto& [name, item] : m.choices) d.choose(name, item);
            checkPages(d, m.order);
            m.choices.empty() ? d.cancel() : d.ok();
        }));
        QVERIFY2(m.choices.empty() == (table().record(m.row) == before), m.order);
    }
    // Still as placed (the SSI encoder's bit count 0 among them), each dialog
    // accepts OK as it opens, and after its own clicks.
    for (const Placed& m : modules) {
        if (!m.choices.empty()) continue;
        QVERIFY2(openRow(project_, m.row,
                         [&](DialogDriver& d) {
                             for (const char* name : m.clicks) d.click(name);
                             d.ok();
                         }),
                 m.order);
    }
}

QTEST_MAIN(RowDialogs)
#include "tst_RowDialogs.moc"
