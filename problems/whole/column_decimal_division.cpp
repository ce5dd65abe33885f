#include "problems/whole/column_decimal_division.h"

#include <array>
#include <cmath>
#include <numeric>

namespace quill
{

namespace
{

// A quotient of two operands at the same places ends within four places exactly when the
// dividend is a multiple of divisor ÷ gcd(divisor, 10^4).
constexpr long long shownScale = 10000;

// The divisors of 10^4: a divisor's gcd with 10^4 is one of them.
constexpr std::array<long long, 25> shownScaleDivisors = [] {
    std::array<long long, 25> divisors{};
    std::size_t k = 0;
    for (long long twos = 1; twos <= 16; twos *= 2)
        for (long long fives = 1; fives <= 625; fives *= 5)
            divisors[k++] = twos * fives;
    return divisors;
}();

// Divisors are proposed as d × c: d one of the divisors of 10^4 (with weight ln(top/d + 1)),
// c log-uniform up to top/d. That favours divisors sharing much with 10^4 about as much as
// they allow more dividends, so most proposals are kept.
struct ColumnPairs {
    DecimalCells cells;
    long long top;
    std::array<double, 25> weights{};
    double totalWeight = 0;

    explicit ColumnPairs(const DecimalCells& decimalCells)
        : cells(decimalCells), top(largestDigits(decimalCells))
    {
        for (std::size_t k = 0; k < shownScaleDivisors.size(); ++k) {
            const long long d = shownScaleDivisors[k];
            weights[k] = d <= top ? std::log(static_cast<double>(top / d) + 1) : 0;
            totalWeight += weights[k];
        }
    }

    long long proposedDivisor(RandomSource& random) const
    {
        double pick = fineUniform(random) * totalWeight;
        std::size_t k = 0;
        while (k + 1 < weights.size() && (weights[k] == 0 || pick >= weights[k]))
            pick -= weights[k++];
        const long long d = shownScaleDivisors[k];
        const long long c = static_cast<long long>(std::exp(fineUniform(random) * weights[k]));
        return c >= 1 && c <= top / d ? d * c : 0;
    }

    // The chance that proposedDivisor gives b, times totalWeight: each d dividing gcd(b, 10^4)
    // gives it through c = b/d, with chance ln(1 + d/b) / ln(top/d + 1).
    double proposalWeight(long long b) const
    {
        double weight = 0;
        for (const long long d : shownScaleDivisors)
            if (b % d == 0 && d <= top)
                weight += std::log1p(static_cast<double>(d) / static_cast<double>(b));
        return weight;
    }

    // One proposal: a divisor, then a dividend above it among the multiples of its step,
    // uniformly, skipping multiples of the divisor itself (whole quotients). Kept with a chance
    // proportional to the pair's cells over the proposal's chance.
    bool propose(Draw& draw, DrawnOperands& operands) const
    {
        const long long b = proposedDivisor(draw.random);
        if (b == 0)
            return false;
        const long long step = b / std::gcd(b, shownScale);
        const long long dividends = (top - b) / step;
        if (dividends <= 0)
            return false;
        const long long a = b + step * (1 + static_cast<long long>(fineUniform(draw.random) *
                                                                   static_cast<double>(dividends)));
        if (a > top || a % b == 0)
            return false;
        const long long dividendCells = cellsRepeating(cells, a);
        const long long divisorCells = cellsRepeating(cells, b);
        if (dividendCells == 0 || divisorCells == 0)
            return false;
        // dividends ≤ top·g/b and proposalWeight ≥ ln(1 + g/b) ≥ g/(2b), g = gcd(b, 10^4).
        const double most = static_cast<double>(mostCellsPerOperand(cells));
        const double bound = 2.0 * static_cast<double>(top) * most * most;
        const double weight = static_cast<double>(dividendCells * divisorCells) *
                              static_cast<double>(dividends) / proposalWeight(b);
        if (fineUniform(draw.random) * bound >= weight)
            return false;
        return madeFromCell(draw, cells, a, dividendCells, operands.first) &&
               madeFromCell(draw, cells, b, divisorCells, operands.second);
    }
};

} // namespace

std::optional<DrawnOperands>
buildColumnDecimalDivision(Draw& draw, const DecimalCells& cells,
                           const std::function<bool(const DrawnOperands&)>& accepts)
{
    const ColumnPairs pairs(cells);
    DrawnOperands operands;
    while (!draw.stop.stopRequested())
        if (pairs.propose(draw, operands) && accepts(operands))
            return operands;
    return std::nullopt;
}

} // namespace quill
