#include "engine/pupil_recording.h"

#include "base/printable_text.h"
#include "engine/answering_session.h"

namespace quill
{

namespace
{

constexpr std::size_t longestPupilName = 40;

} // namespace

std::filesystem::path recordsFileBeside(const std::filesystem::path& historyFile)
{
    return historyFile.parent_path() / recordsFileName;
}

std::string pupilNameProblem(std::string_view name)
{
    if (name.empty())
        return "学生姓名不能是空的。";
    const std::string text(name);
    if (printableText(text) != text || name.size() > longestPupilName)
        return "学生姓名“" + printableText(text) + "”不能用：最多 " +
               std::to_string(longestPupilName) + " 个字节，不能含控制字符。";
    return {};
}

PupilRecording::PupilRecording(const std::filesystem::path& file, std::string_view pupil,
                               std::string_view options, const AnsweringSession& session,
                               Teller tell)
    : records_(file), tell_(std::move(tell))
{
    if (!records_.beginSet(pupil, options, static_cast<int>(session.itemCount())))
        reportFailure();
}

void PupilRecording::record(const JudgedItem& judged)
{
    if (!records_.recordAnswer({judged.savedText, judged.given, judged.right, judged.seconds}))
        reportFailure();
}

JudgedItemSink PupilRecording::sink()
{
    return [this](const JudgedItem& judged) { record(judged); };
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
    if (tell_)
        tell_(recordsUnusableMessage(records_.result()));
}

} // namespace quill
