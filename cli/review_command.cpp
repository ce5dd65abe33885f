#include "cli/review_command.h"

#include "base/printable_text.h"
#include "base/utf8.h"
#include "cli/answer_key.h"
#include "cli/command_line.h"
#include "cli/command_line_environment.h"
#include "cli/pupil_recording.h"
#include "engine/application.h"
#include "engine/generate_options.h"
#include "engine/generation_run.h"
#include "engine/mistakes_sheet.h"
#include "records/pupil_records.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ostream>
#include <sstream>

namespace quill
{

namespace
{

struct ReviewOptions {
    std::string pupil;
    std::string since;
    std::optional<std::size_t> count;
    std::optional<std::uint64_t> seed;
    std::optional<std::string> recordsFile;
    std::string outDir = ".";
    bool answers = false;
    bool print = false;
    bool help = false;
};

template <typename Number> Number numberOption(const std::string& name, const std::string& text)
{
    Number number{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        throw UsageError("选项 " + name + " 的值“" + printableText(text) + "”不是数。");
    return number;
}

ReviewOptions parseReviewOptions(const std::vector<std::string>& args)
{
    ReviewOptions options;
    std::optional<std::string> pupil;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= args.size())
                throw UsageError("选项 " + arg + " 需要一个值。");
            return args[++i];
        };
        if (arg == "--pupil")
            pupil = value();
        else if (arg == "--since")
            options.since = sinceDate(value());
        else if (arg == "--count")
            options.count = numberOption<std::size_t>(arg, value());
        else if (arg == "--seed")
            options.seed = numberOption<std::uint64_t>(arg, value());
        else if (arg == "--records")
            options.recordsFile = value();
        else if (arg == "--out")
            options.outDir = value();
        else if (arg == "--answers")
            options.answers = true;
        else if (arg == "--print")
            options.print = true;
        else if (arg == "--help" || arg == "-h")
            options.help = true;
        else
            throw UsageError("未知的选项：" + printableText(arg) + "（quillmere review --help）");
    }
    if (options.help)
        return options;
    if (!pupil)
        throw UsageError("请用 --pupil NAME 说明给哪个学生出错题练习。");
    options.pupil = checkedPupilName(*pupil);
    if (options.count && (*options.count == 0 || *options.count > largestItemCount))
        throw UsageError("--count 要在 1 到 " + std::to_string(largestItemCount) + " 之间。");
    return options;
}

int writeSheet(const ReviewOptions& options, const KindMistakes& group, std::ostream& out,
               std::ostream& err)
{
    StreamNotifier notifier(err);
    Application app(notifier);
    std::ostringstream ignored;
    CommandLineEnvironment drawing(app, {false, {}, std::nullopt, std::chrono::seconds(60)},
                                   ignored, ignored);
    const std::size_t mistakes = prepareMistakesSheet(app, group, options.count,
                                                      options.seed.value_or(freshSeed()), drawing);
    err << mistakesSheetMessage(options.pupil, mistakes, app.set.size()) << '\n';
    if (options.print) {
        for (const std::string& line : options.answers ? answerKeyLines(app) : itemLines(app))
            out << line << '\n';
        return exitOk;
    }
    app.settings.answerSheet.checked = options.answers;
    CommandLineEnvironment env(app, {true, pathFromUtf8(options.outDir), std::nullopt}, out, err);
    switch (writeMistakesSheet(app, group.kind, env)) {
    case RunOutcome::Completed:
        return exitOk;
    case RunOutcome::Stopped:
        return stoppedRunStatus(env, err);
    default:
        return exitFailed;
    }
}

} // namespace

std::string sinceDate(const std::string& text)
{
    int year = 0, month = 0, day = 0;
    char first = 0, second = 0;
    int used = 0;
    const bool read = std::sscanf(text.c_str(), "%4d%c%2d%c%2d%n", &year, &first, &month, &second,
                                  &day, &used) == 5 &&
                      static_cast<std::size_t>(used) == text.size();
    const bool separated = (first == '-' && second == '-') || (first == '/' && second == '/');
    if (!read || !separated || year < 1000 || month < 1 || month > 12 || day < 1 || day > 31)
        throw UsageError("--since 的日期“" + printableText(text) +
                         "”看不懂，请写成 2026-12-01 或 2026/12/1。");
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
    return date;
}

int runReviewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ReviewOptions options = parseReviewOptions(args);
    if (options.help) {
        out << reviewHelpText();
        return exitOk;
    }
    const std::filesystem::path recordsFile = recordsFileFor(options.recordsFile);
    if (!std::filesystem::exists(recordsFile)) {
        err << noRecordsMessage(recordsFile) << '\n';
        return exitOk;
    }
    PupilRecords records(recordsFile);
    const std::vector<MistakeRecord> mistakes = records.mistakes(options.pupil, options.since);
    if (!records.result()) {
        err << "练习记录读不出来：" << records.result().describe() << '\n';
        return exitFailed;
    }
    if (mistakes.empty()) {
        err << printableText(options.pupil) << "没有要练习的错题"
            << (options.since.empty() ? "" : "（" + options.since + " 以来）") << "。\n";
        return exitOk;
    }
    int status = exitOk;
    for (const KindMistakes& group : mistakesByKind(mistakes))
        status = std::max(status, writeSheet(options, group, out, err));
    return status;
}

std::string reviewHelpText()
{
    return R"(用法: quillmere review --pupil NAME [选项]

错题练习：把学生做错、之后还没有做对的题写成练习（和答案），也可以补上同类新题凑够题量。
不给 --count 时正好是这些错题；错题属于不同题型（例如整数和分数）时每种题型各写一份。

选项:
  --pupil NAME      学生姓名 (和 quillmere answer --pupil 相同)
  --since DATE      只要这一天以来做错的题，例如 2026-12-01
  --count N         题量：错题不够时补上同类新题，错题多于 N 道时只取前 N 道
  --seed N          补题用的随机种子 (默认每次不同)
  --answers         另写答案文档；和 --print 一起用时打印答案
  --out DIR         文档写入的文件夹 (默认当前文件夹)
  --print           不写文档，把题目逐行打印出来
  --records FILE    练习记录数据库 (默认在历史记录旁：练习记录.sqlite)

退出码: 0 写好了或没有错题, 1 练习记录读不出来或文档写不成, 2 选项有误。
)";
}

} // namespace quill
