#include "core/table/ProjectDocument.h"

#include "core/app/Backup.h"

namespace rm {

ProjectData projectDataOf(const ProjectTable& table)
{
    ProjectData d;
    d.info = table.info();
    d.rows = table.RowArray();
    d.rows[0] = RowEintrag{};
    return d;
}

OpenResult openProject(ProjectTable& table, const std::filesystem::path& path)
{
    OpenResult res;
    ProjectReadResult file = readProjectFile(path);
    res.status = file.status;
    res.detail = file.detail;
    res.notAProjectFile = file.notAProjectFile;
    res.ignoredBytes = file.ignoredBytes;
    if (file.status != ProjectReadStatus::Ok) return res;
    ProjectInfo info = file.data.info;
    std::error_code ec;
    auto abs = std::filesystem::absolute(path, ec);
    info.ProjektPfad = (ec ? path : abs).string();
    info.ProjektTitel = path.filename().string();
    table.ProjektLaden(info, file.data.rows, &res.notes);
    table.app().AktProjectInfo = table.info();
    return res;
}

WriteResult saveProject(ProjectTable& table, const std::filesystem::path& path, bool keepBackup)
{
    table.info().FormatVersion = kFormatVersion;
    std::string err;
    const std::string bytes = encodeProject(projectDataOf(table), &err);
    if (!err.empty()) return WriteResult::failed(err);
    WriteResult saved = writeWithBackup(path, bytes, keepBackup);
    if (!saved.ok()) return saved;
    table.SetProjektDataHasChangedFlag(false);
    table.app().AktProjectInfo = table.info();
    return saved;
}

}  // namespace rm
