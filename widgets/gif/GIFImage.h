#pragma once
// A picture control for GIF pictures (GIF87a and GIF89a), still or animated.
//
// Frames are decoded once, when the picture is loaded, and kept composited
// (each frame as it looks on screen), so playing never touches the file again.
// The program's pictures lie beside the executable: "Shoes.gif", "geometr.gif",
// "t_res.gif", the tank shapes, and the launcher bar's logo "kvlogo.gif"
// (29 x 24, plays once and stays on its last frame).
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

#include "widgets/gif/GifDecoder.h"

class QTimer;

class TGIFImage : public QWidget {
    Q_OBJECT
public:
    explicit TGIFImage(QWidget* parent = nullptr);
    ~TGIFImage() override;

    // Replace the picture. Both throw kv::Error (message names the file) when the
    // file is missing or unreadable, or the data are not a GIF with at least one
    // frame; the control then keeps the picture it had.
    void loadFromFile(const QString& path);
    void loadFromData(const QByteArray& data);

    // For windows that change pictures without telling the user: a missing file
    // keeps the picture shown; a file that is no readable GIF empties the control.
    // Returns true when the new picture was loaded.
    bool tryLoadFromFile(const QString& path);

    // Drop the picture; the control shows its background only.
    void clear();
    bool isEmpty() const;

    // Automatic size: the control resizes itself to the picture on every load.
    void setAutoSize(bool on);
    bool autoSize() const;

    // Centre the picture in the control instead of drawing it at the top left.
    void setCenter(bool on);
    bool center() const;

    // Animate multi-frame pictures. Off shows frame 0 and stops the timer.
    // On by default; a new picture starts playing from frame 0 when it is on.
    void setAnimate(bool on);
    bool animate() const;

    // Loop forever (default) or play once and stay on the last frame. The loop
    // count stored in the file is not consulted: the window decides.
    void setLoop(bool on);
    bool loop() const;

    // Show a given frame (clamped to the picture's frames); an animated picture
    // plays on from there.
    void setCurrentFrame(int index);

    QSize pictureSize() const;  // the GIF's logical screen size; empty without picture
    int frameCount() const;     // 0 without picture
    int currentFrame() const;   // -1 without picture
    QImage currentImage() const;  // the frame on screen, composited; null without picture
    // The time a frame stays on screen, in ms (delays under 20 ms count as 100 ms,
    // as browsers do); -1 for a frame that does not exist.
    int frameDelay(int index) const;
    bool isPlaying() const;

    QSize sizeHint() const override;

signals:
    void frameChanged(int index);
    // A picture that plays once has reached its last frame and stopped.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setPicture(kv::gif::Picture picture);
    void restartTimer();
    void advance();

    kv::gif::Picture picture_;
    int current_ = -1;
    bool autoSize_ = false;
    bool center_ = false;
    bool animate_ = true;
    bool loop_ = true;
    QTimer* timer_ = nullptr;
};
