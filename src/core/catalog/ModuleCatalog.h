// ModulKatalog: every module, CPU and extension rack the program knows,
// loaded from the module description file of the selected language.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/record/RowEintrag.h"

namespace rm {

class ModuleCatalog {
public:
    ModuleCatalog() : records_(1) {}

    // Index 0 is never filled; records of the file are 1, 2, ... in file order.
    int count() const { return static_cast<int>(records_.size()) - 1; }
    const RowEintrag& at(int index) const { return records_.at(static_cast<std::size_t>(index)); }
    bool validIndex(int index) const { return index >= 1 && index <= count(); }
    void add(RowEintrag record);

    // Index of the first record with exactly this order number, 0 when none.
    int indexOf(const std::string& bestellNr) const;
    // A copy of the first record with this order number (empty when none).
    RowEintrag LookupCatalog(const std::string& bestellNr) const;

private:
    std::vector<RowEintrag> records_;
    std::unordered_map<std::string, int> first_;
};

// The most a description file may make the program hold: the record count
// is a 16-bit number, and a few bytes can ask for thousands of sub-entries.
inline constexpr int kMaxModuleRecords = 32767;
inline constexpr std::size_t kMaxSubEntryPlaces = 1000000;

// Parses the bytes of a module description file (windows-1252, CR LF).
// Malformed values are left at 0, as the file format wants. Parsing stops
// where the file asks for more than the limits above; error then says why.
// A record that ends before its designation line (the next record's header or
// the end of the file comes first) keeps what it has and the rest empty; each
// such record is described in `warnings`, with the line of its header.
ModuleCatalog parseModuleDescriptions(std::string_view bytes, std::string* error = nullptr,
                                      std::vector<std::string>* warnings = nullptr);

struct CatalogLoad {
    std::optional<ModuleCatalog> catalog;  // empty: the file is missing, unreadable or holds no record
    std::string error;
    std::vector<std::string> warnings;  // records that end early, see above
};
CatalogLoad LoadModuleDescriptions(const std::filesystem::path& file);

// Numeric line readers of the description file; nullopt where the value
// cannot be converted (the field then keeps 0).
std::optional<int16_t> parseHexWord(std::string_view line);
std::optional<int32_t> parseDecimal(std::string_view line, int64_t min, int64_t max);

}  // namespace rm
