#include "app/command_line.h"

#ifdef QUILLMERE_WINDOW
#include "app/window_start.h"
#endif

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef QUILLMERE_WINDOW
    if (!quill::wantsCommandLine(args)) {
        // Without a display Qt would abort; the command line still works there.
        if (!quill::displayAvailable()) {
            std::cerr << quill::noDisplayMessage();
            return quill::exitFailed;
        }
        return quill::runWindow(argc, argv);
    }
#endif
    return quill::runCommandLine(args, std::cout, std::cerr);
}
