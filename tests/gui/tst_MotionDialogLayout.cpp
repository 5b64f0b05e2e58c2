// Every counter, analog output, encoder and positioning dialog in the three
// languages: its caption, its pages in order, and no text cut off on any
// page. With RM_SCREENSHOTS set to a folder, each page is saved there.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "ModuleDialogDriver.h"
#include "gui/modules/MotionDialogs.h"

using namespace rm;
using namespace rm::gui;
using namespace rm::gui::test;

class MotionDialogLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerMotionDialogs(); }
    void pagesAndCaptions_data();
    void pagesAndCaptions();
};

namespace {

struct Placed {
    const char* order;
    int row;
    std::vector<int> tabs;  // text ids, in order
    // Choices that show the controls a page hides at first: buttons clicked,
    // then lists set (name, item).
    std::vector<const char*> clicks = {};
    std::vector<std::pair<const char*, int>> choices = {};
};

const Placed kPlaced[] = {
    {"QMV2.K202", 5, {1101, 1102, 1112, 1113, 1122}},
    {"QMV2.K205", 6, {1101, 1102, 1140}},
    {"QMV2.E210", 7, {1101, 1102, 1103}},
    {"QMV2.E410", 8, {1101, 1102, 1103}, {"rbFormatTyp1"}},
    {"QMV3.K240", 22, {1101, 1102, 1203, 1204}, {"rbModeX1", "rbModeY1"}},
    {"QMV3.E311", 24, {1101, 1102, 1311}, {}, {{"Combo15", 2}}},
    {"QMV3.E312", 25, {1101, 1102, 1311}, {}, {{"Combo10", 2}, {"Combo11", 0}}},
    {"QMV3.E420", 26, {1101, 1102, 1311}, {}, {{"Combo13", 2}}},
    {"QMV3.K201", 27, {1101, 1102}},
};

// Texts that do not fit the control showing them, and controls that stick
// out of the dialog.
QStringList clipped(QWidget* dlg)
{
    QStringList out;
    const QRect inside = dlg->rect();
    for (QWidget* w : dlg->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const bool texty = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<QGroupBox*>(w);
        if (!texty) continue;
        const QSize need = qobject_cast<QGroupBox*>(w) ? w->minimumSizeHint() : w->sizeHint();
        if (w->width() < need.width() || w->height() < need.height())
            out << QString("%1 %2x%3 < %4x%5")
                       .arg(w->objectName())
                       .arg(w->width())
                       .arg(w->height())
                       .arg(need.width())
                       .arg(need.height());
        const QRect r(w->mapTo(dlg, QPoint(0, 0)), w->size());
        if (!inside.contains(r)) out << w->objectName() + " outside the dialog";
    }
    QTabBar* bar = dlg->findChild<QTabWidget*>()->tabBar();
    if (bar->width() < bar->sizeHint().width()) out << "tab bar";
    return out;
}

}  // namespace

void MotionDialogLayout::pagesAndCaptions_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("base");
    QTest::newRow("English") << "ENGLISH" << kEnglishBase;
    QTest::newRow("German") << "DEUTSCH" << kGermanBase;
    QTest::newRow("French") << "OPTION" << kFrenchBase;
}

void MotionDialogLayout::pagesAndCaptions()
{
    QFETCH(QString, language);
    QFETCH(int, base);
    GuiFixture fixture;
    fixture.start(language);
    QCOMPARE(fixture.session().app.texts.base(), base);
    ProjectWindow* p = fixture.newProject("Hall2");
    QVERIFY(p);
    QVERIFY(fixture.dropCatalog(p, "QMV2.R220", 1));
    QVERIFY(fixture.dropCatalog(p, "QMV3.X306", 21));
    for (const Placed& m : kPlaced) QVERIFY2(fixture.dropCatalog(p, m.order, m.row), m.order);

    const QString shots = qEnvironmentVariable("RM_SCREENSHOTS");
    if (!shots.isEmpty()) QDir().mkpath(shots);
    const Session& s = fixture.session();
    for (const Placed& m : kPlaced) {
        QVERIFY(openRow(p, m.row, [&](DialogDriver& d) {
            QCOMPARE(d.dialog()->windowTitle(), s.t(1071) + m.order);
            QStringList expected;
            for (int id : m.tabs) expected << s.t(id);
            QCOMPARE(d.visibleTabs(), expected);
            for (const char* name : m.clicks) d.click(name);
            for (const auto& [name, item] : m.choices) d.choose(name, item);
            for (int i = 0; i < d.tabs()->count(); ++i) {
                if (!d.tabs()->isTabVisible(i)) continue;
                d.tabs()->setCurrentIndex(i);
                QApplication::processEvents();
                const QStringList bad = clipped(d.dialog());
                QVERIFY2(bad.isEmpty(),
                         qPrintable(QString("%1, %2: %3").arg(m.order, d.tabs()->tabText(i), bad.join(", "))));
                if (!shots.isEmpty())
                    d.dialog()->grab().save(QString("%1/%2-%3-%4.png").arg(shots, language.toLower(), m.order).arg(i));
            }
            d.cancel();
        }));
    }
    QVERIFY(GuiAsker::unexpected.empty());
}

QTEST_MAIN(MotionDialogLayout)
#include "tst_MotionDialogLayout.moc"
