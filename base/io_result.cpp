#include "base/io_result.h"

#include "base/printable_text.h"
#include "base/utf8.h"

#include <cerrno>
#include <cstring>

namespace quill
{

namespace
{

const char* chineseReason(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT // a quota is a POSIX notion; Windows reports a full quota as ENOSPC
    case EDQUOT:
#endif
        return "磁盘空间不足";
    case EACCES:
    case EPERM:
        return "没有权限";
    case EROFS:
        return "磁盘只读";
    case ENOENT:
        return "文件或文件夹不存在";
    case ENOTDIR:
        return "路径中有一段不是文件夹";
    case EISDIR:
        return "这是一个文件夹";
    case EEXIST:
        return "已有同名的文件";
    case EINVAL:
        return "参数无效";
    case ELOOP:
        return "符号链接层数太多";
    case ENAMETOOLONG:
        return "文件名太长";
    case EFBIG:
        return "文件太大";
    case EIO:
        return "读写出错";
    case EMFILE:
    case ENFILE:
        return "打开的文件太多";
    case EBUSY:
    case ETXTBSY:
        return "文件正被使用";
    case ENOMEM:
        return "内存不足";
    case ENOLCK:
        return "无法加锁";
    case EINTR:
        return "被中断";
    case ENXIO:
    case ENODEV:
        return "设备不存在";
    case EXDEV:
        return "不能跨磁盘移动";
    default:
        return "系统错误";
    }
}

} // namespace

std::string systemReason(int error)
{
    return std::string(chineseReason(error)) + "（" + std::strerror(error) + "）";
}

std::string quotedPath(const std::filesystem::path& path)
{
    return "“" + printableText(utf8Text(path)) + "”";
}

std::string IoResult::describe() const
{
    return ok() ? quotedPath(path) : quotedPath(path) + "：" + reason;
}

IoResult ioDone(std::filesystem::path path)
{
    return {IoStatus::Done, std::move(path), {}};
}

IoResult ioFailure(std::filesystem::path path, std::string reason, IoStatus status)
{
    return {status, std::move(path), std::move(reason)};
}

IoResult ioSystemFailure(std::filesystem::path path, int error)
{
    const IoStatus status = error == ENOENT   ? IoStatus::Missing
                            : error == EEXIST ? IoStatus::NameTaken
                                              : IoStatus::Failed;
    return {status, std::move(path), systemReason(error)};
}

} // namespace quill
