#pragma once
// The span between two moments, each expressed whole in one unit: years,
// months, days, hours, minutes, seconds and milliseconds. The figures are not a
// calendar breakdown: a month is a mean month of 30.4375 days and a year a mean
// year of 365.25 days, and every figure is cut toward zero.
#include <array>

#include <QDate>
#include <QObject>
#include <QTime>
#include <QtGlobal>

// A date-time real: days from 30 December 1899 (day 0) plus the time of day as
// a fraction. Before day 0 the value stays linear (6:00 on 29 December 1899 is
// -0.75), so that the difference of two values is always the span between them.
double dateTimeReal(QDate date, QTime time = QTime(0, 0));

class TDTCalc : public QObject {
    Q_OBJECT
    Q_PROPERTY(double StartTime READ StartTime WRITE SetStartTime)
    Q_PROPERTY(double EndTime READ EndTime WRITE SetEndTime)
    Q_PROPERTY(qint64 Years READ Years)
    Q_PROPERTY(qint64 Months READ Months)
    Q_PROPERTY(qint64 Days READ Days)
    Q_PROPERTY(qint64 Hours READ Hours)
    Q_PROPERTY(qint64 Minutes READ Minutes)
    Q_PROPERTY(qint64 Seconds READ Seconds)
    Q_PROPERTY(qint64 MSeconds READ MSeconds)

public:
    explicit TDTCalc(QObject* parent = nullptr);

    double StartTime() const { return FStartTime; }
    double EndTime() const { return FEndTime; }
    // Each stores its end and recomputes, so the results are always current.
    void SetStartTime(double value);
    void SetEndTime(double value);

    qint64 Years() const { return FYears; }
    qint64 Months() const { return FMonths; }
    qint64 Days() const { return FDays; }
    qint64 Hours() const { return FHours; }
    qint64 Minutes() const { return FMinutes; }
    qint64 Seconds() const { return FSeconds; }
    qint64 MSeconds() const { return FMSeconds; }

    // Recomputes the seven results from the two ends. A milliseconds, seconds,
    // minutes, hours or days figure outside the 64-bit range is -1 and the rest
    // go on; months or years outside it throw kv::Error ("Invalid floating
    // point operation"), leaving those two as they were.
    void Calculate();

private:
    double FStartTime = 0;
    double FEndTime = 0;
    qint64 FYears = 0;
    qint64 FMonths = 0;
    qint64 FDays = 0;
    qint64 FHours = 0;
    qint64 FMinutes = 0;
    qint64 FSeconds = 0;
    qint64 FMSeconds = 0;
};

// The four figures the date window shows, top to bottom, with their titles.
struct SpanRow {
    const char* title;
    qint64 value;
};
std::array<SpanRow, 4> shownRows(const TDTCalc& calc);

// The earliest and latest dates the date window and the command take.
inline const QDate kFirstDate{100, 1, 1};
inline const QDate kLastDate{9999, 12, 31};
