#include "core/catalog/ModuleCatalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/TestSupport.h"

namespace rm {
namespace {

using Ints = std::vector<int>;

// Description texts below are written with LF line ends; the files have CR LF.
ModuleCatalog parse(const std::string& text, std::string* error = nullptr)
{
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return parseModuleDescriptions(out, error);
}

TEST(ModuleDescriptions, RecordsOfEveryKind)
{
    auto cat = parse(
        "; header\nfree text\n\n"
        "[QMV2.E301]\n0142\n5003\n000A\n16\n2\n7\n1\n2\nAI 8x\nfirst\n; hidden\n\n"
        "[Q.R1]\n0\n0800\n03FF\n80010\n32\n0\n0A06\n2\nCPU\n"
        "[Q.X1]\n0\n8400\n0040\n0\n0\n0\n0804\n2\nQ.X1\nRack with list\n"
        "[Q.X2]\n0\n0400\n0\n0\n0\n0\n0404\n3\nRack without list\n"
        "[Q.M]\n0\nC000\n0\n2\n0\n0\n2\n2\nQ.M}NULL}EXTRA\nTwo rows\n"
        "[Q.M]\n0\n0\n0\n0\n0\n0\n1\n0\nsecond of that name\nlast");
    ASSERT_EQ(cat.count(), 6);
    const RowEintrag &r = cat.at(1), &cpu = cat.at(2), &with = cat.at(3), &without = cat.at(4), &two = cat.at(5);
    // Identification word 0x0142 is not one of the analog kinds: no channels.
    EXPECT_EQ((std::vector<std::string>{r.BestellNr, r.Bezeichnung, r.Kommentar, with.Bezeichnung, without.Bezeichnung,
                                        two.Bezeichnung, cat.at(6).Kommentar}),
              (std::vector<std::string>{"QMV2.E301", "AI 8x", "first\r\n\r\n", "Rack with list", "Rack without list",
                                        "Two rows", "last\r\n"}));
    EXPECT_EQ((Ints{r.Kennung, r.FormatCode, r.ModFlags, r.Modus, r.InCnt, r.OutCnt, r.Reserve1, r.SubCount, r.Family,
                    r.IsModule, static_cast<int>(r.KanalWerte.size()), r.InBase}),
              (Ints{0x42, 0x01, 0x5003, 10, 16, 2, 7, 1, 2, kTrue, 0, 256}));
    // Slots 10 in groups of 6; every option bit; memory line 80010 read as hex.
    EXPECT_EQ((Ints{cpu.IsCPU, cpu.IsModule, cpu.SlotCnt, cpu.SlotLimit, cpu.MaxSlotNbr, cpu.HasDialog, cpu.IsHead,
                    cpu.IsPlaced, cpu.HasConnector, cpu.HasMemSlots}),
              (Ints{kTrue, kFalse, 10, 6, 32, kTrue, kTrue, kTrue, kTrue, kTrue}));
    const CpuConfig& c = cpu.Cpu;
    EXPECT_EQ((Ints{c.WebAvail, c.CompPrioAvail, c.MemoryUpDownLimit, c.MemoryMax, c.MemorySizeValue, c.SlotB2Avail,
                    c.ComAvail, c.PeripheryAvail, c.Port0Avail, c.SlotBAvail}),
              (Ints{kTrue, kTrue, 16, 8, 8, kTrue, kTrue, kTrue, kTrue, kTrue}));
    EXPECT_EQ((Ints{with.IsExtension, with.HasConnector, with.SlotCnt, without.HasConnector, without.IsModule}),
              (Ints{kTrue, kTrue, 8, 0, kFalse}));
    EXPECT_EQ(two.SubList, (std::vector<std::string>{"Q.M", "NULL", ""}));  // at most SubCount pieces
    EXPECT_EQ(cat.LookupCatalog("Q.M").Bezeichnung, "Two rows");
    EXPECT_EQ(cat.LookupCatalog("q.m"), RowEintrag{});
    EXPECT_EQ(parse("[Q.R2]\n0\n0800\n0\n0\n8\n0\n0804\n2\nCPU\n").at(1).Cpu, CpuConfig{});
    // The memory line holds at most 8 digits: 12345678 is 0x12345678, a
    // ninth digit leaves the memory settings unset.
    auto memory = [](const std::string& line) {
        const CpuConfig m = parse("[Q.R3]\n0\n0800\n0004\n" + line + "\n8\n0\n0804\n2\nCPU\n").at(1).Cpu;
        return Ints{m.MemoryUpDownLimit, m.MemoryMax, m.MemorySizeValue};
    };
    EXPECT_EQ(memory("12345678"), (Ints{0x5678, 4660, 4660}));
    EXPECT_EQ(memory("123456789"), (Ints{0, 0, 0}));
}

TEST(ModuleDescriptions, DamagedFieldsAndFiles)
{
    const std::pair<const char*, std::optional<int>> hex[] = {
        {"FFFF", -1}, {"8000", INT16_MIN},     {"  0a06 rest", 0x0A06}, {"zz", 0},
        {"", 0},      {"12345", std::nullopt},  // does not fit a word
    };
    for (const auto& [text, value] : hex) EXPECT_EQ(parseHexWord(text), value) << text;
    EXPECT_EQ((std::vector<std::optional<int>>{parseDecimal(" 42abc", INT16_MIN, INT16_MAX),
                                               parseDecimal("-7", INT16_MIN, INT16_MAX),
                                               parseDecimal("40000", INT16_MIN, INT16_MAX)}),
              (std::vector<std::optional<int>>{42, -7, std::nullopt}));
    const RowEintrag r = parse("[X.A]\nG1\n4000\n0\n99999\n70000\n0\n1\n2\nname\n").at(1);
    EXPECT_EQ((Ints{r.identWord(), r.InCnt, r.OutCnt}), (Ints{0, 99999, 0}));  // OutCnt: too large for the field
    // The header drops its first and last character, whatever they are.
    EXPECT_EQ(parse("[ABC\n0\n0\n0\n0\n0\n0\n1\n0\nx\n").at(1).BestellNr, "AB");
    EXPECT_EQ(typeCode("QMV2.E301") + " " + typeCode("NULL") + " " + typeCode("A.B.C"), "E301 NULL B.C");

    const auto cut = parseModuleDescriptions("[X.A]\r\n11\r\n4000");
    EXPECT_EQ(cut.at(1).BestellNr + "|" + cut.at(1).Bezeichnung, "X.A|");
    EXPECT_EQ((Ints{cut.count(), cut.at(1).ModFlags, parseModuleDescriptions("").count()}), (Ints{1, 0x4000, 0}));

    // A record cut short is named with its line, and the record after it
    // keeps its own header; whole records say nothing.
    std::vector<std::string> warnings;
    const auto early = parseModuleDescriptions(
        "; head\r\n\r\n[QMVX.T1]\r\n0003\r\n40\r\n[Q.B]\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\nB\r\n"
        "[Q.C]\r\n0\r\n",
        nullptr, &warnings);
    ASSERT_EQ(early.count(), 3);
    EXPECT_EQ(early.at(1).Bezeichnung + "|" + early.at(2).BestellNr + "|" + early.at(2).Bezeichnung, "|Q.B|B");
    EXPECT_EQ(early.at(1).ModFlags, 0x40);
    EXPECT_EQ(warnings,
              (std::vector<std::string>{
                  "line 3: record [QMVX.T1] ends after 3 of its 10 lines; the missing values are taken as empty",
                  "line 16: record [Q.C] ends after 2 of its 10 lines; the missing values are taken as empty"}));
    warnings.clear();
    parseModuleDescriptions("[Q.B]\n0\n0\n0\n0\n0\n0\n1\n0\n\n[Q.D]\n0\n0\n0\n0\n0\n0\n1\n0\nD", nullptr, &warnings);
    EXPECT_EQ(warnings, std::vector<std::string>{});
}

TEST(ModuleDescriptions, DefaultsByKind)
{
    const struct {
        const char *order, *ident, *flags;
        int parLen, inBase, channels;
        KanalWert first;
    } cases[] = {
        {"Q.E301", "42", "5000", 30, 256, 7, {0, 0, 10000, 0}},
        {"Q.E302", "42", "5000", 30, 256, 7, {1, 0, 20000, 0}},
        {"Q.E303", "42", "5000", 30, 256, 7, {0, -10000, 10000, 0}},
        {"Q.E311", "62", "3000", 36, 256, 6, {0, 0, 10000, 0}},
        {"Q.E313", "62", "3000", 36, 256, 6, {0, -10000, 10000, 0}},
        {"Q.E312", "63", "3000", 24, 256, 4, {1, 0, 20000, 4000}},
        {"Q.C1", "65", "7000", 24, 256, 4, {0, 0, 10000, 0}},
        {"Q.E301", "42", "4000", 4, 0, 0, {}},  // without the even flag no analog defaults
        {"Q.Z", "35", "4000", 0, 0, 0, {}},
        {"Q.Z", "67", "4000", 0, 0, 0, {}},
        {"Q.H", "11", "4200", 4, 512, 0, {}},
    };
    for (const auto& c : cases) {
        const RowEintrag r =
            parse(std::string("[") + c.order + "]\n" + c.ident + "\n" + c.flags + "\n0\n8\n8\n0\n1\n2\nx\n").at(1);
        EXPECT_EQ((Ints{r.ParLen, r.InBase, static_cast<int>(r.KanalWerte.size())}),
                  (Ints{c.parLen, c.inBase, c.channels}))
            << c.order << " " << c.ident;
        for (const KanalWert& k : r.KanalWerte) EXPECT_EQ(k, c.first) << c.order;
    }
    EXPECT_EQ(parse("[Q.G510]\n11\n6000\n0\n8\n8\n0\n1\n2\nx\n").at(1).Param1, 192);
    EXPECT_EQ(parse("[Q.K205]\n11\n6000\n0\n8\n8\n0\n1\n2\nx\n").at(1).Param3, 1);
}

TEST(ModuleDescriptions, CodePageByteOrderMarkAndLineEnds)
{
    const std::string record =
        "[Q.\xC4]\n0\n4000\n0\n2\n0\n0\n1\n2\nAI \xB1"
        "10 V\nnote\n";
    const RowEintrag plain = parse(record).at(1);
    EXPECT_EQ(plain.BestellNr + "|" + plain.Bezeichnung,
              "Q.\xC3\x84|AI \xC2\xB1"
              "10 V");
    std::string crOnly = record;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    EXPECT_EQ(parseModuleDescriptions(crOnly).at(1), plain);
    // After a byte-order mark the texts are UTF-8.
    std::string utf8 = record;
    utf8.replace(utf8.find('\xB1'), 1, "\xC2\xB1");
    utf8.replace(utf8.find('\xC4'), 1, "\xC3\x84");
    EXPECT_EQ(parse("\xEF\xBB\xBF" + utf8).at(1), plain);
}

TEST(ModuleDescriptions, WhatTheFileCanMakeTheProgramHoldIsBounded)
{
    std::string error;
    std::string many;
    for (int i = 0; i <= kMaxModuleRecords; ++i) many += "[Q]\n0\n0\n0\n0\n0\n0\n0\n0\nx\n";
    EXPECT_EQ(parseModuleDescriptions(many, &error).count(), kMaxModuleRecords);
    EXPECT_NE(error.find("more than 32767 module records"), std::string::npos) << error;

    // Each record may ask for 32768 sub-entry places.
    std::string wide;
    for (int i = 0; i < 40; ++i) wide += "[Q.X" + std::to_string(i) + "]\n0\n8400\n0\n0\n0\n0\n7FFF\n0\n\nrack\n";
    error.clear();
    EXPECT_EQ(parseModuleDescriptions(wide, &error).count(), 30);
    EXPECT_NE(error.find("Q.X30"), std::string::npos) << error;

    // A record takes SubCount + 1 places: 30 such records take 983040, and
    // 16960 more fill the million exactly.
    wide.clear();
    for (int i = 0; i < 30; ++i) wide += "[Q.X" + std::to_string(i) + "]\n0\n8400\n0\n0\n0\n0\n7FFF\n0\n\nrack\n";
    for (const auto& [subCount, count] : {std::pair{"423F", 31}, std::pair{"4240", 30}}) {
        error.clear();
        const std::string last = "[Q.Y]\n0\n8400\n0\n0\n0\n0\n" + std::string(subCount) + "\n0\n\nrack\n";
        EXPECT_EQ(parseModuleDescriptions(wide + last, &error).count(), count) << subCount;
        EXPECT_EQ(error.empty(), count == 31) << error;
    }
}

TEST(ModuleDescriptions, FileWithoutAnyRecordIsRefused)
{
    const auto file = std::filesystem::temp_directory_path() / "rm-nura-norecord.txt";
    for (const std::string content : {"", "\r\n\r\n\r\n", "; only a comment\r\nno record\r\n"}) {
        std::ofstream(file, std::ios::binary) << content;
        auto res = LoadModuleDescriptions(file);
        EXPECT_FALSE(res.catalog.has_value());
        EXPECT_EQ(res.error, "holds no module record");
    }
    std::filesystem::remove(file);
    EXPECT_FALSE(LoadModuleDescriptions(file).catalog.has_value());
}

}  // namespace
}  // namespace rm
