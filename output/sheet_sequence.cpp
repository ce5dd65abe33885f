#include "output/sheet_sequence.h"

namespace quill
{

bool SheetSequence::finish()
{
    return started_ && document_.activate();
}

void SheetSequence::addDocument()
{
    if (started_) {
        document_.startNewPage();
        return;
    }
    document_.addDocument();
    started_ = true;
}

void SheetSequence::setPageMargins(double top, double bottom, double left, double right)
{
    document_.setPageMargins(top, bottom, left, right);
}

void SheetSequence::setBold(bool bold)
{
    document_.setBold(bold);
}

void SheetSequence::setFontName(std::string_view name)
{
    document_.setFontName(name);
}

void SheetSequence::typeText(std::string_view text)
{
    document_.typeText(text);
}

void SheetSequence::setAlignment(Alignment alignment)
{
    document_.setAlignment(alignment);
}

void SheetSequence::addTable(int rows, int columns)
{
    document_.addTable(rows, columns);
}

void SheetSequence::setOutsideLineStyle(int style)
{
    document_.setOutsideLineStyle(style);
}

void SheetSequence::setInsideLineStyle(int style)
{
    document_.setInsideLineStyle(style);
}

void SheetSequence::keepRowWithNext(int row)
{
    document_.keepRowWithNext(row);
}

void SheetSequence::keepParagraphWithNext()
{
    document_.keepParagraphWithNext();
}

void SheetSequence::selectCell(int row, int column)
{
    document_.selectCell(row, column);
}

void SheetSequence::moveToEnd()
{
    document_.moveToEnd();
}

void SheetSequence::startNewPage()
{
    document_.startNewPage();
}

void SheetSequence::insertField()
{
    document_.insertField();
}

void SheetSequence::typeFraction(std::string_view numerator, std::string_view denominator)
{
    document_.typeFraction(numerator, denominator);
}

bool SheetSequence::activate()
{
    return started_;
}

void SheetSequence::applyFontSize(std::string_view points)
{
    document_.setFontSize(points);
}

void SheetSequence::applyRowHeight(int row, std::string_view points)
{
    document_.setRowHeight(row, points);
}

} // namespace quill
