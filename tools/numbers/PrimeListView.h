#pragma once
// A list view for a hundred million rows: it keeps nothing per row (a
// QListView lays out every row and would need gigabytes), draws only the rows
// on screen (on the shared view of any number of lines, widgets/forms/LineView.h),
// and selects one run of rows, extended with Shift.
#include <algorithm>

#include "widgets/forms/LineView.h"

class QAbstractItemModel;

class PrimeListView : public forms::LineView {
    Q_OBJECT
public:
    explicit PrimeListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model);
    int rowCount() const;
    int currentRow() const { return current_; }
    int topRow() const { return static_cast<int>(topLine()); }
    // The selected run of rows, first <= last; first = -1 when none.
    int selectionFirst() const { return current_ < 0 ? -1 : std::min(anchor_, current_); }
    int selectionLast() const { return current_ < 0 ? -1 : std::max(anchor_, current_); }
    void select(int first, int last);

signals:
    // Ctrl+C, or the platform's copy key.
    void copyRequested();

protected:
    std::uint64_t lineCount() const override { return static_cast<std::uint64_t>(rowCount()); }
    void drawLines(QPainter& painter, std::uint64_t first, int count) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int rowAt(int y) const;
    void moveTo(int row, bool extend);

    QAbstractItemModel* model_ = nullptr;
    int anchor_ = -1;
    int current_ = -1;
};
