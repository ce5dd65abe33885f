#include "base/atomic_file.h"

#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace quill
{
namespace
{

using testing::TempFolder;

std::string contentOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A Chinese name, built from UTF-8 explicitly: Windows would read a plain narrow string in
// the ANSI code page.
std::filesystem::path chineseName()
{
    return std::filesystem::path(u8"练习-答案.docx");
}

TEST(AtomicFile, NewFilesNeverReplaceAndLeaveNoTemporary)
{
    TempFolder folder;
    const std::filesystem::path file = folder.path() / chineseName();
    ASSERT_TRUE(writeNewFile(file, std::string("first\0bytes", 11)));
    EXPECT_EQ(contentOf(file), std::string("first\0bytes", 11));

    const IoResult again = writeNewFile(file, "second");
    EXPECT_EQ(again.status, IoStatus::NameTaken);
    EXPECT_EQ(contentOf(file), std::string("first\0bytes", 11));
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename());
    EXPECT_EQ(names, std::vector<std::filesystem::path>{chineseName()});
}

TEST(AtomicFile, ReplacesCreatesAndAppends)
{
    TempFolder folder;
    const std::filesystem::path file = folder.path() / chineseName();
    ASSERT_TRUE(replaceFile(file, "old"));
    ASSERT_TRUE(replaceFile(file, "new content"));
    EXPECT_EQ(contentOf(file), "new content");
    ASSERT_TRUE(appendToFile(file, " and more"));
    EXPECT_EQ(contentOf(file), "new content and more");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(AtomicFile, FailuresNameThePathAndCreateNothing)
{
    TempFolder folder;
    const std::filesystem::path missingFolder = folder.path() / "没有" / "a.docx";
    const IoResult written = writeNewFile(missingFolder, "x");
    EXPECT_FALSE(written);
    EXPECT_EQ(written.path, missingFolder);
    EXPECT_FALSE(replaceFile(missingFolder, "x"));
    EXPECT_EQ(appendToFile(folder.path() / "none.txt", "x").status, IoStatus::Missing);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(AtomicFile, RecognisesOnlyItsOwnTemporaries)
{
    const std::filesystem::path file = std::filesystem::path("dir") / chineseName();
    std::filesystem::path own = ".";
    own += chineseName();
    own += ".a1b2c3";
    EXPECT_TRUE(isTemporaryOf(own, file));
    EXPECT_TRUE(isTemporaryOf(std::filesystem::path("dir") / own, file));
    EXPECT_EQ(temporaryNamePattern(file).native().size(), own.native().size());
    std::filesystem::path shorter = own;
    shorter.replace_extension(".a1b2c");
    EXPECT_FALSE(isTemporaryOf(shorter, file));
    EXPECT_FALSE(isTemporaryOf(chineseName(), file));
    EXPECT_FALSE(isTemporaryOf(".other.docx.a1b2c3", file));
}

} // namespace
} // namespace quill
