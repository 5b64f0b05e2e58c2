// JSON views of a project, of the module catalog and of the catalog tree, for
// the command line and for anyone who wants to read or script project data.
//
// A project in JSON:
//   { "format": "rackmason-project", "version": 1,
//     "ProjectInfo": { ...the information fields by name... },
//     "rows": [ { "row": 1..100, ...record fields by name..., "CpuConfig": {...} }, ... ] }
// "rows" lists the records that are not empty, in row order. Field names are
// those of the records; Booleans are true/false (any other stored value stays
// a number), texts are strings, lists and fixed arrays are arrays. Reading
// the JSON and saving it gives back the project file it came from, byte for byte.
//
// As exported, a row whose module has a parameter dialog also carries
// "settings": the dialog's choices by name (see SettingsJson.h). They are
// for reading and scripting; the fields stay what a project is read from, and
// given settings are only checked against them.
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/catalog/CatalogTree.h"
#include "core/catalog/ModuleCatalog.h"
#include "core/record/RowEintrag.h"
#include "core/table/ProjectFile.h"

namespace rm {

// Invalid JSON input; the message names the row and field concerned.
class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kProjectJsonFormat = "rackmason-project";
inline constexpr int kProjectJsonVersion = 1;

// Bounds of a JSON text read from outside: a project is about 60 KB.
inline constexpr std::size_t kMaxJsonBytes = 16u << 20;
inline constexpr int kMaxJsonDepth = 64;

// Parses JSON text, refusing a key given twice in one object and nesting
// deeper than kMaxJsonDepth; every refusal is a JsonError whose text is a
// sentence (no library codes).
nlohmann::json parseJsonText(std::string_view text);

// Whether a text field holds lines (a module's comment, the project's
// description and notes); every other text is one line.
bool isMultiLineText(std::string_view field);
// Why a text cannot be stored in the named field (windows-1252, its length,
// a control character in a one-line text), or empty when it can.
std::string textRefusal(std::string_view field, const std::string& text);

nlohmann::ordered_json projectToJson(const ProjectData& data);
// Fields a record or the information leaves out keep their empty values.
ProjectData projectFromJson(const nlohmann::json& json);
// A project JSON to be saved as a project file: projectFromJson, and the
// information's FormatVersion must be there and be the one a project file
// has, so that the file written opens again.
ProjectData importProject(const nlohmann::json& json);

// Every field of one record, the CPU settings under "CpuConfig".
nlohmann::ordered_json recordToJson(const RowEintrag& record);

// Sets one field of a record by name (a field of the record itself or one of
// its CPU settings), with the same checks as reading a project.
void setRecordField(RowEintrag& record, const std::string& name, const nlohmann::json& value);

// The catalog records in file order, each with its 1-based "index".
nlohmann::ordered_json modulesToJson(const ModuleCatalog& catalog);

// The tree as nested objects; a module node carries its catalog index and
// order number (both null for an entry the catalog does not know).
nlohmann::ordered_json catalogToJson(const CatalogNode& root, const ModuleCatalog& catalog);

}  // namespace rm
