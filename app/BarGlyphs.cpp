#include "app/BarGlyphs.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <memory>

#include "app/BakedGlyphs.h"
#include "app/SvgDrawing.h"

namespace {

constexpr int kTrayFrames = 8;

// Gives an SVG picture at each size only when that size is first asked for,
// baked at build time or else drawn from the vector drawing (so no size is a
// blurred copy of another), and keeps what it gave. Copies of the icon share the drawings: a glyph used
// by a button and a menu entry, or a tray frame that is also the windows'
// icon, is drawn once. No image plugin is needed.
class SvgGlyphEngine : public QIconEngine {
public:
    SvgGlyphEngine(const QString& resource, QList<QSize> sizes)
        : shared_(std::make_shared<Shared>(Shared{resource, std::move(sizes), {}, {}})) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        if (size.isEmpty()) return {};
        const quint64 key = quint64(quint32(size.width())) << 32 | quint32(size.height()) << 2 | quint32(mode);
        auto found = shared_->drawn.constFind(key);
        if (found != shared_->drawn.constEnd()) return *found;
        QPixmap drawn = mode == QIcon::Normal || mode == QIcon::Active ? render(size) : styled(size, mode);
        shared_->drawn.insert(key, drawn);
        return drawn;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return shared_->sizes; }
    QString key() const override { return QStringLiteral("kv-svg-glyph"); }
    QIconEngine* clone() const override { return new SvgGlyphEngine(*this); }

private:
    struct Shared {
        QString resource;
        QList<QSize> sizes;  // what the icon offers where all its sizes are taken (the windows' icon)
        std::unique_ptr<QSvgRenderer> renderer;
        QHash<quint64, QPixmap> drawn;  // by width, height and mode
    };

    // The sizes the program offers were drawn at build time; only another
    // size (a fractional scale factor) reads and draws the SVG.
    QPixmap render(const QSize& size) {
        const QImage baked = bakedGlyph(shared_->resource, size);
        if (!baked.isNull()) return QPixmap::fromImage(baked);
        if (!shared_->renderer) shared_->renderer = std::make_unique<QSvgRenderer>(shared_->resource);
        return QPixmap::fromImage(drawSvg(*shared_->renderer, size));
    }

    // A disabled or selected glyph is the normal one as the style greys or
    // tints it, as it does for any picture.
    QPixmap styled(const QSize& size, QIcon::Mode mode) {
        const QPixmap normal = pixmap(size, QIcon::Normal, QIcon::Off);
        QStyle* style = QApplication::style();
        if (!style) return normal;
        QStyleOption option;
        return style->generatedIconPixmap(mode, normal, &option);
    }

    std::shared_ptr<Shared> shared_;
};

QIcon svgIcon(const QString& resource, QList<QSize> sizes) {
    if (!QFile::exists(resource)) return {};
    return QIcon(new SvgGlyphEngine(resource, std::move(sizes)));
}

}  // namespace

QIcon barGlyph(const QString& name) {
    // One icon per glyph for the whole run, so each size is drawn only once.
    static QHash<QString, QIcon> glyphs;
    auto found = glyphs.constFind(name);
    if (found != glyphs.constEnd()) return *found;
    QIcon icon = svgIcon(QStringLiteral(":/icons/%1.svg").arg(name), {QSize(22, 22), QSize(44, 44)});
    glyphs.insert(name, icon);
    return icon;
}

QList<QIcon> trayFrames() {
    static const QList<QIcon> frames = [] {
        QList<QIcon> made;
        for (int i = 0; i < kTrayFrames; ++i)
            made << svgIcon(QStringLiteral(":/icons/tray%1.svg").arg(i),
                            {QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32), QSize(48, 48)});
        return made;
    }();
    return frames;
}
