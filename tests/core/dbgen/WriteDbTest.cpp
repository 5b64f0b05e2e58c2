#include "core/dbgen/WriteDb.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/base/Messages.h"
#include "core/dbgen/SourceFixture.h"
#include "core/dbgen/SourceGenerator.h"

namespace rm::test {
namespace {

namespace fs = std::filesystem;

class WriteDb : public SourceFixture {
protected:
    void SetUp() override
    {
        buildBasicExample();
        table.info().ProjektPfad = (dir / "hall2.qv4").string();
    }
    fs::path target() const { return dir / "hall2.awl"; }
    static void put(const fs::path& p, const std::string& bytes) { writeText(p, bytes); }

    const TempFolder temp;
    const fs::path& dir = temp.path;
};

TEST_F(WriteDb, WritesBesideTheProjectAndReplacesOnlyAfterOk)
{
    EXPECT_EQ(writeDB(table, 0, 3), 1);
    EXPECT_EQ(readText(target().string()), generateSource(table, 0, 3));
    EXPECT_TRUE(asker.shown.empty());

    put(target(), "old");
    WriteResult result = WriteResult::failed();
    asker.expect("already exist", answer::Cancel);
    EXPECT_EQ(writeDB(table, 0, 0, &result), 0);
    EXPECT_EQ(result, WriteResult::declined());
    EXPECT_EQ(readText(target().string()), "old");
    asker.expect("already exist", answer::Ok);
    EXPECT_EQ(writeDB(table, 0, 0, &result), 1);
    EXPECT_EQ(result, WriteResult::written());
    EXPECT_EQ(readText(target().string()), readText(dataPath("io_format01.awl")));
    // Nothing but the source is left in the folder (no temporary files).
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
}

TEST_F(WriteDb, FailuresReturnZeroAndLeaveWhatWasThere)
{
    // Never saved: no path, no question.
    table.info().ProjektPfad.clear();
    WriteResult result = WriteResult::written();
    EXPECT_EQ(writeDB(table, 0, 0, &result), 0);
    EXPECT_TRUE(result.hasFailed());
    EXPECT_NE(result.reason(), "");
    // A folder that does not exist: the system's reason.
    table.info().ProjektPfad = (dir / "missing" / "hall2.qv4").string();
    EXPECT_EQ(writeDB(table, 0, 0, &result), 0);
    EXPECT_EQ(result, WriteResult::failed(std::strerror(ENOENT)));
    EXPECT_FALSE(fs::exists(dir / "missing"));

    // A project named *.awl is its own source file: refused before any question.
    put(target(), "project");
    table.info().ProjektPfad = target().string();
    EXPECT_EQ(writeDB(table, 0, 0), 0);
    EXPECT_EQ(readText(target().string()), "project");
}

TEST_F(WriteDb, ATextTheSourceCannotCarryIsRefusedWithAMessage)
{
    put(target(), "old");
    table.record(7).BestellNr = "QMV3.E304\r\nEND_DATA_BLOCK";
    // Refused before the question about the existing file; that file stays.
    asker.expect("not generated: row 7, field BestellNr holds a control character (QMV3.E304\\x0D\\x0AEND", answer::Ok);
    EXPECT_EQ(writeDB(table, 0, 0), 2);
    ASSERT_EQ(asker.shown.size(), 1u);
    EXPECT_EQ(asker.shown[0].style, style::Ok + style::Exclamation);
    EXPECT_EQ(readText(target().string()), "old");
}

}  // namespace
}  // namespace rm::test
