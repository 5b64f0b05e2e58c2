// The block number dialog: the option rules as the user clicks and arrows
// through them, the arguments writeDB gets, and the message for each result.
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <utility>

#include "gui/app/Beep.h"
#include "gui/app/Session.h"
#include "gui/dbgen/DbSelectDialog.h"

using namespace rm;
using namespace rm::gui;

using Calls = std::vector<std::pair<int, int>>;

class DbSelectDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void optionRulesByMouseAndKeyboard();
    void resultMessages();

private:
    void open(int result = 1)
    {
        calls_.clear();
        result_ = result;
        dlg_ = std::make_unique<DbSelectDialog>(*s_, "hall2.qv4", [this](int io, int cpu) {
            calls_.emplace_back(io, cpu);
            return result_;
        });
        dlg_->show();
        QVERIFY(QTest::qWaitForWindowActive(dlg_.get()));
    }
    QRadioButton* io(int i) const { return dlg_->findChild<QRadioButton*>(QStringLiteral("rbDB%1").arg(i)); }
    QRadioButton* cpu(int i) const { return dlg_->findChild<QRadioButton*>(QStringLiteral("rbDB1_%1").arg(i)); }
    QPushButton* button(const char* name) const { return dlg_->findChild<QPushButton*>(name); }
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }
    // The checked CPU option and which are enabled, e.g. "3 e:0111".
    QString cpuState() const
    {
        QString checked = "-", enabled;
        for (int i = 0; i < 4; ++i) {
            if (cpu(i)->isChecked()) checked = QString::number(i);
            enabled += cpu(i)->isEnabled() ? '1' : '0';
        }
        return checked + " e:" + enabled;
    }

    std::unique_ptr<Session> s_;
    std::unique_ptr<DbSelectDialog> dlg_;
    Calls calls_;
    int result_ = 1;
};

void DbSelectDialogTest::init()
{
    s_ = std::make_unique<Session>();
    s_->resourceDir = RM_RESOURCES;
    GuiAsker::setScripted(true);
}

void DbSelectDialogTest::cleanup()
{
    QVERIFY(GuiAsker::unexpected.empty());
    dlg_.reset();
    s_.reset();
    GuiAsker::setScripted(false);
}

void DbSelectDialogTest::optionRulesByMouseAndKeyboard()
{
    // OK at once: I/O block DB 1, no CPU block.
    open();
    QVERIFY(io(0)->isChecked());
    QCOMPARE(cpuState(), "3 e:0111");
    GuiAsker::setNextAnswers({answer::Ok});
    click(button("btnOk"));
    QCOMPARE(calls_, (Calls{{0, 0}}));
    QVERIFY(!dlg_->isVisible());

    open();
    click(cpu(1));  // CPU DB511, then I/O DB511: the CPU block moves to DB1023
    click(io(1));
    QCOMPARE(cpuState(), "2 e:1011");
    click(cpu(1));  // disabled: nothing happens
    QCOMPARE(cpuState(), "2 e:1011");

    // Arrow keys follow the same rules and skip the disabled option.
    click(cpu(2));
    io(0)->setFocus();
    QTest::keyClick(io(0), Qt::Key_Down);
    QTest::keyClick(io(1), Qt::Key_Down);
    QVERIFY(io(2)->isChecked());
    QCOMPARE(cpuState(), "1 e:1101");
    cpu(1)->setFocus();
    QTest::keyClick(cpu(1), Qt::Key_Down);
    QCOMPARE(cpuState(), "3 e:1101");
    GuiAsker::setNextAnswers({answer::Ok});
    QTest::keyClick(cpu(3), Qt::Key_Return);
    QCOMPARE(calls_, (Calls{{2, 0}}));

    // Cancel and Escape generate nothing.
    open();
    click(button("btnCancel"));
    open();
    QTest::keyClick(dlg_.get(), Qt::Key_Escape);
    QVERIFY(!dlg_->isVisible());
    QVERIFY(calls_.empty());
}

void DbSelectDialogTest::resultMessages()
{
    struct Case {
        int result;
        const char* prompt;
        const char* title;
    };
    for (const Case& c : {Case{1, "Source file (.AWL) have been Generated !", ""},
                          Case{0, "Couldn't Generate source file !", "Error !"}, Case{2, nullptr, nullptr}}) {
        GuiAsker::setScripted(true);
        const int beeps = beepCount();
        open(c.result);
        if (c.prompt) GuiAsker::setNextAnswers({answer::Ok});
        click(button("btnOk"));
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(beepCount(), beeps + (c.prompt ? 1 : 0));
        QCOMPARE(GuiAsker::asked.size(), size_t(c.prompt ? 1 : 0));
        if (!c.prompt) continue;
        QCOMPARE(GuiAsker::asked[0].prompt, c.prompt);
        QCOMPARE(GuiAsker::asked[0].title, c.title);
        QCOMPARE(GuiAsker::asked[0].style, style::Ok);
    }
}

QTEST_MAIN(DbSelectDialogTest)
#include "tst_DbSelectDialog.moc"
