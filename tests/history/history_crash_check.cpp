// Kills a process that saves and deletes history lines in a loop at random moments, then
// checks what it left: only complete lines, every line whose save was announced still there
// unless its delete had begun, no line whose delete was announced. With --closed-folder, does
// the same in a folder where no new file can be made, where deletes must be refused and saves
// append in place: no line may go, and a save cut short may leave only a torn last line. With
// --parallel, runs savers and deleters side by side in a folder that cannot be listed (mode
// 0333) and checks that every announced save is there unless an announced delete took it.
// Not part of the test suite (it takes a while); run it with tools/history-crash-check.sh.

#include "base/atomic_file.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "history/saved_sets.h"

#include <csignal>
#include <grp.h>
#include <sys/stat.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{

namespace fs = std::filesystem;
using namespace quill;

constexpr std::string_view filler = "＋";
constexpr std::size_t keptLines = 40;

// " id=17 len=3 ＋＋＋": a line that can tell whether it is complete.
std::string lineFor(long id, std::size_t length)
{
    std::string list = " id=" + std::to_string(id) + " len=" + std::to_string(length) + " ";
    for (std::size_t i = 0; i < length; ++i)
        list += filler;
    return historyLineText("2026/3/1", 3, list);
}

// The id of a complete line, or -1.
long idOf(const std::string& line)
{
    long id = -1;
    std::size_t length = 0;
    int used = 0;
    if (std::sscanf(line.c_str(), "2026/3/1|3| id=%ld len=%zu %n", &id, &length, &used) != 2)
        return -1;
    return line == lineFor(id, length) ? id : -1;
}

void tell(int fd, char event, long id)
{
    const std::string message = std::string(1, event) + " " + std::to_string(id) + "\n";
    if (::write(fd, message.data(), message.size()) != static_cast<ssize_t>(message.size()))
        ::_exit(3);
}

[[noreturn]] void work(const fs::path& file, long firstId, int events)
{
    std::mt19937 random(static_cast<unsigned>(firstId));
    for (long id = firstId;; ++id) {
        tell(events, 'A', id); // about to save
        tell(events, appendHistoryLine(file, lineFor(id, 1 + random() % 1500)) ? 'S' : 'F', id);

        SavedSets sets(file);
        sets.refresh();
        if (sets.lines().empty() || (sets.lines().size() < keptLines && random() % 2))
            continue;
        const std::size_t index = random() % sets.lines().size();
        const long doomed = idOf(sets.lines()[index]);
        tell(events, 'D', doomed); // about to delete
        if (sets.deleteSavedSet(index))
            tell(events, 'X', doomed);
    }
}

struct Ledger {
    std::set<long> attempted, announced, deleting, deleted;
    long failedSaves = 0, refusedDeletes = 0;
    int killedInSave = 0, killedInDelete = 0, killedElsewhere = 0;

    void read(const std::string& events)
    {
        char last = 0;
        std::size_t at = 0;
        while (at < events.size()) {
            const std::size_t end = events.find('\n', at);
            if (end == std::string::npos)
                break;
            const char event = events[at];
            const long id = std::atol(events.c_str() + at + 2);
            at = end + 1;
            last = event;
            if (event == 'A')
                attempted.insert(id);
            else if (event == 'S')
                announced.insert(id);
            else if (event == 'F')
                ++failedSaves;
            else if (event == 'D')
                deleting.insert(id);
            else if (event == 'X')
                deleted.insert(id);
            else if (event == 'R')
                ++refusedDeletes;
        }
        killedInSave += last == 'A';
        killedInDelete += last == 'D';
        killedElsewhere += last != 'A' && last != 'D';
    }
};

// What is wrong with the file now, one text per fault.
std::vector<std::string> faults(const fs::path& file, const Ledger& ledger)
{
    std::vector<std::string> found;
    const HistoryRead read = readHistoryFile(file);
    if (read.result.status == IoStatus::Failed)
        return {"unreadable: " + read.result.describe()};
    std::set<long> present;
    for (const StoredLine& line : read.lines) {
        const long id = idOf(line.text);
        if (id < 0)
            found.push_back("incomplete line of " + std::to_string(line.text.size()) + " bytes");
        else if (!present.insert(id).second)
            found.push_back("line " + std::to_string(id) + " twice");
        else if (!ledger.attempted.count(id))
            found.push_back("line " + std::to_string(id) + " never saved");
        else if (ledger.deleted.count(id))
            found.push_back("line " + std::to_string(id) + " back after its delete");
    }
    for (const long id : ledger.announced)
        if (!present.count(id) && !ledger.deleting.count(id))
            found.push_back("announced line " + std::to_string(id) + " lost");
    return found;
}

std::string drain(int fd)
{
    std::string events;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        events.append(buffer, static_cast<std::size_t>(got));
    return events;
}

constexpr uid_t nobody = 65534;

// Saves now and then, deletes in between: in a closed folder every delete must be refused.
[[noreturn]] void deleteInClosedFolder(const fs::path& file, long firstId, int events)
{
    std::mt19937 random(static_cast<unsigned>(firstId));
    for (long id = firstId;; ++id) {
        if (id % 3 == 0) {
            tell(events, 'A', id);
            tell(events, appendHistoryLine(file, lineFor(id, 1 + random() % 1500)) ? 'S' : 'F', id);
        }
        SavedSets sets(file);
        sets.refresh();
        if (sets.lines().empty())
            continue;
        const std::size_t index = random() % sets.lines().size();
        const long doomed = idOf(sets.lines()[index]);
        tell(events, 'D', doomed);
        tell(events, sets.deleteSavedSet(index) ? 'X' : 'R', doomed);
    }
}

// What is wrong with a history in a closed folder: a read that fails, a file that is no
// history, any line gone or cut, any delete carried out. A torn last line is no fault (the
// next read skips it, the next save writes over it) but is counted.
std::vector<std::string> closedFolderFaults(const fs::path& file, const Ledger& ledger, int& torn)
{
    const HistoryRead read = readHistoryFile(file);
    if (!read.result)
        return {"unreadable: " + read.result.describe()};
    std::vector<std::string> found;
    if (!read.isHistory())
        found.push_back("no history: line " + std::to_string(read.foreignLine));
    torn += read.tornBytes > 0;
    std::set<long> present;
    for (const StoredLine& line : read.lines) {
        const long id = idOf(line.text);
        if (id < 0)
            found.push_back("incomplete line of " + std::to_string(line.text.size()) + " bytes");
        else if (!present.insert(id).second || !ledger.attempted.count(id))
            found.push_back("line " + std::to_string(id) + " twice or never saved");
    }
    for (const long id : ledger.announced)
        if (!present.count(id))
            found.push_back("announced line " + std::to_string(id) + " lost");
    if (!ledger.deleted.empty())
        found.push_back(std::to_string(ledger.deleted.size()) + " deletes carried out");
    return found;
}

// Folder permissions do not bind the superuser, so its workers run as nobody.
void dropPrivileges()
{
    if (::geteuid() != 0)
        return;
    ::setgroups(0, nullptr);
    if (::setgid(nobody) != 0 || ::setuid(nobody) != 0)
        ::_exit(4);
}

[[noreturn]] void saveLines(const fs::path& file, long firstId, int saves, int events)
{
    dropPrivileges();
    std::mt19937 random(static_cast<unsigned>(firstId));
    for (long id = firstId; id < firstId + saves; ++id)
        tell(events, appendHistoryLine(file, lineFor(id, 1 + random() % 300)) ? 'S' : 'F', id);
    ::_exit(0);
}

[[noreturn]] void deleteLines(const fs::path& file, unsigned seed, int deletes, int events)
{
    dropPrivileges();
    std::mt19937 random(seed);
    for (int done = 0, tries = 0; done < deletes && tries < 100 * deletes; ++tries) {
        SavedSets sets(file);
        sets.refresh();
        if (sets.lines().empty()) {
            ::usleep(2000);
            continue;
        }
        const std::size_t index = random() % sets.lines().size();
        const long doomed = idOf(sets.lines()[index]);
        if (sets.deleteSavedSet(index)) {
            tell(events, 'X', doomed);
            ++done;
        }
    }
    ::_exit(0);
}

// Savers and deleters at once in a folder of mode 0333; returns the number of faults.
int checkParallel(int savers, int deleters, int savesEach, int deletesEach)
{
    std::string baseName = (fs::temp_directory_path() / "quill-parallel-XXXXXX").string();
    const fs::path base = ::mkdtemp(baseName.data());
    const fs::path folder = base / "shut";
    fs::create_directory(folder);
    ::chmod(base.c_str(), 0711);
    if (::geteuid() == 0 && ::chown(folder.c_str(), nobody, nobody) != 0)
        return 1;
    ::chmod(folder.c_str(), 0333);
    const fs::path file = folder / historyFileName;

    int events[2];
    if (::pipe(events) != 0)
        return 1;
    std::vector<pid_t> workers;
    for (int k = 0; k < savers + deleters; ++k) {
        const pid_t worker = ::fork();
        if (worker == 0) {
            ::close(events[0]);
            if (k < savers)
                saveLines(file, (k + 1) * 1000000L, savesEach, events[1]);
            deleteLines(file, static_cast<unsigned>(k), deletesEach, events[1]);
        }
        workers.push_back(worker);
    }
    ::close(events[1]);
    Ledger ledger;
    ledger.read(drain(events[0]));
    ::close(events[0]);
    for (const pid_t worker : workers)
        ::waitpid(worker, nullptr, 0);

    ::chmod(folder.c_str(), 0755);
    const HistoryRead read = readHistoryFile(file);
    std::set<long> present;
    int faults = 0;
    for (const StoredLine& line : read.lines)
        present.insert(idOf(line.text));
    for (const long id : ledger.announced)
        if (!present.count(id) && !ledger.deleted.count(id)) {
            std::printf("announced line %ld lost\n", id);
            ++faults;
        }
    for (const long id : ledger.deleted)
        if (present.count(id)) {
            std::printf("line %ld back after its delete\n", id);
            ++faults;
        }
    std::printf("folder mode 0333, %d savers and %d deleters%s\n", savers, deleters,
                ::geteuid() == 0 ? " (run as nobody)" : "");
    std::printf("saves announced %zu, failed %ld; deletes announced %zu\n",
                ledger.announced.size(), ledger.failedSaves, ledger.deleted.size());
    std::printf("lines present %zu, expected %zu (announced saves less announced deletes)\n",
                read.lines.size(), ledger.announced.size() - ledger.deleted.size());
    faults += read.lines.size() != ledger.announced.size() - ledger.deleted.size();
    std::printf("faults: %d\n", faults);
    fs::remove_all(base);
    return faults;
}

} // namespace

// Kills a worker `rounds` times in a folder where no new file can be made: one of mode 0555,
// or for the superuser, whose workers run as nobody, one that nobody may not write. Returns
// the number of rounds that left a fault.
int checkClosedFolder(int rounds, int maxDelayMs)
{
    std::string baseName = (fs::temp_directory_path() / "quill-closed-XXXXXX").string();
    const fs::path base = ::mkdtemp(baseName.data());
    const fs::path folder = base / "closed";
    fs::create_directory(folder);
    ::chmod(base.c_str(), 0711);
    const fs::path file = folder / historyFileName;
    Ledger ledger;
    for (long id = 1; id <= static_cast<long>(keptLines); ++id) {
        if (!appendHistoryLine(file, lineFor(id, id * 37)))
            return rounds;
        ledger.attempted.insert(id);
        ledger.announced.insert(id);
    }
    if (::geteuid() == 0 ? ::chown(file.c_str(), nobody, nobody) != 0
                         : ::chmod(folder.c_str(), 0555) != 0)
        return rounds;

    std::mt19937 random(std::random_device{}());
    int faultyRounds = 0, torn = 0;
    for (int round = 0; round < rounds; ++round) {
        int events[2];
        if (::pipe(events) != 0)
            return rounds;
        const pid_t worker = ::fork();
        if (worker == 0) {
            ::close(events[0]);
            dropPrivileges();
            deleteInClosedFolder(file, (round + 1) * 1000000L, events[1]);
        }
        ::close(events[1]);
        ::usleep(static_cast<useconds_t>(random() % (maxDelayMs * 1000 + 1)));
        ::kill(worker, SIGKILL);
        ::waitpid(worker, nullptr, 0);
        ledger.read(drain(events[0]));
        ::close(events[0]);
        const std::vector<std::string> found = closedFolderFaults(file, ledger, torn);
        faultyRounds += !found.empty();
        for (const std::string& fault : found)
            std::printf("closed folder, round %d: %s\n", round + 1, fault.c_str());
    }
    std::printf("closed folder%s: kills %d (in a save %d, in a delete %d, elsewhere %d)\n",
                ::geteuid() == 0 ? " (run as nobody)" : "", rounds, ledger.killedInSave,
                ledger.killedInDelete, ledger.killedElsewhere);
    std::printf("deletes refused %ld, carried out %zu; saves announced %zu, failed %ld\n",
                ledger.refusedDeletes, ledger.deleted.size(), ledger.announced.size() - keptLines,
                ledger.failedSaves);
    std::printf("rounds that left a torn last line %d; broken files %d of %d\n", torn, faultyRounds,
                rounds);
    ::chmod(folder.c_str(), 0755);
    fs::remove_all(base);
    return faultyRounds;
}

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--parallel")
        return checkParallel(8, 2, 25, 50) == 0 ? 0 : 1;
    if (argc > 1 && std::string(argv[1]) == "--closed-folder")
        return checkClosedFolder(argc > 2 ? std::atoi(argv[2]) : 200,
                                 argc > 3 ? std::atoi(argv[3]) : 60) == 0
                   ? 0
                   : 1;
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    const int maxDelayMs = argc > 2 ? std::atoi(argv[2]) : 60;
    std::string folderName = (fs::temp_directory_path() / "quill-crash-XXXXXX").string();
    const fs::path folder = ::mkdtemp(folderName.data());
    const fs::path file = folder / historyFileName;

    std::mt19937 random(std::random_device{}());
    Ledger ledger;
    int faultyRounds = 0;
    for (int round = 0; round < rounds; ++round) {
        int events[2];
        if (::pipe(events) != 0)
            return 2;
        const pid_t worker = ::fork();
        if (worker == 0) {
            ::close(events[0]);
            work(file, (round + 1) * 1000000L, events[1]);
        }
        ::close(events[1]);
        ::usleep(static_cast<useconds_t>(random() % (maxDelayMs * 1000 + 1)));
        ::kill(worker, SIGKILL);
        ::waitpid(worker, nullptr, 0);
        ledger.read(drain(events[0]));
        ::close(events[0]);

        const std::vector<std::string> found = faults(file, ledger);
        faultyRounds += !found.empty();
        for (const std::string& fault : found)
            std::printf("round %d: %s\n", round + 1, fault.c_str());
    }

    int temporaries = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        temporaries += isTemporaryOf(entry.path(), file);
    std::printf("kills: %d (in a save %d, in a delete %d, elsewhere %d)\n", rounds,
                ledger.killedInSave, ledger.killedInDelete, ledger.killedElsewhere);
    std::printf("saves announced %zu, failed %ld; deletes completed %zu\n", ledger.announced.size(),
                ledger.failedSaves, ledger.deleted.size());
    std::printf("lines in the file at the end %zu; temporary files left %d\n",
                readHistoryFile(file).lines.size(), temporaries);
    std::printf("rounds with a fault: %d of %d\n", faultyRounds, rounds);
    fs::remove_all(folder);
    return faultyRounds == 0 ? 0 : 1;
}
