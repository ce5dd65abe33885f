#include "problems/random_source.h"

#include <chrono>

namespace quill {

namespace {

// splitmix64: a small, well-mixed step that any 64-bit state can take.
std::uint64_t splitmix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t clockTicks()
{
    return static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

RandomSource::RandomSource() : state_(clockTicks()) {}

RandomSource::RandomSource(std::uint64_t seed) { this->seed(seed); }

void RandomSource::seed(std::uint64_t seed)
{
    fixedSeed_ = seed;
    state_ = seed;
    counter_ = 0;
}

void RandomSource::mixClock()
{
    std::uint64_t noise = fixedSeed_ ? ++counter_ : clockTicks();
    state_ ^= splitmix(noise);
}

std::uint64_t RandomSource::nextBits() { return splitmix(state_); }

float RandomSource::next()
{
    // The top 24 bits fill a float's mantissa exactly, so the value is below 1.
    return static_cast<float>(nextBits() >> 40) * 0x1.0p-24f;
}

} // namespace quill
