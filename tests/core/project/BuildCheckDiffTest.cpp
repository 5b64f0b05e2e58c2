// Projects built from a bill of material, checked, and compared.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "core/modules/ModuleOk.h"
#include "core/project/BillOfMaterial.h"
#include "core/project/ProjectCheck.h"
#include "core/project/ProjectDiff.h"
#include "core/project/ProjectFixture.h"
#include "core/project/StatusSummary.h"
#include "core/settings/ModuleSettings.h"

namespace rm::test {
namespace {

using nlohmann::json;

class Bills : public ProjectFixture {
protected:
    BuildResult build(const std::string& text) { return buildProject(app, json::parse(text), "/tmp/out/hall2.qv4"); }
};

TEST_F(Bills, PlacementsRunInOrder)
{
    auto res = build(R"({"ProjectInfo": {"ProjektName": "Hall2"},
        "placements": [{"row": 1, "module": "QMV2.R300"}, {"row": 5, "module": "QMV2.D110"},
                       {"row": 6, "module": "QMV2.D310", "InBase": 0, "OutBase": 40, "set": {"PANr": 1}},
                       {"row": 9, "module": "QMV2.T300"}, {"row": 5, "module": "QMV2.D110"}]})");
    ASSERT_EQ(res.status, BuildResult::Ok) << res.message;
    const auto& rows = res.project.rows;
    EXPECT_EQ(rows[6].PANr, 1);
    EXPECT_EQ(res.project.info.ProjektPfad, "/tmp/out/hall2.qv4");
    EXPECT_TRUE(asker.shown.empty());  // the build never asks the user
}

TEST_F(Bills, RefusalsNameThePlacement)
{
    auto refused = [&](const std::string& placements, const std::string& words) {
        auto res = build(R"({"placements": [{"row": 1, "module": "QMV2.R300"}, )" + placements + "]}");
        EXPECT_EQ(res.status, BuildResult::Refused) << placements;
        EXPECT_NE(res.message.find("placement 1"), std::string::npos) << res.message;
        EXPECT_NE(res.message.find(words), std::string::npos) << res.message;
    };
    refused(R"({"row": 5, "module": "QMV9.NONE"})", "no module");
    refused(R"({"row": 40, "module": "QMV2.D110"})", "no row 40");
    refused(R"({"row": 5, "module": "QMV2.D110", "InBase": 31999})",
            "maximale Address: 32000\nRange asked for: 31999..32000");
    refused(R"({"row": 5, "module": "QMV2.T300", "InBase": 8})", "one row");
    refused(R"({"row": 5, "module": "QMV2.D110", "InBase": -4})", "0 or more");
    for (const char* text : {R"([])", R"({"placements": {}})", R"({"placements": [{"row": "1", "module": "X"}]})",
                             R"({"placements": [{"row": 1, "module": "QMV2.R300", "set": {"Nope": 1}}]})",
                             R"({"ProjectInfo": {"Who": "me"}})", R"({"extra": 1})"}) {
        EXPECT_EQ(build(text).status, BuildResult::Invalid) << text;
    }
    const auto part = build(R"({"placements": [{"row": 1, "module": "QMV2.R300"}, {"row": 5, "module": "QMV2.K084", )"
                            R"("parts": [5]}]})");
    EXPECT_EQ(part.status, BuildResult::Invalid);
    EXPECT_NE(part.message.find("row 6: a part must be an object"), std::string::npos) << part.message;
}

// Both ranges of a module moved: the question for the inputs comes first.
TEST_F(Bills, ModuleOkAsksForInputsFirst)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.D110", "#5"}, {"QMV2.D310", "#6"}, {"QMV2.D310", "#7"}});
    asker.expect("Next free address:4", answer::Yes).expect("Next free address:2", answer::Yes);
    table.prepareDialog(6);
    EXPECT_EQ(runModuleOk(table, {3, 1, true, true}), ModuleOkResult::Written);
}

class CheckAndDiff : public ProjectFixture {};

TEST_F(CheckAndDiff, CheckFindsRangesNoDialogGives)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.D110", "#5"}, {"QMV2.D210", "#6"}});
    auto clean = checkProject(table, app.ModulKatalog);
    EXPECT_TRUE(clean.problems.empty());
    ASSERT_EQ(clean.lines.size(), 3u);
    EXPECT_EQ(clean.lines[1].inputs, "0..1");

    // Values no dialog gives but a received file can hold: each is a problem
    // of its own, and the check never says "no problems" to them.
    table.record(7) = table.record(5);
    using Case = std::tuple<int, int32_t, std::vector<std::string>>;  // InBase, InCnt, what is said
    const Case cases[] = {
        {-32768, 2, {"slot 3 (row 7): inputs -32768..-32767 start below 0"}},
        {-8, 2, {"slot 3 (row 7): inputs -8..-7 start below 0"}},
        {100, 32767, {"slot 3 (row 7): inputs 100..32866 reach 32000 or more"}},
        {100,
         2147483647,
         {"slot 3 (row 7): inputs 100..2147483746 reach 32000 or more",
          "slot 3 (row 7): inputs 100..2147483746: 2147483647 bytes do not fit a count field (at most 32767)"}},
    };
    for (const auto& [base, count, said] : cases) {
        table.record(7).InBase = static_cast<int16_t>(base);
        table.record(7).InCnt = count;
        EXPECT_EQ(checkProject(table, app.ModulKatalog).problems, said) << base << " " << count;
    }
    // The problems list says the same in the user's language.
    const auto problems = findProblems(table, app.ModulKatalog);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problemText(app.texts, table, problems[1]),
              "slot 3: inputs 100..2147483746: 2147483647 bytes do not fit a count field (at most 32767)");
}

// The status line's summary: each station in table order with its numbered
// slots used and free; nothing before a CPU is placed.
TEST_F(CheckAndDiff, StationSlotsCountUsedAndFreePerStation)
{
    EXPECT_TRUE(stationSlots(table).empty());
    put({{"QMV2.R300", "#1"}, {"QMV2.D110", "1"}, {"QMV2.D210", "3"}, {"QMV2.X100", "+"}, {"QMV2.D110", "9"}});
    EXPECT_EQ(stationSlotsText(app.texts, stationSlots(table)),
              "QMV2.R300: slots used 2, free 6; QMV2.X100: slots used 1, free 7");
    // The I/O list and the symbols number the stations from 0, the CPU's.
    EXPECT_EQ((std::array<int, 2>{stationNumber(table, slotRow("3")), stationNumber(table, slotRow("9"))}),
              (std::array<int, 2>{0, 1}));
}

TEST_F(CheckAndDiff, DiffInWordsNamesSettingsSlotsAndLabels)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.D110", "#5"}, {"QMV2.D210", "#6"}, {"QMV2.D310", "#7"}});
    ProjectTable other = table;
    EXPECT_TRUE(diffProjects(table, other).empty());
    other.info().ProjektPfad = "/elsewhere.qv4";  // where the file lies does not count
    other.info().Autor = "Service";
    other.info().Reserve4 = "x";                // no label shows it: its field name
    other.record(5).Kommentar = "north\nwall";  // the dialog's comment: its setting, not the field
    other.record(5).Param1 = 1;                 // no setting shows it, nor its lowest bit
    app.CurrentModule = other.record(6);        // moved
    ASSERT_TRUE(other.dropFromTable(other, 6, 9, false));
    other.setCurrentRow(7);
    app.ConfirmDelete = false;
    other.FktDelete();  // removed
    other.setCurrentRow(10);
    ASSERT_TRUE(other.DblClickInTree(indexOf(app.ModulKatalog, "QMV2.E301")));  // placed
    EXPECT_EQ(diffProjects(table, other),
              (std::vector<std::string>{
                  "project information: Autor \"\" -> \"Service\"", "project information: Reserve4 \"\" -> \"x\"",
                  "slot 1 (row 5): QMV2.D110 changed: Kommentar \"\" -> \"north\nwall\", Param1 0 -> 1",
                  "QMV2.D210 moved from slot 2 (row 6) to slot 5 (row 9)", "slot 3 (row 7): QMV2.D310 removed",
                  "slot 6 (row 10): QMV2.E301 placed"}));
    const auto diffs = projectDifferences(table, other, {});
    EXPECT_EQ(diffLines(diffs), (std::vector<std::string>{
                                    "project information: Author \"\" → \"Service\"",
                                    "project information: Reserve4 \"\" → \"x\"",
                                    "slot 1 QMV2.D110: comment \"\" → \"north\\nwall\"",
                                    "slot 1 QMV2.D110: Param1 0 → 1",
                                    "QMV2.D210 moved from slot 2 to slot 5",
                                    "slot 3 QMV2.D310 removed",
                                    "slot 6 QMV2.E301 placed",
                                }));
    // The desktop's language names the places and labels; raw names stay.
    const auto german = projectDifferences(table, other, {.raw = false, .languageBase = kGermanBase});
    EXPECT_EQ(german.front().changes.front().field, "Autor");
    EXPECT_EQ(german[2].whereB, "Steckplatz 1 (Zeile 5)");
    EXPECT_EQ(german[2].changes.front().field, "Kommentar");
    EXPECT_EQ(german[2].changes.back().field, "Param1");
    EXPECT_EQ(german[3].whereA, "Steckplatz 2 (Zeile 6)");
    const auto data = diffJson(diffs);
    EXPECT_FALSE(data["same"].get<bool>());
    const auto& comment = data["differences"][2];
    EXPECT_EQ(comment["kind"], "setting");
    EXPECT_EQ(comment["setting"], "comment");
    EXPECT_EQ(comment["after"], "north\nwall");
    EXPECT_EQ(comment["a"]["place"], "slot 1");
    EXPECT_EQ(data["differences"][3]["field"], "Param1");
    EXPECT_EQ(data["differences"][4]["kind"], "moved");
    EXPECT_EQ(data["differences"][4]["b"]["row"], 9);
    // --raw: every field by its name, its text as before.
    EXPECT_EQ(diffLines(projectDifferences(table, other, {.raw = true}))[2],
              "slot 1 QMV2.D110: Kommentar \"\" → \"north\nwall\"");
    EXPECT_TRUE(diffJson(projectDifferences(table, table, {}))["same"].get<bool>());

    // Each field the information dialog shows is named by its caption.
    ProjectTable named = table;
    named.info().ProjektName = "N";
    named.info().Familie = "F";
    named.info().Autor = "A";
    named.info().Beschreibung = "B";
    named.info().Notizen = "C";
    std::vector<std::string> captions;
    for (const auto& d : projectDifferences(table, named, {}))
        for (const auto& c : d.changes) captions.push_back(c.field);
    EXPECT_EQ(captions, (std::vector<std::string>{"Name (Header)", "Family", "Author", "Project Description", "Note"}));
}

// Settings beyond the texts: an entry of a per-channel list, a choice, and a
// choice the dialog keeps in the module's second row, each by its words. A
// raw field they cover is not listed again; one they do not cover is, in
// either row (a bit count the dialog shows as 8 before and after is stored
// only once the axis reads SSI).
TEST_F(CheckAndDiff, DiffNamesChannelsChoicesAndSecondRowSettings)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.E301", "#5"}, {"QMV2.K084", "#6"}});
    ProjectTable other = table;
    json ranges = settingsOf(table, 5)["channelRange"];
    ranges[1] = "0...4095";
    ASSERT_TRUE(applySettings(other, 5, {{"channelRange", ranges}}).ok);
    ASSERT_TRUE(applySettings(other, 6, {{"axisXType", "SSI encoder"}, {"axisYType", "SSI encoder"}}).ok);
    other.record(7).Param2 = 5;
    EXPECT_EQ(diffLines(projectDifferences(table, other, {})),
              (std::vector<std::string>{
                  "slot 1 QMV2.E301: channel 2 range 0...10'000 → 0...4095",
                  "slot 1 QMV2.E301: channel 2 custom maximum 10000 → 4095",
                  "slot 2 QMV2.K084: axis X encoder type incremental encoder → SSI encoder",
                  "slot 2 QMV2.K084: axis Y encoder type incremental encoder → SSI encoder",
                  "slot 2 QMV2.K084: Param3 0 → 8",
                  "slot 2 QMV2.K084: row +1 Param2 0 → 5",
                  "slot 2 QMV2.K084: row +1 Param3 0 → 8",
              }));
    const auto german = diffLines(projectDifferences(table, other, {.raw = false, .languageBase = kGermanBase}));
    ASSERT_EQ(german.size(), 7u);
    EXPECT_EQ(german[0], "Steckplatz 1 QMV2.E301: Kanal 2 Bereich 0...10'000 → 0...4095");
    EXPECT_EQ(german[2], "Steckplatz 2 QMV2.K084: Achse X Gebertyp incremental encoder → SSI encoder");
}

// The CPU's dialog settings are named by their labels, and the raw fields
// behind them are not listed again.
TEST_F(CheckAndDiff, DiffNamesChangedCpuSettingsByTheirLabels)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.D110", "#5"}});
    CpuConfig& offers = table.record(1).Cpu;
    offers.ComAvail = offers.PeripheryAvail = offers.CompPrioAvail = kTrue;
    ProjectTable other = table;
    ASSERT_TRUE(applySettings(other, 1,
                              {{"mpiMode", true},
                               {"baudRate", 38400},
                               {"compilerPriority", {"", "OB35", "", "", "", ""}},
                               {"peripheryAccessDisabled", true}})
                    .ok);
    const auto diffs = projectDifferences(table, other, {});
    EXPECT_EQ(diffLines(diffs), (std::vector<std::string>{
                                    "CPU QMV2.R300: compiler priority 2 \"\" → \"OB35\"",
                                    "CPU QMV2.R300: MPI mode off → on",
                                    "CPU QMV2.R300: baud rate 19200 → 38400",
                                    "CPU QMV2.R300: periphery access disabled off → on",
                                }));
    const auto data = diffJson(diffs);
    EXPECT_EQ(data["differences"][0]["setting"], "compilerPriority");
    EXPECT_EQ(data["differences"][0]["after"], "OB35");
    EXPECT_EQ(data["differences"][2]["after"], 38400);
    EXPECT_EQ(diffLines(projectDifferences(table, other, {.raw = false, .languageBase = kFrenchBase})),
              (std::vector<std::string>{
                  "CPU QMV2.R300: priorité du compilateur 2 \"\" → \"OB35\"",
                  "CPU QMV2.R300: mode MPI désactivé → activé",
                  "CPU QMV2.R300: vitesse (bauds) 19200 → 38400",
                  "CPU QMV2.R300: accès à la périphérie désactivé désactivé → activé",
              }));
}

}  // namespace
}  // namespace rm::test
