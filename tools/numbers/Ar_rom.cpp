#include "tools/numbers/Ar_rom.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QToolButton>

#include "core/HandlerGuard.h"
#include "platform/DesktopServices.h"
#include "platform/HelpKey.h"
#include "platform/HelpPages.h"
#include "tools/numbers/Numerals.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/Clipboard.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

TForm3* Form3 = nullptr;

namespace {

constexpr int kHelpContext = 40;

QLineEdit* resultBox(QWidget* parent, const char* name, QRect place) {
    auto* box = forms::placed(new QLineEdit(parent), name, place);
    box->setReadOnly(true);
    return box;
}

}  // namespace

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)),
      beep(&QApplication::beep) {
    forms::setUpDialog(this, "Form3", QStringLiteral("converter arabic to roman numeral"), {484, 139});

    // The number and the buttons on the left, the Roman numeral and the base
    // to their right, the words across the bottom.
    Label2 = forms::label(this, "Label2", QStringLiteral("Arabic numerals from 1 to 32000"), {8, 6});
    Edit1 = forms::placed(new QLineEdit(QStringLiteral("1"), this), "Edit1", {8, 24, 184, 23});
    BitBtn1 = forms::placed(new QPushButton(QStringLiteral("Convert"), this), "BitBtn1", {8, 58, 90, 25});
    BitBtn1->setToolTip(QStringLiteral("Convert value"));
    BitBtn1->setIcon(forms::buttonGlyph("convert"));
    BitBtn1->setDefault(true);  // Enter in the number converts
    BitBtn2 = forms::placed(new QPushButton(QStringLiteral("&Close"), this), "BitBtn2", {102, 58, 90, 25});
    BitBtn2->setToolTip(QStringLiteral("Close window"));
    BitBtn2->setIcon(forms::buttonGlyph("close"));
    BitBtn2->setAutoDefault(false);

    Label3 = forms::label(this, "Label3", QStringLiteral("roman numerals"), {202, 6});
    Edit2 = resultBox(this, "Edit2", {202, 24, 243, 23});
    SpeedButton1 = forms::pictureButton(this, "SpeedButton1", {450, 24, 25, 23}, forms::buttonGlyph("copy"),
                                        QStringLiteral("Copy to clipboard roman numerals"), true);

    Label1 = forms::label(this, "Label1", QStringLiteral("Value"), {202, 56});
    Edit3 = resultBox(this, "Edit3", {202, 72, 174, 23});
    Label4 = forms::label(this, "Label4", QStringLiteral("to the base"), {382, 56});
    ComboBox1 = forms::placed(new QComboBox(this), "ComboBox1", {382, 72, 63, 23});
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (int base = 2; base <= 16; ++base) ComboBox1->addItem(QString::number(base));
    SpeedButton2 = forms::pictureButton(this, "SpeedButton2", {450, 72, 25, 23}, forms::buttonGlyph("copy"),
                                        QStringLiteral("Copy value to the base"), true);

    Edit4 = resultBox(this, "Edit4", {8, 106, 437, 23});
    SpeedButton3 = forms::pictureButton(this, "SpeedButton3", {450, 106, 25, 23}, forms::buttonGlyph("copy"),
                                        QStringLiteral("Copy string name"), true);

    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &TForm3::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, kv::guard(this, &TForm3::BitBtn2Click));
    connect(SpeedButton1, &QToolButton::clicked, this, kv::guard(this, &TForm3::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, kv::guard(this, &TForm3::SpeedButton2Click));
    connect(SpeedButton3, &QToolButton::clicked, this, kv::guard(this, &TForm3::SpeedButton3Click));
    // Only the user's changes of the base convert: the window's own (the
    // clamping, the reset on activation) must not run the conversion again.
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, kv::guard(this, &TForm3::BitBtn1Click));
    connect(ComboBox1, &QComboBox::activated, this, kv::guard(this, &TForm3::BitBtn1Click));
    platform::helpOnF1(this, platform::helpPageName(kHelpContext) + QStringLiteral("#numerals"));
}

void TForm3::BitBtn1Click() {
    numbers::NumeralsBoxes boxes{Edit1->text().toStdString(), ComboBox1->currentText().toStdString(),
                                 Edit2->text().toStdString(), Edit3->text().toStdString(),
                                 Edit4->text().toStdString()};
    // A failing step leaves what the steps before it filled.
    auto show = qScopeGuard([&] {
        const QSignalBlocker quiet(ComboBox1);
        const QSignalBlocker quietText(ComboBox1->lineEdit());
        if (ComboBox1->currentText().toStdString() != boxes.base)
            ComboBox1->setEditText(QString::fromStdString(boxes.base));
        Edit2->setText(QString::fromStdString(boxes.roman));
        Edit3->setText(QString::fromStdString(boxes.inBase));
        Edit4->setText(QString::fromStdString(boxes.words));
        // Long results are read from their start.
        for (QLineEdit* box : {Edit2, Edit3, Edit4}) box->setCursorPosition(0);
    });
    if (!numbers::convertNumerals(boxes) && beep) beep();
}

void TForm3::BitBtn2Click() { close(); }

void TForm3::SpeedButton1Click() { forms::copyAll(Edit2); }

void TForm3::SpeedButton2Click() { forms::copyAll(Edit3); }

void TForm3::SpeedButton3Click() { forms::copyAll(Edit4); }

void TForm3::FormActivate() {
    const QSignalBlocker quiet(ComboBox1);
    const QSignalBlocker quietText(ComboBox1->lineEdit());
    ComboBox1->setEditText(QStringLiteral("2"));
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    kv::guarded([this] { FormActivate(); });
}
