#include "tools/numbers/PrimeRows.h"

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace numbers {

namespace {
// A screenful of rows seldom spans more than two segments; a few more keep
// scrolling back and forth cheap.
constexpr std::size_t kCachedSegments = 4;
}  // namespace

PrimeRows PrimeRows::count(std::int64_t maximum, const std::atomic<bool>& stop, const Progress& progress) {
    PrimeRows rows;
    auto sieve = std::make_shared<const PrimeSieve>(maximum);
    rows.sieve_ = sieve;
    const int segments = sieve->segmentCount();
    rows.tops_.reserve(segments + 1);
    rows.tops_.push_back(0);
    // Segments are handed out from the top to every core; counts[j] is the
    // count of the j-th segment from the top, -1 until it is known.
    std::vector<std::atomic<int>> counts(segments);
    for (auto& c : counts) c.store(-1, std::memory_order_relaxed);
    // The rows grow over the segments known without a gap from the top; only
    // the calling thread touches them.
    auto grow = [&] {
        for (int j = static_cast<int>(rows.tops_.size()) - 1; j < segments; ++j) {
            const int known = counts[j].load(std::memory_order_acquire);
            if (known < 0) break;
            rows.tops_.push_back(rows.tops_.back() + known);
        }
    };
    std::atomic<int> next{0}, finished{0};
    auto work = [&](bool reports) {
        std::vector<std::uint8_t> marks;
        for (int j; !stop.load(std::memory_order_relaxed) && (j = next++) < segments;) {
            counts[j].store(sieve->count(segments - 1 - j, marks), std::memory_order_release);
            const int done = ++finished;
            if (reports && progress) {
                grow();
                progress(std::min(maximum, done * 2 * PrimeSieve::kSegmentOdds), rows);
            }
        }
    };
    const int helpers = std::min<int>(segments / 4, static_cast<int>(std::thread::hardware_concurrency()) - 1);
    std::vector<std::thread> threads;
    for (int t = 0; t < helpers; ++t) threads.emplace_back(work, false);
    work(true);
    for (std::thread& t : threads) t.join();
    // A stopped count keeps the segments done without a gap from the top.
    grow();
    return rows;
}

std::uint32_t PrimeRows::at(std::int64_t row) const {
    if (row < 0 || row >= size()) throw std::out_of_range("no such prime row");
    const auto j = static_cast<int>(std::upper_bound(tops_.begin(), tops_.end(), row) - tops_.begin()) - 1;
    const int segment = sieve_->segmentCount() - 1 - j;
    auto hit = std::find_if(cache_.begin(), cache_.end(), [&](const Cached& c) { return c.segment == segment; });
    if (hit == cache_.end()) {
        if (cache_.size() == kCachedSegments) cache_.pop_back();
        cache_.push_front({segment, {}});
        sieve_->primes(segment, cache_.front().primes);
    } else if (hit != cache_.begin()) {
        cache_.splice(cache_.begin(), cache_, hit);
    }
    const std::vector<std::uint32_t>& primes = cache_.front().primes;
    return primes[primes.size() - 1 - static_cast<std::size_t>(row - tops_[j])];
}

}  // namespace numbers
