#include "output/cell_text_capture.h"

namespace quill
{

std::vector<std::string> CellTextCapture::typedCells() const
{
    std::vector<std::string> texts;
    for (const auto& cell : order_)
        texts.push_back(cells_.at(cell));
    return texts;
}

void CellTextCapture::addDocument()
{
    cells_.clear();
    order_.clear();
    inTable_ = false;
}

void CellTextCapture::typeText(std::string_view text)
{
    if (!inTable_)
        return;
    if (!cells_.contains(selected_))
        order_.push_back(selected_);
    std::string& content = cells_[selected_];
    if (replace_)
        content.clear();
    content += text;
    replace_ = false;
}

void CellTextCapture::typeFraction(std::string_view numerator, std::string_view denominator)
{
    std::string text(numerator);
    text += '/';
    text += denominator;
    typeText(text);
}

void CellTextCapture::selectCell(int row, int column)
{
    selected_ = {row, column};
    inTable_ = true;
    replace_ = true; // typing into a selected cell replaces its content
}

} // namespace quill
