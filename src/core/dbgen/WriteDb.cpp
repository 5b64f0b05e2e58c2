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

int refuse(WriteResult* result, std::string reason)
{
    if (result) *result = WriteResult::failed(std::move(reason));
    return 0;
}

// Writes the source into `target`; `ask` puts the overwrite question first.
int writeSource(ProjectTable& table, const std::string& target, int IoDb, int CpuDb, bool ask, WriteResult* result)
{
    const Texts& texts = table.app().texts;
    try {
        if (target.empty()) return refuse(result, ownText(texts, OwnText::NotSavedYet));
        const std::filesystem::path path(target);
        // A project whose name ends in "awl" would be overwritten by its own source.
        if (sameFile(path, table.info().ProjektPfad)) return refuse(result, ownText(texts, OwnText::IsProjectFile));
        // A text that would break the source into lines of its own, or a
        // number its field cannot hold, is refused before any question.
        if (const auto problem = findSourceProblem(table, CpuDb)) {
            const std::string text = sourceProblemText(texts, *problem);
            table.app().asker.ShowMessage(text, "", style::Ok + style::Exclamation);
            if (result) *result = WriteResult::failed(text);
            return 2;
        }
        std::error_code ec;
        const bool exists = FileExists(path) || std::filesystem::is_symlink(path, ec);
        if (ask && exists &&
            table.app().ask(txt::FileExistsOverwrite, txt::ExistingDataTitle, style::OkCancel + style::Exclamation) !=
                answer::Ok) {
            if (result) *result = WriteResult::declined();
            return 0;
        }
        // The whole text first, then one atomic replace: a failure leaves the
        // old file as it was instead of a deleted or half-written one. Only
        // the file the user agreed to lose is replaced; a new name is created
        // without replacing what may have appeared there since.
        const std::string bytes = generateSource(table, IoDb, CpuDb);
        WriteResult written = writeFileAtomic(path, bytes, exists ? WriteMode::Replace : WriteMode::CreateOnly);
        const int code = written.ok() ? 1 : 0;
        if (result) *result = std::move(written);
        return code;
    } catch (const std::exception& e) {
        return refuse(result, e.what());
    }
}

}  // namespace

int writeDB(ProjectTable& table, int IoDb, int CpuDb)
{
    return writeDB(table, IoDb, CpuDb, nullptr);
}

int writeDB(ProjectTable& table, int IoDb, int CpuDb, WriteResult* result)
{
    std::string target;
    try {
        target = sourcePathFor(table.info().ProjektPfad);
    } catch (const std::exception&) {
    }
    return writeSource(table, target, IoDb, CpuDb, true, result);
}

int writeDBTo(ProjectTable& table, const std::string& target, int IoDb, int CpuDb, WriteResult* result)
{
    return writeSource(table, target, IoDb, CpuDb, false, result);
}

}  // namespace rm
