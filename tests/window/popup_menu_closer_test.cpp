#include "window/popup_menu_closer.h"

#include <QMenu>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

class PopupMenuCloserTest : public ::testing::Test
{
protected:
    QPoint pointer{110, 110};
    qint64 now = 10000;
    PopupMenuCloser closer{[this] { return pointer; }, [this] { return now; }};
    QMenu menu;
    QMenu other;

    void SetUp() override
    {
        menu.addAction(QStringLiteral("加法交换律"));
        menu.addAction(QStringLiteral("加法结合律"));
        other.addAction(QStringLiteral("载入"));
        closer.watch(&menu);
        menu.popup(QPoint(100, 100));
        ASSERT_TRUE(menu.isVisible());
    }

    void tickAt(qint64 time)
    {
        now = time;
        closer.closeWhenLeft();
    }

    QPoint outside() const { return menu.geometry().bottomRight() + QPoint(80, 80); }
};

TEST_F(PopupMenuCloserTest, ClosesOnlyAfterThePointerStayedOutsideForMoreThanASecond)
{
    tickAt(10000);
    pointer = outside();
    tickAt(10500);
    tickAt(11000);
    tickAt(11500);
    EXPECT_TRUE(menu.isVisible()) << "exactly one second outside is not more than one";
    tickAt(11501);
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(PopupMenuCloserTest, ComingBackInTimeKeepsTheMenuOpen)
{
    pointer = outside();
    tickAt(10000);
    pointer = menu.geometry().center();
    tickAt(10500);
    pointer = outside();
    tickAt(11000);
    tickAt(11900);
    EXPECT_TRUE(menu.isVisible());
    tickAt(12100);
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(PopupMenuCloserTest, LeavesMenusItDoesNotWatchAlone)
{
    menu.close();
    other.popup(QPoint(400, 400));
    pointer = QPoint(10, 10);
    for (qint64 t = 10000; t <= 14000; t += 500)
        tickAt(t);
    EXPECT_TRUE(other.isVisible());
    other.close();
}

TEST_F(PopupMenuCloserTest, AMenuOpenedLaterGetsItsOwnFullSecond)
{
    pointer = outside();
    tickAt(10000);
    menu.close();
    tickAt(10500); // nothing open: the earlier absence does not count
    menu.popup(QPoint(100, 100));
    tickAt(20000);
    tickAt(20500);
    EXPECT_TRUE(menu.isVisible());
    tickAt(21001);
    EXPECT_FALSE(menu.isVisible());
}

} // namespace
} // namespace quill
