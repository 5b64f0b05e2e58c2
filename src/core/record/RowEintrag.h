// The record of one project table row and of one catalog definition, plus the
// project information record. Both are plain values: copying copies everything.
//
// Field order here is the order of the project file; every codec walks the
// fields through visitRowFields / visitInfoFields so the layout lives in one place.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rm {

// Booleans in records are 16-bit values: 0 False, -1 True. Other stored values
// are kept as they are, so a record survives a load/save round trip unchanged.
inline constexpr int16_t kTrue = -1;
inline constexpr int16_t kFalse = 0;
// Booleans read from records and files: any non-zero value is True.
inline bool isSet(int16_t boolean)
{
    return boolean != 0;
}

struct KanalWert {
    int16_t ChFlags = 0;
    int16_t MinVaCh = 0;
    int16_t MaxVaCh = 0;
    int16_t ResVaCh = 0;
    bool operator==(const KanalWert&) const = default;
};

// CPU settings kept in the CPU row's record, after MaxSlotNbr.
struct CpuConfig {
    int16_t SlotB2Avail = 0;
    int16_t SlotBAvail = 0;
    std::array<int16_t, 4> SlotBFast{};
    int16_t ComAvail = 0;
    int16_t MpiMode = 0;
    int16_t Port0Avail = 0;
    int16_t TimingOn = 0;
    int16_t Cdt = 0;
    int16_t Adt = 0;
    int16_t ViaModem = 0;
    int16_t ModemN613 = 0;
    int16_t TimeOut = 0;
    int16_t PortNumber = 0;
    int32_t BaudRate = 0;
    int16_t CompPrioAvail = 0;
    int16_t MemorySelected = 0;
    int16_t MemorySizeValue = 0;
    int16_t MemoryUpDownLimit = 0;
    int16_t MemoryMax = 0;
    std::array<std::string, 6> CompPrio{};
    int16_t WebAvail = 0;
    int16_t WebOn = 0;
    int16_t IndexDB = 0;
    std::array<std::string, 5> WebPassword{};
    int16_t RamDisk = 0;
    std::string DateFormat;
    std::string TimeFormat;
    int16_t PeripheryAvail = 0;
    int16_t PeripheryOff = 0;
    bool operator==(const CpuConfig&) const = default;

    // A CPU row without a memory size stands for the largest one: the CPU
    // dialog shows it and the CPU block writes it.
    int16_t memorySize() const { return MemorySizeValue == 0 ? MemoryMax : MemorySizeValue; }
};

struct RowEintrag {
    std::string BestellNr;
    uint8_t Kennung = 0;
    uint8_t FormatCode = 0;
    int16_t ModFlags = 0;
    int16_t Modus = 0;
    int32_t InCnt = 0;
    int16_t OutCnt = 0;
    int16_t Reserve1 = 0;
    std::string Bezeichnung;
    std::string Kommentar;
    int16_t InBase = 0;
    int16_t OutBase = 0;
    int16_t PANr = 0;
    int16_t Param1 = 0;
    int16_t Param2 = 0;
    int16_t Param3 = 0;
    int16_t Param4 = 0;
    int16_t SubCount = 0;
    std::vector<std::string> SubList;
    int16_t IsPlaced = 0;
    int16_t HasDialog = 0;
    int16_t IsModule = 0;
    int16_t IsHead = 0;
    int16_t SonNbr = 0;
    int16_t Family = 0;
    int16_t ParLen = 0;
    int16_t Reserve3 = 0;
    std::vector<KanalWert> KanalWerte;
    int16_t IsCPU = 0;
    int16_t IsExtension = 0;
    int16_t HasConnector = 0;
    int16_t HasMemSlots = 0;
    int16_t SlotCnt = 0;
    int16_t SlotLimit = 0;
    int16_t CpuRowsEnd = 0;
    int16_t MaxSlotNbr = 0;
    CpuConfig Cpu;

    bool operator==(const RowEintrag&) const = default;

    // Kennung in the low byte, FormatCode in the high byte, read as one signed word.
    int16_t identWord() const { return static_cast<int16_t>(Kennung | (FormatCode << 8)); }
    void setIdentWord(int v)
    {
        Kennung = static_cast<uint8_t>(v & 0xFF);
        FormatCode = static_cast<uint8_t>((v >> 8) & 0xFF);
    }
    bool hasFlag(int bits) const { return (static_cast<uint16_t>(ModFlags) & bits) != 0; }
    bool isEmpty() const { return *this == RowEintrag{}; }
    bool isCpuOrExtension() const { return hasFlag(0x0800) || hasFlag(0x0400); }
};

struct ProjectInfo {
    std::string ProjektPfad;
    std::string ProjektTitel;
    int16_t Gespeichert = 0;
    std::string ProjektName;
    std::string Familie;
    std::string Autor;
    std::string Beschreibung;
    std::string Notizen;
    std::string Reserve4;
    std::string Reserve5;
    int16_t InfoBestaetigt = 0;
    int16_t FormatVersion = 0;
    bool operator==(const ProjectInfo&) const = default;
};

namespace flags {
inline constexpr int Inputs = 0x4000;
inline constexpr int Outputs = 0x2000;
inline constexpr int Even = 0x1000;
inline constexpr int Cpu = 0x0800;
inline constexpr int Extension = 0x0400;
inline constexpr int Min256 = 0x0200;
inline constexpr int SlotA = 0x0100;
inline constexpr int SlotB = 0x0080;
inline constexpr int NoIoSlot = 0x0040;
inline constexpr int SubEntries = 0x8000;
}  // namespace flags

// The module type code: the text after the first ".", or the whole text.
std::string typeCode(const std::string& bestellNr);

// How a field is stored and shown; Boolean and Integer share a C++ type.
enum class FieldKind { Byte, Integer, Boolean, Long, Text };

// Calls v(kind, name, ref) for every scalar field and v.list / v.fixed for
// arrays, in file order. R is RowEintrag or const RowEintrag.
template <class R, class V>
void visitCpuFields(R& c, V&& v)
{
    using K = FieldKind;
    v(K::Boolean, "SlotB2Avail", c.SlotB2Avail);
    v(K::Boolean, "SlotBAvail", c.SlotBAvail);
    v.fixed(K::Boolean, "SlotBFast", c.SlotBFast);
    v(K::Boolean, "ComAvail", c.ComAvail);
    v(K::Boolean, "MpiMode", c.MpiMode);
    v(K::Boolean, "Port0Avail", c.Port0Avail);
    v(K::Boolean, "TimingOn", c.TimingOn);
    v(K::Integer, "Cdt", c.Cdt);
    v(K::Integer, "Adt", c.Adt);
    v(K::Boolean, "ViaModem", c.ViaModem);
    v(K::Boolean, "ModemN613", c.ModemN613);
    v(K::Integer, "TimeOut", c.TimeOut);
    v(K::Integer, "PortNumber", c.PortNumber);
    v(K::Long, "BaudRate", c.BaudRate);
    v(K::Boolean, "CompPrioAvail", c.CompPrioAvail);
    v(K::Boolean, "MemorySelected", c.MemorySelected);
    v(K::Integer, "MemorySizeValue", c.MemorySizeValue);
    v(K::Integer, "MemoryUpDownLimit", c.MemoryUpDownLimit);
    v(K::Integer, "MemoryMax", c.MemoryMax);
    v.fixed(K::Text, "CompPrio", c.CompPrio);
    v(K::Boolean, "WebAvail", c.WebAvail);
    v(K::Boolean, "WebOn", c.WebOn);
    v(K::Integer, "IndexDB", c.IndexDB);
    v.fixed(K::Text, "WebPassword", c.WebPassword);
    v(K::Integer, "RamDisk", c.RamDisk);
    v(K::Text, "DateFormat", c.DateFormat);
    v(K::Text, "TimeFormat", c.TimeFormat);
    v(K::Boolean, "PeripheryAvail", c.PeripheryAvail);
    v(K::Boolean, "PeripheryOff", c.PeripheryOff);
}

// Fields 1 to 36 of the row record (the CPU settings follow separately).
template <class R, class V>
void visitRowFields(R& r, V&& v)
{
    using K = FieldKind;
    v(K::Text, "BestellNr", r.BestellNr);
    v(K::Byte, "Kennung", r.Kennung);
    v(K::Byte, "FormatCode", r.FormatCode);
    v(K::Integer, "ModFlags", r.ModFlags);
    v(K::Integer, "Modus", r.Modus);
    v(K::Long, "InCnt", r.InCnt);
    v(K::Integer, "OutCnt", r.OutCnt);
    v(K::Integer, "Reserve1", r.Reserve1);
    v(K::Text, "Bezeichnung", r.Bezeichnung);
    v(K::Text, "Kommentar", r.Kommentar);
    v(K::Integer, "InBase", r.InBase);
    v(K::Integer, "OutBase", r.OutBase);
    v(K::Integer, "PANr", r.PANr);
    v(K::Integer, "Param1", r.Param1);
    v(K::Integer, "Param2", r.Param2);
    v(K::Integer, "Param3", r.Param3);
    v(K::Integer, "Param4", r.Param4);
    v(K::Integer, "SubCount", r.SubCount);
    v.subList("SubList", r.SubList);
    v(K::Boolean, "IsPlaced", r.IsPlaced);
    v(K::Boolean, "HasDialog", r.HasDialog);
    v(K::Boolean, "IsModule", r.IsModule);
    v(K::Boolean, "IsHead", r.IsHead);
    v(K::Integer, "SonNbr", r.SonNbr);
    v(K::Integer, "Family", r.Family);
    v(K::Integer, "ParLen", r.ParLen);
    v(K::Integer, "Reserve3", r.Reserve3);
    v.channels("KanalWerte", r.KanalWerte);
    v(K::Integer, "IsCPU", r.IsCPU);
    v(K::Integer, "IsExtension", r.IsExtension);
    v(K::Integer, "HasConnector", r.HasConnector);
    v(K::Integer, "HasMemSlots", r.HasMemSlots);
    v(K::Integer, "SlotCnt", r.SlotCnt);
    v(K::Integer, "SlotLimit", r.SlotLimit);
    v(K::Integer, "CpuRowsEnd", r.CpuRowsEnd);
    v(K::Integer, "MaxSlotNbr", r.MaxSlotNbr);
}

template <class P, class V>
void visitInfoFields(P& p, V&& v)
{
    using K = FieldKind;
    v(K::Text, "ProjektPfad", p.ProjektPfad);
    v(K::Text, "ProjektTitel", p.ProjektTitel);
    v(K::Boolean, "Gespeichert", p.Gespeichert);
    v(K::Text, "ProjektName", p.ProjektName);
    v(K::Text, "Familie", p.Familie);
    v(K::Text, "Autor", p.Autor);
    v(K::Text, "Beschreibung", p.Beschreibung);
    v(K::Text, "Notizen", p.Notizen);
    v(K::Text, "Reserve4", p.Reserve4);
    v(K::Text, "Reserve5", p.Reserve5);
    v(K::Boolean, "InfoBestaetigt", p.InfoBestaetigt);
    v(K::Integer, "FormatVersion", p.FormatVersion);
}

}  // namespace rm
