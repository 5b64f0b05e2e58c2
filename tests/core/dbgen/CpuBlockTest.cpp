#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "core/dbgen/SourceFixture.h"
#include "core/dbgen/SourceGenerator.h"
#include "core/record/CpuDefaults.h"

namespace rm::test {
namespace {

using List = std::vector<std::string>;

class CpuBlock : public SourceFixture {
protected:
    CpuBlock()
    {
        cpu.BestellNr = "QMV2.R300";
        SetCpuDefaults(cpu);
    }
    // The declared settings of the block as "name [declared length] value",
    // without the identificator every block starts with.
    List settings() const
    {
        static const std::regex decl(R"(   (?!Identificator)(.+): STRING  \[(\d+)\] := '(.*)';)");
        List out;
        std::smatch m;
        for (const std::string& l : linesOf(generateCpuBlock(cpu, 1)))
            if (std::regex_match(l, m, decl)) out.push_back(m[1].str() + " [" + m[2].str() + "] " + m[3].str());
        return out;
    }
    List tail(std::size_t n) const
    {
        const List s = settings();
        return s.size() < n ? s : List(s.end() - static_cast<long>(n), s.end());
    }

    RowEintrag cpu;
    CpuConfig& c = cpu.Cpu;
};

TEST_F(CpuBlock, AppendedAfterTheIoBlockMatchesTheReferenceFile)
{
    buildBasicExample();
    setCpuBlockExample();
    EXPECT_EQ(generateSource(table, 0, 3), readText(dataPath("io_with_cpu_block.awl")));

    // The block number choice: none, DB 1, DB 511.
    const std::string io = readText(dataPath("io_format01.awl"));
    EXPECT_EQ(generateSource(table, 0, 0), io);
    EXPECT_EQ(generateSource(table, 0, 1).substr(io.size(), 21), "\r\n\r\nDATA_BLOCK DB 1\r\n");
    EXPECT_EQ(generateSource(table, 0, 2).substr(io.size(), 23), "\r\n\r\nDATA_BLOCK DB 511\r\n");
}

TEST_F(CpuBlock, NothingOfferedGivesTheBareBlock)
{
    // Dialog values alone write nothing while the CPU does not offer them.
    c.CompPrio[0] = "OB1";
    c.SlotBFast = {kTrue, kTrue, kTrue, kTrue};
    c.MpiMode = c.PeripheryOff = kTrue;
    EXPECT_EQ(settings(), List{});
    // Any non-zero value makes a slot fast.
    c.SlotBAvail = kTrue;
    c.SlotBFast = {kTrue, 0, 0, 1};
    EXPECT_EQ(settings(), (List{"SLOT_B0 [20] SLOT_B0:ENABLE_38400", "SLOT_B3 [20] SLOT_B3:ENABLE_38400"}));
}

TEST_F(CpuBlock, WebServerCompilerAndMemory)
{
    c.WebOn = kTrue;
    c.DateFormat.clear();
    c.TimeFormat.clear();
    c.WebPassword = {"never", "one", "", "three", ""};
    c.CompPrioAvail = kTrue;
    c.CompPrio = {"OB1", "", "", "OB35", "", ""};
    c.MemorySelected = kTrue;
    c.MemorySizeValue = 16;
    EXPECT_EQ(settings(), (List{"IndexDB [15] WEB:IndexDB=900", "RamDisk [13] WEB:RamDisk=2",
                                "Password [24] WEB:Password=one,,three,", "Compil_priority_0 [8] COMP:OB1",
                                "Compil_priority_3 [9] COMP:OB35", "Memory  [7] MEM7:16"}));

    // Only True (-1) selects the memory; another non-zero value writes nothing.
    c.WebOn = c.CompPrioAvail = kFalse;
    c.MemorySelected = 1;
    EXPECT_EQ(settings(), List{});
    // No size stands for the largest, as the CPU dialog shows it.
    c.MemorySelected = kTrue;
    c.MemorySizeValue = 0;
    c.MemoryMax = 8;
    EXPECT_EQ(settings().back(), "Memory  [6] MEM7:8");
}

TEST_F(CpuBlock, CommunicationLinesDeclareOneMoreCharacter)
{
    c.ComAvail = c.MpiMode = kTrue;
    // RS-232 without the web server: no time-out (with it, as in the reference file).
    EXPECT_EQ(settings(), List{"COM [31] COM1:PTP_MPI,RS232,19200,8,O,1"});

    // Modem: the type instead of the line settings, and the hang-up time-out.
    c.ViaModem = kTrue;
    c.ModemN613 = kFalse;
    c.TimeOut = 120;
    EXPECT_EQ(tail(2), (List{"COM [18] COM1:PTP_MPI,N618", "TIMEOUT [25] COM1:PTP_MPI,TIMEOUT=120"}));
    c.ModemN613 = kTrue;
    EXPECT_EQ(tail(2).front(), "COM [18] COM1:PTP_MPI,N613");

    // Timings only when TimingOn is True (-1).
    c.ViaModem = kFalse;
    c.Adt = 5;
    c.Cdt = -12;
    c.TimingOn = 1;
    EXPECT_EQ(settings().size(), 1u);
    c.TimingOn = kTrue;
    EXPECT_EQ(tail(2), (List{"ADT [19] COM1:PTP_MPI,ADT=5", "CDT [21] COM1:PTP_MPI,CDT=-12"}));

    // Without MPI mode nothing of it is written.
    c.MpiMode = kFalse;
    EXPECT_EQ(settings(), List{});
}

TEST_F(CpuBlock, DeclaredLengthCountsCharactersOfTheFile)
{
    c.WebOn = kTrue;
    c.WebPassword = {"", "Käse", "€", "", ""};
    // "WEB:Password=Käse,€,," is 21 characters, 23 bytes of UTF-8.
    EXPECT_EQ(settings().back(), "Password [21] WEB:Password=Käse,€,,");
    table.record(1) = cpu;
    EXPECT_NE(generateSource(table, 0, 1).find("   Password: STRING  [21] := 'WEB:Password=K\xE4se,\x80,,';\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace rm::test
