// The address overview of a project and the problems found in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/catalog/ModuleCatalog.h"
#include "core/table/ProjectTable.h"

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

// One finding of the project check, tied to the head row of the module it
// concerns (an overlap to both modules).
struct Problem {
    enum Kind { UnknownOrder, StartBelowZero, TooHigh, CountTooLarge, Overlap };
    Kind kind = UnknownOrder;
    int row = 0;
    int otherRow = 0;      // Overlap: the later module
    bool outputs = false;  // the direction of an address finding
    int64_t first = 0, last = 0;
    int64_t otherFirst = 0, otherLast = 0;
    bool operator==(const Problem&) const = default;
};

// Every finding of the project check, in the order checkProject lists them.
std::vector<Problem> findProblems(const ProjectTable& table, const ModuleCatalog& catalog);
// The finding in the language of `texts`, its modules named by their slots
// as the table shows them ("slot 21", "CPU", "B1").
std::string problemText(const Texts& texts, const ProjectTable& table, const Problem& problem);
// The table rows of the modules a finding concerns, every row of a module
// of several rows included, ascending and each once.
std::vector<int> problemRows(const ProjectTable& table, const std::vector<Problem>& problems);
// The module a finding names at `row` in the language of `texts`.
std::string placeText(const Texts& texts, const ProjectTable& table, int row);

// Overlapping input ranges, overlapping output ranges, negative addresses,
// addresses of 32000 or more, byte counts beyond the 16-bit field the source
// declares them in, and order numbers the catalog does not know.
CheckReport checkProject(const ProjectTable& table, const ModuleCatalog& catalog);

// The address map of one direction, in address order: every module's range
// and the free ranges between them (from address 0 up to the last used one).
struct OverviewRange {
    enum Kind { Module, Free };
    Kind kind = Module;
    int first = 0, last = 0;  // bytes
    int row = 0;              // the module's head row; 0 for a free range
    int station = 0;          // 0: the CPU's rack; 1, 2, ...: the extension racks in table order
    std::string slot;         // the row label; "CPU" for row 1
    std::string order;
    std::string designation;
    bool overlaps = false;  // shares an address with another module
    bool tooHigh = false;   // reaches 32000 or more
    bool operator==(const OverviewRange&) const = default;
};

struct AddressOverview {
    std::vector<OverviewRange> inputs, outputs;
    std::size_t problems = 0;  // as counted by checkProject
    bool operator==(const AddressOverview&) const = default;
};

// Built on the same ranges and the same tests as checkProject, so both
// always agree on what is wrong.
AddressOverview addressOverview(const ProjectTable& table, const ModuleCatalog& catalog);
// The ranges alone (problems left at 0), where no catalog is at hand.
AddressOverview addressRanges(const ProjectTable& table);

// 0 for the CPU's rack, 1, 2, ... for the extension racks, by table order.
int stationNumber(const ProjectTable& table, int row);

// "slot 3 (row 7)", "CPU (row 1)", "+ (row 13)"
std::string describeRow(const ProjectTable& table, int row);

// A row's slot as the lists name it ("CPU" for row 1, the table's label
// otherwise, empty past the table) and its order number as the table shows it
// (the record's own past the table).
std::string slotText(const ProjectTable& table, int row);
std::string orderText(const ProjectTable& table, int row);

}  // namespace rm
