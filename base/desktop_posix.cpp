#include "base/desktop.h"

#include <cstdlib>

namespace quill
{

namespace
{

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

bool displayAvailable()
{
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

const char* noDisplayMessage()
{
    return "没有可用的图形显示（DISPLAY 和 WAYLAND_DISPLAY 都没有设置），无法打开窗口。\n"
           "在终端里出题请用：quillmere generate（quillmere generate --help 列出全部选项）\n";
}

} // namespace quill
