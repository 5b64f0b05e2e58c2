#include "core/project/StationLayout.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

#include "core/base/OwnTexts.h"
#include "core/project/ProjectCheck.h"

namespace rm {
namespace {

constexpr std::array<OwnText, kPartKinds> kKindTexts = {
    OwnText::PartDigitalInput,  OwnText::PartDigitalOutput, OwnText::PartDigitalCombined,
    OwnText::PartAnalogInput,   OwnText::PartAnalogOutput,  OwnText::PartTemperature,
    OwnText::PartCounter,       OwnText::PartEncoder,       OwnText::PartPositioning,
    OwnText::PartCommunication, OwnText::PartCpu,           OwnText::PartRack,
};

// Each kind has its own grey level (10 apart), so that a grey printout
// still tells the kinds apart.
constexpr std::array<Colour, kPartKinds> kColours = {{
    {0xCF, 0xF7, 0xCF},  // digital input
    {0xFB, 0xD5, 0xAF},  // digital output
    {0xFA, 0xFA, 0xA2},  // digital combined
    {0xAB, 0xD0, 0xEA},  // analog input
    {0xD7, 0xAB, 0xDF},  // analog output
    {0xE3, 0xA0, 0xA0},  // temperature
    {0x6D, 0xC8, 0xB1},  // counter
    {0x99, 0x99, 0xD3},  // encoder
    {0xB8, 0x91, 0x59},  // positioning
    {0xD2, 0xD2, 0xD2},  // communication
    {0x72, 0x90, 0xBB},  // CPU
    {0x82, 0x82, 0x82},  // rack
}};

bool isRack(const RowEintrag& r)
{
    return isSet(r.IsExtension) || r.hasFlag(0x0400);
}

}  // namespace

PartKind partKindOf(const RowEintrag& r)
{
    if (isRack(r) && !isSet(r.IsCPU)) return PartKind::Rack;
    switch (dialogFor(r)) {
        case DialogKind::DigitalInput:
            return PartKind::DigitalInput;
        case DialogKind::DigitalOutput:
            return PartKind::DigitalOutput;
        case DialogKind::DigitalCombined:
            return PartKind::DigitalCombined;
        case DialogKind::AnalogInput:
            return PartKind::AnalogInput;
        case DialogKind::AnalogOutput:
        case DialogKind::AnalogCombined:
            return PartKind::AnalogOutput;
        case DialogKind::Temperature:
            return PartKind::Temperature;
        case DialogKind::Counter:
            return PartKind::Counter;
        case DialogKind::Encoder:
        case DialogKind::TwoAxisEncoder:
            return PartKind::Encoder;
        case DialogKind::Positioning:
            return PartKind::Positioning;
        case DialogKind::Cpu:
            return PartKind::Cpu;
        case DialogKind::None:
            break;
    }
    return isSet(r.IsCPU) ? PartKind::Cpu : PartKind::Communication;
}

std::string partKindName(PartKind kind, const Texts& texts)
{
    return ownText(texts, kKindTexts.at(static_cast<std::size_t>(kind)));
}

Colour partColour(PartKind kind)
{
    return kColours.at(static_cast<std::size_t>(kind));
}

Colour emptySlotColour()
{
    return {0xFF, 0xFF, 0xFF};
}

std::string colourHex(Colour c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

const SlotBox* StationLayout::boxAt(double x, double y) const
{
    for (const StationBand& band : bands)
        for (const SlotBox& box : band.boxes)
            if (box.contains(x, y)) return &box;
    return nullptr;
}

const SlotBox* StationLayout::boxOfRow(int row) const
{
    for (const StationBand& band : bands)
        for (const SlotBox& box : band.boxes)
            if (row >= box.row && row < box.row + box.rows) return &box;
    return nullptr;
}

StationLayout layoutStations(const ProjectTable& table, Mnemonics m)
{
    using namespace picture;
    StationLayout out;
    if (table.lastRow() < 1 || table.record(1).isEmpty()) return out;

    // What the I/O list and the address check say about each module.
    struct Facts {
        std::string inputs, outputs;
        bool overlaps = false, tooHigh = false;
    };
    std::map<int, Facts> facts;
    for (const IoListRow& io : ioList(table, m))
        (io.output ? facts[io.row].outputs : facts[io.row].inputs) = io.address;
    const AddressOverview ov = addressRanges(table);
    for (const auto* side : {&ov.inputs, &ov.outputs})
        for (const OverviewRange& range : *side)
            if (range.kind == OverviewRange::Module) {
                facts[range.row].overlaps = facts[range.row].overlaps || range.overlaps;
                facts[range.row].tooHigh = facts[range.row].tooHigh || range.tooHigh;
            }

    double x = 0;
    int slotLimit = 0, firstSlotRow = 0;
    auto fill = [&](SlotBox& box, int row) {
        const RowEintrag& rec = table.record(row);
        box.empty = table.rowEmpty(row);
        if (box.empty) return;
        box.order = table.cell(row, 1);
        box.designation = rec.Bezeichnung;
        box.kind = partKindOf(rec);
        const auto f = facts.find(row);
        if (f != facts.end()) {
            box.inputs = f->second.inputs;
            box.outputs = f->second.outputs;
            box.overlaps = f->second.overlaps;
            box.tooHigh = f->second.tooHigh;
        }
    };
    auto finishBand = [&] {
        StationBand& band = out.bands.back();
        band.width = x + kMargin;
        out.width = std::max(out.width, band.width);
    };
    auto startBand = [&](int headRow) {
        if (!out.bands.empty()) finishBand();
        StationBand band;
        band.station = static_cast<int>(out.bands.size());
        band.id = "station-" + std::to_string(band.station);
        band.y = kMargin + band.station * (kLabelHeight + kBoxHeight + kBandGap);
        band.height = kLabelHeight + kBoxHeight;
        out.bands.push_back(std::move(band));
        slotLimit = table.record(headRow).SlotLimit;
        // Slot groups are counted from the station's first numbered row, as placing counts them.
        firstSlotRow = headRow + table.record(headRow).CpuRowsEnd;
        x = kMargin;
        SlotBox head;
        head.role = SlotBox::Head;
        head.row = headRow;
        head.label = headRow == 1 ? "CPU" : table.cell(headRow, 0);
        fill(head, headRow);
        head.x = x;
        head.y = out.bands.back().y + kLabelHeight;
        head.width = kHeadWidth;
        head.height = kBoxHeight;
        x += kHeadWidth + kBoxGap;
        out.bands.back().boxes.push_back(std::move(head));
    };
    auto place = [&](SlotBox box, double width) {
        StationBand& band = out.bands.back();
        box.x = x;
        box.y = band.y + kLabelHeight;
        box.width = width;
        box.height = kBoxHeight;
        x += width + kBoxGap;
        band.boxes.push_back(std::move(box));
    };

    startBand(1);
    for (int r = 2; r <= table.lastRow(); ++r) {
        const int k = table.RowIs(r);
        if (k == kind::None || k == kind::CpuRow) continue;
        const RowEintrag& rec = table.record(r);
        const std::string& label = table.cell(r, 0);
        if (k == kind::Connector) {
            if (!table.rowEmpty(r) && isRack(rec) && isSet(rec.IsHead)) {
                startBand(r);
                continue;
            }
            SlotBox box;
            box.role = SlotBox::Connector;
            box.row = r;
            box.label = label;
            place(std::move(box), kConnectorWidth);
            continue;
        }
        // A sub-row widens the box of the module it belongs to.
        StationBand& band = out.bands.back();
        if (!table.rowEmpty(r) && !isSet(rec.IsHead) && band.boxes.size() > 1 && !band.boxes.back().empty &&
            band.boxes.back().role != SlotBox::Connector && band.boxes.back().row + band.boxes.back().rows == r) {
            SlotBox& owner = band.boxes.back();
            const std::string first = owner.label.substr(0, owner.label.find('-'));
            ++owner.rows;
            owner.label = first + "-" + label;
            const double w = kSlotWidth + kBoxGap;
            owner.width += w;
            x += w;
            continue;
        }
        SlotBox box;
        box.row = r;
        box.label = label;
        box.role = k == kind::Slot ? SlotBox::Numbered : SlotBox::Extra;
        if (box.role == SlotBox::Numbered && slotLimit > 0) {
            const int p = r - firstSlotRow;  // from 0
            box.group = p >= 0 ? p / slotLimit : 0;
            box.groupStart = p > 0 && p % slotLimit == 0;
            if (box.groupStart) x += kGroupGap;
        }
        fill(box, r);
        place(std::move(box), kSlotWidth);
    }
    finishBand();
    const StationBand& last = out.bands.back();
    out.height = last.y + last.height + kMargin;
    return out;
}

}  // namespace rm
