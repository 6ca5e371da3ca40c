#pragma once
// The program's one random generator: seed * 134775813 + 1 modulo 2^32,
// seed 0 at start, never seeded from the clock, so every run draws the same
// sequence. Single-threaded like the rest of the program.
#include <cstdint>

namespace kv {

namespace detail {
extern std::uint32_t randomSeed;
}

// Advances the seed and returns seed / 2^32, in [0, 1).
inline double nextRandom() {
    detail::randomSeed = detail::randomSeed * 134775813u + 1u;  // unsigned: wraps modulo 2^32
    return detail::randomSeed / 4294967296.0;
}

inline std::uint32_t randomSeed() { return detail::randomSeed; }
// Puts the generator back to an earlier state (an evaluation that is run a
// second time to find its failing step must draw the same numbers).
inline void setRandomSeed(std::uint32_t seed) { detail::randomSeed = seed; }

}  // namespace kv
