#pragma once

#include "engine/application.h"
#include "support/recording_notifier.h"

#include <cstdint>
#include <memory>

namespace quill::testing
{

// A fresh application with a recording notifier and a fixed seed.
struct TestApplication {
    RecordingNotifier notifier;
    Application app{notifier};

    explicit TestApplication(std::uint64_t seed = 1) { app.random.seed(seed); }

    // Sets the stop flag once the event pump has been called `rounds` times.
    void stopAfter(int rounds)
    {
        auto calls = std::make_shared<int>(0);
        app.eventPump = [this, calls, rounds] {
            if (++*calls >= rounds)
                app.run.stopRequested = true;
        };
    }
};

} // namespace quill::testing
