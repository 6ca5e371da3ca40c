#include "widgets/gif/GIFImage.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTimer>

#include "core/Error.h"

namespace {

// No GIF the program shows comes near this; a larger file is some other file
// under a picture's name, and reading it whole would only waste memory.
constexpr qint64 kMaxFileBytes = 32LL * 1024 * 1024;

QByteArray readPictureFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw kv::Error(QStringLiteral("%1: the file does not exist").arg(path).toStdString());
    if (!file.open(QIODevice::ReadOnly))
        throw kv::Error(QStringLiteral("%1: the file cannot be read").arg(path).toStdString());
    if (file.size() > kMaxFileBytes)
        throw kv::Error(QStringLiteral("%1: the picture is too large").arg(path).toStdString());
    return file.readAll();
}

}  // namespace

TGIFImage::TGIFImage(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &TGIFImage::advance);
}

TGIFImage::~TGIFImage() = default;

void TGIFImage::loadFromFile(const QString& path) {
    setPicture(kv::gif::decode(readPictureFile(path), path));
}

void TGIFImage::loadFromData(const QByteArray& data) {
    setPicture(kv::gif::decode(data, tr("GIF data")));
}

bool TGIFImage::tryLoadFromFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    try {
        loadFromFile(path);
        return true;
    } catch (const kv::Error&) {
        clear();
        return false;
    }
}

void TGIFImage::clear() {
    setPicture({});
}

bool TGIFImage::isEmpty() const {
    return picture_.frames.isEmpty();
}

void TGIFImage::setPicture(kv::gif::Picture picture) {
    timer_->stop();
    picture_ = std::move(picture);
    current_ = picture_.frames.isEmpty() ? -1 : 0;
    if (autoSize_ && !isEmpty())
        resize(picture_.screen);
    updateGeometry();
    update();
    if (current_ >= 0)
        emit frameChanged(current_);
    restartTimer();
}

void TGIFImage::setAutoSize(bool on) {
    autoSize_ = on;
    if (on && !isEmpty())
        resize(picture_.screen);
}

bool TGIFImage::autoSize() const {
    return autoSize_;
}

void TGIFImage::setCenter(bool on) {
    center_ = on;
    update();
}

bool TGIFImage::center() const {
    return center_;
}

void TGIFImage::setAnimate(bool on) {
    if (animate_ == on)
        return;
    animate_ = on;
    if (!on && current_ > 0)
        setCurrentFrame(0);
    restartTimer();
}

bool TGIFImage::animate() const {
    return animate_;
}

void TGIFImage::setLoop(bool on) {
    loop_ = on;
    // A picture that already stopped on its last frame plays again when told to loop.
    if (!timer_->isActive())
        restartTimer();
}

bool TGIFImage::loop() const {
    return loop_;
}

void TGIFImage::setCurrentFrame(int index) {
    if (isEmpty())
        return;
    index = std::clamp(index, 0, frameCount() - 1);
    if (index == current_)
        return;
    current_ = index;
    update();
    emit frameChanged(current_);
    restartTimer();
}

QSize TGIFImage::pictureSize() const {
    return isEmpty() ? QSize() : picture_.screen;
}

int TGIFImage::frameCount() const {
    return int(picture_.frames.size());
}

int TGIFImage::currentFrame() const {
    return current_;
}

QImage TGIFImage::currentImage() const {
    return current_ < 0 ? QImage() : picture_.frames.at(current_).image;
}

int TGIFImage::frameDelay(int index) const {
    if (index < 0 || index >= frameCount())
        return -1;
    return picture_.frames.at(index).delayMs;
}

bool TGIFImage::isPlaying() const {
    return timer_->isActive();
}

QSize TGIFImage::sizeHint() const {
    return isEmpty() ? QWidget::sizeHint() : picture_.screen;
}

void TGIFImage::restartTimer() {
    timer_->stop();
    if (animate_ && frameCount() > 1 && (loop_ || current_ < frameCount() - 1))
        timer_->start(frameDelay(current_));
}

void TGIFImage::advance() {
    const int last = frameCount() - 1;
    if (last < 1)
        return;
    if (current_ >= last && !loop_)
        return;
    current_ = current_ < last ? current_ + 1 : 0;
    update();
    emit frameChanged(current_);
    if (current_ == last && !loop_) {
        emit finished();
        return;
    }
    timer_->start(frameDelay(current_));
}

void TGIFImage::paintEvent(QPaintEvent*) {
    if (isEmpty())
        return;
    const QImage& image = picture_.frames.at(current_).image;
    QPoint origin(0, 0);
    if (center_)
        origin = QPoint((width() - image.width()) / 2, (height() - image.height()) / 2);
    QPainter painter(this);
    painter.drawImage(origin, image);
}
