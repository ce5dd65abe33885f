#pragma once

// The application object: the settings, the run variables and the state every generator,
// builder and writer shares. Nothing of it is global, so each test builds a fresh one.

#include "app/exercise_settings.h"
#include "app/notifier.h"
#include "app/run_state.h"
#include "problems/expressions/answer_store.h"
#include "problems/random_source.h"
#include "problems/whole/operand_registers.h"

#include <functional>

namespace quill
{

struct Application {
    explicit Application(Notifier& notifier) : notifier(notifier) {}

    ExerciseSettings settings;
    RunState run;
    RandomSource random;
    OperandRegisters operands;
    AnswerStore answers;
    Notifier& notifier;

    // Called wherever long work lets the window handle pending events (timers, the stop
    // label, further clicks). The window passes its event processing; tests pass hooks.
    std::function<void()> eventPump;

    void processEvents()
    {
        if (eventPump)
            eventPump();
    }
};

} // namespace quill
