#pragma once

// The scheme every family of conversion items shares: draw a value, pick two units until
// the family accepts the pair, convert, keep the item if the settings allow it, and read it
// one way or the other.

#include "problems/draw.h"
#include "problems/units/unit_conversion.h"
#include "problems/units/unit_item.h"

#include <span>
#include <string>
#include <string_view>

namespace quill
{

struct UnitScheme {
    // unit1 is picked from k = floor(r × firstSpan) + 1, unit2 from secondSpan alike.
    int firstSpan = 0;
    int secondSpan = 0;
    // By tens of k: k < 10 gives units[0], k < 20 units[1] …, the last unit the rest. An
    // empty unit is no unit: the pick is not accepted.
    std::span<const std::string_view> units;
    // The pairs accepted, each with its conversion; no pair pairs a unit with itself.
    std::span<const UnitPair> pairs;
    // Draw a new value with every pick of units rather than once per item.
    bool newValueEachPass = false;
};

// A family: its scheme, and for the first grades up to `lastEarlyGrade` (grade list
// index) a smaller one.
struct UnitFamily {
    const UnitScheme& scheme;
    const UnitScheme* earlyScheme = nullptr;
    int lastEarlyGrade = 0;

    const UnitScheme& schemeFor(int grade) const
    {
        return earlyScheme && grade >= 1 && grade <= lastEarlyGrade ? *earlyScheme : scheme;
    }
};

// One item of the family, with values drawn from the range (decimals of the chosen places
// when 小数 is ticked). Never an empty value or answer; with 整数 only conversions whose answer
// is at least the value (to a unit at least as small). A stop requested meanwhile returns at
// once with an item the stopped run discards.
UnitItem makeConversionItem(Draw& draw, const UnitFamily& family, Range range);

// True when some pair the scheme can pick converts to a unit at least as small, so that
// 整数 can keep an item: the first grades' mass table has only 克 to 千克.
bool hasWholeAnswers(const UnitScheme& scheme);

// The pair of the scheme from `from` to `to`, or none.
const UnitPair* findPair(const UnitScheme& scheme, std::string_view from, std::string_view to);

} // namespace quill
