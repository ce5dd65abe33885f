#include "output/writer_arguments.h"

namespace quill
{

SheetLayout sheetLayoutOf(const ExerciseSettings& s)
{
    return {s.rowHeight.text, s.columns.text, s.fontSize.text, s.font.selectedText(),
            s.borders.checked};
}

} // namespace quill
