#pragma once

// Several sheets in one document, each from a new page: a class's sheets, one per pupil.
// Every writer starts its sheet with addDocument() and hands it over with activate(), as for
// a document of its own; here only the first sheet starts the document, each later one a
// new page, and the document is handed over once, by finish().

#include "output/word_processor.h"

namespace quill
{

class SheetSequence : public WordProcessor
{
public:
    explicit SheetSequence(WordProcessor& document) : document_(document) {}

    // Hands the whole document over; false when that failed or no sheet was written.
    bool finish();

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
    void typeFraction(std::string_view numerator, std::string_view denominator) override;
    // The sheet is complete; the document waits for the next one.
    bool activate() override;

protected:
    void applyFontSize(std::string_view points) override;
    void applyRowHeight(int row, std::string_view points) override;

private:
    WordProcessor& document_;
    bool started_ = false;
};

} // namespace quill
