#pragma once

#include "output/word_processor.h"
#include "output/writer_arguments.h"

namespace quill
{

// Writes one worksheet of whole-number or decimal items (口算, 估算, 竖式计算, 脱式计算,
// 解方程): the question sheet, or the answer sheet. The kind and its options are read from
// the settings at the call. True when the document was completed and handed over; a layout
// it cannot use is reported through the arguments' notifier.
bool writeWorksheet(const WriterArguments& args, WordProcessor& word);

// The table of such a sheet at the selection, with its own columns, font and row heights.
void writeWorksheetTable(const WriterArguments& args, WordProcessor& word);

} // namespace quill
