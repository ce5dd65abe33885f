#pragma once

// The five fraction generators. An item is the plain numbers joined by the operation's sign,
// "3＋8＋1＋8" for 3/8 + 1/8 and "6/8" for reducing 6/8: the history keeps exactly this text.

#include <string>

namespace quill
{

struct Workspace;

// The last fractions drawn (a/b and c/d) and a fifth number drawn with them, until the next
// draw. A generator stopped before its first draw returns the previous ones.
struct FractionOperands {
    long a = 0, b = 0, c = 0, d = 0;
    long spare = 0;
};

// Five whole numbers from s..e into the fraction operands.
void drawFractionOperands(Workspace& work, int s, int e);

std::string makeFractionAdditionItem(Workspace& work, int s, int e);
std::string makeFractionSubtractionItem(Workspace& work, int s, int e);
std::string makeFractionMultiplicationItem(Workspace& work, int s, int e);
std::string makeFractionDivisionItem(Workspace& work, int s, int e);
std::string makeFractionReductionItem(Workspace& work, int s, int e);

} // namespace quill
