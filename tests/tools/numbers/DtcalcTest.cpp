// The span between two moments in whole years, months, days and hours (and the
// unshown minutes, seconds and milliseconds), without any window.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Error.h"
#include "tests/support/MessageOf.h"
#include "tools/numbers/Dtcalc.h"

namespace {

// A time of day that a double cannot hold exactly.
const QTime kAfternoon(17, 23, 45, 678);

struct Span {
    const char* name;
    QDate start, end;
    QTime time;  // of both ends
    qint64 years, months, days, hours;
};
const Span kSpans[] = {
    {"equal dates", {2026, 12, 7}, {2026, 12, 7}, kAfternoon, 0, 0, 0, 0},
    {"one day after", {2026, 12, 7}, {2026, 12, 8}, kAfternoon, 0, 0, 1, 24},
    {"30 days: no month", {2024, 2, 1}, {2024, 3, 2}, {}, 0, 0, 30, 720},
    {"31 days: a month", {2024, 1, 1}, {2024, 2, 1}, {}, 0, 1, 31, 744},
    {"365 days: no year", {2023, 1, 1}, {2024, 1, 1}, {}, 0, 11, 365, 8760},
    {"366 days: a year", {2024, 1, 1}, {2025, 1, 1}, {}, 1, 12, 366, 8784},
    {"one day before", {2026, 12, 8}, {2026, 12, 7}, kAfternoon, 0, 0, -1, -24},
    {"40 days before: cut toward zero", {2026, 2, 10}, {2026, 1, 1}, {}, 0, -1, -40, -960},
    {"439 days", {2000, 1, 1}, {2001, 3, 15}, {}, 1, 14, 439, 10536},
    // 1461 days are exactly 4 mean years and 48 mean months.
    {"four years across day 32768", {1988, 1, 1}, {1992, 1, 1}, kAfternoon, 4, 48, 1461, 35064},
    {"a year across day 32768", {1989, 1, 1}, {1990, 1, 1}, kAfternoon, 0, 11, 365, 8760},
    {"across day 0", {1899, 12, 29}, {1899, 12, 31}, {6, 0}, 0, 0, 2, 48},
    {"first to last date", kFirstDate, kLastDate, kAfternoon, 9899, 118797, 3615899, 86781576},
};

TEST(Dtcalc, ShownFiguresOfSpans) {
    for (const Span& s : kSpans) {
        SCOPED_TRACE(s.name);
        TDTCalc calc;
        calc.SetStartTime(dateTimeReal(s.start, s.time));
        calc.SetEndTime(dateTimeReal(s.end, s.time));
        const auto rows = shownRows(calc);
        EXPECT_STREQ(rows[0].title, "Years");
        EXPECT_EQ(rows[0].value, s.years);
        EXPECT_EQ(rows[1].value, s.months);
        EXPECT_EQ(rows[2].value, s.days);
        EXPECT_EQ(rows[3].value, s.hours);
    }
}

// Whole days stay whole whatever the time of day both ends carry.
TEST(Dtcalc, WholeDaysAtEveryTimeOfDay) {
    for (int ms = 0; ms < 86400000; ms += 9973) {
        const QTime time = QTime::fromMSecsSinceStartOfDay(ms);
        TDTCalc calc;
        calc.SetStartTime(dateTimeReal({1944, 1, 1}, time));
        calc.SetEndTime(dateTimeReal({2026, 12, 7}, time));
        ASSERT_EQ(calc.Days(), 30291) << time.toString("HH:mm:ss.zzz").toStdString();
        ASSERT_EQ(calc.MSeconds(), qint64(30291) * 86400000);
    }
}

struct Raw {
    const char* name;
    double end;  // the start is day 0
    qint64 mseconds, seconds, minutes, hours, days;
};
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const Raw kRaws[] = {
    {"30 days: milliseconds past 32 bits", 30, 2592000000, 2592000, 43200, 720, 30},
    {"half a day back", -0.5, -43200000, -43200, -720, -12, 0},
    {"a millisecond short of a day", 86399999 / 86400000.0, 86399999, 86399, 1439, 23, 0},
    {"milliseconds and seconds past 64 bits", 2e14, -1, -1, 288000000000000000, 4800000000000000, 200000000000000},
    {"no number", kNaN, -1, -1, -1, -1, -1},
};

TEST(Dtcalc, UnshownFiguresAndTheirGuards) {
    for (const Raw& r : kRaws) {
        SCOPED_TRACE(r.name);
        TDTCalc calc;
        const std::string message = messageOf<kv::Error>([&] { calc.SetEndTime(r.end); });
        EXPECT_EQ(message, std::isnan(r.end) ? "Invalid floating point operation" : "(no error)");
        EXPECT_EQ(calc.MSeconds(), r.mseconds);
        EXPECT_EQ(calc.Seconds(), r.seconds);
        EXPECT_EQ(calc.Minutes(), r.minutes);
        EXPECT_EQ(calc.Hours(), r.hours);
        EXPECT_EQ(calc.Days(), r.days);
    }
}

// Months and years have no guard: past the 64-bit range the calculation
// fails, after the guarded figures, and those two keep their last values.
TEST(Dtcalc, MonthsAndYearsPastTheRangeFail) {
    TDTCalc calc;
    calc.SetEndTime(400);
    EXPECT_EQ(messageOf<kv::Error>([&] { calc.SetEndTime(1e300); }), "Invalid floating point operation");
    EXPECT_EQ(calc.EndTime(), 1e300);
    EXPECT_EQ(calc.Days(), -1);
    EXPECT_EQ(calc.Months(), 13);
    EXPECT_EQ(calc.Years(), 1);
}

}  // namespace
