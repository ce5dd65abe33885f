#include "problems/expressions/shown_answer.h"

#include <algorithm>

namespace quill
{

namespace
{

ShownAnswer uncomputable()
{
    return {"＝", std::string(uncomputableAnswer)};
}

ShownAnswer asPercent(ShownAnswer number)
{
    return {number.sign, number.text + "%"};
}

// 26%; with 保留 34%÷3≈11.33%, without it the percent's places are held to four as any
// answer's are.
ShownAnswer percentAnswer(const ItemAnswer& answer, std::optional<int> keptPlaces)
{
    const ItemValue percent = ItemValue::exact(percentNumber(answer.exact.number));
    if (!keptPlaces)
        return asPercent(shownValue(percent, std::nullopt));
    if (answer.rounded == answer.exact)
        return {"＝", percent.text() + "%"};
    return {"≈", percentNumber(answer.rounded.number).fixedText(*keptPlaces) + "%"};
}

} // namespace

ShownAnswer keyAnswer(const OperationItem& item, const ItemAnswer& answer,
                      std::optional<int> keptPlaces, bool remainderForm)
{
    if (!answer.exact.computable())
        return uncomputable();
    if (answer.percent)
        return percentAnswer(answer, keptPlaces);
    const ExactDecimal& exact = answer.exact.number;
    // A percent item is a value, never "how many times and what is left": 45%÷9 is 5%.
    const bool percent = std::any_of(item.terms.begin(), item.terms.end(),
                                     [](const WrittenNumber& t) { return t.percent(); });
    const bool withRemainder = !percent && answer.leavesRemainder();
    const ShownAnswer remainderAnswer{
        "＝", withRemainder ? answer.wholeQuotient->text() + "……" + answer.remainder.text() : ""};
    if (remainderForm && withRemainder)
        return remainderAnswer;
    if (!keptPlaces) {
        if (exact.places() > longestShownPlaces && withRemainder && isWholeNumberDivision(item))
            return remainderAnswer;
        return shownValue(answer.exact, std::nullopt);
    }
    const ExactDecimal& rounded = answer.rounded.number;
    if (rounded == exact)
        return {"＝", exact.text()};
    return {"≈", rounded.fixedText(*keptPlaces)};
}

ShownAnswer shownValue(const ItemValue& value, std::optional<int> keptPlaces)
{
    if (!value.computable())
        return uncomputable();
    const ExactDecimal& exact = value.number;
    const int places = keptPlaces.value_or(placesOfLongAnswers);
    if ((keptPlaces || exact.places() > longestShownPlaces) && exact.roundedHalfUp(places) != exact)
        return {"≈", exact.fixedText(places)};
    return {"＝", exact.text()};
}

ExactDecimal estimate(const ExactDecimal& value)
{
    if (!value.isNumber() || value.isZero())
        return value;
    if (value >= ExactDecimal::whole(10) || value <= ExactDecimal::whole(-10))
        return value.roundedHalfUp(-1);
    for (int places = 0; places < longestShownPlaces; ++places)
        if (const ExactDecimal rounded = value.roundedHalfUp(places); !rounded.isZero())
            return rounded;
    return value.roundedHalfUp(longestShownPlaces);
}

ShownAnswer estimatedAnswer(const ItemAnswer& answer)
{
    if (!answer.exact.computable())
        return uncomputable();
    if (answer.percent)
        return {"≈", estimate(percentNumber(answer.exact.number)).text() + "%"};
    return {"≈", estimate(answer.exact.number).text()};
}

} // namespace quill
