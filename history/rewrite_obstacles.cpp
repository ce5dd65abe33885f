#include "history/rewrite_obstacles.h"

#include "base/file_access.h"

namespace quill
{

RewriteObstacles rewriteObstaclesOf(const std::filesystem::path& file)
{
    FileFacts info;
    if (fileFactsOf(file, info) != 0)
        return {};
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    return {creationRefusal(folder) != 0, info.links > 1, !info.ownerKeepable};
}

IoResult rewritePermission(const std::filesystem::path& named, const RewriteObstacles& obstacles)
{
    if (obstacles.folderClosed)
        return ioFailure(named,
                         "所在的文件夹不能新建文件，无法安全地改写，未作改动（保存练习不受影响）",
                         IoStatus::Refused);
    if (obstacles.otherLinks)
        return ioFailure(named, "文件还有别的硬链接，无法安全地改写，未作改动", IoStatus::Refused);
    if (obstacles.foreignOwner)
        return ioFailure(named, "文件属于其他用户，改写后无法保留原来的所有者，未作改动",
                         IoStatus::Refused);
    return ioDone(named);
}

} // namespace quill
