// The CPU row's dialog in the project windows' registry of row dialogs.
#pragma once

namespace rm::gui {

// Opens CpuDialog for rows of kind DialogKind::Cpu.
void registerCpuDialog();

}  // namespace rm::gui
