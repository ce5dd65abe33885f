#include "base/desktop.h"

namespace quill
{

// Windows always has its desktop; there is no display to name.
bool displayAvailable()
{
    return true;
}

const char* noDisplayMessage()
{
    return "无法打开窗口。在命令提示符里出题请用：quillmere generate（quillmere generate --help "
           "列出全部选项）\n";
}

} // namespace quill
