// What changed between two projects, module by module, so a user can judge
// what to test again.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/base/TextTable.h"
#include "core/table/ProjectTable.h"

namespace rm {

struct FieldChange {
    std::string field;          // as the reader reads it: "channel 2 range", "Author"; raw: "InBase", "row +1 Param1"
    std::string before, after;  // as text: "0-10 V", "\"Service\"", "189"
    // The same as data, for scripts.
    std::string key;       // the settings key ("range") or the raw field name ("Param1", "Autor")
    bool setting = false;  // a named setting of the module's dialog; otherwise a raw field
    int channel = 0;       // 1, 2, ... for an entry of a per-channel setting
    int moduleRow = 0;     // a raw field of the module's second row is 1, and so on
    nlohmann::json beforeValue, afterValue;
};

// One difference, module by module, for a list a user can walk through.
struct ProjectDifference {
    enum Kind { Information, Changed, Moved, Removed, Added };
    Kind kind = Changed;
    std::string order;
    int rowA = 0, rowB = 0;      // where it stands in either project; 0 where it does not
    std::string whereA, whereB;  // those rows as describeRow names them: "slot 3 (row 7)"
    std::string placeA, placeB;  // the same without the row: "slot 3", "CPU"
    std::vector<FieldChange> changes;
};

// How the changes of a module and the project information are named.
struct DiffWording {
    // Every raw record field by its name, as the comparison always did;
    // otherwise the dialog's settings by their labels and values, and raw
    // fields only for what no setting covers.
    bool raw = false;
    // The language of the places, of the settings' labels and on/off, and of
    // the project information dialog's labels. Raw field names, the words of
    // a choice (the settings' own) and the texts stay as they are.
    int languageBase = kEnglishBase;
};

// Raw record fields, as the comparison always named them.
std::vector<ProjectDifference> projectDifferences(const ProjectTable& a, const ProjectTable& b);
std::vector<ProjectDifference> projectDifferences(const ProjectTable& a, const ProjectTable& b,
                                                  const DiffWording& wording);

// One line per change; empty when the projects are the same. Modules are
// matched by slot first, then by order number (a move), and what is left
// was placed or removed. The file's own path and title do not count.
// Raw record fields, one line per module.
std::vector<std::string> diffProjects(const ProjectTable& a, const ProjectTable& b);

// The differences in plain words, one line per changed setting or field:
// "slot 6 QMV2.E120: channel 2 range 0-10 V → 4-20 mA",
// "QMV2.D110 moved from slot 4 to slot 6", "project information: Author \"\" → \"Service\"".
std::vector<std::string> diffLines(const std::vector<ProjectDifference>& differences);
// The same entries as data, one object per line (the README describes them).
nlohmann::ordered_json diffJson(const std::vector<ProjectDifference>& differences);

// The fields of a record by name, as text, in file order (CPU settings included).
std::vector<std::pair<std::string, std::string>> describeFields(const RowEintrag& record);

}  // namespace rm
