#pragma once
// Puts the computer to sleep (suspend to memory).
namespace platform {

class SystemSleep {
public:
    virtual ~SystemSleep() = default;
    // Returns at once. Throws kv::Error when there is no way to suspend; a refusal
    // that arrives later (no permission) is shown through the error display.
    virtual void suspend() = 0;
};

}  // namespace platform
