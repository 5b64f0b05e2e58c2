#include "core/settings/CpuSettings.h"

#include <algorithm>
#include <charconv>

#include "core/cpu/CpuForm.h"
#include "core/modules/ModuleFrame.h"
#include "core/table/ProjectJson.h"

namespace rm {

namespace {

using json = nlohmann::json;

// ------------------------------------------------------------ keys

SettingInfo key(std::string name, std::string type, OwnText label, std::string meaning, long long min = 0,
                long long max = 0, std::vector<std::string> values = {})
{
    std::string english = ownText(Texts(kEnglishBase), label);
    return {std::move(name),
            std::move(type),
            std::move(values),
            min,
            max,
            std::move(english),
            std::move(meaning),
            label,
            {}};
}

const std::vector<std::string> kConnections = {"RS-232", "modem"};
const std::vector<std::string> kModemTypes = {"N613", "N618"};

constexpr std::size_t kPriorities = 6;
constexpr std::size_t kPasswordLevels = 4;

// The word before the number of a list entry: "priority 3", "level 2".
std::string entryNoun(const std::string& key)
{
    if (key == "compilerPriority") return "priority";
    if (key == "webPassword") return "level";
    return {};
}

// ------------------------------------------------------------ values

struct ValueError {
    std::string message;
};

std::string quote(const std::string& s)
{
    return "\"" + s + "\"";
}

std::string joined(const std::vector<std::string>& items, bool quoted)
{
    std::string out;
    for (const auto& s : items) out += (out.empty() ? "" : ", ") + (quoted ? quote(s) : s);
    return out;
}

// "key \"port\"" or "key \"webPassword\", level 2" (entry counts from 0).
std::string where(const SettingInfo& info, int entry = -1)
{
    std::string w = "key " + quote(info.key);
    if (entry >= 0) w += ", " + entryNoun(info.key) + " " + std::to_string(entry + 1);
    return w;
}

std::string shown(const json& v)
{
    return v.is_string() ? quote(v.get<std::string>()) : v.dump();
}

bool readBoolean(const SettingInfo& info, const json& v)
{
    if (!v.is_boolean()) throw ValueError{where(info) + ": " + v.dump() + " is not allowed; allowed: true, false"};
    return v.get<bool>();
}

int readChoice(const SettingInfo& info, const json& v)
{
    if (v.is_string())
        for (std::size_t i = 0; i < info.values.size(); ++i)
            if (info.values[i] == v.get_ref<const std::string&>()) return static_cast<int>(i);
    throw ValueError{where(info) + ": " + shown(v) + " is not allowed; allowed: " + joined(info.values, true)};
}

long long readInteger(const SettingInfo& info, const json& v, long long min, long long max)
{
    if (!v.is_number_integer() || v.get<long long>() < min || v.get<long long>() > max)
        throw ValueError{where(info) + ": " + v.dump() + " is not allowed; allowed: a whole number from " +
                         std::to_string(min) + " to " + std::to_string(max)};
    return v.get<long long>();
}

// One of a few numbers.
long long readListed(const SettingInfo& info, const json& v, const std::vector<std::string>& listed,
                     const std::string& what)
{
    if (v.is_number_integer() &&
        std::find(listed.begin(), listed.end(), std::to_string(v.get<long long>())) != listed.end())
        return v.get<long long>();
    throw ValueError{where(info) + ": " + v.dump() + " is not allowed; allowed: " + what + joined(listed, false)};
}

std::string readText(const SettingInfo& info, const json& v, int entry = -1)
{
    if (!v.is_string()) throw ValueError{where(info, entry) + ": " + v.dump() + " is not allowed; allowed: a text"};
    return v.get<std::string>();
}

const json& readList(const SettingInfo& info, const json& v, std::size_t count)
{
    if (!v.is_array() || v.size() != count)
        throw ValueError{where(info) + ": " +
                         (v.is_array() ? std::to_string(v.size()) + " entries are" : v.dump() + " is") +
                         " not allowed; allowed: a list of " + std::to_string(count) + " texts, " +
                         entryNoun(info.key) + " 1 first"};
    return v;
}

// The text of a number box as a setting: its number, or the text itself
// when it does not read as one.
json numberOf(const std::string& text)
{
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc() && end == text.data() + text.size() && !text.empty()) return v;
    return text;
}

// Records keep line breaks as CR LF; a setting separates lines by "\n".
std::string toEditLines(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) out += s[i];
    return out;
}

std::string toRecordLines(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) out += '\r';
        out += s[i];
    }
    return out;
}

std::vector<std::string> rateTexts(const std::vector<long>& rates)
{
    std::vector<std::string> out;
    for (long r : rates) out.push_back(std::to_string(r));
    return out;
}

// Answers every question with OK and shows nothing: for reading settings
// without a user.
class Silent : public Asker {
public:
    int ShowMessage(const std::string&, const std::string&, int) override { return answer::Ok; }
};

// ------------------------------------------------------------ the dialog

// One opening of the CPU dialog: the form model loaded from the row's record
// as the dialog prepares it, and the controls changed by key.
class CpuDialogState {
public:
    CpuDialogState(const RowEintrag& record, Asker& asker, const Texts& texts) : asker_(asker), texts_(texts)
    {
        RowEintrag r = record;
        CpuForm::prepareRecord(r);
        form_.load(r);
        loadedKommentar_ = r.Kommentar;
        // The up-down control of the memory size holds a number within its range.
        if (form_.memoryOffered()) form_.MemorySize = std::to_string(shownMemorySize());
    }

    const CpuForm& form() const { return form_; }

    bool offers(const std::string& k) const
    {
        const CpuForm& f = form_;
        if (k == "designation" || k == "comment") return true;
        if (k == "memorySelected" || k == "memorySize") return f.memoryOffered();
        if (k == "compilerPriority") return f.compPrioAvail;
        if (k == "webServer" || k == "indexDb" || k == "ramDiskSize" || k == "dateFormat" || k == "timeFormat" ||
            k == "webPassword")
            return f.webAvail;
        if (k == "maxBaudRateB1") return f.slotBAvail;
        if (k == "maxBaudRateB2") return f.slotBAvail && f.slotB2Fitted;
        if (k == "peripheryAccessDisabled") return f.peripheryAvail;
        return f.comAvail;  // the MPI tab and the time-out
    }

    json get(const std::string& k) const
    {
        const CpuForm& f = form_;
        if (k == "designation") return f.txtBezeichnung;
        if (k == "comment") return toEditLines(f.txtKommentar);
        if (k == "memorySelected") return f.CheckMemorySelect;
        if (k == "memorySize") return numberOf(f.MemorySize);
        if (k == "compilerPriority")
            return json(std::vector<std::string>(f.CompilePriority.begin(), f.CompilePriority.end()));
        if (k == "webServer") return f.CheckOperatingWeb;
        if (k == "indexDb") return numberOf(f.txtIndexDB);
        if (k == "ramDiskSize") return numberOf(f.txtRamDiskSize);
        if (k == "dateFormat") return f.txtDateFormat;
        if (k == "timeFormat") return f.txtTimeFormat;
        if (k == "webPassword") return json(std::vector<std::string>(f.txtPassword.begin() + 1, f.txtPassword.end()));
        if (k == "mpiMode") return f.CheckConfigMPI;
        if (k == "connection") return kConnections[f.OptionCoomThrough == 1 ? 1 : 0];
        if (k == "port") return numberOf(f.ComboPortNumber);
        if (k == "baudRate") return numberOf(f.ComboBaudRate);
        if (k == "timings") return f.Check1;
        if (k == "adt") return numberOf(f.txtADT);
        if (k == "cdt") return numberOf(f.txtCDT);
        if (k == "modemType") return kModemTypes[f.Optionmodemtype == 1 ? 1 : 0];
        if (k == "timeOut") return numberOf(f.TextTimeOut[timeOutBox()]);
        if (k == "maxBaudRateB1") return numberOf(f.ComboMaxBaudRate[1]);
        if (k == "maxBaudRateB2") return numberOf(f.ComboMaxBaudRate[2]);
        if (k == "peripheryAccessDisabled") return f.CheckPeripheryAccess;
        return nullptr;
    }

    // The control of the key set as the user would set it. A value the
    // control holds is taken as it is, shown or not; any other needs the
    // control in view. Throws ValueError.
    void set(const SettingInfo& info, const json& v)
    {
        using namespace cpurange;
        CpuForm& f = form_;
        const std::string& k = info.key;
        if (k == "designation" || k == "comment") {
            const bool comment = k == "comment";
            const std::string text = readText(info, v);
            if (auto why = textRefusal(comment ? "Kommentar" : "Bezeichnung", text); !why.empty())
                throw ValueError{where(info) + ": the text " + why};
            if (!comment)
                f.txtBezeichnung = text;
            else
                f.txtKommentar = text == toEditLines(loadedKommentar_) ? loadedKommentar_ : toRecordLines(text);
            return;
        }
        if (v == get(k)) return;
        if (k == "compilerPriority" || k == "webPassword") {
            const bool priorities = k == "compilerPriority";
            const json& list = readList(info, v, priorities ? kPriorities : kPasswordLevels);
            const json now = get(k);
            for (std::size_t i = 0; i < list.size(); ++i) {
                const std::string text = readText(info, list[i], static_cast<int>(i));
                if (list[i] == now[i]) continue;
                if (!priorities) inView(info, f.frameWebVisible(), "with \"webServer\" true only", static_cast<int>(i));
                (priorities ? f.CompilePriority[i] : f.txtPassword[i + 1]) = text;
            }
            return;
        }
        if (k == "memorySelected") {
            f.clickMemorySelect(readBoolean(info, v));
        } else if (k == "memorySize") {
            const long long n = readInteger(info, v, f.memoryMin(), f.memoryLimit());
            inView(info, f.frameMemoryVisible(), "with \"memorySelected\" true only");
            f.MemorySize = std::to_string(n);
        } else if (k == "webServer") {
            const bool on = readBoolean(info, v);
            f.clickOperatingWeb(on, asker_, texts_);
            if (f.CheckOperatingWeb != on)
                throw ValueError{where(info) + ": the web server needs MPI mode; allowed: false" +
                                 std::string(f.comAvail ? ", or true together with \"mpiMode\": true" : "")};
        } else if (k == "indexDb" || k == "ramDiskSize") {
            const bool index = k == "indexDb";
            const long long n = readInteger(info, v, index ? IndexDbMin : RamDiskMin, index ? IndexDbMax : RamDiskMax);
            inView(info, f.frameWebVisible(), "with \"webServer\" true only");
            (index ? f.txtIndexDB : f.txtRamDiskSize) = std::to_string(n);
        } else if (k == "dateFormat" || k == "timeFormat") {
            const std::string text = readText(info, v);
            inView(info, f.frameWebVisible(), "with \"webServer\" true only");
            (k == "dateFormat" ? f.txtDateFormat : f.txtTimeFormat) = text;
        } else if (k == "mpiMode") {
            const bool on = readBoolean(info, v);
            f.clickConfigMpi(on, asker_, texts_);
            if (f.CheckConfigMPI != on)
                throw ValueError{where(info) +
                                 ": switching MPI mode off also switches the web server off, and that was declined; "
                                 "allowed: true, or false together with \"webServer\": false"};
        } else if (k == "connection") {
            const int option = readChoice(info, v);
            inView(info, f.frameMpiVisible(), "with \"mpiMode\" true only");
            f.clickCoomThrough(option);
        } else if (k == "port") {
            const long long n = readListed(info, v, f.portList, "for this CPU and connection one of the ports ");
            inView(info, f.frameMpiVisible(), "with \"mpiMode\" true only");
            f.ComboPortNumber = std::to_string(n);
        } else if (k == "baudRate") {
            const long long n = readListed(info, v, rateTexts(CpuForm::standardBaudRates()), "");
            inView(info, f.frameMpiVisible(), "with \"mpiMode\" true only");
            f.ComboBaudRate = std::to_string(n);
        } else if (k == "timings") {
            const bool on = readBoolean(info, v);
            inView(info, f.frameMpiVisible(), "with \"mpiMode\" true only");
            f.clickTiming(on);
        } else if (k == "adt" || k == "cdt") {
            const long long n = readInteger(info, v, TimingMin, TimingMax);
            inView(info, f.frameMpiVisible() && f.frameTimingVisible(), "with \"mpiMode\" and \"timings\" true only");
            (k == "adt" ? f.txtADT : f.txtCDT) = std::to_string(n);
        } else if (k == "modemType") {
            const int type = readChoice(info, v);
            inView(info, f.frameModemVisible(), "with \"mpiMode\" true and \"connection\" \"modem\" only");
            f.Optionmodemtype = type;
        } else if (k == "timeOut") {
            const long long n = readInteger(info, v, TimeOutMin, TimeOutMax);
            inView(info, f.webTimeOutShown() || f.frameModemVisible(),
                   "with \"webServer\" true, or with \"mpiMode\" true and \"connection\" \"modem\", only");
            f.TextTimeOut[timeOutBox()] = std::to_string(n);
        } else if (k == "maxBaudRateB1" || k == "maxBaudRateB2") {
            f.ComboMaxBaudRate[k == "maxBaudRateB1" ? 1 : 2] =
                std::to_string(readListed(info, v, CpuForm::baudRates(), ""));
        } else if (k == "peripheryAccessDisabled") {
            f.CheckPeripheryAccess = readBoolean(info, v);
        }
    }

    // The first refusal of OK, naming its key; empty when OK goes through.
    std::string checked(const SettingsFamily& family) const
    {
        const auto refusal = form_.check(texts_);
        if (!refusal) return {};
        const std::string& c = refusal->control;
        std::string k;
        int entry = -1;
        static const std::pair<const char*, const char*> controls[] = {
            {"MemorySize", "memorySize"},
            {"txtIndexDB", "indexDb"},
            {"txtRamDiskSize", "ramDiskSize"},
            {"txtDateFormat", "dateFormat"},
            {"txtTimeFormat", "timeFormat"},
            {"TextTimeOut0", "timeOut"},
            {"TextTimeOut1", "timeOut"},
            {"ComboPortNumber", "port"},
            {"ComboBaudRate", "baudRate"},
            {"txtADT", "adt"},
            {"txtCDT", "cdt"},
        };
        for (const auto& [control, name] : controls)
            if (c == control) k = name;
        if (c.rfind("CompilePriority", 0) == 0) {
            k = "compilerPriority";
            entry = std::stoi(c.substr(15));
        } else if (c.rfind("txtPassword", 0) == 0) {
            k = "webPassword";
            entry = std::stoi(c.substr(11)) - 1;
        }
        std::string message = refusal->message;
        std::replace(message.begin(), message.end(), '\n', ' ');
        const auto info =
            std::find_if(family.keys.begin(), family.keys.end(), [&](const SettingInfo& i) { return i.key == k; });
        if (info == family.keys.end()) return message;
        std::string allowed;
        if (k == "port")
            allowed = joined(form_.portList, false);
        else if (k == "baudRate")
            allowed = joined(rateTexts(CpuForm::standardBaudRates()), false);
        else if (info->type == "integer")
            allowed = "a whole number from " + std::to_string(k == "memorySize" ? form_.memoryMin() : info->min) +
                      " to " + std::to_string(k == "memorySize" ? form_.memoryLimit() : info->max);
        return where(*info, entry) + ": " + message + (allowed.empty() ? "" : "; allowed: " + allowed);
    }

    void store(RowEintrag& record) const { form_.store(record); }

private:
    // A control out of view keeps what it holds.
    void inView(const SettingInfo& info, bool visible, const std::string& when, int entry = -1) const
    {
        if (visible) return;
        const json held = entry >= 0 ? get(info.key)[static_cast<std::size_t>(entry)] : get(info.key);
        throw ValueError{where(info, entry) + ": this is set " + when + "; allowed: the value it holds (" +
                         shown(held) + ")"};
    }

    // The time-out box in view: the web tab's while the web server is on.
    std::size_t timeOutBox() const { return form_.webTimeOutShown() ? 1 : 0; }

    int shownMemorySize() const
    {
        const ParsedNumber n = parseNumber(form_.MemorySize, INT16_MIN, INT16_MAX);
        return static_cast<int>(std::clamp<long long>(n.value, form_.memoryMin(), form_.memoryLimit()));
    }

    Asker& asker_;
    const Texts& texts_;
    CpuForm form_;
    std::string loadedKommentar_;
};

const SettingInfo* keyOf(const SettingsFamily& family, const std::string& k)
{
    for (const SettingInfo& i : family.keys)
        if (i.key == k) return &i;
    return nullptr;
}

// Every key set as the user would set its control; the message of the first
// refusal, or empty.
std::string setAll(CpuDialogState& dialog, const SettingsFamily& family, const json& settings)
{
    if (!settings.is_object()) return "the settings must be a JSON object";
    for (const auto& item : settings.items()) {
        if (keyOf(family, item.key()) && dialog.offers(item.key())) continue;
        std::string keys;
        for (const SettingInfo& i : family.keys)
            if (dialog.offers(i.key)) keys += (keys.empty() ? "" : ", ") + i.key;
        return "unknown key " + quote(item.key()) + "; keys of this CPU: " + keys;
    }
    auto given = [&](const char* k, bool value) { return settings.contains(k) && settings[k] == value; };
    if (given("webServer", true) && given("mpiMode", false))
        return "key \"webServer\": the web server needs MPI mode; allowed: false while \"mpiMode\" is false";
    try {
        // MPI mode is switched on first: the web server on its earlier tab needs it.
        const bool mpiFirst = given("mpiMode", true);
        if (mpiFirst) dialog.set(*keyOf(family, "mpiMode"), true);
        for (const SettingInfo& info : family.keys)
            if (settings.contains(info.key) && !(mpiFirst && info.key == "mpiMode"))
                dialog.set(info, settings[info.key]);
    } catch (const ValueError& e) {
        return e.message;
    }
    // A later control can change an earlier one.
    for (const SettingInfo& info : family.keys) {
        if (!settings.contains(info.key) || info.type == "text") continue;
        if (const json now = dialog.get(info.key); now != settings[info.key])
            return where(info) + ": the other settings make it " + shown(now) + "; allowed: " + shown(now) +
                   " with these settings";
    }
    return dialog.checked(family);
}

SettingsApplied refused(std::string message)
{
    return {false, std::move(message)};
}

}  // namespace

const SettingsFamily& cpuSettingsFamily()
{
    using namespace cpurange;
    static const SettingsFamily family{
        "cpu",
        {
            key("designation", "text", OwnText::SetDesignation, "The CPU's description on the General tab (one line)."),
            key("comment", "text", OwnText::SetComment,
                "The CPU's comment on the General tab; lines are separated by \"\\n\"."),
            key("memorySelected", "boolean", OwnText::SetMemorySelected,
                "A memory size is chosen; switching it on sets memorySize to the CPU's largest size."),
            key("memorySize", "integer", OwnText::SetMemorySize,
                "The memory size in blocks of 64 K, from 1 to the CPU's largest size; with memorySelected only.", 1,
                INT16_MAX),
            key("compilerPriority", "list of text", OwnText::SetCompilerPriority,
                "The six texts of the compiler priority, priority 1 first."),
            key("webServer", "boolean", OwnText::SetWebServer, "The web server is on; it needs mpiMode."),
            key("indexDb", "integer", OwnText::SetIndexDb, "The index DB of the web server; with webServer only.",
                IndexDbMin, IndexDbMax),
            key("ramDiskSize", "integer", OwnText::SetRamDiskSize,
                "The RAM disk size of the web server; with webServer only.", RamDiskMin, RamDiskMax),
            key("dateFormat", "text", OwnText::SetDateFormat,
                "The date format of the web server; with webServer only."),
            key("timeFormat", "text", OwnText::SetTimeFormat,
                "The time format of the web server; with webServer only."),
            key("webPassword", "list of text", OwnText::SetPasswordLevel,
                "The passwords of the web server's four levels, level 1 first, without commas; with webServer only."),
            key("mpiMode", "boolean", OwnText::SetMpiMode,
                "MPI mode is configured; switching it off while the web server is on asks, and switches the web "
                "server off too."),
            key("connection", "choice", OwnText::SetCommunicationThrough,
                "What the connection goes through; choosing it refills the port list and selects its first port; "
                "with mpiMode only.",
                0, 0, kConnections),
            key("port", "integer", OwnText::SetPortNumber,
                "The port of the connection, one of those the CPU offers for it; with mpiMode only.", 0, 5),
            key("baudRate", "integer", OwnText::SetBaudRate,
                "The baud rate of the connection: 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600 or 115200; "
                "with mpiMode only.",
                300, 115200),
            key("timings", "boolean", OwnText::SetProtocolTimings,
                "The protocol timings ADT and CDT are configured; with mpiMode only."),
            key("adt", "integer", OwnText::SetProtocolTimingAdt,
                "The protocol timing ADT; with mpiMode and timings only.", TimingMin, TimingMax),
            key("cdt", "integer", OwnText::SetProtocolTimingCdt,
                "The protocol timing CDT; with mpiMode and timings only.", TimingMin, TimingMax),
            key("modemType", "choice", OwnText::SetModemType,
                "The modem type; with mpiMode and the connection \"modem\" only.", 0, 0, kModemTypes),
            key("timeOut", "integer", OwnText::SetHangUpTimeOut,
                "The time-out for hanging up, and for the password level reset while the web server is on; with "
                "webServer, or with mpiMode and the connection \"modem\".",
                TimeOutMin, TimeOutMax),
            key("maxBaudRateB1", "integer", OwnText::SetMaxBaudRateB1,
                "The maximum baud rate of function module B1: 19200 or 38400.", 19200, 38400),
            key("maxBaudRateB2", "integer", OwnText::SetMaxBaudRateB2,
                "The maximum baud rate of function module B2: 19200 or 38400; with a slot B2 only.", 19200, 38400),
            key("peripheryAccessDisabled", "boolean", OwnText::SetPeripheryAccessDisabled,
                "Periphery access is disabled at start-up (OB 100)."),
        },
    };
    return family;
}

std::vector<const SettingInfo*> cpuSettingKeysOf(const RowEintrag& record, const SettingsFamily& family)
{
    Silent silent;
    const Texts english(kEnglishBase);
    const CpuDialogState dialog(record, silent, english);
    std::vector<const SettingInfo*> out;
    for (const SettingInfo& k : family.keys)
        if (dialog.offers(k.key)) out.push_back(&k);
    return out;
}

json cpuSettingsOf(const RowEintrag& record)
{
    Silent silent;
    const Texts english(kEnglishBase);
    const CpuDialogState dialog(record, silent, english);
    json out = json::object();
    for (const SettingInfo& k : cpuSettingsFamily().keys)
        if (dialog.offers(k.key)) out[k.key] = dialog.get(k.key);
    return out;
}

SettingsApplied applyCpuSettings(ProjectTable& table, int row, const json& settings)
{
    AppState& app = table.app();
    const ProjectTable::Snapshot before = table.snapshot();
    const RowEintrag current = app.CurrentModule, saved = app.SavedModule, next = app.NextModule;
    const bool reading = table.einlesenDatei();
    auto giveBack = [&] {
        table.restore(before);
        table.SetEinlesenDateiFlag(reading);
        app.CurrentModule = current;
        app.SavedModule = saved;
        app.NextModule = next;
    };

    const DialogKind kind = table.prepareDialog(row);
    CpuForm::prepareRecord(app.CurrentModule);
    CpuDialogState dialog(app.CurrentModule, app.asker, app.texts);
    dialog.form().tellLoadNotice(app.asker, app.texts);
    if (auto why = setAll(dialog, cpuSettingsFamily(), settings); !why.empty()) {
        giveBack();
        return refused(why);
    }
    dialog.store(app.CurrentModule);
    // OK writes the row as reading a file does: no address search for the CPU.
    bool written = false;
    {
        const ReadingRows asDialogOk(table);
        written = table.WriteRowEintrag(RecordFrom::CurrentModule);
    }
    if (!written) {
        giveBack();
        return refused("the CPU row could not be written");
    }
    table.finishDialog(row, kind);
    return {};
}

SettingsApplied cpuSettingsAgree(const ProjectTable& table, int row, const json& settings)
{
    Silent silent;
    const Texts& texts = table.app().texts;
    const RowEintrag& record = table.record(row);
    const CpuDialogState unchanged(record, silent, texts);
    CpuDialogState changed(record, silent, texts);
    if (auto why = setAll(changed, cpuSettingsFamily(), settings); !why.empty()) return refused(why);
    for (const auto& item : settings.items()) {
        const json held = unchanged.get(item.key());
        if (item.value() != held)
            return refused("key " + quote(item.key()) + ": the settings say " + item.value().dump() +
                           ", the record holds " + held.dump());
    }
    RowEintrag a = record, b = record;
    CpuForm::prepareRecord(a);
    CpuForm::prepareRecord(b);
    changed.store(a);
    unchanged.store(b);
    if (a != b) return refused("the settings do not give the record's fields");
    return {};
}

std::string cpuEntryLabel(const SettingInfo& info, int entry, const Texts& texts)
{
    if (entryNoun(info.key).empty()) return {};
    return settingLabel(info, texts) + " " + std::to_string(entry);
}

}  // namespace rm
