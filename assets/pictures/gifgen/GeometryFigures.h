#pragma once
// The figures of the geometry picture: a small drawing and the formulas of each.
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QStringList>

#include <functional>

namespace kv::gifgen {

// Every drawing fits a 90 x 80 box whose top-left corner is the origin.
using Drawing = std::function<void(QPainter&)>;

struct Figure {
    QString name;
    QStringList formulas;
    Drawing draw;
};

QList<Figure> planeFigures();
QList<Figure> solidFigures();

// The drawing kit the figures share: outline, hidden edges, dimension lines, labels.
QPen edge();
QPen hidden();
QPen dimension();
void label(QPainter& p, QPointF at, const QString& text);
void filled(QPainter& p, const QPainterPath& path);
void filled(QPainter& p, const QPolygonF& polygon);

}  // namespace kv::gifgen
