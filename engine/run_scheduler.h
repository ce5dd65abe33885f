#pragma once

// Runs never nest. A run, a draw for on-screen answering and the reload of a saved set all
// process window events while they work, so a click can ask for another one, or for the
// exit, in the middle of one. The scheduler stops the running job, remembers the request,
// and starts it once the running one has returned completely; an exit asked for during a
// job waits for it to return, so nothing is left half written.

#include <functional>
#include <optional>

namespace quill
{

enum class Job { Generate, OnScreen, Load, Preview };

enum class CloseResponse {
    Ignore,   // stay: the user said no, is still being asked, or a job must return first
    LeaveNow, // nothing runs: the program ends now
    Accept,   // the program is already ending; let the window close
};

class RunScheduler
{
public:
    struct Actions {
        std::function<void(Job)> run;        // carries out a job and returns when it is over
        std::function<void()> stop;          // asks the running job to end at its next step
        std::function<void()> finished;      // every job has returned and none waits
        std::function<void()> leaveAfterJob; // an exit confirmed during a job, now it is over
    };

    explicit RunScheduler(Actions actions) : actions_(std::move(actions)) {}

    // Runs `job` now, or, while one is running, stops that one and runs `job` after it.
    // Of several requests made during one job only the last is run.
    void request(Job job);

    // The user's stop: the running job ends at its next step.
    void stop();

    // The window is asked to close: `confirm` asks the user, once at a time.
    CloseResponse closeRequested(const std::function<bool()>& confirm);

    bool running() const { return running_; }
    // The running job was asked to stop; a job that pauses before it draws asks again.
    bool stopWanted() const { return stopWanted_; }
    bool leaving() const { return leaving_; }

private:
    Actions actions_;
    bool running_ = false;
    bool stopWanted_ = false;
    bool exitWanted_ = false; // confirmed during a job: leave once it has returned
    bool askingExit_ = false;
    bool leaving_ = false;
    std::optional<Job> pending_;
};

} // namespace quill
