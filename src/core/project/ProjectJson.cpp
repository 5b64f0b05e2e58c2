#include "core/project/ProjectJson.h"

#include <cmath>
#include <cstdint>
#include <set>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/app/AppState.h"
#include "core/base/CodePage.h"
#include "core/modules/ModuleSettings.h"
#include "core/project/ProjectTable.h"

namespace rm {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// ---------------------------------------------------------------- writing

ordered_json valueOf(FieldKind, uint8_t v)
{
    return v;
}
ordered_json valueOf(FieldKind k, int16_t v)
{
    // Only the two proper Boolean values become true/false; any other stored
    // value is shown as it is, so it survives the way back.
    if (k == FieldKind::Boolean && (v == kTrue || v == kFalse)) return v == kTrue;
    return v;
}
ordered_json valueOf(FieldKind, int32_t v)
{
    return v;
}
ordered_json valueOf(FieldKind, const std::string& v)
{
    return v;
}

class JsonWriter {
public:
    explicit JsonWriter(ordered_json& out) : out_(out) {}

    template <class T>
    void operator()(FieldKind k, const char* name, const T& v)
    {
        out_[name] = valueOf(k, v);
    }
    template <class T, std::size_t N>
    void fixed(FieldKind k, const char* name, const std::array<T, N>& a)
    {
        ordered_json arr = ordered_json::array();
        for (const auto& e : a) arr.push_back(valueOf(k, e));
        out_[name] = std::move(arr);
    }
    void subList(const char* name, const std::vector<std::string>& v)
    {
        ordered_json arr = ordered_json::array();
        for (const auto& s : v) arr.push_back(s);
        out_[name] = std::move(arr);
    }
    void channels(const char* name, const std::vector<KanalWert>& v)
    {
        ordered_json arr = ordered_json::array();
        for (const auto& k : v)
            arr.push_back(
                {{"ChFlags", k.ChFlags}, {"MinVaCh", k.MinVaCh}, {"MaxVaCh", k.MaxVaCh}, {"ResVaCh", k.ResVaCh}});
        out_[name] = std::move(arr);
    }

private:
    ordered_json& out_;
};

void writeRecord(ordered_json& out, const RowEintrag& r)
{
    JsonWriter w(out);
    visitRowFields(r, w);
    ordered_json cpu = ordered_json::object();
    JsonWriter c(cpu);
    visitCpuFields(r.Cpu, c);
    out["CpuConfig"] = std::move(cpu);
}

// ---------------------------------------------------------------- reading

[[noreturn]] void fail(const std::string& where, const std::string& what)
{
    throw JsonError(where + ": " + what);
}

std::string describe(const json& v)
{
    if (v.is_number() || v.is_boolean() || v.is_null()) return v.dump();
    return std::string("a ") + v.type_name();
}

int64_t wholeNumber(const json& v, int64_t min, int64_t max, const std::string& where)
{
    int64_t n = 0;
    if (v.is_number_unsigned()) {
        auto u = v.get<uint64_t>();
        if (u > static_cast<uint64_t>(max))
            fail(where, v.dump() + " is out of range " + std::to_string(min) + ".." + std::to_string(max));
        n = static_cast<int64_t>(u);
    } else if (v.is_number_integer()) {
        n = v.get<int64_t>();
    } else if (v.is_number_float()) {
        double d = v.get<double>();
        if (!std::isfinite(d) || d != std::trunc(d)) fail(where, "expected a whole number, got " + v.dump());
        if (d < static_cast<double>(min) || d > static_cast<double>(max))
            fail(where, v.dump() + " is out of range " + std::to_string(min) + ".." + std::to_string(max));
        n = static_cast<int64_t>(d);
    } else {
        fail(where, "expected a number, got " + describe(v));
    }
    if (n < min || n > max)
        fail(where, v.dump() + " is out of range " + std::to_string(min) + ".." + std::to_string(max));
    return n;
}

void readValue(FieldKind, const json& v, uint8_t& out, const std::string& where)
{
    out = static_cast<uint8_t>(wholeNumber(v, 0, UINT8_MAX, where));
}
void readValue(FieldKind k, const json& v, int16_t& out, const std::string& where)
{
    if (k == FieldKind::Boolean) {
        if (v.is_boolean()) {
            out = v.get<bool>() ? kTrue : kFalse;
            return;
        }
        if (!v.is_number()) fail(where, "expected true, false or a number, got " + describe(v));
    }
    out = static_cast<int16_t>(wholeNumber(v, INT16_MIN, INT16_MAX, where));
}
void readValue(FieldKind, const json& v, int32_t& out, const std::string& where)
{
    out = static_cast<int32_t>(wholeNumber(v, INT32_MIN, INT32_MAX, where));
}
// The project file holds texts in windows-1252 with a 16-bit length: a text
// it cannot hold is refused rather than changed when it is saved.
std::string storageRefusal(const std::string& s)
{
    std::string stored = utf8ToCp1252(s);
    if (cp1252ToUtf8(stored) != s) return "has characters that windows-1252 cannot hold";
    if (stored.size() > 0xFFFF) return "is longer than 65535 bytes";
    return {};
}

void readValue(FieldKind, const json& v, std::string& out, const std::string& where)
{
    if (!v.is_string()) fail(where, "expected a string, got " + describe(v));
    const auto& s = v.get_ref<const std::string&>();
    if (auto why = storageRefusal(s); !why.empty()) fail(where, why);
    out = s;
}

// A text that is one line (every text but the comments, the description and
// the notes) may hold no control character: a line break in a name, an order
// number or a format would reach the data block source as a line of its own.
template <class T>
void refuseControls(const char* name, const T& value, const std::string& where)
{
    if constexpr (std::is_same_v<T, std::string>) {
        if (!isMultiLineText(name) && hasControlCharacter(value))
            fail(where, "holds a control character (a line break, tab or other); this text must be one line");
        // The CPU block writes these inside '...' literals, where "'" ends
        // the text and "$" starts an escape: the CPU dialog refuses both.
        const std::string_view field = name;
        const bool literal =
            field == "CompPrio" || field == "WebPassword" || field == "DateFormat" || field == "TimeFormat";
        if (literal && value.find_first_of("'$") != std::string::npos)
            fail(where, "holds ' or $, which would break the text in the generated data block");
    }
}

const json& arrayOf(const json& v, const std::string& where)
{
    if (!v.is_array()) fail(where, "expected an array, got " + describe(v));
    return v;
}

std::string element(const std::string& where, std::size_t i)
{
    return where + "[" + std::to_string(i) + "]";
}

// Reads the fields named in an object into a record; fields the object leaves
// out keep their values. Each field is converted whole before it is stored,
// so a failed field leaves the record as it was.
class JsonReader {
public:
    JsonReader(const json& obj, std::string where) : obj_(obj), where_(std::move(where)) {}
    int matched() const { return matched_; }

    template <class T>
    void operator()(FieldKind k, const char* name, T& field)
    {
        const json* v = find(name);
        if (!v) return;
        T value{};
        readValue(k, *v, value, at(name));
        refuseControls(name, value, at(name));
        field = std::move(value);
    }
    template <class T, std::size_t N>
    void fixed(FieldKind k, const char* name, std::array<T, N>& field)
    {
        const json* v = find(name);
        if (!v) return;
        const std::string where = at(name);
        const json& arr = arrayOf(*v, where);
        if (arr.size() != N)
            fail(where, "expected " + std::to_string(N) + " elements, got " + std::to_string(arr.size()));
        std::array<T, N> value{};
        for (std::size_t i = 0; i < N; ++i) {
            readValue(k, arr[i], value[i], element(where, i));
            refuseControls(name, value[i], element(where, i));
        }
        field = std::move(value);
    }
    void subList(const char* name, std::vector<std::string>& field)
    {
        const json* v = find(name);
        if (!v) return;
        const std::string where = at(name);
        const json& arr = arrayOf(*v, where);
        std::vector<std::string> value(arr.size());
        for (std::size_t i = 0; i < arr.size(); ++i) {
            readValue(FieldKind::Text, arr[i], value[i], element(where, i));
            refuseControls(name, value[i], element(where, i));
        }
        field = std::move(value);
    }
    void channels(const char* name, std::vector<KanalWert>& field)
    {
        const json* v = find(name);
        if (!v) return;
        const std::string where = at(name);
        const json& arr = arrayOf(*v, where);
        std::vector<KanalWert> value(arr.size());
        for (std::size_t i = 0; i < arr.size(); ++i) {
            const std::string here = element(where, i);
            const json& ch = arr[i];
            if (!ch.is_object()) fail(here, "expected an object, got " + describe(ch));
            int used = 0;
            auto part = [&](const char* key, int16_t& out) {
                auto it = ch.find(key);
                if (it == ch.end()) return;
                ++used;
                readValue(FieldKind::Integer, *it, out, here + "." + key);
            };
            part("ChFlags", value[i].ChFlags);
            part("MinVaCh", value[i].MinVaCh);
            part("MaxVaCh", value[i].MaxVaCh);
            part("ResVaCh", value[i].ResVaCh);
            if (static_cast<std::size_t>(used) != ch.size()) {
                for (const auto& [key, ignored] : ch.items())
                    if (key != "ChFlags" && key != "MinVaCh" && key != "MaxVaCh" && key != "ResVaCh")
                        fail(here, "unknown field \"" + key + "\"");
            }
        }
        field = std::move(value);
    }

private:
    const json* find(const char* name)
    {
        auto it = obj_.find(name);
        if (it == obj_.end()) return nullptr;
        ++matched_;
        return &*it;
    }
    std::string at(const char* name) const
    {
        std::string f = std::string("field \"") + name + "\"";
        return where_.empty() ? f : where_ + ", " + f;
    }

    const json& obj_;
    std::string where_;
    int matched_ = 0;
};

// The names a visitor walks, to tell unknown members apart.
class NameCollector {
public:
    std::set<std::string> names;
    template <class T>
    void operator()(FieldKind, const char* name, T&)
    {
        names.insert(name);
    }
    template <class T>
    void fixed(FieldKind, const char* name, T&)
    {
        names.insert(name);
    }
    template <class T>
    void subList(const char* name, T&)
    {
        names.insert(name);
    }
    template <class T>
    void channels(const char* name, T&)
    {
        names.insert(name);
    }
};

const std::set<std::string>& rowFieldNames()
{
    static const std::set<std::string> names = [] {
        NameCollector c;
        const RowEintrag r;
        visitRowFields(r, c);
        return c.names;
    }();
    return names;
}
const std::set<std::string>& cpuFieldNames()
{
    static const std::set<std::string> names = [] {
        NameCollector c;
        const CpuConfig cpu;
        visitCpuFields(cpu, c);
        return c.names;
    }();
    return names;
}
const std::set<std::string>& infoFieldNames()
{
    static const std::set<std::string> names = [] {
        NameCollector c;
        const ProjectInfo info;
        visitInfoFields(info, c);
        return c.names;
    }();
    return names;
}

const json& objectOf(const json& v, const std::string& where)
{
    if (!v.is_object()) fail(where, "expected an object, got " + describe(v));
    return v;
}

void refuseUnknown(const json& obj, const std::set<std::string>& known, std::initializer_list<const char*> extra,
                   const std::string& where)
{
    for (const auto& [key, ignored] : obj.items()) {
        if (known.count(key)) continue;
        bool ok = false;
        for (const char* e : extra) ok = ok || key == e;
        if (!ok) fail(where, "unknown field \"" + key + "\"");
    }
}

void readRecord(const json& obj, RowEintrag& r, const std::string& where)
{
    refuseUnknown(obj, rowFieldNames(), {"row", "CpuConfig"}, where);
    JsonReader rd(obj, where);
    visitRowFields(r, rd);
    auto cpu = obj.find("CpuConfig");
    if (cpu == obj.end()) return;
    const std::string cpuWhere = where + ", CpuConfig";
    objectOf(*cpu, cpuWhere);
    refuseUnknown(*cpu, cpuFieldNames(), {}, cpuWhere);
    JsonReader c(*cpu, cpuWhere);
    visitCpuFields(r.Cpu, c);
}

}  // namespace

bool isMultiLineText(std::string_view field)
{
    return field == "Kommentar" || field == "Beschreibung" || field == "Notizen";
}

std::string textRefusal(std::string_view field, const std::string& text)
{
    if (auto why = storageRefusal(text); !why.empty()) return why;
    if (!isMultiLineText(field) && hasControlCharacter(text))
        return "holds a control character (a line break, tab or other); this text must be one line";
    return {};
}

json parseJsonText(std::string_view text)
{
    // Each open object keeps the keys it has seen: a key given twice would
    // otherwise keep its last value without a word. The depth is bounded
    // far above any project so that nesting cannot exhaust memory.
    struct Level {
        bool object = false;
        std::string name;
        std::set<std::string> keys;
    };
    std::vector<Level> levels;
    std::string lastKey;
    auto callback = [&](int depth, json::parse_event_t event, json& parsed) {
        switch (event) {
            case json::parse_event_t::object_start:
            case json::parse_event_t::array_start:
                if (depth >= kMaxJsonDepth)
                    throw JsonError("nested deeper than " + std::to_string(kMaxJsonDepth) + " levels");
                levels.push_back({event == json::parse_event_t::object_start, lastKey, {}});
                lastKey.clear();
                break;
            case json::parse_event_t::object_end:
            case json::parse_event_t::array_end:
                if (!levels.empty()) levels.pop_back();
                break;
            case json::parse_event_t::key: {
                const std::string& key = parsed.get_ref<const std::string&>();
                if (!levels.empty() && levels.back().object && !levels.back().keys.insert(key).second) {
                    const std::string& in = levels.back().name;
                    throw JsonError("key \"" + key + "\" appears twice" +
                                    (in.empty() ? std::string(" in the same object") : " in \"" + in + "\""));
                }
                lastKey = key;
                break;
            }
            case json::parse_event_t::value:
                break;
        }
        return true;
    };
    try {
        return json::parse(text.begin(), text.end(), callback);
    } catch (const json::exception& e) {
        // The library's texts start with their own code in brackets: keep the
        // sentence after it.
        std::string what = e.what();
        if (auto close = what.find("] "); what.rfind("[json.exception.", 0) == 0 && close != std::string::npos)
            what = what.substr(close + 2);
        throw JsonError("not valid JSON: " + what);
    }
}

ProjectData importProject(const json& j)
{
    ProjectData data = projectFromJson(j);
    // A project file of another format version is refused when it is opened:
    // never make one.
    const json* info = nullptr;
    if (auto it = j.find("ProjectInfo"); it != j.end()) info = &*it;
    if (!info || !info->contains("FormatVersion"))
        throw JsonError("ProjectInfo, field \"FormatVersion\" is missing; a project file has format version " +
                        std::to_string(kFormatVersion));
    if (data.info.FormatVersion != kFormatVersion)
        throw JsonError("ProjectInfo, field \"FormatVersion\": " + std::to_string(data.info.FormatVersion) +
                        " cannot be opened; a project file has format version " + std::to_string(kFormatVersion));
    std::string error;
    const std::string bytes = encodeProject(data, &error);
    if (!error.empty()) throw JsonError(error);
    const ProjectReadResult back = decodeProject(bytes);
    if (back.status != ProjectReadStatus::Ok) throw JsonError("the project file would not open: " + back.detail);
    return data;
}

ordered_json recordToJson(const RowEintrag& record)
{
    ordered_json out = ordered_json::object();
    writeRecord(out, record);
    return out;
}

ordered_json projectToJson(const ProjectData& data)
{
    ordered_json out = ordered_json::object();
    out["format"] = kProjectJsonFormat;
    out["version"] = kProjectJsonVersion;
    ordered_json info = ordered_json::object();
    JsonWriter w(info);
    visitInfoFields(data.info, w);
    out["ProjectInfo"] = std::move(info);
    ordered_json rows = ordered_json::array();
    for (int r = 1; r <= kRecordsPerFile; ++r) {
        const RowEintrag& rec = data.rows[static_cast<std::size_t>(r)];
        if (rec.isEmpty()) continue;
        ordered_json row = ordered_json::object();
        row["row"] = r;
        writeRecord(row, rec);
        rows.push_back(std::move(row));
    }
    out["rows"] = std::move(rows);
    return out;
}

ProjectData projectFromJson(const json& j)
{
    if (!j.is_object()) throw JsonError("a project must be a JSON object, got " + describe(j));
    auto format = j.find("format");
    if (format == j.end() || !format->is_string() || format->get_ref<const std::string&>() != kProjectJsonFormat)
        throw JsonError(std::string("\"format\" must be \"") + kProjectJsonFormat + "\"");
    auto version = j.find("version");
    if (version == j.end()) throw JsonError("\"version\" is missing");
    if (!version->is_number_integer() || version->get<int64_t>() != kProjectJsonVersion)
        throw JsonError("unsupported \"version\" " + version->dump() + ", " + std::to_string(kProjectJsonVersion) +
                        " expected");
    for (const auto& [key, ignored] : j.items())
        if (key != "format" && key != "version" && key != "ProjectInfo" && key != "rows")
            throw JsonError("unknown member \"" + key + "\"");

    ProjectData data;
    if (auto info = j.find("ProjectInfo"); info != j.end()) {
        objectOf(*info, "ProjectInfo");
        refuseUnknown(*info, infoFieldNames(), {}, "ProjectInfo");
        JsonReader rd(*info, "ProjectInfo");
        visitInfoFields(data.info, rd);
    }
    auto rows = j.find("rows");
    if (rows == j.end()) return data;
    if (!rows->is_array()) throw JsonError("\"rows\" must be an array, got " + describe(*rows));
    std::array<bool, kRecordsPerFile + 1> seen{};
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const std::string where = "rows[" + std::to_string(i) + "]";
        const json& obj = objectOf((*rows)[i], where);
        auto row = obj.find("row");
        if (row == obj.end()) fail(where, "\"row\" is missing");
        const auto r = static_cast<std::size_t>(wholeNumber(*row, 1, kRecordsPerFile, where + ", \"row\""));
        if (seen[r]) fail(where, "row " + std::to_string(r) + " is listed twice");
        seen[r] = true;
        readRecord(obj, data.rows[r], "row " + std::to_string(r));
    }
    return data;
}

void setRecordField(RowEintrag& record, const std::string& name, const json& value)
{
    const bool ofRow = rowFieldNames().count(name) != 0;
    if (!ofRow && !cpuFieldNames().count(name)) throw JsonError("unknown field \"" + name + "\"");
    json obj = json::object();
    obj[name] = value;
    JsonReader rd(obj, "");
    if (ofRow)
        visitRowFields(record, rd);
    else
        visitCpuFields(record.Cpu, rd);
}

ordered_json modulesToJson(const ModuleCatalog& catalog)
{
    ordered_json out = ordered_json::array();
    for (int i = 1; i <= catalog.count(); ++i) {
        ordered_json m = ordered_json::object();
        m["index"] = i;
        writeRecord(m, catalog.at(i));
        out.push_back(std::move(m));
    }
    return out;
}

namespace {

ordered_json nodeToJson(const CatalogNode& n, const ModuleCatalog& catalog, bool root)
{
    ordered_json out = ordered_json::object();
    out["text"] = n.text;
    out["image"] = n.image;
    if (!n.isGroup) {
        if (catalog.validIndex(n.index)) {
            out["index"] = n.index;
            out["BestellNr"] = catalog.at(n.index).BestellNr;
        } else {
            out["index"] = nullptr;
            out["BestellNr"] = nullptr;
        }
        return out;
    }
    if (!root) out["tag"] = n.tag ? ordered_json(*n.tag) : ordered_json(nullptr);
    ordered_json children = ordered_json::array();
    for (const auto& c : n.children) children.push_back(nodeToJson(c, catalog, false));
    out["children"] = std::move(children);
    return out;
}

}  // namespace

ordered_json catalogToJson(const CatalogNode& root, const ModuleCatalog& catalog)
{
    return nodeToJson(root, catalog, true);
}

// ---------------------------------------------------------------- settings by name

namespace {

// The project as the program opens it: the dialogs read their records there.
ProjectTable openedTable(AppState& app, const ProjectData& data)
{
    ProjectTable table(app);
    table.ProjektLaden(data.info, data.rows);
    return table;
}

// A row's settings in the family's key order, for a reader.
ordered_json orderedSettings(const RowEintrag& record, const json& settings)
{
    ordered_json out = ordered_json::object();
    if (const SettingsFamily* family = settingsFamilyOf(record))
        for (const SettingInfo& k : family->keys)
            if (auto it = settings.find(k.key); it != settings.end()) out[k.key] = *it;
    for (const auto& [key, value] : settings.items())
        if (!out.contains(key)) out[key] = value;
    return out;
}

}  // namespace

ordered_json exportProject(AppState& app, const ProjectData& data)
{
    ordered_json out = projectToJson(data);
    const ProjectTable table = openedTable(app, data);
    for (ordered_json& row : out["rows"]) {
        const int r = row["row"].get<int>();
        const json settings = settingsOf(table, r);
        if (!settings.empty()) row["settings"] = orderedSettings(table.record(r), settings);
    }
    return out;
}

ProjectData importProject(AppState& app, const json& j)
{
    // The settings come off the rows before the fields are read; which rows
    // they stand on is known once the fields have been read and checked.
    json fields = j;
    std::vector<std::pair<std::size_t, json>> given;
    if (fields.is_object()) {
        if (auto rows = fields.find("rows"); rows != fields.end() && rows->is_array()) {
            for (std::size_t i = 0; i < rows->size(); ++i) {
                json& row = (*rows)[i];
                if (!row.is_object()) continue;
                auto s = row.find("settings");
                if (s == row.end()) continue;
                given.emplace_back(i, std::move(*s));
                row.erase("settings");
            }
        }
    }
    ProjectData data = importProject(fields);
    if (given.empty()) return data;
    const ProjectTable table = openedTable(app, data);
    for (const auto& [i, settings] : given) {
        const int r = fields["rows"][i]["row"].get<int>();
        const std::string where = "row " + std::to_string(r) + ", settings";
        if (settingsOf(table, r).empty()) fail(where, "this row has no parameter dialog and takes no settings");
        if (const SettingsApplied agree = settingsAgree(table, r, settings); !agree.ok) fail(where, agree.message);
    }
    return data;
}

ordered_json settingsFamiliesToJson()
{
    ordered_json families = ordered_json::array();
    for (const SettingsFamily& f : settingsFamilies()) {
        ordered_json keys = ordered_json::array();
        for (const SettingInfo& k : f.keys) {
            ordered_json key = ordered_json::object();
            key["key"] = k.key;
            key["type"] = k.type;
            if (k.type.ends_with("choice")) key["values"] = k.values;
            if (k.type.ends_with("integer")) {
                key["min"] = k.min;
                key["max"] = k.max;
            }
            key["label"] = k.label;
            key["meaning"] = k.meaning;
            keys.push_back(std::move(key));
        }
        families.push_back({{"name", f.name}, {"keys", std::move(keys)}});
    }
    ordered_json out = ordered_json::object();
    out["format"] = kSettingsJsonFormat;
    out["version"] = kSettingsJsonVersion;
    out["families"] = std::move(families);
    return out;
}

}  // namespace rm
