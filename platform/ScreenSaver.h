#pragma once
// Starts the desktop's screen saver now.
namespace platform {

class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;
    // Throws kv::Error when no way to start it is available.
    virtual void activate() = 0;
};

}  // namespace platform
