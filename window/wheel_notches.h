#pragma once

namespace quill
{

// Counts whole wheel notches (120 eighths of a degree each) in a stream of wheel deltas.
// Fine-grained wheels and touchpads send smaller deltas; they add up to notches. Turning
// back drops what had gathered in the other direction.
class WheelNotches
{
public:
    // The whole notches completed by this delta; positive away from the user.
    int add(int angleDelta);

private:
    int gathered_ = 0;
};

} // namespace quill
