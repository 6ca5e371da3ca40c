#pragma once
// Shows the help at a numeric context, as the windows' Help buttons ask for it,
// or at a page of its own (F1 in a tool window).
#include <QString>

namespace platform {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Modal: returns when the help is closed. Throws kv::Error when the context has no page.
    virtual void show(int context) = 0;
    // The same for a page by its file name, a section after '#' where the
    // page has one: "tanks.html", "10.html#charmap".
    virtual void showPage(const QString& page) = 0;
};

}  // namespace platform
