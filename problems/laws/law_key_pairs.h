#pragma once

// The key pairs of the easy law items: two operands whose sum, difference, product or quotient
// is exactly 10, 100, 1000 or 10000. They are few among all pairs (a product of two decimals is
// rarely a power of ten), so they are listed and drawn directly instead of waited for.

#include "problems/laws/law_operands.h"

#include <optional>
#include <utility>
#include <vector>

namespace quill
{

enum class KeyOperation { sum, difference, product, quotient };

// How a law's key value is made: `first` and `second` of the operands combined.
struct LawKey {
    KeyOperation operation;
    ExactDecimal LawOperands::*first;
    ExactDecimal LawOperands::*second;
    long long largestValue = 10000;
};

// The operands a draw gives, as digits: the value is digits ÷ 10^places, low ≤ digits ≤ high.
struct OperandGrid {
    long long low = 0;
    long long high = 0;
    int places = 0;
};

// The grid of the range's operands when the key pairs can stand for the draw: whole numbers, or
// decimals below 100 (from 100 up a decimal operand loses its leading digits). Not with 百分数.
std::optional<OperandGrid> keyOperandGrid(const ExerciseSettings& settings, Range range);

// Every pair of grid operands whose key value is a power of ten from 10 up to the key's
// largest, in a fixed order, counted without being written out.
class KeyPairs
{
public:
    KeyPairs(const OperandGrid& grid, const LawKey& key);

    long long count() const { return count_; }
    // The pair at `index` (0 ≤ index < count()) as (first, second) values.
    std::pair<ExactDecimal, ExactDecimal> at(long long index) const;

private:
    // The pairs of one power of ten: `count` consecutive values of the operand the run steps.
    struct Run {
        long long target; // the key value times the grid's scale
        long long from;
        long long count;
    };
    void addTarget(const OperandGrid& grid, long long target);
    std::pair<long long, long long> digitsAt(const Run& run, long long step) const;

    KeyOperation operation_;
    int places_;
    std::vector<Run> runs_;
    std::vector<std::pair<long long, long long>> products_; // listed: they are few
    long long count_ = 0;
};

} // namespace quill
