#include "problems/units/unit_families.h"
#include "problems/whole/addition_subtraction.h"
#include "problems/whole/division.h"
#include "problems/whole/multiplication.h"
#include "support/test_application.h"

#include <benchmark/benchmark.h>

namespace
{

using quill::Draw;
using quill::Range;

// One item per iteration on the default settings; `middleZero` ticks 中间有零.
void generate(benchmark::State& state, quill::OperationItem (*generator)(Draw&, Range), int e,
              bool middleZero, int grade = 0)
{
    quill::testing::TestApplication t(42);
    t.app.settings.zeroInMiddle.checked = middleZero;
    t.app.settings.grade.index = grade;
    Draw draw = t.app.draw();
    for (auto _ : state)
        benchmark::DoNotOptimize(generator(draw, {1, e}));
}

BENCHMARK_CAPTURE(generate, addition, quill::makeAdditionItem, 100, false);
BENCHMARK_CAPTURE(generate, subtraction, quill::makeSubtractionItem, 100, false);
BENCHMARK_CAPTURE(generate, multiplication, quill::makeMultiplicationItem, 100, false);
BENCHMARK_CAPTURE(generate, division, quill::makeDivisionItem, 100, false);
BENCHMARK_CAPTURE(generate, exact_division, quill::makeExactDivisionItem, 100, false);

BENCHMARK_CAPTURE(generate, addition_middle_zero, quill::makeAdditionItem, 1000, true);
BENCHMARK_CAPTURE(generate, subtraction_middle_zero, quill::makeSubtractionItem, 1000, true);
BENCHMARK_CAPTURE(generate, multiplication_middle_zero, quill::makeMultiplicationItem, 1000, true);
// Written division in the combined grade wants a dividend below 100 above its divisor, so no
// pair has a zero in the middle there; grade 6 (三年级下学期) allows dividends up to the range end.
BENCHMARK_CAPTURE(generate, division_middle_zero_grade6, quill::makeDivisionItem, 1000, true, 6);
BENCHMARK_CAPTURE(generate, exact_division_middle_zero, quill::makeExactDivisionItem, 1000, true);

// 10000 conversion items of one family per iteration, on the settings 单位换算 starts with
// (整数 keeps conversions to smaller units only, range 1..100).
void tenThousandConversions(benchmark::State& state, quill::UnitItem (*generator)(Draw&, Range))
{
    quill::testing::TestApplication t(42);
    Draw draw = t.app.draw();
    for (auto _ : state)
        for (int i = 0; i < 10000; ++i)
            benchmark::DoNotOptimize(generator(draw, {1, 100}));
}

BENCHMARK_CAPTURE(tenThousandConversions, area, quill::makeUnitItem<quill::areaFamily>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tenThousandConversions, length, quill::makeUnitItem<quill::lengthFamily>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tenThousandConversions, volume, quill::makeUnitItem<quill::volumeFamily>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tenThousandConversions, money, quill::makeUnitItem<quill::moneyFamily>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tenThousandConversions, time, quill::makeUnitItem<quill::timeFamily>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tenThousandConversions, capacity, quill::makeUnitItem<quill::capacityFamily>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tenThousandConversions, mass, quill::makeUnitItem<quill::massFamily>)
    ->Unit(benchmark::kMillisecond);

} // namespace
