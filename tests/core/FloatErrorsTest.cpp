#include "core/FloatErrors.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "core/Error.h"
#include "tests/support/MessageOf.h"

namespace {

// Volatile so that the compiler cannot fold the faults away at build time.
volatile double zero = 0, one = 1, minusOne = -1, huge = 1e308, tiny = 1e-308, ten = 10, three = 3;
volatile double inf = std::numeric_limits<double>::infinity();
volatile double quietNaN = std::numeric_limits<double>::quiet_NaN();

std::string faultOf(const std::function<double()>& computation) {
    try {
        kv::checkedFloat(computation);
    } catch (const kv::Error& e) {
        return e.what();
    }
    return "";
}

struct FaultCase {
    const char* name;
    std::function<double()> computation;
    const char* message;  // empty: no error
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class FloatFault : public testing::TestWithParam<FaultCase> {};

TEST_P(FloatFault, RaisesTheProgramsMessage) {
    EXPECT_EQ(faultOf(GetParam().computation), GetParam().message);
}

const char* const kInvalid = "Invalid floating point operation";
const char* const kDivision = "Floating point division by zero";
const char* const kOverflow = "Floating point overflow";

INSTANTIATE_TEST_SUITE_P(
    Computations, FloatFault,
    testing::Values(
        FaultCase{"SqrtOfMinusOne", [] { return std::sqrt(minusOne); }, kInvalid},
        FaultCase{"ZeroByZero", [] { return zero / zero; }, kInvalid},
        FaultCase{"InfMinusInf", [] { return inf - inf; }, kInvalid},
        FaultCase{"ZeroTimesInf", [] { return zero * inf; }, kInvalid},
        FaultCase{"OneByZero", [] { return one / zero; }, kDivision},
        FaultCase{"MinusOneByZero", [] { return minusOne / zero; }, kDivision},
        FaultCase{"LogOfZero", [] { return std::log(zero); }, kDivision},
        FaultCase{"TimesTen", [] { return huge * ten; }, kOverflow},
        FaultCase{"ExpOfThousand", [] { return std::exp(1000 * one); }, kOverflow},
        // Several faults at once: invalid first, then division by zero, then overflow.
        FaultCase{"InvalidAndDivision", [] { return one / zero + std::sqrt(minusOne); }, kInvalid},
        FaultCase{"DivisionAndOverflow", [] { return one / zero + huge * ten; }, kDivision},
        FaultCase{"InvalidAndOverflow", [] { return huge * ten - inf; }, kInvalid},
        // Silent: underflow, inexact results and values that are already infinite or NaN.
        FaultCase{"Underflow", [] { return tiny / 1e10; }, ""},
        FaultCase{"UnderflowToZero", [] { return tiny * tiny; }, ""},
        FaultCase{"Inexact", [] { return one / three; }, ""},
        FaultCase{"InfTimesTwo", [] { return inf * 2; }, ""},
        FaultCase{"NaNPlusOne", [] { return quietNaN + one; }, ""},
        FaultCase{"InfByTen", [] { return inf / ten; }, ""}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST(FloatGuard, IgnoresFaultsRaisedBeforeIt) {
    volatile double fault = one / zero;
    (void)fault;
    EXPECT_DOUBLE_EQ(kv::checkedFloat([] { return one / three; }), 1.0 / 3);
}

TEST(FloatGuard, HidesNothingFromAnOuterGuard) {
    kv::FloatGuard outer;
    volatile double fault = one / zero;
    (void)fault;
    EXPECT_NO_THROW(kv::checkedFloat([] { return one + one; }));
    EXPECT_TRUE(std::fetestexcept(FE_DIVBYZERO));
    try {
        outer.check();
        ADD_FAILURE() << "the outer guard lost the division by zero";
    } catch (const kv::Error& e) {
        EXPECT_STREQ(e.what(), kDivision);
    }
}

TEST(FloatGuard, ChecksComputationsWithoutAResult) {
    volatile double sink = 0;
    EXPECT_NO_THROW(kv::checkedFloat([&] { sink = one + one; }));
    EXPECT_EQ(sink, 2);
    EXPECT_THROW(kv::checkedFloat([&] { sink = huge * ten; }), kv::Error);
}

TEST(FloatGuard, ChecksStepByStep) {
    kv::FloatGuard guard;
    volatile double x = one + one;
    EXPECT_NO_THROW(guard.check());
    x = x / zero;
    EXPECT_THROW(guard.check(), kv::Error);
}

TEST(IntegerDivision, DividesAndReportsWhatCannotBeDivided) {
    EXPECT_EQ(kv::divideInt(7, 2), 3);
    EXPECT_EQ(kv::divideInt(-7, 2), -3);
    EXPECT_EQ(kv::remainderInt(-7, 2), -1);
    EXPECT_EQ(kv::divideInt(7u, 2u), 3u);
    EXPECT_EQ(kv::divideInt(INT_MIN, 1), INT_MIN);
    EXPECT_EQ(kv::remainderInt(INT_MIN, -1), 0);
    EXPECT_EQ(kv::remainderInt(LLONG_MIN, -1LL), 0);

    EXPECT_EQ(messageOf<kv::Error>([] { kv::divideInt(5, 0); }), "Division by zero");
    EXPECT_EQ(messageOf<kv::Error>([] { kv::remainderInt(5, 0); }), "Division by zero");
    EXPECT_EQ(messageOf<kv::Error>([] { kv::divideInt(0u, 0u); }), "Division by zero");
    EXPECT_EQ(messageOf<kv::Error>([] { kv::throwDivisionByZero(); }), "Division by zero");
    EXPECT_EQ(messageOf<kv::Error>([] { kv::divideInt(INT_MIN, -1); }), "Integer overflow");
    EXPECT_EQ(messageOf<kv::Error>([] { kv::divideInt(LLONG_MIN, -1LL); }), "Integer overflow");
}

}  // namespace
