#include "engine/answering_session.h"
#include "problems/expressions/expression_reading.h"

#include <benchmark/benchmark.h>

namespace
{

// Judging one typed answer, as the answering window does on 提交: reading the boxes,
// comparing through the 15-digit texts, updating the count.
void judgeOneAnswer(benchmark::State& state)
{
    quill::AnsweringSession session(quill::testing::readItems("36÷5 0.1＋0.2 1.07×2.5 48%－4"),
                                    {.gradeIndex = 5, .divisionTicked = true, .keptPlaces = 2});
    for (auto _ : state)
        benchmark::DoNotOptimize(session.submit("7", "1"));
}
BENCHMARK(judgeOneAnswer)->Unit(benchmark::kMicrosecond);

// What opening the window costs the session: the answers of 24 items worked out.
void start24ItemSession(benchmark::State& state)
{
    std::string list;
    for (int i = 0; i < 6; ++i)
        list += " 36÷5 0.62×16.19 2÷49 95－37";
    const std::vector<quill::OperationItem> items =
        quill::answeringItems(quill::setOf(quill::testing::readItems(list)));
    for (auto _ : state) {
        quill::AnsweringSession session(items, {.gradeIndex = 0, .keptPlaces = 1});
        benchmark::DoNotOptimize(session.currentAnswer());
    }
}
BENCHMARK(start24ItemSession)->Unit(benchmark::kMicrosecond);

} // namespace
