#pragma once
// The prime list, from the maximum down to 2, without holding it: only each
// segment's count is kept, and a row's number is found by sieving its
// segment again (a few recently shown segments are kept).
#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <vector>

#include "tools/numbers/PrimeSieve.h"

namespace numbers {

class PrimeRows {
public:
    PrimeRows() = default;  // no rows

    // What a count has come to: how many numbers are done, and the rows of
    // the segments counted without a gap from the top (a copy of `found` may
    // be shown while the count goes on).
    using Progress = std::function<void(std::int64_t done, const PrimeRows& found)>;

    // Counts the primes segment by segment from the top, on every core.
    // `progress` hears on the calling thread after each segment that thread
    // counts. When `stop` becomes true the count ends after the segments
    // under way, and the rows are the primes found so far: the largest ones.
    static PrimeRows count(std::int64_t maximum, const std::atomic<bool>& stop, const Progress& progress = {});

    std::int64_t maximum() const { return sieve_ ? sieve_->maximum() : 0; }
    std::int64_t size() const { return tops_.empty() ? 0 : tops_.back(); }
    // True when the count ran to 2.
    bool complete() const { return sieve_ && static_cast<int>(tops_.size()) == sieve_->segmentCount() + 1; }
    // Row 0 is the largest prime. Keeps recently sieved segments, so one
    // thread at a time.
    std::uint32_t at(std::int64_t row) const;

private:
    std::shared_ptr<const PrimeSieve> sieve_;
    // tops_[j]: how many rows the j topmost segments hold.
    std::vector<std::int64_t> tops_;
    struct Cached {
        int segment;
        std::vector<std::uint32_t> primes;
    };
    mutable std::list<Cached> cache_;  // most recently used first
};

}  // namespace numbers
