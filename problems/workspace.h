#pragma once

// What generators, builders, the evaluator and the writers work on: the live settings, the
// run's shared state, the random source, and the state kept from one call to the next (the
// held operands, the answer tables). The application object owns it; nothing of it is
// global, so each test builds a fresh one.

#include "base/random_source.h"
#include "problems/expressions/answer_store.h"
#include "problems/fractions/fraction_items.h"
#include "problems/whole/operand_registers.h"
#include "settings/exercise_settings.h"
#include "settings/run_state.h"

#include <functional>
#include <vector>

namespace quill
{

struct LawShape;

struct Workspace {
    ExerciseSettings settings;
    RunState run;
    RandomSource random;
    OperandRegisters operands;
    FractionOperands fractionOperands;
    AnswerStore answers;
    // Forms of law items these settings cannot give, found before the run; never drawn.
    std::vector<const LawShape*> lawShapesLeftOut;

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
