#include "assets/pictures/gifgen/Canvas.h"
#include "assets/pictures/gifgen/GeometryFigures.h"

namespace kv::gifgen {

QPen edge() { return QPen(colours::shapeEdge, 1.4); }
QPen hidden() { return QPen(colours::shapeEdge, 1, Qt::DashLine); }
QPen dimension() { return QPen(colours::mark, 1, Qt::DashLine); }

void label(QPainter& p, QPointF at, const QString& text) {
    p.save();
    p.setPen(colours::mark);
    p.setFont(font(12, false, true));
    p.drawText(QRectF(at.x() - 12, at.y() - 9, 24, 18), Qt::AlignCenter, text);
    p.restore();
}

void filled(QPainter& p, const QPainterPath& path) {
    p.setPen(edge());
    p.setBrush(colours::shape);
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
}

void filled(QPainter& p, const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    filled(p, path);
}

}  // namespace kv::gifgen
