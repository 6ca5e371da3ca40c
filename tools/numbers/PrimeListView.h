#pragma once
// A list view for a hundred million rows: it keeps nothing per row (a
// QListView lays out every row and would need gigabytes), draws only the rows
// on screen, and selects one run of rows, extended with Shift.
#include <QAbstractScrollArea>
#include <algorithm>

class QAbstractItemModel;

class PrimeListView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PrimeListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model);
    int rowCount() const;
    int currentRow() const { return current_; }
    int topRow() const;
    // The selected run of rows, first <= last; first = -1 when none.
    int selectionFirst() const { return current_ < 0 ? -1 : std::min(anchor_, current_); }
    int selectionLast() const { return current_ < 0 ? -1 : std::max(anchor_, current_); }
    void select(int first, int last);

signals:
    // Ctrl+C, or the platform's copy key.
    void copyRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int lineHeight() const;
    int visibleRows() const;
    int rowAt(int y) const;
    void moveTo(int row, bool extend);
    void updateRange();

    QAbstractItemModel* model_ = nullptr;
    int anchor_ = -1;
    int current_ = -1;
};
