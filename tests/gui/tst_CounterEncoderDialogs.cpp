// The counter, encoder and positioning dialogs opened from placed rows of a
// project window, set with mouse and keyboard, and what OK leaves in the
// rows and in the generated source.
#include <QLabel>
#include <QtTest>

#include "ModuleDialogDriver.h"
#include "gui/app/HelpViewer.h"
#include "gui/modules/MotionDialogs.h"

using namespace rm;
using namespace rm::gui;
using namespace rm::gui::test;

class CounterEncoderDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerMotionDialogs(); }
    void init();
    void cleanup();

    void counterSettingsAndMeasurement();
    void ssiEncoderRefusesABadBitCount();
    void twoAxisEncoderKeepsItsSecondRow();
    void twoAxisEncoderCancelAndRefusal();
    void positioningAsksForEachMovedAddress();

private:
    ProjectTable& table() { return project_->table(); }
    std::vector<std::string> cells(int row)
    {
        std::vector<std::string> out;
        for (int c = 0; c < ProjectTable::kColumns; ++c) out.push_back(table().cell(row, c));
        return out;
    }
    QString helpPageShown() const
    {
        HelpViewer* v = HelpViewer::instance();
        return v ? v->source().fileName() : QString();
    }

    std::unique_ptr<GuiFixture> fixture_;
    ProjectWindow* project_ = nullptr;
};

void CounterEncoderDialogs::init()
{
    fixture_ = std::make_unique<GuiFixture>();
    project_ = fixture_->startWithRack();
    QVERIFY(project_);
}

void CounterEncoderDialogs::cleanup()
{
    QVERIFY2(GuiAsker::unexpected.empty(),
             GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
    if (HelpViewer* v = HelpViewer::instance()) delete v;
    fixture_.reset();
}

void CounterEncoderDialogs::counterSettingsAndMeasurement()
{
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.K202", 5));
    table().record(5).Param1 = 0x55;  // not the dialog's
    QVERIFY(openRow(project_, 5, [](DialogDriver& d) {
        QCOMPARE(d.visibleTabs(), QStringList({"General", "Addresses", "Input ", "Output ", "Measurement"}));
        d.click("rbMode3");
        d.click("cBoxEingang0");
        d.click("rbStore0");
        d.choose("Combo1", 1);
        QVERIFY(d.checked("rbMessung1"));  // impulse measurement
        QVERIFY(d.enabled("cBoxMessung"));
        d.click("cBoxMessung");
        d.click("rbMessung4");
        d.click("btnHelp");
        d.ok();
    }));
    QCOMPARE(helpPageShown(), QString("context-13.html"));
    const RowEintrag& r = table().record(5);
    QCOMPARE(r.Param1, int16_t{0x55});
    QCOMPARE(r.Param2, int16_t{1});
    QCOMPARE(r.Param3, int16_t{0xD4});
    QCOMPARE(r.Param4, int16_t{0x80});
    const QStringList init = initLines(table(), "QMV2.K202");
    QVERIFY2(init.contains("dummy_b := B#16#1;"), qPrintable(init.join('|')));
    QVERIFY2(init.contains("dummy_w := W#16#D480;"), qPrintable(init.join('|')));

    // Reopened: the choices are back; another measurement drops "Input A inverted".
    QVERIFY(openRow(project_, 5, [](DialogDriver& d) {
        QVERIFY(d.checked("rbMode3"));
        QVERIFY(d.checked("cBoxEingang0"));
        QVERIFY(!d.checked("cBoxEingang1"));
        QVERIFY(d.checked("rbStore0"));
        QVERIFY(d.checked("rbStore3"));
        QCOMPARE(d.child<QComboBox>("Combo1")->currentText(), QString("ResetC"));
        QVERIFY(d.checked("cBoxMessung"));
        QVERIFY(d.checked("rbMessung4"));
        d.click("rbMessung2");
        QVERIFY(!d.enabled("cBoxMessung"));
        d.click("rbSignal3");
        d.ok();
    }));
    QCOMPARE(table().record(5).Param4, int16_t{0x41});
}

void CounterEncoderDialogs::ssiEncoderRefusesABadBitCount()
{
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.K205", 6));
    const RowEintrag placed = table().record(6);
    const auto placedCells = cells(6);
    QCOMPARE(placed.Param3, int16_t{1});  // the catalog's 200 kHz
    QVERIFY(openRow(project_, 6, [&](DialogDriver& d) {
        QCOMPARE(d.visibleTabs(), QStringList({"General", "Addresses", "Extra"}));
        QCOMPARE(d.text("txtAnzahlDatenBit"), QString("0"));
        d.type("txtBezeichnung", "Lift axis");
        // No bit count yet: refused, and nothing stored.
        GuiAsker::setNextAnswers({answer::Ok});
        d.ok();
        QVERIFY(d.isOpen());
        QVERIFY(GuiAsker::asked.back().prompt.find("Databit number") != std::string::npos);
        QVERIFY(GuiAsker::asked.back().prompt.find("1 to 31") != std::string::npos);
        QCOMPARE(d.tabs()->currentWidget()->objectName(), QString("TabExtra"));
        QCOMPARE(d.dialog()->focusWidget(), d.child("txtAnzahlDatenBit"));
        QCOMPARE(table().record(6), placed);
        QCOMPARE(cells(6), placedCells);

        d.click("rbMode1");
        d.click("rbFormat0");
        d.click("rbFrequenz3");
        d.type("txtAnzahlDatenBit", "30");
        QTest::keyClick(d.child("txtAnzahlDatenBit"), Qt::Key_Up);
        QCOMPARE(d.text("txtAnzahlDatenBit"), QString("31"));
        QTest::keyClick(d.child("txtAnzahlDatenBit"), Qt::Key_Up);  // the top of the range
        QCOMPARE(d.text("txtAnzahlDatenBit"), QString("31"));
        d.type("txtAnzahlDatenBit", "25");
        d.ok();
    }));
    const RowEintrag& r = table().record(6);
    QCOMPARE(r.Param3, int16_t{0x0F});
    QCOMPARE(r.Param4, int16_t{25});
    QCOMPARE(r.Bezeichnung, std::string("Lift axis"));
    QCOMPARE(table().cell(6, 2), std::string("Lift axis"));
    QVERIFY(initLines(table(), "QMV2.K205").contains("dummy_w := W#16#F19;"));
}

void CounterEncoderDialogs::twoAxisEncoderKeepsItsSecondRow()
{
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.K240", 22));
    const auto yCells = cells(23);
    QCOMPARE(yCells[1], std::string("QMV3.K240-1"));
    QVERIFY(openRow(project_, 22, [](DialogDriver& d) {
        QCOMPARE(d.visibleTabs(), QStringList({"General", "Addresses", "Axe X", "Axe Y"}));
        QVERIFY(d.checked("rbModeX0"));
        QVERIFY(!d.shown("txtAnzahlDatenBitX"));
        d.click("rbModeX1");
        QVERIFY(d.shown("txtAnzahlDatenBitX"));
        d.click("rbFrequenzX2");
        d.click("rbFormatX1");
        d.type("txtAnzahlDatenBitX", "24");
        // Axis Y: set as SSI, then back to incremental; what was set stays.
        d.click("rbModeY1");
        d.type("txtAnzahlDatenBitY", "13");
        d.click("rbFrequenzY1");
        d.click("rbModeY0");
        QVERIFY(!d.shown("Frame53"));
        d.click("btnHelp");
        d.ok();
    }));
    QCOMPARE(helpPageShown(), QString("context-14.html"));
    // Both rows still show the module, and the table takes it as one module.
    QCOMPARE(cells(23), yCells);
    const RowEintrag& x = table().record(22);
    const RowEintrag& y = table().record(23);
    QCOMPARE((std::array<int, 3>{x.Modus, x.Param3, x.Param4}), (std::array<int, 3>{1, 24, 6}));
    QCOMPARE((std::array<int, 3>{y.Modus, y.Param3, y.Param4}), (std::array<int, 3>{0, 13, 1}));
    QVERIFY(initLines(table(), "QMV3.K240", 0).contains("dummy_w := W#16#1806;"));
    QVERIFY(initLines(table(), "QMV3.K240", 1).contains("dummy_w := W#16#D01;"));

    // Reopened: axis Y as it was left.
    QVERIFY(openRow(project_, 22, [](DialogDriver& d) {
        QVERIFY(d.checked("rbModeY0"));
        QCOMPARE(d.text("txtAnzahlDatenBitY"), QString("13"));
        QVERIFY(d.checked("rbFrequenzY1"));
        QVERIFY(d.checked("rbFormatX1"));
        d.cancel();
    }));
}

void CounterEncoderDialogs::twoAxisEncoderCancelAndRefusal()
{
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.K240", 22));
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
        QVERIFY(GuiAsker::asked.back().prompt.find("Axe Y") != std::string::npos);
        QCOMPARE(d.tabs()->currentWidget()->objectName(), QString("TabAxisY"));
        QCOMPARE(table().RowArray(), before);
        d.cancel();
    }));
    QCOMPARE(table().RowArray(), before);
    QCOMPARE(cells(22), xCells);
    QCOMPARE(cells(23), yCells);
}

void CounterEncoderDialogs::positioningAsksForEachMovedAddress()
{
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.K240", 22));
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.K201", 24));
    const RowEintrag encoder = table().record(22);
    const RowEintrag placed = table().record(24);
    QCOMPARE(placed.InCnt, 8);
    QVERIFY(openRow(project_, 24, [&](DialogDriver& d) {
        QCOMPARE(d.visibleTabs(), QStringList({"General", "Addresses"}));
        d.type("txtAnfangsAdresse0", "64");
        QCOMPARE(d.child<QLabel>("lblEnde0")->text(), QString("71"));
        // Both starts on the encoder's ranges: two questions, the inputs first.
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
        d.type("txtKommentar", "Axis 1");
        d.click("btnHelp");
        d.ok();
    }));
    QCOMPARE(helpPageShown(), QString("context-16.html"));
    const RowEintrag& r = table().record(24);
    QCOMPARE(r.InBase, int16_t{64});
    QCOMPARE(r.OutBase, int16_t{80});
    QCOMPARE(r.Kommentar, std::string("Axis 1"));
    QCOMPARE((std::array<int, 4>{r.Param1, r.Param2, r.Param3, r.Param4}),
             (std::array<int, 4>{placed.Param1, placed.Param2, placed.Param3, placed.Param4}));
    QCOMPARE(table().cell(24, 3), std::string("64"));
    QCOMPARE(table().cell(24, 4), std::string("80"));
    const QStringList init = initLines(table(), "QMV3.K201");
    QVERIFY(init.contains("InBase := 64;") && init.contains("OutBase := 80;"));
}

QTEST_MAIN(CounterEncoderDialogs)
#include "tst_CounterEncoderDialogs.moc"
