#pragma once

// Draw many items from one generator and read each back as its two operands.

#include "base/number_text.h"
#include "engine/application.h"
#include "problems/whole/addition_subtraction.h"
#include "problems/whole/division.h"
#include "problems/whole/multiplication.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quill::testing
{

struct Operation {
    OperationItem (*generate)(Draw&, Range);
    std::string sign;
};

inline const Operation addition{makeAdditionItem, "＋"};
inline const Operation subtraction{makeSubtractionItem, "－"};
inline const Operation multiplication{makeMultiplicationItem, "×"};
inline const Operation division{makeDivisionItem, "÷"};
inline const Operation exactDivision{makeExactDivisionItem, "÷"};

struct GeneratedItem {
    std::string text, first, second;
    double a = 0, b = 0; // numeric values
};

inline std::vector<GeneratedItem> generateItems(Application& app, const Operation& operation, int s,
                                                int e, int count = 1500)
{
    std::vector<GeneratedItem> items;
    Draw draw = app.draw();
    for (int i = 0; i < count; ++i) {
        const OperationItem item = operation.generate(draw, {s, e});
        EXPECT_TRUE(item.isPair());
        const std::string& first = item.terms.at(0).text;
        const std::string& second = item.terms.at(1).text;
        // The item is its pair joined by the sign.
        EXPECT_EQ(item.text(), first + operation.sign + second);
        items.push_back({item.text(), first, second, numericValue(first), numericValue(second)});
    }
    return items;
}

} // namespace quill::testing
