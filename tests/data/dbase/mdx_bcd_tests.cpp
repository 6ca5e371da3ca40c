#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "data/dbase/MdxBcd.h"
#include "data/dbase/Table.h"

namespace dbase::mdx {
namespace {

// Bytes worked out by hand from the dBASE IV key layout: exponent byte
// (52 + E for 0.digits x 10^E), digit count << 2 | 1 with the sign in bit 7,
// then packed digits.
TEST(MdxBcd, EncodesTheDocumentedLayout) {
    struct Case {
        double value;
        std::uint8_t exponent, flags;
        std::vector<std::uint8_t> digits;
    };
    const std::vector<Case> cases = {
        {0.0, 52, 0x01, {}},
        {1.0, 53, 0x05, {0x10}},
        {120.0, 55, 0x09, {0x12}},
        {-2.5, 53, 0x89, {0x25}},
        {0.005, 50, 0x05, {0x50}},
        {1234567.0, 59, 0x1D, {0x12, 0x34, 0x56, 0x70}},
        {1.6605390666e-27, 26, 0x2D, {0x16, 0x60, 0x53, 0x90, 0x66, 0x60}},
    };
    for (const Case& c : cases) {
        const BcdKey key = encodeBcd(c.value);
        SCOPED_TRACE(c.value);
        EXPECT_EQ(key[0], c.exponent);
        EXPECT_EQ(key[1], c.flags);
        for (std::size_t i = 0; i < 10; ++i)
            EXPECT_EQ(key[2 + i], i < c.digits.size() ? c.digits[i] : 0) << "digit byte " << i;
    }
}

TEST(MdxBcd, RoundTripsDoublesExactly) {
    std::vector<double> values = {-0.0, 9.4607304725808e+17, 123456789012345678.0, 0.1, -1e-50, 1e200,
                                  1e-51};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-40, 150);
    for (int i = 0; i < 2000; ++i) values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (double v : values) EXPECT_EQ(decodeBcd(encodeBcd(v)), v) << v;
}

TEST(MdxBcd, RefusesWhatNoKeyHolds) {
    for (double v : {std::nan(""), std::numeric_limits<double>::infinity(), 1e300, -1e-60})
        EXPECT_THROW(encodeBcd(v), DbfError) << v;
    BcdKey bad = encodeBcd(12.0);
    bad[2] = 0x1A;  // second digit 10
    EXPECT_THROW(decodeBcd(bad), DbfError);
    bad[1] = 0x7D;  // 31 digits
    EXPECT_THROW(decodeBcd(bad), DbfError);
}

}  // namespace
}  // namespace dbase::mdx
