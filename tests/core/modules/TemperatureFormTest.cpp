#include <gtest/gtest.h>

#include "core/modules/TemperatureForm.h"

using namespace rm;

namespace {

int sensorRow(const std::string& text)
{
    for (int i = 0; i < static_cast<int>(SensorTypes().size()); ++i)
        if (TemperatureForm::sensorText(Texts(), i) == text) return i;
    ADD_FAILURE() << text;
    return 0;
}

// Chooses a sensor and then a connection by its text, as the user does.
void choose(TemperatureForm& f, int ch, const std::string& sensor, const std::string& connection)
{
    f.selectSensor(ch, sensorRow(sensor));
    auto& c = f.channel[static_cast<std::size_t>(ch)];
    for (std::size_t i = 0; i < c.connections.size(); ++i)
        if (ConnectionTypes()[static_cast<std::size_t>(c.connections[i])].text == connection)
            c.connection = static_cast<int>(i);
    ASSERT_EQ(f.connectionOf(ch).text, connection);
}

}  // namespace

TEST(Temperature, ConfigurationBytes)
{
    TemperatureForm f;
    f.load(RowEintrag{});
    choose(f, 0, "Pt100", "3 wire");
    choose(f, 1, "Pt1000", "4 wire");
    choose(f, 2, "K (NiCr-Ni)", "External");
    choose(f, 3, "J (Fe-CuNi)", "Internal");
    RowEintrag r;
    r.setIdentWord(0x0050);
    f.unit = 2;
    f.store(r);
    EXPECT_EQ((std::array<int, 5>{r.Param1, r.Param2, r.Param3, r.Param4, r.identWord()}),
              (std::array<int, 5>{0x41, 0x62, 0xDD, 0xBE, 0x0350}));

    choose(f, 1, "+/- 75mV", "Voltage");
    choose(f, 2, "Not use", " - ");
    choose(f, 3, "R5000 Ohm", "2 wire");
    EXPECT_EQ((std::array<int, 3>{f.getConfigByte(1), f.getConfigByte(2), f.getConfigByte(3)}),
              (std::array<int, 3>{0xBF, 0x00, 0x26}));

    // Loading the stored bytes gives the same choices back; a unit outside the list is Celsius.
    f.load(r);
    EXPECT_EQ(f.sensorOf(2).code, 29);
    EXPECT_EQ(std::string(f.connectionOf(2).text), "External");
    EXPECT_EQ(f.unit, 2);
    r.setIdentWord(0xFF50);
    f.load(r);
    f.store(r);
    EXPECT_EQ(r.identWord(), 0x0150);
}

// Unknown codes fall back to the first entry of their list.
TEST(Temperature, UnknownCodesFallBackToTheFirstEntry)
{
    RowEintrag r;
    r.Param1 = 0xDD;          // external compensation: channel 0 has none, channel 3 does
    r.Param2 = 0x20 * 5 + 1;  // Pt100 with a thermocouple connection
    r.Param3 = 7;             // no sensor with code 7
    r.Param4 = 0xDD;
    TemperatureForm f;
    f.load(r);
    EXPECT_EQ((std::array<int, 4>{f.getConfigByte(0), f.getConfigByte(1), f.getConfigByte(2), f.getConfigByte(3)}),
              (std::array<int, 4>{0xBD, 0x21, 0x21, 0xDD}));
    // A list with nothing chosen (-1) or past its end changes nothing.
    f.selectSensor(1, -1);
    f.selectSensor(2, 1000);
    EXPECT_EQ((std::array<int, 2>{f.getConfigByte(1), f.getConfigByte(2)}), (std::array<int, 2>{0x21, 0x21}));
}

TEST(Temperature, ExternalCompensationNeedsATemperatureSensorOnChannelZero)
{
    TemperatureForm f;
    f.load(RowEintrag{});
    EXPECT_TRUE(f.CheckCompensation());
    choose(f, 1, "K (NiCr-Ni)", "External");
    choose(f, 0, "R600  Ohm", "2 wire");
    EXPECT_FALSE(f.CheckCompensation());
    choose(f, 0, "Pt100", "2 wire");
    EXPECT_TRUE(f.CheckCompensation());
}

TEST(Temperature, ConnectionTypesShowInTheChosenLanguage)
{
    // The dialog's list in each language, row by row; the form and the settings
    // keep the English names.
    const std::vector<std::string> en{"2 wire", "3 wire", "4 wire", "Internal", "External", "Voltage", " - "};
    const std::vector<std::string> de{"2-Leiter", "3-Leiter", "4-Leiter", "Intern", "Extern", "Spannung", " - "};
    const std::vector<std::string> fr{"2 fils", "3 fils", "4 fils", "Interne", "Externe", "Tension", " - "};
    for (const auto& [base, names] : {std::pair{kEnglishBase, en}, {kGermanBase, de}, {kFrenchBase, fr}}) {
        std::vector<std::string> shown;
        for (std::size_t row = 0; row < ConnectionTypes().size(); ++row)
            shown.push_back(connectionTypeName(Texts(base), row));
        EXPECT_EQ(shown, names);
        EXPECT_EQ(connectionTypeName(Texts(base), ConnectionTypes().size()), "");
    }
    for (std::size_t row = 0; row < ConnectionTypes().size(); ++row) EXPECT_EQ(ConnectionTypes()[row].text, en[row]);
}
