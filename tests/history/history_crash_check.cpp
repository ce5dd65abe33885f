// Kills a process that saves and deletes history lines in a loop at random moments, then
// checks what it left: only complete lines, every line whose save was announced still there
// unless its delete had begun, no line whose delete was announced. Not part of the test
// suite (it takes a while); run it with tools/history-crash-check.sh.

#include "history/history_file.h"
#include "history/history_line.h"
#include "history/saved_sets.h"

#include <csignal>
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
    long failedSaves = 0;
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

} // namespace

int main(int argc, char** argv)
{
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
        temporaries += entry.path().filename() != historyFileName;
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
