#include "widgets/forms/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>

namespace forms {

namespace {

QString plain(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.simplified();
}

// The caption nearest to the left of `w` on its line, or else just above it.
QString captionBeside(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent) return {};
    const QRect at = w->geometry();
    const QLabel* best = nullptr;
    int bestDistance = 1 << 20;
    for (const QLabel* l : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (l->isHidden() || plain(l->text()).isEmpty() || !l->pixmap().isNull()) continue;
        const QRect r = l->geometry();
        const bool sameLine = r.bottom() >= at.top() && r.top() <= at.bottom() && r.right() <= at.left() + 4;
        const bool above = r.bottom() <= at.top() + 4 && r.right() >= at.left() && r.left() <= at.right();
        const int distance = sameLine ? at.left() - r.right() : above ? (at.top() - r.bottom()) * 2 : 1 << 20;
        if ((sameLine || above) && distance < bestDistance && distance < 120) {
            best = l;
            bestDistance = distance;
        }
    }
    return best ? plain(best->text()) : QString();
}

void nameOne(QWidget* w) {
    // A picture button is named by its hint even where only the mouse reaches it.
    const bool reachable = w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w);
    auto* view = qobject_cast<QAbstractItemView*>(w);
    if (reachable && w->accessibleName().isEmpty()) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        QString name;
        if (button && !plain(button->text()).isEmpty()) return;  // its caption names it
        if (!w->toolTip().isEmpty()) name = plain(w->toolTip());
        if (name.isEmpty()) name = captionBeside(w);
        // A set of pages is read by its tabs; as a whole it is the window's.
        if (name.isEmpty() && w->inherits("QTabWidget")) name = plain(w->window()->windowTitle());
        // The edit of a box that is also a list: named as the box.
        if (name.isEmpty() && w->parentWidget() && w->parentWidget()->inherits("QComboBox"))
            name = captionBeside(w->parentWidget());
        if (!name.isEmpty()) w->setAccessibleName(name);
    }
    if (view && view->accessibleDescription().isEmpty()) {
        const QString about = !view->toolTip().isEmpty() ? view->toolTip() : view->accessibleName();
        if (!about.isEmpty()) view->setAccessibleDescription(about);
    }
}

class NameOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (w->isWindow()) nameControls(w);
        }
        return false;
    }
};

}  // namespace

void nameControls(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) nameOne(w);
}

void nameControlsWhenShown(QApplication& app) { app.installEventFilter(new NameOnShow(&app)); }

}  // namespace forms
