#include "gui/modules/AddressTabDialog.h"
#include "core/base/TextIds.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>

namespace rm::gui {

AddressTabDialog::AddressTabDialog(Session& session, ProjectTable& table, QWidget* parent)
    : ModuleDialog(session, table, parent)
{
    auto* page = new QWidget;
    page->setObjectName("TabAddresses");
    auto* layout = new QVBoxLayout(page);
    moveAddressesTo(layout);
    layout->addStretch(1);
    addTab(page, txt::TabAddresses);
}

void AddressTabDialog::showField(QWidget* field)
{
    for (int i = 0; i < tabs()->count(); ++i)
        if (tabs()->widget(i)->isAncestorOf(field)) tabs()->setCurrentIndex(i);
    field->setFocus();
    if (auto* box = qobject_cast<QAbstractSpinBox*>(field)) box->selectAll();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

QButtonGroup* optionGroup(QObject* owner, const QString& name, int firstIndex, const QStringList& captions, int checked,
                          QLayout* layout, std::function<void(int)> chosen)
{
    auto* group = new QButtonGroup(owner);
    for (int k = 0; k < captions.size(); ++k) {
        auto* b = new QRadioButton(captions[k]);
        b->setObjectName(name + QString::number(firstIndex + k));
        group->addButton(b, k);
        layout->addWidget(b);
    }
    if (checked >= 0 && checked < captions.size()) group->button(checked)->setChecked(true);
    QObject::connect(group, &QButtonGroup::idClicked, owner, std::move(chosen));
    return group;
}

QCheckBox* boundCheckBox(const QString& name, const QString& text, bool* field)
{
    auto* b = new QCheckBox(text);
    b->setObjectName(name);
    b->setChecked(*field);
    QObject::connect(b, &QCheckBox::toggled, b, [field](bool on) { *field = on; });
    return b;
}

UpDownBox::UpDownBox(int min, int max, QWidget* parent) : QAbstractSpinBox(parent), min_(min), max_(max)
{
    setAlignment(Qt::AlignRight);
    setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("00000")) + 32);
    lineEdit()->setMaxLength(6);
    connect(lineEdit(), &QLineEdit::textEdited, this, &UpDownBox::textEdited);
}

void UpDownBox::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void UpDownBox::stepBy(int steps)
{
    bool ok = false;
    const int now = text().trimmed().toInt(&ok);
    const int next = ok ? std::clamp(now + steps, min_, max_) : (steps > 0 ? min_ : max_);
    lineEdit()->setText(QString::number(next));
    lineEdit()->selectAll();
    emit textEdited(text());
}

QAbstractSpinBox::StepEnabled UpDownBox::stepEnabled() const
{
    bool ok = false;
    const int now = text().trimmed().toInt(&ok);
    if (!ok) return StepUpEnabled | StepDownEnabled;
    StepEnabled e = StepNone;
    if (now < max_) e |= StepUpEnabled;
    if (now > min_) e |= StepDownEnabled;
    return e;
}

void keepPlaceWhenHidden(QWidget* w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

}  // namespace rm::gui
