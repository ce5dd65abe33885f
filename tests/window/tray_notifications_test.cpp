#include "window/tray_notifications.h"

#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

class TrayNotificationsTest : public ::testing::Test
{
protected:
    QWidget owner;
    QSystemTrayIcon* icon = nullptr;

    TrayNotificationsTest()
    {
        (new TrayNotifications(&owner))->showIcon(QStringLiteral("Quillmere"));
        icon = owner.findChild<QSystemTrayIcon*>();
    }

    void click(QSystemTrayIcon::ActivationReason reason) { emit icon->activated(reason); }
};

struct Restore {
    const char* before;
    Qt::WindowStates state;
    bool hidden;
    Qt::WindowStates after;
};

// A left click brings the window back as it was before it went to the taskbar.
TEST_F(TrayNotificationsTest, ALeftClickRestoresTheWindow)
{
    ASSERT_NE(icon, nullptr);
    const Restore rows[] = {
        {"minimised", Qt::WindowMinimized, false, Qt::WindowNoState},
        {"minimised from maximised", Qt::WindowMinimized | Qt::WindowMaximized, false,
         Qt::WindowMaximized},
        {"hidden", Qt::WindowNoState, true, Qt::WindowNoState},
    };
    for (const Restore& row : rows) {
        owner.setWindowState(Qt::WindowNoState);
        owner.show();
        owner.setWindowState(row.state);
        if (row.hidden)
            owner.hide();
        click(QSystemTrayIcon::Trigger);
        EXPECT_TRUE(owner.isVisible()) << row.before;
        EXPECT_EQ(owner.windowState() & ~Qt::WindowActive, row.after) << row.before;
    }
}

TEST_F(TrayNotificationsTest, ARightClickBringsTheWindowToTheFront)
{
    ASSERT_NE(icon, nullptr);
    owner.show();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    click(QSystemTrayIcon::Context);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&owner));
}

} // namespace
} // namespace quill
