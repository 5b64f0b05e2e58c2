// What changed between two projects, module by module, so a user can judge
// what to test again.
#pragma once

#include <string>
#include <vector>

#include "core/project/ProjectTable.h"

namespace rm {

// One line per change; empty when the projects are the same. Modules are
// matched by slot first, then by order number (a move), and what is left
// was placed or removed. The file's own path and title do not count.
std::vector<std::string> diffProjects(const ProjectTable& a, const ProjectTable& b);

// The fields of a record by name, as text, in file order (CPU settings included).
std::vector<std::pair<std::string, std::string>> describeFields(const RowEintrag& record);

}  // namespace rm
