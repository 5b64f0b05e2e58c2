// The small windows around the program: the About box's logo (also without
// its file), the splash during loading, and the help window serving every
// Help button beside a modal dialog.
#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "gui/app/AboutDialog.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/OptionsDialog.h"
#include "gui/app/Session.h"
#include "gui/app/SplashWindow.h"
#include "gui/dbgen/DbSelectDialog.h"
#include "gui/project/ProjectInfoDialog.h"

using namespace rm;
using namespace rm::gui;

class AppWindows : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        s_ = std::make_unique<Session>();
        s_->resourceDir = RM_RESOURCES;
        s_->language = LoadLanguage(s_->resourceDir);
    }
    void cleanup() { delete HelpViewer::instance(); }

    void aboutShowsTheLogo();
    void splashShownWhileWorkingAndForTheMinimumTime();
    void splashClosedAsSoonAsLongWorkEnds();
    void oneHelpWindowFollowsTheContexts();
    void helpPagesInTheActiveLanguage();
    void helpButtonsOfTheDialogs();

private:
    static QWidget* splash()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Splash" && w->isVisible()) return w;
        return nullptr;
    }
    static QString page()
    {
        return QDir(RM_RESOURCES "/help").relativeFilePath(HelpViewer::instance()->source().toLocalFile());
    }
    static void click(const char* name)
    {
        QTest::mouseClick(HelpViewer::instance()->findChild<QToolButton*>(name), Qt::LeftButton);
    }
    std::unique_ptr<Session> s_;
};

void AppWindows::aboutShowsTheLogo()
{
    AboutDialog dlg(*s_);
    dlg.show();
    const QImage logo = dlg.findChild<QLabel*>("picLogo")->pixmap().toImage();
    QCOMPARE(logo.size() / logo.devicePixelRatio(), QSize(400, 160));
    QVERIFY(qGray(logo.pixel(logo.width() / 10, logo.height() / 2)) < 128);  // drawn: the rack is dark
    QVERIFY(dlg.findChild<QWidget*>("Label1")->y() > dlg.findChild<QWidget*>("picLogo")->geometry().bottom());

    s_->resourceDir = QDir::tempPath().toStdString() + "/rm-no-such-folder";
    AboutDialog bare(*s_);
    QVERIFY(bare.findChild<QLabel*>("picLogo")->pixmap().width() >= 100);
}

void AppWindows::splashShownWhileWorkingAndForTheMinimumTime()
{
    QElapsedTimer clock;
    clock.start();
    bool seen = false, timerRan = false;
    SplashWindow::runWithSplash(*s_, 400, [&] {
        QWidget* w = splash();
        QVERIFY(w);
        seen = true;
        QCOMPARE(w->windowModality(), Qt::ApplicationModal);
        const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY((w->geometry().center() - centre).manhattanLength() <= 2);
        QTimer::singleShot(50, [&] { timerRan = true; });
    });
    QVERIFY(seen);
    QVERIFY(clock.elapsed() >= 400);
    QVERIFY(timerRan);
    QVERIFY(!splash());
}

void AppWindows::splashClosedAsSoonAsLongWorkEnds()
{
    QElapsedTimer clock;
    clock.start();
    qint64 workEnded = 0;
    SplashWindow::runWithSplash(*s_, 100, [&] {
        QTest::qSleep(300);
        workEnded = clock.elapsed();
    });
    QVERIFY(clock.elapsed() - workEnded < 80);
    QVERIFY(!splash());
}

void AppWindows::oneHelpWindowFollowsTheContexts()
{
    QWidget main;
    main.show();
    auto* dialog = new QDialog(&main);
    dialog->setModal(true);
    dialog->show();
    HelpViewer::showHelp(*s_, 15, dialog);
    HelpViewer* viewer = HelpViewer::instance();
    QCOMPARE(page(), "context-15.html");
    // A window of the modal dialog's own is not blocked by it.
    QVERIFY(viewer->isWindow());
    QCOMPARE(viewer->parentWidget(), dialog);

    HelpViewer::showHelp(*s_, 0, dialog);
    QCOMPARE(HelpViewer::instance(), viewer);
    QCOMPARE(page(), "index.html");
    click("btnBack");
    QCOMPARE(page(), "context-15.html");
    click("btnForward");
    click("btnContents");
    QCOMPARE(page(), "index.html");

    // The dialog closes: the viewer stays open with the main window.
    dialog->accept();
    delete dialog;
    QCOMPARE(HelpViewer::instance(), viewer);
    QCOMPARE(viewer->parentWidget(), &main);
    QVERIFY(viewer->isVisible());

    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QTest::keyClick(viewer, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!HelpViewer::instance());
}

void AppWindows::helpPagesInTheActiveLanguage()
{
    s_->app.setLanguage(kGermanBase);
    HelpViewer::showHelp(*s_, 2, nullptr);
    click("btnContents");
    QCOMPARE(page(), "de/index.html");
    // Every context has its page in each language.
    for (const auto& [base, folder] : {std::pair{kGermanBase, "de/"}, std::pair{kFrenchBase, "fr/"}}) {
        s_->app.setLanguage(base);
        for (int context : {2, 3, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16}) {
            HelpViewer::showHelp(*s_, context, nullptr);
            QCOMPARE(page(), QString("%1context-%2.html").arg(folder).arg(context));
        }
    }

    s_->resourceDir = QDir::tempPath().toStdString() + "/rm-no-help-here";
    HelpViewer::showHelp(*s_, 5, nullptr);
    QVERIFY(HelpViewer::instance()->findChild<QTextBrowser*>()->toPlainText().contains("context-5.html"));
}

void AppWindows::helpButtonsOfTheDialogs()
{
    OptionsDialog options(*s_, true, {});
    ProjectInfoDialog info(*s_, " hall2.qv4");
    DbSelectDialog db(*s_, "hall2.qv4", [](int, int) { return 2; });
    const std::pair<QDialog*, const char*> dialogs[] = {
        {&options, "context-15.html"}, {&info, "context-11.html"}, {&db, "context-3.html"}};
    for (const auto& [dlg, context] : dialogs) {
        dlg->show();
        QTest::mouseClick(dlg->findChild<QPushButton*>("btnHelp"), Qt::LeftButton);
        QVERIFY2(HelpViewer::instance(), context);
        QCOMPARE(page(), context);
        delete HelpViewer::instance();
        dlg->hide();
    }
}

QTEST_MAIN(AppWindows)
#include "tst_AppWindows.moc"
