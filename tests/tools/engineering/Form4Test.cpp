// The RGB window offscreen: the black start, the component boxes and their
// corrections, sliders, grey scale, invert, the named colours (a desktop one
// from the palette), the colour dialog, and Close. The ellipse is checked
// where it is drawn.
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "tests/support/ShownErrors.h"
#include "tools/engineering/Color_h.h"

namespace {

QStringList shown(const TForm4& f) {
    return {f.MaskEdit1->text(), f.MaskEdit2->text(), f.MaskEdit3->text(),
            QString::number(f.TrackBar1->value()), QString::number(f.TrackBar2->value()),
            QString::number(f.TrackBar3->value()), f.Label5->text()};
}

// The colour inside the ellipse, and its outline and corner.
bool drawnIn(const TForm4& f, QColor fill) {
    const QImage& p = f.picture();
    return p.pixelColor(48, 58) == fill && p.pixelColor(48, 0) == Qt::black && p.pixelColor(0, 0) == Qt::white;
}

}  // namespace

class Form4Test : public QObject {
    Q_OBJECT

private slots:
    void mixingInARow() {
        enum How { TypeRed, TypeGreen, EmptyBlue, SlideBlue, Grey, Invert, Named };
        const struct {
            How how;
            QString value;
            QStringList after;  // boxes, sliders, hex
            QString error;
        } rows[] = {
            {TypeRed, "300", {"255", "0", "0", "255", "0", "0", "0000FF"}, ""},
            {TypeGreen, "52", {"255", "52", "0", "255", "52", "0", "0034FF"}, ""},
            {SlideBlue, "86", {"255", "52", "86", "255", "52", "86", "5634FF"}, ""},
            {TypeRed, "18", {"18", "52", "86", "18", "52", "86", "563412"}, ""},
            {TypeGreen, "4x", {"18", "4x", "86", "18", "4", "86", "560412"}, "'4x' is not a valid integer value"},
            {TypeGreen, "-7", {"18", "0", "86", "18", "0", "86", "560012"}, "'-' is not a valid integer value"},
            {EmptyBlue, "", {"18", "0", "0", "18", "0", "0", "000012"}, ""},
            {Named, "clTeal = 0x808000;", {"0", "128", "128", "0", "128", "128", "808000"}, ""},
            {Grey, "200", {"200", "200", "200", "200", "200", "200", "C8C8C8"}, ""},
            {Named, "clRed = 0xff;", {"255", "0", "0", "255", "0", "0", "0000FF"}, ""},
            {Invert, "", {"0", "255", "255", "0", "255", "255", "FFFF00"}, ""},
            {Named, "clBtnFace = 0x8000000f;", {"10", "20", "30", "10", "20", "30", "1E140A"}, ""},
        };
        TForm4 form;
        QPalette desktop = form.palette();
        desktop.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
        form.setPalette(desktop);
        form.show();
        QCOMPARE(shown(form), (QStringList{"0", "0", "0", "0", "0", "0", "000000"}));
        QVERIFY(drawnIn(form, Qt::black));
        for (const auto& r : rows) {
            ShownErrors errors;
            if (r.how == TypeRed || r.how == TypeGreen) {
                QLineEdit* box = r.how == TypeRed ? form.MaskEdit1 : form.MaskEdit2;
                box->selectAll();
                QTest::keyClicks(box, r.value);
            } else if (r.how == EmptyBlue) {
                form.MaskEdit3->selectAll();
                QTest::keyClick(form.MaskEdit3, Qt::Key_Delete);
            } else if (r.how == SlideBlue) {
                form.TrackBar3->setValue(r.value.toInt());
            } else if (r.how == Grey) {
                form.TrackBar4->setValue(r.value.toInt());
            } else if (r.how == Invert) {
                QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
            } else {
                form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(r.value) - 1);
                QTest::keyClick(form.ComboBox1, Qt::Key_Down);
                QCOMPARE(form.ComboBox1->currentText(), r.value);
            }
            QCOMPARE(shown(form), r.after);
            QCOMPARE(errors.messages, r.error.isEmpty() ? QStringList() : QStringList{r.error});
            QVERIFY(drawnIn(form, QColor(form.TrackBar1->value(), form.TrackBar2->value(), form.TrackBar3->value())));
            if (r.how == Grey || r.how == Invert) QCOMPARE(form.ComboBox1->currentText(), QString());
        }
    }

    // A message box takes the focus from the box it reports on; that is no
    // second bad entry.
    void aBadEntryIsReportedOnce_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("messages");
        const QStringList letters{"'x' is not a valid integer value"};
        const QStringList minus{"'-' is not a valid integer value"};
        for (int box : {1, 2, 3}) {
            QTest::addRow("letter in box %d", box) << box << "x" << letters;
            QTest::addRow("minus before a digit in box %d", box) << box << "-5" << minus;
            QTest::addRow("letter after a number in box %d", box) << box << "1x" << QStringList{"'1x' is not a valid integer value"};
        }
    }
    void aBadEntryIsReportedOnce() {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QStringList, messages);
        TForm4 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QLineEdit* edit = QList<QLineEdit*>{form.MaskEdit1, form.MaskEdit2, form.MaskEdit3}.at(box - 1);
        edit->setFocus();
        QStringList shownMessages;
        const kv::ErrorSink previous = kv::setErrorSink([&](const std::string& m) {
            shownMessages << QString::fromStdString(m);
            QMessageBox message(QMessageBox::Critical, "Veltrano Prof.", QString::fromStdString(m), QMessageBox::Ok, &form);
            QTimer::singleShot(0, &message, [&] {
                QVERIFY(QTest::qWaitForWindowActive(&message));
                message.accept();
            });
            message.exec();
        });
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        // Leaving the box with the bad text still in it says nothing more.
        form.MaskEdit1 == edit ? form.MaskEdit2->setFocus() : form.MaskEdit1->setFocus();
        QCoreApplication::processEvents();
        kv::setErrorSink(previous);
        QCOMPARE(shownMessages, messages);
    }

    void colourDialogStartsOnItsLastChoice() {
        TForm4 form;
        form.show();
        form.TrackBar1->setValue(99);
        QList<QColor> startedOn;
        // Choose, cancel after browsing, then look where it starts again.
        const QList<QColor> picks = {QColor(1, 2, 3), QColor(200, 100, 50), QColor(), QColor(5, 5, 5)};
        for (const QColor& pick : picks) {
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                startedOn << dialog->currentColor();
                if (pick.isValid()) {
                    dialog->setCurrentColor(pick);
                    dialog->accept();
                } else {
                    dialog->setCurrentColor(Qt::green);
                    dialog->reject();
                }
            });
            QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);
            if (pick.isValid()) {
                QCOMPARE(shown(form).mid(0, 3), (QStringList{QString::number(pick.red()), QString::number(pick.green()),
                                                             QString::number(pick.blue())}));
                QVERIFY(drawnIn(form, pick));
            }
        }
        const QColor last(200, 100, 50);
        QCOMPARE(startedOn, (QList<QColor>{Qt::black, QColor(1, 2, 3), last, last}));
        QCOMPARE(shown(form), (QStringList{"5", "5", "5", "5", "5", "5", "050505"}));
        QTest::mouseClick(form.SpeedButton2, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(Form4Test)
#include "Form4Test.moc"
