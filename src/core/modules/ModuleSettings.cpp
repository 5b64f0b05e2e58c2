#include "core/modules/ModuleSettings.h"

#include <functional>
#include <memory>

#include "core/modules/DigitalForm.h"
#include "core/modules/ModuleFrame.h"
#include "core/modules/ModuleOk.h"
#include "core/project/ProjectJson.h"

namespace rm {

namespace {

using json = nlohmann::json;

// ------------------------------------------------------------ key builders

SettingInfo choiceKey(std::string key, std::vector<std::string> values, std::string label, std::string meaning)
{
    return {std::move(key), "choice", std::move(values), 0, 0, std::move(label), std::move(meaning)};
}

[[maybe_unused]] SettingInfo integerKey(std::string key, long long min, long long max, std::string label,
                                        std::string meaning)
{
    return {std::move(key), "integer", {}, min, max, std::move(label), std::move(meaning)};
}

[[maybe_unused]] SettingInfo booleanKey(std::string key, std::string label, std::string meaning)
{
    return {std::move(key), "boolean", {}, 0, 0, std::move(label), std::move(meaning)};
}

SettingInfo textKey(std::string key, std::string label, std::string meaning)
{
    return {std::move(key), "text", {}, 0, 0, std::move(label), std::move(meaning)};
}

// One entry per channel, channel 1 first.
SettingInfo perChannel(SettingInfo entry)
{
    entry.type = "list of " + entry.type;
    return entry;
}

// The texts of the General page every module dialog shares.
std::vector<SettingInfo> frameKeys()
{
    return {
        textKey("designation", "designation", "The module's description on the General page (one line)."),
        textKey("comment", "comment", "The module's comment on the General page; lines are separated by \"\\n\"."),
    };
}

std::vector<SettingInfo> withFrame(std::vector<SettingInfo> own)
{
    std::vector<SettingInfo> all = frameKeys();
    all.insert(all.end(), own.begin(), own.end());
    return all;
}

// ------------------------------------------------------------ values

std::string quoted(const std::string& s)
{
    return "\"" + s + "\"";
}

std::string allowedWords(const std::vector<std::string>& values)
{
    std::string out;
    for (const auto& v : values) out += (out.empty() ? "" : ", ") + quoted(v);
    return out;
}

// "key \"range\"" or "key \"range\", channel 2".
std::string where(const SettingInfo& info, int entry)
{
    std::string w = "key " + quoted(info.key);
    if (entry >= 0) w += ", channel " + std::to_string(entry + 1);
    return w;
}

// The refusals of one value, naming the key and what it takes.
struct ValueError {
    std::string message;
};

int readChoice(const SettingInfo& info, const json& v, int entry = -1)
{
    if (v.is_string()) {
        const std::string& s = v.get_ref<const std::string&>();
        for (std::size_t i = 0; i < info.values.size(); ++i)
            if (info.values[i] == s) return static_cast<int>(i);
    }
    throw ValueError{where(info, entry) + ": " + (v.is_string() ? quoted(v.get<std::string>()) : v.dump()) +
                     " is not allowed; allowed: " + allowedWords(info.values)};
}

[[maybe_unused]] bool readBoolean(const SettingInfo& info, const json& v, int entry = -1)
{
    if (!v.is_boolean())
        throw ValueError{where(info, entry) + ": " + v.dump() + " is not allowed; allowed: true, false"};
    return v.get<bool>();
}

[[maybe_unused]] long long readInteger(const SettingInfo& info, const json& v, int entry = -1)
{
    if (!v.is_number_integer() || v.get<long long>() < info.min || v.get<long long>() > info.max)
        throw ValueError{where(info, entry) + ": " + v.dump() + " is not allowed; allowed: a whole number from " +
                         std::to_string(info.min) + " to " + std::to_string(info.max)};
    return v.get<long long>();
}

std::string readText(const SettingInfo& info, const json& v)
{
    if (!v.is_string()) throw ValueError{where(info, -1) + ": " + v.dump() + " is not allowed; allowed: a text"};
    return v.get<std::string>();
}

// A per-channel list: a JSON array of exactly `count` entries.
const json& readList(const SettingInfo& info, const json& v, std::size_t count)
{
    if (!v.is_array() || v.size() != count)
        throw ValueError{where(info, -1) + ": " +
                         (v.is_array() ? std::to_string(v.size()) + " entries are" : v.dump() + " is") +
                         " not allowed; allowed: a list of " + std::to_string(count) + " entries, channel 1 first"};
    return v;
}

// ------------------------------------------------------------ editors

// One family's form model during one opening of its dialog.
class Editor {
public:
    virtual ~Editor() = default;
    // The dialog shows the key for this record.
    virtual bool shows(const std::string&) const { return true; }
    virtual json get(const std::string& key) const = 0;
    // Throws ValueError when the value is not one the control takes.
    virtual void set(const SettingInfo& info, const json& value) = 0;
    // The family's checks of OK, after the frame's: a refusal naming the key, or nothing.
    virtual std::string validate() const { return {}; }
    // storeParameters of the dialog.
    virtual void store(RowEintrag&) const {}
};

// A dialog of the frame only.
class FrameOnly : public Editor {
public:
    json get(const std::string&) const override { return nullptr; }
    void set(const SettingInfo&, const json&) override {}
};

class DigitalCombinedEditor : public Editor {
public:
    explicit DigitalCombinedEditor(const RowEintrag& r) { form_.load(r); }
    json get(const std::string&) const override
    {
        json list = json::array();
        for (bool out : form_.rbMask) list.push_back(out ? "output" : "input");
        return list;
    }
    void set(const SettingInfo& info, const json& v) override
    {
        const json& list = readList(info, v, DigitalCombinedForm::kChannels);
        for (int i = 0; i < DigitalCombinedForm::kChannels; ++i) {
            const bool out = readChoice(info, list[static_cast<std::size_t>(i)], i) == 1;
            auto& box = form_.rbMask[static_cast<std::size_t>(i)];
            if (!DigitalCombinedForm::userSettable(i) && out != box)
                throw ValueError{where(info, i) + ": this channel is always an " + (box ? "output" : "input") +
                                 "; allowed: " + quoted(box ? "output" : "input")};
            box = out;
        }
    }
    void store(RowEintrag& r) const override { form_.store(r); }

private:
    DigitalCombinedForm form_;
};

// ------------------------------------------------------------ families

struct EditorContext {
    const Texts& texts;
    const RowEintrag& record;
    const RowEintrag& next;  // the following row (the second axis of a two-axis encoder)
};

struct FamilyDef {
    DialogKind kind;
    SettingsFamily family;
    std::function<std::unique_ptr<Editor>(const EditorContext&)> make;
    // The start-address boxes the dialog shows.
    std::function<AddressBoxes(const RowEintrag&)> boxes;
};

[[maybe_unused]] AddressBoxes byFlags(const RowEintrag& r)
{
    return addressBoxesFor(r);
}

const std::vector<FamilyDef>& definitions()
{
    static const std::vector<FamilyDef> defs = [] {
        std::vector<FamilyDef> d;
        auto frameOnly = [](const EditorContext&) -> std::unique_ptr<Editor> { return std::make_unique<FrameOnly>(); };
        d.push_back({DialogKind::DigitalInput, {"digital input", frameKeys()}, frameOnly, [](const RowEintrag&) {
                         return AddressBoxes::Inputs;
                     }});
        d.push_back({DialogKind::DigitalOutput, {"digital output", frameKeys()}, frameOnly, [](const RowEintrag&) {
                         return AddressBoxes::Outputs;
                     }});
        d.push_back(
            {DialogKind::DigitalCombined,
             {"digital combined",
              withFrame({perChannel(choiceKey("channelDirection", {"input", "output"}, "direction",
                                              "Whether a channel is an input or an output; entry 1 is bit 0. "
                                              "Bits 0 and 1 are always inputs, bits 6 and 7 always outputs."))})},
             [](const EditorContext& c) -> std::unique_ptr<Editor> {
                 return std::make_unique<DigitalCombinedEditor>(c.record);
             },
             [](const RowEintrag&) { return AddressBoxes::Both; }});
        return d;
    }();
    return defs;
}

const FamilyDef* definitionOf(const RowEintrag& r)
{
    const DialogKind k = dialogFor(r);
    for (const FamilyDef& d : definitions())
        if (d.kind == k) return &d;
    return nullptr;
}

bool isFrameKey(const std::string& key)
{
    return key == "designation" || key == "comment";
}

const SettingInfo* keyOf(const SettingsFamily& f, const std::string& key)
{
    for (const SettingInfo& k : f.keys)
        if (k.key == key) return &k;
    return nullptr;
}

std::string keyList(const FamilyDef& def, const Editor& editor)
{
    std::string out;
    for (const SettingInfo& k : def.family.keys)
        if (isFrameKey(k.key) || editor.shows(k.key)) out += (out.empty() ? "" : ", ") + k.key;
    return out;
}

// One opening of a module dialog: its frame and family form, loaded from a record.
struct Opened {
    const FamilyDef& def;
    FrameForm frame;
    std::unique_ptr<Editor> editor;

    Opened(const FamilyDef& d, const Texts& texts, const RowEintrag& record, const RowEintrag& next,
           const std::string& station = {}, const std::string& slot = {})
        : def(d), editor(d.make({texts, record, next}))
    {
        frame.load(record, station, slot, d.boxes(record));
    }

    json get(const std::string& key) const
    {
        if (key == "designation") return frame.txtBezeichnung;
        if (key == "comment") return frame.txtKommentar;
        return editor->get(key);
    }

    json all() const
    {
        json out = json::object();
        for (const SettingInfo& k : def.family.keys)
            if (isFrameKey(k.key) || editor->shows(k.key)) out[k.key] = get(k.key);
        return out;
    }

    // Every key set as the user would set its control; the message of the
    // first refusal, or empty.
    std::string set(const json& settings)
    {
        if (!settings.is_object()) return "the settings must be a JSON object";
        try {
            for (const auto& [key, value] : settings.items()) {
                const SettingInfo* info = keyOf(def.family, key);
                if (!info || (!isFrameKey(key) && !editor->shows(key)))
                    return "unknown key " + quoted(key) + "; keys of this " + def.family.name +
                           " module: " + keyList(def, *editor);
                if (isFrameKey(key)) {
                    const std::string text = readText(*info, value);
                    if (auto why = textRefusal(key == "comment" ? "Kommentar" : "Bezeichnung", text); !why.empty())
                        throw ValueError{where(*info, -1) + ": the text " + why};
                    (key == "comment" ? frame.txtKommentar : frame.txtBezeichnung) = text;
                } else {
                    editor->set(*info, value);
                }
            }
        } catch (const ValueError& e) {
            return e.message;
        }
        return editor->validate();
    }

    // OK without the address sequence: the texts and the family's parameters into a copy.
    RowEintrag stored(const RowEintrag& record) const
    {
        RowEintrag r = record;
        frame.storeTexts(r);
        editor->store(r);
        return r;
    }
};

SettingsApplied refused(std::string message)
{
    return {false, std::move(message)};
}

const RowEintrag& nextRecord(const ProjectTable& table, int row)
{
    static const RowEintrag none;
    return row < ProjectTable::kMaxRow ? table.record(row + 1) : none;
}

}  // namespace

const std::vector<SettingsFamily>& settingsFamilies()
{
    static const std::vector<SettingsFamily> all = [] {
        std::vector<SettingsFamily> out;
        for (const FamilyDef& d : definitions()) out.push_back(d.family);
        return out;
    }();
    return all;
}

const SettingsFamily* settingsFamilyOf(const RowEintrag& record)
{
    const FamilyDef* d = definitionOf(record);
    if (!d) return nullptr;
    for (const SettingsFamily& f : settingsFamilies())
        if (f.name == d->family.name) return &f;
    return nullptr;
}

std::vector<const SettingInfo*> settingKeysOf(const RowEintrag& record)
{
    std::vector<const SettingInfo*> out;
    const FamilyDef* d = definitionOf(record);
    const SettingsFamily* f = settingsFamilyOf(record);
    if (!d || !f) return out;
    const Texts english(kEnglishBase);
    const Opened o(*d, english, record, RowEintrag{});
    for (const SettingInfo& k : f->keys)
        if (isFrameKey(k.key) || o.editor->shows(k.key)) out.push_back(&k);
    return out;
}

json settingsOf(const ProjectTable& table, int row)
{
    if (row < 1 || row > table.lastRow()) return json::object();
    const RowEintrag& r = table.record(row);
    const FamilyDef* d = definitionOf(r);
    if (!d || table.rowEmpty(row)) return json::object();
    return Opened(*d, table.app().texts, r, nextRecord(table, row)).all();
}

SettingsApplied settingsAgree(const ProjectTable& table, int row, const json& settings)
{
    if (!settings.is_object()) return refused("the settings must be a JSON object");
    if (row < 1 || row > table.lastRow()) return refused("the project has no row " + std::to_string(row));
    const RowEintrag& r = table.record(row);
    const FamilyDef* d = definitionOf(r);
    if (!d || table.rowEmpty(row)) {
        if (settings.empty()) return {};
        return refused("this row has no parameter dialog and takes no settings");
    }
    const RowEintrag& next = nextRecord(table, row);
    const Texts& texts = table.app().texts;
    const Opened unchanged(*d, texts, r, next);
    Opened changed(*d, texts, r, next);
    if (auto why = changed.set(settings); !why.empty()) return refused(why);
    for (const auto& [key, value] : settings.items()) {
        const json held = unchanged.get(key);
        if (value != held)
            return refused("key " + quoted(key) + ": the settings say " + value.dump() + ", the record holds " +
                           held.dump());
    }
    if (changed.stored(r) != unchanged.stored(r)) return refused("the settings do not give the record's fields");
    return {};
}

SettingsApplied applySettings(ProjectTable& table, int row, const json& settings)
{
    if (!settings.is_object()) return refused("the settings must be a JSON object");
    if (row < 1 || row > table.lastRow()) return refused("the project has no row " + std::to_string(row));
    const FamilyDef* d = definitionOf(table.record(row));
    if (!d || table.rowEmpty(row)) {
        if (settings.empty()) return {};
        return refused("this row has no parameter dialog and takes no settings");
    }
    AppState& app = table.app();
    const ProjectTable::Snapshot before = table.snapshot();
    const RowEintrag current = app.CurrentModule, saved = app.SavedModule, next = app.NextModule;
    auto giveBack = [&] {
        table.restore(before);
        app.CurrentModule = current;
        app.SavedModule = saved;
        app.NextModule = next;
    };

    const DialogKind kind = table.prepareDialog(row);
    Opened dialog(*d, app.texts, app.CurrentModule, app.NextModule, app.CurrentStationText, app.CurrentSlotText);
    if (auto why = dialog.set(settings); !why.empty()) {
        giveBack();
        return refused(why);
    }
    std::string message;
    const auto entered = dialog.frame.entered(app.texts, &message);
    if (!entered) {
        giveBack();
        return refused(message);
    }
    app.SavedModule = app.CurrentModule;
    dialog.frame.storeTexts(app.CurrentModule);
    const ModuleOkResult result = runModuleOk(table, *entered, [&](RowEintrag& r) { dialog.editor->store(r); });
    if (result != ModuleOkResult::Written) {
        giveBack();
        return refused(
            result == ModuleOkResult::LimitRefused
                ? "the module's addresses would reach past the address limit"
                : "the module's start address would have to move to the next free one, and that was declined");
    }
    table.finishDialog(row, kind);
    return {};
}

}  // namespace rm
