#include "core/dbgen/WriteDb.h"

#include <exception>
#include <filesystem>
#include <string>

#include "core/app/Files.h"
#include "core/app/Messages.h"
#include "core/dbgen/SourceGenerator.h"
#include "core/project/ProjectFile.h"

namespace rm {

int writeDB(ProjectTable& table, int IoDb, int CpuDb)
{
    try {
        const std::string target = sourcePathFor(table.info().ProjektPfad);
        if (target.empty()) return 0;
        const std::filesystem::path path(target);
        if (FileExists(path) && table.app().ask(1068, 1069, style::OkCancel + style::Exclamation) != answer::Ok)
            return 0;
        // The whole text first, then one atomic replace: a failure leaves the
        // old file as it was instead of a deleted or half-written one.
        const std::string bytes = generateSource(table, IoDb, CpuDb);
        return writeFileAtomic(path, bytes).empty() ? 1 : 0;
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace rm
