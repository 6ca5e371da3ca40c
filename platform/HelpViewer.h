#pragma once
// Shows the help at a numeric context, as the windows' Help buttons ask for
// it, or a page by its name, for the windows whose help has no number.
#include <QString>

namespace platform {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Modal: returns when the help is closed. Throws kv::Error when the context has no page.
    virtual void show(int context) = 0;
    // Modal, as show(): the page of that file name ("hexview.html"). Throws kv::Error when it is missing.
    virtual void showPage(const QString& fileName) = 0;
};

}  // namespace platform
