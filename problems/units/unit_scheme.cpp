#include "problems/units/unit_scheme.h"

#include "base/number_text.h"
#include "problems/units/unit_item.h"
#include "problems/whole/operands.h"

#include <algorithm>
#include <utility>

namespace quill
{

namespace
{

// A whole value of s..e, or with 小数 a decimal of the chosen places (at most two digits
// before the point, as decimal operands have). A decimal draw of 0 is no decimal: it comes
// back empty and is drawn again.
std::string drawValue(Draw& draw, Range range)
{
    const int count = range.end - range.start + 1;
    if (!draw.settings.decimals.checked)
        return std::to_string(draw.random.below(count) + range.start);
    const float x =
        static_cast<float>(range.start) + static_cast<float>(count) * draw.random.next();
    std::string value = decimalOperandText(x, draw.settings.operandPlaces.index);
    return value == "0" ? std::string() : value;
}

std::string_view pickUnit(RandomSource& random, const UnitScheme& scheme, int span)
{
    const auto tens = static_cast<std::size_t>((random.below(span) + 1) / 10);
    return scheme.units[std::min(tens, scheme.units.size() - 1)];
}

// Picks units until the scheme accepts the pair for the value; none when the run is
// stopped meanwhile. Some schemes draw the value anew with every pick.
const UnitPair* pickPair(Draw& draw, const UnitScheme& scheme, std::string& value, Range range)
{
    for (;;) {
        if (draw.stop.stopRequested())
            return nullptr;
        if (scheme.newValueEachPass)
            value = drawValue(draw, range);
        const std::string_view from = pickUnit(draw.random, scheme, scheme.firstSpan);
        const std::string_view to = pickUnit(draw.random, scheme, scheme.secondSpan);
        if (const UnitPair* pair = findPair(scheme, from, to); pair && convertible(*pair, value))
            return pair;
    }
}

// No sheet shows a blank where a number belongs; 整数 keeps conversions whose answer is at
// least the value, so that read either way the answer is whole for a whole value.
bool keeps(const ExerciseSettings& s, const UnitItem& item)
{
    if (item.value.empty() || item.answer.empty())
        return false;
    return !s.wholeNumbers.checked || quantityValue(item.answer) >= numericValue(item.value);
}

} // namespace

bool hasWholeAnswers(const UnitScheme& scheme)
{
    const auto pickable = [&](std::string_view unit) {
        return std::find(scheme.units.begin(), scheme.units.end(), unit) != scheme.units.end();
    };
    return std::any_of(scheme.pairs.begin(), scheme.pairs.end(), [&](const UnitPair& pair) {
        return pickable(pair.from) && pickable(pair.to) &&
               (pair.how == Conversion::Times || pair.how == Conversion::MonthDays);
    });
}

const UnitPair* findPair(const UnitScheme& scheme, std::string_view from, std::string_view to)
{
    const auto found =
        std::find_if(scheme.pairs.begin(), scheme.pairs.end(),
                     [&](const UnitPair& p) { return p.from == from && p.to == to; });
    return found == scheme.pairs.end() ? nullptr : &*found;
}

UnitItem makeConversionItem(Draw& draw, const UnitFamily& family, Range range)
{
    draw.random.mixClock();
    UnitItem item;
    const UnitPair* pair = nullptr;
    do {
        const UnitScheme& scheme = family.schemeFor(draw.settings.gradeIndex());
        if (!scheme.newValueEachPass)
            item.value = drawValue(draw, range);
        pair = pickPair(draw, scheme, item.value, range);
        if (!pair)
            return item;
        item.unit = pair->from;
        item.answerUnit = pair->to;
        item.answer = convertedText(*pair, item.value);
    } while (!keeps(draw.settings, item));

    // Half the items are read back to front: the pupil converts the other way. Months keep
    // their way (31 日 is seven months, not one), and so does an item whose answer is a
    // fraction: the given value is of the set's numbers, a fraction only ever an answer.
    const bool reversible =
        pair->how != Conversion::MonthDays && item.answer.find('/') == std::string::npos;
    if (draw.random.below(2) == 1 && reversible) {
        std::swap(item.value, item.answer);
        std::swap(item.unit, item.answerUnit);
    }
    return item;
}

} // namespace quill
