// The CPU dialog's settings by name, on every CPU of the shipped catalog:
// what they read, what they change, and that they change it as the dialog's
// form model and its OK do.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "core/cpu/CpuForm.h"
#include "core/settings/ModuleSettings.h"
#include "support/TestSupport.h"

namespace rm {
namespace {

using nlohmann::json;
using Rows = std::array<RowEintrag, ProjectTable::kMaxRow + 1>;

using test::shippedCatalog;
using test::YesAsker;

std::vector<std::string> shippedCpus()
{
    std::vector<std::string> out;
    const ModuleCatalog& cat = shippedCatalog();
    for (int i = 1; i <= cat.count(); ++i)
        if (isSet(cat.at(i).IsCPU)) out.push_back(cat.at(i).BestellNr);
    return out;
}

// A new project with the CPU placed in row 1.
struct PlacedCpu {
    YesAsker asker;
    AppState app{asker};
    std::unique_ptr<ProjectTable> tp;

    explicit PlacedCpu(const std::string& order)
    {
        app.ModulKatalog = shippedCatalog();
        tp = std::make_unique<ProjectTable>(app);
        tp->setCurrentRow(1);
        EXPECT_TRUE(tp->DblClickInTree(app.ModulKatalog.indexOf(order))) << order;
        asker.shown.clear();
    }
    ProjectTable& table() { return *tp; }
    const RowEintrag& cpu() const { return tp->record(1); }
    const Rows& rows() const { return tp->RowArray(); }
};

// The CPU that offers the most tabs.
std::string fullestCpu()
{
    std::string best;
    std::size_t most = 0;
    for (const std::string& order : shippedCpus()) {
        PlacedCpu p(order);
        const std::size_t n = settingKeysOf(p.cpu()).size();
        if (n > most) most = n, best = order;
    }
    return best;
}

// What the dialog needs first before the key's control is in view.
json context(const std::string& key)
{
    json c = json::object();
    const std::set<std::string> mpi = {"webServer",   "indexDb",    "ramDiskSize", "dateFormat", "timeFormat",
                                       "webPassword", "connection", "port",        "baudRate",   "timings",
                                       "adt",         "cdt",        "modemType",   "timeOut"};
    if (mpi.count(key)) c["mpiMode"] = true;
    if (key == "indexDb" || key == "ramDiskSize" || key == "dateFormat" || key == "timeFormat" || key == "webPassword")
        c["webServer"] = true;
    if (key == "adt" || key == "cdt") c["timings"] = true;
    if (key == "modemType" || key == "timeOut") c["connection"] = "modem";
    if (key == "memorySize") c["memorySelected"] = true;
    return c;
}

// Values worth trying: every word, both booleans, every port, the ends and
// the middle of a range, texts the dialog takes and refuses.
std::vector<json> candidates(const SettingInfo& k, const json& now)
{
    if (k.type == "boolean") return {true, false};
    if (k.type == "choice") return {k.values.begin(), k.values.end()};
    if (k.key == "port") return {0, 1, 2, 3, 4, 5};
    if (k.type == "integer") return {k.min, k.max, (k.min + k.max) / 2, k.min + 1, k.max + 1, 38400};
    if (k.type == "text") return {"Pump 3", "line 1\nline 2", "", "it's", "DD-MM"};
    std::vector<json> out;
    for (const char* v : {"OB1", "a,b", "100$", ""}) {
        out.push_back(json(std::vector<json>(now.size(), v)));
        json one = now;
        one[1] = v;
        out.push_back(one);
    }
    return out;
}

// Every CPU has the family with the keys of its tabs. record -> settings ->
// applied to a fresh CPU -> the same record, for the values of every key on
// every CPU; a value refused names its key and changes nothing.
TEST(CpuSettings, EveryChoiceRoundTripsOnEveryCpu)
{
    const SettingsFamily& family = settingsFamilies().back();
    EXPECT_EQ(family.name, "cpu");
    std::set<std::string> taken, refusedKeys;
    for (const std::string& order : shippedCpus()) {
        SCOPED_TRACE(order);
        PlacedCpu base(order);
        const json loaded = settingsOf(base.table(), 1);
        // The family with the keys of the CPU's tabs, each of them read.
        ASSERT_EQ(settingsFamilyOf(base.cpu()), &family);
        const auto keys = settingKeysOf(base.cpu());
        for (const SettingInfo* k : keys) EXPECT_TRUE(loaded.contains(k->key)) << k->key;
        EXPECT_EQ(keys.size(), loaded.size());
        EXPECT_EQ(loaded.contains("maxBaudRateB2"), isSet(base.cpu().Cpu.SlotB2Avail));
        {
            PlacedCpu again(order), ok(order);
            const SettingsApplied same = applySettings(again.table(), 1, loaded);
            ASSERT_TRUE(same.ok) << same.message;
            ASSERT_TRUE(applySettings(ok.table(), 1, json::object()).ok);
            EXPECT_EQ(again.rows(), ok.rows());
            EXPECT_TRUE(settingsAgree(base.table(), 1, loaded).ok);
        }
        for (const SettingInfo* k : settingKeysOf(base.cpu())) {
            for (const json& v : candidates(*k, loaded[k->key])) {
                SCOPED_TRACE(k->key + " = " + v.dump());
                PlacedCpu one(order);
                const Rows before = one.rows();
                one.table().setCurrentRow(2);  // the user's selection, elsewhere
                json trial = context(k->key);
                for (auto it = trial.begin(); it != trial.end();)
                    it = loaded.contains(it.key()) ? std::next(it) : trial.erase(it);
                trial[k->key] = v;
                const SettingsApplied res = applySettings(one.table(), 1, trial);
                if (!res.ok) {
                    refusedKeys.insert(k->key);
                    EXPECT_NE(res.message.find("\"" + k->key + "\""), std::string::npos) << res.message;
                    if (k->type.find("text") == std::string::npos) {
                        EXPECT_NE(res.message.find("allowed"), std::string::npos) << res.message;
                    }
                    EXPECT_EQ(one.rows(), before);
                    EXPECT_EQ(one.table().currentRow(), 2);
                    EXPECT_EQ(one.app.CurrentModule, base.app.CurrentModule);
                    continue;
                }
                const json read = settingsOf(one.table(), 1);
                EXPECT_EQ(read[k->key], v);
                if (read[k->key] != loaded[k->key]) taken.insert(k->key);

                PlacedCpu other(order);
                const SettingsApplied copy = applySettings(other.table(), 1, read);
                ASSERT_TRUE(copy.ok) << copy.message << "\n" << read.dump();
                EXPECT_EQ(other.rows(), one.rows());
                EXPECT_TRUE(settingsAgree(one.table(), 1, read).ok);
                // OK again without changes keeps the record.
                ProjectTable kept = one.table();
                ASSERT_TRUE(applySettings(kept, 1, json::object()).ok);
                EXPECT_EQ(kept.RowArray(), one.rows());
            }
        }
    }
    for (const SettingInfo& k : family.keys) EXPECT_TRUE(taken.count(k.key)) << k.key << " never took a value";
    for (const char* k : {"port", "baudRate", "compilerPriority", "webPassword", "dateFormat", "memorySize", "adt"})
        EXPECT_TRUE(refusedKeys.count(k)) << k << " never refused a value";
}

// The dialog driven by hand: load, the clicks, check, store and the row
// written as OK writes it.
template <class Change>
Rows driveDialog(const std::string& order, Change&& change)
{
    PlacedCpu p(order);
    ProjectTable& t = p.table();
    AppState& app = p.app;
    const DialogKind kind = t.prepareDialog(1);
    CpuForm::prepareRecord(app.CurrentModule);
    CpuForm form;
    form.load(app.CurrentModule);
    change(form, app);
    EXPECT_FALSE(form.check(app.texts).has_value());
    form.store(app.CurrentModule);
    {
        const ReadingRows reading(t);
        EXPECT_TRUE(t.WriteRowEintrag(RecordFrom::CurrentModule));
    }
    t.finishDialog(1, kind);
    return p.rows();
}

Rows bySettings(const std::string& order, const json& settings)
{
    PlacedCpu p(order);
    const SettingsApplied res = applySettings(p.table(), 1, settings);
    EXPECT_TRUE(res.ok) << res.message;
    return p.rows();
}

// The same choices made by settings and by hand, on every CPU: the user
// reaches only the tabs the CPU offers.
TEST(CpuSettings, SettingsGiveWhatTheFormModelGives)
{
    const json all = {{"designation", "Main CPU"},
                      {"comment", "hall 2\nnorth"},
                      {"memorySelected", true},
                      {"memorySize", 1},
                      {"compilerPriority", {"OB1", "", "", "OB35", "", ""}},
                      {"webServer", true},
                      {"mpiMode", true},
                      {"indexDb", 12},
                      {"webPassword", {"a", "b", "", "d"}},
                      {"timeOut", 45},
                      {"connection", "modem"},
                      {"modemType", "N618"},
                      {"baudRate", 38400},
                      {"timings", true},
                      {"adt", 7},
                      {"maxBaudRateB1", 38400},
                      {"peripheryAccessDisabled", true}};
    for (const std::string& order : shippedCpus()) {
        SCOPED_TRACE(order);
        json settings = json::object();
        for (const SettingInfo* k : settingKeysOf(PlacedCpu(order).cpu()))
            if (all.contains(k->key)) settings[k->key] = all[k->key];
        EXPECT_EQ(bySettings(order, settings), driveDialog(order, [](CpuForm& f, AppState& app) {
                      f.txtBezeichnung = "Main CPU";
                      f.txtKommentar = "hall 2\r\nnorth";
                      if (f.memoryOffered()) {
                          f.clickMemorySelect(true);
                          f.MemorySize = "1";
                      }
                      f.CompilePriority[0] = "OB1";
                      f.CompilePriority[3] = "OB35";
                      if (f.comAvail) f.clickConfigMpi(true, app.asker, app.texts);
                      if (f.webAvail) {
                          f.clickOperatingWeb(true, app.asker, app.texts);
                          f.txtIndexDB = "12";
                          f.txtPassword = {"", "a", "b", "", "d"};
                      }
                      if (f.comAvail) {
                          f.clickCoomThrough(1);
                          f.Optionmodemtype = 1;
                          f.ComboBaudRate = "38400";
                          f.clickTiming(true);
                          f.txtADT = "7";
                          f.TextTimeOut[f.webTimeOutShown() ? 1 : 0] = "45";
                      }
                      if (f.slotBAvail) f.ComboMaxBaudRate[1] = "38400";
                      if (f.peripheryAvail) f.CheckPeripheryAccess = true;
                  }));
    }
    // RS-232 on another port.
    const std::string order = fullestCpu();
    EXPECT_EQ(bySettings(order, {{"mpiMode", true}, {"port", 3}}), driveDialog(order, [](CpuForm& f, AppState& app) {
                  f.clickConfigMpi(true, app.asker, app.texts);
                  f.ComboPortNumber = "3";
              }));
}

// OK writes the CPU row as reading a file does: its record's counts (the
// memory option lives there) are no addresses to search for, so the modules
// placed behind it keep theirs and nothing is asked.
TEST(CpuSettings, OkWritesTheCpuRowWithoutAnAddressSearch)
{
    for (const std::string& order : shippedCpus()) {
        SCOPED_TRACE(order);
        PlacedCpu p(order);
        ProjectTable& t = p.table();
        for (int r = 2, placed = 0; r <= t.lastRow() && placed < 3; ++r) {
            if (!t.rowEmpty(r)) continue;
            t.setCurrentRow(r);
            placed += t.DblClickInTree(p.app.ModulKatalog.indexOf("QMV2.D110")) ? 1 : 0;
        }
        Rows expected = p.rows();
        expected[1].Bezeichnung = "Main";
        p.asker.shown.clear();
        ASSERT_TRUE(applySettings(t, 1, {{"designation", "Main"}}).ok);
        EXPECT_TRUE(p.asker.shown.empty());
        Rows got = p.rows();
        got[1].Cpu.SlotBFast = expected[1].Cpu.SlotBFast;  // OK stores the function modules' rates always
        EXPECT_EQ(got, expected);
        EXPECT_FALSE(t.einlesenDatei());
        EXPECT_EQ(t.cell(1, 2), "Main");
    }
}

// MPI mode and the web server: the dialog's questions reach the table's asker.
TEST(CpuSettings, MpiModeAndTheWebServerAskAsTheDialogDoes)
{
    const std::string order = fullestCpu();
    PlacedCpu p(order);
    ASSERT_TRUE(applySettings(p.table(), 1, {{"webServer", true}, {"mpiMode", true}}).ok);
    EXPECT_TRUE(p.asker.shown.empty());

    // Switching MPI mode off asks first; Cancel keeps everything.
    p.asker.cancel = true;
    const Rows before = p.rows();
    SettingsApplied res = applySettings(p.table(), 1, {{"mpiMode", false}});
    EXPECT_FALSE(res.ok);
    EXPECT_NE(res.message.find("key \"mpiMode\""), std::string::npos) << res.message;
    EXPECT_NE(res.message.find("allowed"), std::string::npos) << res.message;
    ASSERT_EQ(p.asker.shown.size(), 1u);
    EXPECT_EQ(p.rows(), before);
    // OK takes the web server along.
    p.asker.cancel = false;
    ASSERT_TRUE(applySettings(p.table(), 1, {{"mpiMode", false}}).ok);
    EXPECT_EQ(p.cpu().Cpu.WebOn, kFalse);
    EXPECT_EQ(p.cpu().Cpu.MpiMode, kFalse);
    // Both off together: nothing to ask.
    ASSERT_TRUE(applySettings(p.table(), 1, {{"mpiMode", true}, {"webServer", true}}).ok);
    p.asker.shown.clear();
    ASSERT_TRUE(applySettings(p.table(), 1, {{"mpiMode", false}, {"webServer", false}}).ok);
    EXPECT_TRUE(p.asker.shown.empty());

    // The web server without MPI mode is refused, with the dialog's message.
    res = applySettings(p.table(), 1, {{"webServer", true}});
    EXPECT_FALSE(res.ok);
    EXPECT_NE(res.message.find("key \"webServer\""), std::string::npos) << res.message;
    EXPECT_EQ(p.asker.shown.size(), 1u);
    EXPECT_FALSE(applySettings(p.table(), 1, {{"webServer", true}, {"mpiMode", false}}).ok);
}

// A refused value names the key and what it takes, and leaves the table and
// the dialog's records as they were; so do settings that disagree with the
// record.
TEST(CpuSettings, RefusalsAndDisagreementsNameTheKey)
{
    const std::string order = fullestCpu();
    auto refused = [&](const json& settings, const std::vector<std::string>& words) {
        SCOPED_TRACE(settings.dump());
        PlacedCpu p(order);
        const Rows before = p.rows();
        p.app.CurrentModule.Bezeichnung = "kept";
        const SettingsApplied res = applySettings(p.table(), 1, settings);
        EXPECT_FALSE(res.ok);
        for (const auto& w : words) EXPECT_NE(res.message.find(w), std::string::npos) << res.message;
        EXPECT_EQ(p.rows(), before);
        EXPECT_EQ(p.app.CurrentModule.Bezeichnung, "kept");
        EXPECT_FALSE(settingsAgree(p.table(), 1, settings).ok);
    };
    refused({{"colour", "red"}}, {"unknown key \"colour\"", "designation, comment, memorySelected"});
    refused({{"designation", "two\nlines"}}, {"\"designation\"", "one line"});
    refused({{"memorySelected", true}, {"memorySize", 32767}}, {"\"memorySize\"", "allowed: a whole number from 1 to"});
    refused({{"memorySize", 1}}, {"\"memorySize\"", "with \"memorySelected\" true only", "the value it holds"});
    refused({{"mpiMode", true}, {"port", 7}}, {"\"port\"", "allowed: for this CPU and connection one of the ports"});
    refused({{"mpiMode", true}, {"baudRate", 1000}}, {"\"baudRate\"", "allowed: 300, 600"});
    refused({{"mpiMode", true}, {"adt", 5}}, {"\"adt\"", "\"timings\"", "the value it holds (0)"});
    refused({{"mpiMode", true}, {"timings", true}, {"cdt", -1}}, {"\"cdt\"", "from 0 to 32767"});
    refused({{"mpiMode", true}, {"timings", true}, {"cdt", 32768}}, {"\"cdt\"", "from 0 to 32767"});
    PlacedCpu top(order);  // the limit itself is taken
    EXPECT_TRUE(applySettings(top.table(), 1, {{"mpiMode", true}, {"timings", true}, {"cdt", 32767}}).ok);
    refused({{"mpiMode", true}, {"modemType", "N618"}}, {"\"modemType\"", "\"connection\" \"modem\""});
    refused({{"timeOut", 5}}, {"\"timeOut\"", "the value it holds (30)"});
    // The checks of OK, named by the key and the entry.
    refused({{"compilerPriority", {"OB1", "", "it's", "", "", ""}}}, {"key \"compilerPriority\", priority 3", "'"});
    refused({{"mpiMode", true}, {"webServer", true}, {"webPassword", {"", "a,b", "", ""}}},
            {"key \"webPassword\", level 2", "comma"});
    refused({{"mpiMode", true}, {"webServer", true}, {"dateFormat", std::string(240, 'D')}},
            {"key \"dateFormat\"", "239"});

    // Settings that disagree with the record are found and named.
    PlacedCpu p(order);
    ASSERT_TRUE(applySettings(p.table(), 1, {{"mpiMode", true}, {"connection", "modem"}, {"comment", "a\nb"}}).ok);
    json s = settingsOf(p.table(), 1);
    EXPECT_TRUE(settingsAgree(p.table(), 1, s).ok);
    s["port"] = 2;
    const SettingsApplied res = settingsAgree(p.table(), 1, s);
    EXPECT_FALSE(res.ok);
    EXPECT_NE(res.message.find("key \"port\""), std::string::npos) << res.message;
    EXPECT_FALSE(settingsAgree(p.table(), 1, {{"connection", "RS-232"}}).ok);
}

}  // namespace
}  // namespace rm
