#include "problems/whole/closeness.h"

#include "problems/whole/operand_pair.h"

#include <cmath>

namespace quill
{

long long closenessThreshold(int rangeStart, int rangeEnd, int closeness)
{
    const long long width = static_cast<long long>(rangeEnd) - rangeStart + 1;
    const long long scaled = width * (100 - static_cast<long long>(closeness));
    // Floor, not truncation, should a reversed range ever make the width negative.
    return scaled >= 0 ? scaled / 100 : -((-scaled + 99) / 100);
}

bool isCloseEnough(const OperandPair& pair, int rangeStart, int rangeEnd, int closeness)
{
    const double distance = std::fabs(pair.first - pair.second);
    const double threshold =
        static_cast<double>(closenessThreshold(rangeStart, rangeEnd, closeness));
    return closeness < 50 ? distance >= threshold : distance <= threshold;
}

} // namespace quill
