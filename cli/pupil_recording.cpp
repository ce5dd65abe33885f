#include "cli/pupil_recording.h"

#include "base/printable_text.h"
#include "cli/command_line_environment.h"
#include "cli/generate_options.h"
#include "engine/answering_session.h"

#include <ostream>

namespace quill
{

namespace
{

constexpr std::size_t longestPupilName = 40;

} // namespace

std::filesystem::path recordsFileFor(const std::optional<std::string>& named)
{
    if (named)
        return *named;
    return historyFileFor(std::nullopt).parent_path() / recordsFileName;
}

std::string noRecordsMessage(const std::filesystem::path& file)
{
    return "还没有练习记录（" + quotedPath(file) +
           "）：用 quillmere answer --pupil NAME 答题时才记录。";
}

std::optional<std::string> takeOption(std::vector<std::string>& args, std::string_view name)
{
    std::optional<std::string> value;
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] != name) {
            ++i;
            continue;
        }
        if (i + 1 >= args.size())
            throw UsageError("选项 " + std::string(name) + " 需要一个值。");
        value = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + 2));
    }
    return value;
}

std::string checkedPupilName(const std::string& name)
{
    if (name.empty())
        throw UsageError("学生姓名不能是空的（--pupil 小明）。");
    if (printableText(name) != name || name.size() > longestPupilName)
        throw UsageError("学生姓名“" + printableText(name) + "”不能用：最多 " +
                         std::to_string(longestPupilName) + " 个字节，不能含控制字符。");
    return name;
}

std::string drawingOptionsText(const std::vector<std::string>& args)
{
    std::string text;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--seed") {
            ++i;
            continue;
        }
        text += args[i] + '\n';
    }
    return text;
}

std::vector<std::string> drawingOptionsOf(std::string_view text)
{
    std::vector<std::string> args;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        args.emplace_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return args;
}

PupilRecording::PupilRecording(const std::filesystem::path& file, std::string_view pupil,
                               std::string_view options, const AnsweringSession& session,
                               std::ostream& err)
    : records_(file), err_(err)
{
    if (!records_.beginSet(pupil, options, static_cast<int>(session.itemCount())))
        reportFailure();
}

JudgedItemSink PupilRecording::sink()
{
    return [this](const JudgedItem& judged) {
        if (!records_.recordAnswer({judged.savedText, judged.given, judged.right, judged.seconds}))
            reportFailure();
    };
}

void PupilRecording::finish(const AnsweringSession& session)
{
    if (!records_.finishSet(session.rightCount(), session.elapsedSeconds()))
        reportFailure();
}

void PupilRecording::reportFailure()
{
    if (reported_)
        return;
    reported_ = true;
    err_ << recordsUnusableMessage(records_.result()) << '\n';
}

} // namespace quill
