#include "core/catalog/ModuleCatalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/TestSupport.h"

namespace rm {
namespace {

std::string crlf(std::string s)
{
    std::string out;
    for (char c : s) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

const RowEintrag& only(const ModuleCatalog& cat)
{
    EXPECT_EQ(cat.count(), 1);
    return cat.at(1);
}

// The one record of a description text written with LF line ends.
RowEintrag one(const std::string& text)
{
    return only(parseModuleDescriptions(crlf(text)));
}

using Ints = std::vector<int>;

TEST(ModuleDescriptions, RecordLayout)
{
    auto cat = parseModuleDescriptions(crlf("[QMV2.E301]\n0142\n5003\n000A\n16\n2\n7\n1\n2\nAI 8x\nline one\n"));
    const RowEintrag& r = only(cat);
    EXPECT_EQ((std::vector<std::string>{r.BestellNr, r.Bezeichnung, r.Kommentar}),
              (std::vector<std::string>{"QMV2.E301", "AI 8x", "line one\r\n"}));
    EXPECT_EQ((Ints{r.Kennung, r.FormatCode, r.ModFlags, r.Modus, r.InCnt, r.OutCnt, r.Reserve1, r.SubCount, r.Family,
                    r.IsModule}),
              (Ints{0x42, 0x01, 0x5003, 10, 16, 2, 7, 1, 2, kTrue}));
    // Identification word 0x0142 is not one of the analog kinds: no channels.
    EXPECT_TRUE(r.KanalWerte.empty());
    EXPECT_EQ(r.InBase, 256);
    EXPECT_EQ(cat.at(0), RowEintrag{});
}

TEST(ModuleDescriptions, LinesBeforeTheFirstRecordAndCommentsAreSkipped)
{
    const std::string body = "[X.D1]\n11\n4000\n0\n2\n0\n0\n1\n2\nDI\nfirst\n; hidden\n\nlast";
    auto plain = parseModuleDescriptions(crlf(body));
    auto commented = parseModuleDescriptions(crlf("; header\nfree text\n\n" + body));
    EXPECT_EQ(plain.at(1), commented.at(1));
    // The last line of the file belongs to the description, an empty line adds one.
    EXPECT_EQ(plain.at(1).Kommentar, "first\r\n\r\nlast\r\n");
}

TEST(ModuleDescriptions, HeaderLineDropsFirstAndLastCharacter)
{
    EXPECT_EQ(one("[ABC\n0\n0\n0\n0\n0\n0\n1\n0\nx\n").BestellNr, "AB");
    EXPECT_EQ(typeCode("QMV2.E301") + " " + typeCode("NULL") + " " + typeCode("A.B.C"), "E301 NULL B.C");
}

TEST(ModuleDescriptions, NumbersAreReadAsPrefixesAndBadOnesStayZero)
{
    const std::pair<const char*, std::optional<int>> hex[] = {
        {"FFFF", -1}, {"8000", INT16_MIN},     {"  0a06 rest", 0x0A06}, {"zz", 0},
        {"", 0},      {"12345", std::nullopt},  // does not fit a word
    };
    for (const auto& [text, value] : hex) EXPECT_EQ(parseHexWord(text), value) << text;
    EXPECT_EQ(parseDecimal(" 42abc", INT16_MIN, INT16_MAX), 42);
    EXPECT_EQ(parseDecimal("-7", INT16_MIN, INT16_MAX), -7);
    EXPECT_EQ(parseDecimal("40000", INT16_MIN, INT16_MAX), std::nullopt);
    EXPECT_EQ(parseDecimal("40000", INT32_MIN, INT32_MAX), 40000);

    const RowEintrag r = one("[X.A]\nG1\n4000\n0\n99999\n70000\n0\n1\n2\nname\n");
    EXPECT_EQ((Ints{r.identWord(), r.InCnt, r.OutCnt}), (Ints{0, 99999, 0}));  // OutCnt: too large for the field
}

TEST(ModuleDescriptions, TruncatedFileKeepsWhatWasRead)
{
    auto cat = parseModuleDescriptions("[X.A]\r\n11\r\n4000");
    const RowEintrag& r = only(cat);
    EXPECT_EQ(r.BestellNr + "|" + r.Bezeichnung, "X.A|");
    EXPECT_EQ((Ints{r.ModFlags, r.InCnt}), (Ints{0x4000, 0}));
    EXPECT_EQ(parseModuleDescriptions("").count(), 0);
}

TEST(ModuleDescriptions, CpuCompletion)
{
    // Slots 10 in groups of 6; every option bit; memory line 80010 read as hex.
    const RowEintrag r = one("[Q.R1]\n0\n0800\n03FF\n80010\n32\n0\n0A06\n2\nCPU\n");
    EXPECT_EQ((Ints{r.IsCPU, r.IsModule, r.SlotCnt, r.SlotLimit, r.MaxSlotNbr, r.HasDialog, r.IsHead, r.IsPlaced,
                    r.HasConnector, r.HasMemSlots}),
              (Ints{kTrue, kFalse, 10, 6, 32, kTrue, kTrue, kTrue, kTrue, kTrue}));
    const CpuConfig& c = r.Cpu;
    EXPECT_EQ((Ints{c.WebAvail, c.CompPrioAvail, c.MemoryUpDownLimit, c.MemoryMax, c.MemorySizeValue, c.SlotB2Avail,
                    c.ComAvail, c.PeripheryAvail, c.Port0Avail, c.SlotBAvail}),
              (Ints{kTrue, kTrue, 16, 8, 8, kTrue, kTrue, kTrue, kTrue, kTrue}));

    auto none = parseModuleDescriptions(crlf("[Q.R2]\n0\n0800\n0\n0\n8\n0\n0804\n2\nCPU\n"));
    EXPECT_EQ(none.at(1).Cpu, CpuConfig{});
    EXPECT_EQ(none.at(1).HasConnector, 0);
}

TEST(ModuleDescriptions, ExtensionRacksWithAndWithoutSubEntryLine)
{
    auto cat =
        parseModuleDescriptions(crlf("[Q.X1]\n0\n8400\n0040\n0\n0\n0\n0804\n2\nQ.X1\nRack with list\n"
                                     "[Q.X2]\n0\n0400\n0\n0\n0\n0\n0404\n3\nRack without list\n"));
    ASSERT_EQ(cat.count(), 2);
    const RowEintrag &with = cat.at(1), &without = cat.at(2);
    EXPECT_EQ(with.Bezeichnung + "|" + without.Bezeichnung, "Rack with list|Rack without list");
    EXPECT_EQ((Ints{with.IsExtension, with.HasConnector, with.SlotCnt, without.HasConnector, without.IsModule}),
              (Ints{kTrue, kTrue, 8, 0, kFalse}));
}

TEST(ModuleDescriptions, SubListTakesAtMostSubCountPieces)
{
    const RowEintrag r = one("[Q.M]\n0\nC000\n0\n2\n0\n0\n2\n2\nQ.M}NULL}EXTRA\nTwo rows\n");
    EXPECT_EQ(r.SubList, (std::vector<std::string>{"Q.M", "NULL", ""}));  // the last place stays empty
    EXPECT_EQ(r.Bezeichnung, "Two rows");
}

TEST(ModuleDescriptions, DefaultsByKind)
{
    auto rec = [](const char* order, const char* ident, const char* flags) {
        std::string text = std::string("[") + order + "]\n" + ident + "\n" + flags + "\n0\n8\n8\n0\n1\n2\nx\n";
        return parseModuleDescriptions(crlf(text)).at(1);
    };
    auto e301 = rec("Q.E301", "42", "5000");
    EXPECT_EQ(e301.ParLen, 30);
    ASSERT_EQ(e301.KanalWerte.size(), 7u);
    EXPECT_EQ(e301.KanalWerte[6], (KanalWert{0, 0, 10000, 0}));
    EXPECT_EQ(rec("Q.E302", "42", "5000").KanalWerte[0], (KanalWert{1, 0, 20000, 0}));
    EXPECT_EQ(rec("Q.E303", "42", "5000").KanalWerte[0], (KanalWert{0, -10000, 10000, 0}));
    EXPECT_EQ(rec("Q.E311", "62", "3000").KanalWerte[5], (KanalWert{0, 0, 10000, 0}));
    EXPECT_EQ(rec("Q.E313", "62", "3000").ParLen, 36);
    EXPECT_EQ(rec("Q.E313", "62", "3000").KanalWerte[0].MinVaCh, -10000);
    EXPECT_EQ(rec("Q.E312", "63", "3000").KanalWerte[3], (KanalWert{1, 0, 20000, 4000}));
    EXPECT_EQ(rec("Q.C1", "65", "7000").KanalWerte.size(), 4u);
    // Without the even flag the analog defaults do not apply.
    EXPECT_TRUE(rec("Q.E301", "42", "4000").KanalWerte.empty());
    EXPECT_EQ(rec("Q.Z", "35", "4000").ParLen, 0);
    EXPECT_EQ(rec("Q.Z", "67", "4000").ParLen, 0);
    auto high = rec("Q.H", "11", "4200");
    EXPECT_EQ((Ints{high.InBase, high.ParLen}), (Ints{512, 4}));
    EXPECT_EQ(rec("Q.G510", "11", "6000").Param1, 192);
    EXPECT_EQ(rec("Q.K205", "11", "6000").Param3, 1);
}

TEST(ModuleDescriptions, TextsAreWindows1252)
{
    auto cat = parseModuleDescriptions(
        "[Q.\xC4]\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\nAI \xB1"
        "10 V\r\n");
    EXPECT_EQ(only(cat).BestellNr, "Q.\xC3\x84");
    EXPECT_EQ(only(cat).Bezeichnung,
              "AI \xC2\xB1"
              "10 V");
}

TEST(ModuleDescriptions, LookupFindsTheFirstRecord)
{
    auto cat =
        parseModuleDescriptions(crlf("[Q.A]\n0\n0\n0\n0\n0\n0\n1\n0\nfirst\n[Q.A]\n0\n0\n0\n0\n0\n0\n1\n0\nsecond\n"));
    EXPECT_EQ(cat.indexOf("Q.A"), 1);
    EXPECT_EQ(cat.LookupCatalog("Q.A").Bezeichnung, "first");
    EXPECT_EQ(cat.LookupCatalog("q.a"), RowEintrag{});
}

TEST(ModuleDescriptions, ByteOrderMarkAndCarriageReturnLineEnds)
{
    const std::string record =
        "[Q.A]\n0\n4000\n0\n2\n0\n0\n1\n2\nAI \xB1"
        "10 V\nnote\n";
    const RowEintrag plain = one(record);
    std::string crOnly = crlf(record);
    crOnly.erase(std::remove(crOnly.begin(), crOnly.end(), '\n'), crOnly.end());
    EXPECT_EQ(only(parseModuleDescriptions(crOnly)), plain);
    // After a byte-order mark the texts are UTF-8.
    std::string utf8 = crlf(record);
    utf8.replace(utf8.find('\xB1'), 1, "\xC2\xB1");
    EXPECT_EQ(only(parseModuleDescriptions("\xEF\xBB\xBF" + utf8)), plain);
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
    const ModuleCatalog cat = parseModuleDescriptions(wide, &error);
    EXPECT_EQ(cat.count(), 30);
    EXPECT_NE(error.find("Q.X30"), std::string::npos) << error;
}

TEST(ModuleDescriptions, FileWithoutAnyRecordIsRefused)
{
    const auto dir = std::filesystem::temp_directory_path() / "rm-nura-norecord";
    std::filesystem::create_directories(dir);
    for (const std::string content : {"", "\r\n\r\n\r\n", "; only a comment\r\nno record\r\n"}) {
        std::ofstream(dir / "NURA_E.txt", std::ios::binary) << content;
        auto res = LoadModuleDescriptions(dir / "NURA_E.txt");
        EXPECT_FALSE(res.catalog.has_value());
        EXPECT_EQ(res.error, "holds no module record");
    }
    std::filesystem::remove_all(dir);
    EXPECT_FALSE(LoadModuleDescriptions("/nonexistent/NURA_E.txt").catalog.has_value());
}

}  // namespace
}  // namespace rm
