#include "core/cpu/CpuForm.h"
#include "core/base/OwnTexts.h"
#include "core/base/TextIds.h"

#include <algorithm>

#include "core/base/SourceText.h"
#include "core/modules/ModuleFrame.h"

namespace rm {

namespace {

constexpr const char* kQmv1R200 = "QMV1.R200";

bool on(int16_t v)
{
    return v != 0;
}

std::string joined(const std::vector<std::string>& items)
{
    std::string out;
    for (const auto& s : items) out += (out.empty() ? "" : ", ") + s;
    return out;
}

// A caption as a field name: "&&" shows as "&", trailing blanks and colon go.
std::string nameOf(const Texts& texts, int englishId)
{
    std::string s = texts.byEnglishId(englishId);
    for (auto pos = s.find("&&"); pos != std::string::npos; pos = s.find("&&", pos + 1)) s.erase(pos, 1);
    return fieldName(s);
}

// Every STRING value of the generated block is at most this long.
constexpr std::size_t kMaxStringValue = 254;

// The prefixes the generated block puts before the texts of the dialog.
constexpr std::size_t kCompPrefix = 5;       // "COMP:"
constexpr std::size_t kFormatPrefix = 15;    // "WEB:DateFormat=", "WEB:TimeFormat="
constexpr std::size_t kPasswordPrefix = 13;  // "WEB:Password="

// A value of a number field, or the fallback when its text is not valid.
int16_t numberOr(const std::string& text, long long min, long long max, int16_t fallback)
{
    const ParsedNumber n = parseNumber(text, min, max);
    return n.problem == NumberProblem::None ? static_cast<int16_t>(n.value) : fallback;
}

bool listedPort(const std::vector<std::string>& list, const std::string& text)
{
    const ParsedNumber n = parseNumber(text, 0, 32767);
    if (n.problem != NumberProblem::None) return false;
    return std::any_of(list.begin(), list.end(), [&](const std::string& p) { return std::stoll(p) == n.value; });
}

std::optional<long> standardRate(const std::string& text)
{
    const ParsedNumber n = parseNumber(text, 0, 10'000'000);
    if (n.problem != NumberProblem::None) return std::nullopt;
    const auto& rates = CpuForm::standardBaudRates();
    if (std::find(rates.begin(), rates.end(), n.value) == rates.end()) return std::nullopt;
    return static_cast<long>(n.value);
}

class Checker {
public:
    explicit Checker(const Texts& texts) : texts_(texts) {}

    std::optional<CpuRefusal> result;

    void number(const std::string& text, long long min, long long max, int nameId, int tab, const char* control)
    {
        if (result) return;
        std::string message;
        if (!checkNumberField(texts_, text, nameOf(texts_, nameId), min, max, &message))
            refuse(std::move(message), tab, control);
    }

    // A text that goes into a STRING of the generated block: an apostrophe
    // would end the string early and "$" starts an escape there; characters
    // beyond windows-1252 would reach the file as "?".
    void text(const std::string& value, const std::string& name, std::size_t maxChars, int tab,
              const std::string& control, bool isPassword = false)
    {
        if (result) return;
        OwnText message = OwnText::TextControlCharacter;
        switch (sourceTextFault(value, maxChars, isPassword)) {
            case SourceTextFault::None:
                return;
            case SourceTextFault::Apostrophe:
            case SourceTextFault::Dollar: {
                const std::string bad = value.find('\'') != std::string::npos ? "'" : "$";
                refuse(ownText(texts_, OwnText::TextForbiddenCharacter, {name, bad}) + "\n" +
                           ownText(texts_, OwnText::TextWouldBreakBlock),
                       tab, control);
                return;
            }
            case SourceTextFault::Control:
                message = OwnText::TextControlCharacter;
                break;
            case SourceTextFault::Comma:
                message = OwnText::TextComma;
                break;
            case SourceTextFault::Unencodable:
                message = OwnText::TextUnencodable;
                break;
            case SourceTextFault::TooLong:
                refuse(ownText(texts_, OwnText::TextTooLong, {name, std::to_string(maxChars)}), tab, control);
                return;
        }
        refuse(ownText(texts_, message, {name}), tab, control);
    }

    void choice(bool valid, const std::string& name, const std::string& offered, int tab, const char* control,
                bool ports)
    {
        if (result || valid) return;
        refuse(ownText(texts_, ports ? OwnText::ChoosePort : OwnText::ChooseBaudRate, {name, offered}), tab, control);
    }

private:
    void refuse(std::string message, int tab, const std::string& control)
    {
        result = CpuRefusal{std::move(message), texts_.byEnglishId(txt::InvalidDataTitle), style::Ok + style::Critical,
                            tab, control};
    }

    const Texts& texts_;
};

}  // namespace

void CpuForm::prepareRecord(RowEintrag& r)
{
    if (on(r.Cpu.MemoryMax) && r.Cpu.MemorySizeValue == 0) r.Cpu.MemorySizeValue = r.Cpu.MemoryMax;
}

void CpuForm::load(const RowEintrag& r)
{
    const CpuConfig& c = r.Cpu;
    *this = CpuForm{};
    bestellNr = r.BestellNr;
    compPrioAvail = on(c.CompPrioAvail);
    memoryMax = c.MemoryMax;
    webAvail = on(c.WebAvail);
    comAvail = on(c.ComAvail);
    port0Avail = c.Port0Avail == kTrue;
    slotB2Avail = c.SlotB2Avail == kTrue;
    slotB2Fitted = on(c.SlotB2Avail);
    slotBAvail = on(c.SlotBAvail);
    peripheryAvail = on(c.PeripheryAvail);

    lblBestellNr = r.BestellNr;
    lblKurzbez = r.Bezeichnung;
    txtBezeichnung = r.Bezeichnung;
    txtKommentar = r.Kommentar;

    if (compPrioAvail) CompilePriority = c.CompPrio;
    if (memoryOffered()) {
        CheckMemorySelect = c.MemorySelected == kTrue;
        MemorySize = std::to_string(c.memorySize());
    }

    if (comAvail) {
        clickCoomThrough(on(c.ViaModem) ? 1 : 0);
        Check1 = c.TimingOn == kTrue;
        TextTimeOut[0] = std::to_string(c.TimeOut);
        txtADT = std::to_string(c.Adt);
        txtCDT = std::to_string(c.Cdt);
        ComboBaudRate = std::to_string(c.BaudRate);
        ComboPortNumber = std::to_string(c.PortNumber);
        Optionmodemtype = on(c.ModemN613) ? 0 : 1;
    }
    CheckConfigMPI = on(c.MpiMode);

    if (webAvail) {
        TextTimeOut[1] = std::to_string(c.TimeOut);
        for (int i = 1; i <= 4; ++i) txtPassword[i] = c.WebPassword[i];
        txtTimeFormat = c.TimeFormat;
        txtDateFormat = c.DateFormat;
        txtIndexDB = std::to_string(c.IndexDB);
        txtRamDiskSize = std::to_string(c.RamDisk == 0 ? 2 : c.RamDisk);
        // A web server without MPI mode is refused, as a click on it would be.
        CheckOperatingWeb = on(c.WebOn) && CheckConfigMPI;
        webRefusedOnLoad = on(c.WebOn) && !CheckConfigMPI;
    }

    if (slotBAvail) {
        for (int i = 1; i <= 2; ++i) ComboMaxBaudRate[i] = baudRates()[on(c.SlotBFast[i]) ? 1 : 0];
    }
    if (peripheryAvail) CheckPeripheryAccess = on(c.PeripheryOff);
}

void CpuForm::tellLoadNotice(Asker& asker, const Texts& texts) const
{
    if (!webRefusedOnLoad) return;
    asker.ShowMessage(texts.byEnglishId(txt::MpiConfigurationNeeded) + "\n" + texts.byEnglishId(txt::EnableMpiFirst),
                      texts.byEnglishId(txt::MpiNeededTitle), style::Ok + style::Critical);
}

bool CpuForm::tabEnabled(int tab) const
{
    switch (tab) {
        case cputab::General:
            return true;
        case cputab::MemoryCompiler:
            return compPrioAvail || memoryOffered();
        case cputab::Web:
            return webAvail;
        case cputab::Mpi:
            return comAvail;
        case cputab::SerialPort:
            return slotBAvail;
        case cputab::StartUp:
            return peripheryAvail;
        default:
            return false;
    }
}

void CpuForm::clickMemorySelect(bool checked)
{
    CheckMemorySelect = checked;
    if (checked) MemorySize = std::to_string(memoryMax);
}

void CpuForm::clickCoomThrough(int option)
{
    OptionCoomThrough = option == 1 ? 1 : 0;
    const bool modem = OptionCoomThrough == 1;
    portList = ports(bestellNr, modem, port0Avail, slotB2Avail);
    ComboPortNumber = preselectedPort(bestellNr, modem);
}

void CpuForm::clickConfigMpi(bool checked, Asker& asker, const Texts& texts)
{
    if (checked) {
        CheckConfigMPI = true;
        return;
    }
    if (CheckOperatingWeb) {
        const std::string prompt = texts.byEnglishId(txt::MpiNeededForWebServer) + "\n" +
                                   texts.byEnglishId(txt::AlsoDisablesWebServer) + "\n" +
                                   texts.byEnglishId(txt::DoYouWantToProceed);
        if (asker.ShowMessage(prompt, texts.byEnglishId(txt::WebServerNeedsMpiTitle),
                              style::OkCancel + style::Exclamation) != answer::Ok) {
            CheckConfigMPI = true;
            return;
        }
        CheckOperatingWeb = false;
    }
    CheckConfigMPI = false;
}

void CpuForm::clickOperatingWeb(bool checked, Asker& asker, const Texts& texts)
{
    if (checked && !CheckConfigMPI) {
        asker.ShowMessage(
            texts.byEnglishId(txt::MpiConfigurationNeeded) + "\n" + texts.byEnglishId(txt::EnableMpiFirst),
            texts.byEnglishId(txt::MpiNeededTitle), style::Ok + style::Critical);
        CheckOperatingWeb = false;
        return;
    }
    CheckOperatingWeb = checked;
}

std::vector<std::string> CpuForm::ports(const std::string& order, bool modem, bool port0, bool slotB2)
{
    if (order == kQmv1R200) return modem ? std::vector<std::string>{"1"} : std::vector<std::string>{"2", "3"};
    std::vector<std::string> list;
    if (!modem && port0) list.push_back("0");
    list.push_back("1");
    if (order.rfind("QMV3", 0) != 0) {
        list.push_back("2");
        if (modem && slotB2) list.push_back("4");
        list.push_back("3");
        if (slotB2) {
            list.push_back("4");
            list.push_back("5");
        }
    }
    return list;
}

std::string CpuForm::preselectedPort(const std::string& order, bool modem)
{
    return order == kQmv1R200 && !modem ? "2" : "1";
}

const std::vector<std::string>& CpuForm::baudRates()
{
    static const std::vector<std::string> rates = {"19200", "38400"};
    return rates;
}

const std::vector<long>& CpuForm::standardBaudRates()
{
    static const std::vector<long> rates = {300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    return rates;
}

std::optional<CpuRefusal> CpuForm::check(const Texts& texts) const
{
    Checker k(texts);
    using namespace cpurange;

    if (compPrioAvail) {
        for (int i = 0; i < 6; ++i)
            k.text(CompilePriority[i], nameOf(texts, txt::CompilerPriority) + " " + std::to_string(i + 1),
                   kMaxStringValue - kCompPrefix, cputab::MemoryCompiler, "CompilePriority" + std::to_string(i));
    }
    if (frameMemoryVisible())
        k.number(MemorySize, memoryMin(), memoryLimit(), txt::MemoryFrame, cputab::MemoryCompiler, "MemorySize");

    if (webAvail && CheckOperatingWeb) {
        k.number(txtIndexDB, IndexDbMin, IndexDbMax, txt::IndexDb, cputab::Web, "txtIndexDB");
        k.number(txtRamDiskSize, RamDiskMin, RamDiskMax, txt::RamDiskSize, cputab::Web, "txtRamDiskSize");
        k.text(txtDateFormat, nameOf(texts, txt::DateFormat), kMaxStringValue - kFormatPrefix, cputab::Web,
               "txtDateFormat");
        k.text(txtTimeFormat, nameOf(texts, txt::TimeFormat), kMaxStringValue - kFormatPrefix, cputab::Web,
               "txtTimeFormat");
        // "WEB:Password=" and the four passwords with three commas between them.
        constexpr std::size_t perPassword = (kMaxStringValue - kPasswordPrefix - 3) / 4;
        for (int i = 1; i <= 4; ++i)
            k.text(txtPassword[i],
                   nameOf(texts, txt::Password) + ", " + texts.byEnglishId(txt::PasswordLevel) + std::to_string(i),
                   perPassword, cputab::Web, "txtPassword" + std::to_string(i), true);
        if (comAvail)
            k.number(TextTimeOut[1], TimeOutMin, TimeOutMax, txt::HangUpAndPasswordReset, cputab::Web, "TextTimeOut1");
    }

    if (comAvail) {
        if (frameMpiVisible()) {
            k.choice(listedPort(portList, ComboPortNumber), nameOf(texts, txt::PortNumber), joined(portList),
                     cputab::Mpi, "ComboPortNumber", true);
            std::vector<std::string> rates;
            for (long r : standardBaudRates()) rates.push_back(std::to_string(r));
            k.choice(standardRate(ComboBaudRate).has_value(), nameOf(texts, txt::BaudRate), joined(rates), cputab::Mpi,
                     "ComboBaudRate", false);
        }
        if (frameMpiVisible() && frameTimingVisible()) {
            k.number(txtADT, TimingMin, TimingMax, txt::ProtocolTimingAdt, cputab::Mpi, "txtADT");
            k.number(txtCDT, TimingMin, TimingMax, txt::ProtocolTimingCdt, cputab::Mpi, "txtCDT");
        }
        if (!webTimeOutShown() && frameModemVisible())
            k.number(TextTimeOut[0], TimeOutMin, TimeOutMax, txt::HangUpTimeOut, cputab::Mpi, "TextTimeOut0");
    }
    return k.result;
}

void CpuForm::store(RowEintrag& r) const
{
    CpuConfig& c = r.Cpu;
    using namespace cpurange;

    r.Bezeichnung = txtBezeichnung;
    r.Kommentar = txtKommentar;

    if (compPrioAvail) c.CompPrio = CompilePriority;

    if (memoryOffered()) {
        if (CheckMemorySelect) {
            c.MemorySelected = kTrue;
            c.MemorySizeValue = numberOr(MemorySize, memoryMin(), memoryLimit(), c.MemorySizeValue);
        } else {
            c.MemorySelected = kFalse;
        }
    }

    if (webAvail) {
        if (CheckOperatingWeb) {
            c.WebOn = kTrue;
            for (int i = 1; i <= 4; ++i) c.WebPassword[i] = txtPassword[i];
            c.TimeFormat = txtTimeFormat;
            c.DateFormat = txtDateFormat;
            c.RamDisk = numberOr(txtRamDiskSize, RamDiskMin, RamDiskMax, c.RamDisk);
            c.IndexDB = numberOr(txtIndexDB, IndexDbMin, IndexDbMax, c.IndexDB);
        } else {
            c.WebOn = kFalse;
        }
    }

    if (comAvail) {
        c.ViaModem = OptionCoomThrough == 1 ? kTrue : kFalse;
        c.MpiMode = CheckConfigMPI ? kTrue : kFalse;
        if (listedPort(portList, ComboPortNumber)) c.PortNumber = numberOr(ComboPortNumber, 0, 32767, c.PortNumber);
        c.TimeOut = numberOr(TextTimeOut[webTimeOutShown() ? 1 : 0], TimeOutMin, TimeOutMax, c.TimeOut);
        c.Adt = numberOr(txtADT, TimingMin, TimingMax, c.Adt);
        c.Cdt = numberOr(txtCDT, TimingMin, TimingMax, c.Cdt);
        if (auto rate = standardRate(ComboBaudRate)) c.BaudRate = static_cast<int32_t>(*rate);
        c.ModemN613 = Optionmodemtype == 0 ? kTrue : kFalse;
        c.TimingOn = Check1 ? kTrue : kFalse;
    }

    for (int i = 1; i <= 2; ++i) c.SlotBFast[i] = ComboMaxBaudRate[i] == baudRates()[1] ? kTrue : kFalse;

    if (peripheryAvail) c.PeripheryOff = CheckPeripheryAccess ? kTrue : kFalse;
}

}  // namespace rm
