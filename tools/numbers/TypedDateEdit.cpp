#include "tools/numbers/TypedDateEdit.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLocale>

namespace {

// The characters that join a weekday onto the date: spaces and commas (also
// the Arabic, ideographic and full-width ones), not
// the dot of an ordinal day ("d., dddd").
bool joins(QChar c) {
    return c.isSpace() || c == QLatin1Char(',') || c == QChar(0x060C) || c == QChar(0x3001) || c == QChar(0xFF0C);
}

// A month name as it is matched against what is typed: "Sept." as "sept".
QString nameLetters(const QString& name) {
    QString out;
    for (QChar c : name)
        if (c.isLetter()) out += c.toCaseFolded();
    return out;
}

// How many months have a name (long or short, in a date or standing alone)
// that begins with the letters `typed`; `first` is the first of them.
int monthsBeginning(const QLocale& locale, const QString& typed, int& first) {
    int matches = 0;
    first = 0;
    for (int m = 12; m >= 1; --m)
        for (QLocale::FormatType kind : {QLocale::LongFormat, QLocale::ShortFormat})
            if (nameLetters(locale.monthName(m, kind)).startsWith(typed) ||
                nameLetters(locale.standaloneMonthName(m, kind)).startsWith(typed)) {
                ++matches;
                first = m;
                break;
            }
    return matches;
}

}  // namespace

TypedDateEdit::TypedDateEdit(QWidget* parent) : QDateTimeEdit(parent) {
    setDisplayFormat(withoutWeekDay(locale().dateFormat(QLocale::LongFormat)));
    connect(this, &QDateTimeEdit::dateChanged, this,
            [this](QDate d) { setToolTip(locale().toString(d, QLocale::LongFormat)); });
}

QString TypedDateEdit::withoutWeekDay(const QString& format) {
    // The format as runs: quoted text, one format letter repeated, or other
    // characters; only the last kind can be a separator.
    struct Run {
        QString text;
        bool plain;
    };
    QList<Run> runs;
    for (qsizetype i = 0; i < format.size();) {
        qsizetype j = i + 1;
        if (format[i] == QLatin1Char('\'')) {
            while (j < format.size() && format[j] != QLatin1Char('\'')) ++j;
            j = std::min(j + 1, format.size());
        } else if (format[i].isLetter()) {
            while (j < format.size() && format[j] == format[i]) ++j;
        } else {
            while (j < format.size() && !format[j].isLetter() && format[j] != QLatin1Char('\'')) ++j;
        }
        runs.append({format.mid(i, j - i), !format[i].isLetter() && format[i] != QLatin1Char('\'')});
        i = j;
    }
    const auto weekDay = std::find_if(runs.begin(), runs.end(), [](const Run& r) {
        return r.text.size() >= 3 && r.text.front() == QLatin1Char('d');
    });
    if (weekDay == runs.end()) return format;
    const qsizetype at = weekDay - runs.begin();
    // Leading, the weekday takes the joining characters after it; else the
    // ones before.
    if (at == 0 && runs.size() > 1 && runs[1].plain) {
        QString& after = runs[1].text;
        while (!after.isEmpty() && joins(after.front())) after.remove(0, 1);
    } else if (at > 0 && runs[at - 1].plain) {
        QString& before = runs[at - 1].text;
        while (!before.isEmpty() && joins(before.back())) before.chop(1);
    }
    runs.remove(at);
    QString out;
    for (const Run& r : runs) out += r.text;
    return out.trimmed();
}

QString TypedDateEdit::weekDay() const { return locale().dayName(date().dayOfWeek(), QLocale::LongFormat); }

void TypedDateEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const Section section = currentSection();
    const bool typing = !isReadOnly() && text.size() == 1 && text[0].isPrint() &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                        (section == DaySection || section == MonthSection || section == YearSection);
    if (!typing) {
        endSection();
        day_ = 0;  // the keys that step the date leave another day
        return QDateTimeEdit::keyPressEvent(event);
    }
    if (section != typing_) {
        typing_ = section;
        typed_.clear();
    }
    const QChar c = text[0];
    if (c.isLetterOrNumber()) {
        type(c);  // a character the section cannot take changes nothing
    } else if (!typed_.isEmpty()) {
        // A separator ends the section typed. Just after a section ended by
        // its last character it does no more: "15. 3. 2020" moves on once
        // for each section.
        apply(true);
        advance();
    }
    event->accept();
}

bool TypedDateEdit::type(QChar c) {
    if (!c.isDigit()) return typing_ == MonthSection && typeMonthName(c);
    if (!typed_.isEmpty() && !typed_[0].isDigit()) typed_.clear();
    const int most = typing_ == YearSection ? 4 : 2;
    const int top = typing_ == DaySection ? 31 : typing_ == MonthSection ? 12 : 9999;
    if (typed_.size() == most) typed_.clear();
    const int value = (typed_ + c).toInt();
    if (value > top) return false;
    typed_ += c;
    apply(false);
    // Ends when no further digit could follow: "4" in the day, "2" in the month.
    if (typed_.size() == most || value * 10 > top) advance();
    return true;
}

bool TypedDateEdit::typeMonthName(QChar c) {
    if (!typed_.isEmpty() && typed_[0].isDigit()) typed_.clear();
    const QString tried = typed_ + c.toCaseFolded();
    int first;
    const int matches = monthsBeginning(locale(), tried, first);
    if (matches == 0) return false;
    typed_ = tried;
    apply(false);
    if (matches == 1) advance();
    return true;
}

void TypedDateEdit::apply(bool ended) {
    if (typed_.isEmpty()) return;
    const QDate now = date();
    int year = now.year(), month = now.month(), day = day_ > 0 ? day_ : now.day();
    if (!typed_[0].isDigit()) {
        // The first month the letters begin; more letters may pick another.
        if (monthsBeginning(locale(), typed_, month) == 0) return;
    } else {
        const int value = typed_.toInt();
        if (value == 0) return;
        if (typing_ == DaySection) day = day_ = value;
        if (typing_ == MonthSection) month = value;
        if (typing_ == YearSection) {
            // A year is taken when it is whole: "2" may yet become 2020.
            if ((typed_.size() < 4 && !ended) || value < minimumDate().year()) return;
            year = value;
        }
    }
    const QDate first(year, month, 1);
    setDate(first.addDays(std::min(day, first.daysInMonth()) - 1));
    setSelectedSection(typing_);
}

void TypedDateEdit::advance() {
    typed_.clear();
    for (int k = 0; k + 1 < sectionCount(); ++k)
        if (sectionAt(k) == typing_) {
            setSelectedSection(sectionAt(k + 1));
            break;
        }
    typing_ = NoSection;
}

void TypedDateEdit::endSection() {
    apply(true);
    typed_.clear();
    typing_ = NoSection;
}

void TypedDateEdit::focusOutEvent(QFocusEvent* event) {
    endSection();
    day_ = 0;
    QDateTimeEdit::focusOutEvent(event);
}

bool TypedDateEdit::focusNextPrevChild(bool next) {
    endSection();
    return QDateTimeEdit::focusNextPrevChild(next);
}
