#pragma once

// Runs a built program as a child process, the same way on POSIX and Windows: tests of the
// program itself, where the command line's own functions would not go through main().

#include "base/program_location.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quill::testing
{

struct ChildRun {
    int status = -1; // the exit status; 128 + the signal's number when one ended it (POSIX)
    std::string out;
    std::string err;
};

// Runs `program` with `args` (UTF-8), `input` on its standard input, in the folder
// `workingFolder`, and waits for it to end.
ChildRun runChild(const std::filesystem::path& program, const std::vector<std::string>& args,
                  std::string_view input, const std::filesystem::path& workingFolder);

// The command-line program of this build (QUILLMERE_PROGRAM_FROM_TESTS, set by CMake: the
// way from the test program's folder to it).
inline std::filesystem::path builtProgram()
{
    return (programDirectory() / QUILLMERE_PROGRAM_FROM_TESTS).lexically_normal();
}

} // namespace quill::testing
