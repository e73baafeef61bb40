// The generator's random numbers: a small fixed algorithm (splitmix64) so that a seed gives
// the same module on every compiler and library, which std::uniform_int_distribution does not.
#pragma once

#include <cstdint>

namespace mwgen {

class Random {
public:
    explicit Random(uint64_t seed)
        : state_(seed)
    {
    }

    uint64_t next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number in lo..hi (both included); lo when the range is empty.
    int between(int lo, int hi)
    {
        if (hi <= lo)
            return lo;
        const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;
        return static_cast<int>(lo + static_cast<int64_t>(next() % span));
    }

    // True with probability 1/n.
    bool oneIn(int n) { return n <= 1 || next() % static_cast<uint64_t>(n) == 0; }

private:
    uint64_t state_;
};

} // namespace mwgen
