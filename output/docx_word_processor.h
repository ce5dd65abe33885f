#pragma once

#include "base/io_result.h"
#include "output/document_folder.h"
#include "output/docx_document.h"
#include "output/word_processor.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace quill
{

// Builds the document in memory and, once it is complete, writes it as a .docx file, a PDF
// or both (the formats of its name) into its folder under a new name. A name without formats
// keeps the document in memory only, for a preview. The creator learns the outcome through `report`
// (to announce it or open the file).
class DocxWordProcessor : public WordProcessor
{
public:
    // What became of the document handed over by `activate()`: each of its files, or why
    // not.
    using Report = std::function<void(const IoResult&)>;

    // Sheets of one set share `setAttempt`: the question sheet takes the first number whose
    // question and answer names are both free, the answer sheet follows it, so the two
    // always share their stem ("口算-…-2.docx" and "口算-…(答案)-2.docx").
    DocxWordProcessor(DocumentFolder folder, DocumentName name, Report report = {},
                      std::shared_ptr<int> setAttempt = {});

    void addDocument() override;
    void setPageMargins(double top, double bottom, double left, double right) override;
    void setBold(bool bold) override;
    void setFontName(std::string_view name) override;
    void typeText(std::string_view text) override;
    void setAlignment(Alignment alignment) override;
    void addTable(int rows, int columns) override;
    void setOutsideLineStyle(int style) override;
    void setInsideLineStyle(int style) override;
    void keepRowWithNext(int row) override;
    void keepParagraphWithNext() override;
    void selectCell(int row, int column) override;
    void moveToEnd() override;
    void startNewPage() override;
    void insertField() override;
    // A fraction becomes Office Math; brackets typed around fractions grow with them.
    void typeFraction(std::string_view numerator, std::string_view denominator) override;
    bool activate() override;

    const std::optional<DocxDocument>& document() const { return document_; }
    const IoResult& outcome() const { return outcome_; }

protected:
    void applyFontSize(std::string_view points) override;
    void applyRowHeight(int row, std::string_view points) override;

private:
    struct Selection {
        std::size_t block = 0; // the paragraph, or the table holding the cell
        int row = -1;          // 0-based cell; -1 outside a table
        int column = -1;
        std::size_t paragraph = 0; // paragraph inside the cell
        bool wholeCell = false;    // a selected cell: typing replaces its content
    };

    bool inCell() const { return selection_.row >= 0; }
    TableCell& currentCell();
    Paragraph& currentParagraph();
    Table* lastTable();
    void clearSelectedCell();
    void appendText(std::string_view text);
    void endParagraph();
    template <typename Change> void changeFormat(Change change);
    void finish(IoResult outcome);

    struct EncodedFile {
        DocumentFormat format;
        std::string bytes;
    };
    std::optional<std::string> encode(DocumentFormat format, const std::string& title,
                                      std::string& reason) const;
    IoResult writeFiles(int attempt, const std::vector<EncodedFile>& files,
                        std::vector<std::filesystem::path>& written) const;

    DocumentFolder folder_;
    DocumentName name_;
    Report report_;
    std::shared_ptr<int> setAttempt_;
    std::optional<DocxDocument> document_;
    RunFormat format_;
    Selection selection_;
    std::optional<std::size_t> lastTable_;
    bool fieldOpen_ = false;
    IoResult outcome_;
};

} // namespace quill
