#pragma once

#include "output/word_processor.h"
#include "output/writer_arguments.h"

namespace quill
{

// Writes one sheet of 简便计算 items (expression＝answer): each item over an empty working row
// three row heights high. The question sheet shows the expression without "＝" (37＋45＋63),
// the answer sheet the whole item (37＋45＋63＝145). After a stop no further cell is filled,
// and the document is still handed over. True when it was.
bool writeSimplifiedCalculationSheet(const WriterArguments& args, WordProcessor& word);

} // namespace quill
