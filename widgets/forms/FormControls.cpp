#include "widgets/forms/FormControls.h"
#include "widgets/forms/ReadableColours.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace forms {

void name(QWidget* w, const char* objectName) { w->setObjectName(QString::fromLatin1(objectName)); }

QLabel* label(QWidget* parent, const char* objectName, const QString& text, QPoint at,
              const std::optional<QFont>& font) {
    auto* l = new QLabel(text, parent);
    name(l, objectName);
    if (font) l->setFont(*font);
    l->move(at);
    l->adjustSize();
    return l;
}

QLabel* heading(QWidget* parent, const char* objectName, const QString& text, QPoint at) {
    QFont bold = parent->font();
    bold.setBold(true);
    QLabel* l = label(parent, objectName, text, at, bold);
    setTextColour(l, QColor(0, 0, 128));  // navy, or a lighter blue on a dark desktop
    return l;
}

QFrame* bevel(QWidget* parent, const char* objectName, QRect place) {
    auto* f = placed(new QFrame(parent), objectName, place);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    f->lower();
    return f;
}

QToolButton* pictureButton(QWidget* parent, const char* objectName, QRect place, const QIcon& icon,
                           const QString& hint, bool flat) {
    auto* b = placed(new QToolButton(parent), objectName, place);
    b->setIcon(icon);
    b->setIconSize(place.size() - QSize(8, 8));
    b->setToolTip(hint);
    b->setAutoRaise(flat);
    return b;
}

}  // namespace forms
