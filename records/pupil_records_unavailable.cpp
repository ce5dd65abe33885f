#include "records/pupil_records.h"

namespace quill
{

bool recordsAvailable()
{
    return false;
}

PupilRecords::PupilRecords(const std::filesystem::path& file)
    : result_(ioFailure(file, std::string(recordsUnavailableMessage)))
{
}

PupilRecords::~PupilRecords() = default;

bool PupilRecords::beginSet(std::string_view, std::string_view, int)
{
    return false;
}

bool PupilRecords::recordAnswer(const AnswerRecord&)
{
    return false;
}

bool PupilRecords::finishSet(int, int)
{
    return false;
}

std::vector<std::string> PupilRecords::pupils()
{
    return {};
}

std::vector<SetRecord> PupilRecords::sets(std::string_view)
{
    return {};
}

std::vector<MistakeRecord> PupilRecords::mistakes(std::string_view, std::string_view)
{
    return {};
}

std::string recordsUnusableMessage(const IoResult& result)
{
    return result.describe();
}

} // namespace quill
