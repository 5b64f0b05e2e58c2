// Start-up over data files that cannot be used as they are: the program says
// what is wrong instead of hanging, aborting or showing an empty catalog.
#include <QtTest>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;
using rm::gui::test::GuiFixture;

namespace fs = std::filesystem;

class StartupFiles : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture_ = std::make_unique<GuiFixture>();
        GuiAsker::asked.clear();
        GuiAsker::unexpected.clear();
    }
    void cleanup() { fixture_.reset(); }

    void unknownEntriesAreSaidOnce();
    void unusableFilesEndTheStart_data();
    void unusableFilesEndTheStart();

private:
    fs::path data(const char* name) const { return fs::path(fixture_->dataDir().toStdString()) / name; }
    void append(const char* name, const std::string& text) const
    {
        std::ofstream(data(name), std::ios::binary | std::ios::app) << text;
    }

    std::unique_ptr<GuiFixture> fixture_;
};

void StartupFiles::unknownEntriesAreSaidOnce()
{
    // The CPU group, listed twice, names two CPUs the module file lacks, and
    // a count out of range.
    std::string ini = rm::test::readText(data("Katalog.ini").string());
    ini.replace(ini.find("Entries=7"), 9, "Entries=9\r\nEntry8=QMV9.R900\r\nEntry9=QMV9.R910");
    ini.replace(ini.find("Entry3=QMV3"), 11, "Entry3=CPU QMV\r\nEntry4=Bad\r\n[Bad]\r\nEntries=-1");
    ini.replace(ini.find("Entries=3"), 9, "Entries=4");
    std::ofstream(data("Katalog.ini"), std::ios::binary) << ini;
    GuiAsker::setNextAnswers({answer::Ok});
    QVERIFY(fixture_->start("DEUTSCH"));
    QCOMPARE(GuiAsker::asked.size(), size_t(1));
    const auto& box = GuiAsker::asked.front();
    QVERIFY2(box.prompt.find("NURA_G.txt") != std::string::npos, box.prompt.c_str());
    QVERIFY2(box.prompt.find(": 2 (QMV9.R900, QMV9.R910)") != std::string::npos, box.prompt.c_str());
    QVERIFY2(box.prompt.find("[Bad] Entries=-1") != std::string::npos, box.prompt.c_str());
}

void StartupFiles::unusableFilesEndTheStart_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("content");  // "fifo": a named pipe
    QTest::addColumn<QString>("said");
    QTest::newRow("module file is a pipe") << "NURA_E.txt"
                                           << "fifo"
                                           << "NURA_E.txt: is not a regular file";
    QTest::newRow("module file without records") << "NURA_E.txt"
                                                 << "\r\n\r\n"
                                                 << "holds no module record";
    QTest::newRow("catalog fans out")
        << "Katalog.ini"
        << "[Katalog]\r\nEntries=1\r\nEntry1=Fan\r\n[Fan]\r\nEntries=32767\r\n[leer]\r\nEntries=32767\r\n"
        << "grows past 100000 entries in group \"leer\"";
    QTest::newRow("unknown language") << ""
                                      << ""
                                      << "SELECTED names no known language";
}

void StartupFiles::unusableFilesEndTheStart()
{
    QFETCH(QString, file);
    QFETCH(QString, content);
    QFETCH(QString, said);
    const fs::path path = data(file.toStdString().c_str());
    if (!file.isEmpty()) fs::remove(path);
    if (content == "fifo")
        QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
    else if (!file.isEmpty())
        std::ofstream(path, std::ios::binary) << content.toStdString();
    GuiAsker::setNextAnswers({answer::Ok});
    QVERIFY(!fixture_->start(file.isEmpty() ? "GERMAN" : "ENGLISH"));
    QCOMPARE(GuiAsker::asked.size(), size_t(1));
    const std::string& prompt = GuiAsker::asked.front().prompt;
    QVERIFY2(prompt.find(said.toStdString()) != std::string::npos, prompt.c_str());
}

QTEST_MAIN(StartupFiles)
#include "tst_StartupFiles.moc"
