#include "core/dbgen/DbSelection.h"

#include <gtest/gtest.h>

namespace rm {
namespace {

constexpr int kNone = DbSelection::kNotRequested;

// From every CPU choice, choosing each I/O block: the CPU option with the
// same number goes grey and a choice on it moves on.
TEST(DbSelection, IoChoiceKeepsTheCpuBlockOffItsNumber)
{
    struct Case {
        int io, cpuBefore, cpuAfter;
    };
    const Case cases[] = {
        {0, 0, 1}, {0, 1, 1},         {0, 2, 2}, {0, kNone, kNone}, {1, 0, 0}, {1, 1, 2},
        {1, 2, 2}, {1, kNone, kNone}, {2, 0, 0}, {2, 1, 1},         {2, 2, 1}, {2, kNone, kNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("io " + std::to_string(c.io) + ", cpu " + std::to_string(c.cpuBefore));
        DbSelection s;
        s.selectIo(c.cpuBefore == 0 ? 1 : 0);
        ASSERT_TRUE(s.selectCpu(c.cpuBefore));
        s.selectIo(c.io);
        EXPECT_EQ(s.cpu(), c.cpuAfter);
        for (int i = 0; i < DbSelection::kIoOptions; ++i) EXPECT_EQ(s.cpuEnabled(i), i != c.io) << i;
        EXPECT_TRUE(s.cpuEnabled(kNone));
    }
}

TEST(DbSelection, RefusesDisabledOptionsAndMapsToWriteDbArguments)
{
    DbSelection s;
    EXPECT_FALSE(s.selectCpu(0) || s.selectCpu(4));
    s.selectIo(3);
    EXPECT_EQ(std::make_pair(s.io(), s.cpu()), std::make_pair(0, kNone));
    s.selectIo(2);
    ASSERT_TRUE(s.selectCpu(1));
    EXPECT_EQ(std::make_pair(s.ioDb(), s.cpuDb()), std::make_pair(2, 2));
    s.selectIo(0);
    ASSERT_TRUE(s.selectCpu(2));
    EXPECT_EQ(std::make_pair(s.ioDb(), s.cpuDb()), std::make_pair(0, 3));
}

}  // namespace
}  // namespace rm
