#pragma once

#include <cstdint>
#include <optional>

namespace quill {

// The one source of uniform single-precision numbers in [0, 1) that runs, generators and
// builders draw from. The clock is mixed in at the start of a run and at every generator
// call; with a fixed seed a counter takes the clock's place, so a seed repeats a set.
class RandomSource {
public:
    RandomSource();
    explicit RandomSource(std::uint64_t seed);

    // Reseed: a fixed seed makes every later draw reproducible.
    void seed(std::uint64_t seed);

    // Mix the current time (or, when seeded, the next counter value) into the state.
    void mixClock();

    // A uniform value in [0, 1) with single precision.
    float next();

    // Int(next() * n): a whole number 0 .. n-1.
    int below(int n) { return static_cast<int>(static_cast<float>(n) * next()); }

    std::optional<std::uint64_t> fixedSeed() const { return fixedSeed_; }

private:
    std::uint64_t nextBits();

    std::uint64_t state_ = 0;
    std::uint64_t counter_ = 0;
    std::optional<std::uint64_t> fixedSeed_;
};

} // namespace quill
