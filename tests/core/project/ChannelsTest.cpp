// The channels of a project and the symbol tables made from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/app/Language.h"
#include "core/catalog/ModuleCatalog.h"
#include "core/project/Channels.h"
#include "core/project/ProjectFixture.h"
#include "core/project/SymbolTable.h"

namespace rm::test {
namespace {

class Channels : public ProjectFixture {
protected:
    // DI, 2 bytes at 0; AI, 16 bytes at 256; DIO, 1 + 1 byte at 2 and 0.
    Channels() { put({{"QMV2.R300", "#1"}, {"QMV2.D110", "#5"}, {"QMV2.E301", "#6"}, {"QMV2.D310", "#7"}}); }
};

TEST_F(Channels, DigitalByBitAnalogByWord)
{
    const auto list = channels(table);
    ASSERT_EQ(list.size(), 16u + 8u + 8u + 8u);
    EXPECT_EQ(list[0].address, "I 0.0");
    EXPECT_EQ(list[15].address, "I 1.7");
    EXPECT_EQ(list[15].type, "BOOL");
    EXPECT_EQ(list[16].address, "IW 256");
    EXPECT_EQ(list[23].address, "IW 270");
    EXPECT_EQ(list[23].type, "INT");
    EXPECT_EQ(list[23].number, 7);
    EXPECT_EQ(list[23].order, "QMV2.E301");  // each channel names its own module
    EXPECT_EQ(list[23].designation, "AI 8x 12 bit");
    EXPECT_EQ(list.back().address, "Q 0.7");
    EXPECT_TRUE(list.back().output);
    const auto german = channels(table, Mnemonics::German);
    EXPECT_EQ(german[16].address, "EW 256");
    EXPECT_EQ(german.back().address, "A 0.7");
}

// No two channels share an address bit, each lies in its module's range, and
// the symbols are unique, short and made of the accepted characters.
void expectDisjointInsideAndUniquelyNamed(const ProjectTable& table)
{
    std::set<std::pair<bool, int>> bits;
    std::set<std::string> symbols;
    for (const Channel& c : channels(table)) {
        const RowEintrag& rec = table.record(c.row);
        const int base = c.output ? rec.OutBase : rec.InBase, count = c.output ? rec.OutCnt : rec.InCnt;
        const int firstBit = c.byte * 8 + (c.bit < 0 ? 0 : c.bit), bitCount = c.bytes == 0 ? 1 : c.bytes * 8;
        EXPECT_GE(c.byte, base) << c.address;
        EXPECT_LE(firstBit + bitCount, (base + count) * 8) << c.address;
        for (int b = firstBit; b < firstBit + bitCount; ++b)
            EXPECT_TRUE(bits.insert({c.output, b}).second) << c.address;
        EXPECT_TRUE(symbols.insert(c.symbol).second) << c.symbol;
        EXPECT_LE(c.symbol.size(), 24u);
        EXPECT_EQ(c.symbol.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_"),
                  std::string::npos);
        EXPECT_LE(c.comment.size(), 80u);
    }
}

// The step of 4 puts a word every four bytes.
TEST_F(Channels, StepOf4DisjointInsideTheModuleAndUniquelyNamed)
{
    table.record(6).Kennung |= 0x08;
    table.record(6).InCnt = 32;
    table.record(5).Bezeichnung = std::string(100, 'x') + "\xC3\xA4";
    const auto list = channels(table);
    ASSERT_EQ(list.size(), 16u + 8u + 8u + 8u);
    EXPECT_EQ(list[17].address, "IW 260");
    EXPECT_EQ(list[23].address, "IW 284");
    expectDisjointInsideAndUniquelyNamed(table);
}

// The counting, encoder and positioning modules of the shipped catalog, with
// the values and status words their help pages document.
class ProcessChannels : public ProjectFixture {
protected:
    ProcessChannels() { app.ModulKatalog = shippedCatalog(); }
    // "offset:type:name" of the row's channels in one direction, the offset
    // from the module's start and the name after the symbol's stem.
    std::string layout(int row, bool output, Mnemonics m = Mnemonics::English) const
    {
        const RowEintrag& rec = table.record(row);
        std::string out;
        for (const Channel& c : channels(table, m)) {
            if (c.row != row || c.output != output) continue;
            const std::string stem = "S" + std::to_string(c.station) + "_" + c.slot + "_" + c.kind;
            EXPECT_EQ(c.symbol.substr(0, stem.size()), stem);
            out += (out.empty() ? "" : " ") + c.address.substr(0, c.address.find(' ')) + "+" +
                   std::to_string(c.byte - (output ? rec.OutBase : rec.InBase)) + ":" + c.type + ":" +
                   c.symbol.substr(stem.size());
        }
        return out;
    }
};

TEST_F(ProcessChannels, CounterAndSsiEncoder)
{
    put({{"QMV2.R230", "#1"}, {"QMV2.K202", "4"}, {"QMV2.K205", "5"}});
    const int counter = slotRow("4"), ssi = slotRow("5");
    EXPECT_EQ(layout(counter, false), "ID+0:DINT:_Count IW+4:WORD:_Meas IW+6:WORD:_Status");
    EXPECT_EQ(layout(counter, true), "QD+0:DINT:_Load QW+4:WORD:_Gate QW+6:WORD:_Ctrl");
    EXPECT_EQ(layout(counter, true, Mnemonics::German), "AD+0:DINT:_Load AW+4:WORD:_Gate AW+6:WORD:_Ctrl");
    EXPECT_EQ(layout(ssi, false), "ID+0:DINT:_Pos ID+4:DWORD:_Status");
    EXPECT_EQ(layout(ssi, true), "QD+0:DWORD:_Ctrl");
    expectDisjointInsideAndUniquelyNamed(table);
}

TEST_F(ProcessChannels, TwoAxisEncoderAndPositioning)
{
    put({{"QMV3.R330", "#1"}, {"QMV3.K240", "4"}, {"QMV3.K201", "6"}, {"QMV3.K221", "7"}, {"QMV3.E322", "8"}});
    // Both axes belong to the module's first slot; the second has no channel.
    EXPECT_EQ(layout(slotRow("4"), false), "ID+0:DINT:_PosX ID+4:DINT:_PosY");
    EXPECT_EQ(layout(slotRow("4"), true), "QW+0:WORD:_CtrlX QW+2:WORD:_CtrlY");
    EXPECT_EQ(layout(slotRow("5"), false) + layout(slotRow("5"), true), "");
    EXPECT_EQ(layout(slotRow("6"), false), "ID+0:DINT:_ActPos IW+4:INT:_ActSpeed IW+6:WORD:_Status");
    EXPECT_EQ(layout(slotRow("6"), true), "QD+0:DINT:_Target QW+4:INT:_Speed QW+6:WORD:_Ctrl");
    EXPECT_EQ(layout(slotRow("7"), true),
              "QD+0:DINT:_Target1 QW+4:INT:_Speed1 QW+6:WORD:_Ctrl1 QD+8:DINT:_Target2 QW+12:INT:_Speed2 "
              "QW+14:WORD:_Ctrl2");
    EXPECT_EQ(layout(slotRow("8"), false),
              "IW+0:INT:_ActPos1 IW+2:INT:_Dev1 IW+4:INT:_Valve1 IW+6:WORD:_Status1 IW+8:INT:_ActPos2 "
              "IW+10:INT:_Dev2 IW+12:INT:_Valve2 IW+14:WORD:_Status2");
    EXPECT_EQ(layout(slotRow("8"), true),
              "QW+0:INT:_SetPos1 QW+2:INT:_Gain1 QW+4:INT:_Offset1 QW+6:WORD:_Ctrl1 QW+8:INT:_SetPos2 "
              "QW+10:INT:_Gain2 QW+12:INT:_Offset2 QW+14:WORD:_Ctrl2");
    expectDisjointInsideAndUniquelyNamed(table);
    // Bytes a project holds beyond the documented blocks are single bytes.
    table.record(slotRow("6")).InCnt = 10;
    EXPECT_EQ(layout(slotRow("6"), false),
              "ID+0:DINT:_ActPos IW+4:INT:_ActSpeed IW+6:WORD:_Status IB+8:BYTE:_B8 IB+9:BYTE:_B9");
}

// A designation from a received project may hold the separators, quotes, a
// line end and a leading formula character of every format: each format still
// writes one line per channel with its own fields, and the CSV keeps the text
// a text.
TEST_F(Channels, EveryFormatKeepsOneLineAndItsFieldsPerChannel)
{
    table.record(5).Bezeichnung = "=Pump, \"A\";\tB\r\nC";
    const auto list = channels(table);
    const std::size_t n = list.size();
    for (const std::string& line : linesOf(symbolsSeq(list))) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3) << line;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    }
    EXPECT_EQ(linesOf(symbolsSeq(list)).size(), n);
    for (const std::string& line : linesOf(symbolsAsc(list))) EXPECT_EQ(line.size(), 4u + 24 + 12 + 10 + 80) << line;
    EXPECT_EQ(linesOf(symbolsAsc(list)).size(), n);
    const auto sdf = linesOf(symbolsSdf(list));
    ASSERT_EQ(sdf.size(), n);
    EXPECT_EQ(sdf[0], "\"S0_1_DI0_0\",\"I 0.0\",\"BOOL\",\"=Pump, 'A'; B  C, I 0.0\"");
    for (const std::string& line : sdf) EXPECT_EQ(std::count(line.begin(), line.end(), '"'), 8) << line;

    // CSV: the designation quoted whole, its quotes doubled, a leading ' for the formula.
    const std::string csv = channelsCsv(list, {',', false});
    EXPECT_NE(csv.find(",\"'=Pump, \"\"A\"\";\tB\r\nC\","), std::string::npos) << csv.substr(0, 300);
    EXPECT_NE(csv.find(",\"'=Pump, \"\"A\"\"; B  C, I 0.0\"\r\n"), std::string::npos) << csv.substr(0, 300);
    const std::string semi = channelsCsv(list, {';', false});
    EXPECT_NE(semi.find(";\"'=Pump, \"\"A\"\"; B  C, I 0.0\"\r\n"), std::string::npos) << semi.substr(0, 300);
}

TEST(Shortened, NeverSplitsACharacter)
{
    EXPECT_EQ(shortened("ab\xC3\xA4"
                        "cd",
                        3),
              "ab\xC3\xA4");
    EXPECT_EQ(shortened("ab\xC3\xA4", 2), "ab");
    EXPECT_EQ(shortened("abc", 5), "abc");
}

TEST(SymbolFormats, Layouts)
{
    Channel c;
    c.slot = "4";
    c.order = "QMV2.D110";
    c.designation = "DI 16x \"24 V\"";
    c.address = "I 4.0";
    c.type = "BOOL";
    c.symbol = "S0_4_DI0_0";
    c.comment = "Z\xC3\xA4hler \"A\", I 4.0";
    const std::vector<Channel> list{c};
    EXPECT_EQ(symbolsSdf(list), "\"S0_4_DI0_0\",\"I 4.0\",\"BOOL\",\"Z\xE4hler 'A', I 4.0\"\r\n");
    const std::string asc = symbolsAsc(list);
    EXPECT_EQ(asc.size(), 4u + 24 + 12 + 10 + 80 + 2);
    EXPECT_EQ(asc.substr(0, 4 + 24 + 12 + 10 + 6), "126,S0_4_DI0_0              I 4.0       BOOL      Z\xE4hler");
    EXPECT_EQ(symbolsSeq(list), "\tI 4.0\tS0_4_DI0_0\tZ\xE4hler \"A\", I 4.0\r\n");
    const std::string csv = channelsCsv(list, {';', true});
    EXPECT_EQ(csv,
              "\xEF\xBB\xBFstation;slot;order_number;designation;channel;direction;address;data_type;symbol;"
              "comment\r\n0;4;QMV2.D110;\"DI 16x \"\"24 V\"\"\";0;input;I 4.0;BOOL;S0_4_DI0_0;"
              "\"Z\xC3\xA4hler \"\"A\"\", I 4.0\"\r\n");
    EXPECT_EQ(symbolFormatNamed("SEQ"), SymbolFormat::Seq);
    EXPECT_FALSE(symbolFormatNamed("xls"));
}

}  // namespace
}  // namespace rm::test
