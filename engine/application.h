#pragma once

// The application object: the settings, the run, the one random source, the last set drawn
// or loaded, and the notifier every message to the user goes through. Nothing of it is
// global, so each test builds a fresh one.

#include "base/random_source.h"
#include "problems/draw.h"
#include "problems/exercise_set.h"
#include "settings/exercise_settings.h"
#include "settings/notifier.h"
#include "settings/run_state.h"

#include <array>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace quill
{

struct LawShape;

struct Application {
    explicit Application(Notifier& notifier) : notifier(notifier) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    ExerciseSettings settings;
    RunState run;
    RandomSource random;
    ExerciseSet set;
    // Forms of law items these settings cannot give, found before the run; never drawn.
    std::vector<const LawShape*> lawShapesLeftOut;
    // Ticked operations (＋ － × ÷) these settings can never give, found before the run.
    std::array<bool, 4> operationsLeftOut{};
    // The items of a batch's earlier sets, which a run draws again only when nothing else is
    // left (engine/distinct_items.h).
    std::unordered_set<std::string> earlierItems;
    // A reloaded pupil's own sheet: the pupil's name (may be empty) and the sheet's code,
    // written on the sheet and its key again. Both empty otherwise.
    std::string pupilName;
    std::string sheetCode;
    NoticeRoute notifier;

    // The host's part of every stop test: the window handles its pending events (a click on
    // the stop label among them), the command line looks for Ctrl+C and its time limit.
    std::function<void()> eventPump;

    // What generators, builders and writers get.
    Draw draw() { return {settings, random, stop_}; }
    StopSignal& stop() { return stop_; }

private:
    class RunStop : public StopSignal
    {
    public:
        explicit RunStop(Application& app) : app_(app) {}
        bool stopRequested() override
        {
            if (app_.eventPump)
                app_.eventPump();
            return app_.run.stopRequested;
        }

    private:
        Application& app_;
    };

    RunStop stop_{*this};
};

} // namespace quill
