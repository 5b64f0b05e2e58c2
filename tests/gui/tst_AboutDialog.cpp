// The About box: the version line, the logo (also without its file) and
// the ways to close it.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "gui/app/AboutDialog.h"
#include "gui/app/Session.h"

using namespace rm;
using namespace rm::gui;

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsVersionAndLogo();
    void okEscapeAndEnterClose();
};

void AboutDialogTest::showsVersionAndLogo()
{
    Session s;
    s.resourceDir = RM_RESOURCES;
    s.language = LoadLanguage(s.resourceDir);
    AboutDialog dlg(s);
    dlg.show();
    QCOMPARE(dlg.windowTitle(), "Info qv4 RackMason");
    QCOMPARE(dlg.findChild<QLabel*>("Label1")->text(), "RackMason   Version:       V2.004.000");
    const QImage logo = dlg.findChild<QLabel*>("picLogo")->pixmap().toImage();
    QCOMPARE(logo.size() / logo.devicePixelRatio(), QSize(400, 160));
    QVERIFY(qGray(logo.pixel(logo.width() / 10, logo.height() / 2)) < 128);  // drawn: the rack is dark
    QVERIFY(dlg.findChild<QWidget*>("Label1")->y() > dlg.findChild<QWidget*>("picLogo")->geometry().bottom());
    QVERIFY(dlg.findChild<QWidget*>("cmdOK")->y() > dlg.findChild<QWidget*>("Label3")->geometry().bottom());

    s.resourceDir = QDir::tempPath().toStdString() + "/rm-no-such-folder";
    AboutDialog bare(s);
    QVERIFY(bare.findChild<QLabel*>("picLogo")->pixmap().width() >= 100);
}

void AboutDialogTest::okEscapeAndEnterClose()
{
    Session s;
    AboutDialog dlg(s);
    dlg.show();
    QTest::mouseClick(dlg.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QVERIFY(!dlg.isVisible());
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        dlg.show();
        QTest::keyClick(&dlg, key);
        QVERIFY(!dlg.isVisible());
    }
}

QTEST_MAIN(AboutDialogTest)
#include "tst_AboutDialog.moc"
