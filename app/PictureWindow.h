#pragma once
// A window that shows one of the program's GIF pictures (clothing sizes,
// geometric formulas, specific resistance), sized from the picture and kept
// within the screen's free area, where a larger picture scrolls.
#include <QDialog>

class QScrollArea;
class TGIFImage;

class TPictureWindow : public QDialog {
    Q_OBJECT
public:
    // Loads `file` from `dir` (with a trailing separator; the program's
    // directory when empty). Throws kv::Error when the picture is missing or
    // unreadable: then no window ever shows.
    explicit TPictureWindow(const QString& file, QWidget* owner = nullptr, const QString& dir = QString());

    QScrollArea* ScrollBox = nullptr;
    TGIFImage* GIFImage1 = nullptr;

private:
    QMargins expectedFrame() const;
};
