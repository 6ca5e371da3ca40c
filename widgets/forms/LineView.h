#pragma once
// A view of any number of lines of one height, made only for the lines on
// the screen: the line source (the subclass) tells how many lines there are
// and draws those asked for. It scrolls by lines with 64-bit line numbers, so
// billions of lines scroll as easily as a few (the scroll bar's range is
// scaled down where the lines outnumber it); the wheel moves three lines a
// notch. What a line is, the cursor and the selection are the source's.
#include <QAbstractScrollArea>
#include <cstdint>

class QPainter;

namespace forms {

class LineView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LineView(QWidget* parent = nullptr);

    std::uint64_t topLine() const { return top_; }
    int visibleLines() const;
    // The count of lines changed (a list or an index still growing).
    void linesChanged();

protected:
    // The line source.
    virtual std::uint64_t lineCount() const = 0;
    // Draws lines first..first+count-1, line k at k × lineHeight() from the viewport's top.
    virtual void drawLines(QPainter& painter, std::uint64_t first, int count) = 0;

    int lineHeight() const;
    // Pixels added to the font's height between lines.
    void setLineGap(int pixels) { gap_ = pixels; }
    // How wide the lines are, for scrolling sideways.
    void setContentWidth(int pixels);
    std::uint64_t lastTop() const;
    void scrollTo(std::uint64_t top);
    // Scrolls just as far as brings `line` on screen.
    void keepVisible(std::uint64_t line);
    // The line at a height of the viewport (possibly past the last line).
    std::uint64_t lineAtY(int y) const;

    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateRange();
    void verticalScrolled(int value);

    std::uint64_t top_ = 0;
    int gap_ = 0;
    int contentWidth_ = 0;
    bool syncing_ = false;
};

}  // namespace forms
