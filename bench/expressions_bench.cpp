#include "problems/expressions/equations.h"
#include "problems/expressions/evaluator.h"
#include "problems/expressions/expression_reading.h"
#include "problems/expressions/step_expressions.h"
#include "support/test_application.h"

#include <benchmark/benchmark.h>

namespace
{

using quill::ExerciseKind;

// 10000 whole-number items of all four kinds plus decimal and percent items, answered with
// rounding to the default two places.
void computeAnswersOf10000(benchmark::State& state)
{
    quill::testing::TestApplication t(42);
    quill::testing::selectOnly(t.app.settings, ExerciseKind::Oral);
    t.app.settings.roundAnswers.checked = true;
    std::string list = quill::testing::randomItemList(7, 9000);
    for (int i = 0; i < 250; ++i)
        list += " 4.5÷0.25 10÷3 2.25－1.1 25%×4";
    for (auto _ : state) {
        quill::computeAnswers(t.app, list, 1, 100);
        benchmark::DoNotOptimize(t.app.answers.roundedAnswers.data());
    }
}
BENCHMARK(computeAnswersOf10000)->Unit(benchmark::kMillisecond);

// 24 items on the default settings, as a run hands them over.
template <typename Builder>
void build24(benchmark::State& state, ExerciseKind kind, Builder builder)
{
    quill::testing::TestApplication t(42);
    quill::testing::selectOnly(t.app.settings, kind);
    const std::string list = quill::testing::randomItemList(11, 24);
    for (auto _ : state) {
        t.app.run.equationList.clear();
        benchmark::DoNotOptimize(builder(t.app, list, 1, 100));
    }
}
BENCHMARK_CAPTURE(build24, step_expressions, ExerciseKind::Steps, quill::buildStepExpressions)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(build24, equations, ExerciseKind::Equations, quill::buildEquations)
    ->Unit(benchmark::kMicrosecond);

} // namespace
