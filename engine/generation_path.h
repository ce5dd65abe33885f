#pragma once

// The families of a generation run: which settings choose them, how a round picks a
// generator, and what is built and saved after the draw. Adding a family is adding a row.

#include "engine/document_writing.h"
#include "engine/run_environment.h"
#include "settings/exercise_settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill
{

struct LawShape;
struct Workspace;
struct WriterArguments;
class WordProcessor;

using ItemGenerator = std::string (*)(Workspace& work, int s, int e);

struct GenerationPath {
    std::string_view name{};
    bool (*applies)(const ExerciseSettings&) = nullptr;

    // Selector r = floor(R × span) + offset; whole numbers draw it before the event processing.
    int selectorSpan = 0;
    int selectorOffset = 0;
    bool selectorBeforeEvents = false;
    ItemGenerator (*pick)(const Workspace&, int r) = nullptr;

    // Laws and units need a ticked menu item; checked before every round, so a run without
    // one (from the start or after the last is unticked) ends and opens the menu.
    bool (*hasChoice)(const ExerciseSettings&) = nullptr;
    std::string_view noChoiceMessage{};
    PopupMenu choiceMenu = PopupMenu::Laws;

    // Builders run on the drawn list (also after a stop: they return at their first test).
    void (*afterDraw)(Workspace&, int s, int e) = nullptr;

    // The writer of the family's documents.
    DocumentWriter write = nullptr;
};

inline constexpr std::string_view lawsPathName = "简便计算";

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
LawFormsLeftOut lawFormsLeftOut(const ExerciseSettings& settings, int start, int end);

// The whole-number path without its builders: one-operation items as 上机答题 asks them.
// Its draw is that path's, so the same settings and seed give the same items as 生成练习
// gives under 口算.
const GenerationPath& onScreenPath();

// The operation a selector picks among the ticked operations (thresholds 10, 20, 30, 40);
// division is exact when `exactDivision` holds. Shared with the on-screen draw.
ItemGenerator pickOperation(const ExerciseSettings& settings, int r, bool exactDivision);

} // namespace quill
