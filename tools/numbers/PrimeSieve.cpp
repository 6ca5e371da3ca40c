#include "tools/numbers/PrimeSieve.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace numbers {

namespace {

// Odd multiples of 3, 5, 7, 11 and 13 repeat every 15015 odd numbers: copying
// that pattern strikes them out far faster than crossing them one by one.
constexpr int kPatternPrimes[] = {3, 5, 7, 11, 13};
constexpr std::int64_t kPatternLength = 3 * 5 * 7 * 11 * 13;

const std::vector<std::uint8_t>& pattern() {
    // Twice the period, so that any phase can be copied in one piece.
    static const std::vector<std::uint8_t> marks = [] {
        std::vector<std::uint8_t> m(2 * kPatternLength, 1);
        for (int p : kPatternPrimes)
            for (std::int64_t i = (p - 1) / 2; i < 2 * kPatternLength; i += p) m[i] = 0;
        return m;
    }();
    return marks;
}

std::vector<std::uint32_t> oddPrimesUpTo(std::int64_t limit) {
    std::vector<std::uint32_t> primes;
    if (limit < 3) return primes;
    std::vector<bool> composite(limit + 1, false);
    for (std::int64_t p = 3; p <= limit; p += 2) {
        if (composite[p]) continue;
        primes.push_back(static_cast<std::uint32_t>(p));
        for (std::int64_t m = p * p; m <= limit; m += 2 * p) composite[m] = true;
    }
    return primes;
}

}  // namespace

PrimeSieve::PrimeSieve(std::int64_t maximum)
    : maximum_(maximum), odds_(maximum < 2 ? 0 : (maximum + 1) / 2),
      segments_(static_cast<int>((odds_ + kSegmentOdds - 1) / kSegmentOdds)) {
    auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(std::max<std::int64_t>(maximum, 0))));
    while (root * root > maximum) --root;
    while ((root + 1) * (root + 1) <= maximum) ++root;
    for (std::uint32_t p : oddPrimesUpTo(root))
        if (p > 13) basePrimes_.push_back(p);
}

int PrimeSieve::sieve(int s, std::vector<std::uint8_t>& marks) const {
    const std::int64_t first = s * kSegmentOdds;  // index of the segment's first odd number
    const int n = static_cast<int>(std::min(kSegmentOdds, odds_ - first));
    marks.resize(kSegmentOdds);
    const std::uint8_t* phase = pattern().data() + first % kPatternLength;
    for (int done = 0; done < n;) {
        const int piece = static_cast<int>(std::min<std::int64_t>(n - done, kPatternLength));
        std::memcpy(marks.data() + done, phase + (done % kPatternLength), piece);
        done += piece;
    }
    if (s == 0) {
        marks[0] = 0;  // 1 is no prime; the pattern's primes are
        for (int p : kPatternPrimes)
            if ((p - 1) / 2 < n) marks[(p - 1) / 2] = 1;
    }
    const std::int64_t low = 2 * first + 1, high = 2 * (first + n) - 1;
    for (std::uint32_t p : basePrimes_) {
        const std::int64_t square = std::int64_t{p} * p;
        if (square > high) break;
        std::int64_t m = std::max(square, (low + p - 1) / p * p);
        if (m % 2 == 0) m += p;
        for (std::int64_t i = (m - 1) / 2 - first; i < n; i += p) marks[i] = 0;
    }
    return n;
}

std::int64_t countMarks(const std::uint8_t* marks, int n) {
    std::int64_t total = 0;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, marks + i, 8);
        total += std::popcount(word);
    }
    for (; i < n; ++i) total += marks[i];
    return total;
}

int PrimeSieve::count(int s, std::vector<std::uint8_t>& marks) const {
    const int n = sieve(s, marks);
    return static_cast<int>(countMarks(marks.data(), n)) + (s == 0 ? 1 : 0);
}

void PrimeSieve::primes(int s, std::vector<std::uint32_t>& out) const {
    std::vector<std::uint8_t> marks;
    const int n = sieve(s, marks);
    out.clear();
    if (s == 0) out.push_back(2);
    const std::int64_t first = s * kSegmentOdds;
    for (int i = 0; i < n; ++i)
        if (marks[i]) out.push_back(static_cast<std::uint32_t>(2 * (first + i) + 1));
}

}  // namespace numbers
