// The parameter dialogs of module and CPU rows, opened from placed rows of a
// project window and set with mouse and keyboard as a user does: what OK
// leaves in the rows and in the generated source, what a refusal or Cancel
// leaves, and that no page cuts off its texts in any of the three languages.
// The rules behind the controls belong to the form model tests; here each
// dialog family is walked through once. With RM_SCREENSHOTS set to a folder,
// every page checked for cut-off texts is saved there.
#include <QAbstractSpinBox>
#include <QCheckBox>
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

// Works an open dialog: goes to a control's page by its tab, clicks, types,
// chooses from lists, OK.
class DialogDriver {
public:
    explicit DialogDriver(QWidget* dialog) : dlg_(dialog) {}
    QWidget* dialog() const { return dlg_; }

    template <class W = QWidget>
    W* child(const QString& name) const
    {
        W* w = dlg_->findChild<W*>(name);
        if (!w) qWarning("%s has no %s", qPrintable(dlg_->objectName()), qPrintable(name));
        return w;
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
    void click(const QString& name) const
    {
        auto* b = child<QAbstractButton>(name);
        if (!b) return;
        showPageOf(b);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(std::min(8, b->width() / 2), b->height() / 2));
    }
    // Replaces the text of a field by typing.
    void type(const QString& name, const QString& text) const
    {
        QWidget* w = child(name);
        if (!w) return;
        showPageOf(w);
        if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) w = c->lineEdit();
        w->setFocus();
        // A box of several lines (the comment) ends at Ctrl+End.
        QTest::keyClick(w, Qt::Key_End, qobject_cast<QPlainTextEdit*>(w) ? Qt::ControlModifier : Qt::NoModifier);
        for (qsizetype n = this->text(name).size(); n > 0; --n) QTest::keyClick(w, Qt::Key_Backspace);
        QTest::keyClicks(w, text);
    }
    QString text(const QString& name) const
    {
        QWidget* w = child(name);
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText();
        if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) return s->text();
        if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        return {};
    }
    // Chooses a list item with the arrow keys.
    void choose(const QString& name, int index) const
    {
        auto* c = child<QComboBox>(name);
        if (!c) return;
        showPageOf(c);
        c->setFocus();
        for (int guard = 0; c->currentIndex() != index && guard < 20; ++guard)
            QTest::keyClick(c, c->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    bool checked(const QString& name) const { return child<QAbstractButton>(name)->isChecked(); }
    bool shown(const QString& name) const
    {
        QWidget* w = child(name);
        showPageOf(w);
        return w->isVisibleTo(dlg_);
    }
    void ok() const { click("btnOk"); }
    void cancel() const { click("btnCancel"); }
    bool isOpen() const { return dlg_->isVisible(); }

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

// The initial-value lines of the data block structure of the module with this
// order number (its nth structure when it has several rows): "kenn := ...".
QStringList initLines(const ProjectTable& table, const std::string& order, int nth = 0)
{
    const QStringList lines = QString::fromStdString(generateIoBlock(table, 0)).split("\r\n");
    QString prefix;
    for (const QString& l : lines) {
        if (l.startsWith("   Modul") && l.endsWith("; //" + QString::fromStdString(order)) && nth-- == 0) {
            prefix = l.left(l.indexOf('.') + 1);
            break;
        }
    }
    QStringList out;
    for (const QString& l : lines)
        if (!prefix.isEmpty() && l.startsWith(prefix)) out << l.mid(prefix.size());
    return out;
}

}  // namespace

#define QVERIFY_INIT(table, order, line)                               \
    do {                                                               \
        const QStringList init_ = initLines(table, order);             \
        QVERIFY2(init_.contains(line), qPrintable(init_.join(" | "))); \
    } while (false)

class RowDialogs : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture_ = std::make_unique<GuiFixture>(); }
    void cleanup();

    void digitalFrames();
    void refusedStartsKeepTheDialogOpen();
    void analogInputPages();
    void temperatureRefusesAndStores();
    void moduleOfSeveralRowsKeepsItsOtherRows();
    void analogOutputs();
    void counterKeepsWhatIsNotItsOwn();
    void ssiEncoderRefusesABadBitCount();
    void twoAxisEncoderRefusalCancelAndOk();
    void positioningAsksForEachMovedAddress();
    void cpuConfiguredGivesTheReferenceBlock();
    void cpuWebServerNeedsMpiMode();
    void cpuRefusedInputKeepsTheDialogOpen();
    void cpuCancelWritesNothingAndOlderPorts();
    void noTextCutOff_data();
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
    void startWithCpu(const std::string& cpu)
    {
        fixture_->start();
        project_ = fixture_->newProject("Hall2");
        QVERIFY(project_ && fixture_->dropCatalog(project_, cpu, 1));
    }
    ProjectTable& table() { return project_->table(); }
    std::vector<std::string> cells(int row)
    {
        std::vector<std::string> out;
        for (int c = 0; c < ProjectTable::kColumns; ++c) out.push_back(table().cell(row, c));
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
    static std::string lastPrompt() { return GuiAsker::asked.back().prompt; }

    std::unique_ptr<GuiFixture> fixture_;
    ProjectWindow* project_ = nullptr;
};

void RowDialogs::cleanup()
{
    QVERIFY2(GuiAsker::unexpected.empty(),
             GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
    delete HelpViewer::instance();
    fixture_.reset();
}

void RowDialogs::digitalFrames()
{
    start({{"QMV2.G120", 5}, {"QMV2.G220", 6}, {"QMV2.G510", 7}});  // inputs, outputs, both with a mask
    QVERIFY(openRow(project_, 5, [](DialogDriver& d) {
        d.type("txtBezeichnung", "Hall sensors");
        d.type("txtKommentar", "north wall");
        d.type("txtAnfangsAdresse", "16");
        QCOMPARE(d.text("lblEnde"), QString("17"));
        d.click("btnHelp");
        d.ok();
    }));
    QVERIFY(HelpViewer::instance());
    QCOMPARE(table().record(5).Kommentar, std::string("north wall"));
    QCOMPARE(cells(5), (std::vector<std::string>{"1", "QMV2.G120", "Hall sensors", "16", "-", "2", "-"}));
    QVERIFY_INIT(table(), "QMV2.G120", "InBase := 16;");

    QVERIFY(openRow(project_, 6, [](DialogDriver& d) {
        d.type("txtAnfangsAdresse", "6");
        d.ok();
    }));
    QCOMPARE(table().record(6).OutBase, int16_t{6});
    QCOMPARE(table().cell(6, 4), std::string("6"));

    QVERIFY(openRow(project_, 7, [](DialogDriver& d) {
        d.click("rbMask2");
        d.click("rbMask5");
        d.type("txtAnfangsAdresse0", "3");
        d.type("txtAnfangsAdresse1", "9");
        d.ok();
    }));
    QCOMPARE(table().record(7).Param1, int16_t{0xE4});
    QCOMPARE(table().cell(7, 3) + table().cell(7, 4), std::string("39"));
    QVERIFY_INIT(table(), "QMV2.G510", "mask := B#16#E4;");
    okKeepsTheRecord(7);
}

void RowDialogs::refusedStartsKeepTheDialogOpen()
{
    start({{"QMV2.G120", 5}, {"QMV2.G120", 6}});  // inputs 0..1 and 2..3
    const RowEintrag before = table().record(6);
    const auto shownBefore = cells(6);
    QVERIFY(openRow(project_, 6, [&](DialogDriver& d) {
        d.type("txtBezeichnung", "not kept");
        for (const char* start : {"", "2.5"}) {
            d.type("txtAnfangsAdresse", start);
            QCOMPARE(d.text("lblEnde"), QString());
            GuiAsker::setNextAnswers({answer::Ok});
            d.ok();
            QVERIFY2(d.isOpen(), start);
        }
        QCOMPARE(fixture_->session().app.CurrentModule, before);  // nothing stored
        // On row 5's range, the next free start declined.
        d.type("txtAnfangsAdresse", "0");
        GuiAsker::setNextAnswers({answer::No});
        d.ok();
        QVERIFY(d.isOpen());
        QCOMPARE(table().record(6), before);
        d.cancel();
    }));
    QCOMPARE(table().record(6), before);
    QCOMPARE(cells(6), shownBefore);

    QVERIFY(openRow(project_, 6, [](DialogDriver& d) {
        d.type("txtAnfangsAdresse", "1");
        GuiAsker::setNextAnswers({answer::Yes});
        d.ok();
    }));
    QCOMPARE(table().record(6).InBase, int16_t{2});
    QCOMPARE(table().cell(6, 3), std::string("2"));
}

void RowDialogs::analogInputPages()
{
    // Value formats with the step of 4; a format per channel; ranges per channel.
    start({{"QMV2.E110", 5}});
    const int16_t base = table().record(5).InBase;
    QVERIFY(openRow(project_, 5, [base](DialogDriver& d) {
        d.click("Check23");
        QCOMPARE(d.text("lblEnde"), QString::number(base + 15));
        d.click("rbFormat2");
        d.ok();
    }));
    QCOMPARE(static_cast<uint16_t>(table().record(5).identWord()), 0xC028);
    QCOMPARE(table().cell(5, 5), std::string("16"));
    QVERIFY_INIT(table(), "QMV2.E110", "kenn := W#16#C028; //QMV2.E110");
    okKeepsTheRecord(5);

    QVERIFY(fixture_->dropCatalog(project_, "QMV3.E304", 22));
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.E302", 23));
    QVERIFY(openRow(project_, 22, [](DialogDriver& d) {
        for (int i = 0; i < 8; ++i) d.choose("Combo1" + QString::number(i), 3);
        d.ok();
    }));
    QVERIFY_INIT(table(), "QMV3.E304", "dummy_w := W#16#FFFF;");

    QVERIFY(openRow(project_, 23, [](DialogDriver& d) {
        d.choose("Combo20", 0);  // 4..20 mA stays checked
        d.choose("Combo21", 0);
        d.click("chk_4to20mA1");
        d.choose("Combo22", 2);
        QVERIFY(d.shown("CustomData2"));
        // A user range: the refused one keeps its dialog open, Cancel gives
        // back what it was opened with.
        whenDialog("UserKanal", [](DialogDriver& r) {
            r.type("txt_minValue", "6a00");
            r.type("txt_maxValue", "500");
            GuiAsker::setNextAnswers({answer::Ok});
            r.click("btn_OK");
            QVERIFY(r.isOpen());
            r.type("txt_minValue", "-5");
            r.click("btn_OK");
        });
        d.click("CustomData2");
        d.choose("Combo23", 2);
        whenDialog("UserKanal", [](DialogDriver& r) {
            r.type("txt_maxValue", "99");
            r.click("btn_cancel");
        });
        d.click("CustomData3");
        d.click("Check30");
        d.click("Check32");
        d.ok();
    }));
    const std::vector<KanalWert>& k = table().record(23).KanalWerte;
    QCOMPARE(k[0], (KanalWert{1, -1023, 4095, 0}));
    QCOMPARE(k[1], (KanalWert{0, 0, 4095, 0}));
    QCOMPARE(k[2], (KanalWert{1, -5, 500, 0}));
    QCOMPARE(k[3], (KanalWert{1, 0, 20000, 0}));
    QCOMPARE(table().record(23).Param3, int16_t{5});
    QVERIFY_INIT(table(), "QMV3.E302", "MinVaCh2 := -5;");
    okKeepsTheRecord(23);
}

void RowDialogs::temperatureRefusesAndStores()
{
    start({{"QMV2.E325", 5}});
    const RowEintrag before = table().record(5);
    QVERIFY(openRow(project_, 5, [&](DialogDriver& d) {
        d.choose("ComboThermType2", 6);  // K (NiCr-Ni)
        QCOMPARE(d.child<QComboBox>("ConnecType2")->count(), 2);
        d.choose("ConnecType2", 1);  // External
        d.choose("ComboThermType1", 6);
        QCOMPARE(d.child<QComboBox>("ConnecType1")->count(), 1);  // no external one on channel 0
        d.choose("ComboThermType1", 4);                           // R600  Ohm: no compensation
        d.choose("ConnecType1", 1);
        d.type("txtKommentar", "oven");
        GuiAsker::setNextAnswers({answer::Ok});
        d.ok();
        QVERIFY(d.isOpen());
        QCOMPARE(GuiAsker::asked.back().title, std::string("Error, External compensation required"));
        QCOMPARE(fixture_->session().app.CurrentModule, before);
        d.choose("ComboThermType1", 0);  // Pt100
        d.choose("ConnecType1", 2);      // 4 wire
        d.choose("ComboThermType3", 8);  // +/- 75mV
        d.choose("ComboThermType4", 9);  // not used
        d.choose("CombomeasureUnit", 1);
        d.ok();
    }));
    const RowEintrag& r = table().record(5);
    QCOMPARE((std::array<int, 4>{r.Param1, r.Param2, r.Param3, r.Param4}), (std::array<int, 4>{0x61, 0xDD, 0xBF, 0}));
    QCOMPARE(static_cast<uint16_t>(r.identWord()), 0x0250);
    QCOMPARE(r.Kommentar, std::string("oven"));
    QVERIFY_INIT(table(), "QMV2.E325", "dummy_w := W#16#BF00;");
}

void RowDialogs::moduleOfSeveralRowsKeepsItsOtherRows()
{
    start({{"QMV3.M300", 22}});  // DI 22, DO 23, AI 24
    const auto second = cells(23);
    const RowEintrag di = table().record(22), doRow = table().record(23);
    QVERIFY(openRow(project_, 24, [](DialogDriver& d) {
        QCOMPARE(d.dialog()->objectName(), QString("AInput"));
        d.type("txtBezeichnung", "AI part");
        d.ok();
    }));
    QCOMPARE(table().record(24).Bezeichnung, std::string("AI part"));
    QCOMPARE(table().record(22), di);
    QCOMPARE(cells(23), second);
    QVERIFY(openRow(project_, 22, [](DialogDriver& d) { d.ok(); }));
    QCOMPARE(table().cell(24, 2), std::string("AI part"));
    QCOMPARE(table().record(23), doRow);
    QVERIFY(!initLines(table(), "QMV3.M300", 2).isEmpty());  // all three parts in the block
}

void RowDialogs::analogOutputs()
{
    // Output formats, 4..20 mA output channels, and the combined module's
    // formats and scaled outputs.
    start({{"QMV2.E210", 7}, {"QMV2.E410", 8}, {"QMV3.E312", 22}, {"QMV3.E420", 23}});
    auto enterRange = [](DialogDriver& d, int channel, const QString& min, const QString& max, const QString& reset) {
        whenDialog("UserKanal", [=](DialogDriver& r) {
            r.type("txt_minValue", min);
            r.type("txt_maxValue", max);
            r.type("txt_ResetVal", reset);
            r.click("btn_OK");
        });
        d.click("CustomData" + QString::number(channel));
    };
    QVERIFY(openRow(project_, 7, [](DialogDriver& d) {
        d.click("rbFormat2");
        d.ok();
    }));
    QVERIFY_INIT(table(), "QMV2.E210", "kenn := W#16#8010; //QMV2.E210");
    QVERIFY(openRow(project_, 8, [](DialogDriver& d) {
        d.click("rbFormatTyp1");
        d.click("rbFormat0");
        d.click("cboxFormat1");
        d.ok();
    }));
    QVERIFY_INIT(table(), "QMV2.E410", "kenn := W#16#9030; //QMV2.E410");

    QVERIFY(openRow(project_, 22, [&](DialogDriver& d) {
        d.click("chk_4to20mA1");  // 0...20'000 without 4..20 mA
        d.choose("Combo12", 0);
        d.click("chk_4to20mA2");
        d.choose("Combo13", 2);
        enterRange(d, 3, "-5", "500", "7");
        d.ok();
    }));
    const std::vector<KanalWert>& k = table().record(22).KanalWerte;
    QCOMPARE(k, (std::vector<KanalWert>{{1, 0, 20000, 4000}, {1, 0, 20000, 0}, {1, -1023, 4095, 0}, {1, -5, 500, 7}}));
    QVERIFY_INIT(table(), "QMV3.E312", "ResVaCh3 := 7;");
    okKeepsTheRecord(22);

    QVERIFY(openRow(project_, 23, [&](DialogDriver& d) {
        d.choose("Combo10", 0);
        d.choose("Combo12", 2);
        enterRange(d, 2, "-2000", "2000", "-100");
        d.ok();
    }));
    const std::vector<KanalWert>& c = table().record(23).KanalWerte;
    QCOMPARE(c[0], (KanalWert{0, 0, 4095, 0}));
    QCOMPARE(c[2], (KanalWert{0, -2000, 2000, -100}));
    QVERIFY_INIT(table(), "QMV3.E420", "ResVaCh2 := -100;");
    okKeepsTheRecord(23);
}

void RowDialogs::counterKeepsWhatIsNotItsOwn()
{
    start({{"QMV2.K202", 5}});
    table().record(5).Param1 = 0x55;  // not the dialog's
    QVERIFY(openRow(project_, 5, [](DialogDriver& d) {
        d.click("rbMode3");
        d.click("cBoxEingang0");
        d.click("rbStore0");
        d.choose("Combo1", 1);
        d.click("cBoxMessung");
        d.click("rbMessung4");
        d.ok();
    }));
    const RowEintrag& r = table().record(5);
    QCOMPARE((std::array<int, 4>{r.Param1, r.Param2, r.Param3, r.Param4}), (std::array<int, 4>{0x55, 1, 0xD4, 0x80}));
    QVERIFY_INIT(table(), "QMV2.K202", "dummy_w := W#16#D480;");
    okKeepsTheRecord(5, [](DialogDriver& d) {
        for (const char* on : {"rbMode3", "cBoxEingang0", "rbStore0", "rbStore3", "cBoxMessung", "rbMessung4"})
            QVERIFY2(d.checked(on), on);
        QCOMPARE(d.text("Combo1"), QString("ResetC"));
    });
}

void RowDialogs::ssiEncoderRefusesABadBitCount()
{
    start({{"QMV2.K205", 6}});
    const RowEintrag placed = table().record(6);
    const auto placedCells = cells(6);
    QVERIFY(openRow(project_, 6, [&](DialogDriver& d) {
        d.type("txtBezeichnung", "Lift axis");
        // No bit count yet: refused, shown, and nothing stored.
        GuiAsker::setNextAnswers({answer::Ok});
        d.ok();
        QVERIFY(d.isOpen());
        QCOMPARE(d.tabs()->currentWidget()->objectName(), QString("TabExtra"));
        QCOMPARE(d.dialog()->focusWidget(), d.child("txtAnzahlDatenBit"));
        QCOMPARE(table().record(6), placed);
        QCOMPARE(cells(6), placedCells);

        d.click("rbMode1");
        d.click("rbFormat0");
        d.click("rbFrequenz3");
        d.type("txtAnzahlDatenBit", "30");
        QTest::keyClick(d.child("txtAnzahlDatenBit"), Qt::Key_Up);
        QTest::keyClick(d.child("txtAnzahlDatenBit"), Qt::Key_Up);  // stops at the top of the range
        QCOMPARE(d.text("txtAnzahlDatenBit"), QString("31"));
        d.type("txtAnzahlDatenBit", "25");
        d.ok();
    }));
    QCOMPARE(table().cell(6, 2), std::string("Lift axis"));
    QVERIFY_INIT(table(), "QMV2.K205", "dummy_w := W#16#F19;");
}

void RowDialogs::twoAxisEncoderRefusalCancelAndOk()
{
    start({{"QMV3.K240", 22}});
    const auto before = table().RowArray();
    const auto xCells = cells(22), yCells = cells(23);
    QVERIFY(openRow(project_, 22, [&](DialogDriver& d) {
        d.click("rbModeY1");
        d.type("txtAnzahlDatenBitY", "5");
        d.click("rbModeX1");
        d.type("txtAnzahlDatenBitX", "12");
        GuiAsker::setNextAnswers({answer::Ok});
        d.ok();
        QVERIFY(d.isOpen());
        QCOMPARE(d.tabs()->currentWidget()->objectName(), QString("TabAxisY"));
        QCOMPARE(table().RowArray(), before);
        d.cancel();
    }));
    QCOMPARE(table().RowArray(), before);
    QCOMPARE(cells(22), xCells);

    QVERIFY(openRow(project_, 22, [](DialogDriver& d) {
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
    QCOMPARE(cells(23), yCells);
    QVERIFY_INIT(table(), "QMV3.K240", "dummy_w := W#16#1806;");
    QVERIFY(initLines(table(), "QMV3.K240", 1).contains("dummy_w := W#16#D01;"));
    okKeepsTheRecord(22, [](DialogDriver& d) {
        QVERIFY(d.checked("rbModeY0") && d.checked("rbFrequenzY1") && d.checked("rbFormatX1"));
        QCOMPARE(d.text("txtAnzahlDatenBitY"), QString("13"));
    });
}

void RowDialogs::positioningAsksForEachMovedAddress()
{
    start({{"QMV3.K240", 22}, {"QMV3.K201", 24}});
    const RowEintrag encoder = table().record(22);
    const RowEintrag placed = table().record(24);
    QVERIFY(openRow(project_, 24, [&](DialogDriver& d) {
        // Both starts on the encoder's ranges: two questions, one declined.
        d.type("txtAnfangsAdresse0", QString::number(encoder.InBase));
        d.type("txtAnfangsAdresse1", QString::number(encoder.OutBase));
        GuiAsker::setNextAnswers({answer::Yes, answer::No});
        const std::size_t asked = GuiAsker::asked.size();
        d.ok();
        QVERIFY(d.isOpen());
        QCOMPARE(GuiAsker::asked.size(), asked + 2);
        QCOMPARE(table().record(24), placed);
        d.type("txtAnfangsAdresse0", "64");
        d.type("txtAnfangsAdresse1", "80");
        d.ok();
    }));
    const RowEintrag& r = table().record(24);
    QCOMPARE((std::array<int, 4>{r.Param1, r.Param2, r.Param3, r.Param4}),
             (std::array<int, 4>{placed.Param1, placed.Param2, placed.Param3, placed.Param4}));
    QCOMPARE(table().cell(24, 3) + "/" + table().cell(24, 4), std::string("64/80"));
    QVERIFY_INIT(table(), "QMV3.K201", "OutBase := 80;");
}

void RowDialogs::cpuConfiguredGivesTheReferenceBlock()
{
    startWithCpu("QMV2.R230");
    const int rows = table().lastRow();
    QVERIFY(openRow(project_, 1, [](DialogDriver& d) {
        d.click("CheckMemorySelect");
        auto* size = d.child<QSpinBox>("MemorySizeUpDown");
        size->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(size, Qt::Key_Down);
        QCOMPARE(d.text("MemorySize"), QString("4"));
        d.type("CompilePriority0", "OB1");
        d.click("CheckConfigMPI");
        d.click("CheckOperatingWeb");
        auto* baud = d.child<QComboBox>("ComboMaxBaudRate1");
        d.showPageOf(baud);
        baud->setFocus();
        QTest::keyClick(baud, Qt::Key_Down);
        d.click("CheckPeripheryAccess");
        d.ok();
    }));
    QVERIFY(GuiAsker::asked.empty());
    QCOMPARE(table().lastRow(), rows);
    const std::string golden = rm::test::readText(rm::test::dataPath("io_with_cpu_block.awl"));
    const auto start = golden.find("\r\n\r\nDATA_BLOCK DB 1023");
    QVERIFY(start != std::string::npos);
    QCOMPARE(generateCpuBlock(table().record(1), 3), golden.substr(start));
}

void RowDialogs::cpuWebServerNeedsMpiMode()
{
    startWithCpu("QMV2.R230");
    QVERIFY(openRow(project_, 1, [](DialogDriver& d) {
        // Without MPI mode the web server is refused and stays off.
        GuiAsker::setNextAnswers({answer::Ok});
        d.click("CheckOperatingWeb");
        QVERIFY(!d.checked("CheckOperatingWeb"));
        d.click("CheckConfigMPI");
        d.click("CheckOperatingWeb");
        // MPI mode off asks first: Cancel keeps both, OK switches both off.
        GuiAsker::setNextAnswers({answer::Cancel});
        d.click("CheckConfigMPI");
        QVERIFY(d.checked("CheckConfigMPI") && d.checked("CheckOperatingWeb"));
        GuiAsker::setNextAnswers({answer::Ok});
        d.click("CheckConfigMPI");
        QVERIFY(!d.checked("CheckConfigMPI") && !d.checked("CheckOperatingWeb"));
        d.ok();
    }));
    const CpuConfig& c = table().record(1).Cpu;
    QVERIFY(c.MpiMode == kFalse && c.WebOn == kFalse);

    // Stored with the web server on and MPI mode off (an older project):
    // opening tells so, and OK stores the web server off.
    table().record(1).Cpu.WebOn = kTrue;
    GuiAsker::asked.clear();
    GuiAsker::setNextAnswers({answer::Ok});
    QVERIFY(openRow(project_, 1, [](DialogDriver& d) {
        QCOMPARE(GuiAsker::asked.size(), std::size_t{1});
        d.ok();
    }));
    QCOMPARE(table().record(1).Cpu.WebOn, kFalse);
}

void RowDialogs::cpuRefusedInputKeepsTheDialogOpen()
{
    startWithCpu("QMV2.R230");
    const RowEintrag before = table().record(1);
    QVERIFY(openRow(project_, 1, [&](DialogDriver& d) {
        d.click("CheckConfigMPI");
        d.click("CheckOperatingWeb");
        d.type("txtPassword1", "it's");
        d.type("txtIndexDB", "70000");
        d.showPageOf(d.child("txtBezeichnung"));

        GuiAsker::setNextAnswers({answer::Ok});
        d.ok();
        QVERIFY(d.isOpen());
        QVERIFY2(lastPrompt().find("\"Index DB\"") != std::string::npos, lastPrompt().c_str());
        QCOMPARE(d.tabs()->currentIndex(), 2);
        QCOMPARE(d.dialog()->focusWidget(), d.child("txtIndexDB"));
        QTest::keyClicks(d.child("txtIndexDB"), "901");  // the wrong text is selected

        GuiAsker::setNextAnswers({answer::Ok});
        d.ok();
        QVERIFY(d.isOpen());
        QCOMPARE(d.dialog()->focusWidget(), d.child("txtPassword1"));
        QTest::keyClicks(d.child("txtPassword1"), "secret");
        QCOMPARE(fixture_->session().app.CurrentModule.Cpu, before.Cpu);  // refused OKs store nothing
        d.ok();
    }));
    QCOMPARE(table().record(1).Cpu.IndexDB, int16_t{901});
    QVERIFY(generateCpuBlock(table().record(1), 1).find("'WEB:Password=secret,,,'") != std::string::npos);
}

void RowDialogs::cpuCancelWritesNothingAndOlderPorts()
{
    startWithCpu("QMV1.R200");
    table().SetProjektDataHasChangedFlag(false);
    const RowEintrag before = table().record(1);
    QVERIFY(openRow(project_, 1, [](DialogDriver& d) {
        d.type("txtBezeichnung", "Press line");
        d.click("CheckConfigMPI");
        d.cancel();
    }));
    QCOMPARE(table().record(1), before);
    QVERIFY(!table().changed());

    QVERIFY(openRow(project_, 1, [](DialogDriver& d) {
        QList<bool> enabled;
        for (int i = 0; i < d.tabs()->count(); ++i) enabled << d.tabs()->isTabEnabled(i);
        QCOMPARE(enabled, (QList<bool>{true, false, false, true, true, false}));
        d.type("txtBezeichnung", "Press line");
        d.click("CheckConfigMPI");
        auto* port = d.child<QComboBox>("ComboPortNumber");
        port->setFocus();
        QTest::keyClick(port, Qt::Key_Down);
        d.click("OptionCoomThrough1");
        d.click("OptionCoomThrough0");
        QCOMPARE(port->currentText(), QString("2"));  // re-selected: the preset port again
        d.type("ComboBaudRate", "9600");
        d.ok();
    }));
    QCOMPARE(table().cell(1, 2), std::string("Press line"));
    QVERIFY(generateCpuBlock(table().record(1), 1).find("'COM2:PTP_MPI,RS232,9600,8,O,1'") != std::string::npos);
}

void RowDialogs::noTextCutOff_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("base");
    QTest::newRow("en") << "ENGLISH" << kEnglishBase;
    QTest::newRow("de") << "DEUTSCH" << kGermanBase;
    QTest::newRow("fr") << "OPTION" << kFrenchBase;
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
        else if (qobject_cast<QLineEdit*>(w))
            need = QSize(w->minimumSizeHint().width(), 0);
        if (!need.isValid()) continue;
        if (w->width() < need.width() || w->height() < need.height())
            out << QString("%1 %2x%3 < %4x%5")
                       .arg(w->objectName())
                       .arg(w->width())
                       .arg(w->height())
                       .arg(need.width())
                       .arg(need.height());
        if (!inside.contains(QRect(w->mapTo(dlg, QPoint(0, 0)), w->size())))
            out << w->objectName() + " outside the dialog";
    }
    return out;
}

void checkPages(DialogDriver& d, const QString& tag)
{
    const QString shots = qEnvironmentVariable("RM_SCREENSHOTS");
    QTabWidget* tabs = d.tabs();
    for (int i = 0; !tabs || i < tabs->count(); ++i) {
        if (tabs && !tabs->isTabVisible(i)) continue;
        if (tabs) tabs->setCurrentIndex(i);
        QApplication::processEvents();
        const QStringList cut = clipped(d.dialog());
        QVERIFY2(cut.isEmpty(), qPrintable(tag + " page " + QString::number(i) + ": " + cut.join(", ")));
        if (!shots.isEmpty()) d.dialog()->grab().save(QString("%1/%2-%3.png").arg(shots, tag).arg(i));
        if (!tabs) break;
    }
}

}  // namespace

void RowDialogs::noTextCutOff()
{
    QFETCH(QString, language);
    QFETCH(int, base);
    // Choices that show the controls a page hides at first: buttons clicked,
    // then lists set (name, item).
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
        {"QMV2.E325", 9},
        {"QMV2.K202", 10},
        {"QMV2.K205", 11},
        {"QMV2.E210", 12},
        {"QMV2.E410", 13, {"rbFormatTyp1"}},
        {"QMV3.E302", 22},
        {"QMV3.K240", 23, {"rbModeX1", "rbModeY1"}},
        {"QMV3.E311", 25, {}, {{"Combo15", 2}}},
        {"QMV3.E312", 26, {}, {{"Combo10", 2}, {"Combo11", 0}}},
        {"QMV3.E420", 27, {}, {{"Combo13", 2}}},
    };
    start({}, language);
    QCOMPARE(fixture_->session().app.texts.base(), base);
    const QString shots = qEnvironmentVariable("RM_SCREENSHOTS");
    if (!shots.isEmpty()) QDir().mkpath(shots);
    for (const Placed& m : modules) QVERIFY2(fixture_->dropCatalog(project_, m.order, m.row), m.order);
    for (const Placed& m : modules) {
        const QString tag = QTest::currentDataTag() + QString("-") + m.order;
        QVERIFY(openRow(project_, m.row, [&](DialogDriver& d) {
            QVERIFY(d.dialog()->windowTitle().endsWith(QString("  ") + m.order));
            for (const char* name : m.clicks) d.click(name);
            for (const auto& [name, item] : m.choices) d.choose(name, item);
            checkPages(d, tag);
            if (QString(m.order) == "QMV3.E302") {
                d.choose("Combo20", 2);
                whenDialog("UserKanal", [&](DialogDriver& r) {
                    checkPages(r, tag + "-range");
                    r.click("btn_cancel");
                });
                d.click("CustomData0");
            }
            d.cancel();
        }));
    }
}

QTEST_MAIN(RowDialogs)
#include "tst_RowDialogs.moc"
