// The splash during loading: shown centred while the work runs, kept up for
// the minimum time with events running, closed as soon as longer work ends.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "gui/app/Session.h"
#include "gui/app/SplashWindow.h"

using namespace rm;
using namespace rm::gui;

class SplashWindowTest : public QObject {
    Q_OBJECT

private slots:
    void shownWhileWorkingAndForTheMinimumTime();
    void longWorkClosesItAtOnce();

private:
    static QWidget* splash()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Splash" && w->isVisible()) return w;
        return nullptr;
    }
};

void SplashWindowTest::shownWhileWorkingAndForTheMinimumTime()
{
    Session s;
    s.resourceDir = RM_RESOURCES;
    QElapsedTimer clock;
    clock.start();
    bool seen = false, timerRan = false;
    SplashWindow::runWithSplash(s, 400, [&] {
        QWidget* w = splash();
        QVERIFY(w);
        seen = true;
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w->windowModality(), Qt::ApplicationModal);
        QCOMPARE(w->size(), QSize(400, 160));
        const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY((w->geometry().center() - centre).manhattanLength() <= 2);
        QTimer::singleShot(50, [&] { timerRan = true; });
    });
    QVERIFY(seen);
    QVERIFY(clock.elapsed() >= 400);
    QVERIFY(timerRan);
    QVERIFY(!splash());
}

void SplashWindowTest::longWorkClosesItAtOnce()
{
    Session s;
    QElapsedTimer clock;
    clock.start();
    qint64 workEnded = 0;
    SplashWindow::runWithSplash(s, 100, [&] {
        QTest::qSleep(300);
        workEnded = clock.elapsed();
    });
    QVERIFY(clock.elapsed() - workEnded < 80);
    QVERIFY(!splash());
}

QTEST_MAIN(SplashWindowTest)
#include "tst_SplashWindow.moc"
