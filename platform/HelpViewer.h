#pragma once
// Shows the help at a numeric context, as the windows' Help buttons ask for it,
// or a page of its own name for a window that has no context.
#include <QString>

namespace platform {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Modal: returns when the help is closed. Throws kv::Error when the context has no page.
    virtual void show(int context) = 0;
    // The page `page` ("elements.html") of the help, as show() does.
    virtual void showPage(const QString& page) = 0;
};

}  // namespace platform
