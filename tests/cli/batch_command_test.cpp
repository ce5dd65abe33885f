#include "cli/command_line.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace quill
{
namespace
{

int run(const std::vector<std::string>& args, std::string* err = nullptr)
{
    std::istringstream in;
    std::ostringstream out, errors;
    const int status = runCommandLine(args, in, out, errors);
    if (err)
        *err = errors.str();
    return status;
}

// Each day's sheet and key are named by the day's date, across a month's end.
TEST(BatchCommand, WritesASheetAndAKeyForEachDayNamedByItsDate)
{
    testing::TempFolder folder;
    const std::string recipe = testing::utf8Path(folder / "口算.toml");
    ASSERT_EQ(run({"recipe", "save", recipe, "--kind", "oral", "--count", "10", "--answers"}),
              exitOk);
    const std::string out = testing::utf8Path(folder / "题");
    std::string err;
    ASSERT_EQ(run({"batch", recipe, "--days", "3", "--start", "2027-02-27", "--out", out,
                   "--no-save", "--seed", "1"},
                  &err),
              exitOk)
        << err;
    std::vector<std::string> expected;
    for (const char* day : {"20270227", "20270228", "20270301"})
        for (const char* suffix : {"(答案).docx", ".docx"})
            expected.push_back(std::string("口算-") + day + suffix);
    std::ranges::sort(expected);
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "题"))
        written.push_back(testing::utf8Name(entry.path()));
    std::ranges::sort(written);
    EXPECT_EQ(written, expected);
}

// A mixed recipe gives a mixed sheet a day, and no item comes twice in the batch.
TEST(BatchCommand, MixedRecipesGiveAMixedSheetADayWithoutRepeats)
{
    testing::TempFolder folder;
    const std::string recipe = testing::utf8Path(folder / "mixed.toml");
    testing::writeBytes(recipe, "grade = 5\n[[part]]\nkind = \"oral\"\nops = [\"add\"]\n"
                                "count = 30\n[[part]]\nkind = \"vertical\"\nops = [\"mul\"]\n"
                                "count = 10\n");
    const std::string history = testing::utf8Path(folder / "历史.txt");
    std::string err;
    ASSERT_EQ(run({"batch", recipe, "--days", "4", "--start", "2027-03-01", "--out",
                   testing::utf8Path(folder / "题"), "--history", history, "--seed", "3"},
                  &err),
              exitOk)
        << err;
    EXPECT_TRUE(std::filesystem::exists(folder / "题" / u8"混合练习-20270304.docx"));
    // Each part's list follows its kind number between the line's "‖" marks.
    std::ifstream lines(folder / "历史.txt");
    std::set<std::string> seen;
    int items = 0, days = 0;
    for (std::string line; std::getline(lines, line); ++days) {
        const std::string mark = "‖";
        std::vector<std::string> fields;
        for (std::size_t at = 0, next; at != std::string::npos; at = next) {
            next = line.find(mark, at);
            fields.push_back(line.substr(at, next == std::string::npos ? next : next - at));
            if (next != std::string::npos)
                next += mark.size();
        }
        for (std::size_t k = 1; k < fields.size(); k += 2) {
            std::istringstream list(fields[k].substr(fields[k].find('|') + 1));
            for (std::string item; list >> item; ++items)
                EXPECT_TRUE(seen.insert(item).second) << item;
        }
    }
    EXPECT_EQ(days, 4);
    EXPECT_EQ(items, 4 * 40);
}

// Bad batches are refused before anything is drawn: nothing is written.
TEST(BatchCommand, BadBatchesWriteNothing)
{
    testing::TempFolder folder;
    const std::string plain = testing::utf8Path(folder / "plain.toml");
    const std::string mixed = testing::utf8Path(folder / "mixed.toml");
    testing::writeBytes(plain, "kind = \"oral\"\n");
    testing::writeBytes(mixed, "[[part]]\nkind = \"oral\"\n[[part]]\nkind = \"units\"\n");
    const std::string out = testing::utf8Path(folder / "out");
    const std::vector<std::vector<std::string>> bad = {
        {"batch", plain, "--out", out},
        {"batch", plain, "--days", "0", "--out", out},
        {"batch", plain, "--days", "400", "--out", out},
        {"batch", plain, "--days", "2", "--start", "2027-02-30", "--out", out},
        {"batch", plain, "--days", "2"},
        {"batch", plain, "--days", "2", "--out", out, "--print"},
        {"batch", mixed, "--days", "2", "--out", out},
        {"batch", testing::utf8Path(folder / "missing.toml"), "--days", "2", "--out", out},
    };
    for (const std::vector<std::string>& args : bad) {
        std::string err;
        EXPECT_EQ(run(args, &err), exitUsage) << args[2];
        EXPECT_FALSE(err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace quill
