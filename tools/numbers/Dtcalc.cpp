#include "tools/numbers/Dtcalc.h"

#include <cmath>
#include <optional>

#include "core/Error.h"

namespace {

constexpr long double kMsPerDay = 86400000.0L;
constexpr long double kDaysPerMonth = 30.4375L;  // 365.25 / 12
constexpr long double kDaysPerYear = 365.25L;

// x cut toward zero, or nothing when that lies outside the 64-bit range (or x is no number).
std::optional<qint64> cut(long double x) {
    const long double whole = std::trunc(x);
    constexpr long double limit = 9223372036854775808.0L;  // 2^63
    if (!(whole >= -limit && whole < limit)) return std::nullopt;
    return static_cast<qint64>(whole);
}

qint64 cutOrMinusOne(long double x) { return cut(x).value_or(-1); }

qint64 cutOrFail(long double x) {
    if (const std::optional<qint64> v = cut(x)) return *v;
    throw kv::Error("Invalid floating point operation");
}

// Both ends carry their time of day rounded to a double, and two equal times
// of day round differently on days of different magnitude (either side of
// 17 September 1989, day 32768, for one): a span of whole days can come out a
// hair short, and cutting it would show a day and an hour less. A span within
// what that rounding can do of a whole millisecond is that millisecond.
bool isRoundingNoise(long double ms, double start, double end) {
    const long double noise = (std::fabs(static_cast<long double>(start)) + std::fabs(static_cast<long double>(end))) *
                              kMsPerDay * 0x1p-52L;
    return std::fabs(ms - std::round(ms)) <= noise;
}

}  // namespace

double dateTimeReal(QDate date, QTime time) {
    static const QDate dayZero(1899, 12, 30);
    return static_cast<double>(dayZero.daysTo(date)) + time.msecsSinceStartOfDay() / static_cast<double>(kMsPerDay);
}

TDTCalc::TDTCalc(QObject* parent) : QObject(parent) {}

void TDTCalc::SetStartTime(double value) {
    FStartTime = value;
    Calculate();
}

void TDTCalc::SetEndTime(double value) {
    FEndTime = value;
    Calculate();
}

void TDTCalc::Calculate() {
    long double d = static_cast<long double>(FEndTime) - static_cast<long double>(FStartTime);
    long double t = d * kMsPerDay;
    if (t != std::round(t) && isRoundingNoise(t, FStartTime, FEndTime)) {
        t = std::round(t);
        d = t / kMsPerDay;
    }
    FMSeconds = cutOrMinusOne(t);
    t /= 1000;
    FSeconds = cutOrMinusOne(t);
    t /= 60;
    FMinutes = cutOrMinusOne(t);
    t /= 60;
    FHours = cutOrMinusOne(t);
    t /= 24;
    FDays = cutOrMinusOne(t);
    FMonths = cutOrFail(d / kDaysPerMonth);
    FYears = cutOrFail(d / kDaysPerYear);
}

std::array<SpanRow, 4> shownRows(const TDTCalc& calc) {
    return {{{"Years", calc.Years()}, {"Months", calc.Months()}, {"Days", calc.Days()}, {"Hours", calc.Hours()}}};
}
