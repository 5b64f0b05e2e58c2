#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

#include "core/base/DecliningAsker.h"

namespace rm::test {

ScriptedAsker::~ScriptedAsker()
{
    for (const auto& e : queue_) ADD_FAILURE() << "expected question never asked: " << e.part;
}

ScriptedAsker& ScriptedAsker::expect(std::string promptPart, int answer)
{
    queue_.push_back({std::move(promptPart), answer});
    return *this;
}

int ScriptedAsker::ShowMessage(const std::string& prompt, const std::string& title, int style)
{
    shown.push_back({prompt, title, style});
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected question: \"" << prompt << "\"";
        return declinedAnswer(style);
    }
    Expected e = queue_.front();
    queue_.pop_front();
    EXPECT_NE(prompt.find(e.part), std::string::npos) << "asked \"" << prompt << "\", expected \"" << e.part << "\"";
    return e.answer;
}

// One record per module: order number, identification word, flags, mode,
// input bytes, output bytes, reserve, sub-entry count, family, [sub-entries],
// designation, description.
int YesAsker::ShowMessage(const std::string& prompt, const std::string&, int style)
{
    shown.push_back(prompt);
    const int b = style::buttons(style);
    if (b == style::OkCancel && cancel) return answer::Cancel;
    return b == style::YesNo || b == style::YesNoCancel ? answer::Yes : answer::Ok;
}

const ModuleCatalog& shippedCatalog()
{
    static const ModuleCatalog cat = [] {
        auto res = LoadModuleDescriptions(std::string(RM_RESOURCES) + "/NURA_E.txt");
        EXPECT_TRUE(res.catalog) << res.error;
        return res.catalog ? *res.catalog : ModuleCatalog{};
    }();
    return cat;
}

std::string testCatalogText()
{
    return readText(dataPath("test_catalog.txt"));
}

ModuleCatalog testCatalog()
{
    return parseModuleDescriptions(testCatalogText());
}

int indexOf(const ModuleCatalog& cat, const std::string& bestellNr)
{
    int i = cat.indexOf(bestellNr);
    EXPECT_NE(i, 0) << bestellNr << " not in the test catalog";
    return i;
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeText(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

TempFolder::TempFolder()
    : path(std::filesystem::temp_directory_path() /
           ("rm-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name()))
{
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
}

TempFolder::~TempFolder()
{
    std::filesystem::remove_all(path);
}

ScopedEnv::ScopedEnv(std::string name, const std::string& value) : name_(std::move(name))
{
    const char* now = std::getenv(name_.c_str());
    had_ = now != nullptr;
    if (had_) kept_ = now;
    ::setenv(name_.c_str(), value.c_str(), 1);
}

ScopedEnv::~ScopedEnv()
{
    if (had_)
        ::setenv(name_.c_str(), kept_.c_str(), 1);
    else
        ::unsetenv(name_.c_str());
}

std::string dataPath(const std::string& name)
{
    return std::string(RM_TEST_DATA) + "/" + name;
}

}  // namespace rm::test
