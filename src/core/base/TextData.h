#pragma once

#include <cstddef>

namespace rm::detail {

struct TextEntry {
    int id;
    const char* text;  // UTF-8
};

extern const TextEntry kTextData[];
extern const std::size_t kTextDataCount;

}  // namespace rm::detail
