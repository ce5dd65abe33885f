#include "engine/answering_session.h"

#include "base/number_text.h"
#include "engine/answering_input.h"
#include "engine/generation_run.h"

#include <algorithm>

namespace quill
{

namespace
{

// 二年级下学期 to 三年级下学期: division is taught with remainders, not decimals.
bool remainderGrade(int gradeIndex)
{
    return gradeIndex >= 4 && gradeIndex <= 6;
}

} // namespace

AnsweringRules answeringRules(const ExerciseSettings& settings)
{
    return {.gradeIndex = settings.gradeIndex(),
            .divisionTicked = settings.division.checked,
            .keptPlaces = settings.roundAnswers.checked
                              ? std::optional<int>(settings.answerPlaces.index)
                              : std::nullopt};
}

std::vector<OperationItem> answeringItems(const ExerciseSet& set)
{
    return itemsOf<OperationItem>(set);
}

AnsweringSession::AnsweringSession(const std::vector<OperationItem>& items,
                                   const AnsweringRules& rules)
    : marks_(items.size(), Mark::Unanswered)
{
    const OneOperatorRules itemRules{.remainders =
                                         rules.divisionTicked && remainderGrade(rules.gradeIndex),
                                     .keptPlaces = rules.keptPlaces};
    items_.reserve(items.size());
    answers_.reserve(items.size());
    for (const OperationItem& item : items) {
        items_.push_back(item.text());
        answers_.push_back(answerOneOperatorItem(item, itemRules));
    }
}

const std::string& AnsweringSession::currentItem() const
{
    static const std::string none;
    return items_.empty() ? none : items_[current_];
}

const OneOperatorAnswer& AnsweringSession::currentAnswer() const
{
    static const OneOperatorAnswer none;
    return answers_.empty() ? none : answers_[current_];
}

std::string AnsweringSession::placesHint() const
{
    const std::optional<int> places = currentAnswer().places;
    return places ? "本题保留 " + std::to_string(*places) + " 位小数" : std::string();
}

Verdict AnsweringSession::submit(std::string_view answer, std::string_view remainder)
{
    const TypedAnswer typed = typedNumber(remainder)
                                  ? TypedAnswer{std::string(answer), std::string(remainder)}
                                  : splitTypedAnswer(answer, takesRemainder());
    const std::optional<double> typedAnswer = typedNumber(typed.answer);
    if (!typedAnswer)
        return Verdict::AnswerMissing;
    const std::optional<double> typedRemainder = typedNumber(typed.remainder);
    const OneOperatorAnswer& expected = currentAnswer();
    const bool right = !items_.empty() && expected.accepts(*typedAnswer, typedRemainder);
    // A whole number alone is a quotient whose remainder was forgotten; a decimal is judged.
    if (!right && expected.remainder && !typedRemainder && fixPart(*typedAnswer) == *typedAnswer)
        return Verdict::RemainderMissing;
    if (items_.empty())
        return Verdict::Wrong;

    Mark& mark = marks_[current_];
    rightCount_ += (right ? 1 : 0) - (mark == Mark::Right ? 1 : 0);
    mark = right ? Mark::Right : Mark::Wrong;
    return right ? Verdict::Right : Verdict::Wrong;
}

std::string AnsweringSession::wrongAnswerMessage() const
{
    return "加油哦！正确答案是：" + currentAnswer().text();
}

bool AnsweringSession::next()
{
    if (current_ + 1 >= items_.size())
        return false;
    ++current_;
    return true;
}

bool AnsweringSession::previous()
{
    if (current_ == 0)
        return false;
    --current_;
    return true;
}

int AnsweringSession::score() const
{
    if (items_.empty())
        return 0;
    return static_cast<int>(100 * static_cast<long long>(rightCount_) /
                            static_cast<long long>(items_.size()));
}

std::string AnsweringSession::statusLine() const
{
    return "共 " + std::to_string(items_.size()) + " 题，现在是第 " + std::to_string(current_ + 1) +
           " 题；正确 " + std::to_string(rightCount_) + " 题；得分：" + std::to_string(score()) +
           " 分";
}

std::string AnsweringSession::caption(std::string_view date) const
{
    return "时间：" + std::string(date) + "，用了" + std::to_string(seconds_ / 60) + "分" +
           std::to_string(seconds_ % 60) + "秒";
}

} // namespace quill
