#include "cli/command_line_environment.h"

#include "base/printable_text.h"
#include "base/program_location.h"
#include "base/utf8.h"
#include "cli/command_line.h"
#include "engine/application.h"
#include "engine/generation_run.h"
#include "engine/progress_line.h"
#include "history/history_file.h"

#include <ostream>

namespace quill
{

void StreamNotifier::show(const std::string& text, const std::string&, TrayIcon)
{
    stream_ << printableLines(text) << '\n' << std::flush;
}

CommandLineEnvironment::CommandLineEnvironment(Application& app, const CommandLineOutput& output,
                                               std::ostream& out, std::ostream& err)
    : app_(app), err_(err), history_(output.historyFile), stamp_(output.documentStamp),
      timeLimit_(output.timeLimit)
{
    app.eventPump = [this] { pumpEvents(); };
    if (output.documents)
        documents_.emplace(output.folder, app.notifier, [&out](const std::filesystem::path& saved) {
            out << printableText(utf8Text(saved)) << '\n';
        });
}

CommandLineEnvironment::~CommandLineEnvironment()
{
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

std::string CommandLineEnvironment::documentStamp() const
{
    return stamp_ ? *stamp_ : RunEnvironment::documentStamp();
}

bool CommandLineEnvironment::interrupted() const
{
    return interrupts_.caught();
}

void CommandLineEnvironment::pumpEvents()
{
    // Ctrl+C becomes the stop flag of the running draw.
    if (interrupts_.caught())
        app_.run.stopRequested = true;
    // The pump runs before every draw; looking at the clock that often would cost more
    // than the draw itself.
    if (!drawing_ || ++calls_ % 256 != 0)
        return;
    const auto elapsed = std::chrono::steady_clock::now() - started_;
    // Past the limit the draw ends as a stop would end it; stoppedRunStatus says why.
    if (timeLimit_.count() > 0 && elapsed >= timeLimit_ && !timedOut_) {
        timedOut_ = true;
        app_.run.stopRequested = true;
        return;
    }
    // A long draw without a limit gets the same minute-by-minute advice as in the window,
    // worded for the terminal.
    const long ticks = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 10;
    while (app_.run.progressTicks < ticks)
        if (progressTick(app_.run).advice)
            err_ << "已经出了" << ticks / 100
                 << "秒题还没出完，有可能题目不好找，可按 Ctrl+C 终止。\n"
                 << std::flush;
}

std::optional<int> unfinishedStatus(RunOutcome outcome, const CommandLineEnvironment& env,
                                    std::ostream& err)
{
    switch (outcome) {
    case RunOutcome::Refused:
        return exitUsage;
    case RunOutcome::Stopped:
        return stoppedRunStatus(env, err);
    case RunOutcome::Failed:
        return exitFailed;
    case RunOutcome::Completed:
        break;
    }
    return std::nullopt;
}

int stoppedRunStatus(const CommandLineEnvironment& env, std::ostream& err)
{
    if (env.interrupted()) {
        err << "出题已被 Ctrl+C 终止，什么都没写。\n";
        return exitInterrupted;
    }
    if (!env.timedOut())
        return exitFailed;
    err << "出题超过了 --time-limit 的 " << env.timeLimitSeconds()
        << " 秒还没出完，已停止，什么都没写。请放宽设置，或加大 --time-limit（0 为不限）。\n";
    return exitTimedOut;
}

std::filesystem::path historyFileFor(const std::optional<std::string>& named)
{
    return named ? pathFromUtf8(*named) : historyFileLocation(programDirectory());
}

} // namespace quill
