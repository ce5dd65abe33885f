#include "engine/document_output.h"
#include "output/word_processor.h"
#include "support/recording_notifier.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

namespace fs = std::filesystem;

// A set's question sheet is announced only with its answer sheet; without it, it goes.
TEST(DocumentOutput, AnnouncesASetWhenCompleteAndRemovesAQuestionSheetLeftAlone)
{
    testing::TempFolder folder;
    testing::RecordingNotifier notifier;
    std::vector<fs::path> announced;
    DocumentOutput output(folder.path(), notifier,
                          [&](const fs::path& file) { announced.push_back(file); });
    const auto writeSheet = [&](bool answers) {
        const std::unique_ptr<WordProcessor> sheet = output.newDocument({"口算", "1", answers});
        sheet->addDocument();
        sheet->typeText("1＋2＝");
        return sheet->activate();
    };

    for (const bool complete : {true, false}) {
        announced.clear();
        ASSERT_TRUE(writeSheet(false));
        EXPECT_TRUE(announced.empty()) << "nothing is announced before the set is finished";
        if (complete) {
            ASSERT_TRUE(writeSheet(true));
        }
        output.finishSet(complete);
        EXPECT_EQ(announced.size(), complete ? 2u : 0u);
        for (const fs::path& file : announced)
            EXPECT_TRUE(fs::exists(file));
    }
    // The second question sheet was removed with its missing answers; the first set stays.
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"口算-1(答案).docx", "口算-1.docx"}));
    EXPECT_NE(notifier.messages.back().find("已删除题目文档"), std::string::npos);
}

// Whatever names other files have taken, the two sheets of one set share their stem.
TEST(DocumentOutput, GivesBothSheetsOfASetTheSameStem)
{
    testing::TempFolder folder;
    testing::RecordingNotifier notifier;
    std::vector<fs::path> announced;
    DocumentOutput output(folder.path(), notifier,
                          [&](const fs::path& file) { announced.push_back(file); });
    const auto writeSet = [&] {
        for (const bool answers : {false, true}) {
            const std::unique_ptr<WordProcessor> sheet = output.newDocument({"口算", "1", answers});
            sheet->addDocument();
            sheet->typeText("1＋2＝");
            ASSERT_TRUE(sheet->activate());
        }
        output.finishSet(true);
    };
    // Only the answer name of the first stem is taken, and a question name further on.
    for (const char* taken : {"口算-1(答案).docx", "口算-1-3.docx"})
        std::ofstream(folder / taken) << "not ours";
    for (int set = 0; set < 3; ++set)
        writeSet();
    std::vector<std::string> names;
    for (const fs::path& file : announced)
        names.push_back(testing::utf8Name(file));
    EXPECT_EQ(names, (std::vector<std::string>{"口算-1-2.docx", "口算-1(答案)-2.docx",
                                               "口算-1-4.docx", "口算-1(答案)-4.docx",
                                               "口算-1-5.docx", "口算-1(答案)-5.docx"}));
}

} // namespace
} // namespace quill
