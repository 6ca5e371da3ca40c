#include "tools/numbers/PrimesCommand.h"

#include <bit>
#include <cstring>
#include <ostream>
#include <vector>

#include "core/Error.h"
#include "core/NumberRead.h"
#include "tools/numbers/PrimeSieve.h"

namespace numbers {

namespace {

// Some hundred million lines are written: a digit-pair table and one large
// buffer keep the cost near that of the sieve itself.
constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

char* putLine(char* at, std::uint32_t n) {
    char digits[12];
    char* d = digits + sizeof digits;
    *--d = '\n';
    while (n >= 100) {
        const std::uint32_t pair = n % 100;
        n /= 100;
        d -= 2;
        std::memcpy(d, kPairs + 2 * pair, 2);
    }
    if (n >= 10) {
        d -= 2;
        std::memcpy(d, kPairs + 2 * n, 2);
    } else {
        *--d = static_cast<char>('0' + n);
    }
    const auto length = static_cast<std::size_t>(digits + sizeof digits - d);
    std::memcpy(at, d, length);
    return at + length;
}

}  // namespace

std::int64_t readPrimeMaximum(const std::string& text) {
    const int n = kv::readInteger(text);
    // The progress bar's range is 0..N, which a negative N cannot be.
    if (n < 0) throw kv::Error("ProgressBar1 property out of range");
    return n;
}

void writePrimes(std::int64_t maximum, std::ostream& out) {
    const PrimeSieve sieve(maximum);
    constexpr std::size_t kBuffer = 1 << 20;
    std::vector<char> buffer(kBuffer + 64);
    char* at = buffer.data();
    std::vector<std::uint8_t> marks;
    for (int s = sieve.segmentCount() - 1; s >= 0; --s) {
        const int n = sieve.sieve(s, marks);
        // Whole words to the end: the bytes past the segment read as no prime.
        if (marks.size() < static_cast<std::size_t>(n) + 8) marks.resize(n + 8);
        std::memset(marks.data() + n, 0, 8);
        const auto base = static_cast<std::uint32_t>(2 * (s * PrimeSieve::kSegmentOdds) + 1);
        // Words from the top, each word's primes from its highest byte.
        for (int w = (n + 7) / 8 - 1; w >= 0; --w) {
            std::uint64_t word;
            std::memcpy(&word, marks.data() + 8 * w, 8);
            while (word) {
                const int bit = 63 - std::countl_zero(word);
                word ^= std::uint64_t{1} << bit;
                at = putLine(at, base + 2 * static_cast<std::uint32_t>(8 * w + bit / 8));
            }
            if (at >= buffer.data() + kBuffer) {
                out.write(buffer.data(), at - buffer.data());
                at = buffer.data();
            }
        }
        if (s == 0) at = putLine(at, 2);
    }
    out.write(buffer.data(), at - buffer.data());
    out.flush();
}

void runPrimesCommand(const QStringList& args, std::ostream& out, std::ostream& notes) {
    const std::string text = args[0].toStdString();
    // The window's message names its progress bar, which a command has not.
    if (kv::readInteger(text) < 0) throw kv::Error("N must not be negative");
    const std::int64_t maximum = readPrimeMaximum(text);
    // An empty list, as in the window, but not a silent one.
    if (maximum < 2) notes << "There are no primes up to " << maximum << "\n";
    writePrimes(maximum, out);
}

}  // namespace numbers
