#pragma once

// Each pupil's answered sets and items, kept in an SQLite database beside the history file
// (its own file: a damaged database never touches the history). Items are stored as the text
// a saved list holds, so that a mistakes sheet can read them back as typed items.
//
// A database that cannot be opened, read or written is reported once through result(); the
// caller goes on without recording.
//
// A build without SQLite (QUILLMERE_RECORDS off, as on Windows) links
// pupil_records_unavailable.cpp instead, whose database never opens.

#include "base/io_result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace quill
{

inline constexpr std::string_view recordsFileName = "练习记录.sqlite";
inline constexpr int recordsSchemaVersion = 1;

// False in a build without SQLite.
bool recordsAvailable();

inline constexpr std::string_view recordsUnavailableMessage =
    "这个版本的 Quillmere 不带练习记录：--pupil、quillmere records 和 quillmere review 都不能用。";

// One judged item of a set.
struct AnswerRecord {
    std::string item;  // as a saved list holds it: "37＋48", "3/8＋1/8"
    std::string given; // what the pupil typed
    bool right = false;
    int seconds = 0; // taken on this item
};

// One set a pupil answered.
struct SetRecord {
    long long id = 0;
    std::string pupil;
    std::string started; // "2026-12-10 16:22:01", local time
    std::string options; // what the set was drawn with, to draw fresh items of its kind
    int itemCount = 0;
    int rightCount = 0;
    int seconds = 0;
    bool finished = false;
};

// An item whose latest answer was wrong.
struct MistakeRecord {
    std::string item;
    std::string options; // of the set it was last answered wrong in
    std::string answeredAt;
};

class PupilRecords
{
public:
    // Opens or creates the database (mode 600, with its folder); see result().
    explicit PupilRecords(const std::filesystem::path& file);
    ~PupilRecords();
    PupilRecords(const PupilRecords&) = delete;
    PupilRecords& operator=(const PupilRecords&) = delete;

    // Done while the database works; the first failure, for the message, once it does not.
    const IoResult& result() const { return result_; }

    // Starts a set; its answers follow through recordAnswer.
    bool beginSet(std::string_view pupil, std::string_view options, int itemCount);
    bool recordAnswer(const AnswerRecord& answer);
    bool finishSet(int rightCount, int seconds);

    std::vector<std::string> pupils();
    // Newest last; all pupils' when `pupil` is empty.
    std::vector<SetRecord> sets(std::string_view pupil);
    // The items answered wrong on or after `since` ("2026-12-01", empty for always) and not
    // answered right since, in the order they were last answered wrong.
    std::vector<MistakeRecord> mistakes(std::string_view pupil, std::string_view since);

private:
    bool fail();
    bool execute(const char* sql);
    bool setUp();
    std::optional<long long> schemaVersion();
    bool prepareSchema();

    sqlite3* db_ = nullptr;
    IoResult result_;
    long long setId_ = 0;
};

// "练习记录出错，这次不记录（答题照常进行）：“…/练习记录.sqlite”：…"
std::string recordsUnusableMessage(const IoResult& result);

} // namespace quill
