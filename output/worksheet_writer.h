#pragma once

#include "output/word_processor.h"
#include "output/writer_arguments.h"

#include <string>

namespace quill
{

class Notifier;
struct Workspace;

// Writes one worksheet of whole-number or decimal items (口算, 估算, 竖式计算, 脱式计算,
// 解方程): the question sheet, or with the answer flag the answer sheet. The kind and its
// options are read from the settings at the call. True when the document was completed
// and handed over; a layout it cannot use is reported through `notifier`.
bool writeWorksheet(Workspace& work, Notifier& notifier, WordProcessor& word,
                    const WriterArguments& args);

// An answer text as a sheet shows it: ".5" as "0.5", "3." as "3", and with percentages
// "12.%" as "12%".
std::string cleanAnswerText(std::string text, bool percent);

} // namespace quill
