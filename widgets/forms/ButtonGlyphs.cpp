#include "widgets/forms/ButtonGlyphs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <memory>

namespace {

// Draws the vector drawing at exactly the size asked for, the first time it
// is asked for: the windows are made at start, their buttons painted later.
class SvgGlyphEngine : public QIconEngine {
public:
    explicit SvgGlyphEngine(std::shared_ptr<QSvgRenderer> renderer) : renderer_(std::move(renderer)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in the device's pixels already (QIcon::pixmap multiplies it).
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal) override {
        const QSize pixels = size;
        if (pixels.isEmpty()) return {};
        const Key key{pixels.width(), pixels.height(), mode};
        if (auto found = drawn_.constFind(key); found != drawn_.cend()) return *found;
        QPixmap pixmap(pixels);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            // Square drawings in a square centred in whatever the button gives.
            const int side = std::min(pixels.width(), pixels.height());
            renderer_->render(&painter, QRectF((pixels.width() - side) / 2.0, (pixels.height() - side) / 2.0,
                                               side, side));
        }
        if (mode != QIcon::Normal && mode != QIcon::Active) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        drawn_.insert(key, pixmap);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new SvgGlyphEngine(*this); }

private:
    struct Key {
        int width, height;
        QIcon::Mode mode;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& k, size_t seed) { return qHashMulti(seed, k.width, k.height, int(k.mode)); }

    std::shared_ptr<QSvgRenderer> renderer_;
    QHash<Key, QPixmap> drawn_;
};

// Pixmaps must go before the application does.
QHash<QByteArray, QIcon>* glyphs = nullptr;

void forgetGlyphs() {
    delete glyphs;
    glyphs = nullptr;
}

}  // namespace

namespace forms {

QIcon buttonGlyph(const char* name) {
    if (!glyphs) {
        glyphs = new QHash<QByteArray, QIcon>;
        qAddPostRoutine(forgetGlyphs);
    }
    const QByteArray key(name);
    if (auto found = glyphs->constFind(key); found != glyphs->cend()) return *found;
    const QString resource = QStringLiteral(":/icons/buttons/%1.svg").arg(QLatin1String(key));
    QIcon icon;
    if (QFile::exists(resource)) {
        auto renderer = std::make_shared<QSvgRenderer>(resource);
        if (renderer->isValid()) icon = QIcon(new SvgGlyphEngine(std::move(renderer)));
    }
    glyphs->insert(key, icon);
    return icon;
}

}  // namespace forms
