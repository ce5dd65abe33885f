#include "engine/key_filter.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

using testing::RecordingNotifier;

class KeyFilter : public ::testing::Test
{
protected:
    ExerciseSettings s;
    RecordingNotifier n;
};

TEST_F(KeyFilter, NumberBoxesTakeDigitsAndBackspaceOnly)
{
    for (NumberBox* box :
         {&s.itemCount, &s.columns, &s.fontSize, &s.rowHeight, &s.rangeStart, &s.rangeEnd}) {
        EXPECT_TRUE(acceptKey(s, *box, U'7', n));
        EXPECT_TRUE(acceptKey(s, *box, backspaceKey, n));
        EXPECT_FALSE(acceptKey(s, *box, U'a', n));
        EXPECT_FALSE(acceptKey(s, *box, U'.', n));
        EXPECT_FALSE(acceptKey(s, *box, U'五', n));
    }
    EXPECT_EQ(n.messages.size(), 18u);
    EXPECT_EQ(n.messages.front(), "请输入数字！");
}

TEST_F(KeyFilter, RangeBoxesResetTheClosenessExceptOnBackspace)
{
    s.closeness = 80;
    acceptKey(s, s.rangeStart, backspaceKey, n);
    EXPECT_EQ(s.closeness, 80);
    acceptKey(s, s.rangeStart, U'x', n);
    EXPECT_EQ(s.closeness, 50);
    s.closeness = 10;
    acceptKey(s, s.rangeEnd, U'3', n);
    EXPECT_EQ(s.closeness, 50);
    s.closeness = 10;
    acceptKey(s, s.itemCount, U'3', n);
    EXPECT_EQ(s.closeness, 10);
}

TEST_F(KeyFilter, TheEndRefusesKeysWhileTheStartIsGreater)
{
    s.rangeStart.text = "50";
    s.rangeEnd.text = "10";
    EXPECT_FALSE(acceptKey(s, s.rangeEnd, U'0', n));
    EXPECT_EQ(n.messages, std::vector<std::string>{"结束数字要大于起始数字！"});
    n.messages.clear();
    EXPECT_FALSE(acceptKey(s, s.rangeEnd, U'a', n));
    EXPECT_EQ(n.messages, (std::vector<std::string>{"请输入数字！", "结束数字要大于起始数字！"}));
    EXPECT_TRUE(acceptKey(s, s.rangeEnd, backspaceKey, n));
}

TEST_F(KeyFilter, AnEmptiedEndCanBeTypedAgain)
{
    s.rangeStart.text = "1";
    s.rangeEnd.text = "";
    EXPECT_TRUE(acceptKey(s, s.rangeEnd, U'2', n));
    EXPECT_TRUE(n.messages.empty());
}

} // namespace
} // namespace quill
