#include "tools/engineering/Decib.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/HandlerGuard.h"
#include "tools/engineering/Decibel.h"
#include "platform/HelpKey.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

TDecForm* DecForm = nullptr;

namespace {

QPushButton* glyphButton(QWidget* parent, const char* name, QRect place, const char* glyph, const QString& hint) {
    auto* b = forms::placed(new QPushButton(parent), name, place);
    b->setIcon(forms::buttonGlyph(glyph));
    b->setIconSize(QSize(20, 20));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TDecForm::TDecForm(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
    forms::setUpDialog(this, "DecForm", QStringLiteral("Decibel"), {406, 113});
    platform::helpOnF1(this, QStringLiteral("decibel.html"));

    // The two values on the left, the result to their right, the kind of
    // quantity across the bottom.
    Label4 = forms::label(this, "Label4", QStringLiteral("where V2 and V1 identical  unit"), {8, 4});
    Label1 = forms::label(this, "Label1", QStringLiteral("unit V2"), {8, 26});
    MaskEdit1 = forms::placed(new QLineEdit(QStringLiteral("0"), this), "MaskEdit1", {56, 22, 112, 23});
    Label2 = forms::label(this, "Label2", QStringLiteral("unit V1"), {8, 54});
    MaskEdit2 = forms::placed(new QLineEdit(QStringLiteral("0"), this), "MaskEdit2", {56, 50, 112, 23});
    BitBtn1 = glyphButton(this, "BitBtn1", {176, 34, 34, 27}, "convert", QStringLiteral("Calculate"));
    Edit1 = forms::placed(new QLineEdit(QStringLiteral("0"), this), "Edit1", {218, 36, 136, 23});
    Edit1->setReadOnly(true);
    Edit1->setAccessibleName(QStringLiteral("Decibels"));
    BitBtn2 = glyphButton(this, "BitBtn2", {364, 34, 34, 27}, "close", QStringLiteral("Close window"));
    RadioButton1 = forms::placed(
        new QRadioButton(QStringLiteral("if V1 and V2 power,energy ... 1 decibel=10lg(V2/V1)"), this),
        "RadioButton1", {8, 76, 390, 17});
    RadioButton2 = forms::placed(
        new QRadioButton(QStringLiteral("if V1 and V2 voltage,current strength ... 1 decibel=20lg(V2/V1)"), this),
        "RadioButton2", {8, 94, 390, 17});
    RadioButton1->setChecked(true);

    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &TDecForm::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, kv::guard(this, &TDecForm::BitBtn2Click));
    // Enter in either value calculates.
    for (QLineEdit* box : {MaskEdit1, MaskEdit2})
        connect(box, &QLineEdit::returnPressed, this, kv::guard(this, &TDecForm::BitBtn1Click));
}

void TDecForm::BitBtn1Click() {
    const auto quantity = RadioButton2->isChecked() ? engineering::Quantity::Field : engineering::Quantity::Power;
    const auto level =
        engineering::decibelText(MaskEdit1->text().toStdString(), MaskEdit2->text().toStdString(), quantity);
    if (level) Edit1->setText(QString::fromStdString(*level));
}

void TDecForm::BitBtn2Click() { close(); }
