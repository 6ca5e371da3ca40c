#include "widgets/forms/LineView.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace forms {

namespace {

// The scroll bar counts in ints; past this many lines its steps stand for
// more than one line each.
constexpr int kScrollSteps = 1 << 30;

}  // namespace

LineView::LineView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &LineView::verticalScrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

int LineView::lineHeight() const { return std::max(1, fontMetrics().height() + gap_); }

int LineView::visibleLines() const { return std::max(1, viewport()->height() / lineHeight()); }

std::uint64_t LineView::lastTop() const {
    const std::uint64_t count = lineCount();
    const auto page = static_cast<std::uint64_t>(visibleLines());
    return count > page ? count - page : 0;
}

void LineView::linesChanged() {
    top_ = std::min(top_, lastTop());
    updateRange();
    viewport()->update();
}

void LineView::setContentWidth(int pixels) {
    if (pixels == contentWidth_) return;
    contentWidth_ = pixels;
    updateRange();
}

void LineView::updateRange() {
    const std::uint64_t top = lastTop();
    QScrollBar* bar = verticalScrollBar();
    syncing_ = true;
    bar->setRange(0, static_cast<int>(std::min<std::uint64_t>(top, kScrollSteps)));
    bar->setPageStep(visibleLines());
    bar->setSingleStep(1);
    bar->setValue(top <= kScrollSteps ? static_cast<int>(top_)
                                      : static_cast<int>(static_cast<long double>(top_) * kScrollSteps / top));
    syncing_ = false;
    QScrollBar* sideways = horizontalScrollBar();
    sideways->setRange(0, std::max(0, contentWidth_ - viewport()->width()));
    sideways->setPageStep(viewport()->width());
    sideways->setSingleStep(fontMetrics().horizontalAdvance(QLatin1Char('0')));
}

void LineView::verticalScrolled(int value) {
    if (syncing_) return;
    const std::uint64_t top = lastTop();
    top_ = top <= kScrollSteps ? static_cast<std::uint64_t>(value)
                               : static_cast<std::uint64_t>(static_cast<long double>(value) * top / kScrollSteps);
    viewport()->update();
}

void LineView::scrollTo(std::uint64_t top) {
    top_ = std::min(top, lastTop());
    updateRange();
    viewport()->update();
}

void LineView::keepVisible(std::uint64_t line) {
    const auto page = static_cast<std::uint64_t>(visibleLines());
    if (line < top_) scrollTo(line);
    else if (line >= top_ + page) scrollTo(line - page + 1);
}

std::uint64_t LineView::lineAtY(int y) const {
    return top_ + static_cast<std::uint64_t>(std::max(0, y) / lineHeight());
}

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const std::uint64_t count = lineCount();
    if (top_ >= count) return;
    drawLines(painter, top_, static_cast<int>(std::min<std::uint64_t>(visibleLines() + 1, count - top_)));
}

void LineView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 40;  // three lines a notch
    if (steps > 0) scrollTo(top_ > std::uint64_t(steps) ? top_ - steps : 0);
    else if (steps < 0) scrollTo(top_ + std::uint64_t(-steps));
    event->accept();
}

void LineView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    top_ = std::min(top_, lastTop());
    updateRange();
}

}  // namespace forms
