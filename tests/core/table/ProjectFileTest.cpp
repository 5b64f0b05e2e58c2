// The project file: its byte layout, reading back, and refusing bad files.
#include "core/table/ProjectFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/project/ProjectFixture.h"
#include "core/table/ProjectDocument.h"

namespace rm::test {
namespace {

namespace fs = std::filesystem;

ProjectData ofVersion(int version)
{
    ProjectData d;
    d.info.FormatVersion = static_cast<int16_t>(version);
    return d;
}

TEST(ProjectFileLayout, SizesAndFieldEncodings)
{
    ProjectData d = ofVersion(3);
    d.info.ProjektName = "Hall2";
    // Info: 9 texts (2 bytes each, one of 5 letters) and 3 words.
    const std::size_t info = 9 * 2 + 5 + 3 * 2;
    // An empty record: 3 texts, 2 bytes, a Long, 2 empty lists and 28 words;
    // then the CPU settings: 13 texts, 27 words and a Long.
    const std::size_t row = (3 * 2 + 2 + 4 + 2 * 2 + 28 * 2) + (13 * 2 + 27 * 2 + 4);
    EXPECT_EQ(encodeProject(d).size(), info + 100 * row);
    EXPECT_EQ(encodeProject(d).substr(0, 13), std::string("\0\0\0\0\0\0\x05\0Hall2", 13));

    RowEintrag& r = d.rows[1];
    r.BestellNr = "A\xC3\xA9";  // "Aé": one byte in the file
    r.Kennung = 0x42;
    r.FormatCode = 0x80;
    r.InCnt = -2;
    r.IsHead = kTrue;
    r.SubList = {"X", ""};
    r.KanalWerte = {KanalWert{1, -2, 3, 4}};
    const std::string bytes = encodeProject(d);
    const std::size_t start = info;
    EXPECT_EQ(bytes.substr(start, 4), std::string("\x02\0A\xE9", 4));
    EXPECT_EQ(bytes.substr(start + 4, 2), std::string("\x42\x80", 2));
    // ModFlags, Modus, then InCnt as four bytes.
    EXPECT_EQ(bytes.substr(start + 10, 4), std::string("\xFE\xFF\xFF\xFF", 4));
    // The SubList: one dimension, two elements, lower bound 0.
    EXPECT_NE(bytes.find(std::string("\x01\0\x02\0\0\0\0\0\0\0\x01\0X\0\0", 15)), std::string::npos);
    auto back = decodeProject(bytes);
    ASSERT_EQ(back.status, ProjectReadStatus::Ok);
    EXPECT_EQ(back.data, d);
}

// Cut files, a text longer than the file, and list headers that would make
// the reader allocate without bound or misread the rest.
TEST(ProjectFileLayout, DamagedFilesAreRefused)
{
    EXPECT_EQ(decodeProject(encodeProject(ofVersion(2))).status, ProjectReadStatus::WrongVersion);
    ProjectData d = ofVersion(3);
    d.rows[1].SubList = {"A"};
    d.rows[100].BestellNr = "LAST";
    const std::string good = encodeProject(d);
    std::vector<std::string> bad;
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{30}, good.size() / 2, good.size() - 1})
        bad.push_back(good.substr(0, cut));
    bad.push_back("\xFF\xFF" + good.substr(2, 198));  // a text claiming 65535 bytes
    const auto at = good.find(std::string("\x01\0\x01\0\0\0\0\0\0\0", 10));
    ASSERT_NE(at, std::string::npos);
    for (const char* count : {"\xFF\xFF\xFF\x7F", "\xFF\xFF\xFF\xFF", "\0\0\0\0"})
        bad.push_back(std::string(good).replace(at + 2, 4, count, 4));
    bad.push_back(std::string(good).replace(at, 1, "\x02"));      // two dimensions
    bad.push_back(std::string(good).replace(at + 6, 1, "\x01"));  // lower bound 1
    for (const std::string& b : bad) {
        auto res = decodeProject(b);
        EXPECT_EQ(res.status, ProjectReadStatus::Unreadable) << b.size();
        EXPECT_FALSE(res.detail.empty());
    }
    // Only bytes without project information at their start are another
    // kind of file; a cut record is a damaged project.
    EXPECT_TRUE(decodeProject("plain text, renamed\n").notAProjectFile);
    EXPECT_TRUE(decodeProject(good.substr(0, 1)).notAProjectFile);
    EXPECT_FALSE(decodeProject(good.substr(0, good.size() / 2)).notAProjectFile);
    // Versions 0 to 255 are projects of another release; past them, or
    // below, the bytes are something else.
    for (int version : {0, 2, 4, 255}) {
        const auto other = decodeProject(encodeProject(ofVersion(version)));
        EXPECT_FALSE(other.notAProjectFile) << version;
        EXPECT_EQ(other.status, ProjectReadStatus::WrongVersion) << version;
    }
    for (int version : {-1, -2, 256}) {
        const auto alien = decodeProject(encodeProject(ofVersion(version)));
        EXPECT_TRUE(alien.notAProjectFile) << version;
        EXPECT_EQ(alien.status, ProjectReadStatus::Unreadable) << version;
    }
    EXPECT_EQ(smallestProjectFileSize(), encodeProject(ofVersion(3)).size());

    // Bytes after the last record are not read, and counted.
    EXPECT_EQ(decodeProject(good).ignoredBytes, 0u);
    const auto padded = decodeProject(good + std::string(1000, '\0'));
    ASSERT_EQ(padded.status, ProjectReadStatus::Ok);
    EXPECT_EQ(padded.ignoredBytes, 1000u);
    EXPECT_EQ(padded.data, d);
}

TEST(ProjectFileLayout, NameRuleAndSourceName)
{
    EXPECT_EQ(applyNameRule("/p/abcdefgh.qv4"), fs::path("/p/abcdefgh.qv4"));
    EXPECT_EQ(applyNameRule("/p/abcdefghi.qv4"), fs::path("/p/abcdefgh.qv4"));
    // Twelve characters are kept whatever they are; the thirteenth cuts.
    EXPECT_EQ(applyNameRule("/p/abcdefghijkl"), fs::path("/p/abcdefghijkl"));
    EXPECT_EQ(applyNameRule("/p/abcdefghijklm"), fs::path("/p/abcdefgh.qv4"));
    EXPECT_EQ(sourcePathFor("C:\\Projects\\hall2.qv4"), "C:\\Projects\\hall2.awl");
    // Only a three-character extension is replaced: the source stays in
    // the project's folder whatever the name.
    for (const auto& [project, source] :
         std::vector<std::pair<std::string, std::string>>{{"/p/x.qv4", "/p/x.awl"},
                                                          {"x.QV4", "x.awl"},
                                                          {"d/b", "d/b.awl"},
                                                          {"projectfile", "projectfile.awl"},
                                                          {"ab", "ab.awl"},
                                                          {"d/.qv4", "d/.qv4.awl"},
                                                          {"d.x/abc", "d.x/abc.awl"},
                                                          {"C:\\p.x\\abc", "C:\\p.x\\abc.awl"},
                                                          {"p.json", "p.json.awl"},
                                                          {"p.qv", "p.qv.awl"},
                                                          {"d/", ""},
                                                          {"..", ""},
                                                          {"", ""}})
        EXPECT_EQ(sourcePathFor(project), source) << project;
}

class ProjectFiles : public ProjectFixture {
protected:
    const test::TempFolder temp;
    const fs::path& dir = temp.path;
};

// The opened project belongs to the file it came from, whatever path the
// file itself names.
TEST_F(ProjectFiles, SaveAndOpenRebuildTheTable)
{
    put({{"QMV2.R300", "#1"}, {"QMV2.T300", "#5"}, {"QMV2.X100", "#13"}, {"QMV2.D110", "9"}});
    ASSERT_EQ(saveProject(table, dir / "hall2.qv4"), WriteResult::written());
    EXPECT_FALSE(table.changed());
    fs::rename(dir / "hall2.qv4", dir / "moved.qv4");

    ProjectTable opened(app);
    auto res = openProject(opened, dir / "moved.qv4");
    ASSERT_EQ(res.status, ProjectReadStatus::Ok) << res.detail;
    EXPECT_TRUE(res.notes.empty());
    ASSERT_EQ(opened.rowCount(), table.rowCount());
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < ProjectTable::kColumns; ++c)
            EXPECT_EQ(opened.cell(r, c), table.cell(r, c)) << r << "," << c;
    EXPECT_EQ(opened.RowArray(), table.RowArray());
    EXPECT_FALSE(opened.changed());
    EXPECT_EQ(opened.currentRow(), 1);  // opened at the top
    EXPECT_EQ(fs::path(opened.info().ProjektPfad), dir / "moved.qv4");
    EXPECT_EQ(app.AktProjectInfo.ProjektTitel, "moved.qv4");

    // A missing file is unreadable; a project without records opens as an empty table.
    EXPECT_EQ(openProject(opened, dir / "none.qv4").status, ProjectReadStatus::Unreadable);
    ASSERT_EQ(writeProjectFile(dir / "empty.qv4", ofVersion(3)), WriteResult::written());  // no damage
    ASSERT_EQ(openProject(opened, dir / "empty.qv4").status, ProjectReadStatus::Ok);
    EXPECT_EQ(opened.rowCount(), 2);
}

TEST_F(ProjectFiles, RecordsThatCannotBeShownAreDroppedAndNamed)
{
    ASSERT_TRUE(place("QMV2.R310", 1));  // rows 1..11
    ProjectData d = projectDataOf(table);
    d.info.FormatVersion = 3;
    d.rows[50] = app.ModulKatalog.LookupCatalog("QMV2.D110");  // past the table
    d.rows[5] = app.ModulKatalog.LookupCatalog("QMV2.R300");   // a CPU in a slot
    d.rows[6].InCnt = 4;                                       // no order number
    d.rows[6].ModFlags = flags::Inputs;
    ASSERT_EQ(writeProjectFile(dir / "ghosts.qv4", d), WriteResult::written());
    ProjectTable opened(app);
    auto res = openProject(opened, dir / "ghosts.qv4");
    ASSERT_EQ(res.status, ProjectReadStatus::Ok);
    EXPECT_EQ(res.notes.size(), 3u);
    EXPECT_EQ(usedRecords(opened), std::vector<int>{1});
    EXPECT_EQ(opened.lastRow(), 11);
}

TEST_F(ProjectFiles, FailedSaveKeepsTheOldFileAndTheChangedMark)
{
    ASSERT_TRUE(place("QMV2.R310", 1));
    ASSERT_EQ(saveProject(table, dir / "keep.qv4"), WriteResult::written());
    const std::string before = readText((dir / "keep.qv4").string());
    ASSERT_TRUE(place("QMV2.D110", 4));
    EXPECT_FALSE(saveProject(table, dir / "missing-folder" / "keep.qv4").ok());
    EXPECT_TRUE(table.changed());
    EXPECT_EQ(readText((dir / "keep.qv4").string()), before);
}

TEST_F(ProjectFiles, TextsTooLongForTheFileAreNotSaved)
{
    ProjectData d = ofVersion(3);
    d.rows[7].Kommentar = std::string(70000, 'x');
    std::string error;
    encodeProject(d, &error);
    EXPECT_NE(error.find("row 7"), std::string::npos) << error;
    EXPECT_FALSE(writeProjectFile(dir / "long.qv4", d).ok());
    EXPECT_FALSE(fs::exists(dir / "long.qv4"));
    // 65535 bytes are the most a text's length field holds; one more is refused.
    d.rows[7].Kommentar = std::string(0xFFFF, 'x');
    error.clear();
    const ProjectReadResult back = decodeProject(encodeProject(d, &error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(back.data.rows[7].Kommentar, d.rows[7].Kommentar);
    d.rows[7].Kommentar += "x";
    encodeProject(d, &error);
    EXPECT_NE(error.find("65536 characters"), std::string::npos) << error;
}

}  // namespace
}  // namespace rm::test
