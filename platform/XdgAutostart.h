#pragma once
// Start with the system through the desktop's autostart folder ($XDG_CONFIG_HOME/autostart).
#include "platform/Autostart.h"

namespace platform {

// $XDG_CONFIG_HOME/autostart/Kvantor.desktop (default ~/.config/autostart).
QString defaultAutostartEntry();

class XdgAutostart : public Autostart {
public:
    explicit XdgAutostart(QString entryFile = defaultAutostartEntry());
    bool isEnabled() const override;
    bool enable(const QString& programPath) override;
    bool disable() override;

private:
    QString entryFile_;
};

}  // namespace platform
