#pragma once

#include "output/word_processor.h"
#include "output/writer_arguments.h"

#include <string_view>

namespace quill
{


// The line under the title when 时间 is ticked: the lengths time items count with.
inline constexpr std::string_view timeNote = "☆ 1个月≈4个星期、 1个月≈30天、1年≈365天";

// Writes one sheet of conversion items, one item per cell:
// "5 米＝（        ）厘米" on the question sheet, "5 米＝（ 500 ）厘米" with the answer flag;
// fractions (3/2 分) stacked.
// Every row gets the row height. After a stop no further cell is filled, and the document is
// still handed over. True when it was.
bool writeUnitConversionSheet(const WriterArguments& args, WordProcessor& word);

} // namespace quill
