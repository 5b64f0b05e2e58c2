// The two lines of the status bar: the selected row, and the project as a
// whole (numbered slots used and free per station, problems found).
#pragma once

#include <string>
#include <vector>

#include "core/project/ProjectCheck.h"

namespace rm {

struct StationSlots {
    int row = 0;        // the CPU or rack row
    std::string order;  // its order number
    int used = 0, free = 0;
};

// Every station in table order: the CPU, then each rack.
std::vector<StationSlots> stationSlots(const ProjectTable& table);

// "Station QMV2.R300 · Slot 3 · QMV2.D110 · inputs 0..3 · outputs -", in
// the active language; empty for a row without a module.
std::string selectedRowText(const Texts& texts, const ProjectTable& table, int row);
// "QMV2.R300: slots used 2, free 6", one part per station.
std::string stationSlotsText(const Texts& texts, const std::vector<StationSlots>& stations);
// "No problems" / "3 problems"
std::string problemCountText(const Texts& texts, std::size_t count);

}  // namespace rm
