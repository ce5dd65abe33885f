#pragma once

#include "output/word_processor.h"
#include "output/writer_arguments.h"

namespace quill
{

// Writes one sheet of fraction items with every fraction stacked, numerator over
// denominator, as soon as the document is opened. 口算 and 约分: one row per line of items,
// "3/8 +  1/8 ＝" and on the answer sheet the reduced answer after "＝". 通分计算 and
// 脱式计算: an empty working row under each line, the item alone and on the answer sheet
// "= answer". After a stop no further cell is filled, and the document is still handed over.
// True when it was.
bool writeFractionSheet(const WriterArguments& args, WordProcessor& word);

} // namespace quill
