#include "cli/command_line.h"
#include "engine/generate_options.h"
#include "cli/review_command.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace quill
{
namespace
{

using testing::TempFolder;

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun run(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCommandLine(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

struct AskedItem {
    std::string item;
    std::string rightAnswer;
};

// The items of a set and their right answers, from answering each with 0 unrecorded:
// "第 1 题：54－41＝加油哦！正确答案是：13", or "答对了！" where 0 is right.
std::vector<AskedItem> askedItems(const std::vector<std::string>& drawing)
{
    std::vector<std::string> args{"answer"};
    args.insert(args.end(), drawing.begin(), drawing.end());
    std::string zeros;
    for (int i = 0; i < 100; ++i)
        zeros += "0\n";
    const CommandRun answered = run(args, zeros);
    std::vector<AskedItem> items;
    for (const std::string& line : linesOf(answered.out)) {
        const std::size_t colon = line.find("：");
        const std::size_t equals = line.find("＝");
        if (!line.starts_with("第 ") || colon == std::string::npos || equals == std::string::npos)
            continue;
        const std::string told = "正确答案是：";
        const std::size_t at = line.find(told);
        items.push_back({line.substr(colon + 3, equals - colon - 3),
                         at == std::string::npos ? "0" : line.substr(at + told.size())});
    }
    return items;
}

TEST(Review, ListsExactlyTheItemsAnsweredWrongUntilTheyAreAnsweredRight)
{
    TempFolder folder;
    const std::string records = (folder / "练习记录.sqlite").string();
    const std::vector<std::string> drawing{"--seed", "3", "--count", "8"};
    const std::vector<AskedItem> items = askedItems(drawing);
    ASSERT_EQ(items.size(), 8u);

    std::vector<std::string> answerArgs{"answer", "--pupil", "小明", "--records", records};
    answerArgs.insert(answerArgs.end(), drawing.begin(), drawing.end());
    std::string answers;
    std::vector<std::string> wrong;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const bool answerWrong = i == 1 || i == 4 || i == 6;
        answers += (answerWrong ? "9999" : items[i].rightAnswer) + "\n";
        if (answerWrong)
            wrong.push_back(items[i].item);
    }
    ASSERT_EQ(run(answerArgs, answers).status, exitOk);

    const std::vector<std::string> review{"review",  "--pupil",   "小明",
                                          "--print", "--records", records};
    CommandRun reviewed = run(review);
    ASSERT_EQ(reviewed.status, exitOk) << reviewed.err;
    EXPECT_EQ(linesOf(reviewed.out), wrong);
    EXPECT_TRUE(run({"review", "--pupil", "小红", "--print", "--records", records}).out.empty());
    const std::string none = (folder / "none.sqlite").string();
    EXPECT_EQ(run({"records", "list", "--records", none}).status, exitOk);
    EXPECT_FALSE(std::filesystem::exists(none)) << "listing made a database";

    // Topped up with fresh items: the mistakes first, no item twice.
    const CommandRun topped = run({"review", "--pupil", "小明", "--print", "--count", "12",
                                   "--seed", "5", "--records", records});
    std::vector<std::string> sheet = linesOf(topped.out);
    ASSERT_EQ(sheet.size(), 12u) << topped.err;
    EXPECT_TRUE(std::equal(wrong.begin(), wrong.end(), sheet.begin()));
    std::sort(sheet.begin(), sheet.end());
    EXPECT_EQ(std::unique(sheet.begin(), sheet.end()), sheet.end());

    // The same set again, all right: nothing left to practise.
    std::string allRight;
    for (const AskedItem& item : items)
        allRight += item.rightAnswer + "\n";
    ASSERT_EQ(run(answerArgs, allRight).status, exitOk);
    reviewed = run(review);
    EXPECT_EQ(reviewed.status, exitOk);
    EXPECT_TRUE(reviewed.out.empty()) << reviewed.out;
    EXPECT_NE(reviewed.err.find("没有要练习的错题"), std::string::npos);

    const CommandRun listed = run({"records", "list", "--pupil", "小明", "--records", records});
    EXPECT_EQ(listed.status, exitOk);
    EXPECT_NE(listed.out.find("共 8 题，正确 5 题，得分 62 分"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("共 8 题，正确 8 题，得分 100 分"), std::string::npos);
}

TEST(Review, FractionMistakesComeBackAsFractionItemsWithTheirAnswers)
{
    TempFolder folder;
    const std::string records = (folder / "r.sqlite").string();
    ASSERT_EQ(run({"answer", "--pupil", "小明", "--records", records, "--numbers", "fraction",
                   "--seed", "4", "--count", "3"},
                  "9999\n9999\n9999\n")
                  .status,
              exitOk);
    const CommandRun key =
        run({"review", "--pupil", "小明", "--print", "--answers", "--records", records});
    ASSERT_EQ(key.status, exitOk) << key.err;
    const std::vector<std::string> lines = linesOf(key.out);
    ASSERT_EQ(lines.size(), 3u) << key.out;
    for (const std::string& line : lines)
        EXPECT_NE(line.find("\t＝"), std::string::npos) << line;
}

TEST(Review, ADamagedDatabaseIsToldAndTheAnsweringGoesOn)
{
    TempFolder folder;
    const auto records = folder / "r.sqlite";
    const std::string damage(3000, 'x');
    std::ofstream(records, std::ios::binary) << damage;
    const CommandRun answered = run(
        {"answer", "--pupil", "小明", "--records", records.string(), "--seed", "3", "--count", "2"},
        "1\n2\n");
    EXPECT_EQ(answered.status, exitOk);
    EXPECT_NE(answered.out.find("共 2 题"), std::string::npos) << answered.out;
    EXPECT_NE(answered.err.find("练习记录出错，这次不记录"), std::string::npos) << answered.err;
    std::ifstream in(records, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damage);
    EXPECT_EQ(run({"review", "--pupil", "小明", "--print", "--records", records.string()}).status,
              exitFailed);
}

TEST(Review, SinceDatesAreReadInBothForms)
{
    EXPECT_EQ(sinceDate("2026-12-01"), "2026-12-01");
    EXPECT_EQ(sinceDate("2026/3/7"), "2026-03-07");
    for (const char* bad : {"2026-13-01", "2026-1", "yesterday", "2026/12/1x", "2026-12/1"})
        EXPECT_THROW(sinceDate(bad), UsageError) << bad;
    EXPECT_EQ(run({"review", "--print"}).status, exitUsage);
    EXPECT_EQ(run({"review", "--pupil", "小明", "--count", "0"}).status, exitUsage);
}

} // namespace
} // namespace quill
