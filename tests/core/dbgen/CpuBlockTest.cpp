#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "core/cpu/CpuDefaults.h"
#include "core/dbgen/SourceFixture.h"
#include "core/dbgen/SourceGenerator.h"

namespace rm::test {
namespace {

class CpuBlock : public SourceFixture {
protected:
    CpuBlock()
    {
        cpu.BestellNr = "QMV2.R300";
        SetCpuDefaults(cpu);
    }
    // The settings of the block as "name [declared length] value", checked
    // on the way: the block frame, and a BEGIN assignment for every
    // declaration, in the same order.
    std::vector<std::string> settings() const
    {
        const auto lines = linesOf(generateCpuBlock(cpu, 1));
        std::vector<std::string> out;
        const std::vector<std::string> head = {
            "", "", "DATA_BLOCK DB 1", "VERSION : 0.1",
            "", "", "  STRUCT",        "   Identificator : STRING  [12] := 'NURA qv4 CDB';"};
        if (lines.size() < head.size() + 5 || !std::equal(head.begin(), head.end(), lines.begin())) {
            ADD_FAILURE() << "unexpected block start";
            return out;
        }
        static const std::regex decl(R"(   (.+): STRING  \[(\d+)\] := '(.*)';)");
        static const std::regex assign(R"(   (.+):= '(.*)';)");
        std::size_t i = head.size();
        std::vector<std::pair<std::string, std::string>> declared;
        for (std::smatch m; i < lines.size() && std::regex_match(lines[i], m, decl); ++i) {
            out.push_back(m[1].str() + " [" + m[2].str() + "] " + m[3].str());
            declared.emplace_back(m[1], m[3]);
        }
        EXPECT_EQ(lines.at(i++), "  END_STRUCT;");
        EXPECT_EQ(lines.at(i++), "  BEGIN");
        EXPECT_EQ(lines.at(i++), "   Identificator := 'NURA qv4 CDB';");
        for (const auto& [name, value] : declared) {
            std::smatch m;
            if (!std::regex_match(lines.at(i++), m, assign) || m[1] != name || m[2] != value)
                ADD_FAILURE() << "assignment of " << name << ": " << lines.at(i - 1);
        }
        EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(i), lines.end()),
                  (std::vector<std::string>{"", "  END_DATA_BLOCK"}));
        return out;
    }
    using List = std::vector<std::string>;

    RowEintrag cpu;
};

TEST_F(CpuBlock, AppendedAfterTheIoBlockMatchesTheReferenceFile)
{
    buildBasicExample();
    CpuConfig& c = table.record(1).Cpu;  // the placed CPU carries its defaults
    c.WebOn = kTrue;
    c.CompPrioAvail = kTrue;
    c.CompPrio[0] = "OB1";
    c.MemorySelected = kTrue;
    c.MemorySizeValue = 4;
    c.ComAvail = c.MpiMode = kTrue;
    c.SlotBAvail = kTrue;
    c.SlotBFast[1] = kTrue;
    c.PeripheryAvail = c.PeripheryOff = kTrue;
    EXPECT_EQ(generateSource(table, 0, 3), readText(dataPath("io_with_cpu_block.awl")));
}

TEST_F(CpuBlock, BlockNumberChoice)
{
    buildBasicExample();
    const std::string io = readText(dataPath("io_format01.awl"));
    EXPECT_EQ(generateCpuBlock(table.record(1), 0), "");
    EXPECT_EQ(generateSource(table, 0, 0), io);
    EXPECT_EQ(generateSource(table, 0, 1).substr(io.size(), 21), "\r\n\r\nDATA_BLOCK DB 1\r\n");
    EXPECT_EQ(generateSource(table, 0, 2).substr(io.size(), 23), "\r\n\r\nDATA_BLOCK DB 511\r\n");
}

TEST_F(CpuBlock, NothingOfferedGivesTheBareBlock)
{
    // Dialog values alone write nothing while the CPU does not offer them.
    cpu.Cpu.CompPrio[0] = "OB1";
    cpu.Cpu.SlotBFast = {kTrue, kTrue, kTrue, kTrue};
    cpu.Cpu.MpiMode = kTrue;
    cpu.Cpu.PeripheryOff = kTrue;
    EXPECT_EQ(settings(), List{});
}

TEST_F(CpuBlock, WebServer)
{
    cpu.Cpu.WebOn = kTrue;
    cpu.Cpu.IndexDB = 901;
    cpu.Cpu.RamDisk = 0;
    cpu.Cpu.DateFormat.clear();
    cpu.Cpu.TimeFormat.clear();
    cpu.Cpu.WebPassword = {"never", "one", "", "three", ""};
    EXPECT_EQ(settings(), (List{"IndexDB [15] WEB:IndexDB=901", "RamDisk [13] WEB:RamDisk=0",
                                "Password [24] WEB:Password=one,,three,"}));
}

TEST_F(CpuBlock, CompilerPrioritiesAndMemory)
{
    cpu.Cpu.CompPrioAvail = kTrue;
    cpu.Cpu.CompPrio = {"OB1", "", "", "OB35", "", ""};
    cpu.Cpu.MemorySelected = kTrue;
    cpu.Cpu.MemorySizeValue = 16;
    EXPECT_EQ(settings(),
              (List{"Compil_priority_0 [8] COMP:OB1", "Compil_priority_3 [9] COMP:OB35", "Memory  [7] MEM7:16"}));

    // Only True (-1) selects the memory; another non-zero value writes nothing.
    cpu.Cpu.CompPrioAvail = kFalse;
    cpu.Cpu.MemorySelected = 1;
    EXPECT_EQ(settings(), List{});
    cpu.Cpu.MemorySelected = kTrue;
    EXPECT_NE(generateCpuBlock(cpu, 1).find("   Memory : STRING  [7] := 'MEM7:16';\r\n"), std::string::npos);
    EXPECT_NE(generateCpuBlock(cpu, 1).find("   Memory := 'MEM7:16';\r\n"), std::string::npos);
    // No size stands for the largest, as the CPU dialog shows it.
    cpu.Cpu.MemorySizeValue = 0;
    cpu.Cpu.MemoryMax = 8;
    EXPECT_EQ(settings(), List{"Memory  [6] MEM7:8"});
}

TEST_F(CpuBlock, CommunicationLinesDeclareOneMoreCharacter)
{
    cpu.Cpu.ComAvail = cpu.Cpu.MpiMode = kTrue;
    // RS-232 without the web server: no time-out.
    EXPECT_EQ(settings(), List{"COM [31] COM1:PTP_MPI,RS232,19200,8,O,1"});

    // The web server's password reset needs the time-out.
    cpu.Cpu.WebOn = kTrue;
    cpu.Cpu.DateFormat.clear();
    cpu.Cpu.TimeFormat.clear();
    cpu.Cpu.PortNumber = 2;
    cpu.Cpu.BaudRate = 38400;
    EXPECT_EQ(settings(),
              (List{"IndexDB [15] WEB:IndexDB=900", "RamDisk [13] WEB:RamDisk=2", "Password [16] WEB:Password=,,,",
                    "COM [31] COM2:PTP_MPI,RS232,38400,8,O,1", "TIMEOUT [24] COM2:PTP_MPI,TIMEOUT=30"}));

    // Modem: the type instead of the line settings, and the hang-up time-out.
    cpu.Cpu.WebOn = kFalse;
    cpu.Cpu.PortNumber = 1;
    cpu.Cpu.ViaModem = kTrue;
    cpu.Cpu.ModemN613 = kFalse;
    cpu.Cpu.TimeOut = 120;
    EXPECT_EQ(settings(), (List{"COM [18] COM1:PTP_MPI,N618", "TIMEOUT [25] COM1:PTP_MPI,TIMEOUT=120"}));
    cpu.Cpu.ModemN613 = kTrue;
    EXPECT_EQ(settings().front(), "COM [18] COM1:PTP_MPI,N613");

    // Timings only when TimingOn is True (-1).
    cpu.Cpu.ViaModem = kFalse;
    cpu.Cpu.BaudRate = 19200;
    cpu.Cpu.Adt = 5;
    cpu.Cpu.Cdt = -12;
    cpu.Cpu.TimingOn = 1;
    EXPECT_EQ(settings().size(), 1u);
    cpu.Cpu.TimingOn = kTrue;
    EXPECT_EQ(settings(), (List{"COM [31] COM1:PTP_MPI,RS232,19200,8,O,1", "ADT [19] COM1:PTP_MPI,ADT=5",
                                "CDT [21] COM1:PTP_MPI,CDT=-12"}));

    // Without MPI mode nothing of it is written.
    cpu.Cpu.MpiMode = kFalse;
    EXPECT_EQ(settings(), List{});
}

TEST_F(CpuBlock, FastSlotsAndPeriphery)
{
    cpu.Cpu.SlotBAvail = kTrue;
    cpu.Cpu.SlotBFast = {kTrue, 0, 0, 1};
    cpu.Cpu.PeripheryAvail = kTrue;
    EXPECT_EQ(settings(), (List{"SLOT_B0 [20] SLOT_B0:ENABLE_38400", "SLOT_B3 [20] SLOT_B3:ENABLE_38400"}));
    cpu.Cpu.PeripheryOff = kTrue;
    EXPECT_EQ(settings().back(), "Peripherie [25] OB100:Peripherie=Disabled");
}

TEST_F(CpuBlock, DeclaredLengthCountsCharactersOfTheFile)
{
    cpu.Cpu.WebOn = kTrue;
    cpu.Cpu.DateFormat = "TT.MM.JJJJ";
    cpu.Cpu.TimeFormat.clear();
    cpu.Cpu.WebPassword = {"", "Käse", "€", "", ""};
    // "WEB:Password=Käse,€,," is 21 characters, 23 bytes of UTF-8.
    EXPECT_EQ(settings().back(), "Password [21] WEB:Password=Käse,€,,");
    table.record(1) = cpu;
    EXPECT_NE(generateSource(table, 0, 1).find("   Password: STRING  [21] := 'WEB:Password=K\xE4se,\x80,,';\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace rm::test
