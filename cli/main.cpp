#include "base/command_arguments.h"
#include "cli/command_line.h"
#include "cli/window_launch.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    quill::useUtf8Console();
    const std::vector<std::string> args = quill::commandArguments(argc, argv);
    if (!quill::wantsCommandLine(args))
        return quill::startWindow(args);
    return quill::runCommandLine(args, std::cin, std::cout, std::cerr);
}
