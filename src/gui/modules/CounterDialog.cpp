#include "gui/modules/CounterDialog.h"
#include "core/base/TextIds.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace rm::gui {

CounterDialog::CounterDialog(Session& session, ProjectTable& table, QWidget* parent)
    : AddressTabDialog(session, table, parent)
{
    setObjectName("CntTyp1");
    form_.load(current());
    addTab(inputPage(), txt::Input);
    addTab(outputPage(), txt::Output);
    addTab(measurementPage(), txt::Measurement);
    showMeasurement();
}

QWidget* CounterDialog::inputPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabInput");
    auto* grid = new QGridLayout(page);
    auto label = [&](const QString& name, const QString& text, int row) {
        auto* l = new QLabel(text, page);
        l->setObjectName(name);
        grid->addWidget(l, row, 0);
    };
    auto pair = [&](int row, int firstIndex, bool edge, bool* field) {
        auto* h = new QHBoxLayout;
        optionGroup(this, "rbSignal", firstIndex, {t(txt::LevelTriggered), t(txt::EdgeTriggered)}, edge ? 1 : 0, h,
                    [field](int k) { *field = k == 1; });
        grid->addLayout(h, row, 2);
    };

    label("txtEingang0", t(txt::Input) + " A", 0);
    grid->addWidget(boundCheckBox("cBoxEingang0", t(txt::Inverted), &form_.invertA), 0, 1);
    label("txtEingang1", t(txt::Input) + " B", 1);
    grid->addWidget(boundCheckBox("cBoxEingang1", t(txt::Inverted), &form_.invertB), 1, 1);

    auto* gate = new QComboBox(page);
    gate->setObjectName("Combo1");
    gate->addItems({t(txt::EnableC), t(txt::ResetC)});
    gate->setCurrentIndex(form_.gateInput);
    connect(gate, &QComboBox::currentIndexChanged, this, [this](int i) { form_.gateInput = i; });
    grid->addWidget(gate, 2, 0);
    grid->addWidget(boundCheckBox("cBoxEingang2", t(txt::Inverted), &form_.invertGate), 2, 1);
    pair(2, 0, form_.gateEdge, &form_.gateEdge);

    label("txtEingang3", t(txt::EnableM) + " B", 3);
    grid->addWidget(boundCheckBox("cBoxEingang3", t(txt::Inverted), &form_.invertEnableM), 3, 1);
    pair(3, 2, form_.enableMEdge, &form_.enableMEdge);

    auto* count = new QGroupBox(t(txt::CountingMode), page);
    count->setObjectName("txtCount");
    auto* modes = new QHBoxLayout(count);
    optionGroup(this, "rbMode", 0, {"Mode0 (x1)", "Mode1 (x2)", "Mode2 (x3)", "Mode3 (x4)"}, form_.countMode, modes,
                [this](int k) { form_.countMode = k; });
    grid->addWidget(count, 4, 0, 1, 3);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* CounterDialog::outputPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabOutput");
    auto* v = new QVBoxLayout(page);

    auto* cco = new QGroupBox(t(txt::OutputChannelPrefix) + " CCO", page);
    cco->setObjectName("txtAusgang0");
    auto* ccoLayout = new QHBoxLayout(cco);
    ccoLayout->addWidget(boundCheckBox("cBoxAusgang0", t(txt::Inverted) + " CCO", &form_.invertCco));
    ccoLayout->addSpacing(16);
    optionGroup(this, "rbStore", 0, {t(txt::OutputStatic), t(txt::OutputPulse)}, form_.ccoStatic ? 0 : 1, ccoLayout,
                [this](int k) { form_.ccoStatic = k == 0; });
    ccoLayout->addStretch(1);
    v->addWidget(cco);

    auto* tco = new QGroupBox(t(txt::OutputChannelPrefix) + " TCO", page);
    tco->setObjectName("txtAusgang1");
    auto* tcoLayout = new QHBoxLayout(tco);
    optionGroup(this, "rbStore", 2, {t(txt::OutputStatic), t(txt::OutputPulse)}, form_.tcoStatic ? 0 : 1, tcoLayout,
                [this](int k) { form_.tcoStatic = k == 0; });
    tcoLayout->addStretch(1);
    v->addWidget(tco);
    v->addStretch(1);
    return page;
}

QWidget* CounterDialog::measurementPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabMeasurement");
    auto* h = new QHBoxLayout(page);

    auto* kind = new QGroupBox(t(txt::Measurement), page);
    kind->setObjectName("Label60");
    auto* kindLayout = new QVBoxLayout(kind);
    optionGroup(this, "rbMessung", 0, {t(txt::Period), t(txt::PulseMeasurement), t(txt::Frequency)}, form_.measurement,
                kindLayout, [this](int k) {
                    form_.setMeasurement(k);
                    showMeasurement();
                });
    // Under "Impulse", which it belongs to.
    measureInvertA_ = boundCheckBox("cBoxMessung", t(txt::InputAInverted), &form_.measureInvertA);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(20);
    indented->addWidget(measureInvertA_);
    kindLayout->insertLayout(2, indented);
    kindLayout->addStretch(1);
    h->addWidget(kind);

    auto* start = new QGroupBox(t(txt::StartOfMeasurement), page);
    start->setObjectName("Label61");
    auto* startLayout = new QVBoxLayout(start);
    optionGroup(this, "rbMessung", 3, {t(txt::Automatic), t(txt::Manual)}, form_.autoStart ? 0 : 1, startLayout,
                [this](int k) { form_.autoStart = k == 0; });
    startLayout->addStretch(1);
    h->addWidget(start, 0, Qt::AlignTop);
    return page;
}

void CounterDialog::showMeasurement()
{
    measureInvertA_->setEnabled(form_.measureInvertAEnabled());
    measureInvertA_->setChecked(form_.measureInvertA);
}

void CounterDialog::storeParameters(RowEintrag& current)
{
    form_.store(current);
}

}  // namespace rm::gui
