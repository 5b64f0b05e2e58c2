// The address overview of a project and the problems found in it.
#pragma once

#include <string>
#include <vector>

#include "core/catalog/ModuleCatalog.h"
#include "core/project/ProjectTable.h"

namespace rm {

struct AddressLine {
    int row = 0;
    std::string slot;    // the row label; "CPU" for row 1
    std::string order;   // column 1 as shown
    std::string inputs;  // "0..7", or "-"
    std::string outputs;
};

struct CheckReport {
    std::vector<AddressLine> lines;
    std::vector<std::string> problems;
};

// Overlapping input ranges, overlapping output ranges, addresses of 32000 or
// more, and order numbers the catalog does not know.
CheckReport checkProject(const ProjectTable& table, const ModuleCatalog& catalog);

// "slot 3 (row 7)", "CPU (row 1)", "+ (row 13)"
std::string describeRow(const ProjectTable& table, int row);

}  // namespace rm
