#include "gui/modules/ControlNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>
#include <vector>

namespace rm::gui {

namespace {

bool hasLetter(const QString& s)
{
    for (const QChar c : s)
        if (c.isLetter()) return true;
    return false;
}

// The layout that holds w itself, searched from its parent's layout down.
QLayout* holderOf(QLayout* layout, const QWidget* w)
{
    if (!layout) return nullptr;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w) return layout;
        if (QLayout* found = holderOf(item->layout(), w)) return found;
    }
    return nullptr;
}

QString labelText(const QLayoutItem* item)
{
    const auto* label = item ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    return label ? spokenText(label->text()) : QString();
}

// The label the user reads before w in its row: to its left in a grid, the
// item before it in a row of widgets, the label of a form row.
QString besideText(const QWidget* w)
{
    QLayout* holder = w->parentWidget() ? holderOf(w->parentWidget()->layout(), w) : nullptr;
    if (!holder) return {};
    const int index = holder->indexOf(w);
    if (auto* grid = qobject_cast<QGridLayout*>(holder)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        for (int c = column - 1; c >= 0; --c) {
            const QString text = labelText(grid->itemAtPosition(row, c));
            if (!text.isEmpty()) return text;
        }
        return {};
    }
    if (auto* form = qobject_cast<QFormLayout*>(holder)) {
        const auto* label = qobject_cast<const QLabel*>(form->labelForField(const_cast<QWidget*>(w)));
        return label ? spokenText(label->text()) : QString();
    }
    auto* box = qobject_cast<QBoxLayout*>(holder);
    if (box && (box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft) &&
        index > 0)
        return labelText(box->itemAt(index - 1));
    return {};
}

QString frameTitle(const QWidget* w, const QWidget* root)
{
    for (const QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget())
        if (const auto* frame = qobject_cast<const QGroupBox*>(p); frame && !frame->title().isEmpty())
            return spokenText(frame->title());
    return {};
}

QString pageCaption(const QWidget* w, const QWidget* root)
{
    for (const QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget()) {
        const auto* tabs = qobject_cast<const QTabWidget*>(p);
        for (int i = 0; tabs && i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(w)) return spokenText(tabs->tabText(i));
    }
    return {};
}

QString joined(const QString& context, const QString& name)
{
    if (context.isEmpty() || name.contains(context)) return name;
    return name.isEmpty() ? context : context + ", " + name;
}

struct Named {
    QWidget* control;
    QString name;
};

}  // namespace

QString spokenText(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == QLatin1Char('&')) {
            // "&&" is an ampersand shown; a single one marks the mnemonic.
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) out += c, ++i;
            continue;
        }
        out += c == QLatin1Char('\n') ? QLatin1Char(' ') : c;
    }
    out = out.simplified();
    while (out.endsWith(QLatin1Char(':'))) out = out.chopped(1).trimmed();
    return out;
}

bool isInputControl(const QWidget* w, const QWidget* root)
{
    const bool control = qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
                         qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
                         qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
                         qobject_cast<const QAbstractItemView*>(w) ||
                         (qobject_cast<const QAbstractSlider*>(w) && !qobject_cast<const QScrollBar*>(w));
    if (!control || w == root) return false;
    for (const QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget()) {
        if (p->isWindow()) return false;  // a popup, such as a combo box's list
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QTabBar*>(p))
            return false;
        if (qobject_cast<const QAbstractScrollArea*>(p) && !qobject_cast<const QScrollArea*>(p)) return false;
    }
    return true;
}

void nameControls(QWidget* root)
{
    QHash<const QWidget*, QString> buddyText;
    for (const QLabel* label : root->findChildren<QLabel*>())
        if (label->buddy() && !label->text().isEmpty()) buddyText.insert(label->buddy(), spokenText(label->text()));

    std::vector<Named> named;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!isInputControl(w, root) || !w->accessibleName().isEmpty()) continue;
        QString name = buddyText.value(w);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        const QString caption = button ? spokenText(button->text()) : QString();
        if (name.isEmpty()) name = caption;
        // A caption of signs only ("...") says what the button does, not
        // what it belongs to: the row or frame goes in front.
        if (!hasLetter(name)) {
            QString context = besideText(w);
            if (context.isEmpty()) context = frameTitle(w, root);
            if (context.isEmpty()) context = pageCaption(w, root);
            name = name.isEmpty() ? context : (context.isEmpty() ? name : context + " " + name);
        }
        named.push_back({w, name});
    }

    QHash<QString, int> uses;
    for (const Named& n : named) ++uses[n.name];
    for (Named& n : named) {
        if (uses.value(n.name) > 1) {
            // The first context that tells this control from the others of
            // the same name.
            for (const QString& context :
                 {besideText(n.control), frameTitle(n.control, root), pageCaption(n.control, root)}) {
                const QString longer = joined(context, n.name);
                if (longer != n.name) {
                    n.name = longer;
                    break;
                }
            }
        }
        n.control->setAccessibleName(n.name);
    }
}

}  // namespace rm::gui
