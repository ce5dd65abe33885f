#include "cli/terminal_answering.h"

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
        switch (session.submit(line, "")) {
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
