#include "base/program_handover.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

// Windows hands a program one line and its C runtime splits it back into arguments:
// backslashes count only before a quote, so those are the cases that can go wrong.
TEST(WindowsCommandLine, SplitsBackIntoTheSameArguments)
{
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string line;
    } rows[] = {
        {"plain and Chinese", {"generate", "--out", "练习"}, "generate --out 练习"},
        {"spaces and tabs", {"a b", "c\td"}, "\"a b\" \"c\td\""},
        {"empty", {""}, "\"\""},
        {"quote", {"a\"b"}, "\"a\\\"b\""},
        {"backslashes before a quote", {"a\\\\\"b"}, "\"a\\\\\\\\\\\"b\""},
        {"backslashes elsewhere stay single", {"C:\\a\\b\\"}, "C:\\a\\b\\"},
        {"trailing backslash inside quotes", {"C:\\my dir\\"}, "\"C:\\my dir\\\\\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(windowsCommandLine(row.args), row.line) << row.name;
}

} // namespace
} // namespace quill
