// The fast general format against the first implementation on many random
// doubles of every exponent (random bit patterns, whole numbers, and half of
// them next to a midpoint between two 15-digit decimals):
//   build/bench/format_equality 50000000
// Prints the count compared and exits 1 at the first difference.
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "core/NumberFormat.h"
#include "tests/core/NumberFormatReference.h"

int main(int argc, char** argv) {
    const long long n = argc > 1 ? std::atoll(argv[1]) : 10000000;
    std::mt19937_64 random(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
    std::uniform_int_distribution<std::int64_t> digits(100000000000000, 999999999999999);
    std::uniform_int_distribution<int> exponent(-340, 310);
    char buf[kv::kGeneralMaxLength];
    for (long long k = 0; k < n; ++k) {
        double v;
        if (k % 16 == 0) {  // whole numbers of every size
            v = static_cast<double>(random() >> (random() % 64));
        } else if (k % 2 == 0) {
            const std::uint64_t bits = random();
            std::memcpy(&v, &bits, sizeof v);
        } else {
            const std::string text = std::to_string(digits(random)) + "5e" + std::to_string(exponent(random));
            v = std::nextafter(std::strtod(text.c_str(), nullptr), (k & 2) ? HUGE_VAL : 0.0);
            if (k & 4) v = std::strtod(text.c_str(), nullptr);
        }
        const std::string fast(buf, kv::writeGeneral(buf, v, "."));
        const std::string reference = referenceFormatGeneral(v, QChar('.'));
        if (fast != reference) {
            std::printf("differ at %.17g: %s against %s\n", v, fast.c_str(), reference.c_str());
            return 1;
        }
    }
    std::printf("%lld values agree\n", n);
    return 0;
}
