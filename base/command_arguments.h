#pragma once

#include <string>
#include <vector>

namespace quill
{

// The program's arguments in UTF-8, its own name excluded. On Windows they are read from the
// UTF-16 command line: `argv` holds them in the ANSI code page, which cannot hold every name.
std::vector<std::string> commandArguments(int argc, char** argv);

// Makes the console show UTF-8 output as text and hand over typed text as UTF-8 (Windows);
// POSIX terminals take the bytes as they are.
void useUtf8Console();

} // namespace quill
