#include "core/project/BillOfMaterial.h"

#include <algorithm>
#include <functional>

#include "core/modules/ModuleOk.h"
#include "core/project/BomCsv.h"
#include "core/project/ProjectJson.h"
#include "core/project/ProjectTable.h"

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

}  // namespace

struct BillBuilder::Asking : ConfirmingAsker {};

BillBuilder::BillBuilder(AppState& shared)
    : asker_(std::make_unique<Asking>()), app_(std::make_unique<AppState>(*asker_, shared.texts.base()))
{
    app_->ModulKatalog = shared.ModulKatalog;
    table_ = std::make_unique<ProjectTable>(*app_);
}

BillBuilder::~BillBuilder() = default;

BuildResult::Status BillBuilder::place(const nlohmann::json& p, const std::string& label, std::string& message)
{
    ProjectTable& table = *table_;
    auto& notices = asker_->notices;
    try {
        if (!p.is_object() || !p.contains("row") || !p["row"].is_number_integer() || !p.contains("module") ||
            !p["module"].is_string())
            throw JsonError(label + " needs a \"row\" number and a \"module\" text");
        for (const auto& [key, value] : p.items())
            if (key != "row" && key != "module" && key != "InBase" && key != "OutBase" && key != "set")
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
        app, parsed.bill, outputPath,
        [&](std::size_t i) { return "line " + std::to_string(parsed.lines.at(i)); }, true);
}

}  // namespace rm
