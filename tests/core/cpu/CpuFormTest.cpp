// The CPU dialog's rules without a window: what each CPU offers, the port
// list, MPI mode and the web server, the checks of OK, and a configured CPU
// through to its generated block.
#include "core/cpu/CpuForm.h"

#include <gtest/gtest.h>

#include "core/app/Language.h"
#include "core/cpu/CpuDefaults.h"
#include "core/project/ProjectFixture.h"

namespace rm::test {
namespace {

using List = std::vector<std::string>;

// A CPU record with the given offers and the defaults of a placed CPU.
RowEintrag cpuWith(const std::string& order, std::initializer_list<int16_t CpuConfig::*> offers)
{
    RowEintrag r;
    r.BestellNr = order;
    r.Bezeichnung = "CPU";
    for (auto field : offers) r.Cpu.*field = kTrue;
    SetCpuDefaults(r);
    return r;
}

// Every offer, with the settings `on` switched on.
RowEintrag fullCpu(std::initializer_list<int16_t CpuConfig::*> on = {})
{
    RowEintrag r = cpuWith(
        "QMV2.R230", {&CpuConfig::WebAvail, &CpuConfig::CompPrioAvail, &CpuConfig::SlotB2Avail, &CpuConfig::ComAvail,
                      &CpuConfig::PeripheryAvail, &CpuConfig::Port0Avail, &CpuConfig::SlotBAvail});
    r.Cpu.MemoryMax = r.Cpu.MemorySizeValue = 8;
    r.Cpu.MemoryUpDownLimit = 16;
    for (auto field : on) r.Cpu.*field = kTrue;
    return r;
}

std::vector<bool> enabledTabs(const CpuForm& f)
{
    std::vector<bool> out;
    for (int t = 0; t < cputab::Count; ++t) out.push_back(f.tabEnabled(t));
    return out;
}

// The memory/compiler tab, the compiler frame and the slot B2 frame.
std::array<bool, 3> memoryFrames(const CpuForm& f)
{
    return {f.tabEnabled(cputab::MemoryCompiler), f.frameCompilerVisible(), f.frameSlotB2Visible()};
}

// The refusal of OK: control, tab, whether the message holds `named`.
std::tuple<std::string, int, bool> refusalOf(const CpuForm& f, const Texts& texts, const std::string& named)
{
    const auto refusal = f.check(texts);
    if (!refusal) return {"(none)", -1, false};
    return {refusal->control, refusal->tab, refusal->message.find(named) != std::string::npos};
}

class CpuFormTest : public ::testing::Test {
protected:
    // A full CPU with the settings `on`, as the dialog opens it.
    RowEintrag opened(std::initializer_list<int16_t CpuConfig::*> on)
    {
        RowEintrag r = fullCpu(on);
        form.load(r);
        return r;
    }
    ScriptedAsker asker;
    Texts texts;
    CpuForm form;
};

// ---------------------------------------------------------------- offers

TEST_F(CpuFormTest, TabsFollowWhatTheCpuOffers)
{
    form.load(cpuWith("QMV2.R999", {}));
    EXPECT_EQ(enabledTabs(form), (std::vector<bool>{true, false, false, false, false, false}));

    form.load(fullCpu());
    EXPECT_EQ(enabledTabs(form), (std::vector<bool>{true, true, true, true, true, true}));
    EXPECT_EQ(memoryFrames(form), (std::array<bool, 3>{true, true, true}));

    // Compiler priorities alone open the memory tab, with the memory box off.
    form.load(cpuWith("QMV2.R220", {&CpuConfig::CompPrioAvail}));
    EXPECT_FALSE(form.memoryOffered() || form.frameMemoryVisible());
    EXPECT_TRUE(memoryFrames(form)[0]);

    RowEintrag memoryOnly = cpuWith("QMV3.R320", {});
    memoryOnly.Cpu.MemoryMax = 4;
    form.load(memoryOnly);
    EXPECT_EQ(memoryFrames(form), (std::array<bool, 3>{true, false, false}));
}

TEST_F(CpuFormTest, CpuOfferingNothingChangesOnlyTheSlotBRates)
{
    RowEintrag r = cpuWith("QMV2.R999", {});
    r.Cpu.SlotBFast = {kTrue, kTrue, kTrue, kTrue};
    r.Cpu.MpiMode = r.Cpu.WebOn = r.Cpu.PeripheryOff = kTrue;
    r.Cpu.CompPrio[0] = "OB1";
    form.load(r);
    ASSERT_FALSE(form.check(texts));
    RowEintrag stored = r;
    form.store(stored);
    RowEintrag expected = r;
    expected.Cpu.SlotBFast[1] = expected.Cpu.SlotBFast[2] = kFalse;
    EXPECT_EQ(stored, expected);
}

// ---------------------------------------------------------------- ports

TEST_F(CpuFormTest, PortListsByCpuAndConnection)
{
    struct Case {
        const char* order;
        bool modem, port0, slotB2;
        List ports;
        const char* preselected;
    };
    const Case cases[] = {
        {"QMV1.R200", false, true, true, {"2", "3"}, "2"},
        {"QMV1.R200", true, true, true, {"1"}, "1"},
        {"QMV3.R330", false, true, true, {"0", "1"}, "1"},
        {"QMV3.R330", false, false, true, {"1"}, "1"},
        {"QMV3.R330", true, true, true, {"1"}, "1"},
        {"QMV2.R230", true, true, true, {"1", "2", "4", "3", "4", "5"}, "1"},
        {"QMV2.R230", false, true, true, {"0", "1", "2", "3", "4", "5"}, "1"},
        {"QMV2.R210", false, false, false, {"1", "2", "3"}, "1"},
        {"QMV2.R210", true, true, false, {"1", "2", "3"}, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.order) + (c.modem ? " modem" : " RS-232"));
        EXPECT_EQ(CpuForm::ports(c.order, c.modem, c.port0, c.slotB2), c.ports);
        EXPECT_EQ(CpuForm::preselectedPort(c.order, c.modem), c.preselected);
    }

    // Loading shows the stored port; port 0 and ports 4 and 5 need their
    // offers True (-1).
    RowEintrag odd = cpuWith("QMV2.R230", {&CpuConfig::ComAvail});
    odd.Cpu.Port0Avail = odd.Cpu.SlotB2Avail = 1;
    odd.Cpu.PortNumber = 3;
    form.load(odd);
    EXPECT_EQ(form.portList, (List{"1", "2", "3"}));
    EXPECT_EQ(form.ComboPortNumber, "3");
    // The table builds a B2 row for any non-zero value: its settings show too.
    EXPECT_TRUE(form.frameSlotB2Visible());
}

// ---------------------------------------------------------------- loading

TEST_F(CpuFormTest, LoadThenStoreKeepsAConfiguredRecord)
{
    RowEintrag r = fullCpu();
    CpuConfig& c = r.Cpu;
    c.MemorySelected = kTrue;
    c.MemorySizeValue = 5;
    c.CompPrio = {"OB1", "", "OB35", "", "", "OB86"};
    c.MpiMode = c.WebOn = c.ViaModem = c.TimingOn = kTrue;
    c.ModemN613 = kFalse;
    c.Adt = 7;
    c.Cdt = 9;
    c.TimeOut = 45;
    c.PortNumber = 4;
    c.BaudRate = 38400;
    c.IndexDB = 901;
    c.RamDisk = 3;
    c.WebPassword = {"", "a", "b", "c", "d"};
    c.DateFormat = "YYYY-MM-DD";
    c.SlotBFast = {kFalse, kFalse, kTrue, kFalse};
    c.PeripheryOff = kTrue;
    form.load(r);
    EXPECT_TRUE(form.frameMemoryVisible() && form.frameMpiVisible() && form.frameModemVisible() &&
                form.frameTimingVisible() && form.frameWebVisible() && form.webTimeOutShown());
    EXPECT_EQ(form.TextTimeOut, (std::array<std::string, 2>{"45", "45"}));
    EXPECT_EQ(form.ComboMaxBaudRate[2], "38400");
    ASSERT_FALSE(form.check(texts));
    RowEintrag stored = r;
    form.store(stored);
    EXPECT_EQ(stored, r);

    // MPI off hides the communication frames whatever the connection.
    c.MpiMode = c.WebOn = kFalse;
    form.load(r);
    EXPECT_FALSE(form.frameMpiVisible() || form.frameModemVisible() || form.webTimeOutShown());
}

TEST_F(CpuFormTest, OpeningFillsMissingMemorySizeAndRamDiskZeroBecomesTwo)
{
    RowEintrag r = fullCpu();
    r.Cpu.MemorySizeValue = 0;
    r.Cpu.RamDisk = 0;
    r.Cpu.MpiMode = r.Cpu.WebOn = kTrue;
    CpuForm::prepareRecord(r);
    EXPECT_EQ(r.Cpu.MemorySizeValue, 8);
    form.load(r);
    EXPECT_EQ(form.MemorySize, "8");
    EXPECT_EQ(form.txtRamDiskSize, "2");
    form.store(r);
    EXPECT_EQ(r.Cpu.RamDisk, 2);
}

// ---------------------------------------------------------------- MPI and web server

TEST_F(CpuFormTest, WebServerNeedsMpiMode)
{
    RowEintrag r = fullCpu();
    r.Cpu.WebOn = kTrue;  // stored without MPI mode: opened with the web server off
    form.load(r);
    EXPECT_FALSE(form.CheckOperatingWeb);
    asker.expect("MPI configuration is needed\nEnable the MPI configuration first", answer::Ok);
    form.tellLoadNotice(asker, texts);
    EXPECT_EQ(asker.shown.back().style, style::Ok + style::Critical);

    asker.expect("MPI configuration is needed", answer::Ok);
    form.clickOperatingWeb(true, asker, texts);
    EXPECT_FALSE(form.CheckOperatingWeb);
    form.store(r);
    EXPECT_EQ(r.Cpu.WebOn, kFalse);

    form.clickConfigMpi(true, asker, texts);
    form.clickOperatingWeb(true, asker, texts);
    EXPECT_TRUE(form.CheckOperatingWeb && form.webTimeOutShown());
    EXPECT_EQ(asker.shown.size(), 2u);
}

TEST_F(CpuFormTest, SwitchingMpiOffWithTheWebServerOnAsksFirst)
{
    RowEintrag r = opened({&CpuConfig::MpiMode, &CpuConfig::WebOn});

    asker.expect("MPI is needed for the WEB-Server.\nThis action will also disable the WEB-Server.  \nDo you want",
                 answer::Cancel);
    form.clickConfigMpi(false, asker, texts);
    EXPECT_TRUE(form.CheckConfigMPI && form.CheckOperatingWeb);
    EXPECT_EQ(asker.shown.back().style, style::OkCancel + style::Exclamation);

    asker.expect("MPI is needed", answer::Ok);
    form.clickConfigMpi(false, asker, texts);
    EXPECT_FALSE(form.CheckConfigMPI || form.CheckOperatingWeb);

    // Without the web server nothing is asked.
    form.clickConfigMpi(true, asker, texts);
    form.clickConfigMpi(false, asker, texts);
    EXPECT_EQ(asker.shown.size(), 2u);
}

TEST_F(CpuFormTest, TimeOutComesFromTheBoxInView)
{
    RowEintrag r = opened({&CpuConfig::MpiMode, &CpuConfig::ViaModem});
    form.TextTimeOut = {"40", "50"};
    form.store(r);
    EXPECT_EQ(r.Cpu.TimeOut, 40);
    form.clickOperatingWeb(true, asker, texts);
    form.store(r);
    EXPECT_EQ(r.Cpu.TimeOut, 50);
}

// ---------------------------------------------------------------- OK

TEST_F(CpuFormTest, SwitchedOffSettingsKeepTheirValues)
{
    RowEintrag r = fullCpu({&CpuConfig::MpiMode, &CpuConfig::WebOn, &CpuConfig::MemorySelected});
    r.Cpu.MemorySizeValue = 3;
    form.load(r);
    form.txtBezeichnung = "Press line";
    form.clickOperatingWeb(false, asker, texts);
    form.txtIndexDB = "5";
    form.clickMemorySelect(false);
    form.store(r);
    EXPECT_EQ(r.Bezeichnung, "Press line");
    EXPECT_EQ((std::array<int, 4>{r.Cpu.WebOn, r.Cpu.IndexDB, r.Cpu.MemorySelected, r.Cpu.MemorySizeValue}),
              (std::array<int, 4>{kFalse, 900, kFalse, 3}));

    // Memory selected again starts from the largest size.
    form.clickMemorySelect(true);
    EXPECT_EQ(form.MemorySize, "8");
}

TEST_F(CpuFormTest, RefusesNumbersThatCannotBeStored)
{
    RowEintrag r = fullCpu({&CpuConfig::MpiMode, &CpuConfig::WebOn, &CpuConfig::TimingOn, &CpuConfig::MemorySelected});
    r.Cpu.ViaModem = kFalse;
    struct Case {
        std::string CpuForm::*field;
        const char* text;
        const char* control;
        int tab;
        const char* named;
    };
    const Case cases[] = {
        {&CpuForm::MemorySize, "9", "MemorySize", cputab::MemoryCompiler,
         "\"Memory\" is out of range.\nEnter a whole number from 1 to 8."},
        {&CpuForm::txtIndexDB, "", "txtIndexDB", cputab::Web, "\"Index DB\" is empty"},
        {&CpuForm::txtIndexDB, "40000", "txtIndexDB", cputab::Web, "from 1 to 32767"},
        {&CpuForm::txtRamDiskSize, "0", "txtRamDiskSize", cputab::Web, "\"RAM Disk Size\""},
        {&CpuForm::txtADT, "-1", "txtADT", cputab::Mpi, "\"Protocol timing ADT\""},
        {&CpuForm::txtCDT, "32768", "txtCDT", cputab::Mpi, "\"Protocol timing CDT\""},
        {&CpuForm::ComboPortNumber, "6", "ComboPortNumber", cputab::Mpi, "ports 0, 1, 2, 3, 4, 5 for \"Port number\""},
        {&CpuForm::ComboBaudRate, "19000", "ComboBaudRate", cputab::Mpi, "\"Baud Rate\""},
        {&CpuForm::txtDateFormat, "DD'MM", "txtDateFormat", cputab::Web,
         "\"Date Format\" must not contain the character '"},
        {&CpuForm::txtTimeFormat, "HH$MM", "txtTimeFormat", cputab::Web,
         "\"Time Format\" must not contain the character $"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " = \"" + c.text + "\"");
        form.load(r);
        form.*c.field = c.text;
        EXPECT_EQ(refusalOf(form, texts, c.named), std::make_tuple(std::string(c.control), c.tab, true));
        EXPECT_EQ(form.check(texts).value_or(CpuRefusal{}).title, "Invalid Data");
    }

    // The time-out on the web tab while the web server is on, else in the modem frame.
    form.load(r);
    form.TextTimeOut[1] = "-5";
    EXPECT_EQ(form.check(texts)->control, "TextTimeOut1");
    EXPECT_NE(form.check(texts)->message.find("\"Time out for hang up & password level reset\""), std::string::npos);
    form.clickOperatingWeb(false, asker, texts);
    form.clickCoomThrough(1);
    form.TextTimeOut[0] = "abc";
    EXPECT_EQ(form.check(texts)->control, "TextTimeOut0");
}

TEST_F(CpuFormTest, RefusesTextsThatWouldBreakTheGeneratedBlock)
{
    RowEintrag r = opened({&CpuConfig::MpiMode, &CpuConfig::WebOn});
    const std::tuple<std::string, std::string, std::string> passwords[] = {
        {"it's", "txtPassword2", "\"Password, Level 2\""},
        {"a,b", "txtPassword2", "comma"},  // the commas separate the levels
        {std::string(59, 'p'), "(none)", ""},
        {std::string(60, 'p'), "txtPassword2", "at most 59"},
        {"\u00fcber", "(none)", ""},                // windows-1252 holds it
        {"\u0151", "txtPassword2", "cannot hold"},  // it does not
    };
    for (const auto& [password, control, named] : passwords) {
        SCOPED_TRACE(password);
        form.txtPassword[2] = password;
        const bool refused = control != "(none)";
        EXPECT_EQ(refusalOf(form, texts, named), std::make_tuple(control, refused ? int(cputab::Web) : -1, refused));
    }
    form.txtPassword[2].clear();

    form.CompilePriority[4] = "OB'1";
    EXPECT_EQ(refusalOf(form, texts, "\"Compiler Priority 5\""),
              std::make_tuple(std::string("CompilePriority4"), int(cputab::MemoryCompiler), true));

    // The messages follow the language.
    const Texts german(kGermanBase);
    EXPECT_NE(form.check(german)->message.find("darf das Zeichen ' nicht enthalten"), std::string::npos);
}

TEST_F(CpuFormTest, NumbersOutOfViewKeepTheirValueWhenInvalid)
{
    RowEintrag r = fullCpu();
    r.Cpu.Adt = 4;
    r.Cpu.TimeOut = 30;
    r.Cpu.BaudRate = 19200;
    form.load(r);  // MPI off: the whole communication frame is hidden
    form.txtADT = "x";
    form.TextTimeOut[0] = "";
    form.ComboBaudRate = "1";
    form.txtCDT = "6";
    EXPECT_FALSE(form.check(texts));
    form.store(r);
    // Valid text (CDT) is taken, as the record has always kept it.
    EXPECT_EQ((std::array<int, 4>{r.Cpu.Adt, r.Cpu.TimeOut, r.Cpu.BaudRate, r.Cpu.Cdt}),
              (std::array<int, 4>{4, 30, 19200, 6}));

    // The index DB of a web server switched off is neither checked nor stored.
    form.txtIndexDB = "";
    EXPECT_FALSE(form.check(texts));
}

}  // namespace
}  // namespace rm::test
