#include "cli/pupil_recording.h"

#include "base/utf8.h"
#include "cli/command_line_environment.h"
#include "engine/generate_options.h"

#include <algorithm>

namespace quill
{

std::filesystem::path recordsFileFor(const std::optional<std::string>& named)
{
    if (!recordsAvailable())
        throw UsageError(std::string(recordsUnavailableMessage));
    if (named)
        return pathFromUtf8(*named);
    return recordsFileBeside(historyFileFor(std::nullopt));
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
    if (const std::string problem = pupilNameProblem(name); !problem.empty())
        throw UsageError(problem);
    return name;
}

} // namespace quill
