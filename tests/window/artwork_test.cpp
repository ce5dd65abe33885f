#include "window/artwork.h"

#include <QImage>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

TEST(ProgramIcon, IsTheInstalledDrawingInSmallAndLargeSizes)
{
    const QIcon icon = programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
    // The sheet of paper: clear around it, white in its middle.
    const QImage large = icon.pixmap(256).toImage();
    ASSERT_EQ(large.size(), QSize(256, 256));
    EXPECT_EQ(qAlpha(large.pixel(2, 2)), 0);
    EXPECT_EQ(large.pixelColor(128, 110), QColor(Qt::white));
}

} // namespace
} // namespace quill
