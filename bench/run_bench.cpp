#include "engine/generation_run.h"
#include "engine/settings_interlocks.h"
#include "support/recording_environment.h"
#include "support/test_application.h"

#include <benchmark/benchmark.h>

namespace
{

using quill::ExerciseSettings;

// One whole run per iteration: settings as given, a fresh seed each time, no documents.
template <typename Configure> void drawSets(benchmark::State& state, Configure configure)
{
    quill::testing::TestApplication t(7);
    configure(t.app.settings, t.notifier);
    quill::testing::RecordingEnvironment env;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        t.app.random.seed(seed++);
        if (quill::generateExercises(t.app, env) != quill::RunOutcome::Completed)
            state.SkipWithError("the run did not complete");
        benchmark::DoNotOptimize(t.app.set.data());
    }
}

void defaultSet(benchmark::State& state)
{
    drawSets(state, [](ExerciseSettings&, quill::Notifier&) {});
}

void oralTenThousand(benchmark::State& state)
{
    drawSets(state, [](ExerciseSettings& s, quill::Notifier& n) {
        quill::clickKindOption(s, quill::ExerciseKind::Oral, n);
        s.rangeEnd.text = "10000";
        s.itemCount.text = "10000";
    });
}

void verticalMiddleZero(benchmark::State& state)
{
    drawSets(state, [](ExerciseSettings& s, quill::Notifier& n) {
        quill::clickCheck(s, s.zeroInMiddle, n);
        s.rangeEnd.text = "1000";
    });
}

BENCHMARK(defaultSet)->Unit(benchmark::kMicrosecond);
BENCHMARK(oralTenThousand)->Unit(benchmark::kMillisecond);
BENCHMARK(verticalMiddleZero)->Unit(benchmark::kMicrosecond);

} // namespace
