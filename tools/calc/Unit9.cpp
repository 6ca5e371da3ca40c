#include "tools/calc/Unit9.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <tuple>
#include <utility>

#include "core/HandlerGuard.h"
#include "core/NumberFormat.h"
#include "platform/DesktopServices.h"
#include "platform/HelpKey.h"
#include "tools/calc/GraphPlot.h"
#include "tools/calc/Tabulation.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/Clipboard.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"
#include "parser/Parser10.h"
#include "widgets/plot/Sgr_data.h"
#include "widgets/plot/Sgr_def.h"

namespace {

constexpr int kHelpContext = 150;
// While a long drawing runs, the curve is shown growing at about this interval.
constexpr int kRepaintEveryMs = 40;

QLineEdit* edit(QWidget* parent, const char* name, const QString& text, QRect place) {
    return forms::placed(new QLineEdit(text, parent), name, place);
}

QToolButton* pictureButton(QWidget* parent, const char* name, QRect place, const char* glyph, const QString& hint) {
    return forms::pictureButton(parent, name, place, forms::buttonGlyph(glyph), hint);
}

QComboBox* combo(QWidget* parent, const char* name, QRect place, const QStringList& items) {
    auto* c = forms::placed(new QComboBox(parent), name, place);
    c->setEditable(true);
    // The box offers texts to use; what is typed into it is never added to the list.
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

}  // namespace

TForm9::TForm9(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)),
      Pars1(std::make_unique<TPars>()) {
    forms::setUpDialog(this, "Form9", QStringLiteral("Graph and  calculator"), {544, 503});
    platform::helpOnF1(this, [this] { SpeedButton2Click(); });
    buildGraph();
    buildGraphFormulas();
    buildCalculator();

    connect(SpeedButton1, &QToolButton::clicked, this, kv::guard(this, &TForm9::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, kv::guard(this, &TForm9::SpeedButton2Click));
    connect(SpeedButton3, &QToolButton::clicked, this, kv::guard(this, &TForm9::SpeedButton3Click));
    connect(SpeedButton4, &QToolButton::clicked, this, kv::guard(this, &TForm9::SpeedButton4Click));
    connect(SpeedButton5, &QToolButton::clicked, this, kv::guard(this, &TForm9::SpeedButton5Click));
    connect(SpeedButton6, &QPushButton::clicked, this, kv::guard(this, &TForm9::SpeedButton6Click));
    connect(SpeedButton7, &QPushButton::clicked, this, kv::guard(this, &TForm9::SpeedButton7Click));
    connect(ComboBox1, &QComboBox::activated, this, kv::guard(this, &TForm9::ComboBox1Click));
    connect(ComboBox2, &QComboBox::activated, this, kv::guard(this, &TForm9::ComboBox2Change));

    kv::guarded([this] { FormCreate(); });
}

TForm9::~TForm9() {
    // The series belongs to this window, not to the plot; let go of it first.
    if (sp_XYLine1) sp_XYLine1->SetPlot(nullptr);
}

void TForm9::buildGraph() {
    Bevel1 = forms::bevel(this, "Bevel1", {2, 2, 495, 339});
    sp_XYPlot1 = forms::placed(new Tsp_XYPlot(this), "sp_XYPlot1", {4, 4, calc::kGraphWidth, calc::kGraphHeight});
    sp_XYPlot1->setAccessibleName(QStringLiteral("Graph"));
    sp_XYPlot1->setAccessibleDescription(QStringLiteral("The plot of the formula chosen below, over the range set beside it"));
    sp_XYLine1 = new Tsp_XYLine(this);
    sp_XYLine1->setObjectName(QStringLiteral("sp_XYLine1"));
    calc::setUpGraphPlot(*sp_XYPlot1, *sp_XYLine1);

    SpeedButton1 = pictureButton(this, "SpeedButton1", {506, 6, 32, 32}, "close", QStringLiteral("Close"));
    SpeedButton2 = pictureButton(this, "SpeedButton2", {506, 42, 32, 32}, "help", QStringLiteral("Help"));
    SpeedButton3 = pictureButton(this, "SpeedButton3", {506, 78, 32, 32}, "clear", QStringLiteral("Clear graph"));
    SpeedButton4 = pictureButton(this, "SpeedButton4", {506, 114, 32, 32}, "copy-graph",
                                 QStringLiteral("Copy graph in clipboard"));
}

void TForm9::buildGraphFormulas() {
    Bevel2 = forms::bevel(this, "Bevel2", {2, 344, 298, 157});
    Label3 = forms::heading(this, "Label3", QStringLiteral("Graph formulas"), {10, 348});

    Label9 = forms::label(this, "Label9", QStringLiteral("Formula="), {10, 373});
    Edit7 = edit(this, "Edit7", QStringLiteral("((1/2)*x^2)-4*x+a+b*c"), {68, 369, 164, 23});
    SpeedButton7 = forms::placed(new QPushButton(QStringLiteral("Draw"), this), "SpeedButton7", {238, 368, 56, 25});

    Label12 = forms::label(this, "Label12", QStringLiteral("Min X="), {10, 400});
    Edit10 = edit(this, "Edit10", QStringLiteral("0"), {68, 396, 70, 23});
    Label13 = forms::label(this, "Label13", QStringLiteral("Max X="), {150, 400});
    Edit11 = edit(this, "Edit11", QStringLiteral("10"), {204, 396, 90, 23});
    Label16 = forms::label(this, "Label16", QStringLiteral("Step (interval) ="), {10, 427});
    Edit9 = edit(this, "Edit9", QString(), {120, 423, 174, 23});

    Bevel4 = forms::bevel(this, "Bevel4", {6, 451, 144, 46});
    Label10 = forms::label(this, "Label10", QStringLiteral("Mathematical operator"), {10, 453});
    ComboBox1 = combo(this, "ComboBox1", {10, 470, 136, 23},
                      {"+", "-", "/", "*", "TAN", "SIN", "SINH", "COS", "COSH", "ARCTAN", "LN", "COTAN", "LOG10",
                       "LOG2", "RND", "RANDOM", "SQRT", "SQR", "LOGN"});
    Bevel5 = forms::bevel(this, "Bevel5", {152, 451, 144, 46});
    Label11 = forms::label(this, "Label11", QStringLiteral("functions"), {156, 453});
    // "2^x" stands twice, as the 9th and the 11th item.
    ComboBox2 = combo(this, "ComboBox2", {156, 470, 136, 23},
                      {"x", "x^2", "2/x", "2/x^2", "x^x", "x^3", "2*x^(1/2)", "(1/2)*x^(3/2)", "2^x", "(1/2)^x",
                       "2^x", "1/2*x^2-(1/2)*x-2", "4/x", "1/x", "-1/x", "2*Pi*x^2"});
}

void TForm9::buildCalculator() {
    Bevel3 = forms::bevel(this, "Bevel3", {304, 344, 238, 157});
    Label4 = forms::heading(this, "Label4", QStringLiteral("Calculator"), {312, 348});

    Label1 = forms::label(this, "Label1", QStringLiteral("Formula="), {310, 373});
    Edit1 = edit(this, "Edit1", QStringLiteral("((1/2)*x^2)-4*x+a+b*c"), {372, 369, 164, 23});

    // Two variables to a row, each field right after its label.
    auto variable = [this](const char* labelName, const char* text, const char* editName, const char* value,
                           int x, int y) {
        QLabel* l = forms::label(this, labelName, QString::fromLatin1(text), {x, y + 4});
        const int left = l->geometry().right() + 3;
        return std::make_pair(l, edit(this, editName, QString::fromLatin1(value), {left, y, x + 112 - left, 23}));
    };
    std::tie(Label2, Edit2) = variable("Label2", "variable X=", "Edit2", "2", 310, 396);
    std::tie(Label5, Edit3) = variable("Label5", "variable A=", "Edit3", "5", 426, 396);
    std::tie(Label6, Edit4) = variable("Label6", "variable B=", "Edit4", "3", 310, 423);
    std::tie(Label7, Edit5) = variable("Label7", "variable C=", "Edit5", "4", 426, 423);

    Label8 = forms::label(this, "Label8", QStringLiteral("Result: Y="), {310, 454});
    Edit6 = edit(this, "Edit6", QString(), {384, 450, 120, 23});
    Edit6->setReadOnly(true);
    SpeedButton5 =
        pictureButton(this, "SpeedButton5", {508, 449, 28, 25}, "copy", QStringLiteral("Copy to clipboard "));
    SpeedButton6 = forms::placed(new QPushButton(QStringLiteral("Calculated"), this), "SpeedButton6", {384, 475, 120, 24});
    SpeedButton6->setDefault(true);
}

void TForm9::FormCreate() {
    Edit9->setText(QString::fromStdString(kv::formatGeneral(0.5)));
}

void TForm9::SpeedButton1Click() {
    close();
}

void TForm9::SpeedButton2Click() {
    platform::desktop().help->show(kHelpContext);
}

void TForm9::SpeedButton3Click() {
    calc::clearGraph(*sp_XYPlot1, *sp_XYLine1);
}

void TForm9::SpeedButton4Click() {
    sp_XYPlot1->CopyToClipboardBitmap();
}

void TForm9::SpeedButton5Click() {
    forms::copyAll(Edit6);
}

void TForm9::SpeedButton6Click() {
    const calc::CalculatorFields fields{Edit1->text().toStdString(), Edit2->text().toStdString(),
                                        Edit3->text().toStdString(), Edit4->text().toStdString(),
                                        Edit5->text().toStdString()};
    if (std::optional<double> y = calc::calculate(*Pars1, fields))
        Edit6->setText(QString::fromStdString(kv::formatGeneral(*y)));
}

void TForm9::SpeedButton7Click() {
    sp_XYLine1->Clear();
    const calc::SamplingRange range = calc::readSamplingRange(
        Edit10->text().toStdString(), Edit11->text().toStdString(), Edit9->text().toStdString());
    // Points are appended without repainting the whole series for each; the
    // plot is painted at intervals so a long drawing is seen to grow. Waiting
    // at least twice as long as the last paint took keeps painting below a
    // third of the time, however many points the curve already has.
    QElapsedTimer sincePaint;
    sincePaint.start();
    qint64 wait = kRepaintEveryMs;
    calc::Tabulation result;
    try {
        result = calc::tabulate(*Pars1, Edit7->text().toStdString(), range, [&](double x, double y) {
            sp_XYLine1->QuickAddXY(x, y);
            // Reading the clock costs more than a sample: look at it now and then.
            if ((sp_XYLine1->Count() & 255) == 0 && sincePaint.elapsed() >= wait) {
                QElapsedTimer painting;
                painting.start();
                sp_XYPlot1->repaint();
                wait = std::max<qint64>(kRepaintEveryMs, 2 * painting.elapsed());
                sincePaint.restart();
            }
        });
    } catch (...) {
        // The error is shown all the same; the points drawn before it are put in view.
        calc::fitAxesToDrawnPoints(*sp_XYPlot1, range, *sp_XYLine1);
        throw;
    }
    calc::fitAxesToCurve(*sp_XYPlot1, range, result);
}

void TForm9::ComboBox1Click() {
    if (ComboBox1->currentIndex() < 0) return;
    Edit7->setText(Edit7->text() + ComboBox1->itemText(ComboBox1->currentIndex()));
}

void TForm9::ComboBox2Change() {
    if (ComboBox2->currentIndex() < 0) return;
    Edit7->setText(ComboBox2->itemText(ComboBox2->currentIndex()));
}
