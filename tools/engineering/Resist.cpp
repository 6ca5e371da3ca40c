#include "tools/engineering/Resist.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "core/HandlerGuard.h"
#include "core/NumberFormat.h"
#include "platform/DesktopServices.h"
#include "platform/HelpKey.h"
#include "tools/engineering/BandShape.h"
#include "tools/engineering/ColorBands.h"
#include "tools/engineering/ColorCode.h"
#include "tools/engineering/OhmsLaw.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

TForm6* Form6 = nullptr;

namespace {

// The help topics of the three pages, in page order.
constexpr int kHelpContexts[] = {140, 130, 120};

template <class Band>
void paintBand(TBandShape* shape, std::span<const Band> bands, const QListWidget* list) {
    const engineering::Rgb c = bands[std::clamp(list->currentRow(), 0, int(bands.size()) - 1)].colour;
    shape->setBrushColor(QColor(c.red, c.green, c.blue));
}

int row(const QListWidget* list) { return std::max(list->currentRow(), 0); }

std::vector<std::string> entries(const QListWidget* list) {
    std::vector<std::string> all;
    for (int k = 0; k < list->count(); ++k) all.push_back(list->item(k)->text().toStdString());
    return all;
}

void showSum(QLineEdit* result, std::optional<double> sum) {
    if (sum) result->setText(QString::fromStdString(kv::formatGeneral(*sum)));
}

}  // namespace

TForm6::TForm6(QWidget* parent) : QDialog(parent, forms::dialogFrame(forms::Frame::Sizable)) {
    forms::setUpDialog(this, "Form6", QStringLiteral("Resistors,capicitors values, Ohm's Law"));
    resize(523, 346);
    setMinimumSize(523, 346);

    PageControl1 = forms::placed(new QTabWidget(this), "PageControl1", rect());
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    TabSheet3 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Resistor values"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Capacitor values"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Ohm's Law"));
    for (auto [sheet, name] : {std::pair{TabSheet1, "TabSheet1"}, {TabSheet2, "TabSheet2"}, {TabSheet3, "TabSheet3"}})
        sheet->setObjectName(QString::fromLatin1(name));
    makeResistorPage();
    makeCapacitorPage();
    makeOhmPage();
    connectHandlers();
}

void TForm6::connectHandlers() {
    const struct {
        QListWidget* list;
        void (TForm6::*click)();
    } lists[] = {{ListBox1, &TForm6::ListBox1Click}, {ListBox2, &TForm6::ListBox2Click},
                 {ListBox3, &TForm6::ListBox3Click}, {ListBox4, &TForm6::ListBox4Click},
                 {ListBox5, &TForm6::ListBox5Click}, {ListBox6, &TForm6::ListBox6Click},
                 {ListBox7, &TForm6::ListBox7Click}, {ListBox8, &TForm6::ListBox8Click},
                 {ListBox9, &TForm6::ListBox9Click}};
    // A pick by mouse or keyboard alike.
    for (const auto& l : lists) connect(l.list, &QListWidget::currentRowChanged, this, kv::guard(this, l.click));
    const struct {
        QToolButton* button;
        void (TForm6::*click)();
    } buttons[] = {{SpeedButton7, &TForm6::SpeedButton7Click},   {SpeedButton8, &TForm6::SpeedButton8Click},
                   {SpeedButton9, &TForm6::SpeedButton9Click},   {SpeedButton10, &TForm6::SpeedButton10Click},
                   {SpeedButton12, &TForm6::SpeedButton12Click}, {SpeedButton11, &TForm6::SpeedButton11Click},
                   {SpeedButton13, &TForm6::SpeedButton13Click}, {SpeedButton1, &TForm6::SpeedButton1Click},
                   {SpeedButton3, &TForm6::SpeedButton3Click},   {SpeedButton4, &TForm6::SpeedButton4Click},
                   {SpeedButton2, &TForm6::SpeedButton2Click},   {SpeedButton5, &TForm6::SpeedButton2Click},
                   {SpeedButton6, &TForm6::SpeedButton2Click}};
    for (const auto& b : buttons) connect(b.button, &QToolButton::clicked, this, kv::guard(this, b.click));
    // Enter in a value box does what its button does.
    connect(Edit1, &QLineEdit::returnPressed, this, kv::guard(this, &TForm6::SpeedButton8Click));
    connect(Edit3, &QLineEdit::returnPressed, this, kv::guard(this, &TForm6::SpeedButton12Click));
    for (QLineEdit* e : {MaskEdit1, MaskEdit2, MaskEdit3})
        connect(e, &QLineEdit::returnPressed, this, kv::guard(this, &TForm6::SpeedButton7Click));
    // F1: the help of the page in front.
    platform::helpOnF1(this, [this] {
        platform::desktop().help->show(kHelpContexts[std::max(PageControl1->currentIndex(), 0)]);
    });
}

void TForm6::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PageControl1->setGeometry(rect());
}

// --- Resistor values ------------------------------------------------------------

void TForm6::showResistorValue() {
    const engineering::ResistorReading r =
        engineering::readResistor({row(ListBox1), row(ListBox2), row(ListBox3), row(ListBox4)});
    Label8->setText(QString::fromStdString(r.ohms));
    Label21->setText(QString::fromStdString(r.scaled));
    Label5->setText(QString::fromStdString(r.tolerance));
}

void TForm6::ListBox1Click() {
    showResistorValue();
    paintBand(Shape4, engineering::digitBands(), ListBox1);
}

void TForm6::ListBox2Click() {
    showResistorValue();
    paintBand(Shape5, engineering::digitBands(), ListBox2);
}

void TForm6::ListBox3Click() {
    showResistorValue();
    paintBand(Shape6, engineering::resistorMultiplierBands(), ListBox3);
}

void TForm6::ListBox4Click() {
    showResistorValue();
    paintBand(Shape7, engineering::resistorToleranceBands(), ListBox4);
}

// --- Capacitor values -------------------------------------------------------------

void TForm6::showCapacitorValue() {
    const engineering::CapacitorReading c = engineering::readCapacitor(
        {row(ListBox9), row(ListBox5), row(ListBox6), row(ListBox7), row(ListBox8)});
    Label16->setText(QString::fromStdString(c.coefficient));
    Label14->setText(QString::fromStdString(c.picofarads));
    Label13->setText(QString::fromStdString(c.tolerance));
}

void TForm6::ListBox5Click() {
    showCapacitorValue();
    paintBand(Shape9, engineering::digitBands(), ListBox5);
}

void TForm6::ListBox6Click() {
    showCapacitorValue();
    paintBand(Shape11, engineering::digitBands(), ListBox6);
}

void TForm6::ListBox7Click() {
    showCapacitorValue();
    paintBand(Shape12, engineering::capacitorMultiplierBands(), ListBox7);
}

void TForm6::ListBox8Click() {
    showCapacitorValue();
    paintBand(Shape15, engineering::capacitorToleranceBands(), ListBox8);
}

void TForm6::ListBox9Click() {
    showCapacitorValue();
    paintBand(Shape14, engineering::capacitorCoefficientBands(), ListBox9);
}

// --- Ohm's law, series and parallel ----------------------------------------------------

void TForm6::SpeedButton7Click() {
    engineering::OhmBoxes boxes{MaskEdit1->text().toStdString(), MaskEdit2->text().toStdString(),
                                MaskEdit3->text().toStdString()};
    switch (engineering::solveOhmsLaw(boxes)) {
    case engineering::OhmUnknown::Current: MaskEdit1->setText(QString::fromStdString(boxes.amperes)); break;
    case engineering::OhmUnknown::Voltage: MaskEdit2->setText(QString::fromStdString(boxes.volts)); break;
    case engineering::OhmUnknown::Resistance: MaskEdit3->setText(QString::fromStdString(boxes.ohms)); break;
    case engineering::OhmUnknown::None: break;
    }
}

void TForm6::SpeedButton8Click() { ListBox10->addItem(Edit1->text()); }

void TForm6::SpeedButton9Click() { showSum(Edit2, engineering::seriesResistance(entries(ListBox10))); }

void TForm6::SpeedButton10Click() { ListBox10->clear(); }

void TForm6::SpeedButton12Click() { ListBox11->addItem(Edit3->text()); }

void TForm6::SpeedButton11Click() { showSum(Edit4, engineering::parallelResistance(entries(ListBox11))); }

void TForm6::SpeedButton13Click() { ListBox11->clear(); }

// --- Help, close and each showing ---------------------------------------------------------

void TForm6::SpeedButton1Click() { platform::desktop().help->show(kHelpContexts[0]); }

void TForm6::SpeedButton3Click() { platform::desktop().help->show(kHelpContexts[1]); }

void TForm6::SpeedButton4Click() { platform::desktop().help->show(kHelpContexts[2]); }

void TForm6::SpeedButton2Click() { close(); }

void TForm6::FormActivate() {
    // Every band list back to its first entry, and everything that follows them.
    for (QListWidget* list : {ListBox1, ListBox2, ListBox3, ListBox4, ListBox5, ListBox6, ListBox7, ListBox8, ListBox9}) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(0);
    }
    for (void (TForm6::*click)() : {&TForm6::ListBox1Click, &TForm6::ListBox2Click, &TForm6::ListBox3Click,
                                    &TForm6::ListBox4Click, &TForm6::ListBox5Click, &TForm6::ListBox6Click,
                                    &TForm6::ListBox7Click, &TForm6::ListBox8Click, &TForm6::ListBox9Click})
        (this->*click)();
}

void TForm6::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    kv::guarded([this] { FormActivate(); });
}
