#pragma once
// Suspend through logind on the system bus, else through `systemctl suspend`.
#include <QDBusConnection>

#include "platform/ProgramStarter.h"
#include "platform/SystemSleep.h"

namespace platform {

class LogindSleep : public SystemSleep {
public:
    explicit LogindSleep(ProgramStarter starter = {}, QDBusConnection bus = QDBusConnection::systemBus());
    void suspend() override;

private:
    bool suspendOverBus();

    ProgramStarter starter_;
    QDBusConnection bus_;
};

}  // namespace platform
