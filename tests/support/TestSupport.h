// Shared test helpers: a scripted answerer for every question the rules ask,
// and a small module catalog that covers the placement rules.
#pragma once

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app/AppState.h"
#include "core/catalog/ModuleCatalog.h"

namespace rm::test {

// Answers questions from a queue. A question it was not told to expect, or
// one whose text does not contain the expected words, fails the test.
class ScriptedAsker : public Asker {
public:
    ~ScriptedAsker() override;
    ScriptedAsker& expect(std::string promptPart, int answer);
    int ShowMessage(const std::string& prompt, const std::string& title, int style) override;

    struct Shown {
        std::string prompt, title;
        int style;
    };
    std::vector<Shown> shown;
    bool pending() const { return !queue_.empty(); }

private:
    struct Expected {
        std::string part;
        int answer;
    };
    std::deque<Expected> queue_;
};

// Yes to every Yes/No question and OK to the rest, as a build of a bill of
// material answers (Cancel to OK/Cancel when told); keeps what it was shown.
class YesAsker : public Asker {
public:
    int ShowMessage(const std::string& prompt, const std::string& title, int style) override;
    std::vector<std::string> shown;
    bool cancel = false;
};

// The English module catalog shipped with the program, read once.
const ModuleCatalog& shippedCatalog();

// The module description text of the test catalog (windows-1252, CR LF).
std::string testCatalogText();
ModuleCatalog testCatalog();

// Catalog index of an order number; fails the test when unknown.
int indexOf(const ModuleCatalog& cat, const std::string& bestellNr);

std::string readText(const std::string& path);
void writeText(const std::filesystem::path& path, const std::string& bytes);

// A fresh folder named after the running test, removed with everything in it.
struct TempFolder {
    TempFolder();
    ~TempFolder();
    std::filesystem::path path;
};
std::string dataPath(const std::string& name);

// An environment variable set for one scope and put back as it was.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_, kept_;
    bool had_;
};

}  // namespace rm::test
