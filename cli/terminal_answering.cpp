#include "cli/terminal_answering.h"

#include "cli/answer_line_reading.h"
#include "engine/answering_session.h"

#include <chrono>
#include <istream>
#include <ostream>
#include <string>

namespace quill
{

namespace
{

// "第 3 题（本题保留 2 位小数）：1.25×0.3＝"
std::string prompt(const AnsweringSession& session)
{
    std::string hint = session.placesHint();
    if (session.asksRemainder())
        hint = "商和余数用……隔开";
    return "第 " + std::to_string(session.currentIndex() + 1) + " 题" +
           (hint.empty() ? "" : "（" + hint + "）") + "：" + session.currentItem() + "＝";
}

// The input's lines, counted for the message that refuses one, and the clock that times them.
struct AnswerInput {
    std::istream& in;
    std::size_t lineNumber = 0;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    int secondsCounted = 0;
    JudgedItemSink judged;
};

void tellJudged(const AnsweringSession& session, AnswerInput& input, std::string_view line,
                bool right, int askedAt)
{
    if (input.judged)
        input.judged({session.currentSavedText(), std::string(line), right,
                      session.elapsedSeconds() - askedAt});
}

// Gives the session the whole seconds gone since it last heard of them.
void countSeconds(AnsweringSession& session, AnswerInput& input)
{
    const auto gone = std::chrono::duration_cast<std::chrono::seconds>(
                          std::chrono::steady_clock::now() - input.started)
                          .count();
    session.tick(static_cast<int>(gone) - input.secondsCounted);
    input.secondsCounted = static_cast<int>(gone);
}

// Lines that are no answer the same item takes before it is passed over: a script typing
// words for ever must still come to the end of the set.
constexpr int refusedLinesPerItem = 3;

std::string refusalMessage(LineRead read, std::size_t lineNumber)
{
    const std::string line = "输入的第 " + std::to_string(lineNumber) + " 行";
    if (read == LineRead::Binary)
        return line + "含有空字符（NUL），不是答案，像是二进制文件或 /dev/zero；答题结束！";
    return line + "超过 " + std::to_string(longestAnswerLine) + " 个字节，不是答案；答题结束！";
}

// Why a line was not judged, for the pupil to write it again.
std::string retryMessage(const AnsweringSession& session, std::string_view line)
{
    switch (session.judge(line, "")) {
    case Verdict::NotReduced:
        return std::string(notReducedMessage);
    case Verdict::NotAFraction:
        return std::string(notAFractionMessage);
    default:
        return notAnAnswerMessage(line, session.answerCharacters());
    }
}

enum class Asked { Judged, InputEnded, InputRefused };

// Asks until the item is judged or passed over. A pupil told to add the remainder gets one
// more try: a script that never gives one must still come to the end of the set.
Asked askItem(AnsweringSession& session, AnswerInput& input, std::ostream& out, std::ostream& err)
{
    int refused = 0;
    const int askedAt = session.elapsedSeconds();
    for (int attempt = 1;; ++attempt) {
        out << prompt(session) << std::flush;
        std::string line;
        const LineRead read = readAnswerLine(input.in, line);
        ++input.lineNumber;
        countSeconds(session, input);
        if (read != LineRead::Line) {
            out << '\n' << std::flush;
            if (read == LineRead::End)
                return Asked::InputEnded;
            err << refusalMessage(read, input.lineNumber) << '\n';
            return Asked::InputRefused;
        }
        switch (session.submit(line, "")) {
        case Verdict::Right:
            out << rightAnswerMessage << '\n';
            tellJudged(session, input, line, true, askedAt);
            return Asked::Judged;
        case Verdict::Wrong:
            out << session.wrongAnswerMessage() << '\n';
            tellJudged(session, input, line, false, askedAt);
            return Asked::Judged;
        case Verdict::AnswerMissing:
        case Verdict::AlreadyMarked: // each item is asked once
            out << skippedItemMessage << '\n';
            return Asked::Judged;
        case Verdict::NotAnAnswer:
        case Verdict::NotReduced:
        case Verdict::NotAFraction:
            out << retryMessage(session, line) << '\n';
            if (++refused == refusedLinesPerItem) {
                out << stillNotAnAnswerMessage << '\n';
                return Asked::Judged;
            }
            --attempt; // the remainder's second chance is still to come
            break;
        case Verdict::RemainderMissing:
            if (attempt > 1) {
                out << remainderStillMissingMessage << '\n';
                return Asked::Judged;
            }
            out << remainderMissingMessage << '\n';
            break;
        }
    }
}

} // namespace

AnsweringEnd answerOnTerminal(AnsweringSession& session, std::istream& in, std::ostream& out,
                              std::ostream& err, const JudgedItemSink& judged)
{
    AnswerInput input{in, 0, std::chrono::steady_clock::now(), 0, judged};
    Asked asked = askItem(session, input, out, err);
    while (asked == Asked::Judged && session.next())
        asked = askItem(session, input, out, err);
    countSeconds(session, input);
    session.finish();
    for (const std::string& line : session.summaryLines())
        out << line << '\n';
    return asked == Asked::InputRefused ? AnsweringEnd::InputRefused : AnsweringEnd::Finished;
}

} // namespace quill
