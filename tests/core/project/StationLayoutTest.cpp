// The station picture as data: bands, boxes, slot groups, spanning modules,
// problem marks and hit-testing.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "core/project/ProjectFixture.h"
#include "core/project/StationLayout.h"
#include "core/project/StationPrint.h"

namespace rm::test {
namespace {

class StationLayoutTest : public ProjectFixture {
protected:
    // The labels of a band's boxes; a placed box shows its order number after a colon.
    std::string boxes(const StationBand& band) const
    {
        std::string out;
        for (const SlotBox& b : band.boxes) {
            if (!out.empty()) out += ' ';
            if (b.groupStart) out += "| ";
            out += b.label + (b.empty ? "" : ":" + b.order);
        }
        return out;
    }
};

// Two racks: the CPU's band with its extra slots and groups, a module of two
// rows spanning its slots, the rack in the connector row heading the next band.
TEST_F(StationLayoutTest, RacksGroupsAndSpanningModules)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.D110", "1"}, {"QMV2.K084", "3"}, {"QMV2.X100", "+"}});
    const StationLayout l = layoutStations(table);
    ASSERT_EQ(l.bands.size(), 2U);
    EXPECT_EQ(boxes(l.bands[0]), "CPU:QMV2.R300 A B1 B2 1:QMV2.D110 2 3-4:QMV2.K084 | 5 6 7 8");
    EXPECT_EQ(boxes(l.bands[1]), "+:QMV2.X100 9 10 11 12 | 13 14 15 16 +");
    EXPECT_EQ(l.bands[1].id, "station-1");
    EXPECT_EQ(l.bands[0].boxes[0].kind, PartKind::Cpu);
    EXPECT_EQ(l.bands[1].boxes[0].kind, PartKind::Rack);
    EXPECT_EQ(l.bands[1].boxes.back().role, SlotBox::Connector);

    // The spanning module answers for both its rows, and a click anywhere on it.
    const SlotBox* k = l.boxOfRow(slotRow("3"));
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->rows, 2);
    EXPECT_EQ(l.boxOfRow(slotRow("3") + 1), k);
    EXPECT_EQ(l.boxAt(k->x + k->width - 0.5, k->y + 1), k);
    EXPECT_EQ(l.boxAt(k->x - 0.5 * picture::kBoxGap, k->y + 1), nullptr);  // the gap between boxes
    EXPECT_EQ(k->width, 2 * picture::kSlotWidth + picture::kBoxGap);
    EXPECT_EQ(l.boxAt(0, 0), nullptr);

    // Boxes follow each other without overlapping, a group gap before a new group,
    // all inside their band and the picture.
    for (const StationBand& band : l.bands) {
        for (std::size_t i = 1; i < band.boxes.size(); ++i) {
            const SlotBox& a = band.boxes[i - 1];
            const SlotBox& b = band.boxes[i];
            const double gap = b.x - (a.x + a.width);
            EXPECT_DOUBLE_EQ(gap, picture::kBoxGap + (b.groupStart ? picture::kGroupGap : 0)) << b.label;
            EXPECT_EQ(b.y, band.y + picture::kLabelHeight);
        }
        EXPECT_LE(band.boxes.back().x + band.boxes.back().width, band.width);
        EXPECT_LE(band.width, l.width);
        EXPECT_LE(band.y + band.height, l.height);
    }
    EXPECT_GE(l.bands[1].y, l.bands[0].y + l.bands[0].height + picture::kBandGap);

    // One connector line, from the CPU's band down to the rack's head.
    const std::string svg = stationSvg(l, app.texts);
    const std::size_t line = svg.find("<line class=\"connector\"");
    ASSERT_NE(line, std::string::npos);
    EXPECT_EQ(svg.find("<line class=\"connector\"", line + 1), std::string::npos);
    EXPECT_GT(svg.find("<line class=\"connector\""), svg.find("id=\"station-1\""));
}

// Every row of a full table belongs to exactly one box.
TEST_F(StationLayoutTest, FullTable)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.X100", "+"}});
    put({{"QMV2.X100", "#" + std::to_string(table.lastRow())}});
    for (int r = 2; r <= table.lastRow(); ++r)
        if (table.RowIs(r) == kind::Slot) put({{r % 2 ? "QMV2.D110" : "QMV2.E301", "#" + std::to_string(r)}});
    const StationLayout l = layoutStations(table);
    ASSERT_EQ(l.bands.size(), 3U);
    std::set<const SlotBox*> seen;
    for (int r = 1; r <= table.lastRow(); ++r) {
        const SlotBox* b = l.boxOfRow(r);
        ASSERT_NE(b, nullptr) << r;
        seen.insert(b);
        if (table.RowIs(r) == kind::Slot) {
            EXPECT_FALSE(b->empty) << r;
        }
    }
    std::size_t total = 0;
    for (const StationBand& band : l.bands) total += band.boxes.size();
    EXPECT_EQ(seen.size(), total);
    EXPECT_EQ(l.boxOfRow(table.lastRow() + 1), nullptr);
}

// The address texts are the I/O list's; overlapping and too high addresses
// mark their modules and no other.
TEST_F(StationLayoutTest, AddressesAndProblemMarks)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.D110", "1"}, {"QMV2.E301", "2"}, {"QMV2.D110", "3"}, {"QMV2.D110", "5"}});
    table.record(slotRow("3")).InBase = table.record(slotRow("1")).InBase;
    table.record(slotRow("5")).InBase = 32000;
    const StationLayout l = layoutStations(table, Mnemonics::German);
    const std::vector<IoListRow> io = ioList(table, Mnemonics::German);
    for (const IoListRow& row : io) {
        const SlotBox* b = l.boxOfRow(row.row);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(row.output ? b->outputs : b->inputs, row.address) << row.row;
    }
    EXPECT_TRUE(l.boxOfRow(slotRow("1"))->overlaps);
    EXPECT_TRUE(l.boxOfRow(slotRow("3"))->overlaps);
    EXPECT_FALSE(l.boxOfRow(slotRow("2"))->problem());
    EXPECT_TRUE(l.boxOfRow(slotRow("5"))->tooHigh);
    EXPECT_FALSE(l.boxOfRow(slotRow("5"))->overlaps);
    EXPECT_EQ(l.boxOfRow(slotRow("2"))->kind, PartKind::AnalogInput);
    EXPECT_EQ(l.boxOfRow(slotRow("1"))->kind, PartKind::DigitalInput);
}

TEST_F(StationLayoutTest, EmptyProjectAndCpuWithoutExtras)
{
    EXPECT_TRUE(layoutStations(table).bands.empty());
    addToCatalog(cpu("QMV3.R999", 3, 6, 3, 6, false));
    put({{"QMV3.R999", "#1"}});
    const StationLayout l = layoutStations(table);
    ASSERT_EQ(l.bands.size(), 1U);
    EXPECT_EQ(boxes(l.bands[0]), "CPU:QMV3.R999 1 2 3 | 4 5 6");
}

TEST_F(StationLayoutTest, KindsHaveNamesAndDistinctColoursInGrey)
{
    std::set<int> greys;
    for (int k = 0; k < kPartKinds; ++k) {
        const Colour c = partColour(static_cast<PartKind>(k));
        greys.insert((299 * c.r + 587 * c.g + 114 * c.b) / 1000 / 4);  // grey levels a printer tells apart
        EXPECT_FALSE(partKindName(static_cast<PartKind>(k), Texts(kFrenchBase)).empty());
    }
    EXPECT_EQ(greys.size(), static_cast<std::size_t>(kPartKinds));
    // Every kind of the legend is the kind of some shipped module, so no kind of
    // module is drawn in another's colour.
    std::set<PartKind> shipped;
    const ModuleCatalog& cat = shippedCatalog();
    for (int i = 1; i <= cat.count(); ++i) shipped.insert(partKindOf(cat.at(i)));
    EXPECT_EQ(shipped.size(), static_cast<std::size_t>(kPartKinds));
    EXPECT_EQ(partKindName(PartKind::Counter, Texts(kGermanBase)), "Zähler");
    EXPECT_EQ(colourHex({0x0a, 0xff, 0}), "#0aff00");
}

// The SVG keeps markup in texts from breaking the document and cuts long
// texts to their box, the full text kept in the title.
TEST_F(StationLayoutTest, SvgEscapesAndElides)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.D110", "1"}});
    table.record(slotRow("1")).Bezeichnung = "In <16> & \"fast\" inputs with a very long designation";
    const std::string svg = stationSvg(layoutStations(table), app.texts);
    EXPECT_EQ(svg.find("<16>"), std::string::npos);
    EXPECT_NE(svg.find("<title>1: QMV2.D110 In &lt;16&gt; &amp; &quot;fast&quot; inputs with a very long "
                       "designation; I 0.0..I 1.7</title>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find(">In &lt;16&gt; &amp; &quot;fast&quot; i…</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<g class=\"empty slot\" data-row=\"" + std::to_string(slotRow("2")) + "\">"),
              std::string::npos);

    EXPECT_EQ(elideText("Zähler", 6), "Zähler");
    EXPECT_EQ(elideText("Zähler", 3), "Zä…");
    EXPECT_EQ(elideText("abc", 0), "");

    // Every group closes, and the document ends.
    const auto count = [&svg](const std::string& what) {
        std::size_t n = 0;
        for (auto at = svg.find(what); at != std::string::npos; at = svg.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("<g "), count("</g>"));
    // Numbers are written short: no trailing zeros, no empty value (the XML
    // declaration's version aside).
    EXPECT_FALSE(std::regex_search(svg.substr(svg.find("<svg")), std::regex(R"re((\.\d*0|\.)"|="")re"))) << svg;
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

// The printed pictures: every box once, at its own size, inside the page's
// width and above its bottom; a band wider than the page goes on in a row
// below, the pages break between rows, and the legend heads the first page.
TEST_F(StationLayoutTest, PrintedPagesHoldEveryBoxInsideThePage)
{
    EXPECT_TRUE(stationPrintPages(layoutStations(table), app.texts, "").empty());
    put({{"QMV2.R300", "#1"}, {"QMV2.D110", "1"}, {"QMV2.K084", "3"}, {"QMV2.X100", "+"}});
    const StationLayout l = layoutStations(table);
    std::size_t boxes = 0;
    for (const StationBand& band : l.bands) boxes += band.boxes.size();
    for (const double bottom : {print::kPageBottom, 100.0}) {
        const auto pages = stationPrintPages(l, app.texts, "07-12-2026", bottom);
        ASSERT_FALSE(pages.empty());
        std::size_t filled = 0, twoSlots = 0;
        std::set<double> rowTops;
        for (const PrintPage& page : pages) {
            ASSERT_FALSE(page.empty());
            EXPECT_EQ(page[1].text, "Station picture");
            for (const PrintOp& op : page) {
                EXPECT_GE(std::min(op.x, op.kind == PrintOp::Text ? op.x : op.x2), print::kPictureLeft - 0.01);
                EXPECT_LE(std::max(op.x, op.x2), print::kPictureRight + 0.01);
                EXPECT_LE(std::max(op.y, op.y2), bottom + 0.01);
                if (op.kind != PrintOp::Rect || op.y2 - op.y != picture::kBoxHeight) continue;
                ++filled;
                rowTops.insert(op.y + 1000.0 * static_cast<double>(&page - pages.data()));
                EXPECT_GE(op.fill, 0);
                if (op.x2 - op.x == 2 * picture::kSlotWidth + picture::kBoxGap) ++twoSlots;
            }
        }
        EXPECT_EQ(filled, boxes) << bottom;
        EXPECT_EQ(twoSlots, 1U);  // the module of two slots stays whole
        // Each band is wider than the page: more rows than bands.
        EXPECT_GT(rowTops.size(), l.bands.size());
        if (bottom < print::kPageBottom) {
            EXPECT_GT(pages.size(), 2U);
        }
        // The legend: one swatch per kind, on the first page.
        std::size_t swatches = 0;
        for (const PrintOp& op : pages.front())
            if (op.kind == PrintOp::Rect && op.y2 - op.y == 3) ++swatches;
        EXPECT_EQ(swatches, static_cast<std::size_t>(kPartKinds));
    }
}

}  // namespace
}  // namespace rm::test
