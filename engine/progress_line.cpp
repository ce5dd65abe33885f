#include "engine/progress_line.h"

#include "base/number_text.h"

namespace quill
{

namespace
{

// One more dot every 20 ticks after the first 10, starting over past 100.
int dotsFor(long ticksSinceRestart)
{
    static constexpr long thresholds[] = {100, 80, 60, 40, 20, 10};
    for (int i = 0; i < 6; ++i)
        if (ticksSinceRestart > thresholds[i])
            return 6 - i;
    return 0;
}

} // namespace

std::string longRunAdvice(const std::string& seconds)
{
    return "已经运行了" + seconds + "秒，有可能题目不好找建议终止本次出题！";
}

ProgressTick progressTick(RunState& run)
{
    ProgressTick tick;
    const std::string seconds = shortestText(roundHalfEven(run.progressTicks / 100.0));
    if (const int dots = dotsFor(run.dotTicks)) {
        tick.label = "正在出题中，点■停止(" + seconds + "秒)" + std::string(dots, '.');
        if (dots == 6)
            run.dotTicks = 0;
    }
    if (run.progressTicks != 0 && run.progressTicks % 6000 == 0)
        tick.advice = longRunAdvice(seconds);
    ++run.progressTicks;
    ++run.dotTicks;
    return tick;
}

} // namespace quill
