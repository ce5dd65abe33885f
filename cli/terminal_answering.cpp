#include "cli/terminal_answering.h"

#include "engine/answering_session.h"

#include <array>
#include <chrono>
#include <istream>
#include <ostream>

namespace quill
{

namespace
{

constexpr std::array<std::string_view, 5> remainderMarks = {"……", "…", "...", "余", " "};

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// "第 3 题（本题保留 2 位小数）：1.25×0.3＝"
std::string prompt(const AnsweringSession& session)
{
    std::string hint = session.placesHint();
    if (session.asksRemainder())
        hint = "商和余数用……隔开";
    return "第 " + std::to_string(session.currentIndex() + 1) + " 题" +
           (hint.empty() ? "" : "（" + hint + "）") + "：" + session.currentItem() + "＝";
}

// Asks until the item is judged or passed over; false when the input has ended.
bool askItem(AnsweringSession& session, std::istream& in, std::ostream& out)
{
    for (;;) {
        out << prompt(session) << std::flush;
        std::string line;
        if (!std::getline(in, line)) {
            out << '\n';
            return false;
        }
        const TypedAnswer typed = splitTypedAnswer(line, session.asksRemainder());
        switch (session.submit(typed.answer, typed.remainder)) {
        case Verdict::Right:
            out << rightAnswerMessage << '\n';
            return true;
        case Verdict::Wrong:
            out << session.wrongAnswerMessage() << '\n';
            return true;
        case Verdict::AnswerMissing:
            out << skippedItemMessage << '\n';
            return true;
        case Verdict::RemainderMissing:
            out << remainderMissingMessage << '\n';
            break;
        }
    }
}

std::string summary(const AnsweringSession& session)
{
    return "共 " + std::to_string(session.itemCount()) + " 题；正确 " +
           std::to_string(session.rightCount()) + " 题；得分：" + std::to_string(session.score()) +
           " 分";
}

} // namespace

TypedAnswer splitTypedAnswer(std::string_view line, bool asksRemainder)
{
    line = trimmed(line);
    if (!asksRemainder)
        return {std::string(line), {}};
    for (const std::string_view mark : remainderMarks)
        if (const std::size_t at = line.find(mark); at != std::string_view::npos)
            return {std::string(trimmed(line.substr(0, at))),
                    std::string(trimmed(line.substr(at + mark.size())))};
    return {std::string(line), {}};
}

void answerOnTerminal(AnsweringSession& session, std::istream& in, std::ostream& out,
                      std::ostream& err)
{
    const auto started = std::chrono::steady_clock::now();
    for (bool more = true; more; more = session.next())
        if (!askItem(session, in, out))
            break;
    out << summary(session) << '\n';
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started)
            .count();
    err << "用了" << seconds / 60 << "分" << seconds % 60 << "秒\n";
}

} // namespace quill
