#pragma once

// How close the two operands of an item must lie, set with the 接近度 slider: below 50 they
// must lie far apart, from 50 up close together.

namespace quill
{

struct OperandPair;

// floor(width × (100 − closeness) / 100), width = rangeEnd − rangeStart + 1, in 64 bits.
long long closenessThreshold(int rangeStart, int rangeEnd, int closeness);

// closeness < 50: |first − second| is at least the threshold; from 50 up at most.
bool isCloseEnough(const OperandPair& pair, int rangeStart, int rangeEnd, int closeness);

} // namespace quill
