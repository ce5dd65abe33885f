#pragma once

// The families of a generation run: which settings choose them, how a round picks a
// generator, and what is built and saved after the draw. Adding a family is adding a row.

#include "engine/document_writing.h"
#include "engine/run_environment.h"
#include "problems/draw.h"
#include "problems/exercise_set.h"
#include "settings/exercise_settings.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

struct Application;
struct LawShape;

using ItemGenerator = std::function<SetItem(Draw& draw, Range range)>;

struct GenerationPath {
    std::string_view name{};
    bool (*applies)(const ExerciseSettings&) = nullptr;

    // Selector r = floor(R × span) + offset, one step of ten for each choice of the family
    // (39: four operations, 69: seven unit families, 119: twelve laws); whole numbers draw it
    // before the stop test, the others after, so that a seed keeps giving the same set.
    int selectorSpan = 0;
    int selectorOffset = 0;
    bool selectorBeforeEvents = false;
    ItemGenerator (*pick)(const Application&, int r) = nullptr;

    // Laws and units need a ticked menu item; checked before every round, so a run without
    // one (from the start or after the last is unticked) ends and opens the menu.
    bool (*hasChoice)(const ExerciseSettings&) = nullptr;
    std::string_view noChoiceMessage{};
    PopupMenu choiceMenu = PopupMenu::Laws;

    // Builders run on the drawn set (also after a stop: they return at their first test).
    void (*afterDraw)(Application&, Range range) = nullptr;

    // The writer of the family's documents.
    DocumentWriter write = nullptr;
};

// The first family, in order fractions, unit conversion, simplified calculation, whole
// numbers and decimals, whose condition holds.
const GenerationPath& choosePath(const ExerciseSettings& settings);

// The ticked unit families that 整数 leaves nothing to draw from in the chosen grade, by
// caption; the run passes them over.
std::vector<std::string_view> unitFamiliesWithoutWholeAnswers(const ExerciseSettings& settings);
// True when some ticked unit family can be drawn.
bool anyUnitFamilyDrawable(const ExerciseSettings& settings);

// What the settings leave of the ticked laws: the forms no draw can make (found by probes,
// never drawn), and the laws left with no form at all, by caption.
struct LawFormsLeftOut {
    std::vector<const LawShape*> forms;
    std::vector<std::string> formNames; // "乘除混合 Q÷A×B", for forms of laws that stay
    std::vector<std::string_view> laws;
    bool anyLawLeft = false;
};
LawFormsLeftOut lawFormsLeftOut(const ExerciseSettings& settings, Range range);

// The whole-number path without its builders: one-operation items as 上机答题 asks them.
// Its draw is that path's, so the same settings and seed give the same items as 生成练习
// gives under 口算.
const GenerationPath& onScreenPath();
// With 分数 ticked: fraction 口算 items, one operation each, to be answered a/b.
const GenerationPath& onScreenFractionPath();

// The four operations of the whole-number and fraction paths, in the selector's order.
constexpr int operationCount = 4;
using OperationFlags = std::array<bool, operationCount>;

// The generator the sheets draw operation k (0 ＋, 1 －, 2 ×, 3 ÷) with, ticked or not.
ItemGenerator operationGenerator(const ExerciseSettings& settings, int k);

// The operation a selector picks among the ticked operations (thresholds 10, 20, 30, 40);
// division is exact when `exactDivision` holds. Shared with the on-screen draw.
ItemGenerator pickOperation(const ExerciseSettings& settings, int r, bool exactDivision);

// What a set of whole numbers or decimals needs before its sheets are written: 竖式计算 gives
// each division that cannot be worked in columns a pair that can, and 填数 picks the number
// each item leaves blank. Drawn or reloaded, the two sheets of a set show the same.
void prepareSheets(Application& app, Range range);

} // namespace quill
