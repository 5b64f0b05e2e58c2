#include "core/project/BillOfMaterial.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <functional>

#include "core/modules/ModuleOk.h"
#include "core/project/BomCsv.h"
#include "core/settings/ModuleSettings.h"
#include "core/table/ProjectJson.h"
#include "core/table/ProjectTable.h"

namespace rm {
namespace {

// Says Yes to every question and keeps the messages that only inform.
class ConfirmingAsker : public Asker {
public:
    int ShowMessage(const std::string& prompt, const std::string&, int s) override
    {
        switch (style::buttons(s)) {
            case style::YesNo:
            case style::YesNoCancel:
                return answer::Yes;
            default:
                notices.push_back(prompt);
                return answer::Ok;
        }
    }
    std::vector<std::string> notices;
};

void setInfoFields(ProjectInfo& info, const nlohmann::json& j)
{
    if (!j.is_object()) throw JsonError("\"ProjectInfo\" must be an object");
    for (auto it = j.begin(); it != j.end(); ++it) {
        const std::string name = it.key();
        const nlohmann::json& value = it.value();
        bool known = false;
        visitInfoFields(info, [&](FieldKind k, const char* field, auto& ref) {
            if (name != field) return;
            known = true;
            using T = std::decay_t<decltype(ref)>;
            if constexpr (std::is_same_v<T, std::string>) {
                if (!value.is_string()) throw JsonError("ProjectInfo." + name + " must be a text");
                // Refused as a project JSON refuses it, never cut or changed.
                const std::string& text = value.get_ref<const std::string&>();
                if (auto why = textRefusal(name, text); !why.empty())
                    throw JsonError("ProjectInfo, field \"" + name + "\": " + why);
                ref = text;
            } else {
                if (value.is_boolean() && k == FieldKind::Boolean) {
                    ref = value.get<bool>() ? kTrue : kFalse;
                } else if (value.is_number_integer() && value.get<long long>() >= INT16_MIN &&
                           value.get<long long>() <= INT16_MAX) {
                    ref = static_cast<int16_t>(value.get<long long>());
                } else {
                    throw JsonError("ProjectInfo." + name + " must be a number from -32768 to 32767");
                }
            }
        });
        if (!known) throw JsonError("unknown field ProjectInfo." + name);
    }
}

// A value of a CSV cell as the key's type takes it; a text that is no such
// value stays a text, for applySettings to refuse with what is allowed.
nlohmann::json typedValue(const std::string& type, const std::string& text)
{
    if (type == "integer") {
        long long v = 0;
        const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
        const auto [end, ec] = std::from_chars(first, text.data() + text.size(), v);
        if (ec == std::errc() && end == text.data() + text.size() && first != end) return v;
    } else if (type == "boolean") {
        std::string lower;
        for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower == "true") return true;
        if (lower == "false") return false;
    }
    return text;
}

// Settings read from CSV cells: each text turned into its key's type; a
// per-channel list has its entries separated by kCsvListSeparator.
nlohmann::json typedSettings(const RowEintrag& record, const nlohmann::json& texts)
{
    nlohmann::json out = nlohmann::json::object();
    const auto keys = settingKeysOf(record);
    for (const auto& item : texts.items()) {
        // A named copy: a lambda may not capture a structured binding on every compiler we build with.
        const std::string& key = item.key();
        const nlohmann::json& value = item.value();
        const auto info = std::find_if(keys.begin(), keys.end(), [&](const SettingInfo* k) { return k->key == key; });
        if (info == keys.end() || !value.is_string()) {
            out[key] = value;
            continue;
        }
        const std::string& type = (*info)->type;
        const std::string& text = value.get_ref<const std::string&>();
        if (!type.starts_with("list of ")) {
            out[key] = typedValue(type, text);
            continue;
        }
        nlohmann::json list = nlohmann::json::array();
        for (std::size_t pos = 0;;) {
            const std::size_t bar = text.find(kCsvListSeparator, pos);
            list.push_back(typedValue(type.substr(8), text.substr(pos, bar - pos)));
            if (bar == std::string::npos) break;
            pos = bar + 1;
        }
        out[key] = std::move(list);
    }
    return out;
}

}  // namespace

struct BillBuilder::Asking : ConfirmingAsker {};

BillBuilder::BillBuilder(AppState& shared)
    : asker_(std::make_unique<Asking>()), app_(std::make_unique<AppState>(*asker_, shared.texts.base()))
{
    app_->ModulKatalog = shared.ModulKatalog;
    table_ = std::make_unique<ProjectTable>(*app_);
}

BillBuilder::~BillBuilder() = default;

BuildResult::Status BillBuilder::rowSteps(int row, const nlohmann::json& p, const std::string& name,
                                          std::string& message)
{
    ProjectTable& table = *table_;
    auto& notices = asker_->notices;
    auto refuse = [&](const std::string& why) {
        message = name + ": " + why;
        return BuildResult::Refused;
    };
    if (p.contains("InBase") || p.contains("OutBase")) {
        const RowEintrag& placed = table.record(row);
        if (placed.isCpuOrExtension() || ProjectTable::rowsOf(placed) != 1 || table.rowEmpty(row))
            return refuse("start addresses can only be entered for a module of one row");
        for (const char* key : {"InBase", "OutBase"})
            if (p.contains(key) && !p[key].is_number_integer())
                throw JsonError(name + ": \"" + key + "\" must be a whole number");
        table.prepareDialog(row);
        EnteredAddresses entered;
        entered.hasIn = placed.hasFlag(flags::Inputs);
        entered.hasOut = placed.hasFlag(flags::Outputs);
        auto value = [&](const char* key, int16_t current) {
            const long long v = p.contains(key) ? p[key].get<long long>() : current;
            return static_cast<long>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
        };
        entered.in = value("InBase", placed.InBase);
        entered.out = value("OutBase", placed.OutBase);
        if (entered.in < 0 || entered.out < 0) return refuse("start addresses are 0 or more");
        notices.clear();
        if (runModuleOk(table, entered) != ModuleOkResult::Written)
            return refuse(notices.empty() ? "the addresses were not accepted" : notices.front());
    }
    if (p.contains("settings")) {
        if (!p["settings"].is_object()) throw JsonError(name + ": \"settings\" must be an object");
        const nlohmann::json settings = textSettings_ ? typedSettings(table.record(row), p["settings"]) : p["settings"];
        notices.clear();
        const SettingsApplied applied = applySettings(table, row, settings);
        if (!applied.ok) return refuse("settings: " + applied.message);
    }
    if (p.contains("set")) {
        if (!p["set"].is_object()) throw JsonError(name + ": \"set\" must be an object");
        for (const auto& [field, value] : p["set"].items()) {
            try {
                setRecordField(table.record(row), field, value);
            } catch (const JsonError& e) {
                throw JsonError(name + ": " + e.what());
            }
        }
    }
    return BuildResult::Ok;
}

BuildResult::Status BillBuilder::place(const nlohmann::json& p, const std::string& label, std::string& message)
{
    ProjectTable& table = *table_;
    auto& notices = asker_->notices;
    try {
        if (!p.is_object() || !p.contains("row") || !p["row"].is_number_integer() || !p.contains("module") ||
            !p["module"].is_string())
            throw JsonError(label + " needs a \"row\" number and a \"module\" text");
        for (const auto& [key, value] : p.items())
            if (key != "row" && key != "module" && key != "InBase" && key != "OutBase" && key != "settings" &&
                key != "set" && key != "parts")
                throw JsonError(label + ": unknown key \"" + key + "\"");
        const long long rowValue = p["row"].get<long long>();
        const std::string module = p["module"].get<std::string>();
        const int row = rowValue >= 1 && rowValue <= table.lastRow() ? static_cast<int>(rowValue) : 0;
        const std::string name = label + " (" + module + " in row " + std::to_string(rowValue) + ")";
        auto refuse = [&](const std::string& why) {
            message = name + ": " + why;
            return BuildResult::Refused;
        };
        if (!row) return refuse("the project has no row " + std::to_string(rowValue));
        const int index = app_->ModulKatalog.indexOf(module);
        if (!index) return refuse("the catalog has no module with this order number");

        table.setCurrentRow(row);
        notices.clear();
        if (!table.DblClickInTree(index) && !notices.empty()) return refuse(notices.front());

        if (auto status = rowSteps(row, p, name, message); status != BuildResult::Ok) return status;
        if (p.contains("parts")) {
            const nlohmann::json& parts = p["parts"];
            if (!parts.is_array()) throw JsonError(name + ": \"parts\" must be an array");
            const int further = ProjectTable::rowsOf(table.record(row)) - 1;
            if (table.record(row).isCpuOrExtension() || parts.size() > static_cast<std::size_t>(further))
                return refuse("\"parts\" gives " + std::to_string(parts.size()) + " further rows; the module has " +
                              std::to_string(table.record(row).isCpuOrExtension() ? 0 : further));
            for (std::size_t i = 0; i < parts.size(); ++i) {
                const int at = row + 1 + static_cast<int>(i);
                const std::string part = name + ", row " + std::to_string(at);
                if (!parts[i].is_object()) throw JsonError(part + ": a part must be an object");
                for (const auto& [key, value] : parts[i].items())
                    if (key != "InBase" && key != "OutBase" && key != "settings" && key != "set")
                        throw JsonError(part + ": unknown key \"" + key + "\"");
                if (auto status = rowSteps(at, parts[i], part, message); status != BuildResult::Ok) return status;
            }
        }
    } catch (const JsonError& e) {
        message = e.what();
        return BuildResult::Invalid;
    } catch (const nlohmann::json::exception& e) {
        message = label + ": " + e.what();
        return BuildResult::Invalid;
    }
    return BuildResult::Ok;
}

namespace {

// `label(i)` names the placement i in messages.
BuildResult buildFrom(AppState& shared, const nlohmann::json& bill, const std::filesystem::path& outputPath,
                      const std::function<std::string(std::size_t)>& label, bool textSettings)
{
    BuildResult res;
    BillBuilder builder(shared);
    builder.settingsFromText(textSettings);
    try {
        if (!bill.is_object()) throw JsonError("the bill of material must be a JSON object");
        ProjectInfo info;
        if (bill.contains("ProjectInfo")) setInfoFields(info, bill["ProjectInfo"]);
        for (const auto& [key, value] : bill.items())
            if (key != "ProjectInfo" && key != "placements") throw JsonError("unknown key \"" + key + "\"");
        const nlohmann::json placements = bill.value("placements", nlohmann::json::array());
        if (!placements.is_array()) throw JsonError("\"placements\" must be an array");

        for (std::size_t i = 0; i < placements.size(); ++i) {
            res.status = builder.place(placements[i], label(i), res.message);
            if (res.status != BuildResult::Ok) return res;
        }
        std::error_code ec;
        auto abs = std::filesystem::absolute(outputPath, ec);
        info.FormatVersion = kFormatVersion;
        info.Gespeichert = kTrue;
        info.ProjektPfad = (ec ? outputPath : abs).string();
        info.ProjektTitel = outputPath.filename().string();
        res.project.info = info;
        res.project.rows = builder.table().RowArray();
        res.project.rows[0] = RowEintrag{};
    } catch (const JsonError& e) {
        res.status = BuildResult::Invalid;
        res.message = e.what();
    } catch (const nlohmann::json::exception& e) {
        res.status = BuildResult::Invalid;
        res.message = e.what();
    }
    return res;
}

}  // namespace

BuildResult buildProject(AppState& app, const nlohmann::json& bill, const std::filesystem::path& outputPath)
{
    return buildFrom(
        app, bill, outputPath, [](std::size_t i) { return "placement " + std::to_string(i); }, false);
}

BuildResult buildProjectFromCsv(AppState& app, std::string_view csv, const std::filesystem::path& outputPath)
{
    CsvBill parsed;
    try {
        parsed = billFromCsv(csv);
    } catch (const JsonError& e) {
        BuildResult res;
        res.status = BuildResult::Invalid;
        res.message = e.what();
        return res;
    }
    return buildFrom(
        app, parsed.bill, outputPath, [&](std::size_t i) { return "line " + std::to_string(parsed.lines.at(i)); },
        true);
}

}  // namespace rm
