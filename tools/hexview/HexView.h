#pragma once
// The view of the hex viewer: a read-and-copy text view of the lines of a
// file, the dump's or the text's, on the shared view of any number of lines
// (widgets/forms/LineView.h).
//
// The cursor is on a byte of the dump (in the hex or the printable column,
// both marked) or on a character of text. A click places it; dragging,
// Shift-click and Shift with the keys select from where the selection began
// to the byte or character reached, both included. The cursor and the
// selection are kept as offsets into the file, so a selection may span any
// number of lines and screens. One run of bytes can be highlighted apart
// (the bytes a field of the data inspector reads). Control characters of a
// text line are set apart in a colour of their own.
#include <cstdint>

#include "widgets/forms/LineView.h"

class QPainter;

namespace hexview {
class ViewLines;
struct ShownLine;
}

class HexView : public forms::LineView {
    Q_OBJECT
public:
    explicit HexView(QWidget* parent = nullptr);

    // The lines to show (kept by the caller), or nullptr for an empty view.
    void setLines(const hexview::ViewLines* lines);
    const hexview::ViewLines* lines() const { return lines_; }
    std::uint64_t currentLine() const { return current_; }
    // The byte the cursor is on (a character's first byte in text).
    std::uint64_t cursorOffset() const { return cursor_; }
    // Whether the cursor stands in the dump's printable column.
    bool inPrintable() const { return printable_; }
    // Puts the cursor on the byte at `offset` and scrolls it into sight.
    void goToOffset(std::uint64_t offset);

    // The selection's bytes, start..end-1.
    bool hasSelection() const { return selecting_; }
    std::uint64_t selectionStart() const;
    std::uint64_t selectionEnd() const;
    void selectAll();
    // Selects the bytes from..to-1, the cursor on the first.
    void select(std::uint64_t from, std::uint64_t to);

    void highlight(std::uint64_t from, std::uint64_t to);
    std::uint64_t highlightFrom() const { return highlightFrom_; }
    std::uint64_t highlightTo() const { return highlightTo_; }

signals:
    // The cursor or the selection changed.
    void cursorMoved(std::uint64_t offset);
    // Ctrl+C, or the platform's copy key.
    void copyRequested();

protected:
    std::uint64_t lineCount() const override;
    void drawLines(QPainter& painter, std::uint64_t first, int count) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // What moving the cursor does to the selection.
    enum class Select { Drop, Extend };
    void moveTo(std::uint64_t offset, Select select);
    // The same column on another line.
    void moveToLine(std::uint64_t line, Select select);
    void showCursor();
    void drawLine(QPainter& painter, qreal x, int y, const hexview::ShownLine& line, bool selected) const;
    void fillSpans(QPainter& painter, qreal left, int y, const hexview::ShownLine& line, std::uint64_t from,
                   std::uint64_t to, const QBrush& brush) const;
    // The scroll range sideways from the widest line seen.
    void widen(int characters);
    // The unit under a point of the viewport.
    bool placeAtPoint(const QPoint& at, std::uint64_t& offset, bool& printable) const;

    const hexview::ViewLines* lines_ = nullptr;
    std::uint64_t current_ = 0;  // the cursor's line
    std::uint64_t cursor_ = 0;
    std::uint64_t anchor_ = 0;
    bool printable_ = false;
    bool selecting_ = false;
    std::uint64_t highlightFrom_ = 0;
    std::uint64_t highlightTo_ = 0;
    int widestLine_ = 80;
};
