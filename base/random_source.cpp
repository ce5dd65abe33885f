#include "base/random_source.h"

#include <chrono>

namespace quill
{

namespace
{

std::uint64_t clockTicks()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

RandomSource::RandomSource() : state_(clockTicks()) {}

RandomSource::RandomSource(std::uint64_t seed)
{
    this->seed(seed);
}

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

} // namespace quill
