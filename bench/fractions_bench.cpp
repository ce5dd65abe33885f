#include "problems/fractions/fraction_expression.h"
#include "problems/fractions/fraction_items.h"
#include "support/test_application.h"

#include <benchmark/benchmark.h>

namespace
{

using namespace quill;

// 10000 fraction items drawn in turn by the four arithmetic generators (range 1..100, 是真分数
// as at the start), each answered in lowest terms with the terms a sheet shows.
void tenThousandFractionItemsAnswered(benchmark::State& state, int grade)
{
    using Generator = FractionExpression (*)(Draw&, Range);
    const Generator generators[] = {makeFractionAdditionItem, makeFractionSubtractionItem,
                                    makeFractionMultiplicationItem, makeFractionDivisionItem};
    testing::TestApplication t(42);
    t.app.settings.grade.index = grade;
    Draw draw = t.app.draw();
    for (auto _ : state)
        for (int i = 0; i < 10000; ++i) {
            const FractionExpression expression = generators[i % 4](draw, {1, 100});
            benchmark::DoNotOptimize(shownTerms(expression));
            benchmark::DoNotOptimize(shownValue(*expressionValue(expression)));
        }
}

BENCHMARK_CAPTURE(tenThousandFractionItemsAnswered, combined_grades, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tenThousandFractionItemsAnswered, same_denominators, 5)
    ->Unit(benchmark::kMillisecond);

} // namespace
