#pragma once

// What the step-by-step and the equation builders share: both take a drawn list, work out
// its answers, and then extend every item by one more operation with a freshly drawn
// number (extraOperand), keeping a text entry "expression＝value" per finished item.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

struct Workspace;

enum class AppendedOperation { None, Addition, Subtraction, Multiplication, Division };

// Empty the answer tables and the entry text, split the list into itemTexts (and into
// fullExpressionTexts when asked) and work out the answers of the items as drawn.
void prepareExtension(Workspace& work, std::string_view listText, int s, int e,
                      bool withFullExpressions);

// One attempt at item k. It returns true once the item is finished (its value in
// stepAnswers); false sends the walk back to the stop test for another attempt.
using ExtendItem = std::function<bool(int k)>;
// Called with each finished item and its tidied value, after its entry is appended.
using ItemFinished = std::function<void(int k, const std::string& value)>;

// Walk the items in order. Before every attempt the window may handle its events and a
// stop returns the entries finished so far. Each finished item appends " ", its text from
// `entryTexts`, "＝" and its value to expressionListText, which is returned at the end.
std::string extendEachItem(Workspace& work, const std::vector<std::string>& entryTexts,
                           const ExtendItem& extend, const ItemFinished& finished = {});

// Whether an expression's last operation is an addition or a subtraction, judged by its
// text: a sum or difference that is then multiplied or divided needs brackets.
bool isSumOrDifference(std::string_view text);

std::string_view operationSign(AppendedOperation operation);

// left & sign & right, with left in brackets when asked: "(12＋5)×3".
std::string appendedText(std::string_view left, AppendedOperation operation, bool bracketed,
                         std::string_view right);

// The text of value (operation) extra, exact wherever the result ends (every sum, difference
// and product, and quotients that end); a division by 0 gives the evaluator's uncomputable
// answer.
std::string appendedValueText(AppendedOperation operation, std::string_view valueText,
                              std::string_view extraText);

// The numeric value of extraOperand.
double extraValue(const Workspace& work);

// Repeat {let the window handle events; stop test; draw} until `fits` accepts the value of
// extraOperand. `settle`, asked before each draw, may fix the number itself and end the
// loop. A stop leaves the last number drawn in place.
void redrawExtra(Workspace& work, const std::function<void()>& draw,
                 const std::function<bool(double)>& fits, const std::function<bool()>& settle = {});

} // namespace quill
