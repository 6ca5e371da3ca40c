#include "app/PictureWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/PictureLayout.h"
#include "platform/ProgramDir.h"
#include "widgets/gif/GIFImage.h"

TPictureWindow::TPictureWindow(const QString& file, QWidget* owner, const QString& dir) : QDialog(owner) {
    setObjectName(QStringLiteral("PictureWindow"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_DeleteOnClose, false);

    // The picture sits on a page of its own so that a tall one scrolls
    // vertically; the window is made wide enough that it never scrolls across.
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
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox->setWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox);

    const QSize size = pictureWindowSize(file, picture);
    resize(size);
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const int left = screen ? screen->geometry().center().x() - size.width() / 2 : 0;
    move(qMax(0, left), kPictureWindowTop);
}
