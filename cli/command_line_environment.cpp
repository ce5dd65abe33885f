#include "cli/command_line_environment.h"

#include "base/printable_text.h"
#include "base/program_location.h"
#include "cli/command_line.h"
#include "engine/application.h"
#include "engine/generation_run.h"
#include "engine/progress_line.h"
#include "history/history_file.h"

#include <csignal>
#include <ostream>

namespace quill
{

namespace
{

// Set by Ctrl+C; the event pump turns it into the stop flag of the running draw.
volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void onInterrupt(int)
{
    interruptRequested = 1;
}

} // namespace

void StreamNotifier::show(const std::string& text, const std::string&, TrayIcon)
{
    stream_ << printableLines(text) << '\n' << std::flush;
}

CommandLineEnvironment::CommandLineEnvironment(Application& app, const CommandLineOutput& output,
                                               std::ostream& out, std::ostream& err)
    : app_(app), err_(err), history_(output.historyFile), timeLimit_(output.timeLimit)
{
    app.eventPump = [this] { pumpEvents(); };
    if (output.documents)
        documents_.emplace(output.folder, app.notifier, [&out](const std::filesystem::path& saved) {
            out << printableText(saved.string()) << '\n';
        });
    interruptRequested = 0;
    previousHandler_ = std::signal(SIGINT, onInterrupt);
}

CommandLineEnvironment::~CommandLineEnvironment()
{
    std::signal(SIGINT, previousHandler_);
    app_.eventPump = nullptr;
}

void CommandLineEnvironment::progressStarted()
{
    drawing_ = true;
    started_ = std::chrono::steady_clock::now();
}

std::unique_ptr<WordProcessor> CommandLineEnvironment::newDocument(const DocumentName& name)
{
    return documents_ ? documents_->newDocument(name) : nullptr;
}

void CommandLineEnvironment::documentsFinished(bool complete)
{
    if (documents_)
        documents_->finishSet(complete);
}

bool CommandLineEnvironment::interrupted() const
{
    return interruptRequested != 0;
}

void CommandLineEnvironment::pumpEvents()
{
    if (interruptRequested)
        app_.run.stopRequested = true;
    // The pump runs before every draw; looking at the clock that often would cost more
    // than the draw itself.
    if (!drawing_ || ++calls_ % 256 != 0)
        return;
    const auto elapsed = std::chrono::steady_clock::now() - started_;
    // Past the limit the draw ends as the stop label would end it, with the advice the window
    // gives after a minute.
    if (timeLimit_.count() > 0 && elapsed >= timeLimit_ && !timedOut_) {
        timedOut_ = true;
        app_.run.stopRequested = true;
        err_ << longRunAdvice(std::to_string(timeLimit_.count())) << '\n' << std::flush;
        return;
    }
    const long ticks = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 10;
    while (app_.run.progressTicks < ticks)
        if (const ProgressTick tick = progressTick(app_.run); tick.advice)
            err_ << *tick.advice << '\n' << std::flush;
}

int stoppedRunStatus(const CommandLineEnvironment& env, std::ostream& err)
{
    if (!env.interrupted() && !env.timedOut())
        return exitFailed;
    err << stoppedMessage << '\n';
    return env.interrupted() ? exitInterrupted : exitTimedOut;
}

std::filesystem::path historyFileFor(const std::optional<std::string>& named)
{
    return named ? std::filesystem::path(*named) : historyFileLocation(programDirectory());
}

} // namespace quill
