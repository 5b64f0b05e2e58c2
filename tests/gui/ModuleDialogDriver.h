// Driving a module dialog as a user does: open it from its row with a double
// click, go to a page by its tab, click, type, choose from lists, OK.
#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>

#include "core/dbgen/SourceGenerator.h"
#include "gui/support/GuiFixture.h"

namespace rm::gui::test {

class DialogDriver {
public:
    explicit DialogDriver(QWidget* dialog) : dlg_(dialog) {}
    QWidget* dialog() const { return dlg_; }

    template <class W = QWidget>
    W* child(const QString& name) const
    {
        W* w = dlg_->findChild<W*>(name);
        if (!w) qWarning("%s has no %s", qPrintable(dlg_->objectName()), qPrintable(name));
        return w;
    }
    QTabWidget* tabs() const { return dlg_->findChild<QTabWidget*>(); }
    QStringList visibleTabs() const
    {
        QStringList out;
        for (int i = 0; i < tabs()->count(); ++i)
            if (tabs()->isTabVisible(i)) out << tabs()->tabText(i);
        return out;
    }
    // Clicks the tab of the page holding w.
    void showPageOf(QWidget* w) const
    {
        QTabWidget* t = tabs();
        if (!t) return;
        for (int i = 0; i < t->count(); ++i) {
            if (t->widget(i) == w || t->widget(i)->isAncestorOf(w)) {
                QTest::mouseClick(t->tabBar(), Qt::LeftButton, {}, t->tabBar()->tabRect(i).center());
                return;
            }
        }
    }
    void click(const QString& name) const
    {
        auto* b = child<QAbstractButton>(name);
        if (!b) return;
        showPageOf(b);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    // Replaces the text of a line edit or number box by typing.
    void type(const QString& name, const QString& text) const
    {
        QWidget* w = child(name);
        if (!w) return;
        showPageOf(w);
        w->setFocus();
        // A box of several lines (the comment) ends at Ctrl+End.
        QTest::keyClick(w, Qt::Key_End, qobject_cast<QPlainTextEdit*>(w) ? Qt::ControlModifier : Qt::NoModifier);
        for (qsizetype n = this->text(name).size(); n > 0; --n) QTest::keyClick(w, Qt::Key_Backspace);
        QTest::keyClicks(w, text);
    }
    QString text(const QString& name) const
    {
        QWidget* w = child(name);
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText();
        if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) return s->text();
        return {};
    }
    // Chooses a list item with the arrow keys.
    void choose(const QString& name, int index) const
    {
        auto* c = child<QComboBox>(name);
        if (!c) return;
        showPageOf(c);
        c->setFocus();
        for (int guard = 0; c->currentIndex() != index && guard < 20; ++guard)
            QTest::keyClick(c, c->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    bool checked(const QString& name) const { return child<QAbstractButton>(name)->isChecked(); }
    // Shown on its page (the page brought to the front first).
    bool shown(const QString& name) const
    {
        QWidget* w = child(name);
        showPageOf(w);
        return w->isVisibleTo(dlg_);
    }
    bool enabled(const QString& name) const { return child(name)->isEnabled(); }
    void ok() const { QTest::mouseClick(child<QAbstractButton>("btnOk"), Qt::LeftButton); }
    void cancel() const { QTest::mouseClick(child<QAbstractButton>("btnCancel"), Qt::LeftButton); }
    bool isOpen() const { return dlg_->isVisible(); }

private:
    QWidget* dlg_;
};

// Opens the dialog of a row with a double click and runs `act` on it. A
// dialog that `act` leaves open is cancelled, and the call then fails.
inline bool openRow(ProjectWindow* p, int row, std::function<void(DialogDriver&)> act)
{
    struct State {
        bool opened = false, leftOpen = false, givenUp = false;
    };
    auto state = std::make_shared<State>();
    GuiFixture::whenModal([state, act](QWidget* dlg) {
        if (state->givenUp) return;
        state->opened = true;
        QPointer<QWidget> guard(dlg);
        DialogDriver d(dlg);
        act(d);
        if (guard && guard->isVisible()) {
            state->leftOpen = true;
            if (auto* q = qobject_cast<QDialog*>(guard.data())) q->reject();
        }
    });
    ProjectGrid* grid = p->grid();
    const QModelIndex index = grid->model()->index(row - 1, 2);
    grid->scrollTo(index);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    state->givenUp = !state->opened;
    return state->opened && !state->leftOpen;
}

// Runs `act` once a modal dialog with this object name is open (a dialog
// opened from another dialog).
inline void whenDialog(const QString& name, std::function<void(DialogDriver&)> act)
{
    QTimer::singleShot(0, [name, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name) {
            whenDialog(name, act);
            return;
        }
        DialogDriver d(modal);
        act(d);
    });
}

// The initial-value lines of the data block structure of the module with this
// order number (its first structure when it has several rows): "kenn := ...".
inline QStringList initLines(const ProjectTable& table, const std::string& order, int nth = 0)
{
    const QStringList lines = QString::fromStdString(generateIoBlock(table, 0)).split("\r\n");
    QString prefix;
    for (const QString& l : lines) {
        if (l.startsWith("   Modul") && l.endsWith("; //" + QString::fromStdString(order)) && nth-- == 0) {
            prefix = l.left(l.indexOf('.') + 1);
            break;
        }
    }
    QStringList out;
    if (prefix.isEmpty()) return out;
    for (const QString& l : lines)
        if (l.startsWith(prefix)) out << l.mid(prefix.size());
    return out;
}

}  // namespace rm::gui::test
