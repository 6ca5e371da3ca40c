#pragma once
// Start with the system: whether the program starts when the user logs in.
#include <QString>

namespace platform {

class Autostart {
public:
    virtual ~Autostart() = default;
    virtual bool isEnabled() const = 0;
    // Both return false when the setting could not be changed; it then stays as it was.
    virtual bool enable(const QString& programPath) = 0;
    virtual bool disable() = 0;
};

}  // namespace platform
