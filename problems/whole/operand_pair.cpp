#include "problems/whole/operand_pair.h"

#include "base/number_text.h"
#include "problems/whole/operand.h"

namespace quill
{

OperandPair pairOf(const DrawnOperands& operands)
{
    const Operand& first = operands.first;
    const Operand& second = operands.second;
    return {first.value(), second.value(), first.amount(), second.amount()};
}

std::optional<double> resultValue(ResultValue which, const OperandPair& pair)
{
    switch (which) {
    case ResultValue::Sum:
        return pair.first + pair.second;
    case ResultValue::Difference:
        return pair.first - pair.second;
    case ResultValue::Product:
        return pair.first * pair.second;
    case ResultValue::Quotient:
        if (pair.second == 0)
            return std::nullopt;
        return pair.first / pair.second;
    }
    return std::nullopt;
}

double remainderOf(const OperandPair& pair)
{
    return pair.first - fixPart(pair.first / pair.second) * pair.second;
}

bool dividesExactly(const OperandPair& pair)
{
    return pair.second != 0 && remainderOf(pair) == 0;
}

} // namespace quill
