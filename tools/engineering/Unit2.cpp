#include "tools/engineering/Unit2.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "core/HandlerGuard.h"
#include "platform/HelpKey.h"
#include "tools/engineering/RadioWave.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/Clipboard.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

namespace {

QLineEdit* valueBox(QWidget* parent, const char* name, int top) {
    auto* box = forms::placed(new QLineEdit(QStringLiteral("0"), parent), name, {104, top, 150, 23});
    box->setAlignment(Qt::AlignRight);
    return box;
}

QPushButton* sideButton(QWidget* parent, const char* name, int top, const char* glyph, const QString& hint) {
    auto* b = forms::placed(new QPushButton(parent), name, {311, top, 34, 27});
    b->setIcon(forms::buttonGlyph(glyph));
    b->setIconSize(QSize(20, 20));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

void setBoxes(TForm2& form, const engineering::RadioBoxes& boxes) {
    form.MaskEdit1->setText(QString::fromStdString(boxes.frequency));
    form.MaskEdit2->setText(QString::fromStdString(boxes.wavelength));
    form.MaskEdit3->setText(QString::fromStdString(boxes.period));
}

engineering::RadioBoxes boxesOf(const TForm2& form) {
    return {form.MaskEdit1->text().toStdString(), form.MaskEdit2->text().toStdString(),
            form.MaskEdit3->text().toStdString()};
}

}  // namespace

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
    forms::setUpDialog(this, "Form2", QStringLiteral("Radio frequency to Wavelength"), {351, 105});
    platform::helpOnF1(this, QStringLiteral("radio.html"));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // Three rows of name, value, unit and copy button; the conversions and
    // Close in a column on the right.
    Label1 = forms::label(this, "Label1", QStringLiteral("Radio frequency"), {8, 12});
    MaskEdit1 = valueBox(this, "MaskEdit1", 8);
    Label3 = forms::label(this, "Label3", QStringLiteral("Hz"), {258, 12});
    SpeedButton2 = forms::pictureButton(this, "SpeedButton2", {281, 8, 23, 23}, forms::buttonGlyph("copy"),
                                        QStringLiteral("Copy to clipboard"), true);
    Label2 = forms::label(this, "Label2", QStringLiteral("Wavelength"), {8, 43});
    MaskEdit2 = valueBox(this, "MaskEdit2", 39);
    Label4 = forms::label(this, "Label4", QStringLiteral("m"), {258, 43});
    SpeedButton3 = forms::pictureButton(this, "SpeedButton3", {281, 39, 23, 23}, forms::buttonGlyph("copy"),
                                        QStringLiteral("Copy to clipboard"), true);
    Label5 = forms::label(this, "Label5", QStringLiteral("Period T=1/f"), {8, 78});
    MaskEdit3 = valueBox(this, "MaskEdit3", 74);
    MaskEdit3->setReadOnly(true);
    Label6 = forms::label(this, "Label6", QStringLiteral("sec"), {258, 78});
    SpeedButton4 = forms::pictureButton(this, "SpeedButton4", {281, 74, 23, 23}, forms::buttonGlyph("copy"),
                                        QStringLiteral("Copy"), true);

    BitBtn1 = sideButton(this, "BitBtn1", 6, "down", QStringLiteral("Convert to Wavelength"));
    BitBtn2 = sideButton(this, "BitBtn2", 38, "up", QStringLiteral("Convert to radio frequency"));
    BitBtn3 = sideButton(this, "BitBtn3", 72, "close", QStringLiteral("Close Window"));

    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &TForm2::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, kv::guard(this, &TForm2::BitBtn2Click));
    connect(BitBtn3, &QPushButton::clicked, this, kv::guard(this, &TForm2::BitBtn3Click));
    connect(SpeedButton2, &QToolButton::clicked, this, kv::guard(this, &TForm2::SpeedButton2Click));
    connect(SpeedButton3, &QToolButton::clicked, this, kv::guard(this, &TForm2::SpeedButton3Click));
    connect(SpeedButton4, &QToolButton::clicked, this, kv::guard(this, &TForm2::SpeedButton4Click));
    // Enter in a box converts from that box.
    connect(MaskEdit1, &QLineEdit::returnPressed, this, kv::guard(this, &TForm2::BitBtn1Click));
    connect(MaskEdit2, &QLineEdit::returnPressed, this, kv::guard(this, &TForm2::BitBtn2Click));
}

void TForm2::BitBtn1Click() {
    engineering::RadioBoxes boxes = boxesOf(*this);
    if (engineering::toWavelength(boxes)) setBoxes(*this, boxes);
}

void TForm2::BitBtn2Click() {
    engineering::RadioBoxes boxes = boxesOf(*this);
    if (engineering::toFrequency(boxes)) setBoxes(*this, boxes);
}

void TForm2::BitBtn3Click() { close(); }

void TForm2::SpeedButton2Click() { forms::copyAll(MaskEdit1); }

void TForm2::SpeedButton3Click() { forms::copyAll(MaskEdit2); }

void TForm2::SpeedButton4Click() { forms::copyAll(MaskEdit3); }
