#include "problems/laws/law_key_pairs.h"

#include <algorithm>

namespace quill
{

namespace
{

long long powerOfTen(int exponent)
{
    long long value = 1;
    while (exponent-- > 0)
        value *= 10;
    return value;
}

// Largest range end whose decimal operands all keep their digits: a draw lands below end + 1.
constexpr int largestKeyedDecimalEnd = 100;

} // namespace

std::optional<OperandGrid> keyOperandGrid(const ExerciseSettings& settings, Range range)
{
    if (settings.percentages.checked || range.start > range.end)
        return std::nullopt;
    if (!settings.decimals.checked)
        return OperandGrid{range.start, range.end, 0};
    const int places = settings.operandPlaces.index;
    if (places <= 0) // drawn 0 has no text and is drawn again
        return OperandGrid{std::max(range.start, 1), range.end, 0};
    if (places > 4 || range.end > largestKeyedDecimalEnd)
        return std::nullopt;
    const long long scale = powerOfTen(places);
    const OperandGrid grid{range.start * scale,
                           std::min((range.end + 1LL) * scale, 100 * scale) - 1, places};
    if (grid.low > grid.high)
        return std::nullopt;
    return grid;
}

KeyPairs::KeyPairs(const OperandGrid& grid, const LawKey& key)
    : operation_(key.operation), places_(grid.places)
{
    for (long long value = 10; value <= key.largestValue; value *= 10)
        addTarget(grid, value);
}

void KeyPairs::addTarget(const OperandGrid& grid, long long value)
{
    const long long low = grid.low, high = grid.high;
    const auto addRun = [&](long long target, long long from, long long to) {
        if (from <= to) {
            runs_.push_back({target, from, to - from + 1});
            count_ += to - from + 1;
        }
    };
    const long long scaled = value * powerOfTen(grid.places);
    switch (operation_) {
    case KeyOperation::sum: // first runs
        addRun(scaled, std::max(low, scaled - high), std::min(high, scaled - low));
        break;
    case KeyOperation::difference: // second runs
        addRun(scaled, std::max(low, low - scaled), std::min(high, high - scaled));
        break;
    case KeyOperation::quotient: // second runs, never 0
        addRun(value, std::max({low, (low + value - 1) / value, 1LL}),
               std::min(high, high / value));
        break;
    case KeyOperation::product: {
        // Both factors divide 10^n, so each is 2^i × 5^j.
        const long long product = scaled * powerOfTen(grid.places);
        for (long long twos = 1; product % twos == 0; twos *= 2)
            for (long long factor = twos; product % factor == 0; factor *= 5)
                if (factor >= low && factor <= high && product / factor >= low &&
                    product / factor <= high)
                    products_.emplace_back(factor, product / factor);
        count_ = static_cast<long long>(products_.size());
        break;
    }
    }
}

std::pair<long long, long long> KeyPairs::digitsAt(const Run& run, long long step) const
{
    const long long stepped = run.from + step;
    switch (operation_) {
    case KeyOperation::sum:
        return {stepped, run.target - stepped};
    case KeyOperation::difference:
        return {stepped + run.target, stepped};
    case KeyOperation::quotient:
        return {stepped * run.target, stepped};
    case KeyOperation::product:
        break;
    }
    return {};
}

std::pair<ExactDecimal, ExactDecimal> KeyPairs::at(long long index) const
{
    std::pair<long long, long long> digits;
    if (operation_ == KeyOperation::product) {
        digits = products_[static_cast<std::size_t>(index)];
    } else {
        auto run = runs_.begin();
        while (index >= run->count)
            index -= (run++)->count;
        digits = digitsAt(*run, index);
    }
    return {ExactDecimal::scaled(digits.first, places_),
            ExactDecimal::scaled(digits.second, places_)};
}

} // namespace quill
