#include "cli/history_command.h"

#include "base/printable_text.h"
#include "base/utf8.h"
#include "cli/command_line.h"
#include "cli/command_line_environment.h"
#include "engine/application.h"
#include "engine/generate_options.h"
#include "engine/saved_set_loading.h"
#include "history/history_line.h"
#include "history/saved_sets.h"

#include <charconv>
#include <optional>
#include <ostream>

namespace quill
{

namespace
{

struct HistoryOptions {
    std::string action;
    std::optional<std::string> index;
    std::optional<std::string> historyFile;
    std::string outDir = ".";
    bool answers = false;
    std::optional<int> format;
};

HistoryOptions parseHistoryOptions(const std::vector<std::string>& args)
{
    HistoryOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= args.size())
                throw UsageError("选项 " + arg + " 需要一个值。");
            return args[++i];
        };
        if (arg == "--history")
            options.historyFile = value();
        else if (arg == "--out")
            options.outDir = value();
        else if (arg == "--answers")
            options.answers = true;
        else if (arg == "--format")
            options.format = documentFormatOption(value());
        else if (arg == "--help" || arg == "-h")
            options.action = "help"; // what every error message here points to
        else if (arg.starts_with("--"))
            throw UsageError("未知的选项：" + arg + "（quillmere history --help）");
        else if (options.action.empty())
            options.action = arg;
        else if (!options.index)
            options.index = arg;
        else
            throw UsageError("多余的参数：" + arg);
    }
    return options;
}

// The 0-based line of an entry number as `list` shows it (from 1).
std::size_t lineIndex(const HistoryOptions& options, const SavedSets& sets)
{
    if (!options.index)
        throw UsageError("请给出练习的序号（quillmere history list 列出序号）。");
    const std::string& text = *options.index;
    std::size_t number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || number == 0 ||
        number > sets.lines().size())
        throw UsageError("没有序号为“" + text + "”的保存的练习（共 " +
                         std::to_string(sets.lines().size()) + " 个）。");
    return number - 1;
}

// The history as of now; what it could not read has been said on `err`.
struct ReadSets {
    SavedSets sets;
    IoResult read;
};

ReadSets readSets(const HistoryOptions& options, std::ostream& err)
{
    ReadSets result{SavedSets(historyFileFor(options.historyFile)), {}};
    result.read = result.sets.refresh();
    if (!result.read)
        err << unreadableHistoryMessage(result.read) << '\n';
    else if (result.sets.skippedTornLine())
        err << tornLineMessage(result.sets.file()) << '\n';
    return result;
}

int list(const HistoryOptions& options, std::ostream& out, std::ostream& err)
{
    const ReadSets read = readSets(options, err);
    const std::vector<std::string>& entries = read.sets.entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        out << i + 1 << '\t' << printableText(entries[i]) << '\n';
    return read.read ? exitOk : exitFailed;
}

int loadLine(const HistoryOptions& options, const std::string& lineText, std::ostream& out,
             std::ostream& err)
{
    StreamNotifier notifier(err);
    Application app(notifier);
    app.settings.answerSheet.checked = options.answers;
    if (options.format)
        app.settings.documentFormat.index = *options.format;
    CommandLineEnvironment env(app, {true, pathFromUtf8(options.outDir), std::nullopt}, out, err);
    switch (loadSavedSet(app, env, lineText)) {
    case RunOutcome::Completed:
        return exitOk;
    case RunOutcome::Stopped:
        return stoppedRunStatus(env, err);
    default: // a saved set that cannot be written is no bad option
        return exitFailed;
    }
}

int load(const HistoryOptions& options, std::ostream& out, std::ostream& err)
{
    const ReadSets read = readSets(options, err);
    if (!read.read)
        return exitFailed;
    return loadLine(options, read.sets.lines()[lineIndex(options, read.sets)], out, err);
}

// The latest saved sheet with the code: a code drawn again later names the newer sheet.
int key(HistoryOptions options, std::ostream& out, std::ostream& err)
{
    if (!options.index)
        throw UsageError("请给出题目卷角上的代码，如 quillmere key K7M4P。");
    const ReadSets read = readSets(options, err);
    if (!read.read)
        return exitFailed;
    const std::optional<std::size_t> found = read.sets.latestSheet(*options.index);
    if (!found)
        throw UsageError(noSheetCodeMessage(*options.index));
    options.answers = true;
    return loadLine(options, read.sets.lines()[*found], out, err);
}

int remove(const HistoryOptions& options, std::ostream& out, std::ostream& err)
{
    ReadSets read = readSets(options, err);
    if (!read.read)
        return exitFailed;
    SavedSets& sets = read.sets;
    if (readHistoryFile(sets.file()).result.status == IoStatus::Missing) {
        err << deleteFailedMessage << '\n';
        return exitFailed;
    }
    const std::size_t index = lineIndex(options, sets);
    const IoResult deleted = sets.deleteSavedSet(index);
    (deleted ? out : err) << deleteMessage(deleted) << '\n';
    return deleted ? exitOk : exitFailed;
}

} // namespace

int runHistoryCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const HistoryOptions options = parseHistoryOptions(args);
    if (options.action == "list")
        return list(options, out, err);
    if (options.action == "load")
        return load(options, out, err);
    if (options.action == "delete")
        return remove(options, out, err);
    if (options.action.empty() || options.action == "help") {
        out << historyHelpText();
        return exitOk;
    }
    throw UsageError("未知的历史记录操作：" + options.action + "（list、load 或 delete）");
}

int runKeyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> withAction{"key"};
    withAction.insert(withAction.end(), args.begin(), args.end());
    const HistoryOptions options = parseHistoryOptions(withAction);
    if (options.action == "help" || options.answers) {
        out << keyHelpText();
        return options.answers ? exitUsage : exitOk;
    }
    return key(options, out, err);
}

std::string historyHelpText()
{
    return R"(用法: quillmere history list|load N|delete N [选项]

  list              列出保存的练习: 序号、日期和题型，一人一份的还有代码和名字
  load N            把第 N 个保存的练习重新写成文档
  delete N          从历史记录中删除第 N 个保存的练习

选项:
  --history FILE    历史记录文件 (默认在程序旁或 ~/.local/share/Quillmere)
  --answers         载入时另写答案文档
  --out DIR         载入时文档写入的文件夹 (默认当前文件夹)
  --format docx|pdf|both  载入时写的格式: Word 文档 (默认)、PDF 或两种都写
)";
}

std::string keyHelpText()
{
    return R"(用法: quillmere key CODE [选项]

按题目卷标题旁的代码（quillmere generate --copies 或 --roster 写上的 5 位代码）在历史记录里
找到那一份题，重新写出它的题目文档和答案文档，答案卷上有学生的名字和代码。大小写都可以。

  --history FILE    历史记录文件 (默认在程序旁或 ~/.local/share/Quillmere)
  --out DIR         文档写入的文件夹 (默认当前文件夹)
  --format docx|pdf|both   文档格式

退出码: 0 成功, 1 历史记录读不出或文档无法写入, 2 没有这个代码或选项有误。
)";
}

} // namespace quill
