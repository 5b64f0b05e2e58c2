// The paths a user waits for: start-up (module descriptions and catalog
// tree), opening a full project, saving it and generating its source, and
// what runs after every edit: recording the step, undo and redo, the address
// overview and the station picture, and a catalog search.
#include <benchmark/benchmark.h>

#include <string>

#include "core/app/AppState.h"
#include "core/base/IniFile.h"
#include "core/catalog/CatalogSearch.h"
#include "core/catalog/CatalogTree.h"
#include "core/catalog/ModuleCatalog.h"
#include "core/dbgen/SourceGenerator.h"
#include "core/project/ProjectCheck.h"
#include "core/project/StationLayout.h"
#include "core/table/ProjectDocument.h"
#include "core/table/ProjectFile.h"
#include "core/table/ProjectHistory.h"
#include "core/table/ProjectJson.h"
#include "core/table/ProjectTable.h"

namespace {

constexpr int kModules = 5000;
constexpr int kGroups = 10;     // top-level groups
constexpr int kSubGroups = 10;  // sub-groups of each
constexpr int kPerSubGroup = kModules / (kGroups * kSubGroups);

std::string moduleOrder(int i)
{
    std::string digits = std::to_string(i);
    return "QMV2.M" + std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

void record(std::string& out, const std::string& order, const char* ident, const char* flags, const char* modus, int in,
            int outBytes, const char* subCount, const std::string& designation)
{
    out += "[" + order + "]\r\n" + ident + "\r\n" + flags + "\r\n" + modus + "\r\n" + std::to_string(in) + "\r\n" +
           std::to_string(outBytes) + "\r\n0\r\n" + subCount + "\r\n2\r\n" + designation + "\r\n";
    out += "Synthetic entry for timing.\r\n; a comment line\r\nSecond description line.\r\n";
}

// A CPU with 30 slots and a connector, an extension rack of 30 slots, and
// 5,000 digital and analog modules of family 2.
std::string catalogText()
{
    std::string out = "; synthetic module descriptions\r\n";
    record(out, "QMV2.R900", "0", "0800", "0049", 0, 96, "1E0A", "CPU with 30 slots");
    record(out, "QMV2.X900", "0", "0400", "0040", 0, 0, "1E0A", "Extension rack with 30 slots");
    for (int i = 0; i < kModules; ++i) {
        const std::string name = "Module " + std::to_string(i);
        switch (i % 4) {
            case 0:
                record(out, moduleOrder(i), "11", "4000", "0", 2, 0, "1", name);
                break;
            case 1:
                record(out, moduleOrder(i), "12", "2000", "0", 0, 2, "1", name);
                break;
            case 2:
                record(out, moduleOrder(i), "13", "6000", "0", 1, 1, "1", name);
                break;
            default:
                record(out, moduleOrder(i), "42", "5000", "0", 16, 0, "1", name);
                break;
        }
    }
    return out;
}

// Every module listed once: ten groups of ten sub-groups of fifty modules.
std::string katalogText()
{
    std::string out =
        "[Katalog]\r\nTitle=Synthetic\r\nEntries=" + std::to_string(kGroups + 1) + "\r\nEntry1=CPU QMV\r\n";
    for (int g = 0; g < kGroups; ++g) out += "Entry" + std::to_string(g + 2) + "=Group " + std::to_string(g) + "\r\n";
    out += "[CPU QMV]\r\nEntries=2\r\nEntry1=QMV2.R900\r\nEntry2=QMV2.X900\r\n";
    int next = 0;
    for (int g = 0; g < kGroups; ++g) {
        out += "[Group " + std::to_string(g) + "]\r\nEntries=" + std::to_string(kSubGroups) + "\r\n";
        for (int s = 0; s < kSubGroups; ++s)
            out += "Entry" + std::to_string(s + 1) + "=Group " + std::to_string(g) + "." + std::to_string(s) + "\r\n";
        for (int s = 0; s < kSubGroups; ++s) {
            out += "[Group " + std::to_string(g) + "." + std::to_string(s) +
                   "]\r\nEntries=" + std::to_string(kPerSubGroup) + "\r\n";
            for (int m = 0; m < kPerSubGroup; ++m)
                out += "Entry" + std::to_string(m + 1) + "=" + moduleOrder(next++) + "\r\n";
        }
    }
    return out;
}

class YesAsker : public rm::Asker {
public:
    int ShowMessage(const std::string&, const std::string&, int style) override
    {
        const int b = rm::style::buttons(style);
        return b == rm::style::YesNo || b == rm::style::YesNoCancel ? rm::answer::Yes : rm::answer::Ok;
    }
};

// Built once: the catalog texts, and a project with the CPU, two extension
// racks and a module in every slot, saved as a project file.
struct Setup {
    std::string modulesText = catalogText();
    std::string iniText = katalogText();
    YesAsker asker;
    rm::AppState app{asker};
    std::string projectFile;
    int modulesPlaced = 0;
    std::string error;

    Setup()
    {
        app.ModulKatalog = rm::parseModuleDescriptions(modulesText);
        rm::ProjectTable table(app);
        auto place = [&](const std::string& order, int row) {
            table.setCurrentRow(row);
            return table.DblClickInTree(app.ModulKatalog.indexOf(order));
        };
        if (!place("QMV2.R900", 1)) error = "the CPU could not be placed";
        int extensions = 0, next = 0;
        for (int r = 2; r <= table.lastRow() && error.empty(); ++r) {
            const int kind = table.RowIs(r);
            if (kind == rm::kind::Connector && extensions < 2) {
                if (place("QMV2.X900", r)) ++extensions;
            } else if (kind == rm::kind::Slot && table.rowEmpty(r)) {
                if (place(moduleOrder((next++ * 37) % kModules), r)) ++modulesPlaced;
            }
        }
        if (extensions != 2) error = "the extension racks could not be placed";
        table.info().ProjektName = "Benchmark";
        table.info().FormatVersion = rm::kFormatVersion;
        projectFile = rm::encodeProject(rm::projectDataOf(table));
    }
};

Setup& setup()
{
    static Setup s;
    return s;
}

bool ready(benchmark::State& state)
{
    if (!setup().error.empty()) {
        state.SkipWithError(setup().error.c_str());
        return false;
    }
    return true;
}

void BM_ParseModuleDescriptions(benchmark::State& state)
{
    const std::string& text = setup().modulesText;
    for (auto _ : state) benchmark::DoNotOptimize(rm::parseModuleDescriptions(text));
    state.SetItemsProcessed(state.iterations() * (kModules + 2));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseModuleDescriptions)->Unit(benchmark::kMillisecond);

void BM_ParseCatalogFile(benchmark::State& state)
{
    const std::string& text = setup().iniText;
    for (auto _ : state) benchmark::DoNotOptimize(rm::IniFile(text));
}
BENCHMARK(BM_ParseCatalogFile)->Unit(benchmark::kMillisecond);

int modulesIn(const rm::CatalogNode& node)
{
    int n = !node.isGroup && node.index != 0;
    for (const auto& c : node.children) n += modulesIn(c);
    return n;
}

void BM_CreateTreeV(benchmark::State& state)
{
    const rm::IniFile ini(setup().iniText);
    const rm::ModuleCatalog& cat = setup().app.ModulKatalog;
    if (modulesIn(rm::CreateTreeV(ini, cat)) != kModules + 2) {
        state.SkipWithError("the tree does not hold every module");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(rm::CreateTreeV(ini, cat));
    state.SetItemsProcessed(state.iterations() * kModules);
}
BENCHMARK(BM_CreateTreeV)->Unit(benchmark::kMillisecond);

// Start-up as a whole: both files parsed and the tree built.
void BM_LoadCatalogAndTree(benchmark::State& state)
{
    for (auto _ : state) {
        rm::ModuleCatalog cat = rm::parseModuleDescriptions(setup().modulesText);
        rm::IniFile ini(setup().iniText);
        benchmark::DoNotOptimize(rm::CreateTreeV(ini, cat));
    }
}
BENCHMARK(BM_LoadCatalogAndTree)->Unit(benchmark::kMillisecond);

void BM_OpenProject(benchmark::State& state)
{
    if (!ready(state)) return;
    for (auto _ : state) {
        rm::ProjectReadResult read = rm::decodeProject(setup().projectFile);
        rm::ProjectTable table(setup().app);
        table.ProjektLaden(read.data.info, read.data.rows);
        benchmark::DoNotOptimize(table.lastRow());
    }
    state.counters["modules"] = setup().modulesPlaced;
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(setup().projectFile.size()));
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMicrosecond);

void BM_SaveProject(benchmark::State& state)
{
    if (!ready(state)) return;
    const rm::ProjectData data = rm::decodeProject(setup().projectFile).data;
    for (auto _ : state) benchmark::DoNotOptimize(rm::encodeProject(data));
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMicrosecond);

void BM_ProjectToJsonText(benchmark::State& state)
{
    if (!ready(state)) return;
    const rm::ProjectData data = rm::decodeProject(setup().projectFile).data;
    for (auto _ : state) benchmark::DoNotOptimize(rm::projectToJson(data).dump());
}
BENCHMARK(BM_ProjectToJsonText)->Unit(benchmark::kMicrosecond);

void BM_GenerateSource(benchmark::State& state)
{
    if (!ready(state)) return;
    rm::ProjectReadResult read = rm::decodeProject(setup().projectFile);
    rm::ProjectTable table(setup().app);
    table.ProjektLaden(read.data.info, read.data.rows);
    for (auto _ : state) benchmark::DoNotOptimize(rm::generateSource(table, 0, 1));
    state.counters["modules"] = setup().modulesPlaced;
}
BENCHMARK(BM_GenerateSource)->Unit(benchmark::kMicrosecond);

// The full project opened, with one step in its history: a module deleted.
struct Edited {
    rm::ProjectTable table{setup().app};
    rm::ProjectHistory history;
    bool ok = false;
    Edited()
    {
        rm::ProjectReadResult read = rm::decodeProject(setup().projectFile);
        table.ProjektLaden(read.data.info, read.data.rows);
        history.reset(table);
        for (int r = 2; r <= table.lastRow() && !ok; ++r) {
            if (table.RowIs(r) != rm::kind::Slot || table.rowEmpty(r)) continue;
            history.begin(table, "Delete");
            table.setCurrentRow(r);
            table.FktDelete();
            ok = history.end(table);
        }
    }
};

// Taking the state before and after a user action, as every edit does.
void BM_RecordStep(benchmark::State& state)
{
    if (!ready(state)) return;
    Edited e;
    for (auto _ : state) {
        e.history.begin(e.table, "Project information");
        e.table.info().Notizen.push_back('x');
        benchmark::DoNotOptimize(e.history.end(e.table));
        if (e.table.info().Notizen.size() > 64) e.table.info().Notizen.clear();
    }
}
BENCHMARK(BM_RecordStep)->Unit(benchmark::kMicrosecond);

void BM_UndoStep(benchmark::State& state)
{
    if (!ready(state)) return;
    Edited e;
    if (!e.ok) return state.SkipWithError("no module to delete");
    for (auto _ : state) {
        benchmark::DoNotOptimize(e.history.undo(e.table));
        state.PauseTiming();
        e.history.redo(e.table);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMicrosecond);

void BM_RedoStep(benchmark::State& state)
{
    if (!ready(state)) return;
    Edited e;
    if (!e.ok) return state.SkipWithError("no module to delete");
    for (auto _ : state) {
        state.PauseTiming();
        e.history.undo(e.table);
        state.ResumeTiming();
        benchmark::DoNotOptimize(e.history.redo(e.table));
    }
}
BENCHMARK(BM_RedoStep)->Unit(benchmark::kMicrosecond);

void BM_AddressOverview(benchmark::State& state)
{
    if (!ready(state)) return;
    Edited e;
    for (auto _ : state) benchmark::DoNotOptimize(rm::addressOverview(e.table, setup().app.ModulKatalog));
    state.counters["modules"] = setup().modulesPlaced;
}
BENCHMARK(BM_AddressOverview)->Unit(benchmark::kMicrosecond);

// The station picture of the full project, computed after every edit.
void BM_StationLayout(benchmark::State& state)
{
    if (!ready(state)) return;
    Edited e;
    if (rm::layoutStations(e.table).bands.size() != 3) return state.SkipWithError("not three stations");
    for (auto _ : state) benchmark::DoNotOptimize(rm::layoutStations(e.table));
    state.counters["rows"] = e.table.lastRow();
}
BENCHMARK(BM_StationLayout)->Unit(benchmark::kMicrosecond);

// One keystroke in the search field: the matching modules over 5,000 and the
// tree cut down to them.
void BM_CatalogSearch(benchmark::State& state)
{
    const rm::ModuleCatalog& cat = setup().app.ModulKatalog;
    const rm::CatalogNode tree = rm::CreateTreeV(rm::IniFile(setup().iniText), cat);
    const rm::CatalogSearch search(cat);
    if (search.find("module 49").size() != 111) return state.SkipWithError("unexpected hits");
    for (auto _ : state) {
        benchmark::DoNotOptimize(search.find("module 49"));
        benchmark::DoNotOptimize(rm::filterTree(tree, search, "module 49"));
    }
    state.SetItemsProcessed(state.iterations() * kModules);
}
BENCHMARK(BM_CatalogSearch)->Unit(benchmark::kMicrosecond);

}  // namespace
