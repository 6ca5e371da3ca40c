// The span between two moments in whole years, months, days and hours (and the
// unshown minutes, seconds and milliseconds), without any window.
#include <gtest/gtest.h>

#include <vector>

#include "core/Error.h"
#include "tests/support/MessageOf.h"
#include "tools/numbers/Dtcalc.h"

namespace {

using Figures = std::vector<qint64>;
const QTime kAfternoon(17, 23, 45, 678);  // a time of day that a double cannot hold exactly

Figures shown(const TDTCalc& calc) {
    Figures f;
    for (const SpanRow& row : shownRows(calc)) f.push_back(row.value);
    return f;
}

// Years, months, days, hours between two dates at one time of day.
TEST(Dtcalc, ShownFiguresOfSpans) {
    const struct {
        QDate start, end;
        QTime time;
        Figures expected;
    } spans[] = {
        {{2026, 12, 7}, {2026, 12, 7}, kAfternoon, {0, 0, 0, 0}},
        {{2026, 12, 7}, {2026, 12, 8}, kAfternoon, {0, 0, 1, 24}},
        {{2024, 2, 1}, {2024, 3, 2}, {}, {0, 0, 30, 720}},
        {{2024, 1, 1}, {2024, 2, 1}, {}, {0, 1, 31, 744}},
        {{2023, 1, 1}, {2024, 1, 1}, {}, {0, 11, 365, 8760}},
        {{2024, 1, 1}, {2025, 1, 1}, {}, {1, 12, 366, 8784}},
        {{2026, 12, 8}, {2026, 12, 7}, kAfternoon, {0, 0, -1, -24}},
        {{2026, 2, 10}, {2026, 1, 1}, {}, {0, -1, -40, -960}},
        {{2000, 1, 1}, {2001, 3, 15}, {}, {1, 14, 439, 10536}},
        {{1899, 12, 29}, {1899, 12, 31}, {6, 0}, {0, 0, 2, 48}},
        // 1461 days are exactly 4 mean years and 48 mean months; day 32768 lies between.
        {{1988, 1, 1}, {1992, 1, 1}, kAfternoon, {4, 48, 1461, 35064}},
        {kFirstDate, kLastDate, kAfternoon, {9899, 118797, 3615899, 86781576}},
    };
    for (const auto& s : spans) {
        TDTCalc calc;
        calc.SetStartTime(dateTimeReal(s.start, s.time));
        calc.SetEndTime(dateTimeReal(s.end, s.time));
        EXPECT_EQ(shown(calc), s.expected)
            << s.start.toString(Qt::ISODate).toStdString() << " to " << s.end.toString(Qt::ISODate).toStdString();
    }
}

// Whole days stay whole whatever the time of day both ends carry.
TEST(Dtcalc, WholeDaysAtEveryTimeOfDay) {
    for (int ms = 0; ms < 86400000; ms += 9973) {
        TDTCalc calc;
        calc.SetStartTime(dateTimeReal({1944, 1, 1}, QTime::fromMSecsSinceStartOfDay(ms)));
        calc.SetEndTime(dateTimeReal({2026, 12, 7}, QTime::fromMSecsSinceStartOfDay(ms)));
        ASSERT_EQ(calc.MSeconds(), qint64(30291) * 86400000) << ms << " ms after midnight";
    }
}

// Milliseconds, seconds, minutes, hours, days, months, years from day 0; a
// guarded figure past the 64-bit range is -1, months and years past it fail
// (after the guarded figures) and keep the values of 400 days.
TEST(Dtcalc, AllSevenFiguresAndTheirGuards) {
    const struct {
        double end;
        Figures expected;
        const char* message;
    } raws[] = {
        {30, {2592000000, 2592000, 43200, 720, 30, 0, 0}, "(no error)"},
        {-0.5, {-43200000, -43200, -720, -12, 0, 0, 0}, "(no error)"},
        {86399999 / 86400000.0, {86399999, 86399, 1439, 23, 0, 0, 0}, "(no error)"},
        {2e14,
         {-1, -1, 288000000000000000, 4800000000000000, 200000000000000, 6570841889117, 547570157426},
         "(no error)"},
        {1e300, {-1, -1, -1, -1, -1, 13, 1}, "Invalid floating point operation"},
        {qQNaN(), {-1, -1, -1, -1, -1, 13, 1}, "Invalid floating point operation"},
    };
    for (const auto& r : raws) {
        TDTCalc calc;
        calc.SetEndTime(400);
        EXPECT_EQ(messageOf<kv::Error>([&] { calc.SetEndTime(r.end); }), r.message) << r.end;
        const Figures all{calc.MSeconds(), calc.Seconds(), calc.Minutes(), calc.Hours(),
                          calc.Days(),     calc.Months(),  calc.Years()};
        EXPECT_EQ(all, r.expected) << r.end;
    }
}

}  // namespace
