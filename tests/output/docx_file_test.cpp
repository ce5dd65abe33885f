#include "output/docx_word_processor.h"
#include "output/sample_documents.h"
#include "output/zip_entries.h"
#include "support/temp_folder.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sys/resource.h>

namespace quill
{
namespace
{

using testing::TempFolder;

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class DocxFile : public ::testing::Test
{
protected:
    TempFolder folder;
    std::vector<IoResult> reports;

    DocxWordProcessor processor(const DocumentName& name)
    {
        return DocxWordProcessor(DocumentFolder(folder.path()), name,
                                 [this](const IoResult& saved) { reports.push_back(saved); });
    }
};

TEST_F(DocxFile, HoldsEveryPartOfAWordDocument)
{
    DocxWordProcessor word = processor({"竖式计算", "20261209-104501", false});
    testing::typeLayoutSample(word);
    ASSERT_TRUE(word.activate());

    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].ok());
    EXPECT_EQ(reports[0].path, folder.path() / "竖式计算-20261209-104501.docx");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"竖式计算-20261209-104501.docx"});

    const auto parts = testing::zipEntries(reports[0].path);
    for (const char* name :
         {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels",
          "word/styles.xml", "word/settings.xml", "docProps/core.xml", "docProps/app.xml"})
        EXPECT_TRUE(parts.contains(name)) << name;
    EXPECT_NE(parts.at("_rels/.rels").find("Target=\"word/document.xml\""), std::string::npos);
    EXPECT_NE(parts.at("[Content_Types].xml").find("PartName=\"/word/document.xml\""),
              std::string::npos);
}

TEST_F(DocxFile, WritesTheLayoutInTheUnitsOfTheFormat)
{
    DocxWordProcessor word = processor({"口算", "1", false});
    testing::typeLayoutSample(word);
    ASSERT_TRUE(word.activate());
    const std::string xml = testing::zipEntries(reports.at(0).path).at("word/document.xml");

    EXPECT_NE(
        xml.find("<w:pgMar w:top=\"1000\" w:right=\"1000\" w:bottom=\"1000\" w:left=\"1000\""),
        std::string::npos);
    EXPECT_EQ(count(xml, "<w:trHeight w:val=\"600\" w:hRule=\"atLeast\"/>"), 2);
    EXPECT_EQ(count(xml, "<w:trHeight w:val=\"1800\" w:hRule=\"atLeast\"/>"), 2);
    // No row splits; the paragraphs of the two item rows keep with their working rows.
    EXPECT_EQ(count(xml, "<w:cantSplit/>"), 4);
    EXPECT_EQ(count(xml, "<w:keepNext/>"), 6);
    EXPECT_EQ(count(xml, "w:val=\"single\" w:sz=\"4\""), 6);
    EXPECT_NE(xml.find("<w:tblLayout w:type=\"fixed\"/>"), std::string::npos);
    // Three columns fill the 9906 twips between the margins of an A4 page.
    EXPECT_NE(xml.find("<w:gridCol w:w=\"3302\"/><w:gridCol w:w=\"3302\"/><w:gridCol "
                       "w:w=\"3302\"/></w:tblGrid>"),
              std::string::npos);
    EXPECT_EQ(count(xml, "<w:tcW w:w=\"3302\" w:type=\"dxa\"/>"), 12);
    EXPECT_NE(xml.find("w:ascii=\"楷体\" w:hAnsi=\"楷体\" w:eastAsia=\"楷体\""), std::string::npos);
    EXPECT_NE(xml.find("<w:b/><w:bCs/><w:sz w:val=\"44\"/>"), std::string::npos);
    EXPECT_NE(xml.find(">A&amp;B &lt;c&gt;</w:t>"), std::string::npos);
    EXPECT_NE(xml.find("<w:t xml:space=\"preserve\">    2026/12/9</w:t>"), std::string::npos);
    EXPECT_TRUE(std::regex_search(
        xml, std::regex("<w:jc w:val=\"left\"/>(?:(?!</w:p>).)*47÷5＝9……2</w:t>")));
    EXPECT_TRUE(std::regex_search(
        xml, std::regex("<w:jc w:val=\"center\"/>(?:(?!</w:p>).)*centred</w:t>")));
}

TEST_F(DocxFile, BordersAreLeftOutUnlessAsked)
{
    DocxWordProcessor word = processor({"口算", "1", false});
    word.addDocument();
    word.addTable(1, 4);
    ASSERT_TRUE(word.activate());
    const std::string xml = testing::zipEntries(reports.at(0).path).at("word/document.xml");
    EXPECT_EQ(count(xml, "w:val=\"nil\""), 6);
    EXPECT_EQ(count(xml, "w:val=\"single\""), 0);
    EXPECT_NE(xml.find("<w:gridCol w:w=\"2076\"/><w:gridCol w:w=\"2076\"/><w:gridCol "
                       "w:w=\"2076\"/><w:gridCol w:w=\"2078\"/>"),
              std::string::npos); // the default margins leave 8306 twips
}

TEST_F(DocxFile, FractionFieldsBecomeMathAndOtherFieldsStayFields)
{
    DocxWordProcessor word = processor({"口算", "1", true});
    word.addDocument();
    word.addTable(1, 3);
    word.selectCell(1, 1);
    word.insertField();
    word.typeText("EQ \\F(3,8) ＝ \\F(3,8)");
    word.selectCell(1, 2);
    word.insertField();
    word.typeText("PAGE");
    word.selectCell(1, 3);
    word.insertField();
    ASSERT_TRUE(word.activate());

    EXPECT_EQ(reports.at(0).path.filename(), "口算-1(答案).docx");
    const auto parts = testing::zipEntries(reports.at(0).path);
    const std::string& xml = parts.at("word/document.xml");
    EXPECT_EQ(count(xml, "<m:f>"), 2);
    EXPECT_EQ(count(xml, "<w:instrText xml:space=\"preserve\">PAGE</w:instrText>"), 1);
    EXPECT_EQ(count(xml, "w:fldCharType=\"begin\""), 1);
    EXPECT_NE(xml.find("xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\""),
              std::string::npos);
    EXPECT_NE(parts.at("docProps/core.xml").find("<dc:title>Quillmere(答案)</dc:title>"),
              std::string::npos);
}

TEST_F(DocxFile, TypedFractionsAreStackedAndBracketsAroundThemGrow)
{
    DocxWordProcessor word = processor({"脱式计算", "1", true});
    word.addDocument();
    word.addTable(1, 2);
    word.selectCell(1, 1);
    word.typeText("(");
    word.typeFraction("3", "8");
    word.typeText("＋");
    word.typeFraction("1", "8");
    word.typeText(")×5=");
    word.typeFraction("5", "2");
    word.selectCell(1, 2);
    word.typeText("(1＋2)×");
    word.typeFraction("1", "3");
    word.typeText("(");
    ASSERT_TRUE(word.activate());

    const std::string xml = testing::zipEntries(reports.at(0).path).at("word/document.xml");
    EXPECT_EQ(count(xml, "<m:f>"), 4);
    EXPECT_EQ(count(xml, "<m:d>"), 1) << "only the brackets around fractions are maths";
    EXPECT_NE(xml.find("<m:oMath><m:d>"), std::string::npos);
    EXPECT_NE(xml.find("<m:t xml:space=\"preserve\">＋</m:t>"), std::string::npos);
    for (const char* text : {">×5=<", ">(1＋2)×<", ">(<"})
        EXPECT_EQ(count(xml, text), 1) << text;
    EXPECT_EQ(count(xml, "<m:oMath>"), 3);
}

TEST_F(DocxFile, NeverOverwritesAFile)
{
    const DocumentName name{"估算", "20261209-104501", false};
    for (int n = 0; n < 3; ++n) {
        DocxWordProcessor word = processor(name);
        word.addDocument();
        word.typeText("document " + std::to_string(n));
        ASSERT_TRUE(word.activate());
    }
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"估算-20261209-104501-2.docx",
                                                          "估算-20261209-104501-3.docx",
                                                          "估算-20261209-104501.docx"}));
    const auto first = testing::zipEntries(folder.path() / "估算-20261209-104501.docx");
    EXPECT_NE(first.at("word/document.xml").find("document 0"), std::string::npos);
    EXPECT_EQ(reports.at(2).path, folder.path() / "估算-20261209-104501-3.docx");
}

TEST_F(DocxFile, CreatesAMissingFolder)
{
    DocxWordProcessor word(DocumentFolder(folder.path() / "a" / "Quillmere"),
                           DocumentName{"口算", "1", false});
    word.addDocument();
    ASSERT_TRUE(word.activate());
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "a" / "Quillmere" / "口算-1.docx"));
}

TEST_F(DocxFile, AFolderThatCannotBeMadeIsReportedWithItsReason)
{
    std::ofstream(folder.path() / "plain-file") << "x";
    DocxWordProcessor word(DocumentFolder(folder.path() / "plain-file" / "docs"),
                           DocumentName{"口算", "1", false},
                           [this](const IoResult& saved) { reports.push_back(saved); });
    word.addDocument();
    EXPECT_FALSE(word.activate());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_FALSE(reports[0].ok());
    EXPECT_EQ(reports[0].path, folder.path() / "plain-file" / "docs" / "口算-1.docx");
    EXPECT_FALSE(reports[0].reason.empty());
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"plain-file"});
}

TEST_F(DocxFile, ADocumentThatDoesNotFitLeavesNoPartialFile)
{
    // A file size limit makes the write fail the way a full disk does.
    DocxWordProcessor word = processor({"竖式计算", "1", false});
    word.addDocument();
    word.addTable(200, 4);
    for (int row = 1; row <= 200; ++row)
        for (int column = 1; column <= 4; ++column) {
            word.selectCell(row, column);
            word.typeText(std::to_string(row * 7919 + column * 104729));
        }

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool activated = word.activate();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(activated);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_FALSE(reports[0].ok());
    EXPECT_FALSE(reports[0].reason.empty());
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(DocxFile, ActivatingWithoutADocumentFails)
{
    DocxWordProcessor word = processor({"口算", "1", false});
    EXPECT_FALSE(word.activate());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_FALSE(reports[0].ok());
    EXPECT_TRUE(folder.entries().empty());
}

} // namespace
} // namespace quill
