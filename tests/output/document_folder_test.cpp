#include "output/document_folder.h"
#include "support/platform.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

TEST(DocumentName, SaysKindMomentAndAnswers)
{
    EXPECT_EQ((DocumentName{"竖式计算", "20261209-104501", false}.fileName()),
              "竖式计算-20261209-104501.docx");
    EXPECT_EQ((DocumentName{"竖式计算", "20261209-104501", true}.fileName()),
              "竖式计算-20261209-104501(答案).docx");
    EXPECT_EQ((DocumentName{"口算", "20261209-104501", true}.fileName(3)),
              "口算-20261209-104501(答案)-3.docx");
    // Nothing in a kind can lead out of the folder.
    EXPECT_EQ((DocumentName{"../a/b", "1", false}.fileName()), ".._a_b-1.docx");
}

TEST(DocumentFolder, GivesTheFirstFreeName)
{
    testing::TempFolder temporary;
    const DocumentFolder folder(temporary.path());
    const DocumentName name{"解方程", "20261209-104501", false};
    int attempt = 1;
    EXPECT_EQ(folder.freePath(name, attempt), temporary / name.fileName());
    EXPECT_EQ(attempt, 1);

    std::ofstream(temporary / name.fileName()) << "taken";
    std::ofstream(temporary / name.fileName(2)) << "taken";
    attempt = 1;
    EXPECT_EQ(folder.freePath(name, attempt), temporary / name.fileName(3));
    EXPECT_EQ(attempt, 3);
    // The answer sheet of the same moment is a name of its own.
    attempt = 1;
    EXPECT_EQ(folder.freePath({"解方程", "20261209-104501", true}, attempt),
              temporary / "解方程-20261209-104501(答案).docx");
}

// A stem with a file in either format belongs to another set: a PDF sheet does not take the
// stem of a .docx sheet, nor the other way round.
TEST(DocumentFolder, AStemTakenInEitherFormatIsNotReused)
{
    using F = DocumentFormat;
    for (const auto& [taken, wanted] : {std::pair{F::Docx, F::Pdf}, std::pair{F::Pdf, F::Docx}}) {
        testing::TempFolder temporary;
        const DocumentFolder folder(temporary.path());
        DocumentName name{"口算", "20261209-104501", false, "", {wanted}};
        std::ofstream(temporary / name.fileName(1, taken)) << "taken";
        int attempt = 1;
        EXPECT_EQ(folder.freePath(name, attempt), temporary / name.fileName(2, wanted));
        // Nor does a question sheet take a stem whose answer sheet exists in the other format.
        std::ofstream(temporary / DocumentName{"口算", "20261209-104501", true}.fileName(2, taken))
            << "taken";
        attempt = 1;
        EXPECT_EQ(folder.freePath(name, attempt, true), temporary / name.fileName(3, wanted));
    }
}

TEST(DocumentFolder, PreparesOnlyWhatCanBeAFolder)
{
    testing::TempFolder temporary;
    EXPECT_TRUE(DocumentFolder(temporary.path() / "x" / "y").prepare());
    EXPECT_TRUE(std::filesystem::is_directory(temporary.path() / "x" / "y"));

    std::ofstream(temporary.path() / "file") << "x";
    std::vector<const char*> refusals = {"file", "file/sub"};
    // Windows lets only administrators make symbolic links.
    if (!testing::onWindows) {
        std::filesystem::create_symlink(temporary.path() / "nowhere", temporary.path() / "link");
        refusals.push_back("link");
    }
    for (const char* refused : refusals) {
        const IoResult prepared = DocumentFolder(temporary.path() / refused).prepare();
        EXPECT_FALSE(prepared) << refused;
        // In Chinese, whatever the system said.
        EXPECT_GT(static_cast<unsigned char>(prepared.reason.front()), 0x7F) << prepared.reason;
    }
}

} // namespace
} // namespace quill
