#include "window/number_entry.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace quill
{
namespace
{

class NumberEntryTest : public ::testing::Test
{
protected:
    QLineEdit box{QStringLiteral("24")};
    std::vector<char32_t> offered;
    int dropped = 0;
    bool refuseDigits = false;

    void SetUp() override
    {
        new NumberEntry(
            &box,
            [this](char32_t key) {
                offered.push_back(key);
                return key == 8 || (key >= U'0' && key <= U'9' && !refuseDigits);
            },
            [this] { ++dropped; });
        box.setCursorPosition(2);
    }
};

TEST_F(NumberEntryTest, TypedKeysReachTheBoxOnlyWhenTheDecisionLetsThem)
{
    QTest::keyClicks(&box, QStringLiteral("5a"));
    EXPECT_EQ(box.text(), QStringLiteral("245"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("24"));
    EXPECT_EQ(offered, (std::vector<char32_t>{U'5', U'a', 8}));

    refuseDigits = true;
    QTest::keyClick(&box, Qt::Key_7);
    EXPECT_EQ(box.text(), QStringLiteral("24"));
    EXPECT_EQ(dropped, 0);
}

TEST_F(NumberEntryTest, EditingKeysKeepTheirMeaningWithoutBeingOffered)
{
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), QStringLiteral("2"));
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_TRUE(offered.empty());
}

TEST_F(NumberEntryTest, PastedTextKeepsItsDigitsOnly)
{
    QApplication::clipboard()->setText(QStringLiteral("1a2 3"));
    if (QApplication::clipboard()->text() != QStringLiteral("1a2 3"))
        GTEST_SKIP() << "no clipboard on this platform";
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), QStringLiteral("123"));
    EXPECT_EQ(dropped, 1);
}

TEST(DigitsValidator, StripsEverythingButAsciiDigitsAndKeepsTheCursorInPlace)
{
    int dropped = 0;
    DigitsValidator validator([&] { ++dropped; }, nullptr);
    QString text = QStringLiteral("4０x5"); // a full-width digit is no digit here
    int position = 3;                       // after the x
    EXPECT_EQ(validator.validate(text, position), QValidator::Acceptable);
    EXPECT_EQ(text, QStringLiteral("45"));
    EXPECT_EQ(position, 1);
    EXPECT_EQ(dropped, 1);

    text = QStringLiteral("2024");
    position = 4;
    validator.validate(text, position);
    EXPECT_EQ(text, QStringLiteral("2024"));
    EXPECT_EQ(dropped, 1);
}

} // namespace
} // namespace quill
