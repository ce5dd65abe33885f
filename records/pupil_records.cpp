#include "records/pupil_records.h"

#include <cerrno>
#include <fcntl.h>
#include <sqlite3.h>
#include <system_error>
#include <unistd.h>

namespace quill
{

namespace
{

// Another program answering at the same moment holds the write lock for milliseconds; a
// database locked for longer than this is reported rather than waited for.
constexpr int busyTimeoutMilliseconds = 3000;
constexpr int setUpRetryMilliseconds = 10;

constexpr const char* schemaSql = R"(
CREATE TABLE sets(
    id INTEGER PRIMARY KEY,
    pupil TEXT NOT NULL,
    started TEXT NOT NULL,
    options TEXT NOT NULL,
    item_count INTEGER NOT NULL,
    right_count INTEGER NOT NULL DEFAULT 0,
    seconds INTEGER NOT NULL DEFAULT 0,
    finished INTEGER NOT NULL DEFAULT 0);
CREATE TABLE answers(
    id INTEGER PRIMARY KEY,
    set_id INTEGER NOT NULL REFERENCES sets(id),
    answered_at TEXT NOT NULL,
    item TEXT NOT NULL,
    given TEXT NOT NULL,
    is_right INTEGER NOT NULL,
    seconds INTEGER NOT NULL);
CREATE INDEX sets_by_pupil ON sets(pupil);
CREATE INDEX answers_by_item ON answers(item);
PRAGMA user_version = 1;
)";

// A prepared statement that finalizes itself.
class Statement
{
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ready() const { return stmt_ != nullptr; }
    Statement& bind(int index, std::string_view text)
    {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bind(int index, long long number)
    {
        sqlite3_bind_int64(stmt_, index, number);
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
    std::string text(int column) const
    {
        const auto* bytes = sqlite3_column_text(stmt_, column);
        return bytes ? std::string(reinterpret_cast<const char*>(bytes),
                                   static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                     : std::string();
    }
    long long number(int column) const { return sqlite3_column_int64(stmt_, column); }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// SQLite makes the file with the umask's mode and its -wal and -shm files with the file's;
// made here first, the records of a pupil are the user's alone.
IoResult createPrivately(const std::filesystem::path& file)
{
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0 && errno != ELOOP)
        return ioSystemFailure(file, errno);
    if (fd >= 0)
        ::close(fd);
    return ioDone(file);
}

std::string sqliteReason(sqlite3* db, int code)
{
    switch (code) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return "文件已损坏，不是练习记录数据库（" + std::string(sqlite3_errmsg(db)) + "）";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "数据库被另一个程序占用（" + std::string(sqlite3_errmsg(db)) + "）";
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return "无法写入（" + std::string(sqlite3_errmsg(db)) + "）";
    default:
        return std::string(sqlite3_errmsg(db));
    }
}

} // namespace

bool recordsAvailable()
{
    return true;
}

PupilRecords::PupilRecords(const std::filesystem::path& file) : result_(ioDone(file))
{
    result_ = createPrivately(file);
    if (!result_)
        return;
    const int opened =
        sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (opened != SQLITE_OK) {
        fail();
        return;
    }
    sqlite3_busy_timeout(db_, busyTimeoutMilliseconds);
    // Switching to WAL and making the schema can meet another program doing the same, which
    // SQLite reports at once instead of waiting: tried again for as long as the busy timeout.
    for (int waited = 0; !setUp(); waited += setUpRetryMilliseconds) {
        if (sqlite3_errcode(db_) != SQLITE_BUSY || waited >= busyTimeoutMilliseconds)
            return;
        result_ = ioDone(file);
        ::usleep(setUpRetryMilliseconds * 1000);
    }
}

// WAL lets a records view read while a pupil's answers are written.
bool PupilRecords::setUp()
{
    return execute("PRAGMA journal_mode=WAL") && execute("PRAGMA synchronous=NORMAL") &&
           prepareSchema();
}

PupilRecords::~PupilRecords()
{
    sqlite3_close_v2(db_);
}

bool PupilRecords::fail()
{
    if (result_) {
        const int code = db_ ? sqlite3_errcode(db_) : SQLITE_CANTOPEN;
        result_ = ioFailure(result_.path, db_ ? sqliteReason(db_, code) : "无法打开");
    }
    return false;
}

bool PupilRecords::execute(const char* sql)
{
    if (!result_)
        return false;
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK || fail();
}

std::optional<long long> PupilRecords::schemaVersion()
{
    Statement version(db_, "PRAGMA user_version");
    if (version.step() != SQLITE_ROW) {
        fail();
        return std::nullopt;
    }
    return version.number(0);
}

bool PupilRecords::prepareSchema()
{
    std::optional<long long> found = schemaVersion();
    if (found == 0) {
        // Two programs creating the schema at once: the immediate transaction lets one do it,
        // the other finds it made.
        if (!execute("BEGIN IMMEDIATE"))
            return false;
        found = schemaVersion();
        if (!found || (*found == 0 && !execute(schemaSql)) || !execute("COMMIT")) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
    }
    if (found > recordsSchemaVersion) {
        result_ = ioFailure(result_.path, "由更新版本的 Quillmere 写成（格式 " +
                                              std::to_string(*found) + "），这个版本不能改动它");
        return false;
    }
    return found.has_value();
}

bool PupilRecords::beginSet(std::string_view pupil, std::string_view options, int itemCount)
{
    if (!result_)
        return false;
    Statement insert(db_, "INSERT INTO sets(pupil, started, options, item_count) "
                          "VALUES(?, datetime('now', 'localtime'), ?, ?)");
    if (insert.bind(1, pupil).bind(2, options).bind(3, itemCount).step() != SQLITE_DONE)
        return fail();
    setId_ = sqlite3_last_insert_rowid(db_);
    return true;
}

bool PupilRecords::recordAnswer(const AnswerRecord& answer)
{
    if (!result_ || setId_ == 0)
        return false;
    Statement insert(db_, "INSERT INTO answers(set_id, answered_at, item, given, is_right, "
                          "seconds) VALUES(?, datetime('now', 'localtime'), ?, ?, ?, ?)");
    insert.bind(1, setId_).bind(2, answer.item).bind(3, answer.given);
    insert.bind(4, answer.right ? 1LL : 0LL).bind(5, static_cast<long long>(answer.seconds));
    return insert.step() == SQLITE_DONE || fail();
}

bool PupilRecords::finishSet(int rightCount, int seconds)
{
    if (!result_ || setId_ == 0)
        return false;
    Statement update(db_,
                     "UPDATE sets SET right_count = ?, seconds = ?, finished = 1 WHERE id = ?");
    update.bind(1, rightCount).bind(2, seconds).bind(3, setId_);
    return update.step() == SQLITE_DONE || fail();
}

std::vector<std::string> PupilRecords::pupils()
{
    std::vector<std::string> names;
    if (!result_)
        return names;
    Statement query(db_, "SELECT pupil FROM sets GROUP BY pupil ORDER BY MAX(id) DESC");
    int step;
    while ((step = query.step()) == SQLITE_ROW)
        names.push_back(query.text(0));
    if (step != SQLITE_DONE)
        fail();
    return names;
}

std::vector<SetRecord> PupilRecords::sets(std::string_view pupil)
{
    std::vector<SetRecord> found;
    if (!result_)
        return found;
    Statement query(db_, "SELECT id, pupil, started, options, item_count, right_count, seconds, "
                         "finished FROM sets WHERE ?1 = '' OR pupil = ?1 ORDER BY id");
    query.bind(1, pupil);
    int step;
    while ((step = query.step()) == SQLITE_ROW)
        found.push_back({query.number(0), query.text(1), query.text(2), query.text(3),
                         static_cast<int>(query.number(4)), static_cast<int>(query.number(5)),
                         static_cast<int>(query.number(6)), query.number(7) != 0});
    if (step != SQLITE_DONE)
        fail();
    return found;
}

std::vector<MistakeRecord> PupilRecords::mistakes(std::string_view pupil, std::string_view since)
{
    std::vector<MistakeRecord> found;
    if (!result_)
        return found;
    // Each item's latest answer of the pupil: a mistake when it was wrong and given since.
    Statement query(db_, R"(
        SELECT a.item, s.options, a.answered_at FROM answers a JOIN sets s ON s.id = a.set_id
        WHERE s.pupil = ?1 AND a.is_right = 0 AND a.answered_at >= ?2
          AND a.id = (SELECT MAX(b.id) FROM answers b JOIN sets t ON t.id = b.set_id
                      WHERE t.pupil = ?1 AND b.item = a.item)
        ORDER BY a.id)");
    query.bind(1, pupil).bind(2, since);
    int step;
    while ((step = query.step()) == SQLITE_ROW)
        found.push_back({query.text(0), query.text(1), query.text(2)});
    if (step != SQLITE_DONE)
        fail();
    return found;
}

std::string recordsUnusableMessage(const IoResult& result)
{
    return "练习记录出错，这次不记录（答题照常进行，历史记录不受影响）：" + result.describe();
}

} // namespace quill
