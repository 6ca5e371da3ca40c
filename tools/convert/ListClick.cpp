#include "tools/convert/ListClick.h"

#include <QEvent>
#include <QListWidget>

namespace convert {
namespace {

// A mouse click both moves the selection (on the press) and reports the click
// (on the release); the handler must run once for the two.
class ClickTracker : public QObject {
public:
    using QObject::QObject;
    bool rowMoved = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            rowMoved = false;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void onListClick(QListWidget* list, std::function<void()> handler) {
    auto* tracker = new ClickTracker(list);
    list->viewport()->installEventFilter(tracker);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [tracker, handler] {
        tracker->rowMoved = true;
        handler();
    });
    QObject::connect(list, &QListWidget::itemClicked, list, [tracker, handler](QListWidgetItem*) {
        if (tracker->rowMoved) {
            tracker->rowMoved = false;
            return;
        }
        handler();
    });
}

}  // namespace convert

int convert::selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.front());
}
