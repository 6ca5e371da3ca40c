// The graph-and-calculator window offscreen: its controls as designed, the
// user's steps (calculate, draw, clear, choose from the lists, copy) and what
// the result field, the plotted line and the axes then show.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "core/HandlerGuard.h"
#include "platform/fake/FakeDesktop.h"
#include "tests/core/DefaultLocale.h"
#include "tools/calc/Unit9.h"
#include "parser/Parser10.h"
#include "widgets/plot/Sgr_data.h"
#include "widgets/plot/Sgr_def.h"

class Form9Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<platform::FakeDesktop> fakes;
    QStringList errors;
    kv::ErrorSink previousSink;
    std::unique_ptr<TForm9> form;

    void draw() { QTest::mouseClick(form->SpeedButton7, Qt::LeftButton); }
    void calculate() { QTest::mouseClick(form->SpeedButton6, Qt::LeftButton); }
    int points() const { return form->sp_XYLine1->Count(); }
    Tsp_Axis& left() { return form->sp_XYPlot1->LeftAxis(); }
    Tsp_Axis& bottom() { return form->sp_XYPlot1->BottomAxis(); }
    // The samples the black line does not run through on the plot's picture
    // (neither at the sample's pixel nor next to it).
    QStringList samplesOffThePicture() {
        const QImage image = form->sp_XYPlot1->PlotImage();
        QStringList off;
        for (int i = 0; i < points(); ++i) {
            const int px = bottom().V2P(form->sp_XYLine1->GetX(i)), py = left().V2P(form->sp_XYLine1->GetY(i));
            bool dark = false;
            for (int dx = -1; dx <= 1 && !dark; ++dx)
                for (int dy = -1; dy <= 1 && !dark; ++dy)
                    if (image.rect().contains(px + dx, py + dy)) dark = qGray(image.pixel(px + dx, py + dy)) < 80;
            if (!dark) off << QString("sample %1 at (%2, %3)").arg(i).arg(px).arg(py);
        }
        return off;
    }
    static void choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

private slots:
    void initTestCase() { QLocale::setDefault(DefaultLocale::dot()); }
    void init() {
        errors.clear();
        previousSink = kv::setErrorSink([this](const std::string& m) { errors << QString::fromStdString(m); });
        fakes = std::make_unique<platform::FakeDesktop>();
        form = std::make_unique<TForm9>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() {
        form.reset();
        fakes.reset();
        kv::setErrorSink(previousSink);
    }

    void controlsAsDesigned() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Graph and  calculator"));
        QCOMPARE(form->size(), QSize(544, 503));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->sp_XYPlot1->size(), QSize(491, 335));
        QCOMPARE(form->Edit7->text(), QStringLiteral("((1/2)*x^2)-4*x+a+b*c"));
        QCOMPARE(form->Edit1->text(), QStringLiteral("((1/2)*x^2)-4*x+a+b*c"));
        QCOMPARE(form->Edit10->text(), QStringLiteral("0"));
        QCOMPARE(form->Edit11->text(), QStringLiteral("10"));
        QCOMPARE(form->Edit9->text(), QStringLiteral("0.5"));
        const QList<QPair<QLineEdit*, QString>> variables = {
            {form->Edit2, "2"}, {form->Edit3, "5"}, {form->Edit4, "3"}, {form->Edit5, "4"}};
        for (auto& [edit, text] : variables) QCOMPARE(edit->text(), text);
        QVERIFY(form->Edit6->isReadOnly());
        QCOMPARE(form->Label3->text(), QStringLiteral("Graph formulas"));
        QCOMPARE(form->Label4->text(), QStringLiteral("Calculator"));
        QCOMPARE(form->Label4->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QVERIFY(form->Label4->font().bold());
        QCOMPARE(form->Label16->text(), QStringLiteral("Step (interval) ="));
        QCOMPARE(form->Label8->text(), QStringLiteral("Result: Y="));
        QCOMPARE(form->SpeedButton7->text(), QStringLiteral("Draw"));
        QCOMPARE(form->SpeedButton6->text(), QStringLiteral("Calculated"));
        QCOMPARE(form->SpeedButton3->toolTip(), QStringLiteral("Clear graph"));
        QCOMPARE(form->SpeedButton4->toolTip(), QStringLiteral("Copy graph in clipboard"));
        QCOMPARE(form->SpeedButton5->toolTip(), QStringLiteral("Copy to clipboard "));

        QCOMPARE(form->ComboBox1->count(), 19);
        QCOMPARE(form->ComboBox1->itemText(5), QStringLiteral("SIN"));
        QCOMPARE(form->ComboBox1->itemText(18), QStringLiteral("LOGN"));
        QCOMPARE(form->ComboBox2->count(), 16);
        QCOMPARE(form->ComboBox2->itemText(8), QStringLiteral("2^x"));
        QCOMPARE(form->ComboBox2->itemText(10), QStringLiteral("2^x"));
        QCOMPARE(form->ComboBox2->itemText(15), QStringLiteral("2*Pi*x^2"));

        // The graph as set up: every axis range and tick request, the cursor on.
        QCOMPARE(left().Min(), 0.0);
        QCOMPARE(left().Max(), 10.0);
        QCOMPARE(int(left().TicksRequested), 11);
        QCOMPARE(bottom().Max(), 15.0);
        QCOMPARE(int(bottom().TicksRequested), 16);
        QCOMPARE(int(left().LineAttr.Width()), 2);
        QCOMPARE(int(form->sp_XYPlot1->RightAxis().LineAttr.Width()), 1);
        QVERIFY(!form->sp_XYPlot1->RightAxis().GridAttr.Visible());
        QVERIFY(form->sp_XYPlot1->TopAxis().NoTicksLabel());
        QVERIFY(left().GridAttr.Visible());
        QVERIFY(form->sp_XYPlot1->XCursorOn());
        QCOMPARE(form->sp_XYPlot1->FieldColor(), QColor(Qt::white));
        QCOMPARE(form->sp_XYLine1->LineAttr.Color(), QColor(Qt::black));
        QVERIFY(!form->sp_XYLine1->PointAttr.Visible());
        QCOMPARE(points(), 0);
    }

    void stepFieldFollowsTheLocale() {
        DefaultLocale comma(DefaultLocale::comma());
        TForm9 other;
        QCOMPARE(other.Edit9->text(), QStringLiteral("0,5"));
    }

    void drawWithVariablesAtZero() {
        draw();
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QCOMPARE(points(), 21);
        QCOMPARE(form->sp_XYLine1->GetX(0), 0.0);
        QCOMPARE(form->sp_XYLine1->GetY(0), 0.0);
        QCOMPARE(form->sp_XYLine1->GetX(8), 4.0);
        QCOMPARE(form->sp_XYLine1->GetY(8), -8.0);
        QCOMPARE(form->sp_XYLine1->GetX(20), 10.0);
        QCOMPARE(form->sp_XYLine1->GetY(20), 10.0);
        // The whole curve is in view.
        QCOMPARE(left().Min(), -8.0);
        QCOMPARE(left().Max(), 10.0);
        QCOMPARE(bottom().Min(), 0.0);
        QCOMPARE(bottom().Max(), 10.0);
        // A second drawing replaces the first.
        draw();
        QCOMPARE(points(), 21);
    }

    void drawnCurveIsOnThePicture() {
        draw();
        QCOMPARE(samplesOffThePicture(), QStringList());
        // A field pixel far from the curve stays white.
        const QImage image = form->sp_XYPlot1->PlotImage();
        QCOMPARE(QColor(image.pixel(bottom().V2P(1.05), left().V2P(9.5))), QColor(Qt::white));
    }

    void calculatorThenDrawUsesItsVariables() {
        calculate();
        QCOMPARE(form->Edit6->text(), QStringLiteral("11"));
        QCOMPARE(form->Pars1->A, 5.0);
        draw();
        QCOMPARE(points(), 21);
        for (int i = 0; i < points(); ++i) {
            const double x = form->sp_XYLine1->GetX(i);
            QCOMPARE(form->sp_XYLine1->GetY(i), x * x / 2 - 4 * x + 17);
        }
        QCOMPARE(left().Min(), 9.0);
    }

    void calculatorShowsTheGeneralNumberFormat() {
        form->Edit1->setText("1/3");
        calculate();
        QCOMPARE(form->Edit6->text(), QStringLiteral("0.333333333333333"));
        form->Edit1->setText("10^20");
        calculate();
        QCOMPARE(form->Edit6->text(), QStringLiteral("1E20"));
        // The locale's separator in the variable fields and in the result.
        DefaultLocale comma(DefaultLocale::comma());
        form->Edit1->setText("x/2");
        form->Edit2->setText("2,5");
        calculate();
        QCOMPARE(form->Edit6->text(), QStringLiteral("1,25"));
    }

    void calculatorWithoutFormulaOrWithAnErrorKeepsTheResult() {
        form->Edit6->setText("earlier");
        form->Edit1->clear();
        calculate();
        QVERIFY(errors.isEmpty());
        QCOMPARE(form->Edit6->text(), QStringLiteral("earlier"));
        QCOMPARE(form->Pars1->X, 0.0);  // not even the variables were read

        form->Edit1->setText("a/(b-3)");
        calculate();
        QCOMPARE(errors, QStringList{"Floating point division by zero"});
        QCOMPARE(form->Edit6->text(), QStringLiteral("earlier"));
        QCOMPARE(form->Pars1->B, 3.0);

        errors.clear();
        form->Edit3->setText("five");
        calculate();
        QCOMPARE(errors, QStringList{"'five' is not a valid floating point value"});
        QCOMPARE(form->Edit6->text(), QStringLiteral("earlier"));
    }

    void failureAtTheFirstSampleLeavesTheGraphEmpty() {
        draw();
        QCOMPARE(points(), 21);
        form->Edit7->setText("2/x");
        draw();
        QCOMPARE(errors, QStringList{"Floating point division by zero"});
        QCOMPARE(points(), 0);
        QCOMPARE(left().Min(), -8.0);  // untouched since the last good drawing
    }

    // The points drawn before a failing sample are put in view, as a whole
    // drawing is; the error is shown all the same.
    void failureLaterPutsThePointsDrawnInView_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("minX");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<QString>("message");
        QTest::newRow("1/x from -1") << "1/x" << "-1" << 2 << -2.0 << -1.0 << "Floating point division by zero";
        QTest::newRow("below the starting axis") << "1/(x-3)-20" << "0" << 6 << -22.0 << (-20 - 1.0 / 3)
                                                 << "Floating point division by zero";
        // One point: centred, as a constant is.
        QTest::newRow("one point") << "1/(x+0.5)" << "-1" << 1 << -3.0 << -1.0 << "Floating point division by zero";
    }
    void failureLaterPutsThePointsDrawnInView() {
        QFETCH(QString, formula);
        QFETCH(QString, minX);
        QFETCH(int, count);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(QString, message);
        form->Edit7->setText(formula);
        form->Edit10->setText(minX);
        form->Edit11->setText("10");
        draw();
        QCOMPARE(errors, QStringList{message});
        QCOMPARE(points(), count);
        QCOMPARE(left().Min(), low);
        QCOMPARE(left().Max(), high);
        QCOMPARE(bottom().Min(), minX.toDouble());
        QCOMPARE(bottom().Max(), 10.0);
        QCOMPARE(samplesOffThePicture(), QStringList());
    }

    void badRangeFieldsAreRefusedBeforeSampling() {
        draw();
        const QList<QPair<QString, QString>> cases = {
            {"abc", "'abc' is not a valid floating point value"},
            {"0", "Step (interval) must be greater than 0; 0 is not."},
            {"-0.5", "Step (interval) must be greater than 0; -0.5 is not."},
        };
        for (auto& [step, message] : cases) {
            errors.clear();
            form->Edit9->setText(step);
            draw();
            QCOMPARE(errors, QStringList{message});
            QCOMPARE(points(), 0);
        }
    }

    void maxBelowMinDrawsNothing() {
        form->Edit10->setText("5");
        form->Edit11->setText("1");
        draw();
        QVERIFY(errors.isEmpty());
        QCOMPARE(points(), 0);
        // Both limits from the value at Min X (-7.5), which is centred.
        QCOMPARE(left().Min(), -8.5);
        QCOMPARE(left().Max(), -6.5);
        QCOMPARE(bottom().Min(), 1.0);
        QCOMPARE(bottom().Max(), 5.0);
    }

    void constantCurveIsCentredInView_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("zero") << "" << -1.0 << 1.0;
        QTest::newRow("small") << "5" << 4.0 << 6.0;
        QTest::newRow("large") << "100" << 90.0 << 110.0;
        // The axis's own widening of equal limits would put this one out of view.
        QTest::newRow("large negative") << "-100" << -110.0 << -90.0;
    }
    void constantCurveIsCentredInView() {
        QFETCH(QString, formula);
        QFETCH(double, low);
        QFETCH(double, high);
        form->Edit7->setText(formula);
        draw();
        QCOMPARE(points(), 21);
        QCOMPARE(left().Min(), low);
        QCOMPARE(left().Max(), high);
        const int row = left().V2P(form->sp_XYLine1->GetY(0));
        QVERIFY(row > form->sp_XYPlot1->FieldTop() + 20 && row < form->sp_XYPlot1->FieldBottom() - 20);
    }

    void emptyGraphFormulaIsZeroEverywhere() {
        form->Edit7->clear();
        draw();
        QVERIFY(errors.isEmpty());
        QCOMPARE(points(), 21);
        for (int i = 0; i < points(); ++i) QCOMPARE(form->sp_XYLine1->GetY(i), 0.0);
    }

    void operatorListAppendsFunctionListReplaces() {
        form->Edit7->setText("x");
        choose(form->ComboBox1, 5);
        QCOMPARE(form->Edit7->text(), QStringLiteral("xSIN"));
        draw();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].startsWith("Error parsing expression"), qPrintable(errors[0]));

        choose(form->ComboBox2, 10);
        QCOMPARE(form->Edit7->text(), QStringLiteral("2^x"));
        choose(form->ComboBox1, 0);
        choose(form->ComboBox2, 1);
        QCOMPARE(form->Edit7->text(), QStringLiteral("x^2"));
        choose(form->ComboBox1, 0);
        QCOMPARE(form->Edit7->text(), QStringLiteral("x^2+"));

        // Typing into the functions box is not choosing: the formula stays.
        form->ComboBox2->setCurrentIndex(-1);
        form->ComboBox2->lineEdit()->setText("3*x");
        QTest::keyClick(form->ComboBox2->lineEdit(), Qt::Key_Return);
        QCOMPARE(form->Edit7->text(), QStringLiteral("x^2+"));
        QCOMPARE(form->ComboBox2->count(), 16);
    }

    void clearGraphRestoresTheStartingView() {
        draw();
        form->sp_XYPlot1->SetXCursorVal(3);
        QTest::mouseClick(form->SpeedButton3, Qt::LeftButton);
        QCOMPARE(points(), 0);
        QCOMPARE(form->sp_XYPlot1->XCursorVal(), 0.0);
        QCOMPARE(left().Min(), 0.0);
        QCOMPARE(left().Max(), 10.0);
        QCOMPARE(bottom().Min(), 0.0);
        QCOMPARE(bottom().Max(), 15.0);
        QCOMPARE(int(left().TicksRequested), 11);
        QCOMPARE(int(bottom().TicksRequested), 17);
    }

    void copyingResultAndGraph() {
        calculate();
        QApplication::clipboard()->setText("old");
        QTest::mouseClick(form->SpeedButton5, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("11"));
        QCOMPARE(form->Edit6->selectedText(), QStringLiteral("11"));

        draw();
        QTest::mouseClick(form->SpeedButton4, Qt::LeftButton);
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(491, 335));
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 form->sp_XYPlot1->PlotImage().convertToFormat(QImage::Format_RGB32));
    }

    void helpAndClose() {
        QTest::mouseClick(form->SpeedButton2, Qt::LeftButton);
        QCOMPARE(fakes->help->contexts, QList<int>{150});
        QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
        QVERIFY(!form->isVisible());
    }

    void longDrawingIsComplete() {
        form->Edit9->setText("0.0001");
        draw();
        QVERIFY(errors.isEmpty());
        QCOMPARE(points(), 100001);
        // Near x = 4 the accumulated X is a few ulps off, and so is the value.
        QVERIFY(qAbs(left().Min() + 8) < 1e-12);
    }
};

QTEST_MAIN(Form9Test)
#include "Form9Test.moc"
