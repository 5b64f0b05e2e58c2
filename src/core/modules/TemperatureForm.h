// The four-channel temperature input module: per channel a sensor type and a
// connection type, coded into one configuration byte (Param1..Param4), and
// for the whole module the unit, kept in the high byte of the identifier word.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/base/TextTable.h"
#include "core/record/RowEintrag.h"

namespace rm {

struct SensorType {
    const char* text;  // nullptr: text 1263 ("Not use")
    int group;         // 1 resistance, 2 thermocouple, 3 voltage, 0 channel not used
    int code;
    int extra;  // 4: a plain resistance range
};
struct ConnectionType {
    const char* text;
    int group;
    int code;
};
struct MeasureUnit {
    const char* text;
    int code;
};

const std::array<SensorType, 10>& SensorTypes();
const std::array<ConnectionType, 7>& ConnectionTypes();
const std::array<MeasureUnit, 3>& MeasureUnits();
// A row of ConnectionTypes as the dialog lists it, in the language of texts.
// The English text of the row stays the name the settings know it by.
std::string connectionTypeName(const Texts& texts, std::size_t row);

struct TemperatureForm {
    static constexpr int kChannels = 4;  // shown as channels 0 to 3

    struct Channel {
        int sensor = 0;                // row of SensorTypes selected in ComboThermType
        std::vector<int> connections;  // rows of ConnectionTypes listed in ConnecType
        int connection = 0;            // list index selected in ConnecType
    };
    std::array<Channel, kChannels> channel;
    int unit = 0;  // row of MeasureUnits selected in CombomeasureUnit

    void load(const RowEintrag& record);
    // Param1..Param4 and the unit; the frame stores the rest.
    void store(RowEintrag& record) const;

    // The operations of the dialog, channel 0..3.
    void SetListMeasureUnit(int identWord);
    void SetListConnectionType(int ch);
    void setConnectionType(int code, int ch);
    void setThermoType(int code, int ch);
    void setChannel(int configByte, int ch);
    // A sensor chosen by the user: its connection list starts at its first entry.
    void selectSensor(int ch, int row);
    int getConfigByte(int ch) const;
    int getKennung(uint8_t kennung) const;

    const SensorType& sensorOf(int ch) const;
    const ConnectionType& connectionOf(int ch) const;
    // A thermocouple with external compensation needs channel 0 to carry a
    // temperature sensor (not a plain resistance range) or a thermocouple.
    bool CheckCompensation() const;

    static std::string sensorText(const Texts& texts, int row);
    static std::string channelLabel(const Texts& texts, int ch);  // "Input Channel 0"
};

}  // namespace rm
