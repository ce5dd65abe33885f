#pragma once

// The command line's stand-ins for the window: messages on stderr, no pauses (nothing else
// runs beside it), the progress advice every 60 seconds, Ctrl+C as the stop label, documents
// into a folder with their paths printed.

#include "base/interrupt_catcher.h"
#include "engine/document_output.h"
#include "engine/generation_run.h"
#include "engine/run_environment.h"
#include "settings/notifier.h"

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <optional>

namespace quill
{

struct Application;

class StreamNotifier : public Notifier
{
public:
    explicit StreamNotifier(std::ostream& stream) : stream_(stream) {}

protected:
    void show(const std::string& text, const std::string& title, TrayIcon icon) override;

private:
    std::ostream& stream_;
};

struct CommandLineOutput {
    bool documents = true;                            // false: the set is only drawn (and printed)
    std::filesystem::path folder;                     // where documents go
    std::optional<std::filesystem::path> historyFile; // none: nothing is saved
    std::chrono::seconds timeLimit{0};                // for drawing; 0: none
    std::optional<std::string> documentStamp{};       // none: the time of the run
};

class CommandLineEnvironment : public RunEnvironment
{
public:
    CommandLineEnvironment(Application& app, const CommandLineOutput& output, std::ostream& out,
                           std::ostream& err);
    ~CommandLineEnvironment() override;

    void progressStarted() override;
    void progressStopped() override { drawing_ = false; }
    std::unique_ptr<WordProcessor> newDocument(const DocumentName& name) override;
    void documentsFinished(bool complete) override;
    std::optional<std::filesystem::path> historyFile() const override { return history_; }
    std::string documentStamp() const override;

    // True once Ctrl+C was pressed during this environment's life.
    bool interrupted() const;
    // True when the time limit stopped the draw.
    bool timedOut() const { return timedOut_; }
    long long timeLimitSeconds() const { return timeLimit_.count(); }

private:
    void pumpEvents();

    Application& app_;
    std::ostream& err_;
    std::optional<DocumentOutput> documents_;
    std::optional<std::filesystem::path> history_;
    std::optional<std::string> stamp_;
    bool drawing_ = false;
    unsigned calls_ = 0;
    std::chrono::steady_clock::time_point started_;
    std::chrono::seconds timeLimit_;
    bool timedOut_ = false;
    InterruptCatcher interrupts_;
};

// The exit status of a run that ended stopped: Ctrl+C and the time limit are told as the
// window's stop label tells a stop; any other stop is a run that could not finish.
int stoppedRunStatus(const CommandLineEnvironment& env, std::ostream& err);

// The exit status of a run that did not complete, or nothing when it did.
std::optional<int> unfinishedStatus(RunOutcome outcome, const CommandLineEnvironment& env,
                                    std::ostream& err);

// The history file: the one named on the command line, else the usual place.
std::filesystem::path historyFileFor(const std::optional<std::string>& named);

} // namespace quill
