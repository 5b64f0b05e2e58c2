#include "core/modules/TemperatureForm.h"
#include "core/base/OwnTexts.h"
#include "core/base/TextIds.h"

#include <cstring>

namespace rm {

const std::array<SensorType, 10>& SensorTypes()
{
    static const std::array<SensorType, 10> rows{{
        {"Pt100", 1, 1, 0},
        {"Pt1000", 1, 2, 0},
        {"Ni100", 1, 3, 0},
        {"Ni1000", 1, 4, 0},
        {"R600  Ohm", 1, 5, 4},
        {"R5000 Ohm", 1, 6, 4},
        {"K (NiCr-Ni)", 2, 29, 0},
        {"J (Fe-CuNi)", 2, 30, 0},
        {"+/- 75mV", 3, 31, 0},
        {nullptr, 0, 0, 0},
    }};
    return rows;
}

const std::array<ConnectionType, 7>& ConnectionTypes()
{
    static const std::array<ConnectionType, 7> rows{{
        {"2 wire", 1, 1},
        {"3 wire", 1, 2},
        {"4 wire", 1, 3},
        {"Internal", 2, 5},
        {"External", 2, 6},
        {"Voltage", 3, 5},
        {" - ", 0, 0},
    }};
    return rows;
}

const std::array<MeasureUnit, 3>& MeasureUnits()
{
    static const std::array<MeasureUnit, 3> rows{{{"1/10 °C", 1}, {"1/10 °F", 2}, {"1/10 °K", 3}}};
    return rows;
}

std::string connectionTypeName(const Texts& texts, std::size_t row)
{
    static const std::array<OwnText, 7> shown{
        OwnText::ConnectionTwoWire,  OwnText::ConnectionThreeWire, OwnText::ConnectionFourWire,
        OwnText::ConnectionInternal, OwnText::ConnectionExternal,  OwnText::ConnectionVoltage,
        OwnText::ConnectionNone,
    };
    if (row >= ConnectionTypes().size()) return {};
    return ownText(texts, shown[row]);
}

namespace {
constexpr int kExternal = 4;  // row of "External" in ConnectionTypes
}

void TemperatureForm::load(const RowEintrag& r)
{
    SetListMeasureUnit(r.identWord());
    const int16_t params[kChannels] = {r.Param1, r.Param2, r.Param3, r.Param4};
    for (int ch = 0; ch < kChannels; ++ch) setChannel(params[ch], ch);
}

void TemperatureForm::store(RowEintrag& r) const
{
    r.Param1 = static_cast<int16_t>(getConfigByte(0));
    r.Param2 = static_cast<int16_t>(getConfigByte(1));
    r.Param3 = static_cast<int16_t>(getConfigByte(2));
    r.Param4 = static_cast<int16_t>(getConfigByte(3));
    r.setIdentWord(getKennung(r.Kennung));
}

void TemperatureForm::SetListMeasureUnit(int identWord)
{
    const int code = (static_cast<uint16_t>(identWord) >> 8) & 0xFF;
    unit = 0;
    for (int i = 0; i < static_cast<int>(MeasureUnits().size()); ++i)
        if (MeasureUnits()[static_cast<std::size_t>(i)].code == code) {
            unit = i;
            break;
        }
}

void TemperatureForm::SetListConnectionType(int ch)
{
    Channel& c = channel.at(static_cast<std::size_t>(ch));
    const int group = SensorTypes()[static_cast<std::size_t>(c.sensor)].group;
    c.connections.clear();
    for (int i = 0; i < static_cast<int>(ConnectionTypes().size()); ++i) {
        // Channel 0 is itself the compensation of the others: no external one.
        if (i == kExternal && ch == 0) continue;
        if (ConnectionTypes()[static_cast<std::size_t>(i)].group == group) c.connections.push_back(i);
    }
    setConnectionType(0, ch);
}

void TemperatureForm::setConnectionType(int code, int ch)
{
    Channel& c = channel.at(static_cast<std::size_t>(ch));
    c.connection = 0;
    for (std::size_t i = 0; i < c.connections.size(); ++i)
        if (ConnectionTypes()[static_cast<std::size_t>(c.connections[i])].code == code) {
            c.connection = static_cast<int>(i);
            break;
        }
}

void TemperatureForm::setThermoType(int code, int ch)
{
    Channel& c = channel.at(static_cast<std::size_t>(ch));
    c.sensor = 0;
    for (int i = 0; i < static_cast<int>(SensorTypes().size()); ++i)
        if (SensorTypes()[static_cast<std::size_t>(i)].code == code) {
            c.sensor = i;
            break;
        }
    SetListConnectionType(ch);
}

void TemperatureForm::setChannel(int configByte, int ch)
{
    setThermoType(configByte & 31, ch);
    setConnectionType((configByte & 0xE0) / 32, ch);
}

void TemperatureForm::selectSensor(int ch, int row)
{
    Channel& c = channel.at(static_cast<std::size_t>(ch));
    if (row < 0 || row >= static_cast<int>(SensorTypes().size())) return;
    c.sensor = row;
    SetListConnectionType(ch);
}

const SensorType& TemperatureForm::sensorOf(int ch) const
{
    return SensorTypes()[static_cast<std::size_t>(channel.at(static_cast<std::size_t>(ch)).sensor)];
}

const ConnectionType& TemperatureForm::connectionOf(int ch) const
{
    const Channel& c = channel.at(static_cast<std::size_t>(ch));
    // Every sensor group lists at least one connection.
    return ConnectionTypes()[static_cast<std::size_t>(c.connections.at(static_cast<std::size_t>(c.connection)))];
}

int TemperatureForm::getConfigByte(int ch) const
{
    return (connectionOf(ch).code & 7) * 32 + (sensorOf(ch).code & 31);
}

int TemperatureForm::getKennung(uint8_t kennung) const
{
    return MeasureUnits()[static_cast<std::size_t>(unit)].code * 256 + kennung;
}

bool TemperatureForm::CheckCompensation() const
{
    bool external = false;
    for (int ch = 0; ch < kChannels; ++ch)
        if (sensorOf(ch).group == 2 && std::strcmp(connectionOf(ch).text, "External") == 0) external = true;
    if (!external) return true;
    const SensorType& first = sensorOf(0);
    return (first.group == 1 && first.extra != 4) || first.group == 2;
}

std::string TemperatureForm::sensorText(const Texts& texts, int row)
{
    const SensorType& s = SensorTypes().at(static_cast<std::size_t>(row));
    return s.text ? s.text : texts.byEnglishId(txt::NotUsed);
}

std::string TemperatureForm::channelLabel(const Texts& texts, int ch)
{
    return texts.byEnglishId(txt::InputChannel) + " " + std::to_string(ch);
}

}  // namespace rm
