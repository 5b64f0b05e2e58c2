// The channels as symbol tables for the programming environment's symbol
// editor (SDF, ASC, SEQ; windows-1252, CR LF) and as a per-channel CSV.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/Channels.h"

namespace rm {

enum class SymbolFormat { Sdf, Asc, Seq, Csv };

// "sdf", "asc", "seq", "csv" (any case); nothing for another name.
std::optional<SymbolFormat> symbolFormatNamed(std::string_view name);

// "symbol","address","type","comment" per line; a quote inside a field
// becomes an apostrophe, since the format has no escape for it.
std::string symbolsSdf(const std::vector<Channel>& channels);
// "126," then symbol (24), address (12), data type (10) and comment (80),
// each padded with blanks to its width.
std::string symbolsAsc(const std::vector<Channel>& channels);
// A tab before each of address, symbol and comment.
std::string symbolsSeq(const std::vector<Channel>& channels);
// A header line, then one line per channel, as the I/O list's CSV.
std::string channelsCsv(const std::vector<Channel>& channels, const CsvOptions& options = {});

std::string symbolTable(const std::vector<Channel>& channels, SymbolFormat format, const CsvOptions& options = {});

}  // namespace rm
