#include "core/dbgen/WriteDb.h"

#include <exception>
#include <filesystem>
#include <string>

#include "core/base/Files.h"
#include "core/base/Messages.h"
#include "core/dbgen/SourceGenerator.h"
#include "core/project/ProjectFile.h"

namespace rm {

int writeDB(ProjectTable& table, int IoDb, int CpuDb)
{
    try {
        const std::string target = sourcePathFor(table.info().ProjektPfad);
        if (target.empty()) return 0;
        const std::filesystem::path path(target);
        // A project whose name ends in "awl" would be overwritten by its own source.
        if (sameFile(path, table.info().ProjektPfad)) return 0;
        // A text that would break the source into lines of its own, or a
        // number its field cannot hold, is refused before any question.
        if (const auto problem = findSourceProblem(table, CpuDb)) {
            table.app().asker.ShowMessage(sourceProblemText(table.app().texts, *problem), "",
                                          style::Ok + style::Exclamation);
            return 2;
        }
        std::error_code ec;
        const bool exists = FileExists(path) || std::filesystem::is_symlink(path, ec);
        if (exists && table.app().ask(1068, 1069, style::OkCancel + style::Exclamation) != answer::Ok) return 0;
        // The whole text first, then one atomic replace: a failure leaves the
        // old file as it was instead of a deleted or half-written one. Only
        // the file the user agreed to lose is replaced; a new name is created
        // without replacing what may have appeared there since.
        const std::string bytes = generateSource(table, IoDb, CpuDb);
        return writeFileAtomic(path, bytes, exists ? WriteMode::Replace : WriteMode::CreateOnly).empty() ? 1 : 0;
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace rm
