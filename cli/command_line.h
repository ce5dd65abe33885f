#pragma once

// The command line beside the window: `quillmere generate [options]` runs the same engine,
// `quillmere answer [options]` asks a set on the terminal, `quillmere history …` works on the
// saved sets.

#include <iosfwd>
#include <string>
#include <vector>

namespace quill
{

// Exit statuses of the command line.
inline constexpr int exitOk = 0;
inline constexpr int exitFailed = 1;   // a document or the history could not be written;
                                       // answer: the input holds no answers
inline constexpr int exitUsage = 2;    // bad options or refused settings: nothing written
inline constexpr int exitTimedOut = 3; // --time-limit passed before the set was drawn
inline constexpr int exitInterrupted = 130;

// True when the arguments ask for the command line rather than the window.
bool wantsCommandLine(const std::vector<std::string>& args);

// Runs the command line; `args` excludes the program name. Messages go to `err`, results
// (items, paths, lists, the questions of `answer`) to `out`; `answer` reads its answers
// from `in`.
int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

} // namespace quill
