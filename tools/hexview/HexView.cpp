#include "tools/hexview/HexView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "tools/hexview/ViewLines.h"

namespace {

// The scroll bar counts in ints; past this many lines its steps stand for
// more than one line each.
constexpr int kScrollSteps = 1 << 30;

}  // namespace

HexView::HexView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setCursor(Qt::IBeamCursor);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &HexView::verticalScrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

void HexView::setLines(const hexview::ViewLines* lines) {
    lines_ = lines;
    top_ = current_ = anchor_ = cursorOffset_ = 0;
    selecting_ = false;
    highlightFrom_ = highlightTo_ = 0;
    widestLine_ = 80;
    horizontalScrollBar()->setValue(0);
    updateRange();
    viewport()->update();
    emit cursorMoved(0);
}

void HexView::linesChanged() {
    updateRange();
    viewport()->update();
}

std::uint64_t HexView::lineCount() const { return lines_ ? lines_->lineCount() : 0; }

int HexView::lineHeight() const { return std::max(1, fontMetrics().height()); }

int HexView::visibleLines() const { return std::max(1, viewport()->height() / lineHeight()); }

std::uint64_t HexView::maxTop() const {
    const std::uint64_t count = lineCount();
    const auto page = static_cast<std::uint64_t>(visibleLines());
    return count > page ? count - page : 0;
}

void HexView::updateRange() {
    const std::uint64_t top = maxTop();
    QScrollBar* bar = verticalScrollBar();
    syncing_ = true;
    bar->setRange(0, static_cast<int>(std::min<std::uint64_t>(top, kScrollSteps)));
    bar->setPageStep(visibleLines());
    bar->setSingleStep(1);
    bar->setValue(top <= kScrollSteps ? static_cast<int>(top_)
                                      : static_cast<int>(static_cast<long double>(top_) * kScrollSteps / top));
    syncing_ = false;
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int widest = static_cast<int>(QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')) * widestLine_) + 8;
    horizontalScrollBar()->setRange(0, std::max(0, widest - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(charWidth);
}

void HexView::verticalScrolled(int value) {
    if (syncing_) return;
    const std::uint64_t top = maxTop();
    top_ = top <= kScrollSteps ? static_cast<std::uint64_t>(value)
                               : static_cast<std::uint64_t>(static_cast<long double>(value) * top / kScrollSteps);
    viewport()->update();
}

void HexView::scrollTo(std::uint64_t top) {
    top_ = std::min(top, maxTop());
    updateRange();
    viewport()->update();
}

void HexView::moveTo(std::uint64_t line, Select select) {
    const std::uint64_t count = lineCount();
    if (count == 0) return;
    line = std::min(line, count - 1);
    if (select == Select::Extend) {
        // From the line selected last, or from the cursor when none is.
        if (!selecting_) anchor_ = current_;
    } else {
        anchor_ = line;
    }
    selecting_ = select != Select::None;
    current_ = line;
    if (current_ < top_) {
        scrollTo(current_);
    } else if (current_ >= top_ + static_cast<std::uint64_t>(visibleLines())) {
        scrollTo(current_ - visibleLines() + 1);
    }
    const std::vector<hexview::ShownLine> shown = lines_->lines(current_, 1);
    cursorOffset_ = shown.empty() ? 0 : shown.front().offset;
    viewport()->update();
    emit cursorMoved(cursorOffset_);
}

void HexView::goToOffset(std::uint64_t offset) {
    if (!lines_ || lineCount() == 0) return;
    moveTo(lines_->lineAt(offset), Select::None);
    const std::uint64_t visible = static_cast<std::uint64_t>(visibleLines());
    // Whatever it was found by, the line stands a little below the top.
    if (current_ < top_ + 2 || current_ >= top_ + visible) scrollTo(current_ > 2 ? current_ - 2 : 0);
    cursorOffset_ = offset;
    emit cursorMoved(cursorOffset_);
}

void HexView::selectAll() {
    if (lineCount() == 0) return;
    anchor_ = 0;
    current_ = lineCount() - 1;
    selecting_ = true;
    viewport()->update();
}

void HexView::highlight(std::uint64_t from, std::uint64_t to) {
    highlightFrom_ = from;
    highlightTo_ = to;
    viewport()->update();
}

std::uint64_t HexView::lineAtY(int y) const {
    return top_ + static_cast<std::uint64_t>(std::max(0, y) / lineHeight());
}

void HexView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    if (!lines_) return;
    const int height = lineHeight();
    const int left = 2 - horizontalScrollBar()->value();
    const std::vector<hexview::ShownLine> shown = lines_->lines(top_, visibleLines() + 1);
    const QPalette& colours = palette();
    int widest = widestLine_;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const hexview::ShownLine& line = shown[k];
        const std::uint64_t number = top_ + k;
        const int y = static_cast<int>(k) * height;
        const bool selected = selecting_ && number >= selectionFirst() && number <= selectionLast();
        if (selected) painter.fillRect(0, y, viewport()->width(), height, colours.highlight());
        if (highlightTo_ > highlightFrom_)
            for (const auto& [column, length] : lines_->spans(line, highlightFrom_, highlightTo_)) {
                // Measured on the line itself: advances need not be whole pixels.
                const QFontMetricsF metrics(font());
                const qreal x = metrics.horizontalAdvance(line.text.left(column));
                const qreal w = metrics.horizontalAdvance(line.text.mid(column, length));
                painter.fillRect(QRectF(left + x, y, w, height), QColor(255, 230, 120));
            }
        drawLine(painter, left, y, line, selected);
        if (number == current_ && hasFocus()) {
            painter.setPen(QPen(colours.text().color(), 1, Qt::DotLine));
            painter.drawRect(0, y, viewport()->width() - 1, height - 1);
        }
        widest = std::max(widest, static_cast<int>(line.text.size()));
    }
    if (widest != widestLine_) {
        widestLine_ = widest;
        QMetaObject::invokeMethod(this, [this] { updateRange(); }, Qt::QueuedConnection);
    }
}

void HexView::drawLine(QPainter& painter, qreal x, int y, const hexview::ShownLine& line, bool selected) const {
    const QPalette& colours = palette();
    const QColor text = selected ? colours.highlightedText().color() : colours.text().color();
    const int baseline = y + fontMetrics().ascent();
    painter.setPen(text);
    if (line.controlColumns.empty()) {
        painter.drawText(QPointF(x, baseline), line.text);
        return;
    }
    // Runs of text between the caret pairs of control characters, which
    // stand on a tinted ground in a colour of their own.
    const QFontMetricsF metrics(font());
    const QColor controlGround = selected ? colours.highlight().color().darker(130) : QColor(226, 232, 244);
    const QColor control = selected ? text : QColor(0, 64, 176);
    int from = 0;
    auto run = [&](int to, bool isControl) {
        const QString part = line.text.mid(from, to - from);
        const qreal width = metrics.horizontalAdvance(part);
        if (isControl) {
            painter.fillRect(QRectF(x, y, width, lineHeight()), controlGround);
            painter.setPen(control);
        }
        painter.drawText(QPointF(x, baseline), part);
        if (isControl) painter.setPen(text);
        x += width;
        from = to;
    };
    for (const int column : line.controlColumns) {
        if (column > from) run(column, false);
        run(column + 2, true);
    }
    if (from < line.text.size()) run(static_cast<int>(line.text.size()), false);
}

void HexView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    const Select extend = event->modifiers() & Qt::ShiftModifier ? Select::Extend : Select::Line;
    const bool far = event->modifiers() & Qt::ControlModifier;
    const auto page = static_cast<std::uint64_t>(visibleLines());
    const std::uint64_t last = lineCount() > 0 ? lineCount() - 1 : 0;
    switch (event->key()) {
    case Qt::Key_Up: moveTo(current_ > 0 ? current_ - 1 : 0, extend); break;
    case Qt::Key_Down: moveTo(current_ + 1, extend); break;
    case Qt::Key_PageUp: moveTo(current_ > page ? current_ - page : 0, extend); break;
    case Qt::Key_PageDown: moveTo(std::min(last, current_ + page), extend); break;
    case Qt::Key_Home:
        if (far) moveTo(0, extend);
        else horizontalScrollBar()->setValue(0);
        break;
    case Qt::Key_End:
        if (far) moveTo(last, extend);
        else horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
        break;
    case Qt::Key_Left: horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Right: horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    default: QAbstractScrollArea::keyPressEvent(event);
    }
}

void HexView::mousePressEvent(QMouseEvent* event) {
    const std::uint64_t line = lineAtY(event->position().toPoint().y());
    if (event->button() == Qt::LeftButton) {
        moveTo(line, event->modifiers() & Qt::ShiftModifier ? Select::Extend : Select::Line);
    } else if (event->button() == Qt::RightButton &&
               !(selecting_ && line >= selectionFirst() && line <= selectionLast())) {
        // The context menu's Copy copies the line clicked, unless it lies in the selection.
        moveTo(line, Select::Line);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void HexView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) moveTo(lineAtY(event->position().toPoint().y()), Select::Extend);
}

void HexView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 40;  // three lines a notch
    if (steps > 0) scrollTo(top_ > std::uint64_t(steps) ? top_ - steps : 0);
    else if (steps < 0) scrollTo(top_ + std::uint64_t(-steps));
    event->accept();
}

void HexView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    top_ = std::min(top_, maxTop());
    updateRange();
}
