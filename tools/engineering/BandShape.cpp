#include "tools/engineering/BandShape.h"

#include <QPainter>

TBandShape::TBandShape(QWidget* parent, const char* objectName, QRect place, QColor brush, Kind kind)
    : QWidget(parent), brush_(brush), kind_(kind) {
    setObjectName(QString::fromLatin1(objectName));
    setGeometry(place);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBandShape::setBrushColor(QColor c) {
    if (c == brush_) return;
    brush_ = c;
    update();
}

void TBandShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(64, 48, 32));
    p.setBrush(brush_);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (kind_ == RoundBody) {
        p.setRenderHint(QPainter::Antialiasing);
        const qreal radius = height() / 3.0;
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    } else {
        p.drawRect(r);
    }
}
