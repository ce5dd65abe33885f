#include "engine/run_scheduler.h"

namespace quill
{

void RunScheduler::request(Job job)
{
    pending_ = job;
    if (running_) {
        stop();
        return;
    }
    running_ = true;
    while (pending_ && !exitWanted_) {
        const Job next = *pending_;
        pending_.reset();
        stopWanted_ = false;
        actions_.run(next);
    }
    running_ = false;
    if (exitWanted_) {
        leaving_ = true;
        actions_.leaveAfterJob();
    } else {
        actions_.finished();
    }
}

void RunScheduler::stop()
{
    stopWanted_ = true;
    actions_.stop();
}

CloseResponse RunScheduler::closeRequested(const std::function<bool()>& confirm)
{
    if (leaving_)
        return CloseResponse::Accept;
    if (askingExit_ || exitWanted_)
        return CloseResponse::Ignore;
    askingExit_ = true;
    const bool confirmed = confirm();
    askingExit_ = false;
    if (!confirmed)
        return CloseResponse::Ignore;
    if (running_) {
        exitWanted_ = true;
        pending_.reset();
        stop();
        return CloseResponse::Ignore;
    }
    leaving_ = true;
    return CloseResponse::LeaveNow;
}

} // namespace quill
