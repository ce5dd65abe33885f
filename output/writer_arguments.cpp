#include "output/writer_arguments.h"

#include "base/number_text.h"

namespace quill
{

namespace
{

constexpr double largePrint = 1.5;

std::string scaled(const NumberBox& box, double factor)
{
    return shortestText(roundHalfEven(box.value() * factor * 2) / 2); // to half points
}

} // namespace

SheetLayout sheetLayoutOf(const ExerciseSettings& s)
{
    SheetLayout layout{s.rowHeight.text, s.columns.text, s.fontSize.text, s.font.selectedText(),
                       s.borders.checked};
    switch (static_cast<PageLayoutChoice>(s.pageLayout.index)) {
    case PageLayoutChoice::Large:
        layout.rowHeight = scaled(s.rowHeight, largePrint);
        layout.fontSize = scaled(s.fontSize, largePrint);
        break;
    case PageLayoutChoice::Dense:
        layout.fitOnePage = true;
        break;
    case PageLayoutChoice::Standard:
        break;
    }
    return layout;
}

} // namespace quill
