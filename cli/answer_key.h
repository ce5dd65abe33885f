#pragma once

// The answers of the last run as lines of text, "question<TAB>answer", in the form an answer
// sheet shows them: 47÷5<TAB>＝9……2, 37＋48<TAB>≈90, 12＋5＋8<TAB>25, X＋5＋8＝25<TAB>12＋5＋8＝25,
// 5 米＝（ ）厘米<TAB>500, 37＋45＋63<TAB>145.

#include <string>
#include <vector>

namespace quill
{

struct Application;

std::vector<std::string> answerKeyLines(Application& app);

// The items of the last run, one a line: as drawn, and a conversion as its question reads
// (5 米＝（ ）厘米), a law item without its answer (37＋45＋63).
std::vector<std::string> itemLines(const Application& app);

} // namespace quill
