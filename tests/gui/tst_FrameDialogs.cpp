// The module dialog frame and the digital, analog input and temperature
// dialogs, opened from placed rows of a project window and set with mouse
// and keyboard: what OK leaves in the rows and in the generated source, what
// is refused, and how every page looks in the three languages.
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QtTest>

#include "ModuleDialogDriver.h"
#include "gui/app/HelpViewer.h"
#include "gui/modules/FrameDialogs.h"

using namespace rm;
using namespace rm::gui;
using namespace rm::gui::test;

class FrameDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerFrameDialogs(); }
    void init();
    void cleanup();

    void digitalInputFrame();
    void refusedStartsKeepTheDialogOpen();
    void digitalOutputFrame();
    void digitalCombinedMask();
    void combinedModuleAsksInputsFirst();
    void analogValueFormatAndStepOf4();
    void analogFormatPerChannel();
    void analogRangesAndCustomRange();
    void userRangeKeysAndCancel();
    void temperatureChannels();
    void moduleOfSeveralRowsKeepsItsOtherRows();
    void everyPageInEveryLanguage_data();
    void everyPageInEveryLanguage();

private:
    void start(const QString& language = "ENGLISH");
    ProjectTable& table() { return project_->table(); }
    std::vector<std::string> cells(int row)
    {
        std::vector<std::string> out;
        for (int c = 1; c < ProjectTable::kColumns; ++c) out.push_back(table().cell(row, c));
        return out;
    }
    static QString helpPageShown()
    {
        HelpViewer* v = HelpViewer::instance();
        return v ? v->source().fileName() : QString();
    }
    static QString lastPrompt() { return QString::fromStdString(GuiAsker::asked.back().prompt); }
    static QString lastTitle() { return QString::fromStdString(GuiAsker::asked.back().title); }
    static QString label(DialogDriver& d, const QString& name) { return d.child<QLabel>(name)->text(); }
    // The range dialog opened from the module dialog; closed (cancelled) when
    // `act` leaves it open, so that a failing check cannot hang the test.
    static void inRangeDialog(std::function<void(DialogDriver&)> act)
    {
        whenDialog("UserKanal", [act](DialogDriver& r) {
            QPointer<QWidget> guard(r.dialog());
            act(r);
            if (guard && guard->isVisible()) qobject_cast<QDialog*>(guard.data())->reject();
        });
    }

    std::unique_ptr<GuiFixture> fixture_;
    ProjectWindow* project_ = nullptr;
};

void FrameDialogs::init()
{
    fixture_ = std::make_unique<GuiFixture>();
}

// A project with the family-2 CPU (slots from row 5) and a family-3 rack
// (slots from row 22).
void FrameDialogs::start(const QString& language)
{
    project_ = fixture_->startWithRack(language);
    QVERIFY(project_);
}

void FrameDialogs::cleanup()
{
    QVERIFY2(GuiAsker::unexpected.empty(),
             GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
    if (HelpViewer* v = HelpViewer::instance()) delete v;
    fixture_.reset();
}

void FrameDialogs::digitalInputFrame()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.G120", 5));  // 2 input bytes
    QVERIFY(openRow(project_, 5, [](DialogDriver& d) {
        QCOMPARE(d.dialog()->windowTitle(), QString("Properties -  QMV2.G120"));
        QCOMPARE(d.visibleTabs(), QStringList({"General"}));
        QCOMPARE(label(d, "lblBestellNr"), QString("QMV2.G120"));
        QCOMPARE(d.text("txtAnfangsAdresse"), QString("0"));
        QCOMPARE(label(d, "lblEnde"), QString("1"));
        d.type("txtBezeichnung", "Hall sensors");
        d.type("txtKommentar", "north wall");
        d.type("txtAnfangsAdresse", "16");
        QCOMPARE(label(d, "lblEnde"), QString("17"));
        d.click("btnHelp");
        d.ok();
    }));
    QCOMPARE(helpPageShown(), QString("context-8.html"));
    const RowEintrag& r = table().record(5);
    QCOMPARE(r.InBase, int16_t{16});
    QCOMPARE(r.Kommentar, std::string("north wall"));
    QCOMPARE(cells(5), (std::vector<std::string>{"QMV2.G120", "Hall sensors", "16", "-", "2", "-"}));
    QVERIFY(initLines(table(), "QMV2.G120").contains("InBase := 16;"));
}

void FrameDialogs::refusedStartsKeepTheDialogOpen()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.G120", 5));
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.G120", 6));  // inputs 2..3
    const RowEintrag before = table().record(6);
    const auto shownBefore = cells(6);
    QVERIFY(openRow(project_, 6, [&](DialogDriver& d) {
        d.type("txtBezeichnung", "not kept");
        for (const char* start : {"", "2.5"}) {
            d.type("txtAnfangsAdresse", start);
            QCOMPARE(label(d, "lblEnde"), QString());
            GuiAsker::setNextAnswers({answer::Ok});
            d.ok();
            QVERIFY2(d.isOpen(), start);
            QCOMPARE(lastTitle(), QString("Invalid Data"));
            QVERIFY2(lastPrompt().startsWith("\"Input Start\""), qPrintable(lastPrompt()));
            QVERIFY(lastPrompt().contains("from 0 to 31999"));
        }
        QCOMPARE(fixture_->session().app.CurrentModule, before);  // nothing stored

        // Row 5 holds 0..1: the next free start is 2.
        d.type("txtAnfangsAdresse", "0");
        GuiAsker::setNextAnswers({answer::No});
        d.ok();
        QVERIFY(d.isOpen());
        QVERIFY(lastPrompt().startsWith("Do you want to give the next free address ? \nNext free address:2\n\n"));
        QCOMPARE(lastTitle(), QString("Invalid address range"));
        QCOMPARE(table().record(6), before);
        QCOMPARE(cells(6), shownBefore);
        d.cancel();
    }));
    // Cancel after the refused attempts leaves the row as it was.
    QCOMPARE(table().record(6), before);
    QCOMPARE(cells(6), shownBefore);

    QVERIFY(openRow(project_, 6, [](DialogDriver& d) {
        d.type("txtAnfangsAdresse", "1");
        GuiAsker::setNextAnswers({answer::Yes});
        d.ok();
    }));
    QVERIFY(lastPrompt().contains("Next free address:2\n"));
    QCOMPARE(table().record(6).InBase, int16_t{2});
    QCOMPARE(table().cell(6, 3), std::string("2"));
}

void FrameDialogs::digitalOutputFrame()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.G220", 5));
    QVERIFY(openRow(project_, 5, [](DialogDriver& d) {
        QCOMPARE(label(d, "lblEnde"), QString("1"));
        d.type("txtAnfangsAdresse", "6");
        QCOMPARE(label(d, "lblEnde"), QString("7"));
        d.click("btnHelp");
        d.ok();
    }));
    QCOMPARE(helpPageShown(), QString("context-10.html"));
    QCOMPARE(table().record(5).OutBase, int16_t{6});
    QCOMPARE(table().record(5).InBase, int16_t{0});
    QCOMPARE(cells(5), (std::vector<std::string>{"QMV2.G220", "DO 16x DC 24 V 0.5 A", "-", "6", "-", "2"}));
}

void FrameDialogs::digitalCombinedMask()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.G510", 5));
    QVERIFY(openRow(project_, 5, [](DialogDriver& d) {
        QCOMPARE(d.visibleTabs(), QStringList({"General", "Addresses"}));
        for (const char* fixed : {"rbMask0", "rbMask1", "rbMask6", "rbMask7"}) QVERIFY2(!d.enabled(fixed), fixed);
        QVERIFY(d.checked("rbMask6") && d.checked("rbMask7"));
        QVERIFY(!d.checked("rbMask2"));
        d.click("rbMask2");
        d.click("rbMask5");
        d.type("txtAnfangsAdresse0", "3");
        d.type("txtAnfangsAdresse1", "9");
        d.click("btnHelp");
        d.ok();
    }));
    QCOMPARE(helpPageShown(), QString("context-9.html"));
    QCOMPARE(table().record(5).Param1, int16_t{0xE4});
    QCOMPARE(cells(5)[2], std::string("3"));
    QCOMPARE(cells(5)[3], std::string("9"));
    QVERIFY(initLines(table(), "QMV2.G510").contains("mask := B#16#E4;"));

    // Reopened and confirmed unchanged: the dialog shows every stored choice.
    const RowEintrag stored = table().record(5);
    QVERIFY(openRow(project_, 5, [](DialogDriver& d) { d.ok(); }));
    QCOMPARE(table().record(5), stored);
}

void FrameDialogs::combinedModuleAsksInputsFirst()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.G510", 5));  // in 0, out 0
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.G210", 7));  // out 1
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.G320", 6));  // in 1..2, out 2..3
    QVERIFY(openRow(project_, 6, [](DialogDriver& d) {
        d.type("txtAnfangsAdresse0", "0");
        d.type("txtAnfangsAdresse1", "0");
        GuiAsker::setNextAnswers({answer::Yes, answer::Yes});
        d.ok();
    }));
    const auto& asked = GuiAsker::asked;
    QCOMPARE(asked.size(), std::size_t{2});
    // Each question names the range asked for, what holds it and the offer.
    const QString inputs = QString::fromStdString(asked[0].prompt);
    const QString outputs = QString::fromStdString(asked[1].prompt);
    QVERIFY2(inputs.contains("Next free address:1\n\nInputs 0..1 were asked for.\n") &&
                 inputs.contains("(QMV2.G510) holds 0..0.") && inputs.endsWith("Offered: 1..2."),
             qPrintable(inputs));
    QVERIFY2(outputs.contains("Next free address:2\n\nOutputs 0..1 were asked for.\n") &&
                 outputs.contains("(QMV2.G210) holds 1..1.") && outputs.endsWith("Offered: 2..3."),
             qPrintable(outputs));
    QCOMPARE(table().record(6).InBase, int16_t{1});
    QCOMPARE(table().record(6).OutBase, int16_t{2});
}

void FrameDialogs::analogValueFormatAndStepOf4()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.E110", 5));  // kind 0x20, 8 input bytes from 256
    const int16_t base = table().record(5).InBase;
    QVERIFY(openRow(project_, 5, [base](DialogDriver& d) {
        QVERIFY(d.checked("rbFormat0"));
        QVERIFY(!d.enabled("rbFormat6"));  // NI1000 not offered
        QCOMPARE(label(d, "lblEnde"), QString::number(base + 7));
        d.click("Check23");
        QCOMPARE(label(d, "lblEnde"), QString::number(base + 15));
        d.click("rbFormat2");
        d.click("btnHelp");
        d.ok();
    }));
    QCOMPARE(helpPageShown(), QString("context-5.html"));
    QCOMPARE(static_cast<uint16_t>(table().record(5).identWord()), 0xC028);
    QCOMPARE(table().record(5).InCnt, 16);
    QCOMPARE(table().cell(5, 5), std::string("16"));
    QVERIFY(initLines(table(), "QMV2.E110").contains("kenn := W#16#C028; //QMV2.E110"));

    // Reopened and confirmed unchanged: the dialog shows every stored choice.
    const RowEintrag stored = table().record(5);
    QVERIFY(openRow(project_, 5, [](DialogDriver& d) { d.ok(); }));
    QCOMPARE(table().record(5), stored);
}

void FrameDialogs::analogFormatPerChannel()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.E304", 22));
    QVERIFY(openRow(project_, 22, [](DialogDriver& d) {
        for (int i = 0; i < 8; ++i) d.choose("Combo1" + QString::number(i), 3);
        d.ok();
    }));
    QCOMPARE(static_cast<uint16_t>(table().record(22).Param4), 0xFFFF);
    QVERIFY(initLines(table(), "QMV3.E304").contains("dummy_w := W#16#FFFF;"));
}

void FrameDialogs::analogRangesAndCustomRange()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.E302", 22));
    QVERIFY(openRow(project_, 22, [](DialogDriver& d) {
        QVERIFY(!d.shown("Check23"));
        d.showPageOf(d.child("Frame6"));
        QCOMPARE(d.child<QComboBox>("Combo20")->currentText(), QString("0...20'000"));
        QVERIFY(d.shown("chk_4to20mA0"));
        QVERIFY(!d.shown("CustomData0"));
        d.choose("Combo20", 0);  // 4..20 mA stays checked
        d.choose("Combo21", 0);
        d.click("chk_4to20mA1");
        d.choose("Combo22", 2);
        QVERIFY(d.shown("CustomData2"));
        inRangeDialog([](DialogDriver& r) {
            QCOMPARE(r.dialog()->windowTitle(), QString("Channel property Input Channel 3"));
            QCOMPARE(r.text("txt_minValue"), QString(" 0"));
            QCOMPARE(r.text("txt_maxValue"), QString(" 20000"));
            QVERIFY(!r.shown("txt_ResetVal"));
            r.type("txt_minValue", "600");
            r.type("txt_maxValue", "500");
            GuiAsker::setNextAnswers({answer::Ok});
            r.click("btn_OK");
            QVERIFY(r.isOpen());
            QCOMPARE(lastPrompt(), QString("\"min value\" must not be above \"max value\"."));
            r.type("txt_minValue", "-5");
            r.click("btn_OK");
        });
        d.click("CustomData2");
        d.click("Check30");
        d.click("Check32");
        d.ok();
    }));
    const std::vector<KanalWert>& k = table().record(22).KanalWerte;
    QCOMPARE(k[0], (KanalWert{1, -1023, 4095, 0}));
    QCOMPARE(k[1], (KanalWert{0, 0, 4095, 0}));
    QCOMPARE(k[2], (KanalWert{1, -5, 500, 0}));
    QCOMPARE(k[3], (KanalWert{1, 0, 20000, 0}));
    QCOMPARE(table().record(22).Param3, int16_t{5});
    const QStringList init = initLines(table(), "QMV3.E302");
    for (const char* line : {"ModKonf := W#16#5;", "MinVaCh0 := -1023;", "MaxVaCh1 := 4095;", "MinVaCh2 := -5;",
                             "MaxVaCh2 := 500;", "MaxVaCh3 := 20000;"})
        QVERIFY2(init.contains(line), qPrintable(QString(line) + " not in " + init.join(" ")));

    // Reopened and confirmed unchanged: the dialog shows every stored choice.
    const RowEintrag stored = table().record(22);
    QVERIFY(openRow(project_, 22, [](DialogDriver& d) { d.ok(); }));
    QCOMPARE(table().record(22), stored);
}

void FrameDialogs::userRangeKeysAndCancel()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.E301", 22));  // channels 0...10'000
    QVERIFY(openRow(project_, 22, [](DialogDriver& d) {
        d.choose("Combo20", 2);
        inRangeDialog([](DialogDriver& r) {
            r.type("txt_minValue", "1a2. 3");
            QCOMPARE(r.text("txt_minValue"), QString("123"));
            r.type("txt_minValue", "12-");  // a sign only at the start
            QCOMPARE(r.text("txt_minValue"), QString("12"));
            r.type("txt_minValue", "-7");
            QCOMPARE(r.text("txt_minValue"), QString("-7"));
            r.type("txt_maxValue", "99");
            r.click("btn_cancel");
        });
        d.click("CustomData0");
        d.ok();
    }));
    // Cancel gave back the values passed in: the channel's own.
    QCOMPARE(table().record(22).KanalWerte[0], (KanalWert{0, 0, 10000, 0}));
}

void FrameDialogs::temperatureChannels()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.E325", 5));
    const RowEintrag before = table().record(5);
    QVERIFY(openRow(project_, 5, [&](DialogDriver& d) {
        QCOMPARE(d.dialog()->objectName(), QString("ATemp"));
        QCOMPARE(d.child<QComboBox>("ComboThermType1")->count(), 10);
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
        QCOMPARE(lastTitle(), QString("Error, External compensation required"));
        QVERIFY(lastPrompt().startsWith("When using a Thermocouple with External compensation"));
        QCOMPARE(fixture_->session().app.CurrentModule, before);
        d.choose("ComboThermType1", 0);  // Pt100
        d.choose("ConnecType1", 2);      // 4 wire
        d.choose("ComboThermType3", 8);  // +/- 75mV
        d.choose("ComboThermType4", 9);  // not used
        d.choose("CombomeasureUnit", 1);
        d.click("btnHelp");
        d.ok();
    }));
    QCOMPARE(helpPageShown(), QString("context-5.html"));
    const RowEintrag& r = table().record(5);
    QCOMPARE(r.Param1, int16_t{0x61});
    QCOMPARE(r.Param2, int16_t{0xDD});
    QCOMPARE(r.Param3, int16_t{0xBF});
    QCOMPARE(r.Param4, int16_t{0x00});
    QCOMPARE(static_cast<uint16_t>(r.identWord()), 0x0250);
    QCOMPARE(r.Kommentar, std::string("oven"));
    const QStringList init = initLines(table(), "QMV2.E325");
    for (const char* line :
         {"kenn := W#16#250; //QMV2.E325", "mask := B#16#61;", "dummy_b := B#16#DD;", "dummy_w := W#16#BF00;"})
        QVERIFY2(init.contains(line), qPrintable(QString(line) + " not in " + init.join(" ")));
}

void FrameDialogs::moduleOfSeveralRowsKeepsItsOtherRows()
{
    start();
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.M300", 22));  // DI 22, DO 23, AI 24
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

void FrameDialogs::everyPageInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("generalAddressesType");
    QTest::newRow("en") << "ENGLISH" << QStringList({"General", "Addresses", "Measurment type"});
    QTest::newRow("de") << "DEUTSCH" << QStringList({"Allgemein", "Adressen", "Messart"});
    QTest::newRow("fr") << "OPTION" << QStringList({"Général", "Adresses", "Type de mesure"});
}

namespace {

// Visible controls narrower than their text needs.
QStringList clipped(QWidget* root)
{
    QStringList out;
    const auto widgets = root->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisible()) continue;
        bool cut = false;
        if (auto* l = qobject_cast<QLabel*>(w))
            cut = !l->wordWrap() && l->width() < l->sizeHint().width();
        else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w))
            cut = w->width() < w->minimumSizeHint().width() ||
                  (!qobject_cast<QLineEdit*>(w) && w->width() < w->sizeHint().width());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            cut = g->width() < g->fontMetrics().horizontalAdvance(g->title()) + 16;
        else if (auto* t = qobject_cast<QTabBar*>(w))
            cut = t->width() < t->sizeHint().width();
        if (cut) out << w->objectName() + " " + w->metaObject()->className();
    }
    return out;
}

// Every visible page: checked for clipping, and saved as an image when
// RM_SCREENSHOTS names a folder.
void checkPages(DialogDriver& d, const QString& tag)
{
    const QString folder = qEnvironmentVariable("RM_SCREENSHOTS");
    QTabWidget* tabs = d.tabs();
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i)) continue;
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        const QStringList cut = clipped(d.dialog());
        QVERIFY2(cut.isEmpty(), qPrintable(tag + " tab " + QString::number(i) + ": " + cut.join(", ")));
        if (!folder.isEmpty()) d.dialog()->grab().save(folder + "/" + tag + "-" + QString::number(i) + ".png");
    }
}

}  // namespace

void FrameDialogs::everyPageInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, generalAddressesType);
    start(language);
    const QString lang = QTest::currentDataTag();
    struct Placed {
        const char* order;
        int row;
        int tabs;  // visible tabs: General only, + Addresses, + Measurment type
    };
    const Placed modules[] = {{"QMV2.G120", 5, 1}, {"QMV2.G220", 6, 1},  {"QMV2.G510", 7, 2}, {"QMV2.E110", 8, 3},
                              {"QMV2.E325", 9, 3}, {"QMV3.E304", 22, 3}, {"QMV3.E302", 23, 3}};
    for (const Placed& m : modules) QVERIFY2(fixture_->dropCatalog(project_, m.order, m.row), m.order);
    for (const Placed& m : modules) {
        const QString tag = lang + "-" + QString(m.order).mid(5);
        QVERIFY(openRow(project_, m.row, [&](DialogDriver& d) {
            QCOMPARE(d.visibleTabs(), generalAddressesType.mid(0, m.tabs));
            QVERIFY(d.dialog()->windowTitle().endsWith(QString("  ") + m.order));
            checkPages(d, tag);
            if (QString(m.order) == "QMV3.E302") {
                d.choose("Combo20", 2);
                inRangeDialog([&](DialogDriver& r) {
                    const QStringList cut = clipped(r.dialog());
                    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
                    if (!qEnvironmentVariableIsEmpty("RM_SCREENSHOTS"))
                        r.dialog()->grab().save(qEnvironmentVariable("RM_SCREENSHOTS") + "/" + lang + "-UserKanal.png");
                    r.click("btn_cancel");
                });
                d.click("CustomData0");
            }
            d.cancel();
        }));
    }
}

QTEST_MAIN(FrameDialogs)
#include "tst_FrameDialogs.moc"
