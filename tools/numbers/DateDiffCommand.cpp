#include "tools/numbers/DateDiffCommand.h"

#include <optional>
#include <ostream>

#include <QRegularExpression>

#include "tools/numbers/Dtcalc.h"

namespace numbers {

namespace {

// The date of `text`, or nothing after saying on `err` why it is not one the window could show.
std::optional<QDate> readDate(const char* name, const QString& text, std::ostream& err) {
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = form.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
    if (!date.isValid()) {
        err << name << ": '" << text.toStdString() << "' is not a date YYYY-MM-DD\n";
        return std::nullopt;
    }
    if (date < kFirstDate || date > kLastDate) {
        err << name << ": '" << text.toStdString() << "' lies outside "
            << kFirstDate.toString(Qt::ISODate).toStdString() << " to " << kLastDate.toString(Qt::ISODate).toStdString()
            << "\n";
        return std::nullopt;
    }
    return date;
}

}  // namespace

int runDateDiffCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "Usage: Kvantor2 datediff START END   (dates as YYYY-MM-DD)\n";
        return 2;
    }
    const std::optional<QDate> start = readDate("START", args[0], err);
    const std::optional<QDate> end = readDate("END", args[1], err);
    if (!start || !end) return 1;
    TDTCalc calc;
    calc.SetStartTime(dateTimeReal(*start));
    calc.SetEndTime(dateTimeReal(*end));
    for (const SpanRow& row : shownRows(calc)) out << row.title << ": " << row.value << "\n";
    return 0;
}

}  // namespace numbers
