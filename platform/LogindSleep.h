#pragma once
// Suspend through logind on the system bus, else through `systemctl suspend`.
#include <QDBusConnection>
#include <optional>

#include "platform/ProgramStarter.h"
#include "platform/SystemSleep.h"

namespace platform {

class LogindSleep : public SystemSleep {
public:
    explicit LogindSleep(ProgramStarter starter = {}, std::optional<QDBusConnection> bus = {});
    void suspend() override;

private:
    // The bus is reached when first needed: connecting at start could mean
    // starting a bus, for a service the user may never ask for.
    QDBusConnection& bus();
    bool suspendOverBus();

    ProgramStarter starter_;
    std::optional<QDBusConnection> bus_;
};

}  // namespace platform
