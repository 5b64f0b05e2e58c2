// The CPU dialog's rules without a window: what each CPU offers, MPI mode
// and the web server, the checks of OK, and what OK keeps.
#include "core/cpu/CpuForm.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/record/CpuDefaults.h"
#include "support/TestSupport.h"

namespace rm::test {
namespace {

using List = std::vector<std::string>;
using Offers = std::initializer_list<int16_t CpuConfig::*>;

// A CPU record with the given offers and the defaults of a placed CPU.
RowEintrag cpuWith(const std::string& order, Offers offers)
{
    RowEintrag r;
    r.BestellNr = order;
    r.Bezeichnung = "CPU";
    for (auto field : offers) r.Cpu.*field = kTrue;
    SetCpuDefaults(r);
    return r;
}

// Every offer, with the settings `on` switched on.
RowEintrag fullCpu(Offers on = {})
{
    RowEintrag r = cpuWith(
        "QMV2.R230", {&CpuConfig::WebAvail, &CpuConfig::CompPrioAvail, &CpuConfig::SlotB2Avail, &CpuConfig::ComAvail,
                      &CpuConfig::PeripheryAvail, &CpuConfig::Port0Avail, &CpuConfig::SlotBAvail});
    r.Cpu.MemoryMax = r.Cpu.MemorySizeValue = 8;
    r.Cpu.MemoryUpDownLimit = 16;
    for (auto field : on) r.Cpu.*field = kTrue;
    return r;
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
    ScriptedAsker asker;
    Texts texts;
    CpuForm form;
};

// The time-out comes from the box in view: the modem frame's, or the web tab's
// with the web server on. (That load and store keep every other setting is
// checked for each setting on every shipped CPU in CpuSettings.)
TEST_F(CpuFormTest, TheTimeOutComesFromTheBoxInView)
{
    RowEintrag r = fullCpu();
    CpuConfig& c = r.Cpu;
    c.MemorySelected = c.MpiMode = c.WebOn = c.ViaModem = c.TimingOn = c.PeripheryOff = kTrue;
    form.load(r);
    form.clickOperatingWeb(false, asker, texts);
    form.TextTimeOut = {"40", "50"};
    form.store(r);
    EXPECT_EQ(r.Cpu.TimeOut, 40);
    form.clickOperatingWeb(true, asker, texts);
    form.store(r);
    EXPECT_EQ(r.Cpu.TimeOut, 50);
}

TEST_F(CpuFormTest, OpeningShowsWhatTheRecordStandsFor)
{
    RowEintrag r = fullCpu({&CpuConfig::MpiMode, &CpuConfig::WebOn});
    r.Cpu.MemorySizeValue = r.Cpu.RamDisk = 0;
    const auto tabs = [this] {
        std::string on;
        for (int t = 0; t < cputab::Count; ++t) on += form.tabEnabled(t) ? '1' : '0';
        return on;
    };
    form.load(r);  // a cancelled dialog leaves the size at 0: it stands for the largest
    EXPECT_EQ(tabs(), "111111");
    EXPECT_EQ(form.MemorySize, "8");
    CpuForm::prepareRecord(r);
    EXPECT_EQ(r.Cpu.MemorySizeValue, 8);
    EXPECT_EQ(form.txtRamDiskSize, "2");
    form.store(r);
    EXPECT_EQ(r.Cpu.RamDisk, 2);

    // Port 0 and ports 4 and 5 need their offers True (-1); the stored port shows.
    RowEintrag odd = cpuWith("QMV2.R230", {&CpuConfig::ComAvail});
    odd.Cpu.Port0Avail = odd.Cpu.SlotB2Avail = 1;
    odd.Cpu.PortNumber = 3;
    odd.Cpu.WebOn = odd.Cpu.PeripheryOff = kTrue;  // what the CPU does not offer is not the dialog's
    odd.Cpu.CompPrio[0] = "OB1";
    form.load(odd);
    EXPECT_EQ(tabs(), "100100");  // General and MPI only
    EXPECT_EQ(form.portList, (List{"1", "2", "3"}));
    EXPECT_EQ(form.ComboPortNumber, "3");
    // The table builds a B2 row for any non-zero value: its settings show too.
    EXPECT_TRUE(form.frameSlotB2Visible());
    RowEintrag stored = odd;
    form.store(stored);
    EXPECT_EQ(stored, odd);
}

TEST_F(CpuFormTest, WebServerAndMpiModeGoTogether)
{
    RowEintrag r = fullCpu();
    r.Cpu.WebOn = kTrue;  // stored without MPI mode: opened with the web server off
    form.load(r);
    EXPECT_FALSE(form.CheckOperatingWeb);
    asker.expect("MPI configuration is needed\nEnable the MPI configuration first", answer::Ok);
    form.tellLoadNotice(asker, texts);
    form.store(r);
    EXPECT_EQ(r.Cpu.WebOn, kFalse);

    asker.expect("MPI configuration is needed", answer::Ok);
    form.clickOperatingWeb(true, asker, texts);
    EXPECT_FALSE(form.CheckOperatingWeb);
    form.clickConfigMpi(true, asker, texts);
    form.clickOperatingWeb(true, asker, texts);
    EXPECT_TRUE(form.CheckOperatingWeb);

    // Switching MPI off with the web server on asks first; Cancel keeps both.
    asker.expect("MPI is needed for the WEB-Server.\nThis action will also disable the WEB-Server.", answer::Cancel);
    form.clickConfigMpi(false, asker, texts);
    EXPECT_TRUE(form.CheckConfigMPI && form.CheckOperatingWeb);
    asker.expect("MPI is needed", answer::Ok);
    form.clickConfigMpi(false, asker, texts);
    EXPECT_FALSE(form.CheckConfigMPI || form.CheckOperatingWeb);
    // Without the web server nothing is asked.
    form.clickConfigMpi(true, asker, texts);
    form.clickConfigMpi(false, asker, texts);
    EXPECT_EQ(asker.shown.size(), 4u);  // the notice, the refused click and the two questions
}

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

TEST_F(CpuFormTest, RefusesWhatCannotBeStoredOrWouldBreakTheBlock)
{
    const RowEintrag r =
        fullCpu({&CpuConfig::MpiMode, &CpuConfig::WebOn, &CpuConfig::TimingOn, &CpuConfig::MemorySelected});
    using Field = std::function<std::string&(CpuForm&)>;
    auto member = [](std::string CpuForm::*m) { return Field([m](CpuForm& f) -> std::string& { return f.*m; }); };
    const Field timeOut1 = [](CpuForm& f) -> std::string& { return f.TextTimeOut[1]; };
    const Field priority4 = [](CpuForm& f) -> std::string& { return f.CompilePriority[4]; };
    const Field password2 = [](CpuForm& f) -> std::string& { return f.txtPassword[2]; };
    struct Case {
        Field field;
        std::string text, control;
        int tab;
        const char* named;
    };
    const Case cases[] = {
        {member(&CpuForm::MemorySize), "9", "MemorySize", cputab::MemoryCompiler, "\"Memory\" is out of range"},
        {member(&CpuForm::txtIndexDB), "", "txtIndexDB", cputab::Web, "\"Index DB\" is empty"},
        {member(&CpuForm::ComboPortNumber), "6", "ComboPortNumber", cputab::Mpi, "ports 0, 1, 2, 3, 4, 5"},
        {member(&CpuForm::txtDateFormat), "DD'MM", "txtDateFormat", cputab::Web, "must not contain the character '"},
        {member(&CpuForm::txtTimeFormat), "HH'MM", "txtTimeFormat", cputab::Web, "\"Time Format\" must not"},
        {timeOut1, "-5", "TextTimeOut1", cputab::Web, "\"Time out for hang up"},
        {member(&CpuForm::txtADT), "32768", "txtADT", cputab::Mpi, "\"Protocol timing ADT\" is out of range"},
        {member(&CpuForm::txtCDT), "-1", "txtCDT", cputab::Mpi, "\"Protocol timing CDT\" is out of range"},
        {priority4, "OB'1", "CompilePriority4", cputab::MemoryCompiler, "\"Compiler Priority 5\""},
        {member(&CpuForm::txtTimeFormat), "HH\tMM", "txtTimeFormat", cputab::Web, "control character"},
        {priority4, "OB1\nEND_DATA_BLOCK", "CompilePriority4", cputab::MemoryCompiler, "control character"},
        {password2, "a,b", "txtPassword2", cputab::Web, "comma"},  // the commas separate the levels
        {password2, std::string(60, 'p'), "txtPassword2", cputab::Web, "at most 59"},
        {password2, "\u0151", "txtPassword2", cputab::Web, "cannot hold"},  // not in windows-1252
        {password2, std::string(59, 'p'), "(none)", -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control + " = \"" + c.text + "\"");
        form.load(r);
        c.field(form) = c.text;
        EXPECT_EQ(refusalOf(form, texts, c.named), std::make_tuple(c.control, c.tab, c.tab >= 0));
    }

    // The time-out in the modem frame while the web server is off.
    form.load(r);
    form.clickOperatingWeb(false, asker, texts);
    form.clickCoomThrough(1);
    form.TextTimeOut[0] = "abc";
    EXPECT_EQ(form.check(texts)->control, "TextTimeOut0");
}

TEST_F(CpuFormTest, NumbersOutOfViewKeepTheirValueWhenInvalid)
{
    RowEintrag r = fullCpu();
    r.Cpu.Adt = 4;
    r.Cpu.BaudRate = 19200;
    form.load(r);  // MPI and the web server off: their frames are hidden
    form.txtADT = "x";
    form.ComboBaudRate = "1";
    form.txtCDT = "6";
    form.txtIndexDB = "";
    EXPECT_FALSE(form.check(texts));
    form.store(r);
    // Valid text (CDT) is taken, as the record has always kept it.
    EXPECT_EQ((std::array<int, 4>{r.Cpu.Adt, r.Cpu.BaudRate, r.Cpu.Cdt, r.Cpu.IndexDB}),
              (std::array<int, 4>{4, 19200, 6, 900}));
}

}  // namespace
}  // namespace rm::test
