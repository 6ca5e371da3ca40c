#pragma once
// A segmented sieve of Eratosthenes over the odd numbers up to a maximum.
//
// Each segment holds one byte per odd number and fits the second-level cache,
// so a run touches little memory whatever the maximum; the primes of any
// segment are found again by sieving that segment alone. The number 2, the
// one even prime, belongs to segment 0.
#include <cstdint>
#include <vector>

namespace numbers {

class PrimeSieve {
public:
    // Odd numbers per segment: 256 KiB of bytes.
    static constexpr std::int64_t kSegmentOdds = 256 * 1024;

    // The sieve of 0..maximum; a maximum below 2 has no primes and no segments.
    explicit PrimeSieve(std::int64_t maximum);

    std::int64_t maximum() const { return maximum_; }
    int segmentCount() const { return segments_; }

    // Sieves segment s into `marks` (one byte per odd number of the segment,
    // 1 for a prime); returns how many odd numbers it covers.
    int sieve(int s, std::vector<std::uint8_t>& marks) const;
    // How many primes segment s holds.
    int count(int s, std::vector<std::uint8_t>& marks) const;
    // The primes of segment s, ascending.
    void primes(int s, std::vector<std::uint32_t>& out) const;

private:
    std::int64_t maximum_;
    std::int64_t odds_;  // odd numbers 1, 3, ... up to the maximum
    int segments_;
    std::vector<std::uint32_t> basePrimes_;  // odd primes up to the square root, from 17
};

// The number of 1 bytes among `marks[0, n)` (each byte 0 or 1).
std::int64_t countMarks(const std::uint8_t* marks, int n);

}  // namespace numbers
