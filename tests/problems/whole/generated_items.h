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

struct Generator {
    OperationItem (*generate)(Draw&, Range);
    Operation operation;
};

inline const Generator addition{makeAdditionItem, Operation::Addition};
inline const Generator subtraction{makeSubtractionItem, Operation::Subtraction};
inline const Generator multiplication{makeMultiplicationItem, Operation::Multiplication};
inline const Generator division{makeDivisionItem, Operation::Division};
inline const Generator exactDivision{makeExactDivisionItem, Operation::Division};

struct GeneratedItem {
    std::string text, first, second;
    double a = 0, b = 0; // numeric values
};

inline std::vector<GeneratedItem> generateItems(Application& app, const Generator& generator, int s,
                                                int e, int count = 1500)
{
    std::vector<GeneratedItem> items;
    Draw draw = app.draw();
    for (int i = 0; i < count; ++i) {
        const OperationItem item = generator.generate(draw, {s, e});
        EXPECT_TRUE(item.isPair() && item.operation == generator.operation) << item.text();
        const std::string& first = item.terms.at(0).text;
        const std::string& second = item.terms.at(1).text;
        items.push_back({item.text(), first, second, numericValue(first), numericValue(second)});
    }
    return items;
}

} // namespace quill::testing
