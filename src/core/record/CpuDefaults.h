#pragma once

#include "core/record/RowEintrag.h"

namespace rm {

// The defaults a CPU or extension row gets when it is inserted into a project.
void SetCpuDefaults(RowEintrag& record);

}  // namespace rm
