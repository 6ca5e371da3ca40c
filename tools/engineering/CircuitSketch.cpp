#include "tools/engineering/CircuitSketch.h"

#include <QLabel>
#include <QPainter>

namespace {

const char* const kNames[] = {"Rз", "Rи", "Rn"};

}  // namespace

TCircuitSketch::TCircuitSketch(QWidget* parent, const char* objectName, QRect place, Wiring wiring)
    : QWidget(parent), wiring_(wiring) {
    setObjectName(QString::fromLatin1(objectName));
    setGeometry(place);
    for (int k = 0; k < 3; ++k) {
        names[k] = new QLabel(QString::fromUtf8(kNames[k]), this);
        names[k]->setObjectName(objectName + QStringLiteral("R%1").arg(k + 1));
        names[k]->adjustSize();
        const QRect r = resistor(k);
        // Series: each name above its resistor; parallel: to its right.
        if (wiring_ == Series)
            names[k]->move(r.center().x() - names[k]->width() / 2, r.top() - names[k]->height() - 1);
        else
            names[k]->move(r.right() + 3, r.center().y() - names[k]->height() / 2);
    }
}

QRect TCircuitSketch::resistor(int k) const {
    if (wiring_ == Series) {
        const int step = width() / 3;
        return {step * k + step / 2 - 14, height() - 18, 28, 10};
    }
    const int step = (width() - 20) / 3;
    return {10 + step * k + step / 2 - 5, 14, 10, height() - 28};
}

void TCircuitSketch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    if (wiring_ == Series) {
        const int y = resistor(0).center().y();
        p.drawLine(0, y, width() - 1, y);
    } else {
        const int left = resistor(0).center().x(), right = resistor(2).center().x();
        p.drawLine(left, 3, right, 3);
        p.drawLine(left, height() - 4, right, height() - 4);
        p.drawLine((left + right) / 2, 0, (left + right) / 2, 3);  // the leads in and out
        p.drawLine((left + right) / 2, height() - 4, (left + right) / 2, height() - 1);
        for (int k = 0; k < 3; ++k) p.drawLine(resistor(k).center().x(), 3, resistor(k).center().x(), height() - 4);
    }
    p.setBrush(palette().color(QPalette::Base));
    for (int k = 0; k < 3; ++k) p.drawRect(resistor(k));
}
