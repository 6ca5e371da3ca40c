#include "tools/hexview/HexView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "tools/hexview/ViewLines.h"

namespace {

// Spans of one column that touch or nearly do (the blanks between hex
// pairs) drawn as one.
std::vector<std::pair<int, int>> merged(const std::vector<std::pair<int, int>>& spans) {
    std::vector<std::pair<int, int>> runs;
    for (const auto& [start, length] : spans) {
        if (!runs.empty() && start >= runs.back().first && start - (runs.back().first + runs.back().second) <= 2)
            runs.back().second = start + length - runs.back().first;
        else
            runs.push_back({start, length});
    }
    return runs;
}

}  // namespace

HexView::HexView(QWidget* parent) : forms::LineView(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setCursor(Qt::IBeamCursor);
}

void HexView::setLines(const hexview::ViewLines* lines) {
    lines_ = lines;
    current_ = anchor_ = cursor_ = 0;
    selecting_ = printable_ = false;
    highlightFrom_ = highlightTo_ = 0;
    widestLine_ = 0;
    widen(80);
    horizontalScrollBar()->setValue(0);
    scrollTo(0);
    emit cursorMoved(0);
}

std::uint64_t HexView::lineCount() const { return lines_ ? lines_->lineCount() : 0; }

void HexView::widen(int characters) {
    if (characters <= widestLine_) return;
    widestLine_ = characters;
    setContentWidth(static_cast<int>(QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')) * widestLine_) + 8);
}

std::uint64_t HexView::selectionStart() const { return selecting_ ? std::min(anchor_, cursor_) : cursor_; }

std::uint64_t HexView::selectionEnd() const {
    return selecting_ && lines_ ? lines_->unitEnd(std::max(anchor_, cursor_)) : cursor_;
}

void HexView::moveTo(std::uint64_t offset, Select select) {
    if (lineCount() == 0) return;
    if (select == Select::Extend) {
        // From where the selection began, or from the cursor when there is none.
        if (!selecting_) anchor_ = cursor_;
        selecting_ = true;
    } else {
        anchor_ = offset;
        selecting_ = false;
    }
    cursor_ = offset;
    current_ = std::min(lines_->lineAt(offset), lineCount() - 1);
    showCursor();
    viewport()->update();
    emit cursorMoved(cursor_);
}

void HexView::moveToLine(std::uint64_t line, Select select) {
    if (lineCount() == 0) return;
    line = std::min(line, lineCount() - 1);
    const std::vector<hexview::ShownLine> from = lines_->lines(current_, 1);
    const std::vector<hexview::ShownLine> to = lines_->lines(line, 1);
    if (from.empty() || to.empty()) return;
    const int column = lines_->columnOf(from.front(), cursor_, printable_);
    moveTo(lines_->placeAt(to.front(), column).offset, select);
}

void HexView::showCursor() {
    keepVisible(current_);
    // Sideways too: the cursor's column in sight, with a character to spare.
    const std::vector<hexview::ShownLine> shown = lines_->lines(current_, 1);
    if (shown.empty()) return;
    const hexview::ShownLine& line = shown.front();
    widen(static_cast<int>(line.text.size()));
    const QFontMetricsF metrics(font());
    const int column = lines_->columnOf(line, cursor_, printable_);
    const int x = static_cast<int>(metrics.horizontalAdvance(line.text.left(column)));
    const int spare = static_cast<int>(2 * metrics.horizontalAdvance(QLatin1Char('0')));
    QScrollBar* bar = horizontalScrollBar();
    if (x - spare < bar->value()) bar->setValue(std::max(0, x - spare));
    else if (x + 2 * spare > bar->value() + viewport()->width()) bar->setValue(x + 2 * spare - viewport()->width());
}

void HexView::goToOffset(std::uint64_t offset) {
    if (!lines_ || lineCount() == 0) return;
    moveTo(lines_->unitAt(offset), Select::Drop);
    const std::uint64_t visible = static_cast<std::uint64_t>(visibleLines());
    // Whatever it was found by, the line stands a little below the top.
    if (current_ < topLine() + 2 || current_ >= topLine() + visible) scrollTo(current_ > 2 ? current_ - 2 : 0);
}

void HexView::selectAll() {
    if (lineCount() == 0) return;
    // The view stays where it is; the cursor goes to the end of the file.
    anchor_ = 0;
    current_ = lineCount() - 1;
    cursor_ = lines_->lineLast(current_);
    selecting_ = true;
    viewport()->update();
    emit cursorMoved(cursor_);
}

void HexView::select(std::uint64_t from, std::uint64_t to) {
    if (lineCount() == 0 || to <= from) return;
    moveTo(lines_->unitAt(to - 1), Select::Drop);
    moveTo(from, Select::Extend);
}

void HexView::highlight(std::uint64_t from, std::uint64_t to) {
    highlightFrom_ = from;
    highlightTo_ = to;
    viewport()->update();
}

bool HexView::placeAtPoint(const QPoint& at, std::uint64_t& offset, bool& printable) const {
    if (lineCount() == 0) return false;
    const std::vector<hexview::ShownLine> shown = lines_->lines(std::min(lineAtY(at.y()), lineCount() - 1), 1);
    if (shown.empty()) return false;
    const QString& text = shown.front().text;
    // The character whose cell holds the point.
    const QFontMetricsF metrics(font());
    const qreal x = at.x() - 2 + horizontalScrollBar()->value();
    int column = 0;
    for (qreal left = 0; column < text.size(); ++column) {
        left += metrics.horizontalAdvance(text[column]);
        if (left > x) break;
    }
    const hexview::Place place = lines_->placeAt(shown.front(), column);
    offset = place.offset;
    printable = place.printable;
    return true;
}

void HexView::fillSpans(QPainter& painter, qreal left, int y, const hexview::ShownLine& line, std::uint64_t from,
                        std::uint64_t to, const QBrush& brush) const {
    const std::vector<std::pair<int, int>> spans = lines_->spans(line, from, to);
    // The dump gives each byte's hex pair and character in turn: one column at a time.
    std::vector<std::pair<int, int>> columns[2];
    for (std::size_t k = 0; k < spans.size(); ++k) columns[lines_->isDump() ? k % 2 : 0].push_back(spans[k]);
    const QFontMetricsF metrics(font());
    for (const auto& column : columns)
        for (const auto& [start, length] : merged(column)) {
            // Measured on the line itself: advances need not be whole pixels.
            const qreal x = metrics.horizontalAdvance(line.text.left(start));
            const qreal w = std::max(metrics.horizontalAdvance(line.text.mid(start, length)),
                                     metrics.horizontalAdvance(QLatin1Char(' ')));
            painter.fillRect(QRectF(left + x, y, w, lineHeight()), brush);
        }
}

void HexView::drawLines(QPainter& painter, std::uint64_t first, int count) {
    if (!lines_) return;
    const int height = lineHeight();
    const int left = 2 - horizontalScrollBar()->value();
    const std::vector<hexview::ShownLine> shown = lines_->lines(first, static_cast<std::uint64_t>(count));
    const QPalette& colours = palette();
    const std::uint64_t selFrom = selectionStart(), selTo = selectionEnd();
    const std::uint64_t cursorEnd = lineCount() > 0 ? lines_->unitEnd(cursor_) : cursor_;
    const QFontMetricsF metrics(font());
    int widest = 0;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const hexview::ShownLine& line = shown[k];
        const int y = static_cast<int>(k) * height;
        if (highlightTo_ > highlightFrom_)
            fillSpans(painter, left, y, line, highlightFrom_, highlightTo_, QColor(255, 230, 120));
        // The cursor's byte in the other column of the dump, on a light ground.
        const std::vector<std::pair<int, int>> cursorSpans = lines_->spans(line, cursor_, cursorEnd);
        if (cursorSpans.size() == 2) {
            const auto [start, length] = cursorSpans[printable_ ? 0 : 1];
            QColor ground = colours.highlight().color();
            ground.setAlpha(70);
            painter.fillRect(QRectF(left + metrics.horizontalAdvance(line.text.left(start)), y,
                                    metrics.horizontalAdvance(line.text.mid(start, length)), height),
                             ground);
        }
        if (selTo > selFrom) fillSpans(painter, left, y, line, selFrom, selTo, colours.highlight());
        drawLine(painter, left, y, line, false);
        if (selTo > selFrom && line.offset < selTo && line.offset + line.byteCount + 2 > selFrom) {
            // The selected characters again, in the selection's colour, over its ground.
            QRegion region;
            for (const auto& [start, length] : lines_->spans(line, selFrom, selTo)) {
                const qreal x = metrics.horizontalAdvance(line.text.left(start));
                region += QRectF(left + x, y, metrics.horizontalAdvance(line.text.mid(start, length)), height)
                              .toAlignedRect();
            }
            painter.save();
            painter.setClipRegion(region);
            drawLine(painter, left, y, line, true);
            painter.restore();
        }
        if (!cursorSpans.empty()) {
            // The cursor: a frame around its byte or character where it stands.
            const auto [start, length] = cursorSpans[printable_ && cursorSpans.size() == 2 ? 1 : 0];
            const qreal x = left + metrics.horizontalAdvance(line.text.left(start));
            const qreal w = std::max(metrics.horizontalAdvance(line.text.mid(start, length)),
                                     metrics.horizontalAdvance(QLatin1Char(' ')));
            painter.setPen(QPen(colours.text().color(), hasFocus() ? 2 : 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(x, y + 0.5, w, height - 1));
        }
        widest = std::max(widest, static_cast<int>(line.text.size()));
    }
    if (widest > widestLine_) QMetaObject::invokeMethod(this, [this, widest] { widen(widest); }, Qt::QueuedConnection);
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
    if (!lines_ || lineCount() == 0) {
        LineView::keyPressEvent(event);
        return;
    }
    const Select extend = event->modifiers() & Qt::ShiftModifier ? Select::Extend : Select::Drop;
    const bool far = event->modifiers() & Qt::ControlModifier;
    const auto page = static_cast<std::uint64_t>(visibleLines());
    const std::uint64_t last = lineCount() - 1;
    switch (event->key()) {
    case Qt::Key_Left: moveTo(lines_->previousUnit(cursor_), extend); break;
    case Qt::Key_Right: moveTo(lines_->nextUnit(cursor_), extend); break;
    case Qt::Key_Up: moveToLine(current_ > 0 ? current_ - 1 : 0, extend); break;
    case Qt::Key_Down: moveToLine(current_ + 1, extend); break;
    case Qt::Key_PageUp: moveToLine(current_ > page ? current_ - page : 0, extend); break;
    case Qt::Key_PageDown: moveToLine(std::min(last, current_ + page), extend); break;
    case Qt::Key_Home: moveTo(far ? 0 : lines_->lineFirst(current_), extend); break;
    case Qt::Key_End: moveTo(lines_->lineLast(far ? last : current_), extend); break;
    default: LineView::keyPressEvent(event);
    }
}

void HexView::mousePressEvent(QMouseEvent* event) {
    std::uint64_t offset = 0;
    bool printable = false;
    if (placeAtPoint(event->position().toPoint(), offset, printable)) {
        const bool inSelection = selecting_ && offset >= selectionStart() && offset < selectionEnd();
        if (event->button() == Qt::LeftButton && event->modifiers() & Qt::ShiftModifier) {
            moveTo(offset, Select::Extend);
        } else if (event->button() == Qt::LeftButton || (event->button() == Qt::RightButton && !inSelection)) {
            // The column clicked is the one a selection made from here copies.
            printable_ = printable;
            moveTo(offset, Select::Drop);
        }
    }
    LineView::mousePressEvent(event);
}

void HexView::mouseMoveEvent(QMouseEvent* event) {
    std::uint64_t offset = 0;
    bool printable = false;
    if (event->buttons() & Qt::LeftButton && placeAtPoint(event->position().toPoint(), offset, printable) &&
        offset != cursor_)
        moveTo(offset, Select::Extend);
}
