// The three pages of the resistors window: the drawings, lists, texts and
// buttons at their places. What they do is in Resist.cpp.
#include <span>
#include <tuple>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

#include "tools/engineering/BandShape.h"
#include "tools/engineering/CircuitSketch.h"
#include "tools/engineering/ColorBands.h"
#include "tools/engineering/Resist.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/FormControls.h"

using engineering::colours::black;
using engineering::colours::body;

namespace {

QColor color(engineering::Rgb c) { return QColor(c.red, c.green, c.blue); }

// A component's body between its two leads; its bands are drawn over it.
std::tuple<TBandShape*, TBandShape*, TBandShape*> component(QWidget* page, const char* body, const char* leftLead,
                                                            const char* rightLead) {
    const QColor lead(150, 150, 150);
    auto* left = new TBandShape(page, leftLead, {40, 40, 131, 4}, lead);
    auto* right = new TBandShape(page, rightLead, {349, 40, 131, 4}, lead);
    auto* shape = new TBandShape(page, body, {170, 14, 180, 56}, color(engineering::colours::body),
                                 TBandShape::RoundBody);
    return {shape, left, right};
}

template <class Band>
QListWidget* bandList(QWidget* page, const char* name, QRect place, std::span<const Band> bands) {
    auto* list = forms::placed(new QListWidget(page), name, place);
    for (const Band& b : bands) list->addItem(QString::fromLatin1(b.entry));
    return list;
}

QListWidget* digitList(QWidget* page, const char* name, QRect place) {
    auto* list = forms::placed(new QListWidget(page), name, place);
    for (int d = 0; d < 10; ++d) list->addItem(QString::fromStdString(engineering::digitEntry(d)));
    return list;
}

// A value shown right-aligned in its box, so that its unit stays in place.
QLabel* valueBox(QWidget* page, const char* name, QRect place) {
    auto* l = forms::placed(new QLabel(page), name, place);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

// A text the window fills in, bold, in a box of its own width.
QLabel* boldLabel(QWidget* page, const char* name, QPoint at, int width = 100) {
    QLabel* l = forms::label(page, name, QStringLiteral(" "), at);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    l->adjustSize();
    l->resize(width, l->height());
    l->clear();
    return l;
}

QToolButton* textButton(QWidget* page, const char* name, const QString& text, QRect place) {
    auto* b = forms::placed(new QToolButton(page), name, place);
    b->setText(text);
    return b;
}

QToolButton* helpButton(QWidget* page, const char* name, QPoint at) {
    return forms::pictureButton(page, name, {at, QSize(48, 28)}, forms::buttonGlyph("help"), QStringLiteral("Help"));
}

QToolButton* closeButton(QWidget* page, const char* name, QPoint at) {
    return forms::pictureButton(page, name, {at, QSize(48, 28)}, forms::buttonGlyph("close"),
                                QStringLiteral("Close window"));
}

QLineEdit* resultEdit(QWidget* page, const char* name, QRect place) {
    auto* e = forms::placed(new QLineEdit(page), name, place);
    e->setReadOnly(true);
    return e;
}

}  // namespace

void TForm6::makeResistorPage() {
    QWidget* p = TabSheet1;
    std::tie(Shape1, Shape2, Shape3) = component(p, "Shape1", "Shape2", "Shape3");
    Shape4 = new TBandShape(p, "Shape4", {194, 14, 14, 56}, color(black));
    Shape5 = new TBandShape(p, "Shape5", {222, 14, 14, 56}, color(black));
    Shape6 = new TBandShape(p, "Shape6", {250, 14, 14, 56}, color(black));
    Shape7 = new TBandShape(p, "Shape7", {312, 14, 14, 56}, color(body));

    forms::heading(p, "Label1", QStringLiteral("First Band"), {8, 82});
    forms::heading(p, "Label2", QStringLiteral("Second Band"), {108, 82});
    forms::heading(p, "Label3", QStringLiteral("Third Band"), {208, 82});
    forms::heading(p, "Label4", QStringLiteral("Fourth Band"), {308, 82});
    forms::label(p, "Label6", QStringLiteral("Multiplier"), {208, 98});
    forms::label(p, "Label7", QStringLiteral("Tolerance"), {308, 98});
    ListBox1 = digitList(p, "ListBox1", {8, 114, 96, 196});
    ListBox2 = digitList(p, "ListBox2", {108, 114, 96, 196});
    ListBox3 = bandList(p, "ListBox3", {208, 114, 96, 196}, engineering::resistorMultiplierBands());
    ListBox4 = bandList(p, "ListBox4", {308, 114, 96, 196}, engineering::resistorToleranceBands());

    forms::label(p, "Label9", QStringLiteral("Value:"), {412, 114});
    Label8 = valueBox(p, "Label8", {412, 132, 68, 16});
    forms::label(p, "Label10", QStringLiteral("Ohms"), {483, 133});
    Label21 = boldLabel(p, "Label21", {412, 152});
    forms::label(p, "Label11", QStringLiteral("Tolerance: "), {412, 182});
    Label5 = boldLabel(p, "Label5", {412, 198});
    SpeedButton1 = helpButton(p, "SpeedButton1", {412, 282});
    SpeedButton2 = closeButton(p, "SpeedButton2", {464, 282});
}

void TForm6::makeCapacitorPage() {
    QWidget* p = TabSheet2;
    std::tie(Shape10, Shape8, Shape13) = component(p, "Shape10", "Shape8", "Shape13");
    Shape14 = new TBandShape(p, "Shape14", {186, 14, 22, 56}, color(black));
    Shape9 = new TBandShape(p, "Shape9", {226, 14, 14, 56}, color(black));
    Shape11 = new TBandShape(p, "Shape11", {254, 14, 14, 56}, color(black));
    Shape12 = new TBandShape(p, "Shape12", {282, 14, 14, 56}, color(black));
    Shape15 = new TBandShape(p, "Shape15", {318, 14, 14, 56}, color(body));

    const char* headings[] = {"First Band", "Second Band", "Third Band", "Fourth Band", "Fifth Band"};
    const char* captions[] = {"ppm/°C", "Digit", "Digit", "Multiplier", "Tolerance"};
    for (int k = 0; k < 5; ++k) {
        forms::heading(p, QStringLiteral("Label%1").arg(22 + k).toLatin1().constData(),
                       QString::fromLatin1(headings[k]), {8 + 80 * k, 82});
        forms::label(p, QStringLiteral("Label%1").arg(27 + k).toLatin1().constData(),
                     QString::fromUtf8(captions[k]), {8 + 80 * k, 98});
    }
    ListBox9 = bandList(p, "ListBox9", {8, 114, 76, 164}, engineering::capacitorCoefficientBands());
    ListBox5 = digitList(p, "ListBox5", {88, 114, 76, 164});
    ListBox6 = digitList(p, "ListBox6", {168, 114, 76, 164});
    ListBox7 = bandList(p, "ListBox7", {248, 114, 76, 164}, engineering::capacitorMultiplierBands());
    ListBox8 = bandList(p, "ListBox8", {328, 114, 76, 164}, engineering::capacitorToleranceBands());

    auto* coefficient = forms::placed(new QLabel(QString::fromUtf8("Temperature Coefficient, ppm/°C"), p), "Label15",
                                      {412, 114, 103, 30});
    coefficient->setWordWrap(true);
    Label16 = boldLabel(p, "Label16", {412, 146});
    forms::label(p, "Label17", QStringLiteral("Value:"), {412, 172});
    Label14 = valueBox(p, "Label14", {412, 190, 68, 16});
    forms::label(p, "Label18", QStringLiteral("pF"), {483, 191});
    forms::label(p, "Label19", QStringLiteral("Tolerance %"), {412, 216});
    Label13 = boldLabel(p, "Label13", {412, 232}, 52);
    forms::label(p, "Label20", QStringLiteral("*comment"), {466, 233});
    forms::label(p, "Label32",
                 QStringLiteral("* Second % Tolerance values apply if capacitance value is less than 10 pF."),
                 {8, 288});
    SpeedButton3 = helpButton(p, "SpeedButton3", {412, 282});
    SpeedButton6 = closeButton(p, "SpeedButton6", {464, 282});
}

void TForm6::makeOhmPage() {
    QWidget* p = TabSheet3;
    forms::heading(p, "Label33", QStringLiteral("Ohm's Law for direct-current"), {8, 8});
    // I = U over R, in a large serif face.
    QFont formula(QStringLiteral("Times New Roman"));
    formula.setPixelSize(22);
    formula.setItalic(true);
    forms::label(p, "Label34", QStringLiteral("I ="), {40, 44}, formula);
    forms::label(p, "Label35", QStringLiteral("U"), {82, 28}, formula);
    auto* bar = forms::placed(new QFrame(p), "Bevel1", {76, 56, 28, 2});
    bar->setFrameShape(QFrame::HLine);
    bar->setFrameShadow(QFrame::Plain);
    forms::label(p, "Label36", QStringLiteral("R"), {82, 58}, formula);

    const struct {
        QLineEdit*& edit;
        const char *name, *letter, *unit;
        int y;
    } boxes[] = {{MaskEdit1, "MaskEdit1", "I", "A", 104},
                 {MaskEdit2, "MaskEdit2", "U", "V", 134},
                 {MaskEdit3, "MaskEdit3", "R", "Ohms", 164}};
    int k = 0;
    for (const auto& b : boxes) {
        forms::label(p, QStringLiteral("Label%1").arg(37 + k).toLatin1().constData(), QString::fromLatin1(b.letter),
                     {8, b.y + 3});
        b.edit = forms::placed(new QLineEdit(QStringLiteral("1"), p), b.name, {24, b.y, 100, 22});
        forms::label(p, QStringLiteral("Label%1").arg(40 + k).toLatin1().constData(), QString::fromLatin1(b.unit),
                     {128, b.y + 3});
        ++k;
    }
    SpeedButton7 = textButton(p, "SpeedButton7", QStringLiteral("Calculate"), {24, 196, 100, 24});
    SpeedButton4 = helpButton(p, "SpeedButton4", {8, 282});
    SpeedButton5 = closeButton(p, "SpeedButton5", {60, 282});

    // Paralleling: 1 / R = 1 / Rз + 1 / Rи + ... + 1 / Rn.
    forms::bevel(p, "Bevel2", {172, 4, 174, 306});
    forms::heading(p, "Label43", QStringLiteral("Paralleling"), {178, 8});
    ParallelSketch = new TCircuitSketch(p, "ParallelSketch", {178, 26, 150, 62}, TCircuitSketch::Parallel);
    Edit3 = forms::placed(new QLineEdit(p), "Edit3", {178, 94, 66, 22});
    SpeedButton12 = textButton(p, "SpeedButton12", QStringLiteral("Add value in list"), {246, 94, 96, 22});
    ListBox11 = forms::placed(new QListWidget(p), "ListBox11", {178, 120, 164, 100});
    SpeedButton11 = textButton(p, "SpeedButton11", QStringLiteral("Calculate"), {178, 224, 80, 22});
    SpeedButton13 = textButton(p, "SpeedButton13", QStringLiteral("Clear list"), {262, 224, 80, 22});
    forms::label(p, "Label44", QStringLiteral("Result R="), {178, 257});
    Edit4 = resultEdit(p, "Edit4", {236, 254, 106, 22});

    // Series: R = Rз + Rи + ... + Rn.
    forms::bevel(p, "Bevel3", {350, 4, 167, 306});
    SeriesSketch = new TCircuitSketch(p, "SeriesSketch", {356, 22, 156, 38}, TCircuitSketch::Series);
    QPoint at(356, 66);
    int n = 45;
    for (const char* part : {"R=", "Rз +", "Rи +......+", "Rn"}) {
        QLabel* l = forms::label(p, QStringLiteral("Label%1").arg(n++).toLatin1().constData(), QString::fromUtf8(part),
                                 at);
        at.rx() += l->width() + 2;
    }
    Edit1 = forms::placed(new QLineEdit(p), "Edit1", {356, 94, 58, 22});
    SpeedButton8 = textButton(p, "SpeedButton8", QStringLiteral("Add value in list"), {416, 94, 96, 22});
    ListBox10 = forms::placed(new QListWidget(p), "ListBox10", {356, 120, 156, 100});
    SpeedButton9 = textButton(p, "SpeedButton9", QStringLiteral("Calculate"), {356, 224, 76, 22});
    SpeedButton10 = textButton(p, "SpeedButton10", QStringLiteral("Clear list"), {436, 224, 76, 22});
    forms::label(p, "Label49", QStringLiteral("Result R="), {356, 257});
    Edit2 = resultEdit(p, "Edit2", {414, 254, 98, 22});
}
