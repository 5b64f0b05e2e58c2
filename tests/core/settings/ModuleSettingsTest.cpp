// Settings by name, on every module of the shipped catalog: what they read,
// what they change, and that they change it as the dialog's form model does.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "core/modules/AnalogInputForm.h"
#include "core/modules/CounterForm.h"
#include "core/modules/DigitalForm.h"
#include "core/modules/ModuleFrame.h"
#include "core/modules/ModuleOk.h"
#include "core/modules/TemperatureForm.h"
#include "core/settings/ModuleSettings.h"
#include "support/TestSupport.h"

namespace rm {
namespace {

using nlohmann::json;

using test::shippedCatalog;
using test::YesAsker;

// A project holding one CPU and the module, the module's row.
struct Placed {
    YesAsker asker;
    AppState app{asker};
    std::unique_ptr<ProjectTable> tp;
    int row = 0;
    ProjectTable& table() { return *tp; }

    explicit Placed(const std::string& order)
    {
        app.ModulKatalog = shippedCatalog();
        const ModuleCatalog& cat = app.ModulKatalog;
        for (int cpu = 1; cpu <= cat.count() && !row; ++cpu) {
            if (!isSet(cat.at(cpu).IsCPU)) continue;
            tp = std::make_unique<ProjectTable>(app);
            tp->setCurrentRow(1);
            if (!tp->DblClickInTree(cpu)) continue;
            for (int r = 2; r <= tp->lastRow() && !row; ++r) {
                if (!tp->rowEmpty(r)) continue;
                tp->setCurrentRow(r);
                if (tp->DblClickInTree(cat.indexOf(order))) row = r;
            }
        }
    }
    const RowEintrag& record() const { return tp->record(row); }
};

using Rows = std::array<RowEintrag, ProjectTable::kMaxRow + 1>;

std::vector<std::string> modulesWithDialogs()
{
    std::vector<std::string> out;
    const ModuleCatalog& cat = shippedCatalog();
    for (int i = 1; i <= cat.count(); ++i) {
        const RowEintrag& r = cat.at(i);
        if (settingsFamilyOf(r) && !isSet(r.IsCPU)) out.push_back(r.BestellNr);
    }
    return out;
}

// What the dialog asks before a control can be used: the range "custom"
// before its values, the SIMATIC format before its options, the SSI encoder
// before its details.
json context(const std::string& key, const json& loaded)
{
    json c = json::object();
    auto all = [&](const char* k, const char* word) {
        if (loaded.contains(k)) c[k] = json(std::vector<json>(loaded[k].size(), word));
    };
    if (key.rfind("channelCustom", 0) == 0) all("channelRange", "custom");
    if (key == "channel4to20mA") all("channelRange", "0...4095");
    if (key == "channelConnection") all("channelSensor", "Pt100");
    if (key == "inputFormat" || key == "outputUnipolar") c["valueFormat"] = "SIMATIC format";
    for (const char* axis : {"axisX", "axisY"})
        if (key.rfind(axis, 0) == 0 && key != std::string(axis) + "Type") c[std::string(axis) + "Type"] = "SSI encoder";
    return c;
}

// Values worth trying for a key: every word of a choice, both booleans, the
// ends and the middle of a range, a text; a list gets each for all channels
// and one changed channel.
std::vector<json> candidates(const SettingInfo& k, const json& now)
{
    std::vector<json> one;
    if (k.type.find("choice") != std::string::npos)
        for (const auto& w : k.values) one.push_back(w);
    if (k.type.find("boolean") != std::string::npos) one = {true, false};
    if (k.type.find("integer") != std::string::npos) one = {k.min, k.max, (k.min + k.max) / 2, k.min + 1};
    if (k.type == "text") return {"Pump 3", "line 1\nline 2", ""};
    if (k.type.rfind("list of ", 0) != 0) return one;
    std::vector<json> out;
    for (const json& v : one) {
        out.push_back(json(std::vector<json>(now.size(), v)));
        json changed = now;
        changed[now.size() > 2 ? 2 : 0] = v;
        out.push_back(changed);
    }
    return out;
}

// Every family is listed once with described keys. record -> settings ->
// applied to a fresh placement -> the same record, for every value of every
// key on every module; a value refused names its key.
TEST(ModuleSettings, EveryChoiceRoundTripsOnEveryModule)
{
    // Every family is listed once, with described keys.
    std::set<std::string> names;
    for (const SettingsFamily& f : settingsFamilies()) {
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
        std::set<std::string> keys;
        for (const SettingInfo& k : f.keys) {
            EXPECT_TRUE(keys.insert(k.key).second) << f.name << " " << k.key;
            EXPECT_FALSE(k.meaning.empty() || k.label.empty()) << k.key;
            EXPECT_EQ(k.type.find("choice") != std::string::npos, !k.values.empty()) << k.key;
        }
    }

    std::map<std::string, std::set<std::string>> taken;  // family -> keys that took a value
    int unstable = 0;
    for (const std::string& order : modulesWithDialogs()) {
        SCOPED_TRACE(order);
        Placed base(order);
        ASSERT_TRUE(base.row) << "could not be placed";
        const json loaded = settingsOf(base.table(), base.row);
        const SettingsFamily* family = settingsFamilyOf(base.record());
        ASSERT_TRUE(family);
        std::set<std::string> shown;
        for (const SettingInfo* k : settingKeysOf(base.record())) shown.insert(k->key);
        for (const auto& [key, value] : loaded.items()) EXPECT_TRUE(shown.count(key)) << key;
        EXPECT_EQ(shown.size(), loaded.size());

        // The loaded settings applied unchanged are what OK without changes gives.
        {
            Placed again(order), ok(order);
            const SettingsApplied same = applySettings(again.table(), again.row, loaded);
            ASSERT_TRUE(same.ok) << same.message;
            ASSERT_TRUE(applySettings(ok.table(), ok.row, json::object()).ok);
            EXPECT_EQ(again.table().RowArray(), ok.table().RowArray());
            EXPECT_TRUE(settingsAgree(base.table(), base.row, loaded).ok);
        }
        for (const SettingInfo* k : settingKeysOf(base.record())) {
            for (const json& v : candidates(*k, loaded[k->key])) {
                SCOPED_TRACE(k->key + " = " + v.dump());
                Placed one(order);
                const auto before = one.table().RowArray();
                one.table().setCurrentRow(1);  // the user's selection, elsewhere
                json trial = context(k->key, loaded);
                trial[k->key] = v;
                const SettingsApplied res = applySettings(one.table(), one.row, trial);
                if (!res.ok) {
                    EXPECT_NE(res.message.find("\"" + k->key + "\""), std::string::npos) << res.message;
                    if (k->type != "text") {
                        EXPECT_NE(res.message.find("allowed"), std::string::npos) << res.message;
                    }
                    EXPECT_EQ(one.table().RowArray(), before);
                    EXPECT_EQ(one.table().currentRow(), 1);
                    continue;
                }
                const json read = settingsOf(one.table(), one.row);
                // A custom range that equals a range of the list reads back as that range.
                if (k->key != "channelRange" && k->key.rfind("channelCustom", 0) != 0) {
                    EXPECT_EQ(read[k->key], v);
                }
                if (!(read[k->key] == loaded[k->key])) taken[family->name].insert(k->key);

                // A record that the dialog's own OK would change (a custom range
                // that reads as a range of the list) cannot come back unchanged.
                ProjectTable kept = one.table();
                ASSERT_TRUE(applySettings(kept, one.row, json::object()).ok);
                if (kept.RowArray() != one.table().RowArray()) {
                    ++unstable;
                    continue;
                }
                Placed other(order);
                const SettingsApplied copy = applySettings(other.table(), other.row, read);
                ASSERT_TRUE(copy.ok) << copy.message << "\n"
                                     << read.dump() << "\n"
                                     << settingsOf(other.table(), other.row).dump();
                EXPECT_EQ(other.table().RowArray(), one.table().RowArray());
                EXPECT_TRUE(settingsAgree(one.table(), one.row, read).ok);
            }
        }
    }
    EXPECT_LT(unstable, 40);
    // Every key of every module family changed something at least once.
    for (const SettingsFamily& f : settingsFamilies()) {
        if (f.name == "cpu") continue;
        for (const SettingInfo& k : f.keys)
            EXPECT_TRUE(taken[f.name].count(k.key)) << f.name << ": " << k.key << " never took a value";
    }
}

// What the dialog does with its form model, pressing OK as the frame does.
template <class Form, class Change>
Rows driveDialog(const std::string& order, Change&& change, AddressBoxes boxes)
{
    Placed p(order);
    p.table().prepareDialog(p.row);
    AppState& app = p.app;
    FrameForm frame;
    frame.load(app.CurrentModule, app.CurrentStationText, app.CurrentSlotText, boxes);
    Form form;
    form.load(app.CurrentModule);
    change(form, frame);
    app.SavedModule = app.CurrentModule;
    frame.storeTexts(app.CurrentModule);
    const auto entered = frame.entered(app.texts, nullptr);
    EXPECT_TRUE(entered);
    EXPECT_EQ(runModuleOk(p.table(), *entered, [&](RowEintrag& r) { form.store(r); }), ModuleOkResult::Written);
    p.table().finishDialog(p.row, dialogFor(app.CurrentModule));
    return p.table().RowArray();
}

Rows bySettings(const std::string& order, const json& settings)
{
    Placed p(order);
    const SettingsApplied res = applySettings(p.table(), p.row, settings);
    EXPECT_TRUE(res.ok) << res.message;
    return p.table().RowArray();
}

TEST(ModuleSettings, SettingsGiveWhatTheFormModelGives)
{
    EXPECT_EQ(bySettings("QMV2.G320", {{"channelDirection",
                                        {"input", "input", "output", "input", "output", "output", "output", "output"}},
                                       {"designation", "Valves"}}),
              driveDialog<DigitalCombinedForm>(
                  "QMV2.G320",
                  [](DigitalCombinedForm& f, FrameForm& frame) {
                      f.rbMask[2] = f.rbMask[4] = f.rbMask[5] = true;
                      frame.txtBezeichnung = "Valves";
                  },
                  AddressBoxes::Both));
    // The step of 4 doubles the input bytes: the address search sees the new count.
    EXPECT_EQ(bySettings("QMV2.E110", {{"addressStepOf4Bytes", true}, {"valueFormat", "SIMATIC unipolar"}}),
              driveDialog<AnalogInputForm>(
                  "QMV2.E110",
                  [](AnalogInputForm& f, FrameForm&) {
                      f.stepOf4 = true;
                      f.rbFormat = 2;
                  },
                  AddressBoxes::Inputs));
    EXPECT_EQ(
        bySettings("QMV3.E302", {{"channelRange",
                                  {"0...4095", "0...20'000", "custom", "0...4095", "0...4095", "0...4095", "0...4095"}},
                                 {"channel4to20mA", std::vector<bool>(7, true)},
                                 {"channelCustomMin", {0, 0, -5, 0, 0, 0, 0}},
                                 {"channelCustomMax", {20000, 20000, 500, 20000, 20000, 20000, 20000}},
                                 {"filter", true}}),
        driveDialog<AnalogInputForm>(
            "QMV3.E302",
            [](AnalogInputForm& f, FrameForm&) {
                f.Combo2 = {0, 1, 2, 0, 0, 0, 0};
                f.chk_4to20mA[0] = true;
                f.UserMin[2] = -5;
                f.UserMax[2] = 500;
                f.Check3[2] = true;
            },
            AddressBoxes::Inputs));
    EXPECT_EQ(bySettings("QMV2.E325", {{"channelSensor", {"K (NiCr-Ni)", "Pt100", "not used", "Ni1000"}},
                                       {"channelConnection", {"internal", "3 wire", "-", "2 wire"}},
                                       {"unit", "1/10 °F"}}),
              driveDialog<TemperatureForm>(
                  "QMV2.E325",
                  [](TemperatureForm& f, FrameForm&) {
                      f.selectSensor(0, 6);
                      f.selectSensor(1, 0);
                      f.selectSensor(2, 9);
                      f.selectSensor(3, 3);
                      f.channel[1].connection = 1;
                      f.unit = 1;
                  },
                  AddressBoxes::Both));
    EXPECT_EQ(bySettings("QMV2.K202", {{"measurement", "period"}, {"countingMode", "x3"}, {"gateInput", "ResetC"}}),
              driveDialog<CounterForm>(
                  "QMV2.K202",
                  [](CounterForm& f, FrameForm&) {
                      f.setMeasurement(CounterForm::Period);
                      f.countMode = 2;
                      f.gateInput = 1;
                  },
                  AddressBoxes::Both));
}

// A refused value names the key and what it takes, and changes nothing;
// settings that disagree with the record are named by their key.
TEST(ModuleSettings, RefusalsAndDisagreementsNameTheKey)
{
    // An analog output takes the value formats its dialog offers, and no other.
    for (const auto& [order, offered] : {std::pair{"QMV2.E210", "101"}, std::pair{"QMV3.E220", "111"}}) {
        int k = 0;
        for (const char* format : {"NURA", "SIMATIC bipolar", "SIMATIC unipolar"}) {
            Placed p(order);
            EXPECT_EQ(applySettings(p.table(), p.row, {{"valueFormat", format}}).ok, offered[k++] == '1')
                << order << " " << format;
        }
    }
    auto refused = [](const std::string& order, const json& settings, const std::vector<std::string>& words) {
        SCOPED_TRACE(order + " " + settings.dump());
        Placed p(order);
        const auto before = p.table().RowArray();
        const SettingsApplied res = applySettings(p.table(), p.row, settings);
        EXPECT_FALSE(res.ok);
        for (const auto& w : words) EXPECT_NE(res.message.find(w), std::string::npos) << res.message;
        EXPECT_EQ(p.table().RowArray(), before);
        EXPECT_FALSE(settingsAgree(p.table(), p.row, settings).ok);
    };
    refused("QMV2.G320", {{"colour", "red"}}, {"unknown key \"colour\"", "designation, comment, channelDirection"});
    refused("QMV2.G320",
            {{"channelDirection", {"output", "input", "input", "input", "input", "input", "output", "output"}}},
            {"\"channelDirection\", channel 1", "always an input", "allowed: \"input\""});
    refused("QMV2.G320", {{"channelDirection", {"input"}}}, {"a list of 8 entries"});
    refused("QMV2.G110", {{"designation", "two\nlines"}}, {"\"designation\"", "one line"});
    refused("QMV3.E301", {{"addressStepOf4Bytes", true}}, {"unknown key \"addressStepOf4Bytes\""});
    refused("QMV3.E301", {{"channelRange", std::vector<std::string>(7, "0...20'000")}},
            {"\"channelRange\", channel 1", "allowed: \"0...4095\", \"0...10'000\", \"custom\""});
    refused("QMV3.E302",
            {{"channel4to20mA", {true, false, true, true, true, true, true}},
             {"channelRange", {"0...4095", "custom", "0...4095", "0...4095", "0...4095", "0...4095", "0...4095"}}},
            {"\"channel4to20mA\", channel 2", "0...4095"});
    refused("QMV3.E301", {{"channelCustomMin", {1, 0, 0, 0, 0, 0, 0}}},
            {"\"channelCustomMin\", channel 1", "\"custom\""});
    refused("QMV3.E301",
            {{"channelRange", {"custom", "0...4095", "0...4095", "0...4095", "0...4095", "0...4095", "0...4095"}},
             {"channelCustomMin", {9, 0, 0, 0, 0, 0, 0}},
             {"channelCustomMax", {8, 0, 0, 0, 0, 0, 0}}},
            {"\"channelCustomMin\", channel 1", "above the maximum"});
    refused("QMV3.E312", {{"channelCustomReset", {40000, 0, 0, 0}}}, {"from -32768 to 32767"});
    // A custom range reaches to the ends of an INT and not one past them.
    auto limits = [](int low, int high) {
        json s = {{"channelRange", std::vector<std::string>(7, "0...10'000")},
                  {"channelCustomMin", std::vector<int>(7, 0)},
                  {"channelCustomMax", std::vector<int>(7, 10000)}};
        s["channelRange"][0] = "custom";
        s["channelCustomMin"][0] = low;
        s["channelCustomMax"][0] = high;
        return s;
    };
    for (const auto& [low, high] : {std::pair{-32768, -32768}, std::pair{-32768, 32767}}) {
        Placed p("QMV3.E301");
        EXPECT_TRUE(applySettings(p.table(), p.row, limits(low, high)).ok) << low << ".." << high;
    }
    refused("QMV3.E301", limits(-32768, 32768), {"\"channelCustomMax\", channel 1", "from -32768 to 32767"});
    refused("QMV3.E301", limits(-32768, -32769), {"\"channelCustomMax\", channel 1", "from -32768 to 32767"});
    refused("QMV3.E301", limits(-32769, 0), {"\"channelCustomMin\", channel 1", "from -32768 to 32767"});
    // An output's own range checked as its dialog checks it.
    refused("QMV3.E312",
            {{"channelRange", {"custom", "0...20'000", "0...20'000", "0...20'000"}},
             {"channelCustomMin", {9, 0, 0, 0}},
             {"channelCustomMax", {8, 0, 0, 0}}},
            {"\"channelCustomMin\", channel 1", "above the maximum"});
    refused("QMV2.E110", {{"valueFormat", "SIMATIC pt100"}}, {"allowed: \"NURA\""});
    refused("QMV2.E325",
            {{"channelSensor", {"Pt100", "Pt100", "Pt100", "Pt100"}},
             {"channelConnection", {"2 wire", "internal", "2 wire", "2 wire"}}},
            {"\"channelConnection\", channel 2", "does not go with the sensor \"Pt100\"",
             "allowed: \"2 wire\", \"3 wire\", \"4 wire\""});
    refused("QMV2.E325",
            {{"channelSensor", {"R600 Ohm", "K (NiCr-Ni)", "Pt100", "Pt100"}},
             {"channelConnection", {"2 wire", "external", "2 wire", "2 wire"}}},
            {"\"channelConnection\"", "External compensation"});
    refused("QMV2.K202", {{"measurement", "period"}, {"measurementInvertA", true}},
            {"\"measurementInvertA\"", "\"impulse\" only"});
    refused("QMV2.K205", {{"dataBits", 32}}, {"\"dataBits\"", "from 1 to 31"});
    refused("QMV2.K205", {{"clockFrequency", 100}}, {"\"clockFrequency\"", "\"100 kHz\", \"200 kHz\""});
    refused("QMV3.K240", {{"axisXType", "incremental encoder"}, {"axisXDataBits", 9}},
            {"\"axisXDataBits\"", "SSI encoder"});
    refused("QMV2.G510", {{"channelDirection", "output"}}, {"channelDirection"});

    // Settings that disagree with the record are found and named.
    Placed p("QMV3.E304");
    json s = settingsOf(p.table(), p.row);
    EXPECT_TRUE(settingsAgree(p.table(), p.row, s).ok);
    EXPECT_TRUE(settingsAgree(p.table(), p.row, json::object()).ok);
    s["channelFormat"][3] = "Simatic NI 1000";
    const SettingsApplied res = settingsAgree(p.table(), p.row, s);
    EXPECT_FALSE(res.ok);
    EXPECT_NE(res.message.find("key \"channelFormat\""), std::string::npos) << res.message;
    Placed empty("QMV2.G110");
    EXPECT_FALSE(settingsAgree(empty.table(), 3, {{"designation", "x"}}).ok || !empty.table().rowEmpty(3));
}

}  // namespace
}  // namespace rm
