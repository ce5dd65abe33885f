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

std::string minutesAndSeconds(int seconds)
{
    return std::to_string(seconds / 60) + "分" + std::to_string(seconds % 60) + "秒";
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

namespace
{

OneOperatorRules oneOperatorRules(const AnsweringRules& rules)
{
    return {.remainders = rules.divisionTicked && remainderGrade(rules.gradeIndex),
            .keptPlaces = rules.keptPlaces};
}

} // namespace

AnsweringSession::AnsweringSession(const std::vector<OperationItem>& items,
                                   const AnsweringRules& rules)
{
    for (const OperationItem& item : items)
        add(item, oneOperatorRules(rules));
}

AnsweringSession::AnsweringSession(const ExerciseSet& set, const AnsweringRules& rules)
{
    for (const SetItem& item : set) {
        if (const auto* operation = std::get_if<OperationItem>(&item))
            add(*operation, oneOperatorRules(rules));
        else if (const auto* fraction = std::get_if<FractionExpression>(&item))
            add(*fraction);
    }
}

void AnsweringSession::add(const OperationItem& item, const OneOperatorRules& rules)
{
    items_.push_back(item.text());
    savedTexts_.push_back(itemText(item));
    answers_.push_back(answerOneOperatorItem(item, rules));
    fractions_.emplace_back();
    marks_.push_back(Mark::Unanswered);
    given_.emplace_back();
    characters_.negatives = characters_.negatives || answers_.back().value < 0;
    characters_.remainders = characters_.remainders || answers_.back().withRemainder.has_value();
}

// An item that divides by zero has no value; it is left out rather than asked.
void AnsweringSession::add(const FractionExpression& item)
{
    const std::optional<Rational> value = expressionValue(item);
    if (!value)
        return;
    items_.push_back(plainText(shownTerms(item)));
    savedTexts_.push_back(itemText(item));
    answers_.emplace_back();
    fractions_.push_back(value);
    marks_.push_back(Mark::Unanswered);
    given_.emplace_back();
    characters_.negatives = characters_.negatives || *value < Rational(0);
}

const std::string& AnsweringSession::currentItem() const
{
    static const std::string none;
    return items_.empty() ? none : items_[current_];
}

const std::string& AnsweringSession::currentSavedText() const
{
    static const std::string none;
    return savedTexts_.empty() ? none : savedTexts_[current_];
}

const OneOperatorAnswer& AnsweringSession::currentAnswer() const
{
    static const OneOperatorAnswer none;
    return answers_.empty() ? none : answers_[current_];
}

TypedAnswer AnsweringSession::typedParts(std::string_view answer, std::string_view remainder) const
{
    if (typedNumber(remainder))
        return {std::string(answer), std::string(remainder)};
    return splitTypedAnswer(answer, takesRemainder());
}

std::string AnsweringSession::placesHint() const
{
    const std::optional<int> places = currentAnswer().places;
    return places ? "本题保留 " + std::to_string(*places) + " 位小数" : std::string();
}

Verdict AnsweringSession::judge(std::string_view answer, std::string_view remainder) const
{
    if (!answerTextAllowed(answer, characters_) ||
        !answerTextAllowed(remainder, {.negatives = false, .remainders = false}))
        return Verdict::NotAnAnswer;
    const TypedAnswer typed = typedParts(answer, remainder);
    const std::optional<double> typedAnswer = typedNumber(typed.answer);
    if (!typedAnswer)
        return Verdict::AnswerMissing;
    if (items_.empty())
        return Verdict::Wrong;
    if (fractions_[current_])
        return judgeFraction(*fractions_[current_], typed.answer);
    const std::optional<double> typedRemainder = typedNumber(typed.remainder);
    const OneOperatorAnswer& expected = currentAnswer();
    if (expected.accepts(*typedAnswer, typedRemainder))
        return Verdict::Right;
    // A whole number alone is a quotient whose remainder was forgotten; a decimal is judged.
    if (expected.remainder && !typedRemainder && fixPart(*typedAnswer) == *typedAnswer)
        return Verdict::RemainderMissing;
    return Verdict::Wrong;
}

// Right only in lowest terms; the right value otherwise is sent back to be reduced.
Verdict AnsweringSession::judgeFraction(const Rational& expected, std::string_view typed) const
{
    const std::optional<TypedFraction> fraction = typedFraction(typed);
    if (!fraction)
        return Verdict::NotAFraction;
    const std::optional<Rational> value = Rational::of(fraction->numerator, fraction->denominator);
    if (!value || *value != expected)
        return Verdict::Wrong;
    const bool lowestTerms =
        value->numerator() == fraction->numerator && value->denominator() == fraction->denominator;
    return lowestTerms ? Verdict::Right : Verdict::NotReduced;
}

std::string AnsweringSession::answerText(std::size_t i) const
{
    return fractions_[i] ? fractions_[i]->text() : answers_[i].text();
}

Verdict AnsweringSession::submit(std::string_view answer, std::string_view remainder)
{
    if (finished_ || (!items_.empty() && marks_[current_] != Mark::Unanswered))
        return Verdict::AlreadyMarked;
    const Verdict verdict = judge(answer, remainder);
    if (items_.empty() || (verdict != Verdict::Right && verdict != Verdict::Wrong))
        return verdict;
    marks_[current_] = verdict == Verdict::Right ? Mark::Right : Mark::Wrong;
    rightCount_ += verdict == Verdict::Right ? 1 : 0;
    const TypedAnswer typed = typedParts(answer, remainder);
    given_[current_] =
        typed.remainder.empty() ? typed.answer : typed.answer + "……" + typed.remainder;
    return verdict;
}

std::string AnsweringSession::wrongAnswerMessage() const
{
    return "加油哦！正确答案是：" + (items_.empty() ? std::string() : answerText(current_));
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

void AnsweringSession::tick(int seconds)
{
    if (!finished_)
        seconds_ += seconds;
}

std::string AnsweringSession::caption(std::string_view date) const
{
    return "时间：" + std::string(date) + "，用了" + minutesAndSeconds(seconds_);
}

std::vector<std::string> AnsweringSession::summaryLines() const
{
    std::vector<std::string> lines = {
        "共 " + std::to_string(items_.size()) + " 题；正确 " + std::to_string(rightCount_) +
        " 题；得分：" + std::to_string(score()) + " 分；用时：" + minutesAndSeconds(seconds_)};
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (marks_[i] == Mark::Right)
            continue;
        if (lines.size() == 1)
            lines.emplace_back("做错的题：");
        const std::string given =
            marks_[i] == Mark::Unanswered ? "没有作答" : "你的答案：" + given_[i];
        lines.push_back(items_[i] + "＝" + answerText(i) + "（" + given + "）");
    }
    return lines;
}

} // namespace quill
