#pragma once

#include <cstdint>
#include <optional>

namespace quill
{

// The one source of uniform single-precision numbers in [0, 1) that runs, generators and
// builders draw from. The clock is mixed in at the start of a run and at every generator
// call; with a fixed seed a counter takes the clock's place, so a seed repeats a set.
class RandomSource
{
public:
    RandomSource();
    explicit RandomSource(std::uint64_t seed);

    // Reseed: a fixed seed makes every later draw reproducible.
    void seed(std::uint64_t seed);

    // Mix the current time (or, when seeded, the next counter value) into the state.
    void mixClock();

    // A uniform value in [0, 1) with single precision: the top 24 bits fill a float's
    // mantissa exactly, so the value stays below 1.
    float next() { return static_cast<float>(nextBits() >> 40) * 0x1.0p-24f; }

    // floor(next() * n): a whole number 0 .. n-1.
    int below(int n) { return static_cast<int>(static_cast<float>(n) * next()); }

    std::optional<std::uint64_t> fixedSeed() const { return fixedSeed_; }

private:
    // splitmix64: a small, well-mixed step that any 64-bit state can take.
    static std::uint64_t splitmix(std::uint64_t& state)
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t nextBits() { return splitmix(state_); }

    std::uint64_t state_ = 0;
    std::uint64_t counter_ = 0;
    std::optional<std::uint64_t> fixedSeed_;
};

} // namespace quill
