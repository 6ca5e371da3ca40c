#include "assets/pictures/gifgen/Canvas.h"

#include <QFontMetrics>

#include <numeric>

namespace kv::gifgen {

QFont font(int pixelSize, bool bold, bool italic) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void drawFitted(QPainter& painter, const QRect& box, int flags, const QString& text, QFont f) {
    while (f.pixelSize() > 9 && QFontMetrics(f).horizontalAdvance(text) > box.width())
        f.setPixelSize(f.pixelSize() - 1);
    painter.setFont(f);
    painter.drawText(box, flags, text);
}

QImage paper(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colours::paper);
    return image;
}

void preparePainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

int drawTitle(QPainter& painter, int x, int y, int width, const QString& title, const QString& subtitle) {
    painter.setPen(colours::accent);
    painter.setFont(font(22, true));
    painter.drawText(QRect(x, y, width, 30), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setPen(colours::muted);
    painter.setFont(font(12));
    painter.drawText(QRect(x, y + 30, width, 18), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    painter.setPen(QPen(colours::accent, 2));
    painter.drawLine(x, y + 54, x + width, y + 54);
    return y + 64;
}

int drawHeading(QPainter& painter, int x, int y, int width, const QString& text) {
    painter.setPen(colours::accent);
    painter.setFont(font(15, true));
    painter.drawText(QRect(x, y, width, 22), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.setPen(QPen(colours::rule, 1));
    painter.drawLine(QPointF(x, y + 24.5), QPointF(x + width, y + 24.5));
    return y + 30;
}

int tableWidth(const Table& table) {
    return std::accumulate(table.widths.begin(), table.widths.end(), 0);
}

int tableHeight(const Table& table) {
    return int(table.rows.size() + 1) * table.rowHeight;
}

int drawTable(QPainter& painter, int x, int y, const Table& table) {
    const int width = tableWidth(table);
    const int h = table.rowHeight;
    auto alignment = [&](int column) {
        return (column < table.align.size() ? table.align[column] : Qt::AlignLeft) | Qt::AlignVCenter;
    };
    painter.fillRect(QRect(x, y, width, h), colours::accent);
    painter.setPen(Qt::white);
    int cx = x;
    for (int c = 0; c < table.header.size(); ++c) {
        drawFitted(painter, QRect(cx + 6, y, table.widths[c] - 12, h), alignment(c), table.header[c],
                   font(table.fontSize, true));
        cx += table.widths[c];
    }
    for (int r = 0; r < table.rows.size(); ++r) {
        const int ry = y + (r + 1) * h;
        if (r % 2 == 1)
            painter.fillRect(QRect(x, ry, width, h), colours::band);
        painter.setPen(colours::ink);
        cx = x;
        for (int c = 0; c < table.rows[r].size() && c < table.widths.size(); ++c) {
            drawFitted(painter, QRect(cx + 6, ry, table.widths[c] - 12, h), alignment(c), table.rows[r][c],
                       font(table.fontSize));
            cx += table.widths[c];
        }
    }
    // Ruled lines on half pixels stay one pixel wide and sharp.
    const int bottom = y + tableHeight(table);
    painter.setPen(QPen(colours::rule, 1));
    for (int r = 1; r <= table.rows.size(); ++r)
        painter.drawLine(QPointF(x, y + r * h + 0.5), QPointF(x + width, y + r * h + 0.5));
    cx = x;
    for (int c = 0; c + 1 < table.widths.size(); ++c) {
        cx += table.widths[c];
        painter.drawLine(QPointF(cx + 0.5, y + h), QPointF(cx + 0.5, bottom));
    }
    painter.setPen(QPen(colours::accent, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(x + 0.5, y + 0.5, width - 1, bottom - y - 1));
    return bottom;
}

int drawNote(QPainter& painter, int x, int y, int width, const QString& text) {
    painter.setPen(colours::muted);
    painter.setFont(font(11, false, true));
    const QRect bounds = painter.boundingRect(QRect(x, y, width, 1000), Qt::TextWordWrap, text);
    painter.drawText(QRect(x, y, width, bounds.height()), Qt::TextWordWrap, text);
    return y + bounds.height();
}

}  // namespace kv::gifgen
