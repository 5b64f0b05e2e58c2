// What changed between two projects, module by module, so a user can judge
// what to test again.
#pragma once

#include <string>
#include <vector>

#include "core/project/ProjectTable.h"

namespace rm {

struct FieldChange {
    std::string field;  // "InBase"; "row +1 Param1" for a module's second row
    std::string before, after;
};

// One difference, module by module, for a list a user can walk through.
struct ProjectDifference {
    enum Kind { Information, Changed, Moved, Removed, Added };
    Kind kind = Changed;
    std::string order;
    int rowA = 0, rowB = 0;      // where it stands in either project; 0 where it does not
    std::string whereA, whereB;  // describeRow of those rows
    std::vector<FieldChange> changes;
};
std::vector<ProjectDifference> projectDifferences(const ProjectTable& a, const ProjectTable& b);

// One line per change; empty when the projects are the same. Modules are
// matched by slot first, then by order number (a move), and what is left
// was placed or removed. The file's own path and title do not count.
std::vector<std::string> diffProjects(const ProjectTable& a, const ProjectTable& b);

// The fields of a record by name, as text, in file order (CPU settings included).
std::vector<std::pair<std::string, std::string>> describeFields(const RowEintrag& record);

}  // namespace rm
