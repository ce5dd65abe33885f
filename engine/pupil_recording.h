#pragma once

// A set answered for a named pupil: the set and each judged item go to the pupil's records.
// A database that does not work is told once; the answering goes on unrecorded.

#include "records/pupil_records.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace quill
{

class AnsweringSession;

// An item judged right or wrong, for a pupil's records.
struct JudgedItem {
    std::string savedText; // the item as a saved list holds it
    std::string given;
    bool right = false;
    int seconds = 0; // from the item's question to its judgement
};
using JudgedItemSink = std::function<void(const JudgedItem&)>;

// The records live beside the history file, whatever folder that is in.
std::filesystem::path recordsFileBeside(const std::filesystem::path& historyFile);

// Why `name` cannot be a pupil's name (empty, control characters, over 40 bytes); empty
// when it can.
std::string pupilNameProblem(std::string_view name);

class PupilRecording
{
public:
    using Teller = std::function<void(const std::string& message)>;

    PupilRecording(const std::filesystem::path& file, std::string_view pupil,
                   std::string_view options, const AnsweringSession& session, Teller tell);

    void record(const JudgedItem& judged);
    JudgedItemSink sink();
    void finish(const AnsweringSession& session);

private:
    void reportFailure();

    PupilRecords records_;
    Teller tell_;
    bool reported_ = false;
};

} // namespace quill
