#include "tools/numbers/DateDiffCommand.h"

#include <ostream>

#include <QRegularExpression>

#include "core/Error.h"
#include "tools/numbers/Dtcalc.h"

namespace numbers {

namespace {

// The date of `text`; throws why it is not one the window could show.
QDate readDate(const char* name, const QString& text) {
    // The whole text, ASCII digits only: "$" alone would let a final line break through.
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4}-[0-9]{2}-[0-9]{2}")));
    const QDate date = form.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
    const std::string quoted = std::string(name) + ": '" + text.toStdString() + "'";
    if (!date.isValid()) throw kv::Error(quoted + " is not a date YYYY-MM-DD");
    if (date < kFirstDate || date > kLastDate)
        throw kv::Error(quoted + " lies outside " + kFirstDate.toString(Qt::ISODate).toStdString() + " to " +
                        kLastDate.toString(Qt::ISODate).toStdString());
    return date;
}

}  // namespace

void runDateDiffCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    const QDate start = readDate("START", args[0]);
    const QDate end = readDate("END", args[1]);
    TDTCalc calc;
    calc.SetStartTime(dateTimeReal(start));
    calc.SetEndTime(dateTimeReal(end));
    for (const SpanRow& row : shownRows(calc)) out << row.title << ": " << row.value << "\n";
}

}  // namespace numbers
