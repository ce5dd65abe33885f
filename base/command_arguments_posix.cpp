#include "base/command_arguments.h"

namespace quill
{

std::vector<std::string> commandArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

void useUtf8Console() {}

} // namespace quill
