#include "base/program_handover.h"

namespace quill
{

std::string windowsCommandLine(const std::vector<std::string>& args)
{
    std::string line;
    for (const std::string& arg : args) {
        if (!line.empty())
            line += ' ';
        if (!arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string::npos) {
            line += arg;
            continue;
        }
        line += '"';
        std::size_t backslashes = 0;
        for (const char c : arg) {
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            // Backslashes before a quote are escaped, the quote too; others stand as they are.
            line.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
            backslashes = 0;
            line += c;
        }
        line.append(2 * backslashes, '\\'); // before the closing quote
        line += '"';
    }
    return line;
}

} // namespace quill
