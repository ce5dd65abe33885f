#include "history/rewrite_obstacles.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quill
{

namespace
{

bool inGroup(gid_t group)
{
    if (group == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    const int got = ::getgroups(count, groups.data());
    return got > 0 &&
           std::find(groups.begin(), groups.begin() + got, group) != groups.begin() + got;
}

// The kernel's rule for fchown: the superuser gives any owner, others keep their own and may
// choose among their groups.
bool canGiveOwner(const struct stat& info)
{
    const uid_t user = ::geteuid();
    return user == 0 || (info.st_uid == user && inGroup(info.st_gid));
}

} // namespace

RewriteObstacles rewriteObstaclesOf(const std::filesystem::path& file)
{
    struct stat info {
    };
    if (::stat(file.c_str(), &info) != 0)
        return {};
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    return {::access(folder.c_str(), W_OK | X_OK) != 0, info.st_nlink > 1, !canGiveOwner(info)};
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
