#include "engine/progress_line.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

TEST(ProgressLine, GainsADotEveryTwentyTicksAndStartsOver)
{
    RunState run;
    std::vector<size_t> dots; // dot count of each new label, repeats folded
    for (int i = 0; i < 250; ++i) {
        const auto label = progressTick(run).label;
        if (!label)
            continue;
        const size_t count = label->size() - label->find_last_not_of('.') - 1;
        if (dots.empty() || dots.back() != count)
            dots.push_back(count);
    }
    EXPECT_EQ(dots, (std::vector<size_t>{1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 1, 2, 3}));
}

TEST(ProgressLine, ShowsSecondsFromTicks)
{
    RunState run;
    run.progressTicks = 1200;
    run.dotTicks = 15;
    const ProgressTick tick = progressTick(run);
    ASSERT_TRUE(tick.label);
    EXPECT_EQ(*tick.label, "正在出题中，点■停止(12秒).");
    EXPECT_EQ(run.progressTicks, 1201);
    EXPECT_EQ(run.dotTicks, 16);
}

TEST(ProgressLine, KeepsTheLabelDuringTheFirstTenTicks)
{
    RunState run;
    run.dotTicks = 10;
    EXPECT_FALSE(progressTick(run).label);
}

TEST(ProgressLine, AdvisesStoppingEverySixThousandTicks)
{
    RunState run;
    int advice = 0;
    std::string last;
    for (int i = 0; i <= 12000; ++i)
        if (auto a = progressTick(run).advice) {
            ++advice;
            last = *a;
        }
    EXPECT_EQ(advice, 2);
    EXPECT_EQ(last, "已经运行了120秒，有可能题目不好找建议终止本次出题！");
}

} // namespace
} // namespace quill
