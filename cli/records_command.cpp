#include "cli/records_command.h"

#include "base/printable_text.h"
#include "cli/command_line.h"
#include "engine/generate_options.h"
#include "cli/pupil_recording.h"
#include "records/pupil_records.h"

#include <ostream>

namespace quill
{

namespace
{

// "2026-12-10 16:25  小明  共 5 题，正确 3 题，得分 60 分，用时 1分2秒"
std::string setLine(const SetRecord& set)
{
    const int score = set.itemCount > 0 ? 100 * set.rightCount / set.itemCount : 0;
    std::string line = set.started.substr(0, 16) + "  " + printableText(set.pupil) + "  共 " +
                       std::to_string(set.itemCount) + " 题";
    if (!set.finished)
        return line + "（没有答完）";
    return line + "，正确 " + std::to_string(set.rightCount) + " 题，得分 " +
           std::to_string(score) + " 分，用时 " + std::to_string(set.seconds / 60) + "分" +
           std::to_string(set.seconds % 60) + "秒";
}

} // namespace

int runRecordsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> rest = args;
    const std::optional<std::string> pupil = takeOption(rest, "--pupil");
    const std::optional<std::string> file = takeOption(rest, "--records");
    if (rest.empty() || rest.front() == "--help" || rest.front() == "-h") {
        out << recordsHelpText();
        return exitOk;
    }
    if (rest.front() != "list")
        throw UsageError("未知的练习记录操作：" + printableText(rest.front()) +
                         "（quillmere records --help）");
    if (rest.size() > 1)
        throw UsageError("多余的参数：" + printableText(rest[1]));

    const std::filesystem::path recordsFile = recordsFileFor(file);
    // Listing makes no database: one appears with the first set a pupil answers.
    if (!std::filesystem::exists(recordsFile)) {
        err << noRecordsMessage(recordsFile) << '\n';
        return exitOk;
    }
    PupilRecords records(recordsFile);
    for (const SetRecord& set : records.sets(pupil.value_or("")))
        out << setLine(set) << '\n';
    if (pupil && records.result()) {
        const std::vector<MistakeRecord> mistakes = records.mistakes(*pupil, "");
        out << "还没有改对的错题（" << mistakes.size() << " 道）：";
        for (const MistakeRecord& mistake : mistakes)
            out << ' ' << printableText(mistake.item);
        out << '\n';
    }
    if (!records.result()) {
        err << "练习记录读不出来：" << records.result().describe() << '\n';
        return exitFailed;
    }
    return exitOk;
}

std::string recordsHelpText()
{
    return R"(用法: quillmere records list [选项]

  list              列出答过的每套题: 日期、学生、题数、正确题数、得分和用时；
                    给了 --pupil 时再列出这个学生还没有改对的错题

选项:
  --pupil NAME      只看这个学生的记录
  --records FILE    练习记录数据库 (默认在历史记录旁：练习记录.sqlite)

做错题练习: quillmere review --pupil NAME (quillmere review --help)
)";
}

} // namespace quill
