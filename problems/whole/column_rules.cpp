#include "problems/whole/column_rules.h"

#include "problems/whole/operand_pair.h"

#include <cmath>
#include <cstdint>

namespace quill
{

namespace
{

// Drawn operands have at most four places; scaling by 10⁴ lines up every column, and
// rounding absorbs the binary error of values such as 0.07.
constexpr double columnScale = 1e4;

std::int64_t scaledDigits(double value)
{
    return std::llabs(std::llround(value * columnScale));
}

bool wholeBetween(double value, int low, int high)
{
    return value == std::floor(value) && value >= low && value <= high;
}

} // namespace

// Until the first carry no column receives one, so the first column whose digits reach
// ten is the answer; the same holds for borrowing.
bool sumCarries(double first, double second)
{
    for (std::int64_t a = scaledDigits(first), b = scaledDigits(second); a > 0 || b > 0;
         a /= 10, b /= 10)
        if (a % 10 + b % 10 >= 10)
            return true;
    return false;
}

bool differenceBorrows(double first, double second)
{
    for (std::int64_t a = scaledDigits(first), b = scaledDigits(second); a > 0 || b > 0;
         a /= 10, b /= 10)
        if (a % 10 < b % 10)
            return true;
    return false;
}

bool makesTen(double first, double second)
{
    return wholeBetween(first, 1, 9) && wholeBetween(second, 1, 9) && first + second > 10;
}

bool breaksTen(double first, double second)
{
    return wholeBetween(first, 11, 19) && wholeBetween(second, 1, 9) &&
           differenceBorrows(first, second);
}

bool sumObeys(ColumnRule rule, const OperandPair& pair)
{
    switch (rule) {
    case ColumnRule::Any:
        return true;
    case ColumnRule::Across:
        return sumCarries(pair.first, pair.second);
    case ColumnRule::Within:
        return !sumCarries(pair.first, pair.second);
    case ColumnRule::Ten:
        return makesTen(pair.first, pair.second);
    }
    return true;
}

bool differenceObeys(ColumnRule rule, const OperandPair& pair)
{
    switch (rule) {
    case ColumnRule::Any:
        return true;
    case ColumnRule::Across:
        return differenceBorrows(pair.first, pair.second);
    case ColumnRule::Within:
        return !differenceBorrows(pair.first, pair.second);
    case ColumnRule::Ten:
        return breaksTen(pair.first, pair.second);
    }
    return true;
}

} // namespace quill
