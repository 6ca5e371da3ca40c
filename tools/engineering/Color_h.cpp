#include "tools/engineering/Color_h.h"

#include <algorithm>
#include <utility>

#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include "core/Error.h"
#include "core/HandlerGuard.h"
#include "platform/HelpKey.h"
#include "tools/engineering/RgbColour.h"
#include "tools/engineering/RgbDesktop.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

namespace {

constexpr QSize kPicture(97, 117);
// A point well inside the ellipse, where a named colour is read back.
constexpr QPoint kProbe(45, 45);

QSlider* componentSlider(QWidget* parent, const char* name, QRect place) {
    auto* s = forms::placed(new QSlider(Qt::Horizontal, parent), name, place);
    s->setRange(0, 255);
    s->setPageStep(16);
    return s;
}

QLineEdit* componentBox(QWidget* parent, const char* name, QRect place) {
    auto* box = forms::placed(new QLineEdit(QStringLiteral("0"), parent), name, place);
    box->setMaxLength(11);
    return box;
}

// Writes a box only when its text differs, so that a box being typed in keeps its cursor.
void setBox(QLineEdit* box, const QString& text) {
    if (box->text() != text) box->setText(text);
}

}  // namespace

TForm4::TForm4(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
    forms::setUpDialog(this, "Form4", QStringLiteral("RGB color"), {318, 292});
    platform::helpOnF1(this, QStringLiteral("rgb.html"));

    // The picture top left, the boxes beside it, the buttons and the value on
    // the right; the grey scale and the list below; the sliders at the bottom.
    Image1 = forms::placed(new QLabel(this), "Image1", {8, 8, kPicture.width(), kPicture.height()});
    Panel1 = forms::placed(new QGroupBox(QStringLiteral("RGB"), this), "Panel1", {112, 4, 104, 92});
    Label2 = forms::label(Panel1, "Label2", QStringLiteral("Red"), {8, 22});
    MaskEdit1 = componentBox(Panel1, "MaskEdit1", {48, 18, 48, 21});
    Label3 = forms::label(Panel1, "Label3", QStringLiteral("Green"), {8, 44});
    MaskEdit2 = componentBox(Panel1, "MaskEdit2", {48, 41, 48, 21});
    Label4 = forms::label(Panel1, "Label4", QStringLiteral("Blue"), {8, 67});
    MaskEdit3 = componentBox(Panel1, "MaskEdit3", {48, 64, 48, 21});

    SpeedButton3 = forms::placed(new QPushButton(QStringLiteral("Select color"), this), "SpeedButton3",
                                 {224, 8, 86, 25});
    SpeedButton3->setAutoDefault(false);
    SpeedButton1 = forms::pictureButton(this, "SpeedButton1", {224, 40, 30, 27}, forms::buttonGlyph("invert"),
                                        QStringLiteral("invert color"));
    SpeedButton2 = forms::pictureButton(this, "SpeedButton2", {280, 40, 30, 27}, forms::buttonGlyph("close"),
                                        QStringLiteral("Close window"));
    Label9 = forms::label(this, "Label9", QStringLiteral("Color"), {224, 76});
    Label6 = forms::label(this, "Label6", QStringLiteral("Hex 0x"), {224, 94});
    Label5 = forms::label(this, "Label5", QStringLiteral("000000"), {Label6->geometry().right() + 2, 94});
    // Room for the widest six digits, not only for the first ones shown.
    int widest = 0;
    for (QChar digit : QStringLiteral("0123456789ABCDEF"))
        widest = std::max(widest, Label5->fontMetrics().horizontalAdvance(QString(6, digit)));
    Label5->resize(widest + 2, Label5->height());
    Label5->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Label7 = forms::label(this, "Label7", QStringLiteral("Gray scale"), {112, 106});
    TrackBar4 = componentSlider(this, "TrackBar4", {170, 104, 140, 20});
    Label8 = forms::label(this, "Label8", QStringLiteral("Color of programming language "), {8, 132});
    ComboBox1 = forms::placed(new QComboBox(this), "ComboBox1", {8, 148, 302, 22});
    for (const engineering::NamedColour& colour : engineering::namedColours())
        ComboBox1->addItem(QString::fromLatin1(colour.entry));
    ComboBox1->setMaxVisibleItems(16);
    ComboBox1->setCurrentIndex(-1);

    GroupBox2 = forms::placed(new QGroupBox(QStringLiteral("Color (RGB)"), this), "GroupBox2", {8, 178, 302, 106});
    Label11 = forms::label(GroupBox2, "Label11", QStringLiteral("Red"), {8, 26});
    TrackBar1 = componentSlider(GroupBox2, "TrackBar1", {50, 24, 244, 20});
    Label12 = forms::label(GroupBox2, "Label12", QStringLiteral("Green"), {8, 52});
    TrackBar2 = componentSlider(GroupBox2, "TrackBar2", {50, 50, 244, 20});
    Label13 = forms::label(GroupBox2, "Label13", QStringLiteral("Blue"), {8, 78});
    TrackBar3 = componentSlider(GroupBox2, "TrackBar3", {50, 76, 244, 20});

    Label10 = forms::label(this, "Label10", QStringLiteral("Brightness"), {0, 0});
    TrackBar5 = componentSlider(this, "TrackBar5", {0, 0, 100, 20});
    Label10->hide();
    TrackBar5->hide();

    FormCreate();
    for (QSlider* s : {TrackBar1, TrackBar2, TrackBar3})
        connect(s, &QSlider::valueChanged, this, kv::guard([this](int) { TrackBar1Change(); }));
    connect(MaskEdit1, &QLineEdit::textChanged, this, kv::guard([this](const QString&) { MaskEdit1Change(); }));
    connect(MaskEdit1, &QLineEdit::editingFinished, this, kv::guard(this, &TForm4::MaskEdit1Change));
    connect(MaskEdit2, &QLineEdit::textChanged, this, kv::guard([this](const QString&) { MaskEdit2Change(); }));
    connect(MaskEdit3, &QLineEdit::textChanged, this, kv::guard([this](const QString&) { MaskEdit3Change(); }));
    connect(TrackBar4, &QSlider::valueChanged, this, kv::guard([this](int) { TrackBar4Change(); }));
    connect(SpeedButton1, &QToolButton::clicked, this, kv::guard(this, &TForm4::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, kv::guard(this, &TForm4::SpeedButton2Click));
    connect(SpeedButton3, &QPushButton::clicked, this, kv::guard(this, &TForm4::SpeedButton3Click));
    connect(ComboBox1, &QComboBox::activated, this, kv::guard([this](int) { ComboBox1Change(); }));
}

void TForm4::FormCreate() { TrackBar1Change(); }

void TForm4::drawEllipse(const QColor& fill) {
    if (picture_.isNull()) {
        picture_ = QImage(kPicture, QImage::Format_RGB32);
        picture_.fill(Qt::white);
    }
    {
        QPainter painter(&picture_);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(fill);
        painter.drawEllipse(QRect(QPoint(0, 0), kPicture - QSize(1, 1)));
    }
    Image1->setPixmap(QPixmap::fromImage(picture_));
}

void TForm4::TrackBar1Change() {
    const engineering::Rgb colour{TrackBar1->value(), TrackBar2->value(), TrackBar3->value()};
    drawEllipse(QColor(colour.red, colour.green, colour.blue));
    setBox(MaskEdit1, QString::number(colour.red));
    setBox(MaskEdit2, QString::number(colour.green));
    setBox(MaskEdit3, QString::number(colour.blue));
    Label5->setText(QString::fromStdString(engineering::hexText(colour)));
}

void TForm4::componentChange(QLineEdit* box, QSlider* slider) {
    engineering::ComponentEntry entry{};
    try {
        entry = engineering::componentEntry(box->text().toStdString());
    } catch (const kv::Error&) {
        // One message per bad entry: the box reacts again when the message
        // box takes the focus from it, and that is no new entry.
        if (std::exchange(reported_[box], box->text()) == box->text()) return;
        throw;
    }
    reported_.remove(box);
    {
        // The box's own correction is no new change to handle.
        const QSignalBlocker quiet(box);
        setBox(box, QString::fromStdString(entry.boxText));
    }
    slider->setValue(entry.value);
}

void TForm4::MaskEdit1Change() { componentChange(MaskEdit1, TrackBar1); }

void TForm4::MaskEdit2Change() { componentChange(MaskEdit2, TrackBar2); }

void TForm4::MaskEdit3Change() { componentChange(MaskEdit3, TrackBar3); }

void TForm4::TrackBar4Change() {
    ComboBox1->setCurrentIndex(-1);
    const int grey = TrackBar4->value();
    for (QSlider* s : {TrackBar1, TrackBar2, TrackBar3}) s->setValue(grey);
    TrackBar1Change();
}

void TForm4::SpeedButton1Click() {
    for (QSlider* s : {TrackBar1, TrackBar2, TrackBar3}) s->setValue(255 - s->value());
    ComboBox1->setCurrentIndex(-1);
}

void TForm4::SpeedButton2Click() { close(); }

void TForm4::SpeedButton3Click() {
    // Made at its first use; it opens on the colour last chosen in it, not on the current mix.
    if (!ColorDialog1) {
        ColorDialog1 = new QColorDialog(this);
        ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
    }
    ColorDialog1->setCurrentColor(lastChosen_);
    if (ColorDialog1->exec() != QDialog::Accepted) return;
    lastChosen_ = ColorDialog1->selectedColor().toRgb();
    MaskEdit1->setText(QString::number(lastChosen_.red()));
    MaskEdit2->setText(QString::number(lastChosen_.green()));
    MaskEdit3->setText(QString::number(lastChosen_.blue()));
}

void TForm4::ComboBox1Change() {
    const int k = ComboBox1->currentIndex();
    if (k < 0) return;
    const engineering::Rgb named = engineering::resolveColour(engineering::namedColours()[std::size_t(k)].value, palette());
    drawEllipse(QColor(named.red, named.green, named.blue));
    // What was drawn is what the boxes take.
    const QColor drawn = picture_.pixelColor(kProbe);
    MaskEdit1->setText(QString::number(drawn.red()));
    MaskEdit2->setText(QString::number(drawn.green()));
    MaskEdit3->setText(QString::number(drawn.blue()));
}
