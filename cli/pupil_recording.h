#pragma once

// `quillmere answer --pupil NAME`: the set and each judged item go to the pupil's records.
// A database that does not work is said once on stderr; the answering goes on unrecorded.

#include "cli/terminal_answering.h"
#include "records/pupil_records.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

class AnsweringSession;

// Beside the history file (the same folder rules), or the file --records names.
std::filesystem::path recordsFileFor(const std::optional<std::string>& named);

// "还没有练习记录（…/练习记录.sqlite）：用 quillmere answer --pupil NAME 答题时才记录。"
std::string noRecordsMessage(const std::filesystem::path& file);

// Takes "NAME VALUE" out of `args`, for options the generate options do not know; the last
// one given counts. Throws UsageError when the value is missing.
std::optional<std::string> takeOption(std::vector<std::string>& args, std::string_view name);

// A name a record can be kept under: not empty, no control characters, at most 40 bytes.
// Throws UsageError otherwise.
std::string checkedPupilName(const std::string& name);

// The options a set was drawn with, without its seed: a mistakes sheet draws fresh items of
// the same kind from them. Kept one a line.
std::string drawingOptionsText(const std::vector<std::string>& args);
std::vector<std::string> drawingOptionsOf(std::string_view text);

class PupilRecording
{
public:
    PupilRecording(const std::filesystem::path& file, std::string_view pupil,
                   std::string_view options, const AnsweringSession& session, std::ostream& err);

    JudgedItemSink sink();
    void finish(const AnsweringSession& session);

private:
    void reportFailure();

    PupilRecords records_;
    std::ostream& err_;
    bool reported_ = false;
};

} // namespace quill
