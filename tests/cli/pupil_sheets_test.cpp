#include "cli/command_line.h"
#include "output/pdf_drawing.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sstream>

namespace quill
{
namespace
{

int run(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    std::istringstream in;
    std::ostringstream output, errors;
    const int status = runCommandLine(args, in, output, errors);
    out = output.str();
    err = errors.str();
    return status;
}

struct PrintedSheet {
    std::string heading; // 【name code】
    std::vector<std::string> lines;
};

std::vector<PrintedSheet> printedSheets(const std::string& out)
{
    std::vector<PrintedSheet> sheets;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("【"))
            sheets.push_back({line, {}});
        else if (!sheets.empty())
            sheets.back().lines.push_back(line);
    }
    return sheets;
}

std::string rosterOf(int count)
{
    std::string names;
    for (int k = 1; k <= count; ++k)
        names += "学生" + std::to_string(k) + "\n";
    return names;
}

// Forty names give forty different sets, each headed once by its name and a code of its own;
// the keys, drawn again from the same seed, come in the same order under the same headings.
TEST(PupilSheets, ARosterOfFortyGivesFortyDifferentSetsAndKeysInTheSameOrder)
{
    testing::TempFolder folder;
    const std::string roster = testing::utf8Path(folder / "名单.txt");
    testing::writeBytes(roster, rosterOf(40));
    std::string out, keys, err;
    const std::vector<std::string> args{"generate", "--roster", roster, "--count",
                                        "12",       "--seed",   "9",    "--print"};
    ASSERT_EQ(run(args, out, err), exitOk) << err;
    std::vector<std::string> withAnswers = args;
    withAnswers.push_back("--answers");
    ASSERT_EQ(run(withAnswers, keys, err), exitOk) << err;

    const std::vector<PrintedSheet> sheets = printedSheets(out), answers = printedSheets(keys);
    ASSERT_EQ(sheets.size(), 40u);
    ASSERT_EQ(answers.size(), 40u);
    std::set<std::vector<std::string>> sets;
    std::set<std::string> codes;
    for (std::size_t k = 0; k < sheets.size(); ++k) {
        const std::string name = "学生" + std::to_string(k + 1);
        EXPECT_TRUE(sheets[k].heading.starts_with("【" + name + " ")) << sheets[k].heading;
        EXPECT_EQ(answers[k].heading, sheets[k].heading);
        EXPECT_EQ(sheets[k].lines.size(), 12u) << name;
        sets.insert(sheets[k].lines);
        codes.insert(sheets[k].heading);
        for (std::size_t i = 0; i < std::min(sheets[k].lines.size(), answers[k].lines.size()); ++i)
            EXPECT_TRUE(answers[k].lines[i].starts_with(sheets[k].lines[i]))
                << name << ": " << answers[k].lines[i] << " / " << sheets[k].lines[i];
    }
    EXPECT_EQ(sets.size(), 40u);
    EXPECT_EQ(codes.size(), 40u);
}

// The class's sheets are one question and one answer document; each set its own history entry.
TEST(PupilSheets, CopiesWriteOneClassPairAndAHistoryEntryEach)
{
    testing::TempFolder folder;
    const std::string history = testing::utf8Path(folder / "历史.txt");
    std::string out, err;
    // PDF where this build writes it (not on Windows).
    const char* format = pdfAvailable() ? "pdf" : "docx";
    ASSERT_EQ(run({"generate", "--copies", "3", "--count", "5", "--answers", "--format", format,
                   "--out", testing::utf8Path(folder / "题"), "--history", history},
                  out, err),
              exitOk)
        << err;
    const auto written = std::filesystem::directory_iterator(folder / "题");
    EXPECT_EQ(std::distance(begin(written), end(written)), 2);
    const std::string saved = testing::fileBytes(history);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 3);
}

// Every code of a batch finds its own sheet again, in either case, as a question and an answer
// document; a code nobody was given is refused.
TEST(PupilSheets, KeyFindsEachCodeInTheHistory)
{
    testing::TempFolder folder;
    const std::string roster = testing::utf8Path(folder / "名单.txt"),
                      history = testing::utf8Path(folder / "历史.txt");
    testing::writeBytes(roster, rosterOf(4));
    std::string out, err;
    ASSERT_EQ(
        run({"generate", "--roster", roster, "--count", "6", "--print", "--seed", "3"}, out, err),
        exitOk);
    const std::vector<PrintedSheet> sheets = printedSheets(out);
    ASSERT_EQ(run({"generate", "--roster", roster, "--count", "6", "--seed", "3", "--history",
                   history, "--out", testing::utf8Path(folder / "卷")},
                  out, err),
              exitOk)
        << err;
    ASSERT_EQ(sheets.size(), 4u);
    for (std::size_t k = 0; k < sheets.size(); ++k) {
        std::string code = sheets[k].heading.substr(sheets[k].heading.rfind(' ') + 1);
        code = code.substr(0, code.size() - std::string("】").size());
        if (k % 2)
            std::ranges::transform(code, code.begin(), [](char c) { return std::tolower(c); });
        const auto keys = folder / ("钥" + std::to_string(k));
        ASSERT_EQ(
            run({"key", code, "--history", history, "--out", testing::utf8Path(keys)}, out, err),
            exitOk)
            << code << ": " << err;
        const auto written = std::filesystem::directory_iterator(keys);
        EXPECT_EQ(std::distance(begin(written), end(written)), 2) << code;
    }
    EXPECT_EQ(run({"key", "ZZZZZ", "--history", history, "--out", testing::utf8Path(folder / "无")},
                  out, err),
              exitUsage);
    EXPECT_FALSE(std::filesystem::exists(folder / "无"));
}

// A bad count, a damaged list or a part no mixed sheet holds writes nothing and says why.
TEST(PupilSheets, RefusalsWriteNothing)
{
    testing::TempFolder folder;
    const std::string empty = testing::utf8Path(folder / "空.txt"),
                      binary = testing::utf8Path(folder / "图.png");
    testing::writeBytes(empty, "\n\n");
    testing::writeBytes(binary, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const std::string outDir = testing::utf8Path(folder / "题");
    const std::vector<std::vector<std::string>> refused{
        {"--copies", "0"},
        {"--copies", "101"},
        {"--copies", "三"},
        {"--roster", empty},
        {"--roster", binary},
        {"--roster", testing::utf8Path(folder / "无")},
        {"--copies", "2", "--roster", empty},
        {"--copies", "3", "--to", "3", "--count", "50"},
        {"--copies", "2", "--part", "--kind oral", "--part", "--kind units"},
        {"--roster", empty, "--part", "--kind oral"},
        {"--part", "--kind oral --copies 2"}};
    for (std::vector<std::string> args : refused) {
        args.insert(args.begin(), "generate");
        for (const char* more : {"--out", outDir.c_str(), "--no-save"})
            args.emplace_back(more);
        std::string out, err;
        EXPECT_EQ(run(args, out, err), exitUsage) << args[1] << ' ' << args[2];
        EXPECT_FALSE(err.empty() || err.find("未知的选项") != std::string::npos)
            << args[1] << ' ' << args[2] << ": " << err;
        EXPECT_FALSE(std::filesystem::exists(outDir)) << args[1] << ' ' << args[2];
    }
}

} // namespace
} // namespace quill
