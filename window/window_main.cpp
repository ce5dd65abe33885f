#include "base/desktop.h"
#include "window/window_start.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Qt would abort without a display; say what to do instead.
    if (!quill::displayAvailable()) {
        std::cerr << quill::noDisplayMessage();
        return 1;
    }
    return quill::runWindow(argc, argv);
}
