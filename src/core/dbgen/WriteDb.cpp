#include "core/dbgen/WriteDb.h"
#include "core/base/TextIds.h"

#include <exception>
#include <filesystem>
#include <string>

#include "core/base/Files.h"
#include "core/base/Messages.h"
#include "core/base/OwnTexts.h"
#include "core/dbgen/SourceGenerator.h"
#include "core/table/ProjectFile.h"

namespace rm {

namespace {

int refuse(WriteDbReport* report, std::string reason)
{
    if (report) report->reason = std::move(reason);
    return 0;
}

// Writes the source into `target`; `ask` puts the overwrite question first.
int writeSource(ProjectTable& table, const std::string& target, int IoDb, int CpuDb, bool ask, WriteDbReport* report)
{
    if (report) *report = {};
    const Texts& texts = table.app().texts;
    try {
        if (target.empty()) return refuse(report, ownText(texts, OwnText::NotSavedYet));
        const std::filesystem::path path(target);
        // A project whose name ends in "awl" would be overwritten by its own source.
        if (sameFile(path, table.info().ProjektPfad)) return refuse(report, ownText(texts, OwnText::IsProjectFile));
        // A text that would break the source into lines of its own, or a
        // number its field cannot hold, is refused before any question.
        if (const auto problem = findSourceProblem(table, CpuDb)) {
            table.app().asker.ShowMessage(sourceProblemText(texts, *problem), "", style::Ok + style::Exclamation);
            return 2;
        }
        std::error_code ec;
        const bool exists = FileExists(path) || std::filesystem::is_symlink(path, ec);
        if (ask && exists &&
            table.app().ask(txt::FileExistsOverwrite, txt::ExistingDataTitle, style::OkCancel + style::Exclamation) !=
                answer::Ok) {
            if (report) report->declined = true;
            return 0;
        }
        // The whole text first, then one atomic replace: a failure leaves the
        // old file as it was instead of a deleted or half-written one. Only
        // the file the user agreed to lose is replaced; a new name is created
        // without replacing what may have appeared there since.
        const std::string bytes = generateSource(table, IoDb, CpuDb);
        const std::string err = writeFileAtomic(path, bytes, exists ? WriteMode::Replace : WriteMode::CreateOnly);
        return err.empty() ? 1 : refuse(report, err);
    } catch (const std::exception& e) {
        return refuse(report, e.what());
    }
}

}  // namespace

int writeDB(ProjectTable& table, int IoDb, int CpuDb)
{
    return writeDB(table, IoDb, CpuDb, nullptr);
}

int writeDB(ProjectTable& table, int IoDb, int CpuDb, WriteDbReport* report)
{
    std::string target;
    try {
        target = sourcePathFor(table.info().ProjektPfad);
    } catch (const std::exception&) {
    }
    return writeSource(table, target, IoDb, CpuDb, true, report);
}

int writeDBTo(ProjectTable& table, const std::string& target, int IoDb, int CpuDb, WriteDbReport* report)
{
    return writeSource(table, target, IoDb, CpuDb, false, report);
}

}  // namespace rm
