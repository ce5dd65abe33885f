#include "cli/pupil_sheets.h"

#include "base/utf8.h"
#include "cli/pupil_recording.h"
#include "engine/class_sheets.h"
#include "engine/generate_options.h"
#include "engine/pupil_roster.h"

namespace quill
{

namespace
{

int copyCount(const std::string& text)
{
    const bool digits = !text.empty() && text.size() <= 3 &&
                        text.find_first_not_of("0123456789") == std::string::npos;
    const int count = digits ? std::stoi(text) : 0;
    if (count < 1 || count > static_cast<int>(mostPupils))
        throw UsageError("选项 --copies 的取值范围是 1 到 " + std::to_string(mostPupils) +
                         "，而不是 " + text + "。");
    return count;
}

} // namespace

std::optional<std::vector<std::string>> takePupilSheets(std::vector<std::string>& args)
{
    const std::optional<std::string> copies = takeOption(args, "--copies");
    const std::optional<std::string> roster = takeOption(args, "--roster");
    if (copies && roster)
        throw UsageError("--copies 和 --roster 只能用一个：有名单时每个名字一份。");
    if (copies)
        return classPupils({}, static_cast<std::size_t>(copyCount(*copies)));
    if (!roster)
        return std::nullopt;
    Roster read = readRoster(pathFromUtf8(*roster));
    if (read.refusal)
        throw UsageError(*read.refusal);
    return classPupils(std::move(read.names), 0);
}

} // namespace quill
