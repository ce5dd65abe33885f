#pragma once

// A mixed sheet: several parts, each with its own settings and items, on one page under one
// title block, each part under a heading of its own ("一、口算") in its own table.

#include "output/word_processor.h"
#include "output/writer_arguments.h"

#include <span>
#include <string>

namespace quill
{

// "一", "二", … "十一", "二十": the number of a part as its heading counts it (from 1).
std::string chineseOrdinal(int number);

// "一、口算": the heading of part `index` (from 0) of the settings' kind.
std::string partHeading(int index, const ExerciseSettings& settings);

// "三年级上学期 混合练习", "混合练习（答案）": the grade of the first part, when one is chosen.
std::string mixedSheetTitle(const ExerciseSettings& first, bool answers);

// Writes the question or answer sheet (each part's `answers` alike) of the parts, in order.
// Every part is of a kind the worksheet writer writes; the first part's pupil and code head the
// sheet. True when the document was completed
// and handed over.
bool writeMixedSheet(std::span<const WriterArguments> parts, WordProcessor& word);

} // namespace quill
