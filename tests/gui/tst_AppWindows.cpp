// The help window: one window following the contexts, usable beside a modal
// dialog, and a page for every context in the active language.
#include <QDialog>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "gui/app/HelpViewer.h"
#include "gui/app/Session.h"

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

    void oneHelpWindowFollowsTheContexts();
    void helpPagesInTheActiveLanguage();

private:
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

void AppWindows::oneHelpWindowFollowsTheContexts()
{
    QWidget main;
    main.show();
    auto* dialog = new QDialog(&main);
    dialog->setModal(true);
    dialog->show();
    HelpViewer::showHelp(*s_, 15, dialog);
    HelpViewer* viewer = HelpViewer::instance();
    // A window of the modal dialog's own is not blocked by it.
    QVERIFY(viewer->isWindow() && viewer->parentWidget() == dialog);

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
    QVERIFY(viewer->parentWidget() == &main && viewer->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QTest::keyClick(viewer, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!HelpViewer::instance());
}

void AppWindows::helpPagesInTheActiveLanguage()
{
    for (const auto& [base, folder] : {std::pair{kGermanBase, "de/"}, std::pair{kFrenchBase, "fr/"}}) {
        s_->app.setLanguage(base);
        for (int context : {2, 3, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16}) {
            HelpViewer::showHelp(*s_, context, nullptr);
            QCOMPARE(page(), QString("%1context-%2.html").arg(folder).arg(context));
        }
    }
    // Without the help folder the window says which page is missing.
    s_->resourceDir = QDir::tempPath().toStdString() + "/rm-no-help-here";
    HelpViewer::showHelp(*s_, 5, nullptr);
    QVERIFY(HelpViewer::instance()->findChild<QTextBrowser*>()->toPlainText().contains("context-5.html"));
}

QTEST_MAIN(AppWindows)
#include "tst_AppWindows.moc"
