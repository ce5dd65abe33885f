#include "support/glossary_controls.h"
#include "support/qt_printers.h"
#include "window/answering_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace quill
{
namespace
{

// What a modal box said before the test closed it.
struct Told {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;
};

// Closes every modal box that opens from now on, keeping what the last one said.
std::shared_ptr<Told> closeMessages(QObject* owner)
{
    auto told = std::make_shared<Told>();
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, poll, [told] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told->title = box->windowTitle();
            told->text = box->text();
            told->icon = box->icon();
            ++told->count;
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll->start(5);
    return told;
}

class AnsweringWindowTest : public ::testing::Test
{
protected:
    std::unique_ptr<AnsweringWindow> window;

    void open(std::vector<std::string> items, AnsweringRules rules = {})
    {
        std::vector<OperationItem> read;
        for (const std::string& item : items)
            read.push_back(OperationItem::read(item));
        window = std::make_unique<AnsweringWindow>(AnsweringSession(read, rules));
        window->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Widget> Widget* part(std::string_view field)
    {
        return testing::findPart<Widget>(window.get(), field, answeringForm);
    }
    QLineEdit* answerBox() { return part<QLineEdit>("answerBox"); }
    QLineEdit* remainderBox() { return part<QLineEdit>("remainderBox"); }
    QString item() { return part<QLabel>("itemLabel")->text(); }
    QString status() { return part<QLabel>("statusLine")->text(); }
    bool pictureShown() { return part<QLabel>("rightAnswerPicture")->isVisible(); }

    void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClicks(box, text);
    }
};

TEST_F(AnsweringWindowTest, ARemainderItemTakesTwoBoxesAndARightAnswerShowsThePicture)
{
    open({"36÷5", "3＋4"}, {.gradeIndex = 5, .divisionTicked = true});
    EXPECT_EQ(item(), QStringLiteral("36÷5"));
    EXPECT_TRUE(remainderBox()->isVisible());
    EXPECT_TRUE(part<QLabel>("remainderDots")->isVisible());
    EXPECT_LT(answerBox()->width(), 150);
    EXPECT_TRUE(answerBox()->hasFocus());
    EXPECT_FALSE(pictureShown());

    type(answerBox(), QStringLiteral("7"));
    type(remainderBox(), QStringLiteral("1"));
    QTest::keyClick(remainderBox(), Qt::Key_Return);
    EXPECT_TRUE(pictureShown());
    EXPECT_EQ(status(), QStringLiteral("共 2 题，现在是第 1 题；正确 1 题；得分：50 分"));
    EXPECT_TRUE(part<QTimer>("advanceTimer")->isActive()) << "the next item is on its way";

    part<QPushButton>("nextButton")->click();
    EXPECT_EQ(item(), QStringLiteral("3＋4"));
    EXPECT_FALSE(remainderBox()->isVisible());
    EXPECT_FALSE(part<QLabel>("remainderDots")->isVisible());
    EXPECT_GT(answerBox()->width(), 200);
    EXPECT_FALSE(pictureShown());
    EXPECT_TRUE(answerBox()->text().isEmpty());
}

// A division that is not whole is right in either exact form, in the boxes it shows.
TEST_F(AnsweringWindowTest, EitherExactFormOfAQuotientIsRight)
{
    open({"6÷4"});
    EXPECT_FALSE(remainderBox()->isVisible());
    answerBox()->setText(QStringLiteral("1……2")); // keyClicks types ASCII only
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_TRUE(pictureShown()) << "quotient and remainder in the one box";

    open({"36÷5"}, {.gradeIndex = 5, .divisionTicked = true});
    type(answerBox(), QStringLiteral("7.2"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_TRUE(pictureShown()) << "the decimal quotient, the remainder box left blank";
}

TEST_F(AnsweringWindowTest, AWrongAnswerTellsTheRightOneAndTheNextItemComesByItself)
{
    open({"36÷5", "3＋4"}, {.gradeIndex = 5, .divisionTicked = true});
    const auto told = closeMessages(window.get());
    type(answerBox(), QStringLiteral("7"));
    type(remainderBox(), QStringLiteral("2"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    ASSERT_EQ(told->count, 1) << "the box is modal: submitting returns once it is closed";
    EXPECT_EQ(told->title, QStringLiteral("友情提示"));
    EXPECT_EQ(told->text, QStringLiteral("加油哦！正确答案是：7……1"));
    EXPECT_EQ(told->icon, QMessageBox::Information);
    EXPECT_FALSE(pictureShown());
    EXPECT_EQ(status(), QStringLiteral("共 2 题，现在是第 1 题；正确 0 题；得分：0 分"));

    QElapsedTimer sinceClosed;
    sinceClosed.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return item() == QStringLiteral("3＋4"); }, 3000));
    EXPECT_GE(sinceClosed.elapsed(), 1800) << "coarse timers may fire up to 5% early";
    EXPECT_EQ(status(), QStringLiteral("共 2 题，现在是第 2 题；正确 0 题；得分：0 分"));
    EXPECT_FALSE(remainderBox()->isVisible());
}

TEST_F(AnsweringWindowTest, ABlankAnswerIsNotJudged)
{
    open({"36÷5"}, {.gradeIndex = 5, .divisionTicked = true});
    const auto told = closeMessages(window.get());
    part<QPushButton>("submitButton")->click();
    EXPECT_TRUE(answerBox()->hasFocus());
    type(answerBox(), QStringLiteral("7"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_TRUE(remainderBox()->hasFocus()) << "the remainder is still missing";
    QTest::qWait(20);
    EXPECT_EQ(told->count, 0);
    EXPECT_FALSE(part<QTimer>("advanceTimer")->isActive());
    EXPECT_EQ(status(), QStringLiteral("共 1 题，现在是第 1 题；正确 0 题；得分：0 分"));
}

TEST_F(AnsweringWindowTest, NeitherEndOfTheSetCanBePassed)
{
    open({"1＋1", "2＋2"});
    const auto told = closeMessages(window.get());
    part<QPushButton>("previousButton")->click();
    ASSERT_EQ(told->count, 1);
    EXPECT_EQ(told->text, QStringLiteral("没有上一题咯~"));
    EXPECT_EQ(told->icon, QMessageBox::Question);
    part<QPushButton>("nextButton")->click();
    EXPECT_EQ(item(), QStringLiteral("2＋2"));
    part<QPushButton>("nextButton")->click();
    ASSERT_EQ(told->count, 2);
    EXPECT_EQ(told->text, QStringLiteral("已经是最后一题了，没有下一题咯~"));
    EXPECT_EQ(item(), QStringLiteral("2＋2"));
}

TEST_F(AnsweringWindowTest, TheHintAndTheClockShow)
{
    open({"36÷5"}, {.gradeIndex = 0, .keptPlaces = 2});
    EXPECT_EQ(part<QLabel>("placesHint")->text(), QStringLiteral("本题保留 2 位小数"));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("时间：")));
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("，用了0分0秒")));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->windowTitle().endsWith(QStringLiteral("，用了0分1秒")); }, 1500));
    type(answerBox(), QStringLiteral("7.2"));
    part<QPushButton>("submitButton")->click();
    EXPECT_TRUE(pictureShown());
}

// Going back after a wrong answer, the pupil may look but the mark stays.
TEST_F(AnsweringWindowTest, AnItemWhoseAnswerWasShownKeepsItsMark)
{
    open({"36＋39", "3＋4"});
    const auto told = closeMessages(window.get());
    type(answerBox(), QStringLiteral("74"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    ASSERT_EQ(told->text, QStringLiteral("加油哦！正确答案是：75"));
    part<QPushButton>("nextButton")->click();
    part<QPushButton>("previousButton")->click();
    EXPECT_EQ(item(), QStringLiteral("36＋39"));
    type(answerBox(), QStringLiteral("75"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_EQ(told->count, 2);
    EXPECT_EQ(told->text, QStringLiteral("这道题已经判过了，正确答案也看过了，不能再改哦~"));
    EXPECT_FALSE(pictureShown());
    EXPECT_EQ(status(), QStringLiteral("共 2 题，现在是第 1 题；正确 0 题；得分：0 分"));
}

TEST_F(AnsweringWindowTest, TheAnswerBoxTakesOnlyWhatAnAnswerHolds)
{
    open({"36÷5"}, {.gradeIndex = 5, .divisionTicked = true});
    type(answerBox(), QStringLiteral("a7b.2.5/%x"));
    EXPECT_EQ(answerBox()->text(), QStringLiteral("7.25/%")) << "letters and a second point";
    type(remainderBox(), QStringLiteral("1x.5."));
    EXPECT_EQ(remainderBox()->text(), QStringLiteral("1.5"));
}

// The last judgement, or 交卷 at any time, ends the set: the clock stops, the summary shows.
TEST_F(AnsweringWindowTest, TheLastAnswerOrFinishingShowsTheSummaryAndStopsTheClock)
{
    open({"3＋4", "6×7"});
    type(answerBox(), QStringLiteral("7"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    part<QPushButton>("nextButton")->click();
    auto* summary = part<QLabel>("summaryText");
    EXPECT_FALSE(summary->isVisible());
    type(answerBox(), QStringLiteral("42"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return summary->isVisible(); }, 3000));
    EXPECT_TRUE(
        summary->text().startsWith(QStringLiteral("共 2 题；正确 2 题；得分：100 分；用时：")))
        << summary->text().toStdString();
    EXPECT_FALSE(answerBox()->isVisible());
    EXPECT_FALSE(part<QTimer>("clockTimer")->isActive());
    const QString title = window->windowTitle();
    QTest::qWait(1100);
    EXPECT_EQ(window->windowTitle(), title) << "the clock stands still";

    open({"36÷5", "3＋4", "6×7"}, {.gradeIndex = 5, .divisionTicked = true});
    const auto told = closeMessages(window.get());
    type(answerBox(), QStringLiteral("7"));
    type(remainderBox(), QStringLiteral("2"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    part<QPushButton>("finishButton")->click();
    summary = part<QLabel>("summaryText");
    EXPECT_TRUE(summary->isVisible());
    const QStringList lines = summary->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5) << summary->text().toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("共 3 题；正确 0 题；得分：0 分；用时：")));
    EXPECT_EQ(lines[2], QStringLiteral("36÷5＝7……1（你的答案：7……2）"));
    EXPECT_EQ(lines[4], QStringLiteral("6×7＝42（没有作答）"));
    QTest::qWait(advanceInterval + 200);
    EXPECT_TRUE(summary->isVisible()) << "the judgement's advance does not bring an item back";
}

TEST_F(AnsweringWindowTest, AFractionNotInLowestTermsIsToldToBeReducedAndKeepsItsChance)
{
    window = std::make_unique<AnsweringWindow>(
        AnsweringSession(ExerciseSet{*parseFractionExpression("3＋8＋1＋8")}, {}));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    const auto told = closeMessages(window.get());
    EXPECT_EQ(item(), QStringLiteral("3/8＋1/8"));
    type(answerBox(), QStringLiteral("4/8"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    ASSERT_EQ(told->count, 1);
    EXPECT_EQ(told->text, QStringLiteral("请约分：得数要化成最简分数，再写一次吧~"));
    answerBox()->clear();
    type(answerBox(), QStringLiteral("1/2"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_TRUE(pictureShown());
    EXPECT_EQ(status(), QStringLiteral("共 1 题，现在是第 1 题；正确 1 题；得分：100 分"));
}

} // namespace
} // namespace quill
