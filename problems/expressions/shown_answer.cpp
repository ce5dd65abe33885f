#include "problems/expressions/shown_answer.h"

#include "base/number_text.h"
#include "problems/expressions/answer_store.h"
#include "problems/expressions/evaluator.h"
#include "problems/whole/operands.h"

#include <cmath>
#include <cstdio>

namespace quill
{

namespace
{

bool allDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// A rounded answer keeps the places it was rounded to, as pupils write it: 10.0378 ≈ 10.0.
std::string withPlaces(double rounded, int places)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, rounded == 0 ? 0.0 : rounded);
    return buffer;
}

ShownAnswer uncomputable()
{
    return {"＝", std::string(uncomputableAnswer)};
}

} // namespace

bool isWholeNumberDivision(std::string_view item)
{
    constexpr std::string_view sign = "÷";
    const size_t at = item.find(sign);
    return at != std::string_view::npos && allDigits(item.substr(0, at)) &&
           allDigits(item.substr(at + sign.size()));
}

ShownAnswer keyAnswer(const AnswerStore& store, int k, std::optional<int> keptPlaces,
                      bool remainderForm)
{
    const std::string& exactText = store.exactAnswers[k];
    if (exactText == uncomputableAnswer)
        return uncomputable();
    const double exact = numericValue(exactText);
    const std::string& quotient = store.wholeQuotients[k];
    // A percent item is a value, never "how many times and what is left": 45%÷9 is 5%.
    const bool percent = store.itemTexts[k].find('%') != std::string::npos;
    const bool leavesRemainder =
        !percent && !quotient.empty() && numericValue(store.remainders[k]) != 0;
    const ShownAnswer withRemainder{"＝", quotient + "……" + store.remainders[k]};
    if (remainderForm && leavesRemainder)
        return withRemainder;
    if (!keptPlaces) {
        const bool tooLong = decimalPlaces(exact) > longestShownPlaces;
        if (tooLong && leavesRemainder && isWholeNumberDivision(store.itemTexts[k]))
            return withRemainder;
        return shownValue(exactText, std::nullopt);
    }
    // Each operation of the item was rounded as it went (2.5×1.5×2 keeps 3.8 after one step).
    const double rounded = numericValue(store.roundedAnswers[k]);
    if (rounded == exact)
        return {"＝", tidyValueText(exactText)};
    return {"≈", withPlaces(rounded, *keptPlaces)};
}

ShownAnswer shownValue(std::string_view valueText, std::optional<int> keptPlaces)
{
    if (valueText == uncomputableAnswer)
        return uncomputable();
    const double exact = numericValue(valueText);
    const int places = keptPlaces.value_or(placesOfLongAnswers);
    if ((keptPlaces || decimalPlaces(exact) > longestShownPlaces) &&
        roundHalfUp(exact, places) != exact)
        return {"≈", withPlaces(roundHalfUp(exact, places), places)};
    return {"＝", tidyValueText(std::string(valueText))};
}

double estimate(double value)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    if (std::fabs(value) >= 10)
        return roundHalfUp(value, -1);
    for (int places = 0; places < longestShownPlaces; ++places)
        if (const double rounded = roundHalfUp(value, places); rounded != 0)
            return rounded;
    return roundHalfUp(value, longestShownPlaces);
}

ShownAnswer estimatedAnswer(const AnswerStore& store, int k)
{
    const std::string& exactText = store.exactAnswers[k];
    if (exactText == uncomputableAnswer)
        return uncomputable();
    return {"≈", shortestText(estimate(numericValue(exactText)))};
}

} // namespace quill
