#include "cli/command_line.h"

#include "base/printable_text.h"
#include "base/utf8.h"
#include "base/version.h"
#include "cli/answer_key.h"
#include "cli/batch_command.h"
#include "cli/command_line_environment.h"
#include "cli/history_command.h"
#include "cli/pupil_recording.h"
#include "cli/pupil_sheets.h"
#include "cli/recipe_command.h"
#include "cli/records_command.h"
#include "cli/review_command.h"
#include "cli/terminal_answering.h"
#include "engine/answering_session.h"
#include "engine/application.h"
#include "engine/class_sheets.h"
#include "engine/generate_options.h"
#include "engine/generation_run.h"
#include "engine/mixed_sheet_run.h"
#include "engine/recipe.h"
#include "output/mixed_sheet_writer.h"
#include "settings/exercise_kinds.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <random>

namespace quill
{

namespace
{

std::uint64_t freshSeed()
{
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32 | device()) % 1000000000000ull;
}

// The settings as the options click them, with the conflicts and the seed on stderr.
void applyOptionsAndSeed(const GenerateOptions& options, Application& app, std::ostream& err)
{
    applyGenerateOptions(options, app.settings, app.notifier);
    for (const std::string& note : conflictNotes(options, app.settings))
        err << note << '\n';
    const std::uint64_t seed = options.seed.value_or(freshSeed());
    app.random.seed(seed);
    err << "随机种子：" << seed << "（--seed " << seed << " 可重出这套题）\n";
}

void printParts(Application& app, const std::vector<SheetPart>& parts, bool answers,
                std::ostream& out)
{
    for (std::size_t k = 0; k < parts.size(); ++k) {
        app.settings = parts[k].settings;
        app.set = parts[k].set;
        out << partHeading(static_cast<int>(k), app.settings) << '\n';
        for (const std::string& line : answers ? answerKeyLines(app) : itemLines(app))
            out << line << '\n';
    }
}

// Every part is read and applied before anything is drawn, so a bad one writes nothing; the
// options outside the parts that belong to the whole run are then applied.
std::vector<SheetPart> readParts(const std::vector<std::string>& args,
                                 const GenerateOptions& options, Application& app,
                                 std::ostream& err)
{
    std::vector<SheetPart> parts;
    for (std::vector<std::string>& own : partOptions(sharedPartOptions(args), options.parts))
        parts.push_back(sheetPart(std::move(own), app.notifier));
    applyOptionsAndSeed(runOptionsOf(options), app, err);
    return parts;
}

int generateMixed(const std::vector<std::string>& args, const GenerateOptions& options,
                  Application& app, std::ostream& out, std::ostream& err)
{
    std::vector<SheetPart> parts = readParts(args, options, app, err);
    CommandLineOutput output{!options.print, pathFromUtf8(options.outDir), std::nullopt,
                             std::chrono::seconds(options.timeLimit)};
    if (!options.print)
        output.historyFile = historyFileFor(options.historyFile);
    CommandLineEnvironment env(app, output, out, err);
    if (const std::optional<int> status =
            unfinishedStatus(generateMixedSheet(app, env, parts), env, err))
        return *status;
    if (options.print)
        printParts(app, parts, options.answers, out);
    return exitOk;
}

CommandLineOutput generateOutput(const GenerateOptions& options)
{
    CommandLineOutput output{!options.print, pathFromUtf8(options.outDir), std::nullopt,
                             std::chrono::seconds(options.timeLimit)};
    if (!options.print)
        output.historyFile = historyFileFor(options.historyFile);
    return output;
}

// One set per pupil, mixed when parts are given: a class's question document and answer
// document, or printed, each set headed by the pupil's name and code.
int generatePupilSheets(const std::vector<std::string>& pupils,
                        const std::vector<std::string>& args, const GenerateOptions& options,
                        Application& app, std::ostream& out, std::ostream& err)
{
    const bool mixed = !options.parts.empty();
    const std::vector<SheetPart> parts =
        mixed ? readParts(args, options, app, err) : std::vector<SheetPart>{};
    if (!mixed)
        applyOptionsAndSeed(options, app, err);
    CommandLineEnvironment env(app, generateOutput(options), out, err);
    std::vector<PupilSheet> sheets;
    const RunOutcome outcome = mixed ? generateClassMixedSheets(app, env, pupils, parts, sheets)
                                     : generateClassSheets(app, env, pupils, sheets);
    if (const std::optional<int> status = unfinishedStatus(outcome, env, err))
        return *status;
    if (!options.print)
        return exitOk;
    for (std::size_t k = 0; k < sheets.size(); ++k) {
        const PupilSheet& sheet = sheets[k];
        out << "【" << (sheet.pupil.empty() ? "第" + std::to_string(k + 1) + "份" : sheet.pupil)
            << " " << sheet.code << "】\n";
        if (mixed) {
            printParts(app, sheet.parts, options.answers, out);
            continue;
        }
        app.set = sheet.set;
        for (const std::string& line : options.answers ? answerKeyLines(app) : itemLines(app))
            out << line << '\n';
    }
    return exitOk;
}

int generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    StreamNotifier notifier(err);
    Application app(notifier);
    std::vector<std::string> own = args;
    const std::optional<std::vector<std::string>> pupils = takePupilSheets(own);
    // A recipe stands for the options it holds, parts included.
    const std::vector<std::string> given = withRecipesRead(own);
    const GenerateOptions options = parseGenerateOptions(given);
    if (options.help) {
        out << generateHelpText();
        return exitOk;
    }
    if (pupils)
        return generatePupilSheets(*pupils, given, options, app, out, err);
    if (!options.parts.empty())
        return generateMixed(given, options, app, out, err);
    applyOptionsAndSeed(options, app, err);

    CommandLineEnvironment env(app, generateOutput(options), out, err);
    if (const std::optional<int> status = unfinishedStatus(generateExercises(app, env), env, err))
        return *status;
    if (options.print)
        for (const std::string& line : options.answers ? answerKeyLines(app) : itemLines(app))
            out << line << '\n';
    return exitOk;
}

std::string answerHelpText()
{
    return R"(用法: quillmere answer [选项]

在终端上机答题：按选项出一套口算题，逐题提问，每行输入一个答案，当场判对错，最后给出得分。
有余数的除法把商和余数用……（或空格、“余”）隔开，例如 7……1；空行跳过这一题。
答案也可以从文件或管道读入：quillmere answer --seed 5 < 答案.txt

有余数的除法也可以写成小数（能除尽时），例如 6÷4 写 1.5 或 1……2 都对；保留小数的题按保留后的数判。
同样的选项和 --seed 得到的题目与 quillmere generate --kind oral 完全相同。

选项与 quillmere generate 相同（--grade、--numbers、--ops、--from、--to、--count、--places、
--keep、--exact、--carry、--borrow、--seed、--time-limit 等）；上机答题只出口算题，--kind 只能是 oral（口算）。
--numbers fraction 出分数口算题：得数写成 a/b 或整数，没约分的对值会提示“请约分”再写一次。
百分数题写 26% 或 0.26 都对。上机答题不写文档也不保存，所以没有 --answers、--out、
--print、--no-save 和 --history。

记录:
  --pupil NAME      把这次答题记进 NAME 的练习记录：每道判过的题、写的答案、对错和用时
                    （quillmere records list 查看，quillmere review 出错题练习）
  --records FILE    练习记录数据库 (默认在历史记录旁：练习记录.sqlite)

退出码: 0 答完或输入结束, 1 输入不是答案 (含空字符，或一行超过 4096 个字节), 2 选项或设置有误,
        3 到了 --time-limit 还没出完, 130 被 Ctrl+C 终止。
)";
}

// Options that write or save: an answering set is only drawn and asked.
void refuseDocumentOptions(const GenerateOptions& options)
{
    if (options.answers || options.outGiven || options.print || options.noSave ||
        options.historyFile)
        throw UsageError("上机答题不写文档也不保存：--answers、--out、--print、--no-save 和 "
                         "--history 只用于 quillmere generate");
    if (!options.parts.empty())
        throw UsageError("上机答题一次只出一种口算题：--part 只用于 quillmere generate");
}

// The kind whose items, of whole numbers, decimals, percentages or fractions, have one answer a
// line can hold and the session can judge (口算); the set is then exactly the one generate --kind
// oral draws.
const ExerciseKindRow& answeredKind()
{
    const auto kinds = exerciseKinds();
    return *std::find_if(kinds.begin(), kinds.end(),
                         [](const ExerciseKindRow& row) { return row.answeredOnScreen; });
}

void askForAnswerableItems(GenerateOptions& options)
{
    const ExerciseKindRow& answered = answeredKind();
    if (options.kind && !kindRow(*options.kind).answeredOnScreen)
        throw UsageError("上机答题只出" + std::string(answered.caption) + "题（--kind " +
                         std::string(answered.commandName) + "）：“" +
                         std::string(kindRow(*options.kind).caption) +
                         "”的题不能逐题输入答案判分，请用 quillmere generate 出这类题。");
    options.kind = answered.kind;
}

// Draws the set as 上机答题 does; the exit status when that failed. The draw's Ctrl+C handling
// ends with it, so Ctrl+C while the pupil answers ends the program at once.
std::optional<int> drawAnsweringSet(Application& app, const GenerateOptions& options,
                                    std::ostream& out, std::ostream& err)
{
    CommandLineEnvironment env(
        app, {false, {}, std::nullopt, std::chrono::seconds(options.timeLimit)}, out, err);
    return unfinishedStatus(drawOnScreenSet(app, env), env, err);
}

int answer(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err)
{
    StreamNotifier notifier(err);
    Application app(notifier);
    std::vector<std::string> drawing = args;
    const std::optional<std::string> pupil = takeOption(drawing, "--pupil");
    const std::optional<std::string> recordsFile = takeOption(drawing, "--records");
    GenerateOptions options = parseGenerateOptions(drawing);
    if (options.help) {
        out << answerHelpText();
        return exitOk;
    }
    if (pupil)
        checkedPupilName(*pupil);
    // Known before the draw, so a build without records refuses before anything happens.
    const std::optional<std::filesystem::path> records =
        pupil ? std::optional(recordsFileFor(recordsFile)) : std::nullopt;
    refuseDocumentOptions(options);
    askForAnswerableItems(options);
    applyOptionsAndSeed(options, app, err);
    if (const std::optional<int> status = drawAnsweringSet(app, options, out, err))
        return *status;
    AnsweringSession session(app.set, answeringRules(app.settings));
    if (session.itemCount() == 0) {
        err << nothingToAnswerMessage << '\n';
        return exitUsage;
    }
    std::optional<PupilRecording> recording;
    if (pupil)
        recording.emplace(*records, *pupil, drawingOptionsText(drawing), session,
                          [&err](const std::string& message) { err << message << '\n'; });
    const AnsweringEnd end =
        answerOnTerminal(session, in, out, err, recording ? recording->sink() : JudgedItemSink{});
    if (recording)
        recording->finish(session);
    return end == AnsweringEnd::Finished ? exitOk : exitFailed;
}

std::string mainHelpText()
{
    return R"(Quillmere — 小学数学练习题生成器 / arithmetic worksheets for primary school

用法:
  quillmere                      打开主窗口
  quillmere generate [选项]      按设置出一套练习 (quillmere generate --help 列出选项)
  quillmere recipe save FILE [选项]       把设置写成配方文件 (quillmere recipe --help)
  quillmere batch RECIPE --days N --out DIR   按配方一次出 N 天的练习 (quillmere batch --help)
  quillmere answer [选项]        在终端上机答题：逐题作答，判对错，给出得分 (quillmere answer --help)
  quillmere history list|load N|delete N   保存的练习 (quillmere history --help)
  quillmere key CODE             按题目卷上的代码重写那一份题和答案 (quillmere key --help)
  quillmere records list [--pupil NAME]   学生的练习记录 (quillmere records --help)
  quillmere review --pupil NAME [选项]    错题练习：做错还没改对的题 (quillmere review --help)
  quillmere --version            显示版本
  quillmere --help               显示本帮助
)";
}

} // namespace

bool wantsCommandLine(const std::vector<std::string>& args)
{
    if (args.empty())
        return false;
    const std::string& first = args.front();
    return first == "generate" || first == "answer" || first == "history" || first == "records" ||
           first == "key" || first == "review" || first == "recipe" || first == "batch" ||
           first == "help" || first == "--help" || first == "-h" || first == "--version";
}

int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err)
{
    try {
        const std::string command = args.empty() ? "--help" : args.front();
        const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
        if (command == "--help" || command == "-h" || command == "help") {
            out << mainHelpText();
            return exitOk;
        }
        if (command == "--version") {
            out << "Quillmere " << versionText << '\n';
            return exitOk;
        }
        if (command == "generate")
            return generate(rest, out, err);
        if (command == "answer")
            return answer(rest, in, out, err);
        if (command == "recipe")
            return runRecipeCommand(rest, out, err);
        if (command == "batch")
            return runBatchCommand(rest, out, err);
        if (command == "history")
            return runHistoryCommand(rest, out, err);
        if (command == "key")
            return runKeyCommand(rest, out, err);
        if (command == "records")
            return runRecordsCommand(rest, out, err);
        if (command == "review")
            return runReviewCommand(rest, out, err);
        err << "未知的命令：" << printableText(command) << "（quillmere --help 列出全部命令）\n";
        return exitUsage;
    } catch (const UsageError& error) {
        err << printableText(error.what()) << '\n';
        return exitUsage;
    }
}

} // namespace quill
