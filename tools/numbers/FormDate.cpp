#include "tools/numbers/FormDate.h"

#include <string>

#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "core/HandlerGuard.h"
#include "platform/HelpKey.h"
#include "tools/numbers/Dtcalc.h"
#include "tools/numbers/TypedDateEdit.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

namespace {

// A date picker showing the user's long date, with a calendar to drop down,
// and its weekday beside it. It holds a time of day it never shows, kept when
// the date changes; the wall-clock time is held as UTC so no daylight-saving
// gap can shift it.
TypedDateEdit* datePicker(QWidget* parent, const char* name, int top, QLabel*& weekDay, const char* weekDayName) {
    auto* picker = forms::placed(new TypedDateEdit(parent), name, {72, top, 176, 22});
    picker->setTimeSpec(Qt::UTC);
    picker->setDateRange(kFirstDate, kLastDate);
    picker->setCalendarPopup(true);
    weekDay = forms::placed(new QLabel(parent), weekDayName, {252, top + 4, 78, 16});
    QObject::connect(picker, &QDateTimeEdit::dateChanged, weekDay,
                     [picker, weekDay] { weekDay->setText(picker->weekDay()); });
    return picker;
}

QLabel* valueLabel(QWidget* parent, const char* name, int top) {
    auto* label = forms::placed(new QLabel(parent), name, {96, top, 120, 16});
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

double pickedTime(const QDateTimeEdit* picker) {
    const QDateTime at = picker->dateTime();
    return dateTimeReal(at.date(), at.time());
}

}  // namespace

TFormDate::TFormDate(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
    forms::setUpDialog(this, "FormDate", QStringLiteral("Date-Date= Years, Mouths, Days, Hours"), {332, 157});
    platform::helpOnF1(this, QStringLiteral("dates.html"));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Label1 = forms::label(this, "Label1", QStringLiteral("Start date"), {8, 12});
    DateTimePicker1 = datePicker(this, "DateTimePicker1", 8, WeekDay1, "WeekDay1");
    Label2 = forms::label(this, "Label2", QStringLiteral("End Date"), {8, 40});
    DateTimePicker2 = datePicker(this, "DateTimePicker2", 36, WeekDay2, "WeekDay2");

    Label3 = forms::label(this, "Label3", QStringLiteral("Years"), {24, 68});
    Label4 = forms::label(this, "Label4", QStringLiteral("Months"), {24, 84});
    Label5 = forms::label(this, "Label5", QStringLiteral("Days"), {24, 100});
    Label6 = forms::label(this, "Label6", QStringLiteral("Hours"), {24, 116});
    Label10 = valueLabel(this, "Label10", 67);
    Label9 = valueLabel(this, "Label9", 83);
    Label8 = valueLabel(this, "Label8", 99);
    Label7 = valueLabel(this, "Label7", 115);

    BitBtn1 = forms::placed(new QPushButton(QStringLiteral("&Close"), this), "BitBtn1", {240, 124, 84, 25});
    BitBtn1->setIcon(forms::buttonGlyph("close"));
    BitBtn1->setAutoDefault(false);

    DTCalc1 = new TDTCalc(this);
    DTCalc1->setObjectName(QStringLiteral("DTCalc1"));

    FormCreate();
    for (TypedDateEdit* picker : {DateTimePicker1, DateTimePicker2})
        connect(picker, &QDateTimeEdit::dateTimeChanged, this, kv::guard(this, &TFormDate::DateTimePicker1Change));
    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &TFormDate::BitBtn1Click));
}

void TFormDate::FormCreate() {
    // One reading of the clock for both: the span is then a whole number of days.
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime today(now.date(), now.time(), Qt::UTC);
    DateTimePicker1->setDateTime(today);
    DateTimePicker2->setDateTime(today);
}

void TFormDate::DateTimePicker1Change() {
    DTCalc1->SetStartTime(pickedTime(DateTimePicker1));
    DTCalc1->SetEndTime(pickedTime(DateTimePicker2));
    const auto rows = shownRows(*DTCalc1);
    QLabel* const values[] = {Label10, Label9, Label8, Label7};
    for (int k = 0; k < 4; ++k) values[k]->setText(QString::number(rows[k].value));
}

void TFormDate::BitBtn1Click() {
    close();
}
