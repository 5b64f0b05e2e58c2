// The project information dialog driven from the keyboard: what the header
// fields take, the reserved words, and what reaches AktProjectInfo and the
// project on OK, Enter and Cancel.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "gui/app/Beep.h"
#include "gui/app/Session.h"
#include "gui/project/ProjectInfoDialog.h"

using namespace rm;
using namespace rm::gui;

class ProjectInfoDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void headerFieldsTakeOnlyWhatTheFilterAllows();
    void enterConfirmsAndReservedWordsHoldTheFocus();
    void whatReachesTheRecord();
    void projectGetsOnlyConfirmedEdits();

private:
    void open(const QString& title = " NoName1")
    {
        dlg_ = std::make_unique<ProjectInfoDialog>(*s_, title);
        dlg_->show();
        QVERIFY(QTest::qWaitForWindowActive(dlg_.get()));
    }
    QLineEdit* header(int i) const { return dlg_->findChild<QLineEdit*>(QStringLiteral("txtHeader%1").arg(i)); }
    QPlainTextEdit* box(const char* name) const { return dlg_->findChild<QPlainTextEdit*>(name); }
    QPushButton* button(const char* name) const { return dlg_->findChild<QPushButton*>(name); }
    static void typeInto(QWidget* field, const QString& keys)
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_End,
                        qobject_cast<QPlainTextEdit*>(field) ? Qt::ControlModifier : Qt::NoModifier);
        for (QChar c : keys)
            QTest::sendKeyEvent(QTest::Click, field,
                                c.unicode() < 128 ? QTest::asciiToKey(c.toLatin1()) : Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
    static void paste(QLineEdit* field, const QString& text, bool fromMenu = false)
    {
        field->clear();
        QGuiApplication::clipboard()->setText(text);
        if (!fromMenu) {
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            return;
        }
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                if (a->text().startsWith(QLineEdit::tr("&Paste"))) a->trigger();
            menu->close();
        });
        QContextMenuEvent e(QContextMenuEvent::Keyboard, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &e);
    }

    std::unique_ptr<Session> s_;
    std::unique_ptr<ProjectInfoDialog> dlg_;
};

void ProjectInfoDialogTest::init()
{
    s_ = std::make_unique<Session>();
    s_->resourceDir = RM_RESOURCES;
    s_->language = LoadLanguage(s_->resourceDir);
    GuiAsker::setScripted(true);
}

void ProjectInfoDialogTest::cleanup()
{
    QVERIFY(GuiAsker::asked.empty());
    dlg_.reset();
    s_.reset();
    GuiAsker::setScripted(false);
}

void ProjectInfoDialogTest::headerFieldsTakeOnlyWhatTheFilterAllows()
{
    open();
    QLineEdit* name = header(0);
    const int beeps = beepCount();
    typeInto(name, QString::fromUtf8("1ab c-\u00e41_defgh"));
    QCOMPARE(name->text(), "abc1_def");  // no leading digit, blank, dash, umlaut or ninth character
    QCOMPARE(beepCount(), beeps + 6);
    // Typing over a selection replaces it, even in a full field; but a digit
    // cannot become the whole value.
    name->selectAll();
    QTest::keyClicks(name, "5");
    QCOMPARE(name->text(), "abc1_def");
    QTest::keyClicks(name, "X");
    QCOMPARE(name->text(), "X");

    // Pasted text passes the same filter: no way round it into the source.
    paste(name, "9a b-1\nxyz0123");
    QCOMPARE(name->text(), "ab1xyz01");
    paste(name, "Press #3", true);
    QCOMPARE(name->text(), "Press3");
    paste(name, "ab\rcd");  // a pasted line break is no Enter
    QCOMPARE(name->text(), "abcd");
    QVERIFY(dlg_->isVisible());
}

void ProjectInfoDialogTest::enterConfirmsAndReservedWordsHoldTheFocus()
{
    open();
    QLineEdit* family = header(1);
    QLineEdit* author = header(2);
    typeInto(box("txtNotizen"), "a");
    QTest::keyClick(box("txtNotizen"), Qt::Key_Return);  // a line break, not OK
    QVERIFY(dlg_->isVisible());

    for (const QString word : {"Family", "FAMILY"}) {
        family->clear();
        typeInto(family, word);
        const int beeps = beepCount();
        QTest::keyClick(family, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), family);
        QCOMPARE(beepCount(), beeps + 1);
    }
    QTest::keyClicks(family, "1");
    QTest::keyClick(family, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), author);

    // From one reserved word to another: the focus must not bounce between them.
    QTest::keyClicks(author, "author");
    family->setText("family");
    int beeps = beepCount();
    QTest::mouseClick(family, Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(QApplication::focusWidget(), author);
    QCOMPARE(beepCount(), beeps + 1);
    author->clear();

    // OK and Enter do not close with a reserved word either; Cancel does.
    beeps = beepCount();
    QTest::mouseClick(button("btnOk"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), family);
    QTest::keyClick(family, Qt::Key_Enter);
    QVERIFY(dlg_->isVisible());
    QCOMPARE(beepCount(), beeps + 2);
    QTest::keyClicks(family, "X");
    QTest::keyClick(family, Qt::Key_Return);
    QVERIFY(!dlg_->isVisible());
    QVERIFY(!dlg_->cancelled());
    QCOMPARE(s_->app.AktProjectInfo.Familie, "familyX");
    QCOMPARE(s_->app.AktProjectInfo.Notizen, "a\r\n");

    open();
    header(1)->clear();
    typeInto(header(1), "family");
    QTest::mouseClick(button("btnCancel"), Qt::LeftButton);
    QVERIFY(dlg_->cancelled());
}

void ProjectInfoDialogTest::whatReachesTheRecord()
{
    ProjectInfo& akt = s_->app.AktProjectInfo;
    akt.ProjektName = "Hall2";
    akt.Autor = "Schmidt-Meyer";  // more than can be typed: shown and kept whole
    akt.Beschreibung = "one\r\ntwo";
    akt.InfoBestaetigt = kTrue;
    open();
    QCOMPARE(header(2)->text(), "Schmidt-Meyer");
    QCOMPARE(box("txtBeschreibung")->toPlainText(), "one\ntwo");
    QCOMPARE(akt.InfoBestaetigt, kFalse);  // cleared by loading
    const ProjectInfo loaded = akt;
    QTest::mouseClick(button("btnOk"), Qt::LeftButton);
    QVERIFY(!dlg_->cancelled());
    QCOMPARE(akt, loaded);

    // Cancel after an edit still hands the fields back, the edit is shown
    // again next time; Escape and the close box cancel too.
    open();
    typeInto(box("txtBeschreibung"), "; three: 3!");
    typeInto(header(2), "z");
    QTest::mouseClick(button("btnCancel"), Qt::LeftButton);
    QVERIFY(dlg_->cancelled());
    QCOMPARE(akt.Beschreibung, "one\r\ntwo; three: 3!");
    QCOMPARE(akt.Autor, "Schmidt-Meyer");
    QCOMPARE(akt.InfoBestaetigt, kTrue);
    open();
    QTest::keyClick(header(0), Qt::Key_Escape);
    QVERIFY(!dlg_->isVisible());
    QVERIFY(dlg_->cancelled());
    open();
    dlg_->close();
    QVERIFY(dlg_->cancelled());
    QCOMPARE(akt.InfoBestaetigt, kFalse);
    QCOMPARE(akt.Beschreibung, "one\r\ntwo; three: 3!");
}

void ProjectInfoDialogTest::projectGetsOnlyConfirmedEdits()
{
    ProjectInfo project;
    project.ProjektName = "Hall2";
    auto whenOpen = [](std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
    };
    whenOpen([](QWidget* d) {
        QTest::keyClicks(d->findChild<QPlainTextEdit*>("txtNotizen"), "draft");
        QTest::mouseClick(d->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    });
    QVERIFY(!ProjectInfoDialog::editProject(*s_, project, " hall2.qv4"));
    QCOMPARE(project.Notizen, "");
    QCOMPARE(s_->app.AktProjectInfo.Notizen, "draft");

    whenOpen([](QWidget* d) {
        auto* name = d->findChild<QLineEdit*>("txtHeader0");
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClicks(name, "x");
        QTest::keyClick(name, Qt::Key_Enter);
    });
    QVERIFY(ProjectInfoDialog::editProject(*s_, project, " hall2.qv4"));
    QCOMPARE(project.ProjektName, "Hall2x");
    QCOMPARE(project.InfoBestaetigt, kTrue);
}

QTEST_MAIN(ProjectInfoDialogTest)
#include "tst_ProjectInfoDialog.moc"
