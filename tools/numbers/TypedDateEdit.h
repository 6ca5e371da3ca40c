#pragma once
// A date picker that shows a locale's long date and takes it typed, section
// by section: digits for the day, the month (by number or by the start of its
// name, in any case) and the year; a separator or Tab ends a section early.
//
// The editor holds the long date without the weekday, which it cannot keep
// in step while the date is typed; `weekDay()` names it for showing beside.
#include <QDateTimeEdit>

class TypedDateEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    // Shows dates in the long format of the widget's locale.
    explicit TypedDateEdit(QWidget* parent = nullptr);

    // A date format without its weekday and the separator that joins the
    // weekday on: "dddd, d MMMM yyyy" gives "d MMMM yyyy".
    static QString withoutWeekDay(const QString& format);
    QString weekDay() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Each returns false, changing nothing, for a character the section cannot take.
    bool type(QChar c);
    bool typeMonthName(QChar c);
    // Puts what has been typed into the date; `ended` when the section is
    // left, so a short year is taken too.
    void apply(bool ended);
    void advance();
    void endSection();

    Section typing_ = NoSection;  // the section `typed_` belongs to
    QString typed_;
    int day_ = 0;  // the day typed, kept while the month or the year is typed
};
