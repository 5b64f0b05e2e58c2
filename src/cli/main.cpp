// rackmason-cli: the project formats, the generator and the checks from a shell.
//
// Exit codes: 0 success; 1 refused or problems found; 2 usage error; 3 a file
// could not be read or written or is not valid.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <new>
#include <optional>

#include "core/app/AppState.h"
#include "core/app/Language.h"
#include "core/app/ProjectLock.h"
#include "core/base/DecliningAsker.h"
#include "core/base/Files.h"
#include "core/base/IniFile.h"
#include "core/base/OwnTexts.h"
#include "core/catalog/CatalogSearch.h"
#include "core/catalog/CatalogTree.h"
#include "core/dbgen/SourceGenerator.h"
#include "core/project/BillOfMaterial.h"
#include "core/project/BomWriter.h"
#include "core/project/IoList.h"
#include "core/project/ProjectCheck.h"
#include "core/project/ProjectDiff.h"
#include "core/project/StationLayout.h"
#include "core/project/SymbolTable.h"
#include "core/settings/ModuleSettings.h"
#include "core/settings/SettingsJson.h"
#include "core/table/ProjectDocument.h"
#include "core/table/ProjectJson.h"

namespace fs = std::filesystem;

namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kFileError = 3;

// A failure that ends the command with an exit code and a message.
struct Failure {
    int code;
    std::string message;
};

// The command line never waits for a person: every question is declined
// as the core's answerer without a user declines it, and every notice is
// reported on standard error.
class CliAsker : public rm::DecliningAsker {
public:
    int ShowMessage(const std::string& prompt, const std::string& title, int s) override
    {
        std::cerr << "rackmason-cli: " << (title.empty() ? "" : title + ": ") << prompt << "\n";
        return rm::DecliningAsker::ShowMessage(prompt, title, s);
    }
};

fs::path programFolder(const char* argv0)
{
    std::error_code ec;
    fs::path self = fs::canonical("/proc/self/exe", ec);
    if (ec) self = fs::absolute(argv0, ec);
    return self.parent_path();
}

int languageBase(const std::string& lang)
{
    if (lang == "de") return rm::kGermanBase;
    if (lang == "fr") return rm::kFrenchBase;
    return rm::kEnglishBase;
}

// The language and catalog as the program selects them at start-up, or as asked.
struct Loaded {
    rm::LanguageChoice language;
    rm::ModuleCatalog catalog;
    rm::IniFile catalogFile;
    rm::CatalogNode tree;
};

// The folder of the running program, for where the language choice is kept.
fs::path programDir;

Loaded loadCatalog(const fs::path& resources, const std::string& lang)
{
    Loaded l;
    const fs::path iniPath = rm::resourcePath(resources, rm::kCatalogFileName);
    l.language = rm::LoadLanguage(resources);
    // The desktop program's choice, wherever it keeps it.
    rm::applyLanguageChoice(rm::languageChoiceFile(resources, programDir, rm::userDataDir()), resources, l.language);
    if (!l.language.catalogFound)
        throw Failure{kFileError, iniPath.string() + ": System file missing:NURA_x.TXT or KATALOG.INI"};
    if (!l.language.catalogError.empty())
        throw Failure{kFileError, iniPath.string() + ": System file missing:NURA_x.TXT or KATALOG.INI (" +
                                      l.language.catalogError + ")"};
    if (!lang.empty()) rm::selectLanguage(lang == "de" ? "DEUTSCH" : lang == "fr" ? "OPTION" : "ENGLISH", l.language);
    if (l.language.moduleFileName.empty())
        throw Failure{kFileError, iniPath.string() +
                                      ": section LANGUAGE, key SELECTED names no known language "
                                      "(System file missing:NURA_x.TXT or KATALOG.INI)"};
    const fs::path data = rm::resourcePath(resources, l.language.moduleFileName);
    auto res = rm::LoadModuleDescriptions(data);
    if (!res.catalog)
        throw Failure{kFileError,
                      data.string() + ": System file missing:NURA_x.TXT or KATALOG.INI (" + res.error + ")"};
    l.catalog = std::move(*res.catalog);
    for (const auto& w : res.warnings) std::cerr << "rackmason-cli: warning: " << data.string() << ", " << w << "\n";
    std::string error;
    l.catalogFile = rm::IniFile::load(iniPath, &error);
    if (!error.empty())
        throw Failure{kFileError, iniPath.string() + ": System file missing:NURA_x.TXT or KATALOG.INI (" + error + ")"};
    rm::CatalogTreeReport report;
    l.tree = rm::CreateTreeV(l.catalogFile, l.catalog, &report);
    if (!report.refused.empty()) throw Failure{kFileError, iniPath.string() + ": " + report.refused};
    std::string warnings = rm::catalogWarnings(rm::Texts(rm::kEnglishBase), report, data.filename().string());
    for (std::size_t pos = 0; pos < warnings.size();) {
        auto nl = std::min(warnings.find('\n', pos), warnings.size());
        std::cerr << "rackmason-cli: warning: " << warnings.substr(pos, nl - pos) << "\n";
        pos = nl + 1;
    }
    return l;
}

// Refuses a project that could not be read, and warns of bytes it ignored.
template <class Result>
void reportRead(const fs::path& path, const Result& res)
{
    const rm::Texts english(rm::kEnglishBase);
    if (res.status == rm::ProjectReadStatus::WrongVersion)
        throw Failure{kFileError, path.string() + ": This project is not compatible with this version of RackMason (" +
                                      res.detail + ")"};
    if (res.status != rm::ProjectReadStatus::Ok) {
        const std::string what = res.notAProjectFile ? rm::ownText(english, rm::OwnText::NotProjectBytes,
                                                                   {std::to_string(rm::smallestProjectFileSize())}) +
                                                           " "
                                                     : std::string();
        throw Failure{kFileError, path.string() + ": " + what + "Data could not be load. (" + res.detail + ")"};
    }
    if (res.ignoredBytes > 0)
        std::cerr << "rackmason-cli: warning: " << path.string() << ": "
                  << rm::ownText(english, rm::OwnText::IgnoredBytes, {std::to_string(res.ignoredBytes)}) << "\n";
}

// Opens a project as the program does: the table rebuilt from its records.
void openOrFail(rm::ProjectTable& table, const fs::path& path)
{
    auto res = rm::openProject(table, path);
    reportRead(path, res);
    for (const auto& n : res.notes) std::cerr << "rackmason-cli: " << path.string() << ": " << n << "\n";
}

rm::ProjectData readRawProject(const fs::path& path)
{
    auto res = rm::readProjectFile(path);
    reportRead(path, res);
    return res.data;
}

nlohmann::json readJson(const fs::path& path)
{
    auto file = rm::readFile(path, rm::kMaxJsonBytes);
    if (!file.data) throw Failure{kFileError, path.string() + ": " + file.error};
    try {
        return rm::parseJsonText(*file.data);
    } catch (const rm::JsonError& e) {
        throw Failure{kFileError, path.string() + ": " + e.what()};
    } catch (const std::bad_alloc&) {
        throw Failure{kFileError, path.string() + ": out of memory while reading it"};
    }
}

void writeOrFail(const fs::path& path, const std::string& bytes)
{
    const rm::WriteResult written = rm::writeFileAtomic(path, bytes);
    if (!written.ok()) throw Failure{kFileError, path.string() + ": cannot be written: " + written.reason()};
}

// Without --force the file is created only when the name is free at the
// moment of writing, so a second run at the same time cannot replace it.
void writeNewOrFail(const fs::path& path, const std::string& bytes, bool force)
{
    if (force) return writeOrFail(path, bytes);
    bool taken = false;
    const rm::WriteResult written = rm::writeFileAtomic(path, bytes, rm::WriteMode::CreateOnly, &taken);
    if (taken) throw Failure{kRefused, path.string() + ": The file already exists; use --force to replace it"};
    if (!written.ok()) throw Failure{kFileError, path.string() + ": cannot be written: " + written.reason()};
}

// A project open in a desktop program is not replaced under it.
void refuseLocked(const fs::path& output, bool force)
{
    if (force) return;
    const auto probe = rm::probeLock(output, rm::currentLockInfo(), rm::processRunning);
    if (probe.state != rm::LockState::Held && probe.state != rm::LockState::OtherHost) return;
    const auto& h = probe.holder;
    throw Failure{kRefused, output.string() + ": is open in RackMason (user " + h.user + ", host " + h.host +
                                ", process " + std::to_string(h.pid) + ", since " + h.time +
                                "); use --force to replace it"};
}

// An output that is the command's own input would destroy what it was made from.
void refuseOverInput(const fs::path& output, const fs::path& input)
{
    if (rm::sameFile(output, input))
        throw Failure{kRefused, output.string() + ": is the input file " + input.string() + "; choose another output"};
}

// A project file made from `input`: never over the input itself, nor over a
// project open in a desktop program unless forced.
int writeProjectOrFail(const fs::path& output, const fs::path& input, const rm::ProjectData& data, bool force)
{
    refuseOverInput(output, input);
    refuseLocked(output, force);
    writeOrFail(output, rm::encodeProject(data));
    return kOk;
}

// A made file goes to standard output, or to a new file that is not the
// project it was made from (an existing one is replaced only with --force).
int emitNew(const std::optional<std::string>& out, const std::string& project, const std::string& text, bool force)
{
    if (!out) {
        std::cout << text;
        return kOk;
    }
    refuseOverInput(*out, project);
    writeNewOrFail(*out, text, force);
    return kOk;
}

// Results go to the named file, or to standard output.
void emit(const std::optional<std::string>& out, const std::string& text)
{
    if (out)
        writeOrFail(*out, text);
    else
        std::cout << text;
}

void printTree(const rm::CatalogNode& n, int depth)
{
    std::cout << std::string(static_cast<std::size_t>(depth) * 2, ' ') << n.text;
    if (!n.isGroup) std::cout << (n.index ? "" : "  (not in the module list)");
    std::cout << "\n";
    for (const auto& c : n.children) printTree(c, depth + 1);
}

// A bill of material in CSV is told by its name.
bool isCsvName(const std::string& name)
{
    std::string ext = fs::path(name).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".csv";
}

// Every settings family for a terminal: a family per paragraph, a key per
// line with its type and what it takes, its meaning indented below.
void printSettings()
{
    bool first = true;
    for (const rm::SettingsFamily& f : rm::settingsFamilies()) {
        std::cout << (first ? "" : "\n") << f.name << "\n";
        first = false;
        for (const rm::SettingInfo& k : f.keys) {
            std::cout << "  " << k.key << " (" << k.type << ")";
            if (k.type.ends_with("choice")) {
                std::cout << ":";
                for (std::size_t i = 0; i < k.values.size(); ++i) std::cout << (i ? " | " : " ") << k.values[i];
            } else if (k.type.ends_with("integer")) {
                std::cout << ": " << k.min << ".." << k.max;
            }
            std::cout << "\n      " << k.meaning << "\n";
        }
    }
}

// ------------------------------------------------------------ the commands

// What every command may use: the answerer and the folder of the program's data.
struct Context {
    CliAsker asker;
    std::string resources;
};

// One subcommand: its options, read into its own fields, and what it does.
// run() gives the exit code; a Failure it throws ends the command too.
class Command {
public:
    Command(CLI::App& app, const std::string& name, const std::string& what) : cli_(app.add_subcommand(name, what)) {}
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    bool chosen() const { return static_cast<bool>(*cli_); }
    virtual int run(Context& ctx) = 0;
    // The file a failure that names no file of its own is about.
    virtual std::string file() const { return {}; }

protected:
    CLI::Option* projectArgument(std::string& project, const std::string& name = "PROJECT",
                                 const std::string& what = "Project file (.qv4)")
    {
        return cli_->add_option(name, project, what)->required();
    }
    void forceFlag(bool& force, const std::string& what) { cli_->add_flag("--force", force, what); }
    void languageOption(std::string& language, const std::string& what)
    {
        cli_->add_option("--language", language, what)->check(CLI::IsMember({"en", "de", "fr"}));
    }
    void listOptions(std::string& separator, std::string& mnemonics, const std::string& separatorWhat)
    {
        cli_->add_option("--separator", separator, separatorWhat)
            ->check(CLI::IsMember({",", ";"}))
            ->capture_default_str();
        cli_->add_option("--mnemonics", mnemonics, "en: I/Q, de: E/A")
            ->check(CLI::IsMember({"en", "de"}))
            ->capture_default_str();
    }

    CLI::App* cli_;
};

rm::Mnemonics mnemonicsNamed(const std::string& name)
{
    return name == "de" ? rm::Mnemonics::German : rm::Mnemonics::English;
}

class ExportCommand : public Command {
public:
    explicit ExportCommand(CLI::App& app)
        : Command(app, "export", "Project file to project JSON, with each dialog's settings")
    {
        projectArgument(project_);
        cli_->add_option("-o,--output", output_, "JSON file to write (default: standard output)");
    }
    std::string file() const override { return project_; }
    int run(Context& ctx) override
    {
        rm::AppState state(ctx.asker);
        auto j = rm::exportProject(state, readRawProject(project_));
        if (output_) refuseOverInput(*output_, project_);
        emit(output_, j.dump(2) + "\n");
        return kOk;
    }

private:
    std::string project_;
    std::optional<std::string> output_;
};

class ImportCommand : public Command {
public:
    explicit ImportCommand(CLI::App& app)
        : Command(app, "import", "Project JSON to project file (settings checked against the fields)")
    {
        cli_->add_option("IN", input_, "Project JSON")->required();
        cli_->add_option("-o,--output", output_, "Project file to write")->required();
        forceFlag(force_, "Replace a project that is open in the desktop program");
    }
    std::string file() const override { return input_; }
    int run(Context& ctx) override
    {
        rm::ProjectData data;
        try {
            rm::AppState state(ctx.asker);
            data = rm::importProject(state, readJson(input_));
        } catch (const rm::JsonError& e) {
            throw Failure{kFileError, input_ + ": " + e.what()};
        }
        return writeProjectOrFail(output_, input_, data, force_);
    }

private:
    std::string input_, output_;
    bool force_ = false;
};

class GenerateCommand : public Command {
public:
    explicit GenerateCommand(CLI::App& app) : Command(app, "generate", "Write the data block source of a project")
    {
        projectArgument(project_);
        // The block numbers the generator offers, checked as typed (for a clear
        // message) and then turned into numbers; "none" leaves the CPU block out.
        const std::map<std::string, int> io{{"1", 1}, {"511", 511}, {"1023", 1023}};
        const std::map<std::string, int> cpu{{"none", kNoBlock}, {"1", 1}, {"511", 511}, {"1023", 1023}};
        cli_->add_option("--io-db", ioDb_, "I/O configuration block number")
            ->check(CLI::IsMember({"1", "511", "1023"}))
            ->transform(CLI::Transformer(io).description(""))
            ->default_str("1");
        cli_->add_option("--cpu-db", cpuDb_, "CPU configuration block number, or none")
            ->check(CLI::IsMember({"none", "1", "511", "1023"}))
            ->transform(CLI::Transformer(cpu).description(""))
            ->default_str("none");
        cli_->add_option("-o,--output", output_,
                         "Source file (default: beside the project, its extension replaced by awl)");
        forceFlag(force_, "Replace an existing source file");
    }
    std::string file() const override { return project_; }
    int run(Context& ctx) override
    {
        if (cpuDb_ == ioDb_) {
            std::cerr << "rackmason-cli: --cpu-db must differ from --io-db\n";
            return kUsage;
        }
        // The generator takes the position of the block number in its list,
        // the CPU's list led by "none".
        const auto position = [](int block) { return block == 1 ? 0 : block == 511 ? 1 : 2; };
        const int io = position(ioDb_), cpu = cpuDb_ == kNoBlock ? 0 : position(cpuDb_) + 1;
        rm::AppState state(ctx.asker);
        rm::ProjectTable table(state);
        openOrFail(table, project_);
        const std::string out = output_ ? *output_ : rm::sourcePathFor(project_);
        if (out.empty()) throw Failure{kFileError, project_ + ": no source file name can be formed"};
        refuseOverInput(out, project_);
        if (const auto problem = rm::findSourceProblem(table, cpu))
            throw Failure{kFileError, project_ + ": " + rm::sourceProblemText(state.texts, *problem)};
        writeNewOrFail(out, rm::generateSource(table, io, cpu), force_);
        std::cout << out << "\n";
        return kOk;
    }

private:
    static constexpr int kNoBlock = 0;
    std::string project_;
    int ioDb_ = 1, cpuDb_ = kNoBlock;
    std::optional<std::string> output_;
    bool force_ = false;
};

class BuildCommand : public Command {
public:
    explicit BuildCommand(CLI::App& app) : Command(app, "build", "Create a project from a bill of material")
    {
        cli_->add_option("BOM", input_, "Bill of material (JSON, or CSV when its name ends in .csv)")->required();
        cli_->add_option("-o,--output", output_, "Project file to write")->required();
        forceFlag(force_, "Replace a project that is open in the desktop program");
    }
    std::string file() const override { return input_; }
    int run(Context& ctx) override
    {
        Loaded l = loadCatalog(ctx.resources, "");
        rm::AppState state(ctx.asker, l.language.LanguageBase);
        state.ModulKatalog = std::move(l.catalog);
        rm::BuildResult res;
        if (isCsvName(input_)) {
            auto file = rm::readFile(input_, rm::kMaxJsonBytes);
            if (!file.data) throw Failure{kFileError, input_ + ": " + file.error};
            res = rm::buildProjectFromCsv(state, *file.data, output_);
        } else {
            res = rm::buildProject(state, readJson(input_), output_);
        }
        if (res.status == rm::BuildResult::Invalid) throw Failure{kFileError, input_ + ": " + res.message};
        if (res.status == rm::BuildResult::Refused) throw Failure{kRefused, input_ + ": " + res.message};
        return writeProjectOrFail(output_, input_, res.project, force_);
    }

private:
    std::string input_, output_;
    bool force_ = false;
};

class BomCommand : public Command {
public:
    explicit BomCommand(CLI::App& app) : Command(app, "bom", "The bill of material that builds a project again")
    {
        projectArgument(project_);
        cli_->add_option("-o,--output", output_, "JSON file to write (default: standard output)");
        forceFlag(force_, "Replace an existing file");
    }
    std::string file() const override { return project_; }
    int run(Context& ctx) override
    {
        Loaded l = loadCatalog(ctx.resources, "");
        rm::AppState state(ctx.asker, l.language.LanguageBase);
        state.ModulKatalog = std::move(l.catalog);
        rm::ProjectTable table(state);
        openOrFail(table, project_);
        const rm::BomWritten bom = rm::writeBillOfMaterial(state, table);
        if (!bom.ok) throw Failure{kRefused, project_ + ": " + bom.message};
        return emitNew(output_, project_, rm::billText(bom.bill), force_);
    }

private:
    std::string project_;
    std::optional<std::string> output_;
    bool force_ = false;
};

class CheckCommand : public Command {
public:
    explicit CheckCommand(CLI::App& app) : Command(app, "check", "Address overview and consistency report")
    {
        projectArgument(project_);
    }
    std::string file() const override { return project_; }
    int run(Context& ctx) override
    {
        Loaded l = loadCatalog(ctx.resources, "");
        rm::AppState state(ctx.asker, l.language.LanguageBase);
        rm::ProjectTable table(state);
        openOrFail(table, project_);
        auto rep = rm::checkProject(table, l.catalog);
        std::printf("%-6s %-4s %-18s %-14s %-14s\n", "Row", "Slot", "Order number", "Inputs", "Outputs");
        for (const auto& line : rep.lines)
            std::printf("%-6d %-4s %-18s %-14s %-14s\n", line.row, line.slot.c_str(), line.order.c_str(),
                        line.inputs.c_str(), line.outputs.c_str());
        if (rep.problems.empty()) {
            std::cout << "No problems found.\n";
            return kOk;
        }
        std::cout << rep.problems.size() << (rep.problems.size() == 1 ? " problem:\n" : " problems:\n");
        for (const auto& p : rep.problems) std::cout << "  " << p << "\n";
        return kRefused;
    }

private:
    std::string project_;
};

class DiffCommand : public Command {
public:
    explicit DiffCommand(CLI::App& app) : Command(app, "diff", "What changed between two projects")
    {
        projectArgument(a_, "A", "Old project file");
        projectArgument(b_, "B", "New project file");
        cli_->add_flag("--raw", raw_, "Every raw record field by its name instead of the dialogs' settings");
        cli_->add_flag("--json", json_, "Print the differences as JSON");
    }
    std::string file() const override { return a_; }
    int run(Context& ctx) override
    {
        rm::AppState state(ctx.asker);
        rm::ProjectTable a(state), b(state);
        openOrFail(a, a_);
        openOrFail(b, b_);
        if (json_) {
            const auto j = rm::diffJson(rm::projectDifferences(a, b, {.raw = raw_}));
            std::cout << j.dump(2) << "\n";
            return j["same"].get<bool>() ? kOk : kRefused;
        }
        auto lines = raw_ ? rm::diffProjects(a, b) : rm::diffLines(rm::projectDifferences(a, b, {}));
        if (lines.empty()) {
            std::cout << "The projects are the same.\n";
            return kOk;
        }
        for (const auto& l : lines) std::cout << l << "\n";
        return kRefused;
    }

private:
    std::string a_, b_;
    bool raw_ = false, json_ = false;
};

class IoListCommand : public Command {
public:
    explicit IoListCommand(CLI::App& app) : Command(app, "iolist", "The I/O list of a project as CSV")
    {
        projectArgument(project_);
        cli_->add_option("-o,--output", output_,
                         "CSV file to write, with a UTF-8 byte-order mark (default: standard output, without)");
        listOptions(separator_, mnemonics_, "Field separator");
        forceFlag(force_, "Replace an existing file");
    }
    std::string file() const override { return project_; }
    int run(Context& ctx) override
    {
        rm::AppState state(ctx.asker);
        rm::ProjectTable table(state);
        openOrFail(table, project_);
        const auto rows = rm::ioList(table, mnemonicsNamed(mnemonics_));
        return emitNew(output_, project_, rm::ioListCsv(rows, {separator_[0], output_.has_value()}), force_);
    }

private:
    std::string project_, separator_ = ",", mnemonics_ = "en";
    std::optional<std::string> output_;
    bool force_ = false;
};

class PictureCommand : public Command {
public:
    explicit PictureCommand(CLI::App& app) : Command(app, "picture", "The picture of the stations as SVG")
    {
        projectArgument(project_);
        cli_->add_option("-o,--output", output_, "SVG file to write (default: standard output)");
        languageOption(language_, "en, de or fr (default: the selected language)");
        forceFlag(force_, "Replace an existing file");
    }
    std::string file() const override { return project_; }
    int run(Context& ctx) override
    {
        int base = languageBase(language_);
        if (language_.empty()) {
            const rm::LanguageChoice chosen = rm::LoadLanguage(ctx.resources);
            base = chosen.catalogFound ? chosen.LanguageBase : rm::kEnglishBase;
        }
        rm::AppState state(ctx.asker, base);
        rm::ProjectTable table(state);
        openOrFail(table, project_);
        const rm::Mnemonics m = base == rm::kGermanBase ? rm::Mnemonics::German : rm::Mnemonics::English;
        const std::string svg = rm::stationSvg(rm::layoutStations(table, m), rm::Texts(base));
        return emitNew(output_, project_, svg, force_);
    }

private:
    std::string project_, language_;
    std::optional<std::string> output_;
    bool force_ = false;
};

class SymbolsCommand : public Command {
public:
    explicit SymbolsCommand(CLI::App& app)
        : Command(app, "symbols", "A symbol table of every channel for the symbol editor")
    {
        projectArgument(project_);
        cli_->add_option("-o,--output", output_, "File to write (default: standard output)");
        cli_->add_option("--format", format_, "sdf, asc, seq or csv (default: by the output's extension, else sdf)")
            ->check(CLI::IsMember({"sdf", "asc", "seq", "csv"}));
        listOptions(separator_, mnemonics_, "Field separator of the CSV");
        forceFlag(force_, "Replace an existing file");
    }
    std::string file() const override { return project_; }
    int run(Context& ctx) override
    {
        rm::AppState state(ctx.asker);
        rm::ProjectTable table(state);
        openOrFail(table, project_);
        std::optional<rm::SymbolFormat> format = rm::symbolFormatNamed(format_);
        const std::string extension = output_ ? fs::path(*output_).extension().string() : "";
        if (!format && !extension.empty()) format = rm::symbolFormatNamed(extension.substr(1));
        const auto list = rm::channels(table, mnemonicsNamed(mnemonics_));
        const std::string text =
            rm::symbolTable(list, format.value_or(rm::SymbolFormat::Sdf), {separator_[0], output_.has_value()});
        return emitNew(output_, project_, text, force_);
    }

private:
    std::string project_, format_, separator_ = ",", mnemonics_ = "en";
    std::optional<std::string> output_;
    bool force_ = false;
};

class CatalogCommand : public Command {
public:
    explicit CatalogCommand(CLI::App& app) : Command(app, "catalog", "The catalog tree as built at start-up")
    {
        find_ = cli_->add_option("--find", text_,
                                 "Only the modules whose order number, designation or description contains the text");
        languageOption(language_, "en, de or fr (default: the selected language)");
        cli_->add_flag("--json", json_, "Print JSON");
    }
    int run(Context& ctx) override
    {
        Loaded l = loadCatalog(ctx.resources, language_);
        if (find_->count() > 0) {
            l.tree = rm::filterTree(l.tree, rm::CatalogSearch(l.catalog), text_);
            if (l.tree.children.empty()) {
                std::cerr << "rackmason-cli: no module matches \"" << text_ << "\"\n";
                return kRefused;
            }
        }
        if (json_)
            std::cout << rm::catalogToJson(l.tree, l.catalog).dump(2) << "\n";
        else
            printTree(l.tree, 0);
        return kOk;
    }

private:
    std::string text_, language_;
    CLI::Option* find_ = nullptr;
    bool json_ = false;
};

class ModulesCommand : public Command {
public:
    explicit ModulesCommand(CLI::App& app) : Command(app, "modules", "Every loaded module definition")
    {
        languageOption(language_, "en, de or fr (default: the selected language)");
        cli_->add_flag("--json", json_, "Print JSON");
    }
    int run(Context& ctx) override
    {
        const Loaded l = loadCatalog(ctx.resources, language_);
        if (json_) {
            std::cout << rm::modulesToJson(l.catalog).dump(2) << "\n";
            return kOk;
        }
        for (int i = 1; i <= l.catalog.count(); ++i)
            std::cout << i << "\t" << l.catalog.at(i).BestellNr << "\t" << l.catalog.at(i).Bezeichnung << "\n";
        return kOk;
    }

private:
    std::string language_;
    bool json_ = false;
};

class SettingsCommand : public Command {
public:
    explicit SettingsCommand(CLI::App& app)
        : Command(app, "settings", "Every key of the dialogs' settings: type, values, meaning")
    {
        cli_->add_flag("--json", json_, "Print JSON");
    }
    int run(Context&) override
    {
        if (json_)
            std::cout << rm::settingsFamiliesToJson().dump(2) << "\n";
        else
            printSettings();
        return kOk;
    }

private:
    bool json_ = false;
};

class TextsCommand : public Command {
public:
    explicit TextsCommand(CLI::App& app) : Command(app, "texts", "The text table of one language")
    {
        languageOption(language_, "en, de or fr");
    }
    int run(Context&) override
    {
        for (int id : rm::definedIds(languageBase(language_))) std::cout << id << "\t" << *rm::textById(id) << "\n";
        return kOk;
    }

private:
    std::string language_;
};

// Runs the chosen command; what it throws becomes a message and an exit code.
int runCommand(Command& command, Context& ctx)
{
    const auto about = [&] { return command.file().empty() ? std::string() : command.file() + ": "; };
    try {
        return command.run(ctx);
    } catch (const Failure& f) {
        std::cerr << "rackmason-cli: " << f.message << "\n";
        return f.code;
    } catch (const std::bad_alloc&) {
        std::cerr << "rackmason-cli: " << about() << "out of memory\n";
        return kFileError;
    } catch (const std::exception& e) {
        std::cerr << "rackmason-cli: " << about() << "could not be processed (" << e.what() << ")\n";
        return kFileError;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"RackMason command-line tool: project files, data block sources and checks", "rackmason-cli"};
    app.require_subcommand(1);
    app.fallthrough();
    app.set_version_flag("--version", std::string("rackmason-cli ") + rm::kVersion, "Print the version and exit");
    programDir = programFolder(argv[0]);
    Context ctx;
    ctx.resources = rm::defaultResourceDir(programDir).string();
    app.add_option("--resources", ctx.resources, "Folder with Katalog.ini and NURA_E/G/O.txt")->capture_default_str();

    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<ExportCommand>(app));
    commands.push_back(std::make_unique<ImportCommand>(app));
    commands.push_back(std::make_unique<GenerateCommand>(app));
    commands.push_back(std::make_unique<BuildCommand>(app));
    commands.push_back(std::make_unique<BomCommand>(app));
    commands.push_back(std::make_unique<CheckCommand>(app));
    commands.push_back(std::make_unique<DiffCommand>(app));
    commands.push_back(std::make_unique<IoListCommand>(app));
    commands.push_back(std::make_unique<PictureCommand>(app));
    commands.push_back(std::make_unique<SymbolsCommand>(app));
    commands.push_back(std::make_unique<CatalogCommand>(app));
    commands.push_back(std::make_unique<ModulesCommand>(app));
    commands.push_back(std::make_unique<SettingsCommand>(app));
    commands.push_back(std::make_unique<TextsCommand>(app));

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kUsage;
    }
    for (const auto& c : commands)
        if (c->chosen()) return runCommand(*c, ctx);
    return kUsage;
}
