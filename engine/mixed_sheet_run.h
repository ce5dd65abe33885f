#pragma once

// 生成练习 and 载入 for a mixed sheet: several parts, each drawn under settings of its own,
// written as one question sheet and one answer sheet and saved as one history entry.
// The application's settings hold what belongs to the whole run: 答案, 格式 and 保存.

#include "engine/generation_run.h"
#include "problems/exercise_set.h"
#include "settings/exercise_settings.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quill
{

class Notifier;
class WordProcessor;

// What the documents of mixed sheets are named after.
inline constexpr std::string_view mixedDocumentName = "混合练习";

struct SheetPart {
    std::vector<std::string> options; // as `generate` takes them, applied to fresh settings
    ExerciseSettings settings;
    ExerciseSet set;
};

// Each part's settings: fresh ones with the part's options applied as `generate` applies
// them. Throws UsageError for bad options and for a part that cannot share a sheet: fraction
// items, 简便计算 and 单位换算 (whose sheets are laid out as pages of their own) and 一页100题.
SheetPart sheetPart(std::vector<std::string> options, Notifier& notifier);

// The options of each part: those shared by all, then the part's own.
std::vector<std::vector<std::string>> partOptions(const std::vector<std::string>& shared,
                                                  const std::vector<std::vector<std::string>>& own);

// Draws every part in order (no item twice on the sheet), writes the sheets and saves the
// set. Refused, writing nothing, when any part cannot be drawn in full.
RunOutcome generateMixedSheet(Application& app, RunEnvironment& env, std::vector<SheetPart>& parts);

// Draws every part in order (no item twice on the sheet, none of app.earlierItems while the
// settings allow others); the application's settings stay the run's.
RunOutcome drawMixedParts(Application& app, RunEnvironment& env, std::vector<SheetPart>& parts);

// Runs `run`, which draws `parts`, with `earlier` drawn again only when the settings leave
// nothing else; the parts' items then join `earlier`.
RunOutcome avoidingEarlierParts(Application& app, std::vector<SheetPart>& parts,
                                std::unordered_set<std::string>& earlier,
                                const std::function<RunOutcome()>& run);

// The question or answer sheet of the drawn parts, with the run's 答案 and 格式; on a pupil's
// own sheet under the pupil's name and the sheet's code.
bool writeMixedParts(Application& app, const std::vector<SheetPart>& parts, bool answers,
                     WordProcessor& document, std::string_view pupil = {},
                     std::string_view code = {});

// The history line of the drawn parts, dated today.
std::string mixedSetLine(const std::vector<SheetPart>& parts);

// One mixed set of a batch: no item of `earlier` (the batch's sets so far) is drawn while the
// settings allow others; the parts' items then join `earlier`.
RunOutcome generateBatchMixedSheet(Application& app, RunEnvironment& env,
                                   std::vector<SheetPart>& parts,
                                   std::unordered_set<std::string>& earlier);

// The sheets of a mixed history line, as they were written when it was saved.
RunOutcome loadMixedSet(Application& app, RunEnvironment& env, std::string_view lineText);

} // namespace quill
