// One project: the table the user sees (labels and cell texts), the row
// records behind it (RowArray) and the project information. Every rule of
// placing, addressing, writing and editing rows lives here; a project window
// only shows this model and forwards the user's actions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/app/AppState.h"
#include "core/record/RowEintrag.h"

namespace rm {

// Row kinds, from the label in column 0.
namespace kind {
inline constexpr int None = 0;
inline constexpr int CpuRow = 1;
inline constexpr int SlotA = 2;
inline constexpr int SlotB = 3;
inline constexpr int Connector = 4;
inline constexpr int Slot = 5;
inline constexpr int SlotMB = 6;
inline constexpr int SlotM = 7;
}  // namespace kind

// The parameter dialog that a row opens.
// Where a row write takes its record from.
enum class RecordFrom {
    CurrentModule = 2,  // what placing, loading or a dialog put there
    Clipboard = 3,      // what cut or copy put there (paste)
};

enum class DialogKind {
    None,
    DigitalInput,
    DigitalOutput,
    DigitalCombined,
    AnalogInput,
    AnalogOutput,
    AnalogCombined,
    Temperature,
    Counter,
    Encoder,
    TwoAxisEncoder,
    Positioning,
    Cpu,
};
DialogKind dialogFor(const RowEintrag& record);

// Why a row does not take a record.
enum class Refusal {
    None,
    SlotKind,       // the slot kind (CPU row, A, B, M, numbered, "+") does not take it
    Family,         // the station belongs to another family
    NoRoomInGroup,  // too few numbered slots left in the slot's group of the station
    SlotMaximum,    // the station would pass its maximum of numbered slots
    TableFull,      // the station's rows would not fit below row 100
    UnknownOrder,   // an order number of the module is not in the catalog
};

enum class AddressResult {
    Kept,         // the requested addresses were free
    Moved,        // the addresses were moved to the next free ones
    NoAddresses,  // the module has neither inputs nor outputs; nothing changed
    OutOfRange,   // the range would end above 32767; nothing was written
};

// The leading decimal number of a text, 0 when there is none.
int leadingNumber(const std::string& text);

class ProjectTable {
public:
    static constexpr int kMaxRow = 100;
    static constexpr int kColumns = 7;
    using Row = std::array<std::string, kColumns>;

    explicit ProjectTable(AppState& app);

    AppState& app() { return app_; }
    const AppState& app() const { return app_; }

    // ---- the table
    int rowCount() const { return static_cast<int>(grid_.size()); }  // header included
    int lastRow() const { return rowCount() - 1; }
    const std::string& cell(int row, int col) const
    {
        return grid_.at(static_cast<std::size_t>(row))[static_cast<std::size_t>(col)];
    }
    bool rowEmpty(int row) const { return cell(row, 1).empty(); }
    int currentRow() const { return current_; }
    void setCurrentRow(int row);
    bool labelsRightAligned() const { return labelsRight_; }

    // ---- the records
    RowEintrag& record(int row) { return rows_.at(static_cast<std::size_t>(row)); }
    const RowEintrag& record(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    const std::array<RowEintrag, kMaxRow + 1>& RowArray() const { return rows_; }
    ProjectInfo& info() { return info_; }
    const ProjectInfo& info() const { return info_; }

    bool changed() const { return changed_; }
    void SetProjektDataHasChangedFlag(bool on) { changed_ = on; }
    void SetEinlesenDateiFlag(bool on) { einlesen_ = on; }
    bool einlesenDatei() const { return einlesen_; }
    bool CtrlDown = false;

    // ---- rows and records
    int RowIs(int row) const;
    int GetLineParent(int row) const;
    int GetSonNbr(int row) const { return record(row).SonNbr; }
    std::string getCPUBestell() const { return rows_[1].BestellNr; }
    void ClearRowArrayEintrag(int row = -1);
    void DeleteGridArray(int first);
    // The record and row of the CPU or extension at or above the row.
    int FindStation(int row) const;

    // ---- addresses and row writing
    AddressResult AdresseErmitteln(int16_t& in, int16_t& out, bool check);
    // Both return false when nothing was written (an address range out of reach).
    bool WriteRowEintrag(RecordFrom from);
    bool WriteSonderEintragEx(RecordFrom from);
    void SelectNextRow();
    void ClearModuleRows(bool ask, int row = -1);

    // ---- placement
    bool IsAllowedInRow(const RowEintrag& record, int row) const;
    // The first rule that keeps the record out of the row; None when it is allowed.
    Refusal WhyNotAllowed(const RowEintrag& record, int row) const;
    // The sentence that explains a refusal, in the active language.
    std::string refusalText(Refusal why, const RowEintrag& record, int row) const;
    // Text 1088 followed by the reason.
    void tellRefusal(const RowEintrag& record, int row);
    bool SlotFits(int row, int n) const;
    bool FamilyFits(int row, const RowEintrag& record) const;
    bool isMaxSlotNbrReached(const RowEintrag& record, int targetRow) const;
    bool ConfirmModuleTarget(int sourceKind);
    bool ConfirmCpuTarget(int sourceKind);
    // What an exchange of the station on `row` for `station` keeps and removes:
    // every module and rack that the rules allow in the new layout stays in its
    // slot with its addresses and settings.
    struct ExchangeOutcome {
        int keptModules = 0;
        int keptRacks = 0;
        std::vector<std::string> removed;  // "QMV2.C210 (B1: the new CPU has no slot B1)"
    };
    ExchangeOutcome exchangeOutcome(const RowEintrag& station, int row);
    // The outcome as the exchange question shows it after text 1083; empty
    // when nothing follows the station.
    std::string exchangeSummary(const ExchangeOutcome& outcome) const;
    bool insertModule();
    // Double click (or Enter) on a catalog entry; true when something was placed.
    bool DblClickInTree(int index);
    void TruncateRows(int n);
    // A drop of a catalog entry on row t.
    bool dropFromCatalog(int index, int t);
    // A drop of the row s of `source` (its record is in CurrentModule) on row t.
    bool dropFromTable(ProjectTable& source, int s, int t, bool ctrl);
    bool canDrag(int row) const;
    // Rows a record occupies when placed: its sub-rows included.
    static int rowsOf(const RowEintrag& record);

    // ---- edit commands
    void FktCut();
    void FktCopy();
    void FktPaste();
    void FktDelete();
    int ConfirmCutStation(const RowEintrag& record);
    struct EditState {
        bool cut = false, copy = false, del = false, paste = false;
    };
    EditState UpdateEditCommands() const;

    // ---- the dialog of a row
    // Fills CurrentModule (and NextModule for the two-axis encoder) and the
    // location texts; returns the dialog to open.
    DialogKind prepareDialog(int row);
    // After the dialog: the row's record (and the following one) take the results.
    void finishDialog(int row, DialogKind dialog);

    // ---- loading
    // Rebuilds the table from stored records as opening a project file does.
    // Records that cannot be shown are dropped; each drop is described in notes.
    void ProjektLaden(const ProjectInfo& info, const std::array<RowEintrag, kMaxRow + 1>& records,
                      std::vector<std::string>* notes = nullptr);

    // For undo of a refused several-step operation.
    struct Snapshot {
        std::vector<Row> grid;
        std::array<RowEintrag, kMaxRow + 1> rows;
        int current;
        bool changed;
        bool labelsRight;
    };
    Snapshot snapshot() const { return {grid_, rows_, current_, changed_, labelsRight_}; }
    void restore(const Snapshot& s);

private:
    void setCell(int row, int col, std::string text);
    void clearRow(int row);
    void writeAddressCells(int row, const RowEintrag& record);
    bool appendRow(const std::string& label);
    void removeRowsAfter(int row);
    bool writeModuleRows(const RowEintrag& head, const RowEintrag& definition, RecordFrom from);
    bool subListResolves(const RowEintrag& record) const;
    bool stationFitsTable(const RowEintrag& record, int row) const;
    int extraRowCount(const RowEintrag& cpu) const;
    void clearModulesInRows(int first, int n);
    // Writes `station` on the current row and places again what followed it.
    bool exchangeStation(ExchangeOutcome* outcome);

    AppState& app_;
    std::vector<Row> grid_;
    std::array<RowEintrag, kMaxRow + 1> rows_{};
    ProjectInfo info_;
    int current_ = 1;
    bool changed_ = false;
    bool einlesen_ = false;
    bool labelsRight_ = false;
};

// Every byte of a module's range lies below this address.
// While it lives, rows are written as loading a file or a dialog's final
// write does: the addresses stay as the record holds them, without the
// address search. Afterwards the table reads as it did before.
class ReadingRows {
public:
    explicit ReadingRows(ProjectTable& table) : table_(table), was_(table.einlesenDatei())
    {
        table_.SetEinlesenDateiFlag(true);
    }
    ~ReadingRows() { table_.SetEinlesenDateiFlag(was_); }
    ReadingRows(const ReadingRows&) = delete;
    ReadingRows& operator=(const ReadingRows&) = delete;

private:
    ProjectTable& table_;
    bool was_;
};

inline constexpr int64_t kAddressLimit = 32000;
inline constexpr const char* kAddressLimitText = "maximale Address: 32000";
// Shared procedure of the module dialogs: false (after the message, which
// names the range asked for) when a range of `count` bytes from `address`
// would reach 32000.
bool CheckMaxAddress(AppState& app, long address, long count = 1);
// The message for an address search that found no room below 32000.
void ShowNoRoomBelowLimit(AppState& app);

}  // namespace rm
