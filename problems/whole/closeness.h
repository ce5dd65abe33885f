#pragma once

// How close the two operands of an item must lie, set with the 接近度 slider: below 50 they
// must lie far apart, from 50 up close together.

namespace quill
{

struct OperandPair;

// T = floor(w·(100 − v)/100) with w = e − s + 1, computed in 64 bits.
long long closenessThreshold(int s, int e, int v);

// v < 50: |first − second| >= T; v >= 50: |first − second| <= T.
bool isCloseEnough(const OperandPair& pair, int s, int e, int v);

} // namespace quill
