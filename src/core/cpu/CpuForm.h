// The CPU dialog as plain data: the states of its controls on the six tabs,
// filled from the CPU row's record and stored back into it on OK, with the
// rules between the controls (which tabs and frames the CPU offers, the port
// list, MPI mode and the web server) and the checks of what was typed.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/base/Messages.h"
#include "core/base/TextTable.h"
#include "core/record/RowEintrag.h"

namespace rm {

// The tabs of the dialog, in their order.
namespace cputab {
inline constexpr int General = 0;
inline constexpr int MemoryCompiler = 1;
inline constexpr int Web = 2;
inline constexpr int Mpi = 3;
inline constexpr int SerialPort = 4;
inline constexpr int StartUp = 5;
inline constexpr int Count = 6;
}  // namespace cputab

// Ranges of the number fields. The index DB and the sizes are 16-bit fields;
// a RAM disk of 0 would come back as 2 the next time the dialog opens.
namespace cpurange {
inline constexpr long long IndexDbMin = 1, IndexDbMax = 32767;
inline constexpr long long RamDiskMin = 1, RamDiskMax = 32767;
inline constexpr long long TimeOutMin = 0, TimeOutMax = 32767;
inline constexpr long long TimingMin = 0, TimingMax = 32767;  // ADT and CDT
}  // namespace cpurange

// Why OK was refused: the message (naming the field), its title and style,
// and where the field is, so that the dialog can show it.
struct CpuRefusal {
    std::string message;
    std::string title;
    int style = 0;
    int tab = cputab::General;
    std::string control;  // object name of the control, e.g. "txtIndexDB", "txtPassword2"
};

struct CpuForm {
    // ---- what the CPU offers, from its definition (never edited here)
    std::string bestellNr;
    bool compPrioAvail = false;
    int memoryMax = 0;  // 0: no memory selection
    bool webAvail = false;
    bool comAvail = false;
    bool port0Avail = false;    // port 0 with RS-232 (only when True, -1)
    bool slotB2Avail = false;   // ports 4 and 5 (only when True, -1)
    bool slotB2Fitted = false;  // any non-zero value: the table has a B2 row, whose settings show
    bool slotBAvail = false;
    bool peripheryAvail = false;

    // ---- tab 0 "General"
    std::string lblBestellNr;
    std::string lblKurzbez;
    std::string txtBezeichnung;
    std::string txtKommentar;

    // ---- tab 1 "Memory-Compiler"
    bool CheckMemorySelect = false;
    std::string MemorySize;
    std::array<std::string, 6> CompilePriority;

    // ---- tab 2 "WEB-Server"
    bool CheckOperatingWeb = false;
    std::string txtIndexDB;
    std::string txtRamDiskSize;
    std::string txtDateFormat;
    std::string txtTimeFormat;
    std::array<std::string, 5> txtPassword;  // 1 to 4 used
    // Both boxes edit the time-out: 0 in the modem frame, 1 on the web tab.
    std::array<std::string, 2> TextTimeOut;

    // ---- tab 3 "MPI"
    bool CheckConfigMPI = false;
    int OptionCoomThrough = 0;  // 0 RS-232, 1 modem
    std::vector<std::string> portList;
    std::string ComboPortNumber;
    std::string ComboBaudRate;
    bool Check1 = false;  // ADT and CDT timings
    std::string txtADT;
    std::string txtCDT;
    int Optionmodemtype = 0;  // 0 N613, 1 N618

    // ---- tab 4 "Serial Port"
    std::array<std::string, 3> ComboMaxBaudRate;  // 1 and 2 used; empty when not offered

    // ---- tab 5 "Start-up"
    bool CheckPeripheryAccess = false;

    // Set by load(): the record has the web server on without MPI mode, so
    // the dialog opens with it off and owes the user the "MPI needed" message.
    bool webRefusedOnLoad = false;

    // ---- opening and closing
    // Opening the dialog puts the largest memory size into a record that has
    // none yet. A cancelled dialog leaves the row without one, which stands
    // for the same size (CpuConfig::memorySize).
    static void prepareRecord(RowEintrag& record);
    void load(const RowEintrag& record);
    // The message load() left pending, if any.
    void tellLoadNotice(Asker& asker, const Texts& texts) const;
    // OK, first step: the first field whose text cannot be stored, or nothing.
    std::optional<CpuRefusal> check(const Texts& texts) const;
    // OK, second step: the controls into the record. A number in a control the
    // user cannot see at the moment keeps the record's value when its text is
    // not valid (check() only refuses what is in view).
    void store(RowEintrag& record) const;

    // ---- the rules between the controls
    bool tabEnabled(int tab) const;
    bool memoryOffered() const { return memoryMax != 0; }
    int memoryMin() const { return 1; }
    int memoryLimit() const { return memoryMax > 1 ? memoryMax : 1; }
    bool frameMemoryVisible() const { return memoryOffered() && CheckMemorySelect; }     // Frame3(0)
    bool frameCompilerVisible() const { return compPrioAvail; }                          // Frame3(1)
    bool frameWebVisible() const { return CheckOperatingWeb; }                           // Frame4(0)
    bool frameMpiVisible() const { return CheckConfigMPI; }                              // Frame5(0)
    bool frameModemVisible() const { return CheckConfigMPI && OptionCoomThrough == 1; }  // Frame5(1)
    bool frameTimingVisible() const { return Check1; }                                   // Frame5(2)
    bool frameSlotB2Visible() const { return slotB2Fitted; }                             // Frame6(2)
    // The time-out rule: the box on the web tab while the web server is on,
    // otherwise the one in the modem frame.
    bool webTimeOutShown() const { return CheckOperatingWeb && webAvail; }

    // ---- events
    void clickMemorySelect(bool checked);
    // RS-232 (0) or modem (1) selected: the port list is refilled.
    void clickCoomThrough(int option);
    void clickTiming(bool checked) { Check1 = checked; }
    // Switching MPI mode off while the web server is on asks first; Cancel
    // keeps MPI mode on.
    void clickConfigMpi(bool checked, Asker& asker, const Texts& texts);
    // The web server cannot be switched on without MPI mode.
    void clickOperatingWeb(bool checked, Asker& asker, const Texts& texts);

    // The ports a CPU offers for the connection, in list order, and the one preselected.
    static std::vector<std::string> ports(const std::string& bestellNr, bool modem, bool port0, bool slotB2);
    static std::string preselectedPort(const std::string& bestellNr, bool modem);
    // The lists of ComboBaudRate and ComboMaxBaudRate(1), (2).
    static const std::vector<std::string>& baudRates();
    // Rates ComboBaudRate takes when typed.
    static const std::vector<long>& standardBaudRates();
};

}  // namespace rm
