#include "app/BarGlyphs.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

constexpr int kTrayFrames = 8;

// Renders each size from the vector drawing itself, so no size is a blurred
// copy of another; no image plugin is needed.
QIcon renderIcon(const QString& resource, std::initializer_list<int> sizes) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return {};
    QIcon icon;
    for (int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QIcon barGlyph(const QString& name) {
    const QString resource = QStringLiteral(":/icons/%1.svg").arg(name);
    if (!QFile::exists(resource)) return {};
    return renderIcon(resource, {22, 44});
}

QList<QIcon> trayFrames() {
    QList<QIcon> frames;
    for (int i = 0; i < kTrayFrames; ++i)
        frames << renderIcon(QStringLiteral(":/icons/tray%1.svg").arg(i), {16, 22, 24, 32, 48});
    return frames;
}
