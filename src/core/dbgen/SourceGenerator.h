// The data block source: the I/O configuration block built from the module
// rows, optionally followed by the CPU configuration block built from the CPU
// row's settings. The text is statement-list source for the PLC programming
// environment, CR LF line ends.
#pragma once

#include <optional>
#include <string>

#include "core/base/TextTable.h"
#include "core/record/RowEintrag.h"
#include "core/table/ProjectTable.h"

namespace rm {

// Block number choices: ioDb 0, 1, 2 and cpuDb 1, 2, 3 select DB 1, 511, 1023;
// cpuDb 0 means no CPU block.

// The I/O block (UTF-8 text), ending with "END_DATA_BLOCK" and an empty line.
std::string generateIoBlock(const ProjectTable& table, int ioDb);

// The CPU block (UTF-8 text) from the CPU row's record; empty for cpuDb 0.
std::string generateCpuBlock(const RowEintrag& cpuRow, int cpuDb);

// The whole source file as written: I/O block, then the CPU block of row 1,
// in windows-1252.
std::string generateSource(const ProjectTable& table, int ioDb, int cpuDb);

// A text or value of the project that the source cannot carry as it stands:
// a text with a control character (it would start lines of its own in the
// source), or a number outside the type its field is declared with.
struct SourceProblem {
    int row = 0;        // table row; 0 for the project information
    std::string field;  // the field's name in the record
    std::string value;  // numbers as written, texts with their controls as \xNN
    bool text = false;
};

// The first such problem of what generateSource(table, ioDb, cpuDb) would
// write, in the order of the source; nothing when it can be written.
std::optional<SourceProblem> findSourceProblem(const ProjectTable& table, int cpuDb);
// The message refusing the generation, in the language of `texts`.
std::string sourceProblemText(const Texts& texts, const SourceProblem& problem);

}  // namespace rm
