// Every channel of the placed modules with its address, data type, symbol
// name and comment, in table order and within a module in address order.
// The symbol tables and the per-channel I/O list format this data.
#pragma once

#include <string>
#include <vector>

#include "core/project/IoList.h"

namespace rm {

struct Channel {
    int row = 0;
    int station = 0;
    std::string slot;
    std::string order;
    std::string designation;
    bool output = false;
    std::string kind;  // "DI", "DO", "AI", "AO", "TC", "CNT", ... : part of the symbol
    int number = 0;    // channel within the module and direction, from 0
    int byte = 0;      // first byte
    int bit = -1;      // 0..7 for a bit channel
    int bytes = 0;     // 0 for a bit, else 1, 2 or 4
    std::string type;  // BOOL, BYTE, INT, WORD, DINT, DWORD
    std::string address;
    std::string symbol;   // at most kSymbolLength characters of A-Z a-z 0-9 _
    std::string comment;  // UTF-8, at most kCommentLength characters
};

inline constexpr int kSymbolLength = 24;
inline constexpr int kCommentLength = 80;

// "I 4.0", "IW 256", "ID 272", "IB 3" (German: "E", "EW", "ED", "EB").
std::string channelAddress(bool output, int byte, int bit, int bytes, Mnemonics m);

// The first `length` characters of a UTF-8 text, never splitting one.
std::string shortened(const std::string& text, std::size_t length);

std::vector<Channel> channels(const ProjectTable& table, Mnemonics m = Mnemonics::English);

}  // namespace rm
