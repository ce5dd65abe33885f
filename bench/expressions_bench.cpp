#include "problems/expressions/equations.h"
#include "problems/expressions/expression_reading.h"
#include "problems/expressions/item_answer.h"
#include "problems/expressions/step_expressions.h"
#include "support/test_application.h"

#include <benchmark/benchmark.h>

namespace
{

using quill::ExerciseKind;
using quill::OperationItem;

// 10000 whole-number items of all four kinds plus decimal and percent items, answered with
// rounding to the default two places.
void answersOf10000(benchmark::State& state)
{
    std::vector<OperationItem> items = quill::testing::randomItems(7, 9000);
    for (int i = 0; i < 250; ++i)
        for (const OperationItem& item : quill::testing::readItems("4.5÷0.25 10÷3 2.25－1.1 25%×4"))
            items.push_back(item);
    for (auto _ : state)
        for (const OperationItem& item : items)
            benchmark::DoNotOptimize(quill::answerOf(item, 2));
}
BENCHMARK(answersOf10000)->Unit(benchmark::kMillisecond);

// 24 items on the default settings, as a run hands them over.
template <typename Builder>
void build24(benchmark::State& state, ExerciseKind kind, Builder builder)
{
    quill::testing::TestApplication t(42);
    quill::testing::selectOnly(t.app.settings, kind);
    const std::vector<OperationItem> items = quill::testing::randomItems(11, 24);
    quill::Draw draw = t.app.draw();
    for (auto _ : state)
        benchmark::DoNotOptimize(builder(draw, {1, 100}, items));
}
BENCHMARK_CAPTURE(build24, step_expressions, ExerciseKind::Steps, quill::buildStepExpressions)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(build24, equations, ExerciseKind::Equations, quill::buildEquations)
    ->Unit(benchmark::kMicrosecond);

} // namespace
