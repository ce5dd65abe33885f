#pragma once

// A pupil, or a script, answering a drawn set on the terminal: each item is asked on `out`,
// one answer per line is read from `in` and judged as the answering window judges it.

#include "engine/pupil_recording.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace quill
{

class AnsweringSession;

inline constexpr std::string_view rightAnswerMessage = "答对了！";
inline constexpr std::string_view skippedItemMessage = "没有作答，下一题。";
inline constexpr std::string_view remainderMissingMessage = "这道题还要写出余数，例如 7……1";
inline constexpr std::string_view remainderStillMissingMessage = "还是没有余数，这一题先跳过。";
inline constexpr std::string_view stillNotAnAnswerMessage = "还是不是答案，这一题先跳过。";

enum class AnsweringEnd {
    Finished,     // the set or the input ended
    InputRefused, // the input holds something that cannot be an answer; the pupil was told
};

// Asks every item in turn until the set or the input ends; an empty line leaves an item
// unanswered, and so does a second line without the remainder asked for. A line that is no
// answer ("abc") is refused with the reason and asked again. Ends with the session's summary
// on `out`, also when the input is refused. Each item judged goes to `judged`, if given.
AnsweringEnd answerOnTerminal(AnsweringSession& session, std::istream& in, std::ostream& out,
                              std::ostream& err, const JudgedItemSink& judged = {});

} // namespace quill
