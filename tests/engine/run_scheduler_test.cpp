#include "engine/run_scheduler.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace quill;

namespace
{

// Records what the scheduler asks for; a job may itself click while it runs, as a window
// event handled inside a long run would.
struct SchedulerTest : ::testing::Test {
    std::vector<std::string> log;
    std::function<void(Job)> duringJob = [](Job) {};
    RunScheduler scheduler{{
        .run =
            [this](Job job) {
                log.push_back("run " + std::to_string(static_cast<int>(job)));
                duringJob(job);
                log.push_back("returned");
            },
        .stop = [this] { log.push_back("stop"); },
        .finished = [this] { log.push_back("finished"); },
        .leaveAfterJob = [this] { log.push_back("leave"); },
    }};

    CloseResponse close(bool answer)
    {
        return scheduler.closeRequested([&] {
            log.push_back("asked");
            return answer;
        });
    }
};

} // namespace

TEST_F(SchedulerTest, AJobRunsAtOnceWhenNothingRuns)
{
    scheduler.request(Job::Generate);
    EXPECT_EQ(log, (std::vector<std::string>{"run 0", "returned", "finished"}));
    EXPECT_FALSE(scheduler.running());
}

TEST_F(SchedulerTest, ARequestDuringAJobStopsItAndOnlyTheLastRequestRunsAfter)
{
    duringJob = [this](Job job) {
        if (job != Job::Generate)
            return;
        EXPECT_TRUE(scheduler.running());
        scheduler.request(Job::OnScreen);
        scheduler.request(Job::Load);
        EXPECT_TRUE(scheduler.stopWanted());
    };
    scheduler.request(Job::Generate);
    EXPECT_EQ(log, (std::vector<std::string>{"run 0", "stop", "stop", "returned", "run 2",
                                             "returned", "finished"}));
    EXPECT_FALSE(scheduler.stopWanted()) << "each job starts without a stop";
}

TEST_F(SchedulerTest, AnExitConfirmedDuringAJobWaitsForItAndDropsWaitingJobs)
{
    duringJob = [this](Job) {
        scheduler.request(Job::Load);
        EXPECT_EQ(close(true), CloseResponse::Ignore) << "the job must return first";
        EXPECT_EQ(close(true), CloseResponse::Ignore) << "asked once only";
    };
    scheduler.request(Job::Generate);
    EXPECT_EQ(log,
              (std::vector<std::string>{"run 0", "stop", "asked", "stop", "returned", "leave"}));
    EXPECT_TRUE(scheduler.leaving());
    EXPECT_EQ(close(true), CloseResponse::Accept) << "the window may now close";
}

TEST_F(SchedulerTest, ClosingAsksOnceAtATimeAndLeavesOnlyOnYes)
{
    EXPECT_EQ(close(false), CloseResponse::Ignore);
    EXPECT_FALSE(scheduler.leaving());
    EXPECT_EQ(scheduler.closeRequested([&] {
        EXPECT_EQ(close(true), CloseResponse::Ignore) << "a second close while asking";
        return true;
    }),
              CloseResponse::LeaveNow);
    EXPECT_EQ(log, (std::vector<std::string>{"asked"}));
    EXPECT_EQ(close(true), CloseResponse::Accept);
}
