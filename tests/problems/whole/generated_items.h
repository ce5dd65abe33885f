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
    std::string (*generate)(Workspace&, int, int);
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
    for (int i = 0; i < count; ++i) {
        const std::string text = operation.generate(app, s, e);
        const std::string& first = app.operands.firstOperand.text();
        const std::string& second = app.operands.secondOperand.text();
        // The item is the held pair exactly as held, joined by the sign.
        EXPECT_EQ(text, first + operation.sign + second);
        items.push_back({text, first, second, numericValue(first), numericValue(second)});
    }
    return items;
}

} // namespace quill::testing
