// The I/O list an electrician wires by: one line per module and direction
// that has addresses, in table order, and its CSV form.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/table/ProjectTable.h"

namespace rm {

enum class Mnemonics { English, German };  // I/Q or E/A

struct IoListRow {
    int row = 0;
    int station = 0;
    std::string slot;
    std::string order;
    std::string designation;
    bool output = false;
    // Bytes, wide enough for any base and count a record can hold.
    int64_t first = 0, last = 0;
    std::string address;  // "I 4.0..I 5.7", "IB 256..IB 271", "QB 0..QB 3", ...
};

// Digital modules (those with the digital input, output or combined dialog)
// are addressed by bit, every other module by byte.
bool addressedByBit(const RowEintrag& record);
std::string addressText(bool output, bool byBit, int64_t first, int64_t last, Mnemonics m);

std::vector<IoListRow> ioList(const ProjectTable& table, Mnemonics m = Mnemonics::English);

struct CsvOptions {
    char separator = ',';
    bool byteOrderMark = false;  // for a spreadsheet to take the file as UTF-8
};
// One field of a CSV file meant for a spreadsheet, as every such file writes
// it: a field that a spreadsheet would run as a formula (starting with "=",
// "+", "-", "@", tab or CR, and neither a plain number nor a sign alone)
// gets a leading "'"; then a field holding the separator, a quote or a line
// break is put in quotes, its quotes doubled.
std::string csvField(const std::string& field, char separator);
// One CSV line of such fields, ended by CR LF.
std::string csvLine(std::initializer_list<std::string> fields, char separator);

// A header line, then one line per row; fields written by csvField; lines
// end in CR LF.
std::string ioListCsv(const std::vector<IoListRow>& rows, const CsvOptions& options = {});

}  // namespace rm
