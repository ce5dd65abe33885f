#include "base/utf8.h"
#include "cli/command_line.h"
#include "output/pdf_drawing.h"
#include "records/pupil_records.h"
#include "support/child_process.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace quill
{
namespace
{

// The built program itself, started as a child process: its arguments, names and streams go
// through the system as a teacher's would.
class ProgramRun : public ::testing::Test
{
protected:
    testing::ChildRun run(const std::vector<std::string>& args, std::string_view input = {})
    {
        return testing::runChild(testing::builtProgram(), args, input, folder.path());
    }

    static std::vector<std::string> lines(const std::string& text)
    {
        std::vector<std::string> result;
        std::istringstream stream(text);
        for (std::string line; std::getline(stream, line);)
            result.push_back(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
        return result;
    }

    bool isFile(const std::string& printed) const
    {
        return std::filesystem::is_regular_file(folder.path() / pathFromUtf8(printed));
    }

    testing::TempFolder folder;
};

TEST_F(ProgramRun, ChineseFoldersAndNamesLastFromGenerateToDelete)
{
    const std::string history = "历史 记录/题目.txt";
    std::filesystem::create_directory(folder / u8"历史 记录");
    const testing::ChildRun generated =
        run({"generate", "--answers", "--seed", "3", "--out", "练习", "--history", history});
    ASSERT_EQ(generated.status, exitOk) << generated.err;
    const std::vector<std::string> written = lines(generated.out);
    ASSERT_EQ(written.size(), 2u) << generated.out;
    EXPECT_TRUE(isFile(written[0]) && isFile(written[1])) << generated.out;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder / u8"练习"))
        names.push_back(testing::utf8Name(entry.path()));
    ASSERT_EQ(names.size(), 2u);
    // The answer sheet is the question sheet's name with (答案).
    const std::string answerMark = "(答案)";
    for (std::string& name : names)
        if (const std::size_t mark = name.find(answerMark); mark != std::string::npos)
            name.erase(mark, answerMark.size());
    EXPECT_EQ(names[0], names[1]);
    // Named by the kind, as written in UTF-8, not in a code page.
    EXPECT_TRUE(names[0].starts_with("竖式计算-") && names[0].ends_with(".docx")) << names[0];

    EXPECT_EQ(lines(run({"history", "list", "--history", history}).out).size(), 1u);
    const testing::ChildRun loaded =
        run({"history", "load", "1", "--history", history, "--out", "载入"});
    EXPECT_EQ(loaded.status, exitOk) << loaded.err;
    ASSERT_EQ(lines(loaded.out).size(), 1u);
    EXPECT_TRUE(isFile(lines(loaded.out)[0])) << loaded.out;
    EXPECT_EQ(run({"history", "delete", "1", "--history", history}).status, exitOk);
    EXPECT_TRUE(run({"history", "list", "--history", history}).out.empty());
}

TEST_F(ProgramRun, AnswersFromStandardInputAreJudged)
{
    const std::vector<std::string> args = {"answer", "--seed", "3", "--count", "3"};
    const testing::ChildRun wrong = run(args, "0\n0\n0\n");
    ASSERT_EQ(wrong.status, exitOk) << wrong.err;
    // The summary lists each item wrongly answered with its answer: "54－41＝13（你的答案：0）".
    const std::regex listed("＝(.+)（你的答案：0）");
    std::string answers;
    for (const std::string& line : lines(wrong.out))
        if (std::smatch found; std::regex_search(line, found, listed))
            answers += found[1].str() + "\n";
    ASSERT_EQ(lines(answers).size(), 3u) << wrong.out;
    const testing::ChildRun right = run(args, answers);
    EXPECT_EQ(right.status, exitOk) << right.err;
    EXPECT_NE(right.out.find("正确 3 题"), std::string::npos) << right.out;
}

// A build without cairo or SQLite (the Windows one) says so and leaves nothing behind.
TEST_F(ProgramRun, WhatThisBuildLacksIsRefusedWithoutWritingAnything)
{
    if (pdfAvailable() && recordsAvailable())
        GTEST_SKIP() << "this build writes PDF and keeps records";
    ASSERT_EQ(run({"generate", "--out", "文档", "--history", "历史.txt"}).status, exitOk);
    const std::vector<std::string> before = folder.entries();
    const struct {
        const char* name;
        bool available;
        std::vector<std::string> args;
    } rows[] = {
        {"PDF",
         pdfAvailable(),
         {"generate", "--format", "pdf", "--out", "新", "--history", "历史.txt"}},
        {"both formats", pdfAvailable(), {"generate", "--format", "both", "--out", "新"}},
        {"a saved set as PDF",
         pdfAvailable(),
         {"history", "load", "1", "--format", "pdf", "--out", "新", "--history", "历史.txt"}},
        {"records", recordsAvailable(), {"records", "list"}},
        {"review", recordsAvailable(), {"review", "--pupil", "小明"}},
        {"answers kept for a pupil",
         recordsAvailable(),
         {"answer", "--pupil", "小明", "--count", "2"}},
    };
    const std::string history = testing::fileBytes(folder / u8"历史.txt");
    for (const auto& row : rows) {
        if (row.available)
            continue;
        const testing::ChildRun refused = run(row.args, "1\n2\n");
        EXPECT_EQ(refused.status, exitUsage) << row.name;
        EXPECT_NE(refused.err.find("这个版本的 Quillmere"), std::string::npos) << refused.err;
        EXPECT_EQ(folder.entries(), before) << row.name;
    }
    EXPECT_EQ(testing::fileBytes(folder / u8"历史.txt"), history);
}

} // namespace
} // namespace quill
