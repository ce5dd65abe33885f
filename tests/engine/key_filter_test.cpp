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
    for (NumberBox* box : {&s.Text1, &s.Text2, &s.Text3, &s.Text4, &s.Text5, &s.Text6}) {
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
    s.MyValue1 = 80;
    acceptKey(s, s.Text5, backspaceKey, n);
    EXPECT_EQ(s.MyValue1, 80);
    acceptKey(s, s.Text5, U'x', n);
    EXPECT_EQ(s.MyValue1, 50);
    s.MyValue1 = 10;
    acceptKey(s, s.Text6, U'3', n);
    EXPECT_EQ(s.MyValue1, 50);
    s.MyValue1 = 10;
    acceptKey(s, s.Text1, U'3', n);
    EXPECT_EQ(s.MyValue1, 10);
}

TEST_F(KeyFilter, TheEndRefusesKeysWhileTheStartIsGreater)
{
    s.Text5.text = "50";
    s.Text6.text = "10";
    EXPECT_FALSE(acceptKey(s, s.Text6, U'0', n));
    EXPECT_EQ(n.messages, std::vector<std::string>{"结束数字要大于起始数字！"});
    n.messages.clear();
    EXPECT_FALSE(acceptKey(s, s.Text6, U'a', n));
    EXPECT_EQ(n.messages, (std::vector<std::string>{"请输入数字！", "结束数字要大于起始数字！"}));
    EXPECT_TRUE(acceptKey(s, s.Text6, backspaceKey, n));
}

TEST_F(KeyFilter, AnEmptiedEndCanBeTypedAgain)
{
    s.Text5.text = "1";
    s.Text6.text = "";
    EXPECT_TRUE(acceptKey(s, s.Text6, U'2', n));
    EXPECT_TRUE(n.messages.empty());
}

} // namespace
} // namespace quill
