#include "core/dbgen/DbSelection.h"

namespace rm {

void DbSelection::selectIo(int option)
{
    if (option < 0 || option >= kIoOptions) return;
    // Where a CPU choice goes when the I/O block takes its number.
    static constexpr int kMoveTo[kIoOptions] = {1, 2, 1};
    io_ = option;
    for (int i = 0; i < kIoOptions; ++i) cpuEnabled_[i] = i != option;
    cpuEnabled_[kNotRequested] = true;
    if (cpu_ == option) cpu_ = kMoveTo[option];
}

bool DbSelection::selectCpu(int option)
{
    if (!cpuEnabled(option)) return false;
    cpu_ = option;
    return true;
}

}  // namespace rm
