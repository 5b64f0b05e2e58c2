// rackmason-cli: the project formats, the generator and the checks from a shell.
//
// Exit codes: 0 success; 1 refused or problems found; 2 usage error; 3 a file
// could not be read or written or is not valid.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <new>
#include <optional>

#include "core/app/AppState.h"
#include "core/app/Language.h"
#include "core/app/ProjectLock.h"
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

// The command line answers questions by its own policy: it never waits for
// a person, so every question is declined and every notice is reported.
class CliAsker : public rm::Asker {
public:
    int ShowMessage(const std::string& prompt, const std::string& title, int s) override
    {
        std::cerr << "rackmason-cli: " << (title.empty() ? "" : title + ": ") << prompt << "\n";
        switch (rm::style::buttons(s)) {
            case rm::style::YesNo:
            case rm::style::YesNoCancel:
                return rm::answer::No;
            case rm::style::OkCancel:
                return rm::answer::Cancel;
            default:
                return rm::answer::Ok;
        }
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
    std::string err = rm::writeFileAtomic(path, bytes);
    if (!err.empty()) throw Failure{kFileError, path.string() + ": cannot be written: " + err};
}

// Without --force the file is created only when the name is free at the
// moment of writing, so a second run at the same time cannot replace it.
void writeNewOrFail(const fs::path& path, const std::string& bytes, bool force)
{
    if (force) return writeOrFail(path, bytes);
    bool taken = false;
    const std::string err = rm::writeFileAtomic(path, bytes, rm::WriteMode::CreateOnly, &taken);
    if (taken) throw Failure{kRefused, path.string() + ": The file already exists; use --force to replace it"};
    if (!err.empty()) throw Failure{kFileError, path.string() + ": cannot be written: " + err};
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

// The file a command works on, for a message that has no other name to give.
std::string aboutFile(const std::string& input, const std::string& project)
{
    const std::string& file = !input.empty() ? input : project;
    return file.empty() ? std::string() : file + ": ";
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"RackMason command-line tool: project files, data block sources and checks", "rackmason-cli"};
    app.require_subcommand(1);
    app.fallthrough();
    app.set_version_flag("--version", std::string("rackmason-cli ") + rm::kVersion, "Print the version and exit");
    programDir = programFolder(argv[0]);
    std::string resources = rm::defaultResourceDir(programDir).string();
    app.add_option("--resources", resources, "Folder with Katalog.ini and NURA_E/G/O.txt")->capture_default_str();

    const std::map<std::string, int> ioDbs{{"1", 0}, {"511", 1}, {"1023", 2}};
    const std::map<std::string, int> cpuDbs{{"none", 0}, {"1", 1}, {"511", 2}, {"1023", 3}};
    const std::vector<std::string> languages{"en", "de", "fr"};

    std::string project, projectB, input, ioDb = "1", cpuDb = "none", language, separator = ",", mnemonics = "en", find;
    std::optional<std::string> output;
    bool force = false, json = false, raw = false;

    auto* exportCmd = app.add_subcommand("export", "Project file to project JSON, with each dialog's settings");
    exportCmd->add_option("PROJECT", project, "Project file (.qv4)")->required();
    exportCmd->add_option("-o,--output", output, "JSON file to write (default: standard output)");

    auto* importCmd =
        app.add_subcommand("import", "Project JSON to project file (settings checked against the fields)");
    importCmd->add_option("IN", input, "Project JSON")->required();
    importCmd->add_option("-o,--output", output, "Project file to write")->required();
    importCmd->add_flag("--force", force, "Replace a project that is open in the desktop program");

    auto* generateCmd = app.add_subcommand("generate", "Write the data block source of a project");
    generateCmd->add_option("PROJECT", project, "Project file (.qv4)")->required();
    generateCmd->add_option("--io-db", ioDb, "I/O configuration block number")
        ->check(CLI::IsMember({"1", "511", "1023"}))
        ->capture_default_str();
    generateCmd->add_option("--cpu-db", cpuDb, "CPU configuration block number, or none")
        ->check(CLI::IsMember({"none", "1", "511", "1023"}))
        ->capture_default_str();
    generateCmd->add_option("-o,--output", output,
                            "Source file (default: beside the project, its extension replaced by awl)");
    generateCmd->add_flag("--force", force, "Replace an existing source file");

    auto* buildCmd = app.add_subcommand("build", "Create a project from a bill of material");
    buildCmd->add_option("BOM", input, "Bill of material (JSON, or CSV when its name ends in .csv)")->required();
    buildCmd->add_option("-o,--output", output, "Project file to write")->required();
    buildCmd->add_flag("--force", force, "Replace a project that is open in the desktop program");

    auto* bomCmd = app.add_subcommand("bom", "The bill of material that builds a project again");
    bomCmd->add_option("PROJECT", project, "Project file (.qv4)")->required();
    bomCmd->add_option("-o,--output", output, "JSON file to write (default: standard output)");
    bomCmd->add_flag("--force", force, "Replace an existing file");

    auto* checkCmd = app.add_subcommand("check", "Address overview and consistency report");
    checkCmd->add_option("PROJECT", project, "Project file (.qv4)")->required();

    auto* diffCmd = app.add_subcommand("diff", "What changed between two projects");
    diffCmd->add_option("A", project, "Old project file")->required();
    diffCmd->add_option("B", projectB, "New project file")->required();
    diffCmd->add_flag("--raw", raw, "Every raw record field by its name instead of the dialogs' settings");
    diffCmd->add_flag("--json", json, "Print the differences as JSON");

    auto* iolistCmd = app.add_subcommand("iolist", "The I/O list of a project as CSV");
    iolistCmd->add_option("PROJECT", project, "Project file (.qv4)")->required();
    iolistCmd->add_option("-o,--output", output,
                          "CSV file to write, with a UTF-8 byte-order mark (default: standard output, without)");
    iolistCmd->add_option("--separator", separator, "Field separator")
        ->check(CLI::IsMember({",", ";"}))
        ->capture_default_str();
    iolistCmd->add_option("--mnemonics", mnemonics, "en: I/Q, de: E/A")
        ->check(CLI::IsMember({"en", "de"}))
        ->capture_default_str();
    iolistCmd->add_flag("--force", force, "Replace an existing file");

    auto* pictureCmd = app.add_subcommand("picture", "The picture of the stations as SVG");
    pictureCmd->add_option("PROJECT", project, "Project file (.qv4)")->required();
    pictureCmd->add_option("-o,--output", output, "SVG file to write (default: standard output)");
    pictureCmd->add_option("--language", language, "en, de or fr (default: the selected language)")
        ->check(CLI::IsMember(languages));
    pictureCmd->add_flag("--force", force, "Replace an existing file");
    std::string symbolFormat;
    auto* symbolsCmd = app.add_subcommand("symbols", "A symbol table of every channel for the symbol editor");
    symbolsCmd->add_option("PROJECT", project, "Project file (.qv4)")->required();
    symbolsCmd->add_option("-o,--output", output, "File to write (default: standard output)");
    symbolsCmd
        ->add_option("--format", symbolFormat, "sdf, asc, seq or csv (default: by the output's extension, else sdf)")
        ->check(CLI::IsMember({"sdf", "asc", "seq", "csv"}));
    symbolsCmd->add_option("--separator", separator, "Field separator of the CSV")
        ->check(CLI::IsMember({",", ";"}))
        ->capture_default_str();
    symbolsCmd->add_option("--mnemonics", mnemonics, "en: I/Q, de: E/A")
        ->check(CLI::IsMember({"en", "de"}))
        ->capture_default_str();
    symbolsCmd->add_flag("--force", force, "Replace an existing file");

    auto* catalogCmd = app.add_subcommand("catalog", "The catalog tree as built at start-up");
    catalogCmd->add_option("--find", find,
                           "Only the modules whose order number, designation or description contains the text");
    catalogCmd->add_option("--language", language, "en, de or fr (default: the selected language)")
        ->check(CLI::IsMember(languages));
    catalogCmd->add_flag("--json", json, "Print JSON");

    auto* modulesCmd = app.add_subcommand("modules", "Every loaded module definition");
    modulesCmd->add_option("--language", language, "en, de or fr (default: the selected language)")
        ->check(CLI::IsMember(languages));
    modulesCmd->add_flag("--json", json, "Print JSON");

    auto* settingsCmd = app.add_subcommand("settings", "Every key of the dialogs' settings: type, values, meaning");
    settingsCmd->add_flag("--json", json, "Print JSON");

    auto* textsCmd = app.add_subcommand("texts", "The text table of one language");
    textsCmd->add_option("--language", language, "en, de or fr")->check(CLI::IsMember(languages));

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

    try {
        CliAsker asker;
        if (*exportCmd) {
            rm::AppState state(asker);
            auto j = rm::exportProject(state, readRawProject(project));
            if (output) refuseOverInput(*output, project);
            emit(output, j.dump(2) + "\n");
            return kOk;
        }
        if (*importCmd) {
            rm::ProjectData data;
            try {
                rm::AppState state(asker);
                data = rm::importProject(state, readJson(input));
            } catch (const rm::JsonError& e) {
                throw Failure{kFileError, input + ": " + e.what()};
            }
            refuseOverInput(*output, input);
            refuseLocked(*output, force);
            writeOrFail(*output, rm::encodeProject(data));
            return kOk;
        }
        if (*generateCmd) {
            if (cpuDb == ioDb) {
                std::cerr << "rackmason-cli: --cpu-db must differ from --io-db\n";
                return kUsage;
            }
            rm::AppState state(asker);
            rm::ProjectTable table(state);
            openOrFail(table, project);
            const std::string out = output ? *output : rm::sourcePathFor(project);
            if (out.empty()) throw Failure{kFileError, project + ": no source file name can be formed"};
            refuseOverInput(out, project);
            if (const auto problem = rm::findSourceProblem(table, cpuDbs.at(cpuDb)))
                throw Failure{kFileError, project + ": " + rm::sourceProblemText(state.texts, *problem)};
            const std::string text = rm::generateSource(table, ioDbs.at(ioDb), cpuDbs.at(cpuDb));
            writeNewOrFail(out, text, force);
            std::cout << out << "\n";
            return kOk;
        }
        if (*buildCmd) {
            Loaded l = loadCatalog(resources, "");
            rm::AppState state(asker, l.language.LanguageBase);
            state.ModulKatalog = std::move(l.catalog);
            rm::BuildResult res;
            if (isCsvName(input)) {
                auto file = rm::readFile(input, rm::kMaxJsonBytes);
                if (!file.data) throw Failure{kFileError, input + ": " + file.error};
                res = rm::buildProjectFromCsv(state, *file.data, *output);
            } else {
                res = rm::buildProject(state, readJson(input), *output);
            }
            if (res.status == rm::BuildResult::Invalid) throw Failure{kFileError, input + ": " + res.message};
            if (res.status == rm::BuildResult::Refused) throw Failure{kRefused, input + ": " + res.message};
            refuseOverInput(*output, input);
            refuseLocked(*output, force);
            writeOrFail(*output, rm::encodeProject(res.project));
            return kOk;
        }
        if (*bomCmd) {
            Loaded l = loadCatalog(resources, "");
            rm::AppState state(asker, l.language.LanguageBase);
            state.ModulKatalog = std::move(l.catalog);
            rm::ProjectTable table(state);
            openOrFail(table, project);
            const rm::BomWritten bom = rm::writeBillOfMaterial(state, table);
            if (!bom.ok) throw Failure{kRefused, project + ": " + bom.message};
            const std::string text = rm::billText(bom.bill);
            return emitNew(output, project, text, force);
        }
        if (*checkCmd) {
            Loaded l = loadCatalog(resources, "");
            rm::AppState state(asker, l.language.LanguageBase);
            rm::ProjectTable table(state);
            openOrFail(table, project);
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
        if (*diffCmd) {
            rm::AppState state(asker);
            rm::ProjectTable a(state), b(state);
            openOrFail(a, project);
            openOrFail(b, projectB);
            if (json) {
                const auto j = rm::diffJson(rm::projectDifferences(a, b, {.raw = raw}));
                std::cout << j.dump(2) << "\n";
                return j["same"].get<bool>() ? kOk : kRefused;
            }
            auto lines = raw ? rm::diffProjects(a, b) : rm::diffLines(rm::projectDifferences(a, b, {}));
            if (lines.empty()) {
                std::cout << "The projects are the same.\n";
                return kOk;
            }
            for (const auto& l : lines) std::cout << l << "\n";
            return kRefused;
        }
        if (*iolistCmd) {
            rm::AppState state(asker);
            rm::ProjectTable table(state);
            openOrFail(table, project);
            const auto rows = rm::ioList(table, mnemonics == "de" ? rm::Mnemonics::German : rm::Mnemonics::English);
            const std::string csv = rm::ioListCsv(rows, {separator[0], output.has_value()});
            return emitNew(output, project, csv, force);
        }
        if (*pictureCmd) {
            int base = languageBase(language);
            if (language.empty()) {
                const rm::LanguageChoice chosen = rm::LoadLanguage(resources);
                base = chosen.catalogFound ? chosen.LanguageBase : rm::kEnglishBase;
            }
            rm::AppState state(asker, base);
            rm::ProjectTable table(state);
            openOrFail(table, project);
            const rm::Mnemonics m = base == rm::kGermanBase ? rm::Mnemonics::German : rm::Mnemonics::English;
            const std::string svg = rm::stationSvg(rm::layoutStations(table, m), rm::Texts(base));
            return emitNew(output, project, svg, force);
        }
        if (*symbolsCmd) {
            rm::AppState state(asker);
            rm::ProjectTable table(state);
            openOrFail(table, project);
            std::optional<rm::SymbolFormat> format = rm::symbolFormatNamed(symbolFormat);
            const std::string extension = output ? std::filesystem::path(*output).extension().string() : "";
            if (!format && !extension.empty()) format = rm::symbolFormatNamed(extension.substr(1));
            const auto list = rm::channels(table, mnemonics == "de" ? rm::Mnemonics::German : rm::Mnemonics::English);
            const std::string text =
                rm::symbolTable(list, format.value_or(rm::SymbolFormat::Sdf), {separator[0], output.has_value()});
            return emitNew(output, project, text, force);
        }
        if (*catalogCmd || *modulesCmd) {
            Loaded l = loadCatalog(resources, language);
            if (*catalogCmd) {
                if (catalogCmd->count("--find")) {
                    l.tree = rm::filterTree(l.tree, rm::CatalogSearch(l.catalog), find);
                    if (l.tree.children.empty()) {
                        std::cerr << "rackmason-cli: no module matches \"" << find << "\"\n";
                        return kRefused;
                    }
                }
                if (json)
                    std::cout << rm::catalogToJson(l.tree, l.catalog).dump(2) << "\n";
                else
                    printTree(l.tree, 0);
            } else if (json) {
                std::cout << rm::modulesToJson(l.catalog).dump(2) << "\n";
            } else {
                for (int i = 1; i <= l.catalog.count(); ++i)
                    std::cout << i << "\t" << l.catalog.at(i).BestellNr << "\t" << l.catalog.at(i).Bezeichnung << "\n";
            }
            return kOk;
        }
        if (*settingsCmd) {
            if (json)
                std::cout << rm::settingsFamiliesToJson().dump(2) << "\n";
            else
                printSettings();
            return kOk;
        }
        if (*textsCmd) {
            const int base = languageBase(language);
            for (int id : rm::definedIds(base)) std::cout << id << "\t" << *rm::textById(id) << "\n";
            return kOk;
        }
    } catch (const Failure& f) {
        std::cerr << "rackmason-cli: " << f.message << "\n";
        return f.code;
    } catch (const std::bad_alloc&) {
        std::cerr << "rackmason-cli: " << aboutFile(input, project) << "out of memory\n";
        return kFileError;
    } catch (const std::exception& e) {
        std::cerr << "rackmason-cli: " << aboutFile(input, project) << "could not be processed (" << e.what() << ")\n";
        return kFileError;
    }
    return kUsage;
}
