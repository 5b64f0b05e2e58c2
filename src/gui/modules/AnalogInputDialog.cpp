#include "gui/modules/AnalogInputDialog.h"
#include "core/base/TextIds.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "gui/modules/UserRangeDialog.h"

namespace rm::gui {

namespace {
QString indexed(const char* name, int i)
{
    return QString::fromLatin1(name) + QString::number(i);
}
}  // namespace

AnalogInputDialog::AnalogInputDialog(Session& session, ProjectTable& table, QWidget* parent)
    : ModuleDialog(session, table, parent)
{
    setObjectName("AInput");
    setAddressBoxes(AddressBoxes::Inputs);
    form_.load(current());

    // Tab 1 "Addresses": the start address and the step of 4.
    auto* addresses = new QWidget;
    addresses->setObjectName("TabAddresses");
    auto* v = new QVBoxLayout(addresses);
    moveAddressesTo(v);
    auto* step = new QCheckBox(t(txt::ChannelsInStepsOf4), addresses);
    step->setObjectName("Check23");
    step->setChecked(form_.stepOf4);
    step->setVisible(form_.stepOf4Shown());
    connect(step, &QCheckBox::toggled, this, [this](bool on) {
        form_.stepOf4 = on;
        setByteCounts(form_.inCntFor(on, current().InCnt), current().OutCnt);
    });
    v->addWidget(step);
    v->addStretch(1);
    addTab(addresses, txt::TabAddresses);

    // Tabs 2 to 4 "Measurment type": one of them is shown.
    const int formats = addTab(buildValueFormatPage(), txt::TabMeasurementType);
    const int perChannel = addTab(buildChannelFormatPage(), txt::TabMeasurementType);
    const int ranges = addTab(buildRangePage(), txt::TabMeasurementType);
    tabs()->setTabVisible(formats, form_.page() == AnalogPage::ValueFormat);
    tabs()->setTabVisible(perChannel, form_.page() == AnalogPage::ChannelFormat);
    tabs()->setTabVisible(ranges, form_.page() == AnalogPage::Ranges);
}

QWidget* AnalogInputDialog::buildValueFormatPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabValueFormat");
    auto* v = new QVBoxLayout(page);
    auto* label = new QLabel(t(txt::ValueFormatLabel), page);
    label->setObjectName("Label6");
    v->addWidget(label);
    auto* group = new QButtonGroup(page);
    for (int i = 0; i < AnalogInputForm::kFormats; ++i) {
        auto* rb = new QRadioButton(QString::fromUtf8(AnalogInputForm::formatCaption(i)), page);
        rb->setObjectName(indexed("rbFormat", i));
        rb->setEnabled(form_.rbFormatEnabled[static_cast<std::size_t>(i)]);
        group->addButton(rb, i);
        v->addWidget(rb);
    }
    if (form_.rbFormat >= 0) group->button(form_.rbFormat)->setChecked(true);
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) form_.rbFormat = id;
    });
    v->addStretch(1);
    return page;
}

QWidget* AnalogInputDialog::buildChannelFormatPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabChannelFormat");
    auto* g = new QGridLayout(page);
    QStringList items;
    for (const std::string& s : AnalogInputForm::channelFormatItems()) items << QString::fromStdString(s);
    for (int i = 0; i < AnalogInputForm::kFormatChannels; ++i) {
        auto* label = new QLabel(t(txt::InputChannel) + " " + QString::number(i + 1), page);
        label->setObjectName(indexed("Label12", i));
        auto* combo = new QComboBox(page);
        combo->setObjectName(indexed("Combo1", i));
        combo->addItems(items);
        combo->setCurrentIndex(form_.Combo1[static_cast<std::size_t>(i)]);
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, i](int index) { form_.Combo1[static_cast<std::size_t>(i)] = index; });
        label->setBuddy(combo);
        g->addWidget(label, i, 0);
        g->addWidget(combo, i, 1);
    }
    g->setRowStretch(AnalogInputForm::kFormatChannels, 1);
    g->setColumnStretch(1, 1);
    return page;
}

QWidget* AnalogInputDialog::buildRangePage()
{
    auto* page = new QWidget;
    page->setObjectName("TabRanges");
    auto* v = new QVBoxLayout(page);

    frame6_ = new QGroupBox(t(txt::ChannelProperty), page);
    frame6_->setObjectName("Frame6");
    auto* g = new QGridLayout(frame6_);
    QStringList items;
    for (const std::string& s : form_.rangeItems(session().app.texts)) items << QString::fromStdString(s);
    for (int i = 0; i < AnalogInputForm::kRangeChannels; ++i) {
        const auto n = static_cast<std::size_t>(i);
        auto* label = new QLabel(t(txt::InputChannel) + " " + QString::number(i + 1), frame6_);
        label->setObjectName(indexed("Label8", i));
        auto* combo = new QComboBox(frame6_);
        combo->setObjectName(indexed("Combo2", i));
        combo->addItems(items);
        combo->setCurrentIndex(form_.Combo2[n]);
        label->setBuddy(combo);
        auto* custom = new QPushButton(QStringLiteral("..."), frame6_);
        custom->setObjectName(indexed("CustomData", i));
        custom->setAutoDefault(false);
        auto* mA = new QCheckBox(QStringLiteral("4..20 mA"), frame6_);
        mA->setObjectName(indexed("chk_4to20mA", i));
        mA->setChecked(form_.chk_4to20mA[n]);
        mA->setVisible(form_.fourTo20Shown);
        g->addWidget(label, i, 0);
        g->addWidget(combo, i, 1);
        g->addWidget(custom, i, 2);
        g->addWidget(mA, i, 3);
        combo2_[n] = combo;
        customData_[n] = custom;
        mA_[n] = mA;
        connect(combo, &QComboBox::currentIndexChanged, this, [this, i](int item) { rangeChosen(i, item); });
        connect(custom, &QPushButton::clicked, this, [this, i] { editCustomRange(i); });
        connect(mA, &QCheckBox::toggled, this, [this, n](bool on) { form_.chk_4to20mA[n] = on; });
        rangeChosen(i, form_.Combo2[n]);
    }
    g->setColumnStretch(1, 1);
    v->addWidget(frame6_);

    auto* frame8 = new QGroupBox(t(txt::ModuleProperty), page);
    frame8->setObjectName("Frame8");
    auto* props = new QVBoxLayout(frame8);
    const int captions[3] = {txt::AutomaticMeasurementStart, txt::UnderOverflowAvoidance, txt::ActivateFilter};
    for (int k = 0; k < 3; ++k) {
        auto* box = new QCheckBox(t(captions[k]), frame8);
        box->setObjectName(indexed("Check3", k));
        box->setChecked(form_.Check3[static_cast<std::size_t>(k)]);
        connect(box, &QCheckBox::toggled, this, [this, k](bool on) { form_.Check3[static_cast<std::size_t>(k)] = on; });
        props->addWidget(box);
    }
    v->addWidget(frame8);
    v->addStretch(1);
    return page;
}

void AnalogInputDialog::rangeChosen(int channel, int item)
{
    const auto n = static_cast<std::size_t>(channel);
    form_.Combo2[n] = item;
    customData_[n]->setVisible(form_.customShown(channel));
    mA_[n]->setEnabled(form_.fourTo20Enabled(channel));
}

void AnalogInputDialog::editCustomRange(int channel)
{
    const auto n = static_cast<std::size_t>(channel);
    const QString caption = frame6_->title() + " " + t(txt::InputChannel) + " " + QString::number(channel + 1);
    UserRangeDialog::edit(session(), this, caption, form_.UserMin[n], form_.UserMax[n]);
}

void AnalogInputDialog::storeParameters(RowEintrag& r)
{
    form_.store(r);
}

}  // namespace rm::gui
