#pragma once

// What a generator or builder works with: the settings it reads, the one random source, and
// a way to learn that the run should end. Nothing else of the program reaches it.

#include "base/random_source.h"
#include "settings/exercise_settings.h"

namespace quill
{

// Asked before every step of long work (a redraw, a typed cell); true once the run should
// end, and from then on. The host answers it: the window lets its pending events run first,
// so a click on the stop label ends a draw within a few milliseconds; tests stop on cue.
class StopSignal
{
public:
    virtual ~StopSignal() = default;
    virtual bool stopRequested() = 0;
};

// A signal that never asks for a stop: draws that must finish (probes, tests).
class NeverStop : public StopSignal
{
public:
    bool stopRequested() override { return false; }
};

// A signal that asks for a stop after so many questions: a probe's budget of redraws.
class CountdownStop : public StopSignal
{
public:
    explicit CountdownStop(long asks) : left_(asks) {}
    bool stopRequested() override { return left_-- <= 0; }
    bool ranOut() const { return left_ < 0; }

private:
    long left_;
};

// The numbers a set is drawn from, both ends included.
struct Range {
    int start = 1;
    int end = 100;
};

struct Draw {
    const ExerciseSettings& settings; // live: a change made during a run takes effect
    RandomSource& random;
    StopSignal& stop;
};

} // namespace quill
