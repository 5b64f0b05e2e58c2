#include "gui/modules/DigitalDialogs.h"
#include "core/base/TextIds.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QTabWidget>

namespace rm::gui {

DigitalInputDialog::DigitalInputDialog(Session& session, ProjectTable& table, QWidget* parent)
    : ModuleDialog(session, table, parent)
{
    setObjectName("DInput");
    setAddressBoxes(AddressBoxes::Inputs);
}

DigitalOutputDialog::DigitalOutputDialog(Session& session, ProjectTable& table, QWidget* parent)
    : ModuleDialog(session, table, parent)
{
    setObjectName("DOutput");
    tabs()->setObjectName("SSTab2");
    setAddressBoxes(AddressBoxes::Outputs);
}

DigitalCombinedDialog::DigitalCombinedDialog(Session& session, ProjectTable& table, QWidget* parent)
    : ModuleDialog(session, table, parent)
{
    setObjectName("DKombi");
    tabs()->setObjectName("SSTab2");
    setAddressBoxes(AddressBoxes::Both);
    form_.load(current());

    // Tab "Addresses": the start addresses and which channel is an output.
    auto* page = new QWidget;
    page->setObjectName("TabAddresses");
    auto* v = new QVBoxLayout(page);
    moveAddressesTo(v);
    auto* channels = new QGroupBox(page);
    channels->setObjectName("FrameMask");
    auto* g = new QGridLayout(channels);
    for (int i = 0; i < DigitalCombinedForm::kChannels; ++i) {
        auto* box = new QCheckBox(QString::fromStdString(DigitalCombinedForm::caption(session.app.texts, i)), channels);
        box->setObjectName("rbMask" + QString::number(i));
        box->setChecked(form_.rbMask[static_cast<std::size_t>(i)]);
        // Channels 0 and 1 are always inputs, 6 and 7 always outputs.
        box->setEnabled(DigitalCombinedForm::userSettable(i));
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) { form_.rbMask[static_cast<std::size_t>(i)] = on; });
        g->addWidget(box, i % 4, i / 4);
        rbMask_[static_cast<std::size_t>(i)] = box;
    }
    v->addWidget(channels);
    v->addStretch(1);
    addTab(page, txt::TabAddresses);
}

void DigitalCombinedDialog::storeParameters(RowEintrag& r)
{
    form_.store(r);
}

}  // namespace rm::gui
