// The prime list without widgets: counts against published values, every row
// against a plain sieve across segment borders, a stopped count, the command's
// text and its messages, and the largest maximum against primesieve.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "core/Error.h"
#include "tools/numbers/PrimeRows.h"
#include "tools/numbers/PrimesCommand.h"

using numbers::PrimeRows;

namespace {

const std::atomic<bool> kGoOn{false};

// The primes up to n, descending, by the textbook sieve.
std::vector<std::uint32_t> plainPrimes(std::int64_t n) {
    std::vector<bool> composite(n + 1, false);
    std::vector<std::uint32_t> primes;
    for (std::int64_t p = 2; p <= n; ++p) {
        if (composite[p]) continue;
        primes.push_back(static_cast<std::uint32_t>(p));
        for (std::int64_t m = p * p; m <= n; m += p) composite[m] = true;
    }
    return {primes.rbegin(), primes.rend()};
}

TEST(PrimeRows, CountsFirstAndLastRows) {
    // pi(10^k) from OEIS A006880; the small maxima from the window's own cases.
    struct Case { std::int64_t n, count, first; } cases[] = {
        {0, 0, 0}, {1, 0, 0}, {2, 1, 2}, {3, 2, 3}, {10, 4, 7}, {777, 137, 773},
        {100, 25, 97}, {1000, 168, 997}, {10000, 1229, 9973}, {100000, 9592, 99991},
        {1000000, 78498, 999983}, {10000000, 664579, 9999991}, {100000000, 5761455, 99999989},
    };
    for (const Case& c : cases) {
        const PrimeRows rows = PrimeRows::count(c.n, kGoOn);
        EXPECT_EQ(rows.size(), c.count) << c.n;
        EXPECT_TRUE(rows.complete()) << c.n;
        if (c.count == 0) continue;
        EXPECT_EQ(rows.at(0), c.first) << c.n;
        EXPECT_EQ(rows.at(rows.size() - 1), 2u) << c.n;
    }
}

TEST(PrimeRows, EveryRowAcrossSegmentBorders) {
    // Three segments and a bit; the last maximum ends on a segment's last odd number.
    for (std::int64_t n : {std::int64_t{1572869}, 2 * 3 * numbers::PrimeSieve::kSegmentOdds - 1}) {
        const std::vector<std::uint32_t> want = plainPrimes(n);
        const PrimeRows rows = PrimeRows::count(n, kGoOn);
        ASSERT_EQ(rows.size(), static_cast<std::int64_t>(want.size())) << n;
        // Out of order, so that the cached segments are left and found again.
        for (std::int64_t k = 0; k < rows.size(); k += 997) ASSERT_EQ(rows.at(k), want[k]) << n << " row " << k;
        for (std::int64_t k = rows.size() - 1; k >= 0; --k) ASSERT_EQ(rows.at(k), want[k]) << n << " row " << k;
        std::ostringstream text;
        numbers::writePrimes(n, text);
        std::string lines;
        for (std::uint32_t p : want) lines += std::to_string(p) + "\n";
        EXPECT_EQ(text.str(), lines) << n;
    }
}

TEST(PrimeRows, StoppedCountKeepsTheLargestPrimes) {
    const std::int64_t n = 20000000;
    const std::vector<std::uint32_t> want = plainPrimes(n);
    std::atomic<bool> stop{false};
    std::vector<std::int64_t> reports;
    const PrimeRows rows = PrimeRows::count(n, stop, [&](std::int64_t done, const PrimeRows&) {
        reports.push_back(done);
        stop = true;
    });
    EXPECT_FALSE(rows.complete());
    ASSERT_FALSE(reports.empty());
    EXPECT_GT(reports[0], 0);
    EXPECT_LT(reports.back(), n);
    ASSERT_GT(rows.size(), 0);
    ASSERT_LT(rows.size(), static_cast<std::int64_t>(want.size()) / 2);
    for (std::int64_t k = 0; k < rows.size(); ++k) ASSERT_EQ(rows.at(k), want[k]) << k;
    EXPECT_THROW(rows.at(rows.size()), std::out_of_range);
    EXPECT_EQ(PrimeRows::count(n, stop).size(), 0) << "stopped before the start";
}

// While the count goes on, the rows found so far are whole segments from the
// top: each report's rows end just above a segment's first number, and the
// rows only grow.
TEST(PrimeRows, FoundSoFarGrowsBySegmentsFromTheTop) {
    const std::int64_t n = 20000000;
    const std::vector<std::uint32_t> want = plainPrimes(n);
    std::vector<std::int64_t> sizes;
    const PrimeRows rows = PrimeRows::count(n, kGoOn, [&](std::int64_t, const PrimeRows& found) {
        PrimeRows shown = found;  // what the window copies
        sizes.push_back(shown.size());
        if (shown.size() == 0) return;
        const std::int64_t last = shown.size() - 1;
        ASSERT_EQ(shown.at(0), want[0]);
        ASSERT_EQ(shown.at(last), want[last]);
        // Odd number x is the (x / 2)-th; 2 shares the lowest segment with 1 and 3.
        const auto segment = [](std::int64_t x) { return x / 2 / numbers::PrimeSieve::kSegmentOdds; };
        const bool segmentEnds = static_cast<std::size_t>(shown.size()) == want.size() ||
                                 segment(want[last]) != segment(want[shown.size()]);
        EXPECT_TRUE(segmentEnds) << "rows end at " << want[last];
    });
    ASSERT_GT(sizes.size(), 2u);
    EXPECT_TRUE(std::is_sorted(sizes.begin(), sizes.end()));
    EXPECT_LT(sizes.front(), sizes.back());
    EXPECT_EQ(rows.size(), static_cast<std::int64_t>(want.size()));
}

TEST(PrimeMaximum, WindowMessages) {
    struct Case { const char* text; std::int64_t value; const char* message; } cases[] = {
        {"0", 0, ""}, {"2147483647", 2147483647, ""},
        {"2147483648", 0, "'2147483648' is not a valid integer value"},
        {"-1", 0, "ProgressBar1 property out of range"},
    };
    for (const Case& c : cases) {
        if (*c.message == 0) {
            EXPECT_EQ(numbers::readPrimeMaximum(c.text), c.value) << c.text;
            continue;
        }
        try {
            numbers::readPrimeMaximum(c.text);
            ADD_FAILURE() << c.text << " was read";
        } catch (const kv::Error& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(PrimeRows, LargestMaximumAsPrimesieveCounts) {
    FILE* pipe = popen("primesieve 2147483647 --count --quiet 2>/dev/null", "r");
    long long counted = -1;
    if (pipe) {
        char line[256];
        while (fgets(line, sizeof line, pipe))
            if (std::sscanf(line, "%lld", &counted) == 1) break;
        pclose(pipe);
    }
    if (counted < 0) GTEST_SKIP() << "primesieve is not installed";
    const PrimeRows rows = PrimeRows::count(2147483647, kGoOn);
    EXPECT_EQ(rows.size(), counted);
    EXPECT_EQ(rows.at(0), 2147483647u);
    EXPECT_EQ(rows.at(rows.size() - 1), 2u);
}

}  // namespace
