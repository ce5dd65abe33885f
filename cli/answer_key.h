#pragma once

// The answers of the last run as lines of text, "question<TAB>answer", in the form an answer
// sheet shows them: 47÷5<TAB>＝9……2, 37＋48<TAB>≈90, 95%－69%<TAB>＝26%, 12＋5＋8<TAB>25,
// X＋5＋8＝25<TAB>X＝12, ______＋48＝85<TAB>37 (填数: the question as its sheet asks it and
// the number that fills the blank), 5 米＝（ ）厘米<TAB>500, 37＋45＋63<TAB>145.

#include <string>
#include <vector>

namespace quill
{

struct Application;

std::vector<std::string> answerKeyLines(Application& app);

// The items of the last run, one a line: as drawn, and a conversion as its question reads
// (5 米＝（ ）厘米), a law item without its answer (37＋45＋63), a 填数 item as its sheet
// asks it (______＋48＝85).
std::vector<std::string> itemLines(Application& app);

} // namespace quill
