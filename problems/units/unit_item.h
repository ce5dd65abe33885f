#pragma once

// A conversion item as lists and the history hold it: value1//unit1//value2//unit2, read as
// "value1 unit1 equals value2 unit2", where value2 is what the pupil finds (5//米//500//厘米).

#include <string>
#include <string_view>

namespace quill
{

inline constexpr std::string_view unitFieldSeparator = "//";

struct UnitItem {
    friend bool operator==(const UnitItem&, const UnitItem&) = default;

    std::string value;
    std::string unit;
    std::string answer;
    std::string answerUnit;
};

std::string unitItemText(const UnitItem& item);

// The four fields of an item text; fields it lacks (a damaged saved line) are empty.
UnitItem parseUnitItem(std::string_view text);

// The number a quantity text stands for: "3/2" is 1.5, "28或29" is 28 (its leading number).
double quantityValue(std::string_view text);

} // namespace quill
