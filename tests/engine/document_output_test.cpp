#include "engine/document_output.h"
#include "output/word_processor.h"
#include "support/recording_notifier.h"
#include "support/temp_folder.h"

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

} // namespace
} // namespace quill
