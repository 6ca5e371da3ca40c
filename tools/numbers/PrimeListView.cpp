#include "tools/numbers/PrimeListView.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

PrimeListView::PrimeListView(QWidget* parent) : QAbstractScrollArea(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

void PrimeListView::setModel(QAbstractItemModel* model) {
    model_ = model;
    auto reset = [this] {
        anchor_ = current_ = -1;
        updateRange();
        verticalScrollBar()->setValue(0);
        viewport()->update();
    };
    connect(model_, &QAbstractItemModel::modelReset, this, reset);
    // Rows added at the end (a list growing while it is made) leave the place
    // and the selection as they are.
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] {
        updateRange();
        viewport()->update();
    });
    reset();
}

int PrimeListView::rowCount() const { return model_ ? model_->rowCount() : 0; }
int PrimeListView::topRow() const { return verticalScrollBar()->value(); }
int PrimeListView::lineHeight() const { return fontMetrics().height() + 2; }
int PrimeListView::visibleRows() const { return std::max(1, viewport()->height() / lineHeight()); }

int PrimeListView::rowAt(int y) const {
    if (rowCount() == 0) return -1;
    return std::clamp(topRow() + std::max(0, y) / lineHeight(), 0, rowCount() - 1);
}

void PrimeListView::updateRange() {
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, rowCount() - visibleRows()));
    bar->setPageStep(visibleRows());
    bar->setSingleStep(1);
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
    // Keep the current row on screen.
    if (current_ < topRow()) verticalScrollBar()->setValue(current_);
    else if (current_ >= topRow() + visibleRows()) verticalScrollBar()->setValue(current_ - visibleRows() + 1);
    viewport()->update();
}

void PrimeListView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int h = lineHeight();
    const int first = selectionFirst(), last = selectionLast();
    const int end = std::min(rowCount(), topRow() + visibleRows() + 1);
    for (int row = topRow(), y = 0; row < end; ++row, y += h) {
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
    case Qt::Key_PageUp: return moveTo(from - visibleRows(), extend);
    case Qt::Key_PageDown: return moveTo(from + visibleRows(), extend);
    case Qt::Key_Home: return moveTo(0, extend);
    case Qt::Key_End: return moveTo(rowCount() - 1, extend);
    default: QAbstractScrollArea::keyPressEvent(event);
    }
}

void PrimeListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) moveTo(rowAt(event->position().toPoint().y()),
                                                  event->modifiers() & Qt::ShiftModifier);
}

void PrimeListView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) moveTo(rowAt(event->position().toPoint().y()), true);
}

void PrimeListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateRange();
}
