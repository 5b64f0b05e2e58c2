#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/dbgen/SourceFixture.h"
#include "core/dbgen/SourceGenerator.h"

namespace rm::test {
namespace {

class IoBlock : public SourceFixture {
protected:
    std::string source(int ioDb = 0) { return generateSource(table, ioDb, 0); }
    // The declaration lines of one module structure, without indentation.
    std::vector<std::string> structureOf(const std::string& text, const std::string& name)
    {
        std::vector<std::string> out;
        const auto head = text.find(name + " : STRUCT");
        if (head == std::string::npos) return out;
        for (std::string l : linesOf(text.substr(text.find("\r\n", head) + 2))) {
            l.erase(0, l.find_first_not_of(' '));
            if (l == "END_STRUCT;") break;
            out.push_back(l);
        }
        return out;
    }
    // The values of the fields `names`, "<missing name>" where there is none.
    static std::vector<std::string> valuesOf(const std::vector<std::string>& fields, std::vector<std::string> names)
    {
        for (auto& n : names) {
            auto f =
                std::find_if(fields.begin(), fields.end(), [&](const auto& l) { return l.starts_with(n + " : "); });
            n = f == fields.end() ? "<missing " + n + ">" : f->substr(f->find(":= ") + 3);
        }
        return names;
    }
    // Which of the texts occur in `text`.
    static std::vector<bool> occurs(const std::string& text, const std::vector<std::string>& parts)
    {
        std::vector<bool> out;
        for (const auto& p : parts) out.push_back(text.find(p) != std::string::npos);
        return out;
    }
};

// The reference files of both layouts are checked with the bills built from them (BomGolden).
TEST_F(IoBlock, ProjectWithoutModulesAndWithoutHeaderTexts)
{
    // No CPU, no info texts: TITLE stays, AUTHOR, FAMILY and NAME go.
    const std::string bare = generateIoBlock(table, 1);
    EXPECT_TRUE(bare.starts_with("DATA_BLOCK DB 511\r\nTITLE = \r\nVERSION : 0.1\r\n\r\n\r\n  STRUCT\r\n")) << bare;
    EXPECT_EQ(linesOf(bare).size(), 18u);
}

TEST_F(IoBlock, OnlyTheExactExtendedIdentifiersSwitchTheLayout)
{
    placeCpu("QMV2.R310");
    place("QMV2.A100", slotRow("A"));
    table.record(slotRow("A")).setIdentWord(0x42);
    // Rows of the CPU block are never examined: the eight empty numbered slots are the only structures.
    EXPECT_EQ(occurs(source(), {"VERSION : 0.1", "QMV2.A100", "Modul7 : STRUCT  //\r\n", "Modul8"}),
              (std::vector<bool>{true, false, true, false}));
    for (int kenn : {0x35, 0x67, 0x42, 0x62, 0x63, 0x65, 0x8042, 0x0142, 0x6300, 0x41, 0x11}) {
        writeRow(slotRow("1"), module("QMV2.X", kenn));
        const bool extended = kenn < 0x100 && kenn != 0x41 && kenn != 0x11;
        EXPECT_NE(source().find(extended ? "VERSION : 0.2" : "VERSION : 0.1"), std::string::npos) << std::hex << kenn;
    }
}

TEST_F(IoBlock, StationRowsAreSkippedAndSlotsNumberOnAcrossTheExtension)
{
    placeCpu("QMV2.R300");  // slots 1..8, then "+"
    place("QMV2.X100", slotRow("+"));
    place("QMV2.D110", slotRow("9"));

    // Basic: every numbered slot is a structure; the rack row is not.
    EXPECT_EQ(occurs(source(), {"QMV2.X100", "Modul8 : STRUCT  //QMV2.D110", "Modul15 : STRUCT  //\r\n", "Modul16"}),
              (std::vector<bool>{false, true, true, false}));

    // Extended: empty slots only count, so the module keeps its number.
    writeRow(slotRow("1"), module("QMV2.G", 0x35));
    const std::string text = source();
    EXPECT_EQ(occurs(text, {"Modul0 : STRUCT  //QMV2.G", "Modul8 : STRUCT  //QMV2.D110", "Modul1 ", "Modul15"}),
              (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(valuesOf(structureOf(text, "Modul8"), {"SlotNbr"}), std::vector<std::string>{"8;"});
}

TEST_F(IoBlock, ExtendedFieldsPerIdentifier)
{
    placeCpu("QMV2.R310");
    RowEintrag ai = module("QMV2.E301", 0x42);
    ai.Param3 = -3;
    ai.ParLen = 30;
    for (int i = 0; i < 7; ++i) ai.KanalWerte.push_back({0, static_cast<int16_t>(-i), static_cast<int16_t>(i), 9});
    writeRow(slotRow("1"), ai);
    RowEintrag other = module("QMV2.E302", 0x0142);
    other.Param3 = 1;
    other.Param4 = 2;
    writeRow(slotRow("2"), other);
    RowEintrag odd = module("QMV2.E311", 0x62);
    odd.ParLen = 7;
    odd.KanalWerte = {{0, -7, 70, 7}};  // channels 1..5 missing: written as zero
    writeRow(slotRow("3"), odd);
    const std::string text = source();

    // 0x42: ModKonf from Param3, then minimum and maximum of seven channels.
    const auto ai42 = structureOf(text, "Modul0");
    EXPECT_EQ(ai42.size(), 24u);
    EXPECT_EQ(valuesOf(ai42, {"StrucLen", "RetVal", "ModKonf", "MinVaCh0", "MinVaCh6", "MaxVaCh6", "ResVaCh0"}),
              (std::vector<std::string>{"48;", "W#16#0;", "W#16#FFFD;", "0;", "-6;", "6;", "<missing ResVaCh0>"}));
    EXPECT_NE(text.find("   Modul0.ModKonf := W#16#FFFD;\r\n   Modul0.MinVaCh0 := 0;\r\n   Modul0.MinVaCh1 := -1;"),
              std::string::npos);

    // A format code in the high byte keeps the basic parameter fields.
    EXPECT_EQ(valuesOf(structureOf(text, "Modul1"), {"kenn", "StrucLen", "dummy_w", "ModKonf"}),
              (std::vector<std::string>{"W#16#142;", "22;", "W#16#102;", "<missing ModKonf>"}));
    EXPECT_EQ(
        valuesOf(structureOf(text, "Modul2"), {"StrucLen", "MinVaCh0", "ResVaCh0", "MaxVaCh5", "MinVaCh6", "mask"}),
        (std::vector<std::string>{"25;", "-7;", "7;", "0;", "<missing MinVaCh6>", "<missing mask>"}));
}

TEST_F(IoBlock, ParameterWordsFitTheirDeclaredWidth)
{
    placeCpu("QMV2.R310");
    // Order number, Param1..Param4, then mask, dummy_b and dummy_w as written.
    using Case = std::tuple<const char*, std::array<int16_t, 4>, std::vector<std::string>>;
    const Case cases[] = {
        {"QMV3.E304", {0, 0, 0x55, -2}, {"B#16#0;", "B#16#0;", "W#16#FFFE;"}},  // E304: Param4 alone
        {"QMV2.D110", {0, 0, 1, 2}, {"B#16#0;", "B#16#0;", "W#16#102;"}},       // Param3 * 256 + Param4
        {"QMV2.D110", {0, 0, 0, -2}, {"B#16#0;", "B#16#0;", "W#16#FFFE;"}},     // low word of FFFFFFFE
        {"QMV2.D110", {-1, 0x1AB, -1, -1}, {"B#16#FF;", "B#16#AB;", "W#16#FEFF;"}},
        {"E304", {0xFF, 0x7F, 5, -1}, {"B#16#FF;", "B#16#7F;", "W#16#FFFF;"}},  // no "." : the whole text is the type
    };
    for (const auto& [order, p, expected] : cases) {
        RowEintrag r = module(order, 0x11);
        std::tie(r.Param1, r.Param2, r.Param3, r.Param4) = std::tie(p[0], p[1], p[2], p[3]);
        writeRow(slotRow("1"), r);
        EXPECT_EQ(valuesOf(structureOf(source(), "Modul0"), {"mask", "dummy_b", "dummy_w"}), expected) << order << p[3];
    }
}

// A text that would start lines of its own in the source, or a number its
// declared type cannot hold, keeps the source from being generated at all.
TEST_F(IoBlock, TextsAndNumbersTheSourceCannotCarryAreFound)
{
    buildBasicExample();
    table.record(1).Cpu.WebOn = kTrue;
    ASSERT_FALSE(findSourceProblem(table, 3).has_value());
    // Where the fault is planted, the row and field named, the value as shown.
    using Case = std::tuple<std::function<void()>, int, std::string, std::string>;
    const Case cases[] = {
        {[&] { table.info().Autor = "Service\r\nEND_DATA_BLOCK\r\nORGANIZATION_BLOCK OB 1"; }, 0, "Autor",
         "Service\\x0D\\x0AEND_DATA_BLOCK\\x0D\\x0AORGANIZATION_BLOCK OB 1"},
        {[&] { table.info().Familie = "a\x7F"; }, 0, "Familie", "a\\x7F"},
        {[&] { table.info().ProjektName = "\tHall"; }, 0, "ProjektName", "\\x09Hall"},
        {[&] { table.record(7).BestellNr = "QMV3.E304\n"; }, 7, "BestellNr", "QMV3.E304\\x0A"},
        {[&] { table.record(1).Cpu.DateFormat = "DD\x01"; }, 1, "DateFormat", "DD\\x01"},
        {[&] { table.record(1).Cpu.WebPassword[2] = "x\ry"; }, 1, "WebPassword", "x\\x0Dy"},
        {[&] { table.record(7).InCnt = 32768; }, 7, "InCnt", "32768"},
        {[&] { table.record(7).InCnt = 2147483647; }, 7, "InCnt", "2147483647"},
    };
    for (const auto& [plant, row, field, shown] : cases) {
        const ProjectInfo info = table.info();
        const RowEintrag cpu = table.record(1), module = table.record(7);
        plant();
        const auto problem = findSourceProblem(table, 3);
        ASSERT_TRUE(problem.has_value()) << field;
        EXPECT_EQ(std::tie(problem->row, problem->field, problem->value), std::tie(row, field, shown));
        std::tie(table.info(), table.record(1), table.record(7)) = std::tie(info, cpu, module);
    }
    // The CPU block's texts only count where that block is generated.
    table.record(1).Cpu.DateFormat = "DD\x01";
    EXPECT_FALSE(findSourceProblem(table, 0).has_value());
    table.record(1).Cpu.WebOn = kFalse;
    EXPECT_FALSE(findSourceProblem(table, 3).has_value());
    // Line breaks and tabs in texts the source never carries are kept.
    table.record(7).Kommentar = "two\r\nlines";
    table.record(7).InCnt = 32767;
    EXPECT_FALSE(findSourceProblem(table, 3).has_value());

    table.info().Autor = "A\nB";
    EXPECT_EQ(sourceProblemText(app.texts, *findSourceProblem(table, 0)),
              "The source was not generated: project information, field Autor holds a control character (A\\x0AB); "
              "remove it and generate again.");
    table.info().Autor.clear();
    table.record(7).InCnt = -32769;
    EXPECT_EQ(sourceProblemText(app.texts, *findSourceProblem(table, 0)),
              "The source was not generated: row 7, field InCnt holds -32769, which its type INT cannot hold (-32768 "
              "to 32767).");
}

TEST_F(IoBlock, StructureLengthBeyondItsTypeIsFound)
{
    placeCpu("QMV2.R310");
    RowEintrag r = module("QMV2.G", 0x35);
    r.ParLen = 32749;  // StrucLen = ParLen + 18
    writeRow(slotRow("1"), r);
    EXPECT_FALSE(findSourceProblem(table, 0).has_value());
    table.record(slotRow("1")).ParLen = 32750;
    const auto problem = findSourceProblem(table, 0);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->row, slotRow("1"));
    EXPECT_EQ(problem->field + " " + problem->value, "ParLen 32768");
}

}  // namespace
}  // namespace rm::test
