#pragma once
// The common look of the reference pictures: white paper, one type face,
// blue headings, tables with ruled lines and banded rows.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QStringList>

namespace kv::gifgen {

namespace colours {
inline const QColor paper(255, 255, 255);
inline const QColor ink(33, 33, 33);
inline const QColor muted(100, 106, 115);
inline const QColor accent(31, 78, 140);      // headings, header rows
inline const QColor accentLight(225, 234, 246);
inline const QColor band(245, 247, 250);      // every other table row
inline const QColor rule(190, 198, 210);
inline const QColor shape(228, 238, 250);     // fill of the figure drawings
inline const QColor shapeEdge(31, 78, 140);
inline const QColor mark(200, 80, 40);        // dimension marks in the drawings
}  // namespace colours

// Pixel-sized fonts, so the pictures do not depend on the screen resolution.
QFont font(int pixelSize, bool bold = false, bool italic = false);

// Draws one line of text, narrowing the font (down to 9 px) until it fits the box.
void drawFitted(QPainter& painter, const QRect& box, int flags, const QString& text, QFont f);

// A white image with an anti-aliasing painter ready on it.
QImage paper(int width, int height);
void preparePainter(QPainter& painter);

// Big title and a smaller line under it; returns the y below them.
int drawTitle(QPainter& painter, int x, int y, int width, const QString& title, const QString& subtitle);

// A section heading with a rule under it; returns the y below it.
int drawHeading(QPainter& painter, int x, int y, int width, const QString& text);

struct Table {
    QStringList header;
    QList<int> widths;              // one per column, in pixels
    QList<QStringList> rows;
    QList<Qt::Alignment> align;     // per column; left when missing
    int rowHeight = 20;
    int fontSize = 13;
};

// Draws the table with its top-left corner at (x, y); returns the y below it.
int drawTable(QPainter& painter, int x, int y, const Table& table);
int tableHeight(const Table& table);
int tableWidth(const Table& table);

// Small print at the bottom: returns the y below the wrapped text.
int drawNote(QPainter& painter, int x, int y, int width, const QString& text);

}  // namespace kv::gifgen
