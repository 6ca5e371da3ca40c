#pragma once
// The view of the hex viewer: a read-and-copy text view of any number of
// lines, made only for the lines on the screen. It scrolls by lines, so a
// file of billions of lines scrolls as easily as a short one (the scroll
// bar's range is scaled down where the lines outnumber it).
//
// The cursor is a line, and the selection is whole lines: a click or the
// arrow keys select the line they reach, Shift-click, Shift with the arrow
// keys and dragging extend the selection from where it began. One run of
// bytes can be highlighted (what find found). Control characters of a text
// line are set apart in a colour of their own.
#include <QAbstractScrollArea>
#include <cstdint>

class QPainter;

namespace hexview {
class ViewLines;
struct ShownLine;
}

class HexView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit HexView(QWidget* parent = nullptr);

    // The lines to show (kept by the caller), or nullptr for an empty view.
    void setLines(const hexview::ViewLines* lines);
    const hexview::ViewLines* lines() const { return lines_; }
    // The count of lines may grow (a text file still being indexed).
    void linesChanged();

    std::uint64_t topLine() const { return top_; }
    std::uint64_t currentLine() const { return current_; }
    int visibleLines() const;
    // The byte the cursor is on.
    std::uint64_t cursorOffset() const { return cursorOffset_; }
    // Puts the cursor on the byte at `offset` and scrolls it into sight.
    void goToOffset(std::uint64_t offset);

    bool hasSelection() const { return selecting_; }
    std::uint64_t selectionFirst() const { return std::min(anchor_, current_); }
    std::uint64_t selectionLast() const { return std::max(anchor_, current_); }
    void selectAll();

    void highlight(std::uint64_t from, std::uint64_t to);
    std::uint64_t highlightFrom() const { return highlightFrom_; }
    std::uint64_t highlightTo() const { return highlightTo_; }

signals:
    void cursorMoved(std::uint64_t offset);
    // Ctrl+C, or the platform's copy key.
    void copyRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::uint64_t lineCount() const;
    std::uint64_t maxTop() const;
    int lineHeight() const;
    // What moving the cursor does to the selection.
    enum class Select { Line, Extend, None };
    void moveTo(std::uint64_t line, Select select);
    void drawLine(QPainter& painter, qreal x, int y, const hexview::ShownLine& line, bool selected) const;
    void scrollTo(std::uint64_t top);
    void updateRange();
    void verticalScrolled(int value);
    std::uint64_t lineAtY(int y) const;

    const hexview::ViewLines* lines_ = nullptr;
    std::uint64_t top_ = 0;
    std::uint64_t current_ = 0;
    std::uint64_t anchor_ = 0;
    std::uint64_t cursorOffset_ = 0;
    bool selecting_ = false;
    std::uint64_t highlightFrom_ = 0;
    std::uint64_t highlightTo_ = 0;
    int widestLine_ = 80;
    bool syncing_ = false;
};
