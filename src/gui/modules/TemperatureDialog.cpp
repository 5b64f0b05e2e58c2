#include "gui/modules/TemperatureDialog.h"
#include "core/base/TextIds.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

namespace rm::gui {

TemperatureDialog::TemperatureDialog(Session& session, ProjectTable& table, QWidget* parent)
    : ModuleDialog(session, table, parent)
{
    setObjectName("ATemp");
    form_.load(current());
    const Texts& texts = session.app.texts;

    // Tab 1 "Addresses".
    auto* addresses = new QWidget;
    addresses->setObjectName("TabAddresses");
    auto* v = new QVBoxLayout(addresses);
    moveAddressesTo(v);
    v->addStretch(1);
    addTab(addresses, txt::TabAddresses);

    // Tab 2 "Measurment type": sensor and connection per channel, the unit.
    auto* page = new QWidget;
    page->setObjectName("TabMeasurement");
    auto* g = new QGridLayout(page);
    auto* sensorHead = new QLabel(t(txt::InputRange), page);
    sensorHead->setObjectName("LabelSensor");
    auto* connectionHead = new QLabel(t(txt::ConnectionType), page);
    connectionHead->setObjectName("LabelConnection");
    g->addWidget(sensorHead, 0, 1);
    g->addWidget(connectionHead, 0, 2);
    for (int ch = 0; ch < TemperatureForm::kChannels; ++ch) {
        const QString k = QString::number(ch + 1);
        auto* label = new QLabel(QString::fromStdString(TemperatureForm::channelLabel(texts, ch)), page);
        label->setObjectName("Label12" + k);
        auto* sensor = new QComboBox(page);
        sensor->setObjectName("ComboThermType" + k);
        for (int row = 0; row < static_cast<int>(SensorTypes().size()); ++row)
            sensor->addItem(QString::fromStdString(TemperatureForm::sensorText(texts, row)),
                            SensorTypes()[static_cast<std::size_t>(row)].code);
        sensor->setCurrentIndex(form_.channel[static_cast<std::size_t>(ch)].sensor);
        auto* connection = new QComboBox(page);
        connection->setObjectName("ConnecType" + k);
        label->setBuddy(sensor);
        g->addWidget(label, ch + 1, 0);
        g->addWidget(sensor, ch + 1, 1);
        g->addWidget(connection, ch + 1, 2);
        sensor_[static_cast<std::size_t>(ch)] = sensor;
        connection_[static_cast<std::size_t>(ch)] = connection;
        fillConnections(ch);
        connect(sensor, &QComboBox::currentIndexChanged, this, [this, ch](int row) {
            form_.selectSensor(ch, row);
            fillConnections(ch);
        });
        connect(connection, &QComboBox::currentIndexChanged, this, [this, ch](int index) {
            if (index >= 0) form_.channel[static_cast<std::size_t>(ch)].connection = index;
        });
    }
    auto* unitLabel = new QLabel(t(txt::MeasurementUnit), page);
    unitLabel->setObjectName("LabelUnit");
    auto* unit = new QComboBox(page);
    unit->setObjectName("CombomeasureUnit");
    for (const MeasureUnit& u : MeasureUnits()) unit->addItem(QString::fromUtf8(u.text), u.code);
    unit->setCurrentIndex(form_.unit);
    unitLabel->setBuddy(unit);
    connect(unit, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) form_.unit = index;
    });
    const int unitRow = TemperatureForm::kChannels + 1;
    g->addWidget(unitLabel, unitRow, 0);
    g->addWidget(unit, unitRow, 1);
    g->setRowStretch(unitRow + 1, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(2, 1);
    addTab(page, txt::TabMeasurementType);
}

// The connection list of a channel as the form holds it (item data: code).
void TemperatureDialog::fillConnections(int ch)
{
    const auto& c = form_.channel[static_cast<std::size_t>(ch)];
    QComboBox* combo = connection_[static_cast<std::size_t>(ch)];
    const QSignalBlocker block(combo);
    combo->clear();
    for (int row : c.connections) {
        const auto index = static_cast<std::size_t>(row);
        combo->addItem(QString::fromStdString(connectionTypeName(session().app.texts, index)),
                       ConnectionTypes()[index].code);
    }
    combo->setCurrentIndex(c.connection);
}

bool TemperatureDialog::validateParameters(QString*)
{
    if (form_.CheckCompensation()) return true;
    session().app.ask(txt::ExternalCompensationNeedsChannel0, txt::ExternalCompensationRequired,
                      style::Ok + style::Critical);
    return false;
}

void TemperatureDialog::storeParameters(RowEintrag& r)
{
    form_.store(r);
}

}  // namespace rm::gui
