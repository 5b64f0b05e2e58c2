// The block numbers chosen before generating the source: the I/O block is
// DB 1, DB 511 or DB 1023, the CPU block one of the other two or none. The
// two blocks never share a number.
#pragma once

#include <array>

namespace rm {

class DbSelection {
public:
    static constexpr int kIoOptions = 3;   // DB1, DB511, DB1023
    static constexpr int kCpuOptions = 4;  // DB1, DB511, DB1023, not requested
    static constexpr int kNotRequested = 3;

    // I/O block DB 1, no CPU block.
    DbSelection()
    {
        selectIo(0);
        cpu_ = kNotRequested;
    }

    // Choosing the I/O block disables the CPU option with the same number and
    // moves a CPU choice off it.
    void selectIo(int option);
    // False (and no change) for a disabled or unknown option.
    bool selectCpu(int option);

    int io() const { return io_; }
    int cpu() const { return cpu_; }
    bool cpuEnabled(int option) const { return option >= 0 && option < kCpuOptions && cpuEnabled_[option]; }

    // The arguments of writeDB: I/O block 0..2, CPU block 1..3 or 0 for none.
    int ioDb() const { return io_; }
    int cpuDb() const { return cpu_ == kNotRequested ? 0 : cpu_ + 1; }

private:
    int io_ = 0;
    int cpu_ = kNotRequested;
    std::array<bool, kCpuOptions> cpuEnabled_{true, true, true, true};
};

}  // namespace rm
