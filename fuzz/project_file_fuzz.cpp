// The project file reader over arbitrary bytes. What it accepts must be
// written back to the same bytes, must survive the JSON view unchanged, and
// must open into a table that opens the same way once saved.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/AppState.h"
#include "core/base/DecliningAsker.h"
#include "core/table/ProjectDocument.h"
#include "core/table/ProjectFile.h"
#include "core/table/ProjectJson.h"
#include "core/table/ProjectTable.h"

namespace {

// A CPU with connector, an extension rack, and modules of one, two and three rows.
const char* kCatalog =
    "[QMV2.R300]\r\n0\r\n0800\r\n0049\r\n0\r\n24\r\n0\r\n0804\r\n2\r\nCPU\r\n"
    "[QMV2.X100]\r\n0\r\n0400\r\n0040\r\n0\r\n0\r\n0\r\n0804\r\n2\r\nExtension\r\n"
    "[QMV2.D110]\r\n11\r\n4000\r\n0\r\n2\r\n0\r\n0\r\n1\r\n2\r\nDI\r\n"
    "[QMV2.E301]\r\n42\r\n5000\r\n0\r\n16\r\n0\r\n0\r\n1\r\n2\r\nAI\r\n"
    "[QMV2.K084]\r\n84\r\nE000\r\n0\r\n4\r\n4\r\n0\r\n2\r\n2\r\nQMV2.K084}QMV2.K084Y\r\nEncoder\r\n"
    "[QMV2.K084Y]\r\n84\r\n6000\r\n0\r\n4\r\n4\r\n0\r\n1\r\n2\r\nEncoder Y\r\n"
    "[QMV2.T300]\r\n0\r\nC000\r\n0\r\n8\r\n0\r\n0\r\n3\r\n2\r\nQMV2.T300}NULL}NULL\r\nThree rows\r\n";

rm::AppState& app()
{
    static rm::DecliningAsker asker;  // opening a file asks nothing; should a rule ask, it is declined
    static rm::AppState state = [] {
        rm::AppState s(asker);
        s.ModulKatalog = rm::parseModuleDescriptions(kCatalog);
        return s;
    }();
    return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    const rm::ProjectReadResult read = rm::decodeProject(in);
    if (read.status != rm::ProjectReadStatus::Ok) return 0;

    const std::string out = rm::encodeProject(read.data);
    if (in.substr(0, out.size()) != out) __builtin_trap();

    // The way back through JSON gives the same project, or refuses a one-line
    // text holding what would break a line of the source (a file from
    // elsewhere may hold one); nothing else may be refused.
    const nlohmann::json json = nlohmann::json::parse(rm::projectToJson(read.data).dump());
    try {
        if (!(rm::projectFromJson(json) == read.data)) __builtin_trap();
    } catch (const rm::JsonError& e) {
        const std::string_view why = e.what();
        if (why.find("holds a control character") == std::string_view::npos &&
            why.find("holds ' or $") == std::string_view::npos)
            __builtin_trap();
    }

    // Opening keeps what the table can show; saving that and opening it
    // again must give the same records and the same table.
    rm::ProjectTable table(app());
    table.ProjektLaden(read.data.info, read.data.rows);
    const rm::ProjectData shown = rm::projectDataOf(table);
    rm::ProjectTable again(app());
    again.ProjektLaden(shown.info, shown.rows);
    if (!(rm::projectDataOf(again) == shown) || again.lastRow() != table.lastRow()) __builtin_trap();
    for (int r = 0; r <= table.lastRow(); ++r)
        for (int c = 0; c < rm::ProjectTable::kColumns; ++c)
            if (again.cell(r, c) != table.cell(r, c)) __builtin_trap();
    return 0;
}
