#pragma once

// The generation run: settings in, a list of distinct items out, handed to the writers,
// announced and saved. Also the lighter draw of a set for on-screen answering.

#include "problems/exercise_set.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace quill
{

struct Application;
class RunEnvironment;

enum class RunOutcome {
    Refused, // the settings cannot start a run; the user was told why
    Stopped, // the user stopped it: nothing written, nothing saved
    Failed,  // a document or the history could not be written; the user was told
    Completed,
};

// The button 生成练习.
RunOutcome generateExercises(Application& app, RunEnvironment& env);

// Runs `run` with no item of `earlier` (the sets before it) drawn while the settings allow
// others; the items of the set it draws then join `earlier`.
RunOutcome avoidingEarlierItems(Application& app, std::unordered_set<std::string>& earlier,
                                const std::function<RunOutcome()>& run);

// One set of a batch, run as 生成练习: no item of `earlier` (the batch's sets so far) is drawn
// while the settings allow others; the set's items then join `earlier`.
RunOutcome generateBatchSet(Application& app, RunEnvironment& env,
                            std::unordered_set<std::string>& earlier);

// The button 上机答题: draws `app.set` for the answering window, the same
// distinct one-operation items 生成练习 draws under 口算 for the same settings and seed, with
// the progress line to stop it by; nothing is built, written or saved.
RunOutcome drawOnScreenSet(Application& app, RunEnvironment& env);

// The button 预览: draws `app.set` as 生成练习 would for the same settings, with the progress
// line to stop it by; nothing is written or saved.
RunOutcome drawPreviewSet(Application& app, RunEnvironment& env);

// The same for one more set of a run whose drawing was already told (a class's sets after
// the first), without telling it again.
RunOutcome drawFurtherSet(Application& app, RunEnvironment& env);

// The same for one part of a mixed sheet: no item of `elsewhere` (the other parts') is drawn.
RunOutcome drawSheetPart(Application& app, RunEnvironment& env, const ExerciseSet& elsewhere);

// A set written but not saved would be drawn and written again by a user who retries, so
// a history that cannot take it stops the run before anything is written; the user is told.
bool historyUsable(Application& app, RunEnvironment& env);

// Whether this build can write the formats 格式 asks for (no PDF without cairo); the user is
// told when not, before anything is drawn or written.
bool formatsWritable(Application& app);

// The stop label: the running draw ends at its next round.
void requestStop(Application& app, RunEnvironment& env);

inline constexpr std::string_view rangeMessage = "结束数字要大于起始数字！";
inline constexpr std::string_view drawingMessage = "正在出题中，请耐心等待！";
inline constexpr std::string_view stoppedMessage = "出题终止，请点击再次出题！";
inline constexpr std::string_view finishedMessage = "出题完毕！";
// 避免简单题 could not be kept: the set holds `count` trivial items.
std::string trivialItemsKeptMessage(long count);
inline constexpr int largestRangeNumber = 32767;
inline constexpr int largestItemCount = 10000;

} // namespace quill
