#include "app/PictureWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "app/PictureLayout.h"
#include "platform/ProgramDir.h"
#include "widgets/gif/GIFImage.h"

TPictureWindow::TPictureWindow(const QString& file, QWidget* owner, const QString& dir) : QDialog(owner) {
    setObjectName(QStringLiteral("PictureWindow"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_DeleteOnClose, false);

    // The picture sits on a page of its own so that it scrolls when the
    // window is smaller than the picture (a tall chart, a small screen).
    auto* page = new QWidget;
    GIFImage1 = new TGIFImage(page);
    GIFImage1->setObjectName(QStringLiteral("GIFImage1"));
    GIFImage1->setAutoSize(true);
    GIFImage1->move(0, 1);
    GIFImage1->loadFromFile((dir.isEmpty() ? platform::programDir() : dir) + file);
    const QSize picture = GIFImage1->pictureSize();
    page->setFixedSize(picture.width(), picture.height() + 1);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidget(page);
    ScrollBox->setAccessibleName(QStringLiteral("Picture"));
    ScrollBox->setAccessibleDescription(file);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox);

    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const PictureWindowPlace at = fitPictureWindow(pictureWindowSize(file, picture), available, expectedFrame(),
                                                   style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    resize(at.client);
    move(at.frameTopLeft);
}

QMargins TPictureWindow::expectedFrame() const {
    // The window manager frames the window only when it is mapped; until then
    // the style's idea of a window frame stands in for it.
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return {border, border + title, border, border};
}
