#pragma once
// Shows the help at a numeric context, as the windows' Help buttons ask for it.
namespace platform {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Modal: returns when the help is closed. Throws kv::Error when the context has no page.
    virtual void show(int context) = 0;
};

}  // namespace platform
