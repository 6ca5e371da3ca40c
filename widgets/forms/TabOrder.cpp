#include "widgets/forms/TabOrder.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <optional>

namespace forms {

namespace {

// Frames that touch by a pixel or two still stand on separate lines.
constexpr int kSlack = 3;

struct Item {
    QWidget* w;
    QRect r;
};

// A control Tab stops at, or one made of several (a set of tabbed pages:
// the focus passes on to its tabs) that keeps the order inside it as made.
bool isStop(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) && (!w->focusProxy() || w->isAncestorOf(w->focusProxy()));
}
bool isCompound(const QWidget* w) { return isStop(w) && w->focusProxy(); }

bool holdsStop(const QWidget* w) {
    const auto inner = w->findChildren<QWidget*>();
    return std::any_of(inner.begin(), inner.end(), [](const QWidget* c) { return !c->isWindow() && isStop(c); });
}

int from(const QRect& r, bool down) { return down ? r.top() : r.left(); }
int to(const QRect& r, bool down) { return down ? r.y() + r.height() : r.x() + r.width(); }

// Parts `items` in two at the widest gap along one axis that no item spans:
// across, between lines, when `down`; else down, between columns. Gives the
// gap's width, or nothing where no gap is.
std::optional<int> part(QList<Item> items, bool down, QList<Item>& first, QList<Item>& second) {
    std::stable_sort(items.begin(), items.end(),
                     [down](const Item& a, const Item& b) { return from(a.r, down) < from(b.r, down); });
    std::optional<int> widest;
    qsizetype at = 0;
    int end = to(items.first().r, down);
    for (qsizetype k = 1; k < items.size(); ++k) {
        const int gap = from(items[k].r, down) - end;
        if (gap >= -kSlack && (!widest || gap > *widest)) {
            widest = gap;
            at = k;
        }
        end = std::max(end, to(items[k].r, down));
    }
    if (widest) {
        first = items.mid(0, at);
        second = items.mid(at);
    }
    return widest;
}

bool overlap(const QRect& a, const QRect& b, bool down) {
    return std::min(to(a, down), to(b, down)) - std::max(from(a, down), from(b, down)) > kSlack;
}

// `a` stands above `b` in the same column, or left of it on the same line.
bool ahead(const QRect& a, const QRect& b) {
    return (overlap(a, b, false) && to(a, true) <= b.top() + kSlack) ||
           (overlap(a, b, true) && to(a, false) <= b.left() + kSlack);
}

void readingOrder(QList<Item>& items);

// Boxes that interlock, where no straight line parts them: the top left one
// first, but never past one that stands above or left of it.
void interlocked(QList<Item>& items) {
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        return a.r.top() != b.r.top() ? a.r.top() < b.r.top() : a.r.left() < b.r.left();
    });
    QList<Item> out;
    while (!items.isEmpty()) {
        qsizetype pick = 0;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const bool free = std::none_of(items.begin(), items.end(),
                                           [&](const Item& o) { return o.w != items[i].w && ahead(o.r, items[i].r); });
            if (free) {
                pick = i;
                break;
            }
        }
        out.append(items.takeAt(pick));
    }
    items = out;
}

// The page read as a newspaper is: parted at the widest gap, across into
// lines or down into columns (lines where the gaps are as wide), and each
// part so again.
void readingOrder(QList<Item>& items) {
    if (items.size() < 2) return;
    QList<Item> above, below, left, right;
    const std::optional<int> across = part(items, true, above, below);
    const std::optional<int> down = part(items, false, left, right);
    if (!across && !down) return interlocked(items);
    QList<Item>& first = across && (!down || *across >= *down) ? above : left;
    QList<Item>& second = across && (!down || *across >= *down) ? below : right;
    readingOrder(first);
    readingOrder(second);
    items = first + second;
}

void collect(QWidget* container, QList<QWidget*>& stops) {
    QList<Item> items;
    for (QObject* o : container->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || !(isStop(w) || holdsStop(w))) continue;
        items.append({w, w->geometry()});
    }
    readingOrder(items);
    for (const Item& i : items) {
        if (isStop(i.w)) stops.append(i.w);
        if (!isCompound(i.w)) collect(i.w, stops);
    }
}

// Chains the stops of `window` as read; gives them in that order.
QList<QWidget*> chainAsRead(QWidget* window) {
    QList<QWidget*> stops;
    collect(window, stops);
    for (qsizetype k = 1; k < stops.size(); ++k) QWidget::setTabOrder(stops[k - 1], stops[k]);
    // Arrows move between the cells; Tab leaves the grid.
    for (QWidget* s : stops)
        if (auto* view = qobject_cast<QAbstractItemView*>(s)) view->setTabKeyNavigation(false);
    return stops;
}

bool isButton(const QWidget* w) { return qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w); }

class OrderOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Show) return false;
        auto* window = static_cast<QWidget*>(o);
        const QList<QWidget*> stops = chainAsRead(window);
        if (window->focusWidget()) return false;
        // The first control to fill in; in a window of buttons only, the first.
        QWidget* start = nullptr;
        for (QWidget* s : stops) {
            if (!s->isVisibleTo(window) || !s->isEnabled()) continue;
            if (!start) start = s;
            if (!isButton(s)) {
                start = s;
                break;
            }
        }
        if (start) start->setFocus(Qt::OtherFocusReason);
        return false;
    }
};

}  // namespace

void orderTabsByLayout(QWidget* window) { chainAsRead(window); }

void orderTabsWhenShown(QDialog* dialog) { dialog->installEventFilter(new OrderOnShow(dialog)); }

}  // namespace forms
