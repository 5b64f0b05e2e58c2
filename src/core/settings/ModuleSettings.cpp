#include "core/settings/ModuleSettings.h"
#include "core/base/TextIds.h"

#include <functional>
#include <memory>

#include "core/modules/AnalogInputForm.h"
#include "core/modules/AnalogOutputForm.h"
#include "core/modules/CounterForm.h"
#include "core/modules/DigitalForm.h"
#include "core/modules/EncoderForm.h"
#include "core/modules/ModuleFrame.h"
#include "core/modules/ModuleOk.h"
#include "core/modules/TemperatureForm.h"
#include "core/modules/UserRangeForm.h"
#include "core/settings/CpuSettings.h"
#include "core/table/ProjectJson.h"

namespace rm {

namespace {

using json = nlohmann::json;

// ------------------------------------------------------------ key builders

// The label's English words come from its text, with the axis where it has one.
SettingInfo makeKey(std::string key, std::string type, std::vector<std::string> values, long long min, long long max,
                    OwnText label, std::string meaning, std::string labelArg = {})
{
    std::string english = ownText(Texts(kEnglishBase), label, {labelArg});
    return {std::move(key),     std::move(type), std::move(values),  min, max, std::move(english),
            std::move(meaning), label,           std::move(labelArg)};
}

SettingInfo choiceKey(std::string key, std::vector<std::string> values, OwnText label, std::string meaning,
                      std::string labelArg = {})
{
    return makeKey(std::move(key), "choice", std::move(values), 0, 0, label, std::move(meaning), std::move(labelArg));
}

SettingInfo integerKey(std::string key, long long min, long long max, OwnText label, std::string meaning,
                       std::string labelArg = {})
{
    return makeKey(std::move(key), "integer", {}, min, max, label, std::move(meaning), std::move(labelArg));
}

SettingInfo booleanKey(std::string key, OwnText label, std::string meaning)
{
    return makeKey(std::move(key), "boolean", {}, 0, 0, label, std::move(meaning));
}

SettingInfo textKey(std::string key, OwnText label, std::string meaning)
{
    return makeKey(std::move(key), "text", {}, 0, 0, label, std::move(meaning));
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
        textKey("designation", OwnText::SetDesignation, "The module's description on the General page (one line)."),
        textKey("comment", OwnText::SetComment,
                "The module's comment on the General page; lines are separated by \"\\n\"."),
    };
}

std::vector<SettingInfo> withFrame(std::vector<SettingInfo> own)
{
    std::vector<SettingInfo> all = frameKeys();
    all.insert(all.end(), own.begin(), own.end());
    return all;
}

// ------------------------------------------------------------ values

std::string quote(const std::string& s)
{
    return "\"" + s + "\"";
}

std::string allowedWords(const std::vector<std::string>& values)
{
    std::string out;
    for (const auto& v : values) out += (out.empty() ? "" : ", ") + quote(v);
    return out;
}

// "key \"range\"" or "key \"range\", channel 2".
std::string where(const SettingInfo& info, int entry)
{
    std::string w = "key " + quote(info.key);
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
    throw ValueError{where(info, entry) + ": " + (v.is_string() ? quote(v.get<std::string>()) : v.dump()) +
                     " is not allowed; allowed: " + allowedWords(info.values)};
}

bool readBoolean(const SettingInfo& info, const json& v, int entry = -1)
{
    if (!v.is_boolean())
        throw ValueError{where(info, entry) + ": " + v.dump() + " is not allowed; allowed: true, false"};
    return v.get<bool>();
}

long long readInteger(const SettingInfo& info, const json& v, int entry = -1)
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
// A form model as its dialog opens on a record.
template <class Form>
Form loadedForm(const RowEintrag& r)
{
    Form f;
    f.load(r);
    return f;
}

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
    // storeParameters of the dialog; `next` is the row after the module.
    virtual void store(RowEintrag&, RowEintrag&) const {}
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
                                 "; allowed: " + quote(box ? "output" : "input")};
            box = out;
        }
    }
    void store(RowEintrag& r, RowEintrag&) const override { form_.store(r); }

private:
    DigitalCombinedForm form_;
};

// A choice whose control is disabled or hidden: only the value it holds is taken.
void mustKeep(const SettingInfo& info, int entry, bool same, const std::string& why)
{
    if (!same) throw ValueError{where(info, entry) + ": " + why + "; allowed: the value it holds"};
}

// The words of a choice that a record offers: every word but the ones the
// control does not take (disabled buttons), the word it holds always.
int readOffered(const SettingInfo& info, const json& v, int current, const std::function<bool(int)>& offered,
                int entry = -1)
{
    const int k = readChoice(info, v, entry);
    if (k == current || offered(k)) return k;
    std::vector<std::string> allowed;
    for (int i = 0; i < static_cast<int>(info.values.size()); ++i)
        if (i == current || offered(i)) allowed.push_back(info.values[static_cast<std::size_t>(i)]);
    throw ValueError{where(info, entry) + ": " + quote(info.values[static_cast<std::size_t>(k)]) +
                     " is not offered by this module; allowed: " + allowedWords(allowed)};
}

json booleans(const bool* first, std::size_t count)
{
    json list = json::array();
    for (std::size_t i = 0; i < count; ++i) list.push_back(first[i]);
    return list;
}

// The custom range of a channel as the user range dialog takes it: every
// value a 16-bit number and the minimum not above the maximum. Only a
// channel whose range is the custom one has the dialog's button.
struct CustomRange {
    int16_t* min;
    int16_t* max;
    int16_t* reset;  // nullptr: an input channel
};
// `stored` holds what OK writes for the channel: where the range is not the
// custom one, its values may also be given as the range stands for them.
void checkCustomRange(const Texts& texts, int channel, bool customShown, const CustomRange& now,
                      const CustomRange& loaded, const KanalWert& stored)
{
    const bool changed =
        *now.min != *loaded.min || *now.max != *loaded.max || (now.reset && *now.reset != *loaded.reset);
    if (!changed) return;
    const bool asStored =
        *now.min == stored.MinVaCh && *now.max == stored.MaxVaCh && (!now.reset || *now.reset == stored.ResVaCh);
    if (!customShown && asStored) return;
    const char* key = *now.min != *loaded.min   ? "channelCustomMin"
                      : *now.max != *loaded.max ? "channelCustomMax"
                                                : "channelCustomReset";
    if (!customShown)
        throw ValueError{"key " + quote(key) + ", channel " + std::to_string(channel + 1) +
                         ": the custom range can only be changed where the range is " + quote("custom") +
                         "; allowed: the values it holds or those of its range (" + std::to_string(stored.MinVaCh) +
                         ", " + std::to_string(stored.MaxVaCh) +
                         (now.reset ? ", " + std::to_string(stored.ResVaCh) : std::string()) + ")"};
    UserRangeForm f;
    f.set_minVal(*loaded.min);
    f.set_maxVal(*loaded.max);
    if (now.reset) f.set_ResetVal(*loaded.reset);
    f.activate();
    f.txt_minValue = std::to_string(*now.min);
    f.txt_maxValue = std::to_string(*now.max);
    if (now.reset) f.txt_ResetVal = std::to_string(*now.reset);
    std::string message;
    if (f.ok(texts, &message)) return;
    const bool maxChanged = std::string(key) == "channelCustomMax";
    throw ValueError{"key " + quote(key) + ", channel " + std::to_string(channel + 1) +
                     ": the minimum is above the maximum; allowed: " +
                     (maxChanged ? "a maximum of " + std::to_string(*now.min) + " or more"
                                 : "a minimum up to " + std::to_string(*now.max))};
}

void readIntegers(const SettingInfo& info, const json& v, std::size_t count, int16_t* first, std::size_t stride)
{
    const json& list = readList(info, v, count);
    for (std::size_t i = 0; i < count; ++i)
        *reinterpret_cast<int16_t*>(reinterpret_cast<char*>(first) + i * stride) =
            static_cast<int16_t>(readInteger(info, list[i], static_cast<int>(i)));
}

const std::vector<std::string> kAnalogFormats = {"NURA",          "SIMATIC bipolar", "SIMATIC unipolar",
                                                 "SIMATIC PT100", "SIMATIC PT1000",  "SIMATIC NI100",
                                                 "SIMATIC NI1000"};
// Item 1 of the range lists, by the module's type code.
const std::vector<std::string> kInputRanges = {"0...4095", "0...10'000", "0...20'000", "-10'000...+10'000", "custom"};

class AnalogInputEditor : public Editor {
public:
    AnalogInputEditor(const Texts& texts, const RowEintrag& r) : texts_(texts), record_(r)
    {
        form_.load(r);
        loaded_ = form_;
    }
    bool shows(const std::string& key) const override
    {
        if (key == "addressStepOf4Bytes") return form_.stepOf4Shown();
        if (key == "valueFormat") return form_.kind != AnalogKind::Other && form_.page() == AnalogPage::ValueFormat;
        if (key == "channelFormat") return form_.page() == AnalogPage::ChannelFormat;
        if (key == "channel4to20mA") return form_.page() == AnalogPage::Ranges && form_.fourTo20Shown;
        return form_.page() == AnalogPage::Ranges;  // ranges, custom values, module properties
    }
    json get(const std::string& key) const override
    {
        if (key == "addressStepOf4Bytes") return form_.stepOf4;
        if (key == "valueFormat")
            return form_.rbFormat >= 0 ? json(kAnalogFormats[static_cast<std::size_t>(form_.rbFormat)]) : json("none");
        if (key == "channelFormat") {
            json list = json::array();
            const auto items = channelFormatWords();
            for (int c : form_.Combo1) list.push_back(items[static_cast<std::size_t>(c & 3)]);
            return list;
        }
        if (key == "channelRange") {
            json list = json::array();
            for (int item : form_.Combo2) list.push_back(rangeWord(item));
            return list;
        }
        if (key == "channel4to20mA") return booleans(form_.chk_4to20mA.data(), form_.chk_4to20mA.size());
        if (key == "channelCustomMin" || key == "channelCustomMax") {
            json list = json::array();
            for (int16_t v : key == "channelCustomMin" ? form_.UserMin : form_.UserMax) list.push_back(v);
            return list;
        }
        if (key == "automaticStart") return form_.Check3[0];
        if (key == "overflowAvoidance") return form_.Check3[1];
        return form_.Check3[2];  // filter
    }
    void set(const SettingInfo& info, const json& v) override
    {
        const std::string& key = info.key;
        if (key == "addressStepOf4Bytes") {
            form_.stepOf4 = readBoolean(info, v);
        } else if (key == "valueFormat") {
            form_.rbFormat = readOffered(info, v, loaded_.rbFormat, [&](int k) { return formatOffered(k); });
        } else if (key == "channelFormat") {
            const json& list = readList(info, v, AnalogInputForm::kFormatChannels);
            for (std::size_t i = 0; i < list.size(); ++i)
                form_.Combo1[i] = readChoice(info, list[i], static_cast<int>(i));
        } else if (key == "channelRange") {
            const json& list = readList(info, v, AnalogInputForm::kRangeChannels);
            for (std::size_t i = 0; i < list.size(); ++i) {
                const int now = form_.Combo2[i];
                const int word = readChoice(info, list[i], static_cast<int>(i));
                if (word == wordOf(now)) continue;
                const int item = itemOf(word);
                if (item < 0) {
                    std::vector<std::string> allowed;
                    for (int k = 0; k <= AnalogInputForm::kCustomItem; ++k)
                        if (wordOf(k) >= 0) allowed.push_back(kInputRanges[static_cast<std::size_t>(wordOf(k))]);
                    throw ValueError{where(info, static_cast<int>(i)) + ": " + list[i].dump() +
                                     " is not offered by this module; allowed: " + allowedWords(allowed)};
                }
                form_.Combo2[i] = item;
            }
        } else if (key == "channel4to20mA") {
            const json& list = readList(info, v, AnalogInputForm::kRangeChannels);
            for (std::size_t i = 0; i < list.size(); ++i) {
                const bool on = readBoolean(info, list[i], static_cast<int>(i));
                mustKeep(info, static_cast<int>(i),
                         on == form_.chk_4to20mA[i] || form_.fourTo20Enabled(static_cast<int>(i)),
                         "4..20 mA can only be chosen with the range \"0...4095\"");
                form_.chk_4to20mA[i] = on;
            }
        } else if (key == "channelCustomMin" || key == "channelCustomMax") {
            auto& values = key == "channelCustomMin" ? form_.UserMin : form_.UserMax;
            readIntegers(info, v, values.size(), values.data(), sizeof(int16_t));
        } else {
            const std::size_t k = key == "automaticStart" ? 0 : key == "overflowAvoidance" ? 1 : 2;
            form_.Check3[k] = readBoolean(info, v);
        }
    }
    std::string validate() const override
    {
        AnalogInputForm now = form_;
        AnalogInputForm was = loaded_;
        RowEintrag stored = record_;
        form_.store(stored);
        try {
            for (int i = 0; i < AnalogInputForm::kRangeChannels; ++i) {
                const auto n = static_cast<std::size_t>(i);
                checkCustomRange(texts_, i, form_.customShown(i), {&now.UserMin[n], &now.UserMax[n], nullptr},
                                 {&was.UserMin[n], &was.UserMax[n], nullptr}, channelValues(stored, i));
            }
        } catch (const ValueError& e) {
            return e.message;
        }
        return {};
    }
    void store(RowEintrag& r, RowEintrag&) const override { form_.store(r); }

private:
    static std::vector<std::string> channelFormatWords() { return AnalogInputForm::channelFormatItems(); }
    bool formatOffered(int k) const
    {
        static constexpr int words[3][AnalogInputForm::kFormats] = {
            {1, 1, 1, 1, 1, 1, 1}, {1, 0, 1, 0, 1, 0, 1}, {1, 0, 1, 1, 1, 1, 1}};
        const int row = form_.kind == AnalogKind::Format20 ? 0 : form_.kind == AnalogKind::Format21 ? 1 : 2;
        return k >= 0 && k < AnalogInputForm::kFormats && form_.rbFormatEnabled[static_cast<std::size_t>(k)] &&
               words[row][k] != 0;
    }
    // Index into kInputRanges of a list item, -1 for none.
    int wordOf(int item) const
    {
        if (item == 0) return 0;
        if (item == AnalogInputForm::kCustomItem) return 4;
        if (item == 1)
            return form_.typeCode == "E302" ? 2 : form_.typeCode == "E303" ? 3 : form_.typeCode == "E301" ? 1 : -1;
        return -1;
    }
    int itemOf(int word) const
    {
        for (int k = 0; k <= AnalogInputForm::kCustomItem; ++k)
            if (wordOf(k) == word && (k != AnalogInputForm::kCustomItem || wordOf(1) >= 0)) return k;
        return -1;
    }
    json rangeWord(int item) const
    {
        const int w = wordOf(item);
        return w >= 0 ? json(kInputRanges[static_cast<std::size_t>(w)]) : json("none");
    }

    const Texts& texts_;
    RowEintrag record_;
    AnalogInputForm form_;
    AnalogInputForm loaded_;
};

const std::vector<std::string> kOutputFormats = {"NURA", "SIMATIC bipolar", "SIMATIC unipolar"};
const std::vector<std::string> kOutputRanges = {"0...4095", "0...10'000", "0...20'000", "-10'000...+10'000", "custom"};

// The range words of an output channel list: item -> index into kOutputRanges.
int outputWord(int item, const std::string& secondText)
{
    if (item == range::Standard) return 0;
    if (item == range::Custom) return 4;
    if (item == range::Second) {
        if (secondText == "0...20'000") return 2;
        if (secondText == "-10'0000...+10'000") return 3;
        return 1;
    }
    return -1;
}

// Range, 4..20 mA and custom values of output channels, shared by the
// analog output and analog combined editors.
class OutputChannels {
public:
    OutputChannels(OutputChannel* first, int count, std::string secondText)
        : ch_(first), count_(count), second_(std::move(secondText))
    {
        loaded_.assign(first, first + count);
    }
    json get(const std::string& key) const
    {
        json list = json::array();
        for (int i = 0; i < count_; ++i) {
            const OutputChannel& c = ch_[i];
            if (key == "channelRange") {
                const int w = outputWord(c.item, second_);
                list.push_back(w >= 0 ? kOutputRanges[static_cast<std::size_t>(w)] : std::string("none"));
            } else if (key == "channel4to20mA") {
                list.push_back(c.range4to20);
            } else if (key == "channelCustomMin") {
                list.push_back(c.userMin);
            } else if (key == "channelCustomMax") {
                list.push_back(c.userMax);
            } else {
                list.push_back(c.userReset);
            }
        }
        return list;
    }
    template <class SelectRange>
    void set(const SettingInfo& info, const json& v, SelectRange&& select)
    {
        const json& list = readList(info, v, static_cast<std::size_t>(count_));
        for (int i = 0; i < count_; ++i) {
            OutputChannel& c = ch_[i];
            const json& e = list[static_cast<std::size_t>(i)];
            if (info.key == "channelRange") {
                const std::string& chosen = info.values[static_cast<std::size_t>(readChoice(info, e, i))];
                int word = -1;
                for (std::size_t w = 0; w < kOutputRanges.size(); ++w)
                    if (kOutputRanges[w] == chosen) word = static_cast<int>(w);
                if (word == outputWord(c.item, second_)) continue;
                int item = range::None;
                for (int k : {range::Standard, range::Second, range::Custom})
                    if (outputWord(k, second_) == word) item = k;
                if (item == range::None) {
                    std::vector<std::string> allowed;
                    for (int k : {range::Standard, range::Second, range::Custom})
                        allowed.push_back(kOutputRanges[static_cast<std::size_t>(outputWord(k, second_))]);
                    throw ValueError{where(info, i) + ": " + e.dump() +
                                     " is not offered by this module; allowed: " + allowedWords(allowed)};
                }
                select(i, item);
            } else if (info.key == "channel4to20mA") {
                // A hidden box (custom range) has no say in what OK stores.
                const bool on = readBoolean(info, e, i);
                c.range4to20 = on;
            } else {
                int16_t& field = info.key == "channelCustomMin"   ? c.userMin
                                 : info.key == "channelCustomMax" ? c.userMax
                                                                  : c.userReset;
                field = static_cast<int16_t>(readInteger(info, e, i));
            }
        }
    }
    std::string validate(const Texts& texts, const RowEintrag& stored) const
    {
        try {
            for (int i = 0; i < count_; ++i) {
                OutputChannel now = ch_[i];
                OutputChannel was = loaded_[static_cast<std::size_t>(i)];
                checkCustomRange(texts, i, now.customVisible(), {&now.userMin, &now.userMax, &now.userReset},
                                 {&was.userMin, &was.userMax, &was.userReset}, channelValues(stored, i));
            }
        } catch (const ValueError& e) {
            return e.message;
        }
        return {};
    }

private:
    OutputChannel* ch_;
    int count_;
    std::string second_;
    std::vector<OutputChannel> loaded_;
};

bool isChannelKey(const std::string& key)
{
    return key.rfind("channel", 0) == 0;
}

class AnalogOutputEditor : public Editor {
public:
    AnalogOutputEditor(const Texts& texts, const RowEintrag& r)
        : texts_(texts),
          record_(r),
          form_(loadedForm<AnalogOutputForm>(r)),
          channels_(form_.channels.data(), form_.channelCount, form_.secondRangeText),
          loadedFormat_(form_.format)
    {
    }
    bool shows(const std::string& key) const override
    {
        if (key == "channel4to20mA") return form_.showsChannels() && form_.kind == 0x63;
        if (isChannelKey(key)) return form_.showsChannels();
        return !form_.showsChannels();
    }
    json get(const std::string& key) const override
    {
        if (key == "valueFormat")
            return form_.format >= 0 ? json(kOutputFormats[static_cast<std::size_t>(form_.format)]) : json("none");
        return channels_.get(key);
    }
    void set(const SettingInfo& info, const json& v) override
    {
        if (info.key == "valueFormat") {
            form_.format = readOffered(info, v, loadedFormat_, [&](int k) {
                if (k > 2 || !form_.formatEnabled[static_cast<std::size_t>(k)]) return false;
                if ((form_.kind & 0xF0) == 0x10) return k != 1;
                return form_.kind == 0x60;
            });
            return;
        }
        channels_.set(info, v, [&](int i, int item) { form_.selectRange(i, item); });
    }
    std::string validate() const override
    {
        RowEintrag stored = record_;
        form_.store(stored);
        return channels_.validate(texts_, stored);
    }
    void store(RowEintrag& r, RowEintrag&) const override { form_.store(r); }

private:
    const Texts& texts_;
    RowEintrag record_;
    AnalogOutputForm form_;
    OutputChannels channels_;
    int loadedFormat_;
};

class AnalogCombinedEditor : public Editor {
public:
    AnalogCombinedEditor(const Texts& texts, const RowEintrag& r)
        : texts_(texts),
          record_(r),
          form_(loadedForm<AnalogCombinedForm>(r)),
          channels_(form_.channels.data(), AnalogCombinedForm::kChannels, "0...10'000")
    {
    }
    bool shows(const std::string& key) const override
    {
        if (key == "channel4to20mA") return false;
        return isChannelKey(key) == form_.showsChannels;
    }
    json get(const std::string& key) const override
    {
        if (key == "valueFormat") return form_.simatic ? "SIMATIC format" : "NURA format";
        if (key == "inputFormat") return form_.inputFormat == 1 ? "SIMATIC unipolar" : "SIMATIC bipolar";
        if (key == "outputUnipolar") return booleans(form_.outputUnipolar.data(), form_.outputUnipolar.size());
        return channels_.get(key);
    }
    void set(const SettingInfo& info, const json& v) override
    {
        if (info.key == "valueFormat") {
            form_.simatic = readChoice(info, v) == 1;
        } else if (info.key == "inputFormat") {
            const int k = readChoice(info, v);
            mustKeep(info, -1, k == form_.inputFormat || form_.simaticOptionsEnabled(),
                     "the input format is chosen with the value format \"SIMATIC format\" only");
            form_.inputFormat = k;
        } else if (info.key == "outputUnipolar") {
            const json& list = readList(info, v, 2);
            for (std::size_t i = 0; i < 2; ++i) {
                const bool on = readBoolean(info, list[i], static_cast<int>(i));
                mustKeep(info, static_cast<int>(i), on == form_.outputUnipolar[i] || form_.simaticOptionsEnabled(),
                         "the output format is chosen with the value format \"SIMATIC format\" only");
                form_.outputUnipolar[i] = on;
            }
        } else {
            channels_.set(info, v, [&](int i, int item) { form_.selectRange(i, item); });
        }
    }
    std::string validate() const override
    {
        RowEintrag stored = record_;
        form_.store(stored);
        return channels_.validate(texts_, stored);
    }
    void store(RowEintrag& r, RowEintrag&) const override { form_.store(r); }

private:
    const Texts& texts_;
    RowEintrag record_;
    AnalogCombinedForm form_;
    OutputChannels channels_;
};

// Sensor rows of the temperature module as settings words.
std::vector<std::string> sensorWords()
{
    return {"Pt100",     "Pt1000",      "Ni100",       "Ni1000",   "R600 Ohm",
            "R5000 Ohm", "K (NiCr-Ni)", "J (Fe-CuNi)", "+/- 75mV", "not used"};
}
std::vector<std::string> connectionWords()
{
    return {"2 wire", "3 wire", "4 wire", "internal", "external", "voltage", "-"};
}
std::vector<std::string> unitWords()
{
    return {"1/10 °C", "1/10 °F", "1/10 °K"};
}

class TemperatureEditor : public Editor {
public:
    TemperatureEditor(const Texts& texts, const RowEintrag& r) : texts_(texts) { form_.load(r); }
    json get(const std::string& key) const override
    {
        if (key == "unit") return unitWords()[static_cast<std::size_t>(form_.unit)];
        json list = json::array();
        for (const auto& c : form_.channel) {
            if (key == "channelSensor")
                list.push_back(sensorWords()[static_cast<std::size_t>(c.sensor)]);
            else
                list.push_back(connectionWords()[static_cast<std::size_t>(
                    c.connection >= 0 && c.connection < static_cast<int>(c.connections.size())
                        ? c.connections[static_cast<std::size_t>(c.connection)]
                        : 6)]);
        }
        return list;
    }
    void set(const SettingInfo& info, const json& v) override
    {
        if (info.key == "unit") {
            form_.unit = readChoice(info, v);
            return;
        }
        const json& list = readList(info, v, TemperatureForm::kChannels);
        for (int ch = 0; ch < TemperatureForm::kChannels; ++ch) {
            auto& c = form_.channel[static_cast<std::size_t>(ch)];
            const int k = readChoice(info, list[static_cast<std::size_t>(ch)], ch);
            if (info.key == "channelSensor") {
                if (k != c.sensor) form_.selectSensor(ch, k);
                continue;
            }
            int index = -1;
            for (std::size_t i = 0; i < c.connections.size(); ++i)
                if (c.connections[i] == k) index = static_cast<int>(i);
            if (index < 0) {
                std::vector<std::string> allowed;
                for (int row : c.connections) allowed.push_back(connectionWords()[static_cast<std::size_t>(row)]);
                throw ValueError{where(info, ch) + ": " + quote(info.values[static_cast<std::size_t>(k)]) +
                                 " does not go with the sensor " +
                                 quote(sensorWords()[static_cast<std::size_t>(c.sensor)]) +
                                 "; allowed: " + allowedWords(allowed)};
            }
            c.connection = index;
        }
    }
    std::string validate() const override
    {
        if (form_.CheckCompensation()) return {};
        return "key \"channelConnection\": " + texts_.byEnglishId(txt::ExternalCompensationNeedsChannel0);
    }
    void store(RowEintrag& r, RowEintrag&) const override { form_.store(r); }

private:
    const Texts& texts_;
    TemperatureForm form_;
};

class CounterEditor : public Editor {
public:
    explicit CounterEditor(const RowEintrag& r) { form_.load(r); }
    json get(const std::string& key) const override
    {
        const auto& f = form_;
        if (key == "gateInput") return f.gateInput == 1 ? "ResetC" : "EnableC";
        if (key == "gateTrigger") return f.gateEdge ? "edge" : "level";
        if (key == "invertInputA") return f.invertA;
        if (key == "invertInputB") return f.invertB;
        if (key == "invertGate") return f.invertGate;
        if (key == "countingMode")
            return std::vector<std::string>{"x1", "x2", "x3", "x4"}[static_cast<std::size_t>(f.countMode & 3)];
        if (key == "ccoOutput") return f.ccoStatic ? "static" : "impulse";
        if (key == "invertCco") return f.invertCco;
        if (key == "enableMTrigger") return f.enableMEdge ? "edge" : "level";
        if (key == "invertEnableM") return f.invertEnableM;
        if (key == "tcoOutput") return f.tcoStatic ? "static" : "impulse";
        if (key == "measurement")
            return std::vector<std::string>{"period", "impulse", "frequency"}[static_cast<std::size_t>(f.measurement)];
        if (key == "measurementStart") return f.autoStart ? "automatic" : "manual";
        return f.measureInvertA;
    }
    void set(const SettingInfo& info, const json& v) override
    {
        auto& f = form_;
        const std::string& key = info.key;
        if (key == "gateInput")
            f.gateInput = readChoice(info, v);
        else if (key == "gateTrigger")
            f.gateEdge = readChoice(info, v) == 1;
        else if (key == "invertInputA")
            f.invertA = readBoolean(info, v);
        else if (key == "invertInputB")
            f.invertB = readBoolean(info, v);
        else if (key == "invertGate")
            f.invertGate = readBoolean(info, v);
        else if (key == "countingMode")
            f.countMode = readChoice(info, v);
        else if (key == "ccoOutput")
            f.ccoStatic = readChoice(info, v) == 0;
        else if (key == "invertCco")
            f.invertCco = readBoolean(info, v);
        else if (key == "enableMTrigger")
            f.enableMEdge = readChoice(info, v) == 1;
        else if (key == "invertEnableM")
            f.invertEnableM = readBoolean(info, v);
        else if (key == "tcoOutput")
            f.tcoStatic = readChoice(info, v) == 0;
        else if (key == "measurement") {
            const int m = readChoice(info, v);
            if (m != f.measurement) f.setMeasurement(m);
        } else if (key == "measurementStart")
            f.autoStart = readChoice(info, v) == 0;
        else {
            const bool on = readBoolean(info, v);
            mustKeep(info, -1, on == f.measureInvertA || f.measureInvertAEnabled(),
                     "input A is inverted for the measurement \"impulse\" only");
            f.measureInvertA = on;
        }
    }
    void store(RowEintrag& r, RowEintrag&) const override { form_.store(r); }

private:
    CounterForm form_;
};

const std::vector<std::string> kSsiFrequencies = {"100 kHz", "200 kHz", "300 kHz", "500 kHz"};
const std::vector<std::string> kAxisFrequencies = {"250 kHz", "500 kHz", "1 MHz"};

long long bitsOf(const std::string& text)
{
    const ParsedNumber n = parseNumber(text, 0, 1000);
    return n.value;
}

class SsiEncoderEditor : public Editor {
public:
    SsiEncoderEditor(const Texts& texts, const RowEintrag& r) : texts_(texts) { form_.load(r); }
    json get(const std::string& key) const override
    {
        if (key == "mode") return form_.mode == 1 ? "ring check" : "normal";
        if (key == "codeFormat") return form_.format == 0 ? "binary" : "Gray code";
        if (key == "clockFrequency") return kSsiFrequencies[static_cast<std::size_t>(form_.frequency & 3)];
        return bitsOf(form_.dataBits);
    }
    void set(const SettingInfo& info, const json& v) override
    {
        if (info.key == "mode")
            form_.mode = readChoice(info, v);
        else if (info.key == "codeFormat")
            form_.format = readChoice(info, v);
        else if (info.key == "clockFrequency")
            form_.frequency = readChoice(info, v);
        else
            form_.dataBits = std::to_string(readInteger(info, v));
    }
    std::string validate() const override
    {
        std::string message;
        if (form_.check(texts_, &message)) return {};
        return "key \"dataBits\": " + message;
    }
    void store(RowEintrag& r, RowEintrag&) const override { form_.store(r); }

private:
    const Texts& texts_;
    SsiEncoderForm form_;
};

class TwoAxisEncoderEditor : public Editor {
public:
    TwoAxisEncoderEditor(const Texts& texts, const RowEintrag& x, const RowEintrag& y, bool withY) : texts_(texts)
    {
        form_.load(x, y, withY);
    }
    bool shows(const std::string& key) const override { return key.rfind("axisY", 0) != 0 || form_.hasAxisY; }
    json get(const std::string& key) const override
    {
        const EncoderAxis& a = key.rfind("axisX", 0) == 0 ? form_.x : form_.y;
        const std::string k = key.substr(5);
        if (k == "Type") return a.type == 1 ? "SSI encoder" : "incremental encoder";
        if (k == "ClockFrequency") return kAxisFrequencies[static_cast<std::size_t>(std::clamp(a.frequency, 0, 2))];
        if (k == "CodeFormat") return a.format == 1 ? "Gray code" : "binary";
        return bitsOf(a.dataBits);
    }
    void set(const SettingInfo& info, const json& v) override
    {
        EncoderAxis& a = info.key.rfind("axisX", 0) == 0 ? form_.x : form_.y;
        const std::string k = info.key.substr(5);
        if (k == "Type") {
            a.type = readChoice(info, v);
            return;
        }
        const json before = get(info.key);
        if (k == "ClockFrequency")
            a.frequency = readChoice(info, v);
        else if (k == "CodeFormat")
            a.format = readChoice(info, v);
        else
            a.dataBits = std::to_string(readInteger(info, v));
        mustKeep(info, -1, get(info.key) == before || a.detailsVisible(),
                 "this belongs to the SSI encoder; choose \"SSI encoder\" as the axis type first");
    }
    std::string validate() const override
    {
        std::string message;
        int bad = 0;
        if (form_.check(texts_, &message, &bad)) return {};
        return std::string("key \"") + (bad == 1 ? "axisYDataBits" : "axisXDataBits") + "\": " + message;
    }
    void store(RowEintrag& r, RowEintrag& next) const override { form_.store(r, next); }

private:
    const Texts& texts_;
    TwoAxisEncoderForm form_;
};

// ------------------------------------------------------------ families

struct EditorContext {
    const Texts& texts;
    const RowEintrag& record;
    const RowEintrag& next;  // the following row (the second axis of a two-axis encoder)
    bool axisY;              // that row is the module's axis Y row
};

struct FamilyDef {
    DialogKind kind;
    SettingsFamily family;
    std::function<std::unique_ptr<Editor>(const EditorContext&)> make;
    // The start-address boxes the dialog shows.
    std::function<AddressBoxes(const RowEintrag&)> boxes;
};

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
              withFrame({perChannel(choiceKey("channelDirection", {"input", "output"}, OwnText::SetDirection,
                                              "Whether a channel is an input or an output; entry 1 is bit 0. "
                                              "Bits 0 and 1 are always inputs, bits 6 and 7 always outputs."))})},
             [](const EditorContext& c) -> std::unique_ptr<Editor> {
                 return std::make_unique<DigitalCombinedEditor>(c.record);
             },
             [](const RowEintrag&) { return AddressBoxes::Both; }});
        auto byFlags = [](const RowEintrag& r) { return addressBoxesFor(r); };
        const std::vector<std::string> noneWord = {"none"};
        auto plus = [](std::vector<std::string> a, const std::vector<std::string>& b) {
            a.insert(a.end(), b.begin(), b.end());
            return a;
        };
        auto customKeys = [](bool reset) {
            std::vector<SettingInfo> k = {
                perChannel(integerKey("channelCustomMin", -32768, 32767, OwnText::SetCustomMinimum,
                                      "The minimum of a channel's custom range (its user range dialog); changed only "
                                      "where the range is \"custom\", never above the maximum.")),
                perChannel(integerKey("channelCustomMax", -32768, 32767, OwnText::SetCustomMaximum,
                                      "The maximum of a channel's custom range.")),
            };
            if (reset)
                k.push_back(perChannel(integerKey("channelCustomReset", -32768, 32767, OwnText::SetCustomResetValue,
                                                  "The reset value of an output channel's custom range.")));
            return k;
        };
        {
            std::vector<SettingInfo> k = {
                booleanKey("addressStepOf4Bytes", OwnText::SetAddressStepOf4,
                           "Addressing the channels by steps of 4 bytes (doubles the input bytes); modules with a "
                           "value format or a format per channel."),
                choiceKey("valueFormat", plus(kAnalogFormats, noneWord), OwnText::SetValueFormat,
                          "The value format of the whole module; only the formats the module offers."),
                perChannel(choiceKey("channelFormat", AnalogInputForm::channelFormatItems(), OwnText::SetFormat,
                                     "The format of each of the 8 channels (modules with a format per channel).")),
                perChannel(choiceKey("channelRange", plus(kInputRanges, noneWord), OwnText::SetRange,
                                     "The measuring range of each of the 7 channels (modules with ranges); item 2 "
                                     "is the module's own range.")),
                perChannel(booleanKey("channel4to20mA", OwnText::Set4to20mA,
                                      "4..20 mA with the range \"0...4095\" (the current-input module only).")),
            };
            for (auto& c : customKeys(false)) k.push_back(c);
            k.push_back(booleanKey("automaticStart", OwnText::SetAutomaticStart,
                                   "Module property: automatic start of the measurement (modules with ranges)."));
            k.push_back(booleanKey("overflowAvoidance", OwnText::SetOverflowAvoidance,
                                   "Module property: under/overflow avoidance (modules with ranges)."));
            k.push_back(booleanKey("filter", OwnText::SetFilter,
                                   "Module property: the filter is active (modules with ranges)."));
            d.push_back({DialogKind::AnalogInput,
                         {"analog input", withFrame(k)},
                         [](const EditorContext& c) -> std::unique_ptr<Editor> {
                             return std::make_unique<AnalogInputEditor>(c.texts, c.record);
                         },
                         [](const RowEintrag&) { return AddressBoxes::Inputs; }});
        }
        {
            std::vector<SettingInfo> k = {
                choiceKey("valueFormat", plus(kOutputFormats, noneWord), OwnText::SetValueFormat,
                          "The value format of the whole module (modules without channel ranges); only the formats "
                          "the module offers."),
                perChannel(choiceKey("channelRange", plus(kOutputRanges, noneWord), OwnText::SetRange,
                                     "The range of each output channel (4 or 6); item 2 is the module's own range.")),
                perChannel(booleanKey("channel4to20mA", OwnText::Set4to20mA,
                                      "4..20 mA form of the channel's range (modules of 4 channels with ranges).")),
            };
            for (auto& c : customKeys(true)) k.push_back(c);
            d.push_back({DialogKind::AnalogOutput,
                         {"analog output", withFrame(k)},
                         [](const EditorContext& c) -> std::unique_ptr<Editor> {
                             return std::make_unique<AnalogOutputEditor>(c.texts, c.record);
                         },
                         byFlags});
        }
        {
            std::vector<SettingInfo> k = {
                choiceKey("valueFormat", {"NURA format", "SIMATIC format"}, OwnText::SetValueFormat,
                          "The value format of inputs and outputs (modules without channel ranges)."),
                choiceKey("inputFormat", {"SIMATIC bipolar", "SIMATIC unipolar"}, OwnText::SetInputFormat,
                          "The SIMATIC format of the inputs; with \"SIMATIC format\" only."),
                perChannel(booleanKey("outputUnipolar", OwnText::SetSimaticUnipolar,
                                      "Outputs 1 and 2 in the SIMATIC unipolar format; with \"SIMATIC format\" only.")),
                perChannel(choiceKey("channelRange", {"0...4095", "0...10'000", "custom"}, OwnText::SetRange,
                                     "The range of each of the 4 output channels (modules with channel ranges).")),
            };
            for (auto& c : customKeys(true)) k.push_back(c);
            d.push_back({DialogKind::AnalogCombined,
                         {"analog combined", withFrame(k)},
                         [](const EditorContext& c) -> std::unique_ptr<Editor> {
                             return std::make_unique<AnalogCombinedEditor>(c.texts, c.record);
                         },
                         byFlags});
        }
        d.push_back(
            {DialogKind::Temperature,
             {"temperature",
              withFrame({perChannel(choiceKey("channelSensor", sensorWords(), OwnText::SetSensor,
                                              "The sensor type of each of the 4 channels; changing it selects the "
                                              "first connection its list offers.")),
                         perChannel(choiceKey("channelConnection", connectionWords(), OwnText::SetConnection,
                                              "The connection of each channel; only those its sensor offers. A "
                                              "thermocouple with external compensation needs a temperature sensor or "
                                              "a thermocouple on channel 1.")),
                         choiceKey("unit", unitWords(), OwnText::SetUnit, "The unit of the measured values.")})},
             [](const EditorContext& c) -> std::unique_ptr<Editor> {
                 return std::make_unique<TemperatureEditor>(c.texts, c.record);
             },
             byFlags});
        d.push_back(
            {DialogKind::Counter,
             {"counter",
              withFrame({
                  choiceKey("gateInput", {"EnableC", "ResetC"}, OwnText::SetGateInput, "What the third input does."),
                  choiceKey("gateTrigger", {"level", "edge"}, OwnText::SetGateInputTrigger,
                            "The gate input is level or edge triggered."),
                  booleanKey("invertInputA", OwnText::SetInputAInverted, "Input A of the counter is inverted."),
                  booleanKey("invertInputB", OwnText::SetInputBInverted, "Input B of the counter is inverted."),
                  booleanKey("invertGate", OwnText::SetGateInputInverted, "The gate input is inverted."),
                  choiceKey("countingMode", {"x1", "x2", "x3", "x4"}, OwnText::SetCountingMode,
                            "The counting mode: Mode0 (x1) to Mode3 (x4)."),
                  choiceKey("ccoOutput", {"static", "impulse"}, OwnText::SetOutputCco, "The counter output CCO."),
                  booleanKey("invertCco", OwnText::SetOutputCcoInverted, "The counter output CCO is inverted."),
                  choiceKey("enableMTrigger", {"level", "edge"}, OwnText::SetEnableMTrigger,
                            "The measurement's enable input EnableM is level or edge triggered."),
                  booleanKey("invertEnableM", OwnText::SetEnableMInverted, "The input EnableM is inverted."),
                  choiceKey("tcoOutput", {"static", "impulse"}, OwnText::SetOutputTco, "The measurement output TCO."),
                  choiceKey("measurement", {"period", "impulse", "frequency"}, OwnText::SetMeasurement,
                            "What is measured; leaving \"impulse\" clears measurementInvertA."),
                  choiceKey("measurementStart", {"automatic", "manual"}, OwnText::SetStartOfMeasurement,
                            "The measurement starts automatically or by the program."),
                  booleanKey("measurementInvertA", OwnText::SetMeasurementInputAInverted,
                             "Input A inverted for the measurement; with \"impulse\" only."),
              })},
             [](const EditorContext& c) -> std::unique_ptr<Editor> {
                 return std::make_unique<CounterEditor>(c.record);
             },
             byFlags});
        d.push_back(
            {DialogKind::Encoder,
             {"encoder SSI",
              withFrame({
                  choiceKey("mode", {"normal", "ring check"}, OwnText::SetMode, "Normal operation or ring check."),
                  choiceKey("codeFormat", {"binary", "Gray code"}, OwnText::SetFormat, "The code the encoder sends."),
                  choiceKey("clockFrequency", kSsiFrequencies, OwnText::SetFrequency, "The clock frequency."),
                  integerKey("dataBits", SsiEncoderForm::kMinBits, SsiEncoderForm::kMaxBits, OwnText::SetDataBitNumber,
                             "The number of data bits."),
              })},
             [](const EditorContext& c) -> std::unique_ptr<Editor> {
                 return std::make_unique<SsiEncoderEditor>(c.texts, c.record);
             },
             byFlags});
        {
            std::vector<SettingInfo> k;
            for (const std::string axis : {"X", "Y"}) {
                const std::string a = "axis" + axis;
                k.push_back(choiceKey(a + "Type", {"incremental encoder", "SSI encoder"}, OwnText::SetAxisEncoderType,
                                      "The encoder of axis " + axis + ".", axis));
                k.push_back(choiceKey(a + "ClockFrequency", kAxisFrequencies, OwnText::SetAxisFrequency,
                                      "The clock frequency of axis " + axis + "; with \"SSI encoder\" only.", axis));
                k.push_back(choiceKey(a + "CodeFormat", {"binary", "Gray code"}, OwnText::SetAxisFormat,
                                      "The code of axis " + axis + "; with \"SSI encoder\" only.", axis));
                k.push_back(integerKey(
                    a + "DataBits", EncoderAxis::kMinBits, EncoderAxis::kMaxBits, OwnText::SetAxisDataBitNumber,
                    "The number of data bits of axis " + axis + "; with \"SSI encoder\" only.", axis));
            }
            d.push_back({DialogKind::TwoAxisEncoder,
                         {"two-axis encoder", withFrame(k)},
                         [](const EditorContext& c) -> std::unique_ptr<Editor> {
                             return std::make_unique<TwoAxisEncoderEditor>(c.texts, c.record, c.next, c.axisY);
                         },
                         byFlags});
        }
        d.push_back({DialogKind::Positioning, {"positioning", frameKeys()}, frameOnly, byFlags});
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

// The CPU dialog has its own form model and OK (CpuSettings).
bool isCpuDialog(const RowEintrag& r)
{
    return dialogFor(r) == DialogKind::Cpu;
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

    Opened(const FamilyDef& d, const Texts& texts, const RowEintrag& record, const RowEintrag& next, bool axisY,
           const std::string& station = {}, const std::string& slot = {})
        : def(d), editor(d.make({texts, record, next, axisY}))
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

    // Every key set as the user would set its control, in the family's order
    // (a sensor before its connection); the message of the first refusal, or empty.
    std::string set(const json& settings)
    {
        if (!settings.is_object()) return "the settings must be a JSON object";
        for (const auto& [key, value] : settings.items()) {
            const SettingInfo* info = keyOf(def.family, key);
            if (!info || (!isFrameKey(key) && !editor->shows(key)))
                return "unknown key " + quote(key) + "; keys of this " + def.family.name +
                       " module: " + keyList(def, *editor);
        }
        try {
            for (const SettingInfo& info : def.family.keys) {
                if (!settings.contains(info.key)) continue;
                const json& value = settings[info.key];
                if (isFrameKey(info.key)) {
                    const std::string text = readText(info, value);
                    const bool comment = info.key == "comment";
                    if (auto why = textRefusal(comment ? "Kommentar" : "Bezeichnung", text); !why.empty())
                        throw ValueError{where(info, -1) + ": the text " + why};
                    (comment ? frame.txtKommentar : frame.txtBezeichnung) = text;
                } else {
                    editor->set(info, value);
                }
            }
        } catch (const ValueError& e) {
            return e.message;
        }
        return editor->validate();
    }

    // OK without the address sequence: the texts and the family's parameters into a copy.
    std::pair<RowEintrag, RowEintrag> stored(const RowEintrag& record, const RowEintrag& nextRow) const
    {
        std::pair<RowEintrag, RowEintrag> r{record, nextRow};
        frame.storeTexts(r.first);
        editor->store(r.first, r.second);
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
        out.push_back(cpuSettingsFamily());
        return out;
    }();
    return all;
}

const SettingsFamily* settingsFamilyOf(const RowEintrag& record)
{
    if (isCpuDialog(record)) return &settingsFamilies().back();
    const FamilyDef* d = definitionOf(record);
    if (!d) return nullptr;
    for (const SettingsFamily& f : settingsFamilies())
        if (f.name == d->family.name) return &f;
    return nullptr;
}

std::string settingLabel(const SettingInfo& info, const Texts& texts)
{
    if (info.labelText == OwnText::Count) return info.label;
    return ownText(texts, info.labelText, {info.labelArg});
}

std::vector<const SettingInfo*> settingKeysOf(const RowEintrag& record)
{
    if (isCpuDialog(record)) return cpuSettingKeysOf(record, settingsFamilies().back());
    std::vector<const SettingInfo*> out;
    const FamilyDef* d = definitionOf(record);
    const SettingsFamily* f = settingsFamilyOf(record);
    if (!d || !f) return out;
    const Texts english(kEnglishBase);
    const Opened o(*d, english, record, RowEintrag{}, true);
    for (const SettingInfo& k : f->keys)
        if (isFrameKey(k.key) || o.editor->shows(k.key)) out.push_back(&k);
    return out;
}

json settingsOf(const ProjectTable& table, int row)
{
    if (row < 1 || row > table.lastRow()) return json::object();
    const RowEintrag& r = table.record(row);
    if (isCpuDialog(r) && !table.rowEmpty(row)) return cpuSettingsOf(r);
    const FamilyDef* d = definitionOf(r);
    if (!d || table.rowEmpty(row)) return json::object();
    return Opened(*d, table.app().texts, r, nextRecord(table, row), isAxisYRow(table, row)).all();
}

SettingsApplied settingsAgree(const ProjectTable& table, int row, const json& settings)
{
    if (!settings.is_object()) return refused("the settings must be a JSON object");
    if (row < 1 || row > table.lastRow()) return refused("the project has no row " + std::to_string(row));
    const RowEintrag& r = table.record(row);
    if (isCpuDialog(r) && !table.rowEmpty(row)) return cpuSettingsAgree(table, row, settings);
    const FamilyDef* d = definitionOf(r);
    if (!d || table.rowEmpty(row)) {
        if (settings.empty()) return {};
        return refused("this row has no parameter dialog and takes no settings");
    }
    const RowEintrag& next = nextRecord(table, row);
    const Texts& texts = table.app().texts;
    const bool axisY = isAxisYRow(table, row);
    const Opened unchanged(*d, texts, r, next, axisY);
    Opened changed(*d, texts, r, next, axisY);
    if (auto why = changed.set(settings); !why.empty()) return refused(why);
    for (const auto& [key, value] : settings.items()) {
        const json held = unchanged.get(key);
        if (value != held)
            return refused("key " + quote(key) + ": the settings say " + value.dump() + ", the record holds " +
                           held.dump());
    }
    if (changed.stored(r, next) != unchanged.stored(r, next))
        return refused("the settings do not give the record's fields");
    return {};
}

SettingsApplied applySettings(ProjectTable& table, int row, const json& settings)
{
    if (!settings.is_object()) return refused("the settings must be a JSON object");
    if (row < 1 || row > table.lastRow()) return refused("the project has no row " + std::to_string(row));
    if (isCpuDialog(table.record(row)) && !table.rowEmpty(row)) return applyCpuSettings(table, row, settings);
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
    Opened dialog(*d, app.texts, app.CurrentModule, app.NextModule, isAxisYRow(table, row), app.CurrentStationText,
                  app.CurrentSlotText);
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
    const ModuleOkResult result =
        runModuleOk(table, *entered, [&](RowEintrag& r) { dialog.editor->store(r, app.NextModule); });
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
