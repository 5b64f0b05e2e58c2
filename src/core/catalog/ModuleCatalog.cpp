#include "core/catalog/ModuleCatalog.h"

#include <cctype>
#include <cmath>

#include "core/base/CodePage.h"
#include "core/base/Files.h"

namespace rm {

std::string typeCode(const std::string& bestellNr)
{
    auto dot = bestellNr.find('.');
    return dot == std::string::npos ? bestellNr : bestellNr.substr(dot + 1);
}

void ModuleCatalog::add(RowEintrag record)
{
    first_.emplace(record.BestellNr, static_cast<int>(records_.size()));
    records_.push_back(std::move(record));
}

int ModuleCatalog::indexOf(const std::string& bestellNr) const
{
    auto it = first_.find(bestellNr);
    return it == first_.end() ? 0 : it->second;
}

RowEintrag ModuleCatalog::LookupCatalog(const std::string& bestellNr) const
{
    int i = indexOf(bestellNr);
    return i ? records_[static_cast<std::size_t>(i)] : RowEintrag{};
}

namespace {

std::size_t skipBlanks(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return i;
}

// Round half to even, as the conversions of the file format do.
int64_t roundEven(double v)
{
    return static_cast<int64_t>(std::nearbyint(v));
}

bool fits16(int64_t v)
{
    return v >= INT16_MIN && v <= INT16_MAX;
}

}  // namespace

std::optional<int16_t> parseHexWord(std::string_view line)
{
    std::size_t i = skipBlanks(line);
    uint64_t v = 0;
    int digits = 0;
    for (; i < line.size() && std::isxdigit(static_cast<unsigned char>(line[i])); ++i) {
        if (digits == 0 && line[i] == '0') continue;  // leading zeros do not count
        if (++digits > 8) return std::nullopt;
        v = v * 16 + static_cast<uint64_t>(std::isdigit(static_cast<unsigned char>(line[i]))
                                               ? line[i] - '0'
                                               : std::toupper(static_cast<unsigned char>(line[i])) - 'A' + 10);
    }
    // Up to four digits form a 16-bit two's-complement word, more a 32-bit one.
    int64_t value =
        digits <= 4 ? static_cast<int16_t>(static_cast<uint16_t>(v)) : static_cast<int32_t>(static_cast<uint32_t>(v));
    if (!fits16(value)) return std::nullopt;
    return static_cast<int16_t>(value);
}

std::optional<int32_t> parseDecimal(std::string_view line, int64_t min, int64_t max)
{
    std::size_t i = skipBlanks(line);
    bool neg = false;
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) neg = line[i++] == '-';
    double v = 0;
    for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
        v = v * 10 + (line[i] - '0');
        if (v > 1e12) return std::nullopt;
    }
    if (i < line.size() && line[i] == '.') {
        double scale = 0.1;
        for (++i; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i, scale /= 10)
            v += (line[i] - '0') * scale;
    }
    int64_t r = roundEven(neg ? -v : v);
    if (r < min || r > max) return std::nullopt;
    return static_cast<int32_t>(r);
}

namespace {

class LineReader {
public:
    // Lines end with LF or CR LF; in data with carriage returns and no line
    // feed at all, with CR.
    explicit LineReader(std::string_view data)
        : data_(data),
          end_(data.find('\n') == std::string_view::npos && data.find('\r') != std::string_view::npos ? '\r' : '\n')
    {
    }
    bool atEnd() const { return pos_ >= data_.size(); }
    // The next line without its line end; empty at the end of the data.
    std::string_view next()
    {
        if (atEnd()) return {};
        auto nl = data_.find(end_, pos_);
        std::string_view line = data_.substr(pos_, nl == std::string_view::npos ? std::string_view::npos : nl - pos_);
        pos_ = nl == std::string_view::npos ? data_.size() : nl + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++line_;
        return line;
    }
    // The number of the line next() returned last, from 1.
    std::size_t lineNumber() const { return line_; }
    bool atHeader() const { return !atEnd() && data_[pos_] == '['; }
    std::string_view peek() const
    {
        LineReader copy = *this;
        return copy.next();
    }

private:
    std::string_view data_;
    char end_;
    std::size_t pos_ = 0;
    std::size_t line_ = 0;
};

template <class T>
void setIf(T& field, std::optional<int32_t> v)
{
    if (v) field = static_cast<T>(*v);
}

void completeCpuOffers(RowEintrag& r)
{
    const int modus = static_cast<uint16_t>(r.Modus);
    auto& c = r.Cpu;
    if (modus & 0x001) c.WebAvail = kTrue;
    if (modus & 0x002) c.CompPrioAvail = kTrue;
    if (modus & 0x004) {
        // The decimal digits of the input-byte line, read again as hexadecimal.
        std::string digits = std::to_string(r.InCnt);
        uint64_t v = 0;
        bool ok = r.InCnt >= 0 && digits.size() <= 8;
        for (char ch : digits) v = v * 16 + static_cast<uint64_t>(ch - '0');
        if (ok) {
            auto sv = static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(v)));
            int64_t limit = sv % 65536;
            int64_t max = roundEven(static_cast<double>(sv) / 65535.0);
            if (fits16(limit)) c.MemoryUpDownLimit = static_cast<int16_t>(limit);
            if (fits16(max)) c.MemoryMax = c.MemorySizeValue = static_cast<int16_t>(max);
        }
    }
    if (modus & 0x008) c.SlotB2Avail = kTrue;
    if (modus & 0x010) c.ComAvail = kTrue;
    if (modus & 0x020) c.PeripheryAvail = kTrue;
    if (modus & 0x040) r.HasConnector = kTrue;
    if (modus & 0x080) c.Port0Avail = kTrue;
    if (modus & 0x100) c.SlotBAvail = kTrue;
    if (modus & 0x200) r.HasMemSlots = kTrue;
}

void setSlotLayout(RowEintrag& r)
{
    int high = static_cast<int16_t>(r.SubCount & ~0xFF);
    r.SlotCnt = static_cast<int16_t>(roundEven(high / 255.0));
    r.SlotLimit = static_cast<int16_t>(r.SubCount & 0xFF);
}

void fillChannels(RowEintrag& r, int count, int16_t chFlags, int16_t min, int16_t max, int16_t reset)
{
    r.KanalWerte.assign(static_cast<std::size_t>(count), KanalWert{chFlags, min, max, reset});
}

void complete(RowEintrag& r)
{
    const std::string type = typeCode(r.BestellNr);
    if (r.hasFlag(flags::Cpu)) {
        r.IsCPU = kTrue;
        r.IsModule = kFalse;
        setSlotLayout(r);
        completeCpuOffers(r);
        r.HasDialog = kTrue;
        r.IsHead = kTrue;
        r.IsPlaced = kTrue;
        r.SonNbr = 0;
        r.MaxSlotNbr = r.OutCnt;
    } else if (r.hasFlag(flags::Extension)) {
        r.IsCPU = kFalse;
        r.IsExtension = kTrue;
        setSlotLayout(r);
        r.IsHead = kTrue;
        r.IsPlaced = kTrue;
        r.SonNbr = 0;
        r.IsModule = kFalse;
        if (r.Modus & 0x040) r.HasConnector = kTrue;
    } else if (!r.hasFlag(flags::Even)) {
        if (r.hasFlag(flags::Min256)) {
            r.ParLen = 4;
            r.InBase = 512;
            r.OutBase = 512;
        }
    } else {
        r.InBase = 256;
        r.OutBase = 256;
        switch (r.identWord()) {
            case 0x42:
                r.ParLen = 30;
                if (type == "E301")
                    fillChannels(r, 7, 0, 0, 10000, 0);
                else if (type == "E302")
                    fillChannels(r, 7, 1, 0, 20000, 0);
                else
                    fillChannels(r, 7, 0, -10000, 10000, 0);
                break;
            case 0x62:
                r.ParLen = 36;
                fillChannels(r, 6, 0, type == "E311" ? 0 : -10000, 10000, 0);
                break;
            case 0x63:
                r.ParLen = 24;
                fillChannels(r, 4, 1, 0, 20000, 4000);
                break;
            case 0x65:
                r.ParLen = 24;
                fillChannels(r, 4, 0, 0, 10000, 0);
                break;
            default:
                break;
        }
    }
}

}  // namespace

ModuleCatalog parseModuleDescriptions(std::string_view bytes, std::string* error, std::vector<std::string>* warnings)
{
    ModuleCatalog cat;
    // After a byte-order mark the file is UTF-8; its texts are taken through
    // windows-1252 all the same, so they hold only what the program can show.
    const std::string_view body = skipBom(bytes);
    const bool utf8 = body.size() != bytes.size();
    auto text = [utf8](std::string_view line) { return cp1252ToUtf8(utf8 ? utf8ToCp1252(line) : line); };
    std::size_t places = 0;
    LineReader in(body);
    while (!in.atEnd() && (in.peek().empty() || in.peek()[0] != '[')) in.next();
    while (!in.atEnd()) {
        if (cat.count() >= kMaxModuleRecords) {
            if (error) *error = "holds more than " + std::to_string(kMaxModuleRecords) + " module records";
            break;
        }
        RowEintrag r;
        std::string_view header = in.next();
        const std::size_t headerLine = in.lineNumber();
        if (header.size() >= 2) r.BestellNr = text(header.substr(1, header.size() - 2));
        // A record cut short leaves the next record's header to that record.
        std::size_t lines = 1;
        bool cut = false;
        auto field = [&]() -> std::string_view {
            if (cut || in.atEnd() || in.atHeader()) {
                cut = true;
                return {};
            }
            ++lines;
            return in.next();
        };
        if (auto v = parseHexWord(field())) r.setIdentWord(*v);
        if (auto v = parseHexWord(field())) r.ModFlags = *v;
        if (auto v = parseHexWord(field())) r.Modus = *v;
        setIf(r.InCnt, parseDecimal(field(), INT32_MIN, INT32_MAX));
        setIf(r.OutCnt, parseDecimal(field(), INT16_MIN, INT16_MAX));
        setIf(r.Reserve1, parseDecimal(field(), INT16_MIN, INT16_MAX));
        if (auto v = parseHexWord(field())) r.SubCount = *v;
        if (auto v = parseHexWord(field())) r.Family = *v;
        r.IsModule = kTrue;
        r.ParLen = (r.identWord() == 0x35 || r.identWord() == 0x67) ? 0 : 4;
        if (r.hasFlag(flags::SubEntries)) {
            std::string_view line = field();
            places += r.SubCount >= 0 ? static_cast<std::size_t>(r.SubCount) + 1 : 0;
            if (places > kMaxSubEntryPlaces) {
                if (error)
                    *error = "record " + r.BestellNr + ": the records ask for more than " +
                             std::to_string(kMaxSubEntryPlaces) + " sub-entries";
                break;
            }
            if (r.SubCount >= 0) {
                r.SubList.assign(static_cast<std::size_t>(r.SubCount) + 1, std::string());
                std::size_t place = 0, pos = 0;
                while (place < static_cast<std::size_t>(r.SubCount)) {
                    auto end = line.find('}', pos);
                    r.SubList[place++] =
                        text(line.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
                    if (end == std::string_view::npos) break;
                    pos = end + 1;
                }
            }
        }
        r.Bezeichnung = text(field());
        if (cut && warnings)
            warnings->push_back("line " + std::to_string(headerLine) + ": record [" + r.BestellNr + "] ends after " +
                                std::to_string(lines) + " of its " +
                                std::to_string(r.hasFlag(flags::SubEntries) ? 11 : 10) +
                                " lines; the missing values are taken as empty");
        const std::string type = typeCode(r.BestellNr);
        if (type == "G510") r.Param1 = 192;
        if (type == "K205") r.Param3 = 1;
        complete(r);
        std::string comment;
        while (!in.atEnd() && (in.peek().empty() || in.peek()[0] != '[')) {
            std::string_view line = in.next();
            if (!line.empty() && line[0] == ';') continue;
            comment += text(line);
            comment += "\r\n";
        }
        r.Kommentar = std::move(comment);
        cat.add(std::move(r));
    }
    return cat;
}

CatalogLoad LoadModuleDescriptions(const std::filesystem::path& file)
{
    if (!FileExists(file)) return {std::nullopt, "not found", {}};
    auto r = readFile(file, 256u << 20);
    if (!r.data) return {std::nullopt, r.error, {}};
    std::string error;
    std::vector<std::string> warnings;
    ModuleCatalog cat = parseModuleDescriptions(*r.data, &error, &warnings);
    if (error.empty() && cat.count() == 0) error = "holds no module record";
    if (!error.empty()) return {std::nullopt, error, {}};
    return {std::move(cat), {}, std::move(warnings)};
}

}  // namespace rm
