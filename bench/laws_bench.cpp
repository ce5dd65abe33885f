#include "engine/generation_run.h"
#include "engine/run_environment.h"
#include "engine/settings_interlocks.h"
#include "problems/laws/law_items.h"
#include "support/test_application.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace
{

using namespace quill;
using Clock = std::chrono::steady_clock;
using Generator = LawItem (*)(Draw&, Range);

template <const LawShapes& law> LawItem shapedItem(Draw& draw, Range range)
{
    return makeShapedLawItem(draw, range, law);
}

// One item of a law per iteration, range 1..100, in easy mode or not.
void lawItem(benchmark::State& state, Generator generator, bool easy)
{
    testing::TestApplication t(42);
    t.app.settings.easyMode.checked = easy;
    Draw draw = t.app.draw();
    for (auto _ : state)
        benchmark::DoNotOptimize(generator(draw, {1, 100}));
}

#define LAW_ITEM(name, generator)                                                                  \
    BENCHMARK_CAPTURE(lawItem, name##_easy, generator, true)->Unit(benchmark::kMicrosecond);       \
    BENCHMARK_CAPTURE(lawItem, name, generator, false)->Unit(benchmark::kMicrosecond)

LAW_ITEM(additionCommutative, shapedItem<additionCommutative>);
LAW_ITEM(subtractionBrackets, shapedItem<subtractionBrackets>);
LAW_ITEM(addSubtractMixed, shapedItem<addSubtractMixed>);
LAW_ITEM(multiplicationCommutative, shapedItem<multiplicationCommutative>);
LAW_ITEM(distributive, shapedItem<distributive>);
LAW_ITEM(divisionReorder, shapedItem<divisionReorder>);
LAW_ITEM(multiplyDivideMixed, shapedItem<multiplyDivideMixed>);
LAW_ITEM(noShortcut, makeNoShortcutItem);

// A law run that can never finish, stopped 20 ms in: the time from the stop request to the
// end of the run. Every law is ticked in easy mode within 1..3, where no law's form can be
// drawn (they are left out before the run) and 无简便运算 gives a few hundred distinct items,
// far fewer than the 10000 asked for.
void impossibleLawRunStopped(benchmark::State& state)
{
    testing::TestApplication t(7);
    ExerciseSettings& s = t.app.settings;
    clickKindOption(s, ExerciseKind::Laws, t.notifier);
    for (MenuItem* law : s.lawItems())
        if (!law->checked)
            clickMenuItem(s, *law);
    s.easyMode.checked = true;
    s.rangeEnd.text = "3";
    s.itemCount.text = "10000";
    RunEnvironment env;
    for (auto _ : state) {
        Clock::time_point started = Clock::now(), stopped{};
        t.app.eventPump = [&] {
            if (stopped == Clock::time_point{} &&
                Clock::now() - started > std::chrono::milliseconds(20)) {
                t.app.run.stopRequested = true;
                stopped = Clock::now();
            }
        };
        if (generateExercises(t.app, env) != RunOutcome::Stopped)
            state.SkipWithError("the run was not stopped");
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - stopped).count());
    }
}

// Each iteration lasts its 20 ms of drawing: a fixed count keeps the benchmark short.
BENCHMARK(impossibleLawRunStopped)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(10)
    ->Repetitions(5);

} // namespace
