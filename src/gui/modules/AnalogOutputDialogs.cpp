#include "gui/modules/AnalogOutputDialogs.h"
#include "core/base/TextIds.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

#include "gui/modules/UserRangeDialog.h"

namespace rm::gui {

namespace {

// One row of the channel page: label, range list, custom range button.
ChannelRow channelRow(QGridLayout* grid, int i, const QString& label, const QStringList& items, int item,
                      const QString& customTip)
{
    ChannelRow row;
    const QString n = QString::number(i);
    row.label = new QLabel(label);
    row.range = new QComboBox;
    row.range->setObjectName("Combo1" + n);
    row.range->addItems(items);
    row.range->setCurrentIndex(item);
    row.label->setBuddy(row.range);
    row.custom = new QToolButton;
    row.custom->setText(QStringLiteral("..."));
    row.custom->setObjectName("CustomData" + n);
    row.custom->setToolTip(customTip);
    keepPlaceWhenHidden(row.custom);
    grid->addWidget(row.label, i, 0);
    grid->addWidget(row.range, i, 1);
    grid->addWidget(row.custom, i, 2);
    return row;
}

// The custom range of a channel through the user range dialog; the values
// come back unchanged when it is cancelled.
void editRange(Session& session, QWidget* parent, const QString& caption, OutputChannel& ch)
{
    int16_t min = ch.userMin, max = ch.userMax, reset = ch.userReset;
    UserRangeDialog::edit(session, parent, caption, min, max, &reset);
    ch.userMin = min;
    ch.userMax = max;
    ch.userReset = reset;
}

}  // namespace

// ---------------------------------------------------------------- AOutput

AnalogOutputDialog::AnalogOutputDialog(Session& session, ProjectTable& table, QWidget* parent)
    : AddressTabDialog(session, table, parent)
{
    setObjectName("AOutput");
    form_.load(current());
    const int format = addTab(formatPage(), txt::TabMeasurementType);
    const int channels = addTab(channelPage(), txt::ChannelProperty);
    tabs()->setTabVisible(form_.showsChannels() ? format : channels, false);
}

QWidget* AnalogOutputDialog::formatPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabFormat");
    auto* v = new QVBoxLayout(page);
    auto* label = new QLabel(t(txt::ValueFormatLabel), page);
    label->setObjectName("Label6");
    v->addWidget(label);
    auto* group =
        optionGroup(this, "rbFormat", 0,
                    {QStringLiteral("NURA"), QStringLiteral("SIMATIC® bipolar"), QStringLiteral("SIMATIC® unipolar")},
                    form_.format, v, [this](int k) { form_.format = k; });
    for (int k = 0; k < 3; ++k) group->button(k)->setEnabled(form_.formatEnabled[static_cast<std::size_t>(k)]);
    v->addStretch(1);
    return page;
}

QWidget* AnalogOutputDialog::channelPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabChannels");
    auto* v = new QVBoxLayout(page);
    frame_ = new QGroupBox(t(txt::OutputChannel), page);
    frame_->setObjectName("Frame6");
    auto* grid = new QGridLayout(frame_);
    const QStringList items = {QStringLiteral("0...4095"), qs(form_.secondRangeText), t(txt::CustomFormat)};
    for (int i = 0; i < form_.channelCount; ++i) {
        const OutputChannel& ch = form_.channels[static_cast<std::size_t>(i)];
        ChannelRow& row = rows_[static_cast<std::size_t>(i)];
        row = channelRow(grid, i, t(txt::OutputChannelPrefix) + QString::number(i + 1), items, ch.item,
                         t(txt::CustomFormat));
        row.label->setObjectName("Label8" + QString::number(i));
        row.box = boundCheckBox("chk_4to20mA" + QString::number(i), QStringLiteral("4..20 mA"),
                                &form_.channels[static_cast<std::size_t>(i)].range4to20);
        keepPlaceWhenHidden(row.box);
        grid->addWidget(row.box, i, 3);
        connect(row.range, &QComboBox::currentIndexChanged, this, [this, i](int item) {
            form_.selectRange(i, item);
            showChannel(i);
        });
        connect(row.custom, &QToolButton::clicked, this, [this, i] { editCustomRange(i); });
        showChannel(i);
    }
    grid->setColumnStretch(4, 1);
    v->addWidget(frame_);
    v->addStretch(1);
    return page;
}

void AnalogOutputDialog::showChannel(int i)
{
    const OutputChannel& ch = form_.channels[static_cast<std::size_t>(i)];
    const ChannelRow& row = rows_[static_cast<std::size_t>(i)];
    row.custom->setVisible(ch.customVisible());
    row.box->setVisible(ch.boxVisible);
    row.box->setChecked(ch.range4to20);
}

void AnalogOutputDialog::editCustomRange(int i)
{
    const QString caption = frame_->title() + " " + rows_[static_cast<std::size_t>(i)].label->text();
    editRange(session(), this, caption, form_.channels[static_cast<std::size_t>(i)]);
}

void AnalogOutputDialog::storeParameters(RowEintrag& current)
{
    form_.store(current);
}

// ---------------------------------------------------------------- AKombi

AnalogCombinedDialog::AnalogCombinedDialog(Session& session, ProjectTable& table, QWidget* parent)
    : AddressTabDialog(session, table, parent)
{
    setObjectName("AKombi");
    form_.load(current());
    const int format = addTab(formatPage(), txt::TabMeasurementType);
    const int channels = addTab(channelPage(), txt::ChannelProperty);
    tabs()->setTabVisible(form_.showsChannels ? format : channels, false);
}

QWidget* AnalogCombinedDialog::formatPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabFormat");
    auto* v = new QVBoxLayout(page);
    auto* types = new QVBoxLayout;
    optionGroup(this, "rbFormatTyp", 0, {QStringLiteral("NURA-Format"), QStringLiteral("SIMATIC®-Format")},
                form_.simatic ? 1 : 0, types, [this](int k) {
                    form_.simatic = k == 1;
                    enableSimaticOptions();
                });
    v->addLayout(types);

    // The SIMATIC choices, under the format they belong to.
    simaticOptions_ = new QWidget(page);
    simaticOptions_->setObjectName("SimaticOptions");
    auto* options = new QVBoxLayout(simaticOptions_);
    options->setContentsMargins(20, 0, 0, 0);
    optionGroup(this, "rbFormat", 0, {QStringLiteral("SIMATIC®  bipolar"), QStringLiteral("SIMATIC®  unipolar")},
                form_.inputFormat, options, [this](int k) { form_.inputFormat = k; });
    options->addWidget(boundCheckBox("cboxFormat0",
                                     t(txt::OutputChannelPrefix) + QStringLiteral(" 1       SIMATIC®  unipolar"),
                                     &form_.outputUnipolar[0]));
    options->addWidget(boundCheckBox("cboxFormat1",
                                     t(txt::OutputChannelPrefix) + QStringLiteral(" 2       SIMATIC®  unipolar"),
                                     &form_.outputUnipolar[1]));
    v->addWidget(simaticOptions_);
    v->addStretch(1);
    enableSimaticOptions();
    return page;
}

void AnalogCombinedDialog::enableSimaticOptions()
{
    for (QWidget* w : simaticOptions_->findChildren<QWidget*>()) w->setEnabled(form_.simaticOptionsEnabled());
}

QWidget* AnalogCombinedDialog::channelPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabChannels");
    auto* v = new QVBoxLayout(page);
    frame_ = new QGroupBox(t(txt::OutputChannel), page);
    frame_->setObjectName("Frame6");
    auto* grid = new QGridLayout(frame_);
    const QStringList items = {QStringLiteral("0...4095"), QString::fromUtf8(AnalogCombinedForm::secondRangeText()),
                               t(txt::CustomFormat)};
    for (int i = 0; i < AnalogCombinedForm::kChannels; ++i) {
        ChannelRow& row = rows_[static_cast<std::size_t>(i)];
        row = channelRow(grid, i, t(txt::OutputChannelPrefix) + " " + QString::number(i + 1), items,
                         form_.channels[static_cast<std::size_t>(i)].item, t(txt::CustomFormat));
        row.label->setObjectName("Label12" + QString::number(i));
        connect(row.range, &QComboBox::currentIndexChanged, this, [this, i](int item) {
            form_.selectRange(i, item);
            showChannel(i);
        });
        connect(row.custom, &QToolButton::clicked, this, [this, i] { editCustomRange(i); });
        showChannel(i);
    }
    grid->setColumnStretch(3, 1);
    v->addWidget(frame_);
    v->addStretch(1);
    return page;
}

void AnalogCombinedDialog::showChannel(int i)
{
    rows_[static_cast<std::size_t>(i)].custom->setVisible(form_.channels[static_cast<std::size_t>(i)].customVisible());
}

void AnalogCombinedDialog::editCustomRange(int i)
{
    const QString caption = frame_->title() + " " + rows_[static_cast<std::size_t>(i)].label->text();
    editRange(session(), this, caption, form_.channels[static_cast<std::size_t>(i)]);
}

void AnalogCombinedDialog::storeParameters(RowEintrag& current)
{
    form_.store(current);
}

}  // namespace rm::gui
