// A bill of material as a spreadsheet writes it: CSV with a header line.
//
//   row,module,InBase,OutBase,settings.KEY,...,ProjectInfo.FIELD,...
//
// The separator is "," or ";", the first of them in the header line; the
// text is UTF-8, with or without a byte-order mark; cells follow RFC 4180
// (a cell in double quotes may hold separators, line breaks and "" for a
// quote). Columns are found by their names in any order; only row and module
// are required. Each further line is one placement, in order; an empty cell
// means "not given", a line of empty cells is skipped. A line with neither row
// nor module carries only project information. A settings cell holds the
// value as a text; a per-channel list holds its entries separated by "|",
// channel 1 first, and the build turns the texts into the types of the keys.
#pragma once

#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace rm {

struct CsvBill {
    nlohmann::json bill;     // the bill of material as its JSON form has it
    std::vector<int> lines;  // the CSV line of each placement, for messages
};

// Throws JsonError ("line N: ...") for CSV that is not a bill of material.
CsvBill billFromCsv(std::string_view text);

// The separator of a list in one cell.
inline constexpr char kCsvListSeparator = '|';

}  // namespace rm
