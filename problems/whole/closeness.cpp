#include "problems/whole/closeness.h"

#include "problems/whole/operand_pair.h"

#include <cmath>

namespace quill
{

long long closenessThreshold(int s, int e, int v)
{
    const long long width = static_cast<long long>(e) - s + 1;
    const long long scaled = width * (100 - static_cast<long long>(v));
    // Floor, not truncation, should a reversed range ever make the width negative.
    return scaled >= 0 ? scaled / 100 : -((-scaled + 99) / 100);
}

bool isCloseEnough(const OperandPair& pair, int s, int e, int v)
{
    const double distance = std::fabs(pair.first - pair.second);
    const double threshold = static_cast<double>(closenessThreshold(s, e, v));
    return v < 50 ? distance >= threshold : distance <= threshold;
}

} // namespace quill
