#include "window/wheel_notches.h"

namespace quill
{

namespace
{

constexpr int notch = 120;

} // namespace

int WheelNotches::add(int angleDelta)
{
    if ((angleDelta > 0 && gathered_ < 0) || (angleDelta < 0 && gathered_ > 0))
        gathered_ = 0;
    gathered_ += angleDelta;
    const int notches = gathered_ / notch;
    gathered_ -= notches * notch;
    return notches;
}

} // namespace quill
