#include "cli/batch_command.h"

#include "base/calendar_time.h"
#include "base/utf8.h"
#include "cli/command_line.h"
#include "cli/command_line_environment.h"
#include "engine/application.h"
#include "engine/generate_options.h"
#include "engine/generation_run.h"
#include "engine/mixed_sheet_run.h"
#include "engine/recipe.h"

#include <chrono>
#include <ctime>
#include <ostream>
#include <random>

namespace quill
{

namespace
{

using std::chrono::sys_days;
using std::chrono::year_month_day;

inline constexpr int mostDays = 366;

std::string batchHelpText()
{
    return R"(用法: quillmere batch RECIPE --days N [--start DATE] --out DIR [选项]

按配方 RECIPE（quillmere recipe save 写的文件）一次出 N 天的练习：每天一套，题目各不相同，
只要设置下的题够用，整批里没有重复的题；文件按日期命名，如 口算-20270301.docx。
每天的题和 quillmere generate --recipe RECIPE 出的一样写出、存入历史记录；
配方有 [[part]] 时每天一张混合练习，如 混合练习-20270301.docx。

  --days N          天数 1..366
  --start DATE      第一天的日期，如 2027-03-01 (默认今天)；之后每天一套，连续 N 天
  --out DIR         文档写入的文件夹

quillmere generate 的选项可以跟在后面，覆盖配方里的设置，如 --format pdf --answers；
--seed N 让整批可以重出（第 k 天用种子 N+k-1），另有 --no-save、--history、--time-limit。

退出码: 0 成功, 1 文档或历史记录无法写入, 2 选项、配方或设置有误 (什么都不写),
        3 到了 --time-limit 还没出完, 130 被 Ctrl+C 终止 (已写好的前几天留下)。
)";
}

// Removes `name VALUE` (or `name=VALUE`) from the arguments and returns the value.
std::optional<std::string> takeBatchOption(std::vector<std::string>& args, std::string_view name)
{
    std::optional<std::string> value;
    for (std::size_t i = 0; i < args.size();) {
        const std::string prefix = std::string(name) + "=";
        if (args[i] == name) {
            if (i + 1 >= args.size())
                throw UsageError("选项 " + std::string(name) + " 需要一个值。");
            value = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
        } else if (args[i].starts_with(prefix)) {
            value = args[i].substr(prefix.size());
            args.erase(args.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
    return value;
}

int dayCount(const std::optional<std::string>& days)
{
    if (!days)
        throw UsageError("批量出题要用 --days N 给出天数（1 到 366）。");
    const bool digits = !days->empty() && days->size() <= 3 &&
                        days->find_first_not_of("0123456789") == std::string::npos;
    const int count = digits ? std::stoi(*days) : 0;
    if (count < 1 || count > mostDays)
        throw UsageError("选项 --days 的取值范围是 1 到 366，而不是 " + *days + "。");
    return count;
}

year_month_day today()
{
    const std::tm local = localCalendarTime(std::time(nullptr));
    return year_month_day{std::chrono::year(local.tm_year + 1900),
                          std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                          std::chrono::day(static_cast<unsigned>(local.tm_mday))};
}

// "2027-03-01" (or "2027-3-1").
year_month_day startDate(const std::optional<std::string>& text)
{
    if (!text)
        return today();
    int year = 0;
    unsigned month = 0, day = 0;
    char rest = 0;
    const bool read = std::sscanf(text->c_str(), "%4d-%2u-%2u%c", &year, &month, &day, &rest) == 3;
    const year_month_day date{std::chrono::year(year), std::chrono::month(month),
                              std::chrono::day(day)};
    if (!read || !date.ok() || year < 1900)
        throw UsageError("选项 --start 要一个日期，如 2027-03-01，而不是“" + *text + "”。");
    return date;
}

// "20270301": the part of a day's file names after the kind.
std::string dateStamp(year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

struct Batch {
    GenerateOptions options;
    std::vector<std::vector<std::string>> parts; // a mixed recipe's parts, shared options first
    int days = 0;
    year_month_day start;
    std::uint64_t seed = 0;
};

Batch batchOf(std::vector<std::string> args)
{
    if (args.empty() || args.front().starts_with("--"))
        throw UsageError("用法：quillmere batch RECIPE --days N [--start DATE] --out DIR"
                         "（quillmere batch --help）");
    Batch batch;
    batch.days = dayCount(takeBatchOption(args, "--days"));
    batch.start = startDate(takeBatchOption(args, "--start"));
    std::vector<std::string> drawing = {"--recipe", args.front()};
    drawing.insert(drawing.end(), args.begin() + 1, args.end());
    const std::vector<std::string> given = withRecipesRead(drawing);
    batch.options = parseGenerateOptions(given);
    const GenerateOptions& o = batch.options;
    if (!o.outGiven)
        throw UsageError("批量出题要用 --out DIR 指定文档写入的文件夹。");
    if (o.print)
        throw UsageError("批量出题写文档：--print 只用于 quillmere generate。");
    if (!o.parts.empty()) {
        batch.parts = partOptions(sharedPartOptions(given), o.parts);
        SilentNotifier quiet;
        for (const std::vector<std::string>& part : batch.parts)
            sheetPart(part, quiet); // a part no mixed sheet holds is refused before day one
    }
    std::random_device device;
    batch.seed =
        o.seed.value_or((static_cast<std::uint64_t>(device()) << 32 | device()) % 1000000000000ull);
    return batch;
}

// Draws and writes one day's set as `generate` does; the exit status when it did not finish.
std::optional<int> runDay(const Batch& batch, int day, std::unordered_set<std::string>& earlier,
                          std::ostream& out, std::ostream& err)
{
    StreamNotifier notifier(err);
    Application app(notifier);
    std::vector<SheetPart> parts;
    if (batch.parts.empty()) {
        applyGenerateOptions(batch.options, app.settings, app.notifier);
        if (day == 0)
            for (const std::string& note : conflictNotes(batch.options, app.settings))
                err << note << '\n';
    } else {
        applyGenerateOptions(runOptionsOf(batch.options), app.settings, app.notifier);
        for (const std::vector<std::string>& part : batch.parts)
            parts.push_back(sheetPart(part, app.notifier));
    }
    app.random.seed(batch.seed + static_cast<std::uint64_t>(day));
    const year_month_day date{sys_days(batch.start) + std::chrono::days(day)};
    CommandLineOutput output{true, pathFromUtf8(batch.options.outDir), std::nullopt,
                             std::chrono::seconds(batch.options.timeLimit), dateStamp(date)};
    if (!batch.options.noSave)
        output.historyFile = historyFileFor(batch.options.historyFile);
    CommandLineEnvironment env(app, output, out, err);
    const RunOutcome outcome = parts.empty() ? generateBatchSet(app, env, earlier)
                                             : generateBatchMixedSheet(app, env, parts, earlier);
    return unfinishedStatus(outcome, env, err);
}

} // namespace

int runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args.front() == "--help" || args.front() == "-h") {
        out << batchHelpText();
        return args.empty() ? exitUsage : exitOk;
    }
    const Batch batch = batchOf(args);
    err << "随机种子：" << batch.seed << "（--seed " << batch.seed << " 可重出这批题）\n";
    std::unordered_set<std::string> earlier;
    for (int day = 0; day < batch.days; ++day)
        if (const std::optional<int> status = runDay(batch, day, earlier, out, err)) {
            if (day > 0)
                err << "第" << day + 1 << "天没有出完，前" << day << "天的文档已经写好。\n";
            return *status;
        }
    return exitOk;
}

} // namespace quill
