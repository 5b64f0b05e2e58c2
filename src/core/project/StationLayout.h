// The picture of a station as data: one band per station (the CPU's rack
// first, then each extension rack in table order), its head, its extra slots
// and its numbered slots, each slot a box in millimetres. The desktop view,
// the printout and the SVG writer draw the same boxes; hit-testing works on
// them too.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/base/TextTable.h"
#include "core/project/IoList.h"
#include "core/table/ProjectTable.h"

namespace rm {

// What a box shows by its colour.
enum class PartKind {
    DigitalInput,
    DigitalOutput,
    DigitalCombined,
    AnalogInput,
    AnalogOutput,
    Temperature,
    Counter,
    Encoder,
    Positioning,
    Communication,  // everything without inputs or outputs of its own dialog
    Cpu,
    Rack,
};
inline constexpr int kPartKinds = 12;

PartKind partKindOf(const RowEintrag& record);
// The legend text of a kind in the language of `texts`.
std::string partKindName(PartKind kind, const Texts& texts);

struct Colour {
    unsigned char r = 0, g = 0, b = 0;
    bool operator==(const Colour&) const = default;
};
// Fill colours chosen so that each kind stays distinct in grey as well
// (their lightness differs); texts on them are black.
Colour partColour(PartKind kind);
Colour emptySlotColour();
// "#rrggbb"
std::string colourHex(Colour c);

struct SlotBox {
    enum Role { Head, Extra, Numbered, Connector };
    Role role = Numbered;
    int row = 0;              // the first table row of the box
    int rows = 1;             // table rows the box spans (a module of several rows)
    std::string label;        // "A", "B1", "4", "+"; "4-5" for a module of two slots
    int group = 0;            // numbered slots: the slot group, from 0
    bool groupStart = false;  // numbered slots: the first of a group after the first
    bool empty = true;
    std::string order, designation;
    std::string inputs, outputs;  // as the I/O list writes them, "" for none
    PartKind kind = PartKind::Communication;
    bool overlaps = false;                       // an address shared with another module
    bool tooHigh = false;                        // an address of 32000 or more
    double x = 0, y = 0, width = 0, height = 0;  // mm

    bool problem() const { return overlaps || tooHigh; }
    bool contains(double px, double py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

struct StationBand {
    int station = 0;             // 0 for the CPU's rack, 1, 2, ... for the extension racks
    std::string id;              // "station-0", "station-1", ...
    std::vector<SlotBox> boxes;  // the head first, then the slots in table order, the connector last
    double y = 0, height = 0;
    double width = 0;
};

struct StationLayout {
    std::vector<StationBand> bands;
    double width = 0, height = 0;  // mm, the whole picture

    // The box under a point, or nullptr.
    const SlotBox* boxAt(double x, double y) const;
    // The box that holds a table row (a module's sub-rows included), or nullptr.
    const SlotBox* boxOfRow(int row) const;
};

namespace picture {
inline constexpr double kHeadWidth = 34;
inline constexpr double kSlotWidth = 26;
inline constexpr double kConnectorWidth = 10;
inline constexpr double kBoxHeight = 30;
inline constexpr double kGroupGap = 4;  // between slot groups
inline constexpr double kBoxGap = 1;
inline constexpr double kBandGap = 14;  // between the bands, where the connector link runs
inline constexpr double kMargin = 4;
inline constexpr double kLabelHeight = 6;  // slot label above each box
// The legend below the bands: a colour swatch and the kind's name, by rows of three.
inline constexpr int kLegendColumns = 3;
inline constexpr double kLegendColumnWidth = 60;
inline constexpr double kLegendRow = 5;
inline constexpr double kLegendTop = 2;  // below the bands
inline constexpr double kLegendHeight = ((kPartKinds + kLegendColumns - 1) / kLegendColumns) * kLegendRow + 4;
// Text sizes in millimetres: the label and order number, the other lines.
inline constexpr double kFont = 2.6;
inline constexpr double kSmallFont = 2.2;
}  // namespace picture

// The I/O letters of a language: E and A in German, I and Q otherwise.
inline Mnemonics mnemonicsFor(const Texts& texts)
{
    return texts.base() == kGermanBase ? Mnemonics::German : Mnemonics::English;
}

// An empty project (no CPU) has no bands.
StationLayout layoutStations(const ProjectTable& table, Mnemonics m = Mnemonics::English);

}  // namespace rm

namespace rm {

// A text cut to at most `chars` characters (UTF-8 aware), ending in "…" when cut.
std::string elideText(const std::string& text, std::size_t chars);
// How many characters of a sans-serif text of `font` mm fit into `width` mm, at least one.
std::size_t charsFitting(double width, double font);

// The full text of a box, for a tooltip or an SVG title: "4: order designation; inputs; outputs".
std::string slotTitle(const SlotBox& box);

// The picture as an SVG document in millimetres: one group per station with
// the station's id, each slot a group holding its slot label and, when placed,
// its order number, designation and addresses as text; the legend below.
std::string stationSvg(const StationLayout& layout, const Texts& texts);

}  // namespace rm
