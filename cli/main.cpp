#include "cli/command_line.h"
#include "cli/window_launch.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!quill::wantsCommandLine(args))
        return quill::startWindow(argv);
    return quill::runCommandLine(args, std::cin, std::cout, std::cerr);
}
