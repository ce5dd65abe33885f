#pragma once

// The items of the 简便计算 menu: three operands that one arithmetic law makes easy to work,
// usually because two of them combine to a number ending in 0 (37＋45＋63＝145). Every item
// carries its answer after "＝".

#include "problems/draw.h"
#include "problems/item_value.h"
#include "problems/laws/law_key_pairs.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

// "37＋45＋63" and its answer 145; a saved entry may have lost its answer.
struct LawItem {
    std::string expression;
    std::optional<ItemValue> answer;

    friend bool operator==(const LawItem&, const LawItem&) = default;
};

// One form of a law's items: the written pattern (law_expression.h), whether a draw makes an
// item of it (its key value passes and its conditions hold), and how its key value is made
// (either of two ways where the form has two).
struct LawShape {
    std::string_view pattern;
    bool (*kept)(const ExerciseSettings& settings, const LawOperands& operands);
    std::array<LawKey, 2> keys;
    int keyCount = 1;
};

using LawShapes = std::span<const LawShape>;

// Eight laws of one form each, three of four forms.
extern const LawShapes additionCommutative, additionAssociative, subtractionReorder,
    subtractionBrackets, addSubtractMixed, multiplicationCommutative, multiplicationAssociative,
    distributive, divisionReorder, divisionBrackets, multiplyDivideMixed;

// One item of a law: a form picked at random among those not `leftOut`, operands drawn until
// they make an item of it. Never a zero divisor or an answer that does not end. A stop
// meanwhile returns at once with an item the stopped run discards.
LawItem makeShapedLawItem(Draw& draw, Range range, LawShapes shapes,
                          const std::vector<const LawShape*>& leftOut = {});

// A probe draws this many operand triples and keeps the forms met at least `lawShapeProbeHits`
// times: a rarer form (under about one draw in 20,000) would hold a run up for a noticeable
// while on every item, so these settings are taken as unable to give it.
inline constexpr int lawShapeProbeDraws = 100000;
inline constexpr int lawShapeProbeHits = 5;

// For each form, whether operands drawn from the range under these settings make items of it,
// judged by a probe with a random source of its own: the same settings always get the same
// answer, and the run's own draws are left alone. One stream of draws serves every form.
std::vector<bool> lawShapesMeetable(const ExerciseSettings& settings,
                                    const std::vector<const LawShape*>& shapes, Range range);

// 无简便运算: two operations with no law to apply, A＋B then ×C as （A＋B）×C, and so on.
LawItem makeNoShortcutItem(Draw& draw, Range range);

} // namespace quill
