#include "window/document_opener.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace quill
{
namespace
{

class DocumentOpenerTest : public ::testing::Test
{
protected:
    QTemporaryDir folder;
    QString file = folder.filePath(QStringLiteral("竖式计算.docx"));
    std::optional<QString> failure;

    void SetUp() override
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("PK");
    }

    void open(const QString& opener)
    {
        openWithDesktop(
            file, [this](const QString& reason) { failure = reason; }, opener);
    }
};

TEST_F(DocumentOpenerTest, AMissingFileIsReportedAtOnce)
{
    file = folder.filePath(QStringLiteral("没有.docx"));
    open(QStringLiteral("true"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, QStringLiteral("文件不存在"));
}

TEST_F(DocumentOpenerTest, AnOpenerThatFailsIsReportedWhenItEnds)
{
    open(QStringLiteral("false")); // exits with 1
    EXPECT_TRUE(QTest::qWaitFor([&] { return failure.has_value(); }, 5000));
    EXPECT_TRUE(failure->contains(QStringLiteral("1")));
}

TEST_F(DocumentOpenerTest, AMissingOpenerIsReported)
{
    open(QStringLiteral("quillmere-no-such-opener"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return failure.has_value(); }, 5000));
    EXPECT_TRUE(failure->contains(QStringLiteral("quillmere-no-such-opener")));
}

TEST_F(DocumentOpenerTest, AnOpenerThatSucceedsReportsNothing)
{
    open(QStringLiteral("true"));
    QTest::qWait(300);
    EXPECT_FALSE(failure);
}

} // namespace
} // namespace quill
