#include "platform/HelpKey.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include "core/HandlerGuard.h"
#include "platform/DesktopServices.h"

namespace platform {

namespace {

// Sits on the window and sees F1 after the control with the focus has let
// it pass (key presses travel up to the window), whatever control has it.
class HelpKey : public QObject {
public:
    HelpKey(QWidget* window, std::function<void()> help) : QObject(window), help_(std::move(help)) {
        setObjectName(QStringLiteral("HelpKey"));
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != parent() || event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        kv::guarded(help_);
        return true;
    }

private:
    std::function<void()> help_;
};

}  // namespace

void helpOnF1(QWidget* window, std::function<void()> help) {
    // A second call replaces the first.
    delete window->findChild<HelpKey*>(QStringLiteral("HelpKey"), Qt::FindDirectChildrenOnly);
    new HelpKey(window, std::move(help));
}

void helpOnF1(QWidget* window, const QString& page) {
    helpOnF1(window, [page] { desktop().help->showPage(page); });
}

}  // namespace platform
