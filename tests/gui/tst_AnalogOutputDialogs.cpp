// The analog output and analog combined dialogs opened from placed rows:
// value formats, channel ranges with the user range dialog, and what OK
// leaves in the rows and in the generated source.
#include <QtTest>

#include "ModuleDialogDriver.h"
#include "gui/app/HelpViewer.h"
#include "gui/modules/MotionDialogs.h"

using namespace rm;
using namespace rm::gui;
using namespace rm::gui::test;

class AnalogOutputDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerMotionDialogs(); }
    void init();
    void cleanup();

    void outputFormatOfKindTen();
    void fourToTwentyMilliampereChannels();
    void combinedFormat();
    void combinedScaledOutputs();

private:
    ProjectTable& table() { return project_->table(); }
    // Opens the range dialog of a channel and enters the three values.
    static void enterRange(DialogDriver& d, int channel, const QString& caption, const QString& min, const QString& max,
                           const QString& reset)
    {
        whenDialog("UserKanal", [=](DialogDriver& r) {
            QCOMPARE(r.dialog()->windowTitle(), caption);
            r.type("txt_minValue", min);
            r.type("txt_maxValue", max);
            r.type("txt_ResetVal", reset);
            r.click("btn_OK");
        });
        d.click("CustomData" + QString::number(channel));
    }

    std::unique_ptr<GuiFixture> fixture_;
    ProjectWindow* project_ = nullptr;
};

void AnalogOutputDialogs::init()
{
    fixture_ = std::make_unique<GuiFixture>();
    project_ = fixture_->startWithRack();
    QVERIFY(project_);
}

void AnalogOutputDialogs::cleanup()
{
    QVERIFY2(GuiAsker::unexpected.empty(),
             GuiAsker::unexpected.empty() ? "" : GuiAsker::unexpected.front().prompt.c_str());
    if (HelpViewer* v = HelpViewer::instance()) delete v;
    fixture_.reset();
}

void AnalogOutputDialogs::outputFormatOfKindTen()
{
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.E210", 7));
    QVERIFY(openRow(project_, 7, [](DialogDriver& d) {
        QCOMPARE(d.visibleTabs(), QStringList({"General", "Addresses", "Measurment type"}));
        QVERIFY(d.checked("rbFormat0"));
        QVERIFY(!d.enabled("rbFormat1"));  // no bipolar format on this kind
        QVERIFY(d.enabled("rbFormat2"));
        d.click("rbFormat2");
        d.click("btnHelp");
        d.ok();
    }));
    QCOMPARE(HelpViewer::instance()->source().fileName(), QString("context-7.html"));
    QCOMPARE(static_cast<uint16_t>(table().record(7).identWord()), 0x8010);
    QVERIFY(initLines(table(), "QMV2.E210").contains("kenn := W#16#8010; //QMV2.E210"));
}

void AnalogOutputDialogs::fourToTwentyMilliampereChannels()
{
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.E312", 22));
    QVERIFY(openRow(project_, 22, [](DialogDriver& d) {
        QCOMPARE(d.visibleTabs(), QStringList({"General", "Addresses", "Channel property"}));
        QVERIFY(!d.dialog()->findChild<QWidget*>("Combo14"));  // four channels
        QCOMPARE(d.child<QComboBox>("Combo10")->currentText(), QString("0...20'000"));
        QVERIFY(d.checked("chk_4to20mA0"));
        QVERIFY(!d.shown("CustomData0"));
        d.click("chk_4to20mA1");  // 0...20'000 without 4..20 mA
        d.choose("Combo12", 0);
        d.click("chk_4to20mA2");
        d.choose("Combo13", 2);
        enterRange(d, 3, "Output Channel  Output 4", "-5", "500", "7");
        d.ok();
    }));
    const std::vector<KanalWert>& k = table().record(22).KanalWerte;
    QCOMPARE(k.size(), std::size_t{4});
    QCOMPARE(k[0], (KanalWert{1, 0, 20000, 4000}));
    QCOMPARE(k[1], (KanalWert{1, 0, 20000, 0}));
    QCOMPARE(k[2], (KanalWert{1, -1023, 4095, 0}));
    QCOMPARE(k[3], (KanalWert{1, -5, 500, 7}));
    const QStringList init = initLines(table(), "QMV3.E312");
    for (const char* line : {"MinVaCh2 := -1023;", "MaxVaCh1 := 20000;", "ResVaCh1 := 0;", "ResVaCh3 := 7;"})
        QVERIFY2(init.contains(line), line);
}

void AnalogOutputDialogs::combinedFormat()
{
    QVERIFY(fixture_->dropCatalog(project_, "QMV2.E410", 8));
    QVERIFY(openRow(project_, 8, [](DialogDriver& d) {
        QCOMPARE(d.visibleTabs(), QStringList({"General", "Addresses", "Measurment type"}));
        QVERIFY(d.checked("rbFormatTyp0"));
        for (const char* name : {"rbFormat0", "rbFormat1", "cboxFormat0", "cboxFormat1"})
            QVERIFY2(!d.enabled(name), name);
        d.click("rbFormatTyp1");
        for (const char* name : {"rbFormat0", "rbFormat1", "cboxFormat0", "cboxFormat1"})
            QVERIFY2(d.enabled(name), name);
        d.click("rbFormat0");
        d.click("cboxFormat1");
        d.click("btnHelp");
        d.ok();
    }));
    QCOMPARE(HelpViewer::instance()->source().fileName(), QString("context-6.html"));
    QCOMPARE(static_cast<uint16_t>(table().record(8).identWord()), 0x9030);
    QVERIFY(initLines(table(), "QMV2.E410").contains("kenn := W#16#9030; //QMV2.E410"));
}

void AnalogOutputDialogs::combinedScaledOutputs()
{
    QVERIFY(fixture_->dropCatalog(project_, "QMV3.E420", 22));
    QVERIFY(openRow(project_, 22, [](DialogDriver& d) {
        QCOMPARE(d.visibleTabs(), QStringList({"General", "Addresses", "Channel property"}));
        QCOMPARE(d.child<QComboBox>("Combo10")->currentIndex(), 1);
        d.choose("Combo10", 0);
        d.choose("Combo12", 2);
        enterRange(d, 2, "Output Channel  Output  3", "-2000", "2000", "-100");
        d.ok();
    }));
    const std::vector<KanalWert>& k = table().record(22).KanalWerte;
    QCOMPARE(k[0], (KanalWert{0, 0, 4095, 0}));
    QCOMPARE(k[1], (KanalWert{0, 0, 10000, 0}));
    QCOMPARE(k[2], (KanalWert{0, -2000, 2000, -100}));
    QCOMPARE(static_cast<uint16_t>(table().record(22).identWord()), 0x0065);
    const QStringList init = initLines(table(), "QMV3.E420");
    QVERIFY(init.contains("MinVaCh2 := -2000;") && init.contains("ResVaCh2 := -100;"));
    QVERIFY(init.contains("MaxVaCh0 := 4095;"));
}

QTEST_MAIN(AnalogOutputDialogs)
#include "tst_AnalogOutputDialogs.moc"
