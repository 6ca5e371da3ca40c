#include "tools/numbers/PrimeListView.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

PrimeListView::PrimeListView(QWidget* parent) : forms::LineView(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineGap(2);
}

void PrimeListView::setModel(QAbstractItemModel* model) {
    model_ = model;
    auto reset = [this] {
        anchor_ = current_ = -1;
        scrollTo(0);
    };
    connect(model_, &QAbstractItemModel::modelReset, this, reset);
    // Rows added at the end (a list growing while it is made) leave the place
    // and the selection as they are.
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { linesChanged(); });
    reset();
}

int PrimeListView::rowCount() const { return model_ ? model_->rowCount() : 0; }

int PrimeListView::rowAt(int y) const {
    if (rowCount() == 0) return -1;
    return static_cast<int>(std::min<std::uint64_t>(lineAtY(y), static_cast<std::uint64_t>(rowCount() - 1)));
}

void PrimeListView::select(int first, int last) {
    if (rowCount() == 0) return;
    anchor_ = std::clamp(first, 0, rowCount() - 1);
    moveTo(last, true);
}

void PrimeListView::moveTo(int row, bool extend) {
    if (rowCount() == 0) return;
    current_ = std::clamp(row, 0, rowCount() - 1);
    if (!extend || anchor_ < 0) anchor_ = current_;
    keepVisible(static_cast<std::uint64_t>(current_));
    viewport()->update();
}

void PrimeListView::drawLines(QPainter& painter, std::uint64_t firstLine, int count) {
    const int h = lineHeight();
    const int first = selectionFirst(), last = selectionLast();
    const int top = static_cast<int>(firstLine);
    for (int row = top, y = 0; row < top + count; ++row, y += h) {
        const QRect line(0, y, viewport()->width(), h);
        const bool selected = first >= 0 && row >= first && row <= last;
        if (selected) painter.fillRect(line, palette().brush(QPalette::Highlight));
        painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(line.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         model_->index(row, 0).data().toString());
        if (row == current_ && hasFocus()) {
            painter.setPen(Qt::DotLine);
            painter.drawRect(line.adjusted(0, 0, -1, -1));
        }
    }
}

void PrimeListView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) return emit copyRequested();
    if (event->matches(QKeySequence::SelectAll)) return select(0, rowCount() - 1);
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const int from = std::max(current_, 0);
    switch (event->key()) {
    case Qt::Key_Up: return moveTo(from - 1, extend);
    case Qt::Key_Down: return moveTo(current_ < 0 ? 0 : from + 1, extend);
    case Qt::Key_PageUp: return moveTo(from - visibleLines(), extend);
    case Qt::Key_PageDown: return moveTo(from + visibleLines(), extend);
    case Qt::Key_Home: return moveTo(0, extend);
    case Qt::Key_End: return moveTo(rowCount() - 1, extend);
    default: LineView::keyPressEvent(event);
    }
}

void PrimeListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) moveTo(rowAt(event->position().toPoint().y()),
                                                  event->modifiers() & Qt::ShiftModifier);
}

void PrimeListView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) moveTo(rowAt(event->position().toPoint().y()), true);
}
