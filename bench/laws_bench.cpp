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
using Generator = std::string (*)(Workspace&, int, int);

// One item of a law per iteration, range 1..100, in easy mode or not.
void lawItem(benchmark::State& state, Generator generator, bool easy)
{
    testing::TestApplication t(42);
    t.app.settings.easyMode.checked = easy;
    for (auto _ : state)
        benchmark::DoNotOptimize(generator(t.app, 1, 100));
}

#define LAW_ITEM(name, generator)                                                                  \
    BENCHMARK_CAPTURE(lawItem, name##_easy, generator, true)->Unit(benchmark::kMicrosecond);       \
    BENCHMARK_CAPTURE(lawItem, name, generator, false)->Unit(benchmark::kMicrosecond)

LAW_ITEM(additionCommutative, makeLawItem<additionCommutative>);
LAW_ITEM(subtractionBrackets, makeLawItem<subtractionBrackets>);
LAW_ITEM(addSubtractMixed, makeLawItem<addSubtractMixed>);
LAW_ITEM(multiplicationCommutative, makeLawItem<multiplicationCommutative>);
LAW_ITEM(distributive, makeLawItem<distributive>);
LAW_ITEM(divisionReorder, makeLawItem<divisionReorder>);
LAW_ITEM(multiplyDivideMixed, makeLawItem<multiplyDivideMixed>);
LAW_ITEM(noShortcut, makeNoShortcutItem);

// A run of every law that settings can never satisfy (easy mode within 1..3), stopped 20 ms
// in: the time from the stop request to the end of the run.
void impossibleLawRunStopped(benchmark::State& state)
{
    testing::TestApplication t(7);
    ExerciseSettings& s = t.app.settings;
    clickKindOption(s, ExerciseKind::Laws, t.notifier);
    for (MenuItem* law : s.lawItems())
        if (!law->checked && law != &s.noShortcut)
            clickMenuItem(s, *law);
    s.rangeEnd.text = "3";
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
