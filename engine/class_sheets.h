#pragma once

// One sheet per pupil of a class: a different set for each pupil, with a code of its own, all
// drawn before anything is written. One question document then holds every pupil's sheet and
// one answer document every key, in the same order, each from a new page under the pupil's
// name and code. Each set is saved as a history entry of its own, so that a code finds its
// pupil's sheets again.

#include "engine/generation_run.h"
#include "engine/mixed_sheet_run.h"
#include "problems/exercise_set.h"

#include <string>
#include <vector>

namespace quill
{

struct PupilSheet {
    std::string pupil; // may be empty: a copy for anyone
    std::string code;
    ExerciseSet set;
    std::vector<SheetPart> parts; // a mixed sheet's parts with their items; else none
};

// The pupils of a class run: the list's names, or without a list `copies` sheets for anyone.
std::vector<std::string> classPupils(std::vector<std::string> roster, std::size_t copies);

// The button 生成练习 with 份数 or 名单: one sheet for each of `pupils`. Items of earlier sets
// are drawn again only when the settings leave nothing else. When any set cannot be drawn, or
// the run is stopped while drawing, nothing is written or saved. `sheets` holds the sets drawn
// (all of them when completed).
RunOutcome generateClassSheets(Application& app, RunEnvironment& env,
                               const std::vector<std::string>& pupils,
                               std::vector<PupilSheet>& sheets);

// The same with a mixed sheet for each pupil: each pupil's copy of `parts` drawn as
// generateMixedSheet draws them, avoiding the earlier pupils' items as above; each pupil's
// mixed set is saved as a history entry of its own.
RunOutcome generateClassMixedSheets(Application& app, RunEnvironment& env,
                                    const std::vector<std::string>& pupils,
                                    const std::vector<SheetPart>& parts,
                                    std::vector<PupilSheet>& sheets);

} // namespace quill
